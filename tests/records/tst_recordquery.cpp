#include "recorddatabase.h"

#include "records/myvalidator.h"
#include "records/recordquery.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

enum RecordTypeIndex { AllRecordTypes = 0, CallRecords = 1, LiveRecords = 2 };
enum CallTypeIndex {
    AllCallTypes = 0,
    PrivateCall = 1,
    GroupCall = 2,
    ZrnAllCall = 6,
};

QDateTime Time(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

SearchFilter WholeMarch()
{
    SearchFilter filter;
    filter.start = Time(QStringLiteral("2024-03-01 00:00:00"));
    filter.end = Time(QStringLiteral("2024-03-31 23:59:59"));
    return filter;
}

TestRecord Named(const QString &fileName)
{
    TestRecord record;
    record.fileName = fileName;
    record.filePath = QStringLiteral("/rec/") + fileName;
    return record;
}

QStringList FileNames(const QList<RecordRow> &rows)
{
    QStringList names;
    for (const RecordRow &row : rows)
        names.append(row.fileName);
    return names;
}

// 450 records, the i-th by start time called "i.wav", inserted from the last.
QList<TestRecord> FourHundredFiftyRecords()
{
    const QDateTime first = Time(QStringLiteral("2024-03-01 00:00:00"));
    QList<TestRecord> records;
    for (int i = 450; i >= 1; --i) {
        TestRecord record = Named(QStringLiteral("%1.wav").arg(i));
        record.time = first.addSecs(i).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        records.append(record);
    }
    return records;
}

} // namespace

Q_DECLARE_METATYPE(PageLoadMode)

class TestRecordQuery : public QObject
{
    Q_OBJECT

private slots:
    void buildFilterCondition_data();
    void buildFilterCondition();
    void searchStatements_data();
    void searchStatements();

    void pageCount_data();
    void pageCount();
    void requestedPage_data();
    void requestedPage();
    void homeButton();
    void pageSeekRow_data();
    void pageSeekRow();
    void movedCount_data();
    void movedCount();

    void pageRequestsOnFourHundredFifty_data();
    void pageRequestsOnFourHundredFifty();
    void pageRowsAreMadeFromTheirColumns();
    void allRecordsListing();
    void countBeforeAnySearch();
    void keywordSearchCountsWhatItLists();
    void searchWithStartEqualToEnd();
    void liveRecordsWithAnyId();
    void storeCheckMarkTouchesOnlyItsRecord();
    void storeCheckedBatch();
};

void TestRecordQuery::buildFilterCondition_data()
{
    QTest::addColumn<QString>("idText");
    QTest::addColumn<int>("recordType");
    QTest::addColumn<int>("callType");
    QTest::addColumn<QString>("condition");

    QTest::newRow("all types") << "" << int(AllRecordTypes) << int(AllCallTypes) << "";
    QTest::newRow("all types, group call")
        << "" << int(AllRecordTypes) << int(GroupCall) << " and RecordType = 2 and CallType = 1";
    QTest::newRow("all types, private call")
        << "" << int(AllRecordTypes) << int(PrivateCall)
        << " and RecordType = 2 and CallType = 0 and ChannelType != 1";
    QTest::newRow("call records") << "" << int(CallRecords) << int(AllCallTypes) << " and RecordType = 2";
    QTest::newRow("call records, ZRN all call")
        << "" << int(CallRecords) << int(ZrnAllCall) << " and RecordType = 2 and CallType = 18";
    QTest::newRow("live records") << "" << int(LiveRecords) << int(AllCallTypes) << " and RecordType = 1";
    QTest::newRow("live records, group call")
        << "" << int(LiveRecords) << int(GroupCall) << " and RecordType = 1";
    QTest::newRow("all types, ID 7")
        << "7" << int(AllRecordTypes) << int(AllCallTypes)
        << " and (CallingID = 7 or ReceiveID = 7) and ChannelType != 1 and RecordType = 2";
    QTest::newRow("live records, ID 7")
        << "7" << int(LiveRecords) << int(AllCallTypes)
        << " and (CallingID = -1 or ReceiveID = -1) and RecordType = 1";
    QTest::newRow("call records, ID 99999999, private call")
        << "99999999" << int(CallRecords) << int(PrivateCall)
        << " and (CallingID = 99999999 or ReceiveID = 99999999) and ChannelType != 1"
           " and RecordType = 2 and CallType = 0 and ChannelType != 1";
    QTest::newRow("ID that is no number")
        << "abc" << int(AllRecordTypes) << int(AllCallTypes)
        << " and (CallingID = 0 or ReceiveID = 0) and ChannelType != 1 and RecordType = 2";
}

void TestRecordQuery::buildFilterCondition()
{
    QFETCH(QString, idText);
    QFETCH(int, recordType);
    QFETCH(int, callType);
    QFETCH(QString, condition);

    QCOMPARE(BuildFilterCondition(idText, recordType, callType), condition);
}

void TestRecordQuery::searchStatements_data()
{
    QTest::addColumn<QString>("idText");
    QTest::addColumn<int>("callType");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("where");

    const QString march = QStringLiteral(
        " from SaveViewDisp where CreatFileTime between '2024-03-01 00:00:00' and '2024-03-31 23:59:59'");
    QTest::newRow("time only") << "" << int(AllCallTypes) << "" << march;
    QTest::newRow("ID, group call and keyword")
        << "1001" << int(GroupCall) << "abc"
        << march + " and (CallingID = 1001 or ReceiveID = 1001) and ChannelType != 1 and RecordType = 2"
                   " and CallType = 1 and FileName like '%abc%'";
    QTest::newRow("keyword quote doubled")
        << "" << int(AllCallTypes) << "' or 1=1 --" << march + " and FileName like '%'' or 1=1 --%'";
}

void TestRecordQuery::searchStatements()
{
    QFETCH(QString, idText);
    QFETCH(int, callType);
    QFETCH(QString, keyword);
    QFETCH(QString, where);
    SearchFilter filter = WholeMarch();
    filter.idText = idText;
    filter.recordTypeIndex = AllRecordTypes;
    filter.callTypeIndex = callType;
    filter.keyword = keyword;

    const ListingStatements statements = BuildSearchStatements(filter);

    QCOMPARE(statements.select, "select *" + where + " order by CreatFileTime");
    QCOMPARE(statements.count, "select count(*)" + where);
    QCOMPARE(statements.checkedCount, "select count(*)" + where + " and FileCheck = 1 ");
}

void TestRecordQuery::pageCount_data()
{
    QTest::addColumn<uint>("total");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("pages");

    QTest::newRow("empty listing") << 0u << 200 << 1;
    QTest::newRow("one record") << 1u << 200 << 1;
    QTest::newRow("one full page") << 200u << 200 << 1;
    QTest::newRow("one record more") << 201u << 200 << 2;
}

void TestRecordQuery::pageCount()
{
    QFETCH(uint, total);
    QFETCH(int, pageSize);
    QFETCH(int, pages);

    QCOMPARE(PageCount(total, pageSize), pages);
}

void TestRecordQuery::requestedPage_data()
{
    QTest::addColumn<uint>("total");
    QTest::addColumn<int>("current");
    QTest::addColumn<PageLoadMode>("mode");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("page"); // 0: refused

    QTest::newRow("home") << 450u << 3 << PageHome << 0 << 1;
    QTest::newRow("previous on page 1") << 450u << 1 << PagePrevious << 0 << 0;
    QTest::newRow("previous on page 2") << 450u << 2 << PagePrevious << 0 << 1;
    QTest::newRow("next on page 2") << 450u << 2 << PageNext << 0 << 3;
    QTest::newRow("next on the last page") << 450u << 3 << PageNext << 0 << 0;
    QTest::newRow("last") << 450u << 1 << PageLast << 0 << 3;
    QTest::newRow("go to 3") << 450u << 1 << PageGoto << 3 << 3;
    QTest::newRow("go to 4") << 450u << 1 << PageGoto << 4 << 0;
    QTest::newRow("go to 0") << 450u << 2 << PageGoto << 0 << 0;
    QTest::newRow("search") << 450u << 3 << PageSearch << 0 << 1;
    QTest::newRow("refresh") << 450u << 2 << PageRefresh << 0 << 2;
    QTest::newRow("unknown mode") << 450u << 2 << PageLoadMode(7) << 0 << 0;
    QTest::newRow("empty: last") << 0u << 1 << PageLast << 0 << 1;
    QTest::newRow("refresh just past the records") << 400u << 3 << PageRefresh << 0 << 3;
    QTest::newRow("refresh beyond the records") << 399u << 3 << PageRefresh << 0 << 0;
}

void TestRecordQuery::requestedPage()
{
    QFETCH(uint, total);
    QFETCH(int, current);
    QFETCH(PageLoadMode, mode);
    QFETCH(int, typed);
    QFETCH(int, page);

    PageState state;
    state.pageSize = 200;
    state.currentPage = current;
    state.totalCount = total;
    QCOMPARE(RequestedPage(mode, state, typed), page);
}

void TestRecordQuery::homeButton()
{
    QVERIFY(!HomeButtonLoads(1));
    QVERIFY(HomeButtonLoads(2));
}

void TestRecordQuery::pageSeekRow_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");

    QTest::newRow("before the first row") << 200 << 1 << -1;
    QTest::newRow("page 3 at 200") << 200 << 3 << 399;
}

void TestRecordQuery::pageSeekRow()
{
    QFETCH(int, pageSize);
    QFETCH(int, page);
    QFETCH(int, row);

    QCOMPARE(PageSeekRow(pageSize, page), row);
}

void TestRecordQuery::movedCount_data()
{
    QTest::addColumn<uint>("count");
    QTest::addColumn<int>("change");
    QTest::addColumn<uint>("moved");

    QTest::newRow("one unchecked") << 5u << -1 << 4u;
    QTest::newRow("invert") << 3u << 4 << 7u;
    QTest::newRow("never below 0") << 0u << -1 << 0u;
}

void TestRecordQuery::movedCount()
{
    QFETCH(uint, count);
    QFETCH(int, change);
    QFETCH(uint, moved);

    QCOMPARE(MovedCount(count, change), moved);
}

void TestRecordQuery::pageRequestsOnFourHundredFifty_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<PageLoadMode>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("firstAndLast");

    const QStringList firstPage{"1.wav", "200.wav"};
    QTest::newRow("next to the last page") << 2 << PageNext << "" << 3
                                           << QStringList{"401.wav", "450.wav"};
    QTest::newRow("previous to page 2") << 3 << PagePrevious << "" << 2
                                        << QStringList{"201.wav", "400.wav"};
    QTest::newRow("go with an empty field") << 3 << PageGoto << "" << 1 << firstPage;
    QTest::newRow("go with 0") << 3 << PageGoto << "0" << 1 << firstPage;
}

// Runs a page request as the page buttons do: recount, decide, load.
void TestRecordQuery::pageRequestsOnFourHundredFifty()
{
    QFETCH(int, current);
    QFETCH(PageLoadMode, mode);
    QFETCH(QString, typed);
    QFETCH(int, page);
    QFETCH(QStringList, firstAndLast);

    RecordDatabase db;
    QVERIFY(db.IsReady());
    QVERIFY(db.Insert(FourHundredFiftyRecords()));
    const MyValidator pageValidator(1, 99999);
    int position = 0;
    if (pageValidator.validate(typed, position) != QValidator::Acceptable)
        pageValidator.fixup(typed);

    PageState state;
    state.currentPage = current;
    state.totalCount = CountRecords(AllRecordsCountStatement());
    QCOMPARE(state.totalCount, 450u);
    QCOMPARE(RequestedPage(mode, state, typed.toInt()), page);

    const QList<RecordRow> rows = LoadPageRows(AllRecordsSelectStatement(), state.pageSize, page);
    QCOMPARE(rows.size(), page == 3 ? 50 : 200);
    QCOMPARE(rows.first().fileName, firstAndLast.first());
    QCOMPARE(rows.last().fileName, firstAndLast.last());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rows.at(i).number, QString::number(i + 1));
}

void TestRecordQuery::pageRowsAreMadeFromTheirColumns()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    TestRecord live = Named(QStringLiteral("live.wav"));
    live.checked = true;
    live.recordType = 1;
    live.radioId = 0;
    QVERIFY(db.Insert({live}));

    const QList<RecordRow> rows = LoadPageRows(AllRecordsSelectStatement(), 200, 1);

    QCOMPARE(rows.size(), 1);
    const RecordRow &row = rows.first();
    QVERIFY(row.checked);
    QCOMPARE(row.number, QStringLiteral("1"));
    QCOMPARE(row.fileName, live.fileName);
    QCOMPARE(row.time, live.time);
    QCOMPARE(row.duration, live.duration);
    QCOMPARE(row.callingId, QStringLiteral("-"));
    QCOMPARE(row.radioId, QStringLiteral("-"));
    QCOMPARE(row.recordType, QStringLiteral("Live Record"));
    QCOMPARE(row.filePath, live.filePath);
}

void TestRecordQuery::allRecordsListing()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    QVERIFY(db.Insert(FourHundredFiftyRecords()));

    QCOMPARE(CountRecords(AllRecordsCountStatement()), 450);
    QCOMPARE(LoadPageRows(AllRecordsSelectStatement(), 200, 4).size(), 0);
    QCOMPARE(LoadPageRows(AllRecordsSelectStatement(), 50, 9).size(), 50);
}

void TestRecordQuery::countBeforeAnySearch()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    QVERIFY(db.Insert({Named(QStringLiteral("a.wav"))}));

    QCOMPARE(CountRecords(QString()), 0);
    QVERIFY(LoadPageRows(QString(), 200, 1).isEmpty());
}

void TestRecordQuery::keywordSearchCountsWhatItLists()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    QVERIFY(db.Insert({Named(QStringLiteral("abc.wav")), Named(QStringLiteral("xABCx.wav")),
                       Named(QStringLiteral("other.wav"))}));
    SearchFilter filter = WholeMarch();
    filter.keyword = QStringLiteral("abc");

    const ListingStatements statements = BuildSearchStatements(filter);

    QCOMPARE(CountRecords(statements.count), 2);
    QStringList listed = FileNames(LoadPageRows(statements.select, 200, 1));
    listed.sort();
    QCOMPARE(listed, QStringList({"abc.wav", "xABCx.wav"}));
}

void TestRecordQuery::searchWithStartEqualToEnd()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    QVERIFY(db.Insert(FourHundredFiftyRecords()));
    SearchFilter filter;
    filter.start = filter.end = Time(QStringLiteral("2024-03-01 00:00:07"));

    const ListingStatements statements = BuildSearchStatements(filter);

    QCOMPARE(FileNames(LoadPageRows(statements.select, 200, 1)), QStringList{"7.wav"});
}

void TestRecordQuery::liveRecordsWithAnyId()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    TestRecord liveWithoutParties = Named(QStringLiteral("live-1.wav"));
    liveWithoutParties.recordType = 1;
    liveWithoutParties.callingId = -1;
    TestRecord liveWithId = Named(QStringLiteral("live-7.wav"));
    liveWithId.recordType = 1;
    liveWithId.callingId = 7;
    TestRecord call = Named(QStringLiteral("call-7.wav"));
    call.callingId = 7;
    QVERIFY(db.Insert({liveWithoutParties, liveWithId, call}));
    SearchFilter filter = WholeMarch();
    filter.idText = QStringLiteral("7");
    filter.recordTypeIndex = LiveRecords;

    const ListingStatements statements = BuildSearchStatements(filter);

    QCOMPARE(FileNames(LoadPageRows(statements.select, 200, 1)), QStringList{"live-1.wav"});
}

// A path whose quotes would widen an unbound update to every record.
void TestRecordQuery::storeCheckMarkTouchesOnlyItsRecord()
{
    const QString path = QStringLiteral("/rec/x' or '1'='1");
    RecordDatabase db;
    QVERIFY(db.IsReady());
    TestRecord target = Named(QStringLiteral("target.wav"));
    target.filePath = path;
    QVERIFY(db.Insert({Named(QStringLiteral("before.wav")), target, Named(QStringLiteral("after.wav"))}));

    StoreCheckMark(path, true);
    QCOMPARE(db.FilePaths(true), QStringList{path});

    StoreCheckMark(path, false);
    QCOMPARE(db.FilePaths(true), QStringList());
}

void TestRecordQuery::storeCheckedBatch()
{
    RecordDatabase db;
    QVERIFY(db.IsReady());
    QList<TestRecord> records;
    for (int i = 1; i <= 10; ++i) {
        TestRecord record = Named(QStringLiteral("%1.wav").arg(i));
        record.checked = i <= 3;
        records.append(record);
    }
    QVERIFY(db.Insert(records));
    QStringList names;
    QStringList paths;
    for (const TestRecord &record : records.mid(3)) {
        names.append(record.fileName);
        paths.append(record.filePath);
    }
    SearchFilter filter = WholeMarch();
    const QString checkedCount = BuildSearchStatements(filter).checkedCount;
    QCOMPARE(CountRecords(checkedCount), 3);

    QVERIFY(StoreCheckedBatch(names, paths));
    QCOMPARE(CountRecords(checkedCount), 10);

    QVERIFY(StoreCheckedBatch({}, {}));
    QCOMPARE(CountRecords(checkedCount), 10);
}

QTEST_GUILESS_MAIN(TestRecordQuery)
#include "tst_recordquery.moc"
