// The rules of the record list that the window tests reach only in part:
// the checked count and the names export takes.

#include "records/recordfileops.h"
#include "records/recordingexport.h"
#include "records/recordquery.h"
#include "tests/support/recordingfixture.h"

#include <QDir>
#include <QtTest>

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
    void movedCount_data();
    void movedCount();
    void exportTakesFreeNameForEachFile();
};

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

    for (const RecordRow &row : rows)
        QVERIFY(CopyRecording(row.filePath, out.path(), row.fileName, [] { return false; }));
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
