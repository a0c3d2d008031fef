// The recording header of both layouts, read into a record: its fields, its
// validity at the marker's and the file's boundaries, and the texts of the
// start time and the duration.

#include "import/qwavfileheader.h"
#include "import/qwavfileheaderlayout.h"
#include "import/recordextraction.h"
#include "tests/support/recordingfixture.h"

#include <QtTest>

#include <functional>

namespace {

// start time|duration|calling ID|receive ID|record type|call type|transmit
// and receive frequency|channel type|radio ID; empty for no record.
QString Texts(const std::optional<ExtractedRecord> &r)
{
    if (!r)
        return QString();
    return QStringList{r->startTime, r->recordTime}.join('|') + QStringLiteral("|%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(r->callingID).arg(r->receiveID).arg(r->recordType).arg(r->callType)
        .arg(r->sendFre).arg(r->recFre).arg(r->channelType).arg(r->radioID);
}

} // namespace

class TestWavHeader : public QObject
{
    Q_OBJECT

private slots:
    void extraction_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("texts");
        for (const auto layout : {RecordingLayout::Layout80, RecordingLayout::Layout85}) {
            const bool is85 = layout == RecordingLayout::Layout85;
            const QString radio = is85 ? "77" : "0", largestRadio = is85 ? "4294967295" : "0";
            const int markerEnd = is85 ? 66 : 54;
            const auto row = [layout, is85](const char *tag, const std::function<void(RecordingFields &)> &change, const QString &texts, int cut = 1 << 20) {
                RecordingFields fields;
                fields.layout = layout;
                change(fields);
                QTest::addRow("%s %s", is85 ? "85" : "80", tag) << RecordingBytes(fields).left(cut) << texts;
            };
            row("defaults", [](RecordingFields &f) { f.audioLength = 3725 * 16000; },
                "2024-03-07 09:05:03|01:02:05|1001|2002|1|2|400100|410200|1|" + radio);
            row("largest", [](RecordingFields &f) {
                f.year = f.month = f.day = f.hour = f.minute = f.second = 255;
                f.recordType = f.callType = f.channelType = 0xFFFF;
                f.callingID = f.receiveID = f.sendFre = f.recFre = f.radioID = 0xFFFFFFFF;
            }, "20255-255-255 255:255:255|00:00:00|4294967295|4294967295|65535|65535|4294967295|4294967295|65535|" + largestRadio);
            row("zeros", [](RecordingFields &f) {
                f.year = f.month = f.day = f.hour = f.minute = f.second = 0;
                f.recordType = f.callType = f.channelType = 0;
                f.callingID = f.receiveID = f.sendFre = f.recFre = f.radioID = 0;
            }, "2000-00-00 00:00:00|00:00:00|0|0|0|0|0|0|0|0");
            row("marker one byte late", [](RecordingFields &f) { f.marker.prepend('\0'); }, "");
            row("marker's last byte off", [](RecordingFields &f) { f.marker = "radio_recordeX"; }, "");
            row("cut after the marker", [](RecordingFields &) {}, "2000-00-00 00:00:00|00:00:00|0|0|1|0|0|0|0|0", markerEnd);
            row("cut in the marker", [](RecordingFields &) {}, "", markerEnd - 1);
        }
        QTest::newRow("no bytes") << QByteArray() << "";
        QByteArray untagged = RecordingBytes(RecordingFields());
        QTest::newRow("85 without its tag") << untagged.replace(40, 3, "KVC") << "";
    }
    void extraction()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, texts);
        QWavFileHeader holder;
        const std::optional<ExtractedRecord> record = ExtractRecord(holder, bytes, "a.wav", "/r/a.wav");
        QCOMPARE(Texts(record), texts);
        QVERIFY(!record || (record->fileName == "a.wav" && record->filePath == "/r/a.wav"));
        QVERIFY(!holder.IsValid());
    }

    // Empty or released, the holder answers 0; a null buffer leaves it as it is.
    void holder()
    {
        QWavFileHeader holder;
        holder.Create(nullptr);
        QVERIFY(!holder.IsValid() && holder.GetRadioID() == 0 && holder.GetCallingID() == 0);
        holder.Create(RecordingBytes(RecordingFields()).constData());
        holder.Create(nullptr);
        QVERIFY(holder.IsValid() && holder.GetRadioID() == 77 && holder.GetYear() == 24);
        holder.Release();
        QVERIFY(!holder.IsValid() && holder.GetRadioID() == 0 && holder.GetYear() == 0);
    }

    void duration_data()
    {
        QTest::addColumn<uint>("audioBytes");
        QTest::addColumn<uint>("byteRate");
        QTest::addColumn<QString>("text");
        const auto row = [](uint bytes, uint rate, const char *text) { QTest::addRow("%u/%u", bytes, rate) << bytes << rate << text; };
        row(0, 16000, "00:00:00");
        row(15999, 16000, "00:00:00");
        row(16000, 16000, "00:00:01");
        row(59, 1, "00:00:59");
        row(60, 1, "00:01:00");
        row(3599, 1, "00:59:59");
        row(3600, 1, "01:00:00");
        row(359999, 1, "99:59:59");
        row(360000, 1, "100:00:00");
        row(16000, 0, "00:00:00");
        row(0x7FFFFFFE, 1, "596523:14:06");
        row(0x7FFFFFFF, 1, "596523:14:07");
        row(0xFFFFFFFF, 1, "596523:14:07");
    }
    void duration()
    {
        QFETCH(uint, audioBytes);
        QFETCH(uint, byteRate);
        QFETCH(QString, text);
        QCOMPARE(RecordTimeText(RecordSecondsOf(audioBytes, byteRate)), text);
    }
};

QTEST_GUILESS_MAIN(TestWavHeader)
#include "tst_wavheader.moc"
