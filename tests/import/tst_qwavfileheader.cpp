#include "import/qwavfileheader.h"
#include "tests/support/recordingfixture.h"

#include <QtEndian>
#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(RecordingLayout)

namespace {

constexpr qint32 kLargestSeconds = std::numeric_limits<qint32>::max();

void PutU32(QByteArray &buffer, int offset, quint32 value)
{
    qToLittleEndian(value, reinterpret_cast<uchar *>(buffer.data()) + offset);
}

RecordingFields FieldsOf(RecordingLayout layout)
{
    RecordingFields fields;
    fields.layout = layout;
    return fields;
}

} // namespace

class TestQWavFileHeader : public QObject
{
    Q_OBJECT

private slots:
    void layoutChoice_data();
    void layoutChoice();
    void validity_data();
    void validity();
    void fields_data();
    void fields();
    void layout80HasNoRadioID();
    void datesAsStored_data();
    void datesAsStored();
    void recordSeconds_data();
    void recordSeconds();
    void shortFiles_data();
    void shortFiles();
    void emptyHolder();
    void nullBufferKeepsHeader();
    void releaseEmpties();
};

void TestQWavFileHeader::layoutChoice_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<bool>("layout85");

    QTest::newRow("KVB") << QByteArray("KVB\0", 4) << true;
    QTest::newRow("KVB, byte 43 set") << QByteArray("KVB\xff", 4) << true;
    QTest::newRow("marker of layout 80") << QByteArray("radi") << false;
    QTest::newRow("KV only") << QByteArray("KV\0\0", 4) << false;
    QTest::newRow("kvb lower case") << QByteArray("kvb\0", 4) << false;
    QTest::newRow("shifted") << QByteArray("\0KVB", 4) << false;
}

// The calling ID stands at 72 in layout 80 and at 84 in layout 85: which of
// the two values comes back tells the layout that was chosen.
void TestQWavFileHeader::layoutChoice()
{
    QFETCH(QByteArray, tag);
    QFETCH(bool, layout85);

    QByteArray buffer(216, '\0');
    buffer.replace(40, 4, tag);
    PutU32(buffer, 72, 8080);
    PutU32(buffer, 84, 8585);

    QWavFileHeader header;
    header.Create(buffer.constData());
    QCOMPARE(header.GetCallingID(), layout85 ? 8585u : 8080u);
}

void TestQWavFileHeader::validity_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("valid");

    const RecordingFields fields80 = FieldsOf(RecordingLayout::Layout80);
    const RecordingFields fields85 = FieldsOf(RecordingLayout::Layout85);
    QTest::newRow("layout 80") << RecordingBytes(fields80) << true;
    QTest::newRow("layout 85") << RecordingBytes(fields85) << true;

    RecordingFields damaged = fields80;
    damaged.marker = "radio_recordeR";
    QTest::newRow("layout 80, last marker byte changed") << RecordingBytes(damaged) << false;
    damaged = fields85;
    damaged.marker = "Radio_recorder";
    QTest::newRow("layout 85, first marker byte changed") << RecordingBytes(damaged) << false;

    QByteArray kvbWithMarkerAt40 = RecordingBytes(fields80);
    kvbWithMarkerAt40.replace(40, 3, "KVB");
    kvbWithMarkerAt40.replace(52, 14, "radio_recorder");
    QTest::newRow("KVB and marker at 52") << kvbWithMarkerAt40 << true;
    QByteArray kvbWithoutMarker = RecordingBytes(fields80);
    kvbWithoutMarker.replace(40, 3, "KVB");
    QTest::newRow("KVB over the layout-80 marker") << kvbWithoutMarker << false;

    QByteArray notRiff = RecordingBytes(fields80);
    notRiff.replace(0, 12, "XXXXXXXXXXXX");
    QTest::newRow("no RIFF or WAVE identifier") << notRiff << true;
    RecordingFields oddValues = fields85;
    oddValues.byteRate = 0;
    oddValues.month = 13;
    oddValues.hour = 99;
    QTest::newRow("byte rate 0 and impossible date") << RecordingBytes(oddValues) << true;

    QByteArray plainWav = RecordingBytes(fields80);
    plainWav.replace(36, 56, QByteArray(56, '\0'));
    QTest::newRow("plain wav without metadata") << plainWav << false;
}

void TestQWavFileHeader::validity()
{
    QFETCH(QByteArray, buffer);
    QFETCH(bool, valid);

    QWavFileHeader header;
    header.Create(PeekBuffer(buffer).constData());
    QCOMPARE(header.IsValid(), valid);
}

void TestQWavFileHeader::fields_data()
{
    QTest::addColumn<RecordingLayout>("layout");
    QTest::addColumn<quint32>("radioID");

    QTest::newRow("layout 80") << RecordingLayout::Layout80 << 0u;
    QTest::newRow("layout 85") << RecordingLayout::Layout85 << 0xA1B2C3D4u;
}

void TestQWavFileHeader::fields()
{
    QFETCH(RecordingLayout, layout);
    QFETCH(quint32, radioID);

    RecordingFields fields = FieldsOf(layout);
    fields.year = 23;
    fields.month = 11;
    fields.day = 30;
    fields.hour = 22;
    fields.minute = 58;
    fields.second = 41;
    fields.recordType = 0xBEEF;
    fields.callType = 3;
    fields.channelType = 0x0102;
    fields.recFre = 0xFFFFFFFF;
    fields.sendFre = 400012500;
    fields.receiveID = 16777215;
    fields.callingID = 0x80000001;
    fields.radioID = 0xA1B2C3D4;
    fields.byteRate = 8000;
    fields.audioLength = 8000 * 61;

    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(fields)).constData());
    QVERIFY(header.IsValid());
    QCOMPARE(header.GetYear(), quint8(23));
    QCOMPARE(header.GetMonth(), quint8(11));
    QCOMPARE(header.GetDay(), quint8(30));
    QCOMPARE(header.GetHour(), quint8(22));
    QCOMPARE(header.GetMinute(), quint8(58));
    QCOMPARE(header.GetSecond(), quint8(41));
    QCOMPARE(header.GetRecordSeconds(), 61);
    QCOMPARE(header.GetCallingID(), 0x80000001u);
    QCOMPARE(header.GetReceiveID(), 16777215u);
    QCOMPARE(header.GetRecordType(), quint16(0xBEEF));
    QCOMPARE(header.GetCallType(), quint16(3));
    QCOMPARE(header.GetSendFre(), 400012500u);
    QCOMPARE(header.GetRecFre(), 0xFFFFFFFFu);
    QCOMPARE(header.GetChannelType(), quint16(0x0102));
    QCOMPARE(header.GetRadioID(), radioID);
}

void TestQWavFileHeader::layout80HasNoRadioID()
{
    QByteArray buffer = PeekBuffer(RecordingBytes(FieldsOf(RecordingLayout::Layout80)));
    PutU32(buffer, 96, 0x12345678);

    QWavFileHeader header;
    header.Create(buffer.constData());
    QVERIFY(header.IsValid());
    QCOMPARE(header.GetRadioID(), 0u);
}

// Where each field stands in either layout is checked by fields(); these
// rows check that values are handed on as stored, without range checks.
void TestQWavFileHeader::datesAsStored_data()
{
    QTest::addColumn<QList<int>>("date");

    QTest::newRow("all 0") << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("all 255") << QList<int>{255, 255, 255, 255, 255, 255};
}

void TestQWavFileHeader::datesAsStored()
{
    QFETCH(QList<int>, date);

    RecordingFields fields = FieldsOf(RecordingLayout::Layout85);
    fields.year = quint8(date[0]);
    fields.month = quint8(date[1]);
    fields.day = quint8(date[2]);
    fields.hour = quint8(date[3]);
    fields.minute = quint8(date[4]);
    fields.second = quint8(date[5]);

    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(fields)).constData());
    const QList<int> read{header.GetYear(), header.GetMonth(),  header.GetDay(),
                          header.GetHour(), header.GetMinute(), header.GetSecond()};
    QCOMPARE(read, date);
}

void TestQWavFileHeader::recordSeconds_data()
{
    QTest::addColumn<quint32>("audioLength");
    QTest::addColumn<quint32>("byteRate");
    QTest::addColumn<qint32>("seconds");

    QTest::newRow("16000 bytes at 8000/s") << 16000u << 8000u << 2;
    QTest::newRow("15999 bytes at 8000/s") << 15999u << 8000u << 1;
    QTest::newRow("0 bytes") << 0u << 8000u << 0;
    QTest::newRow("byte rate 0") << 16000u << 0u << 0;
    QTest::newRow("just fits") << 0x7FFFFFFFu << 1u << kLargestSeconds;
    QTest::newRow("2^31 bytes, 1 byte/s") << 0x80000000u << 1u << kLargestSeconds;
    QTest::newRow("largest length, 1 byte/s") << 0xFFFFFFFFu << 1u << kLargestSeconds;
    QTest::newRow("largest length, 3 bytes/s") << 0xFFFFFFFFu << 3u << qint32(1431655765);
    QTest::newRow("largest byte rate") << 0xFFFFFFFEu << 0xFFFFFFFFu << 0;
}

void TestQWavFileHeader::recordSeconds()
{
    QFETCH(quint32, audioLength);
    QFETCH(quint32, byteRate);
    QFETCH(qint32, seconds);

    RecordingFields fields = FieldsOf(RecordingLayout::Layout85);
    fields.audioLength = audioLength;
    fields.byteRate = byteRate;

    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(fields)).constData());
    QCOMPARE(header.GetRecordSeconds(), seconds);
}

void TestQWavFileHeader::shortFiles_data()
{
    QTest::addColumn<RecordingLayout>("layout");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("callingID");
    QTest::addColumn<qint32>("seconds");

    QTest::newRow("80: ends after the calling ID")
        << RecordingLayout::Layout80 << 76 << true << 1001u << 0;
    QTest::newRow("80: whole header") << RecordingLayout::Layout80 << 92 << true << 1001u << 2;
    QTest::newRow("85: ends before the length") << RecordingLayout::Layout85 << 212 << true
                                                << 1001u << 0;
    QTest::newRow("85: whole header") << RecordingLayout::Layout85 << 216 << true << 1001u << 2;
}

// A file shorter than 216 bytes reads as zeros past its end.
void TestQWavFileHeader::shortFiles()
{
    QFETCH(RecordingLayout, layout);
    QFETCH(int, size);
    QFETCH(bool, valid);
    QFETCH(quint32, callingID);
    QFETCH(qint32, seconds);

    RecordingFields fields = FieldsOf(layout);
    fields.pcm = QByteArray(32000, '\x55');
    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(fields).left(size)).constData());
    QCOMPARE(header.IsValid(), valid);
    QCOMPARE(header.GetCallingID(), callingID);
    QCOMPARE(header.GetRecordSeconds(), seconds);
}

void TestQWavFileHeader::emptyHolder()
{
    const QWavFileHeader header;
    QVERIFY(!header.IsValid());
    const QVector<quint32> values{header.GetYear(),       header.GetMonth(),
                                header.GetDay(),        header.GetHour(),
                                header.GetMinute(),     header.GetSecond(),
                                quint32(header.GetRecordSeconds()),
                                header.GetCallingID(),  header.GetReceiveID(),
                                header.GetRecordType(), header.GetCallType(),
                                header.GetSendFre(),    header.GetRecFre(),
                                header.GetChannelType(), header.GetRadioID()};
    QCOMPARE(values, QVector<quint32>(values.size(), 0u));
}

void TestQWavFileHeader::nullBufferKeepsHeader()
{
    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(RecordingFields())).constData());
    header.Create(nullptr);
    QVERIFY(header.IsValid());
    QCOMPARE(header.GetRadioID(), 77u);
}

void TestQWavFileHeader::releaseEmpties()
{
    QWavFileHeader header;
    header.Create(PeekBuffer(RecordingBytes(RecordingFields())).constData());
    header.Release();
    QVERIFY(!header.IsValid());
    QCOMPARE(header.GetCallingID(), 0u);
    header.Release();
    QVERIFY(!header.IsValid());
}

QTEST_APPLESS_MAIN(TestQWavFileHeader)
#include "tst_qwavfileheader.moc"
