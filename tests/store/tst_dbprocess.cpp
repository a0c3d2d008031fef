// The working database's file: named by the time, created only where no
// entry of any kind holds the name.

#include "store/dbprocess.h"
#include "store/schema.h"

#include <QtTest>

namespace {

const QDateTime kStart({2024, 3, 7}, {14, 5, 9, 42});

} // namespace

class TestDbProcess : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("name");
        QTest::newRow("example") << kStart << "240307140509042";
        QTest::newRow("first millisecond of 2000") << QDateTime({2000, 1, 1}, {0, 0}) << "000101000000000";
        QTest::newRow("last millisecond of 2099") << QDateTime({2099, 12, 31}, {23, 59, 59, 999}) << "991231235959999";
    }
    void fileName()
    {
        QFETCH(QDateTime, time);
        QFETCH(QString, name);
        QCOMPARE(WorkingDatabaseFileName(time), name);
    }

    // What holds the first name beforehand: nothing, a file, a folder, a link
    // that leads nowhere. Each millisecond is on the clock twice.
    void createsOnlyNewFiles_data()
    {
        QTest::addColumn<QString>("taken");
        QTest::newRow("nothing") << "";
        QTest::newRow("file") << "file";
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling link") << "link";
    }
    void createsOnlyNewFiles()
    {
        QFETCH(QString, taken);
        QTemporaryDir dir;
        const QString first = dir.filePath(WorkingDatabaseFileName(kStart));
        if (taken == "file")
            QVERIFY(QFile(first).open(QIODevice::WriteOnly) && QFile(first).resize(3));
        if (taken == "folder")
            QVERIFY(QDir().mkdir(first));
        if (taken == "link")
            QVERIFY(QFile::link(dir.filePath("gone"), first));
        int asked = 0;
        const Clock clock = [&asked] { return kStart.addMSecs(asked++ / 2); };
        const QString path = dir.filePath(WorkingDatabaseFileName(kStart.addMSecs(taken.isEmpty() ? 0 : 1)));

        QCOMPARE(CreateWorkingDatabaseFile(dir.path(), clock), path);
        QCOMPARE(CreateWorkingDatabaseFile(dir.path(), clock), dir.filePath(WorkingDatabaseFileName(kStart.addMSecs(taken.isEmpty() ? 1 : 2))));
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(QFileInfo(first).size(), taken == "file" ? 3 : QFileInfo(first).size());
        QCOMPARE(QFileInfo(first).isDir(), taken == "folder");
        QCOMPARE(QFileInfo(first).isSymLink(), taken == "link");
        QVERIFY(!QFileInfo::exists(dir.filePath("gone")));
    }

    // A folder that cannot take the file: none is made, nothing is left.
    void unwritableFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing") << "missing";
        QTest::newRow("a file") << "file";
        QTest::newRow("read-only file system") << "/proc";
    }
    void unwritableFolder()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("file")).open(QIODevice::WriteOnly));
        QCOMPARE(CreateWorkingDatabaseFile(folder.startsWith("/") ? folder : dir.filePath(folder)), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"file"});
    }
};

QTEST_GUILESS_MAIN(TestDbProcess)
#include "tst_dbprocess.moc"
