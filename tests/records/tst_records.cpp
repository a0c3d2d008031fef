// The rules of the record list that the window tests reach only in part:
// paging, the checked count, what delete counts and the names export takes.

#include "records/recordfileops.h"
#include "records/recordquery.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(PageLoadMode)

namespace {

RecordRow Row(const QString &filePath, bool checked)
{
    RecordRow row;
    row.checked = checked;
    row.fileName = QFileInfo(filePath).fileName();
    row.filePath = filePath;
    return row;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void pageCount_data();
    void pageCount();
    void requestedPage_data();
    void requestedPage();
    void movedCount_data();
    void movedCount();
    void deleteCountsWhatIsGone_data();
    void deleteCountsWhatIsGone();
    void exportTakesFreeNameForEachFile();
};

void TestRecords::pageCount_data()
{
    QTest::addColumn<uint>("total");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("pages");

    QTest::newRow("empty listing") << 0u << 200 << 1;
    QTest::newRow("one full page") << 200u << 200 << 1;
    QTest::newRow("one record more") << 201u << 200 << 2;
    QTest::newRow("pages of 50") << 120u << 50 << 3;
}

void TestRecords::pageCount()
{
    QFETCH(uint, total);
    QFETCH(int, pageSize);
    QFETCH(int, pages);
    QCOMPARE(PageCount(total, pageSize), pages);
}

void TestRecords::requestedPage_data()
{
    QTest::addColumn<uint>("total");
    QTest::addColumn<int>("current");
    QTest::addColumn<PageLoadMode>("mode");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("page"); // 0: refused

    QTest::newRow("previous on page 1") << 450u << 1 << PagePrevious << 0 << 0;
    QTest::newRow("next on the last page") << 450u << 3 << PageNext << 0 << 0;
    QTest::newRow("last") << 450u << 1 << PageLast << 0 << 3;
    QTest::newRow("go to the last page") << 450u << 1 << PageGoto << 3 << 3;
    QTest::newRow("go past the last page") << 450u << 1 << PageGoto << 4 << 0;
    QTest::newRow("empty listing: last") << 0u << 1 << PageLast << 0 << 1;
    // After a delete the page is read again while it still has records.
    QTest::newRow("refresh just past the records") << 400u << 3 << PageRefresh << 0 << 3;
    QTest::newRow("refresh beyond the records") << 399u << 3 << PageRefresh << 0 << 0;
}

void TestRecords::requestedPage()
{
    QFETCH(uint, total);
    QFETCH(int, current);
    QFETCH(PageLoadMode, mode);
    QFETCH(int, typed);
    QFETCH(int, page);
    PageState state;
    state.currentPage = current;
    state.totalCount = total;
    QCOMPARE(RequestedPage(mode, state, typed), page);
}

void TestRecords::movedCount_data()
{
    QTest::addColumn<uint>("count");
    QTest::addColumn<int>("change");
    QTest::addColumn<uint>("moved");

    QTest::newRow("one unchecked") << 5u << -1 << 4u;
    QTest::newRow("invert") << 3u << 4 << 7u;
    QTest::newRow("never below 0") << 1u << -3 << 0u;
}

void TestRecords::movedCount()
{
    QFETCH(uint, count);
    QFETCH(int, change);
    QFETCH(uint, moved);
    QCOMPARE(MovedCount(count, change), moved);
}

enum FileState { Present, Gone, Undeletable };

void TestRecords::deleteCountsWhatIsGone_data()
{
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<QList<int>>("files");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("refused");

    QTest::newRow("two of four") << QList<bool>{false, true, false, true}
                                 << QList<int>{Present, Present, Present, Present}
                                 << QStringList{"0", "2"} << 2 << false;
    QTest::newRow("file already gone counts as deleted")
        << QList<bool>{true, false, false, false} << QList<int>{Gone, Present, Present, Present}
        << QStringList{"1", "2", "3"} << 1 << false;
    QTest::newRow("refused removal keeps its record")
        << QList<bool>{true, true, false, true} << QList<int>{Present, Undeletable, Present, Present}
        << QStringList{"1", "2"} << 2 << true;
}

// Quotes in the names: a delete by path touches only its own record.
void TestRecords::deleteCountsWhatIsGone()
{
    QFETCH(QList<bool>, checked);
    QFETCH(QList<int>, files);
    QFETCH(QStringList, kept);
    QFETCH(int, deleted);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    TestDatabase database;
    QVERIFY(database.IsReady());
    QList<RecordRow> rows;
    QStringList keptPaths;
    for (int i = 0; i < checked.size(); ++i) {
        rows << Row(dir.filePath(QStringLiteral("it's ' or '1'='1 %1.wav").arg(i)), checked[i]);
        QVERIFY(database.AddRecord(rows.last().filePath, checked[i]));
        if (files[i] != Gone)
            QVERIFY(WriteFileBytes(rows.last().filePath + (files[i] == Undeletable ? "/in" : ""), ""));
        if (kept.contains(QString::number(i)))
            keptPaths << rows.last().filePath;
    }

    const DeleteOutcome outcome = DeleteCheckedRecords(rows);
    QStringList keptRows;
    for (const RecordRow &row : outcome.keptRows)
        keptRows << row.filePath;
    QCOMPARE(keptRows, keptPaths);
    QCOMPARE(database.Column("FilePath"), keptPaths);
    QCOMPARE(outcome.deletedCount, deleted);
    QCOMPARE(outcome.someRefused, refused);
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(QFileInfo::exists(rows[i].filePath), files[i] != Gone && keptPaths.contains(rows[i].filePath));
}

// Three recordings of one name go into a folder that already holds it: each
// taken name gets a time suffix of its own, taken anew until it is free.
void TestRecords::exportTakesFreeNameForEachFile()
{
    QTemporaryDir archive;
    QTemporaryDir out;
    QVERIFY(WriteFileBytes(out.filePath("call.wav"), "already there"));
    QList<RecordRow> rows;
    for (const QString folder : {"one", "two", "three"}) {
        rows << Row(archive.filePath(folder + "/call.wav"), true);
        QVERIFY(WriteFileBytes(rows.last().filePath, folder.toUtf8()));
    }

    QVERIFY(CopyRecordsTo(rows, out.path()));
    QStringList copies = QDir(out.path()).entryList(QDir::Files);
    QCOMPARE(copies.size(), 4);
    QVERIFY(copies.removeOne("call.wav"));
    QStringList contents;
    for (const QString &copy : copies) {
        QVERIFY2(QRegularExpression("^call-\\d{15}\\.wav$").match(copy).hasMatch(),
                 qPrintable(copy));
        QFile file(out.filePath(copy));
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents << file.readAll();
    }
    contents.sort();
    QCOMPARE(contents, QStringList({"one", "three", "two"}));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
