#include "store/dbprocess.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>

class TestDbProcess : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data();
    void fileName();
    void createsBothTablesExactly();
    void runsWithoutSynchronousWrites();
    void closeRemovesOnlyItsOwnFile();
    void everyRunStartsEmpty();

private:
    static QStringList DatabaseFilesBesideExecutable();
};

QStringList TestDbProcess::DatabaseFilesBesideExecutable()
{
    const QRegularExpression fifteenDigits(QStringLiteral("^\\d{15}$"));
    return QDir(QCoreApplication::applicationDirPath()).entryList(QDir::Files).filter(fifteenDigits);
}

void TestDbProcess::fileName_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("name");
    QTest::newRow("afternoon") << QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9, 42))
                               << "240307140509042";
    QTest::newRow("midnight") << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0, 0))
                              << "000101000000000";
    QTest::newRow("last millisecond") << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59, 999))
                                      << "991231235959999";
}

void TestDbProcess::fileName()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, name);
    QCOMPARE(WorkingDatabaseFileName(time), name);
}

void TestDbProcess::createsBothTablesExactly()
{
    DbProcess db;
    QVERIFY(db.InitDatabase());
    QCOMPARE(QFileInfo(db.DatabasePath()).absolutePath(), QCoreApplication::applicationDirPath());
    QVERIFY(QFile::exists(db.DatabasePath()));

    QSqlQuery query(QStringLiteral("select sql from sqlite_master order by rowid"));
    QStringList statements;
    while (query.next())
        statements << query.value(0).toString();
    query.finish();
    // SQLite keeps the statement as written, but for the leading keywords.
    const QStringList expected{SaveViewDispCreateStatement(), IgnorePathTabCreateStatement()};
    QCOMPARE(statements.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(statements.at(i).left(12).toLower(), expected.at(i).left(12));
        QCOMPARE(statements.at(i).mid(12), expected.at(i).mid(12));
    }
    db.CloseDatabase();
}

void TestDbProcess::runsWithoutSynchronousWrites()
{
    DbProcess db;
    QVERIFY(db.InitDatabase());
    {
        QSqlQuery query(QStringLiteral("PRAGMA synchronous"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 0);
    }
    db.CloseDatabase();
}

void TestDbProcess::closeRemovesOnlyItsOwnFile()
{
    const QString leftover = QCoreApplication::applicationDirPath() + "/200101000000000";
    QFile file(leftover);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("left behind by an earlier run");
    file.close();

    DbProcess db;
    QVERIFY(db.InitDatabase());
    const QString path = db.DatabasePath();
    QVERIFY(db.CloseDatabase());
    QVERIFY(!QFile::exists(path));
    QVERIFY(QFile::exists(leftover));
    QVERIFY(!QSqlDatabase::contains(QSqlDatabase::defaultConnection));
    QFile::remove(leftover);
    QVERIFY(!DatabaseFilesBesideExecutable().contains(QFileInfo(path).fileName()));
}

void TestDbProcess::everyRunStartsEmpty()
{
    QString firstPath;
    {
        DbProcess first;
        QVERIFY(first.InitDatabase());
        firstPath = first.DatabasePath();
        QSqlQuery insert;
        QVERIFY(insert.exec("insert into IgnorePathTab values (0, 'D:/rec')"));
        insert.finish();
        first.CloseDatabase();
    }
    QThread::msleep(2); // a later run starts in a later millisecond
    DbProcess second;
    QVERIFY(second.InitDatabase());
    QVERIFY(second.DatabasePath() != firstPath);
    {
        QSqlQuery count(QStringLiteral("select count(*) from IgnorePathTab"));
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 0);
    }
    second.CloseDatabase();
}

QTEST_GUILESS_MAIN(TestDbProcess)
#include "tst_dbprocess.moc"
