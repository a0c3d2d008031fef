// What the table shows of a record: the texts of the codes, "-" where a
// record has no such value, and names with their hidden marks made visible.

#include "records/recordrow.h"
#include "records/visiblename.h"

#include <QtTest>

class TestRecordRow : public QObject
{
    Q_OBJECT

private slots:
    // Channel type 2 shows everything; radio ID 0 is none.
    void codeTexts_data()
    {
        QTest::addColumn<QVariant>("recordType");
        QTest::addColumn<QVariant>("callType");
        QTest::addColumn<int>("channelType");
        QTest::addColumn<QVariant>("radioId");
        QTest::addColumn<QString>("texts"); // record type, call type, IDs, frequencies, radio ID
        const auto row = [](const char *tag, QVariant record, QVariant call, int channel, QVariant radio, const QString &texts) {
            QTest::newRow(tag) << record << call << channel << radio << texts;
        };
        row("private call", 2, 0, 2, 77, "Call Record|Private Call|5|6|400|410|77");
        row("group call", 2, 1, 2, 77, "Call Record|Group Call|5|6|400|410|77");
        row("all call", 2, 2, 2, 77, "Call Record|All Call|5|6|400|410|77");
        row("after all call", 2, 3, 2, 77, "Call Record|Other Type|5|6|400|410|77");
        row("before ZRN private", 2, 15, 2, 77, "Call Record|Other Type|5|6|400|410|77");
        row("ZRN private", 2, 16, 2, 77, "Call Record|ZRN Private Call|5|6|400|410|77");
        row("ZRN group", 2, 17, 2, 77, "Call Record|ZRN Group Call|5|6|400|410|77");
        row("ZRN all", 2, 18, 2, 77, "Call Record|ZRN All Call|5|6|400|410|77");
        row("after ZRN all", 2, 19, 2, 77, "Call Record|Other Type|5|6|400|410|77");
        row("before emergency", 2, 32, 2, 77, "Call Record|Other Type|5|6|400|410|77");
        row("emergency", 2, 33, 2, 77, "Call Record|ZRN Emergency Call|5|6|400|410|77");
        row("after emergency", 2, 34, 2, 77, "Call Record|Other Type|5|6|400|410|77");
        row("call type not a number", 2, QVariant(), 2, 77, "Call Record|Other Type|5|6|400|410|77");
        row("record type 0", 0, 1, 2, 77, "Other Record|Group Call|5|6|400|410|77");
        row("live record", 1, 1, 2, 77, "Live Record|-|-|-|-|-|77");
        row("record type 3", 3, 1, 2, 77, "Other Record|Group Call|5|6|400|410|77");
        row("record type not a number", "x", 1, 2, 77, "Other Record|Group Call|5|6|400|410|77");
        row("channel type 0", 2, 1, 0, 77, "Call Record|Group Call|5|6|400|410|77");
        row("channel type 1: no parties", 2, 1, 1, 77, "Call Record|-|-|-|400|410|77");
        row("channel type 3: no frequencies", 2, 1, 3, 77, "Call Record|Group Call|5|6|-|-|77");
        row("channel type 4", 2, 1, 4, 77, "Call Record|Group Call|5|6|400|410|77");
        row("radio ID 0", 2, 1, 2, 0, "Call Record|Group Call|5|6|400|410|-");
        row("radio ID 1", 2, 1, 2, 1, "Call Record|Group Call|5|6|400|410|1");
    }
    void codeTexts()
    {
        QFETCH(QVariant, recordType);
        QFETCH(QVariant, callType);
        QFETCH(int, channelType);
        QFETCH(QVariant, radioId);
        QFETCH(QString, texts);
        const RecordRow row = MakeRecordRow({1, "a.wav", "2024-03-07 09:05:03", "01:02:05", 5, 6, recordType, callType, 400, 410, "/r/a.wav", channelType, radioId}, 7);
        QCOMPARE(QStringList({row.recordType, row.callType, row.callingId, row.receiveId, row.transmitFrequency, row.receiveFrequency, row.radioId}).join('|'), texts);
        QCOMPARE(QStringList({row.number, row.fileName, row.time, row.duration, row.filePath}), QStringList({"7", "a.wav", "2024-03-07 09:05:03", "01:02:05", "/r/a.wav"}));
        QVERIFY(row.checked);
    }

    void filterItems()
    {
        QStringList items;
        for (const QList<FilterItem> &list : {RecordTypeFilterItems(), CallTypeFilterItems()})
            for (int i = -1; i <= list.size(); ++i)
                items << QString::number(FilterCodeAt(list, i)) + (i >= 0 && i < list.size() ? ' ' + list.at(i).text : "");
        QCOMPARE(items.join(','), "-1,-1 All Type,2 Call Record,1 Live Record,-1,-1,-1 All Type,0 Private Call,1 Group Call,2 All Call,16 ZRN Private Call,17 ZRN Group Call,18 ZRN All Call,33 ZRN Emergency Call,-1");
    }

    void visibleName_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<bool>("hidden");
        for (uint code : {0x0u, 0x1Fu, 0x7Fu, 0x200Eu, 0x200Fu, 0x202Au, 0x202Eu, 0x2066u, 0x2069u})
            QTest::addRow("U+%04X hidden", code) << code << true;
        for (uint code : {0x20u, 0x7Eu, 0x80u, 0x200Du, 0x2010u, 0x2029u, 0x202Fu, 0x2065u, 0x206Au, 0xFFFDu})
            QTest::addRow("U+%04X shown", code) << code << false;
    }
    void visibleName()
    {
        QFETCH(uint, code);
        QFETCH(bool, hidden);
        const QString name = "a" + QString(QChar(code)) + "b.wav";
        QCOMPARE(VisibleName(name), hidden ? QString::fromUtf8("a\uFFFDb.wav") : name);
        QCOMPARE(VisibleName(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestRecordRow)
#include "tst_recordrow.moc"
