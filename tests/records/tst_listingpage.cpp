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

// The reference: the whole ordered listing stepped over up to the page; each
// record as its number on the page and its path.
QStringList SteppedPage(const QString &condition, int pageSize, int page)
{
    QSqlQuery query(QStringLiteral("select FilePath from SaveViewDisp") + condition
                    + QStringLiteral(" order by CreatFileTime, rowid"));
    QStringList records;
    for (int row = 0; query.next(); ++row) {
        if (row >= (page - 1) * pageSize && records.size() < pageSize)
            records << QString::number(records.size() + 1) + ' ' + query.value(0).toString();
    }
    return records;
}

QStringList RecordsOf(const ListingPage &page)
{
    QStringList records;
    for (const RecordRow &row : page.rows)
        records << row.number + ' ' + row.filePath;
    return records;
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
            QCOMPARE(RecordsOf(ReadListingPage(condition, total, pageSize, page, shown)),
                     SteppedPage(condition, pageSize, page));
        }
    }
}

void TestListingPage::afterDeletingOnTheShownPage_data()
{
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<int>("firstDeleted");
    QTest::addColumn<int>("deletedCount");

    QTest::newRow("first record of a middle page") << 3 << 0 << 1;
    QTest::newRow("last record of a middle page") << 3 << 19 << 1;
    QTest::newRow("every record of a middle page") << 3 << 0 << 20;
    QTest::newRow("records of the first page") << 1 << 5 << 2;
    QTest::newRow("records of the last page") << 6 << 0 << 2;
}

// Deleting touches the shown page only; its start stays a valid place for
// the previous, the same and the next pages of the recounted listing.
void TestListingPage::afterDeletingOnTheShownPage()
{
    QFETCH(int, shownPage);
    QFETCH(int, firstDeleted);
    QFETCH(int, deletedCount);
    constexpr int kPageSize = 20;
    TestDatabase database;
    QVERIFY(database.IsReady());
    FillRecords(110);
    QVERIFY(CreateListingIndexes(QSqlDatabase::database()));
    const ListingPage shown = ReadListingPage(QString(), 110, kPageSize, shownPage, PageStart());
    for (int row = firstDeleted; row < firstDeleted + deletedCount; ++row) {
        QSqlQuery remove;
        remove.prepare(QStringLiteral("delete from SaveViewDisp where FilePath = ?"));
        remove.addBindValue(shown.rows.at(row).filePath);
        QVERIFY(remove.exec());
    }

    const unsigned int total = unsigned(CountRecords(AllRecordsCountStatement()));
    QCOMPARE(total, 110u - unsigned(deletedCount));
    for (int page : {shownPage - 1, shownPage, shownPage + 1, PageCount(total, kPageSize)}) {
        if (page < 1 || (page - 1) * kPageSize > int(total))
            continue;
        QCOMPARE(RecordsOf(ReadListingPage(QString(), total, kPageSize, page, shown.start)),
                 SteppedPage(QString(), kPageSize, page));
    }
}

QTEST_GUILESS_MAIN(TestListingPage)
#include "tst_listingpage.moc"
