#include "import/qwavfileheader.h"
#include "import/recordextraction.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(RecordingLayout)

namespace {

QString StartTimeOf(const RecordingFields &fields)
{
    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(fields)).constData());
    return StartTimeText(header);
}

// The row as the table holds it, in column order, as texts.
QStringList RowTexts(const ExtractedRecord &record)
{
    return {record.fileName,
            record.startTime,
            record.recordTime,
            QString::number(record.callingID),
            QString::number(record.receiveID),
            QString::number(record.recordType),
            QString::number(record.callType),
            QString::number(record.sendFre),
            QString::number(record.recFre),
            record.filePath,
            QString::number(record.channelType),
            QString::number(record.radioID)};
}

} // namespace

class TestRecordExtraction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startTimeText_data();
    void startTimeText();
    void recordTimeText_data();
    void recordTimeText();
    void rowTexts_data();
    void rowTexts();
    void nameAndPathAsGiven();
    void fileWithoutMarkerSkipped();
    void holderEmptyAfterRead();
    void insertedRow();
    void insertedValuesIntact_data();
    void insertedValuesIntact();
    void insertedColumnTypes();
    void preparedInsertReused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecordExtraction::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRecordExtraction::startTimeText_data()
{
    QTest::addColumn<QList<int>>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("7 March 2024") << QList<int>{24, 3, 7, 9, 5, 3} << "2024-03-07 09:05:03";
    QTest::newRow("year 5") << QList<int>{5, 1, 1, 0, 0, 0} << "2005-01-01 00:00:00";
    QTest::newRow("all 255") << QList<int>{255, 255, 255, 255, 255, 255}
                             << "20255-255-255 255:255:255";
}

void TestRecordExtraction::startTimeText()
{
    QFETCH(QList<int>, date);
    QFETCH(QString, text);

    RecordingFields fields;
    fields.year = quint8(date[0]);
    fields.month = quint8(date[1]);
    fields.day = quint8(date[2]);
    fields.hour = quint8(date[3]);
    fields.minute = quint8(date[4]);
    fields.second = quint8(date[5]);
    QCOMPARE(StartTimeOf(fields), text);
}

void TestRecordExtraction::recordTimeText_data()
{
    QTest::addColumn<qint32>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("0 s") << 0 << "00:00:00";
    QTest::newRow("59 s") << 59 << "00:00:59";
    QTest::newRow("60 s") << 60 << "00:01:00";
    QTest::newRow("3599 s") << 3599 << "00:59:59";
    QTest::newRow("3600 s") << 3600 << "01:00:00";
    QTest::newRow("99 h") << 99 * 3600 + 59 * 60 + 59 << "99:59:59";
    QTest::newRow("360000 s") << 360000 << "100:00:00";
    QTest::newRow("largest") << std::numeric_limits<qint32>::max() << "596523:14:07";
}

void TestRecordExtraction::recordTimeText()
{
    QFETCH(qint32, seconds);
    QFETCH(QString, text);
    QCOMPARE(RecordTimeText(seconds), text);
}

void TestRecordExtraction::rowTexts_data()
{
    QTest::addColumn<RecordingLayout>("layout");
    QTest::addColumn<QString>("radioID");

    QTest::newRow("layout 80") << RecordingLayout::Layout80 << "0";
    QTest::newRow("layout 85") << RecordingLayout::Layout85 << "4000000001";
}

void TestRecordExtraction::rowTexts()
{
    QFETCH(RecordingLayout, layout);
    QFETCH(QString, radioID);

    RecordingFields fields;
    fields.layout = layout;
    fields.year = 24;
    fields.month = 3;
    fields.day = 7;
    fields.hour = 9;
    fields.minute = 5;
    fields.second = 3;
    fields.byteRate = 8000;
    fields.audioLength = 3725 * 8000;
    fields.callingID = 4294967295u;
    fields.receiveID = 2002;
    fields.recordType = 2;
    fields.callType = 65535;
    fields.sendFre = 400125000;
    fields.recFre = 410250000;
    fields.channelType = 1;
    fields.radioID = 4000000001u;
    const QString path = m_dir->filePath(QStringLiteral("call.wav"));
    QVERIFY(WriteRecording(path, fields));

    QWavFileHeader holder;
    const std::optional<ExtractedRecord> record = ReadRecording(holder, "call.wav", path);
    QVERIFY(record);
    const QStringList expected{"call.wav",  "2024-03-07 09:05:03", "01:02:05", "4294967295",
                               "2002",      "2",                   "65535",    "400125000",
                               "410250000", path,                  "1",        radioID};
    QCOMPARE(RowTexts(*record), expected);
}

// The name goes to FileName only; the path is what is opened.
void TestRecordExtraction::nameAndPathAsGiven()
{
    const QString path = m_dir->filePath(QStringLiteral("sub/real.wav"));
    QVERIFY(WriteRecording(path));
    const QString pathAsGiven = m_dir->path() + QStringLiteral("//sub/./real.wav");

    QWavFileHeader holder;
    const std::optional<ExtractedRecord> record =
        ReadRecording(holder, QStringLiteral("shown name.wav"), pathAsGiven);
    QVERIFY(record);
    QCOMPARE(record->fileName, QStringLiteral("shown name.wav"));
    QCOMPARE(record->filePath, pathAsGiven);
}

void TestRecordExtraction::fileWithoutMarkerSkipped()
{
    RecordingFields noMarker;
    noMarker.marker = "radio_recordex";
    const QString path = m_dir->filePath(QStringLiteral("skipped.wav"));
    QVERIFY(WriteFileBytes(path, RecordingBytes(noMarker)));
    QWavFileHeader holder;
    QVERIFY(!ReadRecording(holder, "skipped.wav", path));
}

void TestRecordExtraction::holderEmptyAfterRead()
{
    const QString path = m_dir->filePath(QStringLiteral("valid.wav"));
    QVERIFY(WriteRecording(path));
    QWavFileHeader holder;
    QVERIFY(ReadRecording(holder, "valid.wav", path));
    QVERIFY(!holder.IsValid());

    QVERIFY(!ReadRecording(holder, "missing.wav", m_dir->filePath("missing.wav")));
    QVERIFY(!ReadRecording(holder, "folder", m_dir->path()));
    QVERIFY(!holder.IsValid());
}

void TestRecordExtraction::insertedRow()
{
    TestDatabase database;
    QVERIFY(database.IsReady());
    const QString path = m_dir->filePath(QStringLiteral("call.wav"));
    RecordingFields fields;
    fields.audioLength = 59 * 16000;
    QVERIFY(WriteRecording(path, fields));

    QWavFileHeader holder;
    const std::optional<ExtractedRecord> record = ReadRecording(holder, "call.wav", path);
    QVERIFY(record);
    RecordInserter inserter(QSqlDatabase::database());
    QVERIFY(inserter.Insert(*record));

    const QList<QVariantList> rows = database.Rows();
    QCOMPARE(rows.size(), 1);
    QStringList stored;
    for (const QVariant &value : rows.first())
        stored.append(value.toString());
    QCOMPARE(stored, QStringList{"0"} + RowTexts(*record));
    QCOMPARE(stored.mid(2, 2), (QStringList{"2024-03-07 09:05:03", "00:00:59"}));
}

void TestRecordExtraction::insertedValuesIntact_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("newline") << "first\nsecond.wav";
    QTest::newRow("statement") << "x\",'',0,0,0,0,0,0,\"y\",0,0); drop table SaveViewDisp; --.wav";
}

void TestRecordExtraction::insertedValuesIntact()
{
    QFETCH(QString, text);

    TestDatabase database;
    QVERIFY(database.IsReady());
    ExtractedRecord record;
    record.fileName = text;
    record.filePath = QStringLiteral("/rec/") + text + QStringLiteral("/") + text;
    RecordInserter inserter(QSqlDatabase::database());
    QVERIFY(inserter.Insert(record));

    const QList<QVariantList> rows = database.Rows(QStringLiteral("FileName, FilePath"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().value(0).toString(), record.fileName);
    QCOMPARE(rows.first().value(1).toString(), record.filePath);
}

// Bound values land in the columns as the pasted statement put them there:
// texts in the text columns, integers in the number columns.
void TestRecordExtraction::insertedColumnTypes()
{
    TestDatabase database;
    QVERIFY(database.IsReady());
    ExtractedRecord record;
    record.fileName = QStringLiteral("123");
    record.startTime = QStringLiteral("2024-03-07 09:05:03");
    record.recordTime = QStringLiteral("00:00:59");
    record.callingID = 4294967295u;
    record.filePath = QStringLiteral("456");
    RecordInserter inserter(QSqlDatabase::database());
    QVERIFY(inserter.Insert(record));

    QSqlQuery query;
    QVERIFY(query.exec(QStringLiteral(
        "select typeof(FileCheck), typeof(FileName), typeof(CreatFileTime), typeof(RecordTime), "
        "typeof(CallingID), typeof(RadioID), typeof(FilePath), CallingID from SaveViewDisp")));
    QVERIFY(query.next());
    QStringList types;
    for (int i = 0; i < 7; ++i)
        types.append(query.value(i).toString());
    QCOMPARE(types, (QStringList{"integer", "text", "text", "text", "integer", "integer", "text"}));
    QCOMPARE(query.value(7).toLongLong(), 4294967295LL);
}

void TestRecordExtraction::preparedInsertReused()
{
    TestDatabase database;
    QVERIFY(database.IsReady());
    RecordInserter inserter(QSqlDatabase::database());
    for (const char *name : {"one.wav", "two.wav", "three.wav"}) {
        ExtractedRecord record;
        record.fileName = QString::fromLatin1(name);
        QVERIFY(inserter.Insert(record));
    }
    QCOMPARE(database.Column(QStringLiteral("FileName")),
             (QStringList{"one.wav", "two.wav", "three.wav"}));
}

QTEST_GUILESS_MAIN(TestRecordExtraction)
#include "tst_recordextraction.moc"
