// The working database's file: named by the time, created only where no entry of any kind holds the name.

#include "store/dbprocess.h"
#include "store/schema.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"

#include <QtTest>

class TestDbProcess : public QObject
{
    Q_OBJECT

private slots:
    void fileName()
    {
        QStringList names;
        for (const QDateTime &time : {QDateTime({2024, 3, 7}, {14, 5, 9, 42}), QDateTime({2000, 1, 1}, {0, 0}), QDateTime({2099, 12, 31}, {23, 59, 59, 999})})
            names << WorkingDatabaseFileName(time);
        QCOMPARE(names, QStringList({"240307140509042", "000101000000000", "991231235959999"}));
    }

    // Two files made in a row on a clock that gives each millisecond more often than names are tried, the first name held
    // by an entry of a kind; in the folder ("" the temporary one) or in none when it cannot take files.
    void createsOnlyNewFiles_data()
    {
        QTest::addColumn<QString>("taken"); QTest::addColumn<QString>("folder");
        for (const char *kind : {"missing", "recording", "empty", "folder", "dangling"})
            QTest::newRow(kind) << kind << "";
        QTest::newRow("missing folder") << "missing" << "gone";
        QTest::newRow("a file as folder") << "missing" << "file";
        QTest::newRow("read-only file system") << "missing" << "/proc";
    }
    void createsOnlyNewFiles()
    {
        QFETCH(QString, taken); QFETCH(QString, folder);
        QTemporaryDir dir;
        const QDateTime start({2024, 3, 7}, {14, 5, 9, 42});
        const auto name = [&start](int ms) { return WorkingDatabaseFileName(start.addMSecs(ms)); };
        QVERIFY(MakeEntry(taken, dir.filePath(name(0))) && MakeEntry("empty", dir.filePath("file")));
        const QStringList before = Snapshot(dir.path());
        int asked = 0;
        const Clock clock = [&] { return start.addMSecs(asked++ / 1100); };
        const QString where = folder.isEmpty() ? dir.path() : folder.startsWith('/') ? folder : dir.filePath(folder);
        const QStringList made{CreateWorkingDatabaseFile(where, clock), CreateWorkingDatabaseFile(where, clock)};
        const int first = taken == "missing" ? 0 : 1;
        QCOMPARE(made, (folder.isEmpty() ? QStringList{dir.filePath(name(first)), dir.filePath(name(first + 1))} : QStringList{"", ""}));
        for (const QString &file : made)
            QVERIFY(file.isEmpty() || (QFileInfo(file).isFile() && QFileInfo(file).size() == 0));
        QCOMPARE(Moved(Moved(Snapshot(dir.path()), name(first), ""), name(first + 1), ""), before);
    }
};

QTEST_GUILESS_MAIN(TestDbProcess)
#include "tst_dbprocess.moc"
