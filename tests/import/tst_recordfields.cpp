// A recording's fields from its header's bytes (both layouts, cut or marked amiss) to the table's texts: start time,
// duration, the codes' texts, "-" where a record has no such value, names with their hidden marks made visible.

#include "import/qwavfileheader.h"
#include "import/qwavfileheaderlayout.h"
#include "import/recordextraction.h"
#include "records/recordrow.h"
#include "records/visiblename.h"
#include "tests/support/recordingfixture.h"

#include <QtTest>

class TestRecordFields : public QObject
{
    Q_OBJECT

private slots:
    // The record as start time|duration|calling, receive ID|record, call type|transmit, receive frequency|channel type|radio
    // ID; "" for none.
    void extraction_data()
    {
        QTest::addColumn<QByteArray>("bytes"); QTest::addColumn<QString>("texts");
        for (const bool is85 : {false, true}) {
            RecordingFields fields, largest;
            fields.layout = largest.layout = is85 ? RecordingLayout::Layout85 : RecordingLayout::Layout80;
            fields.audioLength = 3725 * 16000;
            largest.year = largest.month = largest.day = largest.hour = largest.minute = largest.second = 255;
            largest.recordType = largest.callType = largest.channelType = 0xFFFF;
            largest.callingID = largest.receiveID = largest.sendFre = largest.recFre = largest.radioID = 0xFFFFFFFF;
            const char *layout = is85 ? "85" : "80";
            const int markerEnd = is85 ? 66 : 54, size = HeaderSize(fields.layout);
            QTest::addRow("%s fields", layout) << RecordingBytes(fields) << QString("2024-03-07 09:05:03|01:02:05|1001|2002|1|2|400100|410200|1|") + (is85 ? "77" : "0");
            QTest::addRow("%s largest", layout) << RecordingBytes(largest) << "20255-255-255 255:255:255|00:00:00|4294967295|4294967295|65535|65535|4294967295|4294967295|65535|" + QString(is85 ? "4294967295" : "0");
            for (int cut = markerEnd; cut < size; ++cut) // a file that ends before its header is no recording
                QTest::addRow("%s cut at %d", layout, cut) << RecordingBytes(fields).left(cut) << "";
            QTest::addRow("%s header only", layout) << RecordingBytes(fields).left(size) << QString("2024-03-07 09:05:03|01:02:05|1001|2002|1|2|400100|410200|1|") + (is85 ? "77" : "0");
            QTest::addRow("%s cut in the marker", layout) << RecordingBytes(fields).left(markerEnd - 1) << "";
            fields.marker = "radio_recordeX";
            QTest::addRow("%s marker's last byte off", layout) << RecordingBytes(fields) << "";
            fields.marker = QByteArray(1, '\0') + "radio_recorder";
            QTest::addRow("%s marker one byte late", layout) << RecordingBytes(fields) << "";
        }
        QTest::newRow("no bytes") << QByteArray() << "";
        QTest::newRow("85 without its tag") << RecordingBytes(RecordingFields()).replace(40, 3, "KVC") << "";
    }
    void extraction()
    {
        QFETCH(QByteArray, bytes); QFETCH(QString, texts);
        QWavFileHeader holder;
        const std::optional<ExtractedRecord> r = ExtractRecord(holder, bytes, "a.wav", "/r/a.wav");
        QCOMPARE(!r ? QString() : QStringList({r->startTime, r->recordTime}).join('|') + QStringLiteral("|%1|%2|%3|%4|%5|%6|%7|%8")
                 .arg(r->callingID).arg(r->receiveID).arg(r->recordType).arg(r->callType).arg(r->sendFre).arg(r->recFre).arg(r->channelType).arg(r->radioID), texts);
        QVERIFY(!r || (r->fileName == "a.wav" && r->filePath == "/r/a.wav"));
        QVERIFY(!holder.IsValid());
    }

    // Audio bytes at a byte rate, as whole seconds shown.
    void duration()
    {
        QStringList texts;
        for (const auto &[bytes, rate] : {std::pair(0u, 16000u), {15999u, 16000u}, {16000u, 16000u}, {16000u, 0u}, {59u, 1u}, {60u, 1u}, {3599u, 1u},
                                          {3600u, 1u}, {359999u, 1u}, {360000u, 1u}, {0x7FFFFFFEu, 1u}, {0x7FFFFFFFu, 1u}, {0xFFFFFFFFu, 1u}})
            texts << RecordTimeText(RecordSecondsOf(bytes, rate));
        QCOMPARE(texts.join(' '), "00:00:00 00:00:00 00:00:01 00:00:00 00:00:59 00:01:00 00:59:59 01:00:00 99:59:59 100:00:00 "
                                  "596523:14:06 596523:14:07 596523:14:07");
    }

    // A call record of channel type 2 and radio ID 77 but for the codes changed: record, call and channel type, radio ID;
    // the texts shown.
    void codeTexts_data()
    {
        QTest::addColumn<QStringList>("codes"); QTest::addColumn<QString>("texts"); // record type|call type|IDs|frequencies|radio ID
        for (const char *call : {"0 Private Call", "1 Group Call", "2 All Call", "3 Other Type", "15 Other Type", "16 ZRN Private Call",
                                 "17 ZRN Group Call", "18 ZRN All Call", "19 Other Type", "32 Other Type", "33 ZRN Emergency Call",
                                 "34 Other Type", "x Other Type"})
            QTest::addRow("call type %s", call) << QStringList{"2", QString(call).section(' ', 0, 0), "2", "77"} << "Call Record|" + QString(call).section(' ', 1) + "|5|6|400|410|77";
        const QString shown = "|5|6|400|410|";
        for (const auto &[tag, codes, texts] : std::initializer_list<std::tuple<const char *, QString, QString>>{
                 {"record type 0", "0 1 2 77", "Other Record|Group Call" + shown + "77"}, {"live record", "1 1 2 77", "Live Record|-|-|-|-|-|77"},
                 {"record type 3", "3 1 2 77", "Other Record|Group Call" + shown + "77"}, {"record type not a number", "x 1 2 77", "Other Record|Group Call" + shown + "77"},
                 {"channel type 0", "2 1 0 77", "Call Record|Group Call" + shown + "77"}, {"channel type 1: no parties", "2 1 1 77", "Call Record|-|-|-|400|410|77"},
                 {"channel type 3: no frequencies", "2 1 3 77", "Call Record|Group Call|5|6|-|-|77"}, {"channel type 4", "2 1 4 77", "Call Record|Group Call" + shown + "77"},
                 {"radio ID 0", "2 1 2 0", "Call Record|Group Call" + shown + "-"}, {"radio ID 1", "2 1 2 1", "Call Record|Group Call" + shown + "1"}})
            QTest::newRow(tag) << codes.split(' ') << texts;
    }
    void codeTexts()
    {
        QFETCH(QStringList, codes); QFETCH(QString, texts);
        const RecordRow row = MakeRecordRow({1, "a.wav", "2024-03-07 09:05:03", "01:02:05", 5, 6, codes[0], codes[1], 400, 410, "/r/a.wav", codes[2], codes[3]}, 7);
        QCOMPARE(QStringList({row.recordType, row.callType, row.callingId, row.receiveId, row.transmitFrequency, row.receiveFrequency, row.radioId}).join('|'), texts);
        QCOMPARE(QStringList({row.number, row.fileName, row.time, row.duration, row.filePath}), QStringList({"7", "a.wav", "2024-03-07 09:05:03", "01:02:05", "/r/a.wav"}));
        QVERIFY(row.checked);
    }

    // Control characters and direction marks, and the characters beside them.
    void visibleName()
    {
        QString shown;
        for (uint code : {0x0u, 0x1Fu, 0x20u, 0x7Eu, 0x7Fu, 0x80u, 0x200Du, 0x200Eu, 0x200Fu, 0x2010u, 0x2029u, 0x202Au,
                          0x202Eu, 0x202Fu, 0x2065u, 0x2066u, 0x2069u, 0x206Au, 0xFFFDu})
            shown += VisibleName(QString(QChar(code))) == QString(QChar(code)) ? '.' : VisibleName(QString(QChar(code))) == QString(QChar(0xFFFD)) ? '?' : '!';
        QCOMPARE(shown, "??..?..??..??..??..");
        QCOMPARE(VisibleName("a" + QString(QChar(0x202E)) + "b\tc.wav"), QString::fromUtf8("a\uFFFDb\uFFFDc.wav"));
        QCOMPARE(VisibleName(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestRecordFields)
#include "tst_recordfields.moc"
