#include "records/recordrow.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text with the context it was translated in.
class ContextMarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        return QStringLiteral("%1:%2").arg(QLatin1String(context), QLatin1String(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// FileCheck, FileName, CreatFileTime, RecordTime, CallingID, ReceiveID,
// RecordType, CallType, SendFre, RecFre, FilePath, ChannelType, RadioID
RecordColumns Columns(const QVariantList &values)
{
    RecordColumns columns;
    for (int i = 0; i < int(columns.size()); ++i)
        columns[i] = values.value(i);
    return columns;
}

QVariantList CallRecord()
{
    return {1, "a.wav", "2024-03-07 14:05:09", "00:01:07", 1001, 2002, 2, 1,
            400100, 410200, "/rec/a.wav", 0, 10};
}

QVariantList With(QVariantList values, int column, const QVariant &value)
{
    values[column] = value;
    return values;
}

enum { RecordTypeColumn = 6, CallTypeColumn = 7, ChannelTypeColumn = 11, RadioIdColumn = 12 };

QStringList TextsOf(const RecordRow &row)
{
    QStringList texts;
    for (int field = FieldNumber; field <= FieldFilePath; ++field)
        texts.append(row.Text(field));
    return texts;
}

} // namespace

class TestRecordRow : public QObject
{
    Q_OBJECT

private slots:
    void defaultRow();
    void makeRecordRow_data();
    void makeRecordRow();
    void checkFlag_data();
    void checkFlag();
    void codeTextsTranslatedAsMainWindow();
    void filterItems_data();
    void filterItems();
    void filterCodeAt_data();
    void filterCodeAt();
};

void TestRecordRow::defaultRow()
{
    const RecordRow row;
    QVERIFY(!row.checked);
    QCOMPARE(TextsOf(row), QStringList(QVector<QString>(12).toList()));
}

void TestRecordRow::makeRecordRow_data()
{
    QTest::addColumn<QVariantList>("columns");
    QTest::addColumn<QStringList>("texts");

    // number, name, time, duration, talker, call ID, radio, recording type,
    // call type, transmit (SendFre), receive (RecFre), path
    const QStringList shown{"7", "a.wav", "2024-03-07 14:05:09", "00:01:07", "1001", "2002", "10",
                            "Call Record", "Group Call", "400100", "410200", "/rec/a.wav"};
    auto shownWith = [&shown](QMap<int, QString> changes) {
        QStringList texts = shown;
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            texts[it.key() - FieldNumber] = it.value();
        return texts;
    };

    QTest::newRow("call record shows everything") << CallRecord() << shown;
    QTest::newRow("live record hides IDs, call type and frequencies")
        << With(CallRecord(), RecordTypeColumn, 1)
        << shownWith({{FieldCallingId, "-"}, {FieldReceiveId, "-"}, {FieldCallType, "-"},
                      {FieldTransmitFrequency, "-"}, {FieldReceiveFrequency, "-"},
                      {FieldRecordType, "Live Record"}});
    QTest::newRow("channel type 1 hides IDs and call type")
        << With(CallRecord(), ChannelTypeColumn, 1)
        << shownWith({{FieldCallingId, "-"}, {FieldReceiveId, "-"}, {FieldCallType, "-"}});
    QTest::newRow("channel type 3 hides frequencies")
        << With(CallRecord(), ChannelTypeColumn, 3)
        << shownWith({{FieldTransmitFrequency, "-"}, {FieldReceiveFrequency, "-"}});
    QTest::newRow("channel type 2 hides nothing") << With(CallRecord(), ChannelTypeColumn, 2) << shown;
    QTest::newRow("radio ID 0") << With(CallRecord(), RadioIdColumn, 0)
                                << shownWith({{FieldRadioId, "-"}});
    QTest::newRow("radio ID 100") << With(CallRecord(), RadioIdColumn, 100)
                                  << shownWith({{FieldRadioId, "100"}});
    QTest::newRow("call type 3") << With(CallRecord(), CallTypeColumn, 3)
                                 << shownWith({{FieldCallType, "Other Type"}});
    QTest::newRow("recording type 0") << With(CallRecord(), RecordTypeColumn, 0)
                                      << shownWith({{FieldRecordType, "Other Record"}});
    QTest::newRow("missing codes") << With(With(CallRecord(), RecordTypeColumn, QVariant()),
                                           CallTypeColumn, QVariant())
                                   << shownWith({{FieldRecordType, "Other Record"},
                                                 {FieldCallType, "Other Type"}});
    QTest::newRow("codes that are no numbers")
        << With(With(CallRecord(), RecordTypeColumn, "call"), CallTypeColumn, "group")
        << shownWith({{FieldRecordType, "Other Record"}, {FieldCallType, "Other Type"}});
    QTest::newRow("null texts stay empty")
        << With(With(CallRecord(), 1, QVariant()), RadioIdColumn, QVariant())
        << shownWith({{FieldFileName, ""}, {FieldRadioId, ""}});

    const QList<QPair<int, QString>> callTypes{{0, "Private Call"},      {1, "Group Call"},
                                               {2, "All Call"},          {16, "ZRN Private Call"},
                                               {17, "ZRN Group Call"},   {18, "ZRN All Call"},
                                               {33, "ZRN Emergency Call"}, {34, "Other Type"}};
    for (const auto &callType : callTypes) {
        QTest::addRow("call type %d", callType.first)
            << With(CallRecord(), CallTypeColumn, callType.first)
            << shownWith({{FieldCallType, callType.second}});
    }
}

void TestRecordRow::makeRecordRow()
{
    QFETCH(QVariantList, columns);
    QFETCH(QStringList, texts);

    QCOMPARE(TextsOf(MakeRecordRow(Columns(columns), 7)), texts);
}

void TestRecordRow::checkFlag_data()
{
    QTest::addColumn<QVariant>("fileCheck");
    QTest::addColumn<bool>("checked");

    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("null") << QVariant() << false;
}

void TestRecordRow::checkFlag()
{
    QFETCH(QVariant, fileCheck);
    QFETCH(bool, checked);

    QCOMPARE(MakeRecordRow(Columns(With(CallRecord(), 0, fileCheck)), 1).checked, checked);
}

void TestRecordRow::codeTextsTranslatedAsMainWindow()
{
    ContextMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const RecordRow row = MakeRecordRow(Columns(CallRecord()), 1);
    const QList<FilterItem> items = CallTypeFilterItems();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(row.recordType, QStringLiteral("MainWindow:Call Record"));
    QCOMPARE(row.callType, QStringLiteral("MainWindow:Group Call"));
    QCOMPARE(items.first().text, QStringLiteral("MainWindow:All Type"));
}

void TestRecordRow::filterItems_data()
{
    QTest::addColumn<bool>("callTypes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("call types")
        << true
        << QStringList{"All Type", "Private Call", "Group Call", "All Call", "ZRN Private Call",
                       "ZRN Group Call", "ZRN All Call", "ZRN Emergency Call"}
        << QList<int>{-1, 0, 1, 2, 16, 17, 18, 33};
    QTest::newRow("recording types") << false << QStringList{"All Type", "Call Record", "Live Record"}
                                     << QList<int>{-1, 2, 1};
}

void TestRecordRow::filterItems()
{
    QFETCH(bool, callTypes);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, codes);

    QStringList actualTexts;
    QList<int> actualCodes;
    for (const FilterItem &item : callTypes ? CallTypeFilterItems() : RecordTypeFilterItems()) {
        actualTexts.append(item.text);
        actualCodes.append(item.code);
    }
    QCOMPARE(actualTexts, texts);
    QCOMPARE(actualCodes, codes);
}

void TestRecordRow::filterCodeAt_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");

    QTest::newRow("All Type") << 0 << -1;
    QTest::newRow("Call Record") << 1 << 2;
    QTest::newRow("Live Record") << 2 << 1;
    QTest::newRow("past the end") << 3 << NoFilterCode;
    QTest::newRow("no item") << -1 << NoFilterCode;
}

void TestRecordRow::filterCodeAt()
{
    QFETCH(int, index);
    QFETCH(int, code);

    QCOMPARE(FilterCodeAt(RecordTypeFilterItems(), index), code);
}

QTEST_GUILESS_MAIN(TestRecordRow)
#include "tst_recordrow.moc"
