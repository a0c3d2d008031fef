// Pages read from the nearest known place hold exactly the records that
// stepping over every record before them yields, in the same order.

#include "records/listingpage.h"
#include "records/recordquery.h"
#include "store/schema.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

// Records whose start times repeat (seven distinct times), inserted out of
// time order; every third one is a live record.
void FillRecords(int count)
{
    QSqlQuery query;
    query.prepare(QStringLiteral(
        "insert into SaveViewDisp with recursive n(i) as "
        "(select 0 union all select i + 1 from n where i + 1 < ?) "
        "select 0, printf('r%04d.wav', i), printf('2024-03-07 09:00:%02d', (i * 5) % 7), "
        "'00:00:01', i, 0, 1 + (i % 3 != 0), 0, 0, 0, printf('/r/r%04d.wav', i), 2, 0 from n"));
    query.addBindValue(count);
    QVERIFY(count == 0 || query.exec());
}

// The reference: the whole ordered listing stepped over up to the page.
QStringList SteppedPage(const QString &condition, int pageSize, int page)
{
    QSqlQuery query(QStringLiteral("select FilePath from SaveViewDisp") + condition
                    + QStringLiteral(" order by CreatFileTime, rowid"));
    QStringList paths;
    for (int row = 0; query.next(); ++row) {
        if (row >= (page - 1) * pageSize && paths.size() < pageSize)
            paths << query.value(0).toString();
    }
    return paths;
}

QStringList PathsOf(const ListingPage &page)
{
    QStringList paths;
    for (const RecordRow &row : page.rows)
        paths << row.filePath;
    return paths;
}

bool NumberedFromOne(const ListingPage &page)
{
    for (int i = 0; i < page.rows.size(); ++i) {
        if (page.rows.at(i).number != QString::number(i + 1))
            return false;
    }
    return true;
}

const QString kLiveRecords = QStringLiteral(" where RecordType = 1");

} // namespace

class TestListingPage : public QObject
{
    Q_OBJECT

private slots:
    void everyPageFromEveryPlace_data();
    void everyPageFromEveryPlace();
    void afterDeletingOnTheShownPage_data();
    void afterDeletingOnTheShownPage();
    void readsTheFewestRecords_data();
    void readsTheFewestRecords();
};

void TestListingPage::everyPageFromEveryPlace_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<bool>("indexed");

    QTest::newRow("empty") << 0 << 50 << QString() << true;
    QTest::newRow("one record") << 1 << 50 << QString() << true;
    QTest::newRow("one short of a page") << 49 << 50 << QString() << false;
    QTest::newRow("one page") << 50 << 50 << QString() << true;
    QTest::newRow("one more than a page") << 51 << 50 << QString() << true;
    QTest::newRow("pages and a half, no indexes") << 225 << 50 << QString() << false;
    QTest::newRow("pages and a half, indexed") << 225 << 50 << QString() << true;
    QTest::newRow("live records only") << 300 << 20 << kLiveRecords << true;
}

// Every page, read with no known place and from the start of every page.
void TestListingPage::everyPageFromEveryPlace()
{
    QFETCH(int, records);
    QFETCH(int, pageSize);
    QFETCH(QString, condition);
    QFETCH(bool, indexed);
    TestDatabase database;
    QVERIFY(database.IsReady());
    FillRecords(records);
    if (indexed)
        QVERIFY(CreateListingIndexes(QSqlDatabase::database()));
    const unsigned int total = unsigned(
        CountRecords(QStringLiteral("select count(*) from SaveViewDisp") + condition));
    const int pages = PageCount(total, pageSize);

    for (int shownPage = 0; shownPage <= pages; ++shownPage) {
        const PageStart shown = shownPage == 0
                                    ? PageStart()
                                    : ReadListingPage(condition, total, pageSize, shownPage, PageStart()).start;
        QCOMPARE(shown.IsKnown(), shownPage > 0 && total > 0);
        for (int page = 1; page <= pages; ++page) {
            const ListingPage read = ReadListingPage(condition, total, pageSize, page, shown);
            QCOMPARE(PathsOf(read), SteppedPage(condition, pageSize, page));
            QVERIFY(NumberedFromOne(read));
        }
    }
}

void TestListingPage::afterDeletingOnTheShownPage_data()
{
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<QList<int>>("deletedRows");

    QTest::newRow("first record of a middle page") << 3 << QList<int>{0};
    QTest::newRow("last record of a middle page") << 3 << QList<int>{19};
    QTest::newRow("every record of a middle page") << 3 << [] {
        QList<int> all;
        for (int row = 0; row < 20; ++row)
            all << row;
        return all;
    }();
    QTest::newRow("records of the first page") << 1 << QList<int>{0, 5, 6};
    QTest::newRow("records of the last page") << 6 << QList<int>{0, 1};
}

// Deleting touches the shown page only; its start stays a valid place for
// the previous, the same and the next pages of the recounted listing.
void TestListingPage::afterDeletingOnTheShownPage()
{
    QFETCH(int, shownPage);
    QFETCH(QList<int>, deletedRows);
    constexpr int kPageSize = 20;
    TestDatabase database;
    QVERIFY(database.IsReady());
    FillRecords(110);
    QVERIFY(CreateListingIndexes(QSqlDatabase::database()));
    const ListingPage shown = ReadListingPage(QString(), 110, kPageSize, shownPage, PageStart());
    for (int row : deletedRows) {
        QSqlQuery remove;
        remove.prepare(QStringLiteral("delete from SaveViewDisp where FilePath = ?"));
        remove.addBindValue(shown.rows.at(row).filePath);
        QVERIFY(remove.exec());
    }

    const unsigned int total = unsigned(CountRecords(AllRecordsCountStatement()));
    QCOMPARE(total, 110u - unsigned(deletedRows.size()));
    for (int page : {shownPage - 1, shownPage, shownPage + 1, PageCount(total, kPageSize)}) {
        if (page < 1 || (page - 1) * kPageSize > int(total))
            continue;
        QCOMPARE(PathsOf(ReadListingPage(QString(), total, kPageSize, page, shown.start)),
                 SteppedPage(QString(), kPageSize, page));
    }
}

void TestListingPage::readsTheFewestRecords_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("count");

    // 1,000 records, 100 a page; page 0: no page shown.
    QTest::newRow("first page") << 1 << 0 << int(PageOrigin::ListingFirst) << 0 << 100;
    QTest::newRow("last page") << 10 << 1 << int(PageOrigin::ListingLast) << 0 << 100;
    QTest::newRow("next") << 6 << 5 << int(PageOrigin::Known) << 100 << 100;
    QTest::newRow("previous") << 4 << 5 << int(PageOrigin::BeforeKnown) << 0 << 100;
    QTest::newRow("same page") << 5 << 5 << int(PageOrigin::Known) << 0 << 100;
    QTest::newRow("second page, none shown") << 2 << 0 << int(PageOrigin::ListingFirst) << 100 << 100;
    QTest::newRow("ninth page, none shown") << 9 << 0 << int(PageOrigin::ListingLast) << 100 << 100;
    QTest::newRow("empty page after the last") << 11 << 10 << int(PageOrigin::ListingLast) << 0 << 0;
}

void TestListingPage::readsTheFewestRecords()
{
    QFETCH(int, page);
    QFETCH(int, shownPage);
    QFETCH(int, origin);
    QFETCH(int, skip);
    QFETCH(int, count);
    PageStart shown;
    if (shownPage > 0) {
        shown.recordsBefore = (shownPage - 1) * 100;
        shown.startTime = QStringLiteral("2024-03-07 09:00:00");
    }
    const PageRead read = PlanPageRead(1000, 100, page, shown);
    QCOMPARE(int(read.origin), origin);
    QCOMPARE(read.count, count);
    QCOMPARE(read.skip, skip);
}

QTEST_GUILESS_MAIN(TestListingPage)
#include "tst_listingpage.moc"
