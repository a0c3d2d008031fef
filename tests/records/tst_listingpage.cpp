// Pages read from the nearest known place hold exactly the records that stepping over every record before them yields, in
// the same order.

#include "records/listingpage.h"
#include "records/recordquery.h"
#include "store/schema.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

using Rows = std::initializer_list<std::pair<const char *, QVector<int>>>;

// Records whose start times repeat (seven distinct times, the first three none, which sorts first and is no place to read
// from), inserted out of time order; every third one is a live record.
static bool FillRecords(int count)
{
    return count == 0 || QSqlQuery().exec(QStringLiteral(
        "insert into SaveViewDisp with recursive n(i) as (select 0 union all select i + 1 from n where i + 1 < %1) "
        "select 0, printf('r%04d.wav', i), case when i >= 3 then printf('2024-03-07 09:00:%02d', (i * 5) % 7) end, '00:00:01', i, 0, "
        "1 + (i % 3 != 0), 0, 0, 0, printf('/r/r%04d.wav', i), 2, 0 from n").arg(count));
}

// Each record of a page as its number and path: read, or stepped over up to it.
static QStringList Read(const QString &condition, unsigned total, int pageSize, int page, const PageStart &shown)
{
    QStringList records;
    for (const RecordRow &row : ReadListingPage(condition, total, pageSize, page, shown).rows)
        records << row.number + ' ' + row.filePath;
    return records;
}
static QStringList Stepped(const QString &condition, int pageSize, int page)
{
    QSqlQuery query(QStringLiteral("select FilePath from SaveViewDisp%1 order by CreatFileTime, rowid limit %2 offset %3").arg(condition).arg(pageSize).arg((page - 1) * pageSize));
    QStringList records;
    while (query.next())
        records << QString::number(records.size() + 1) + ' ' + query.value(0).toString();
    return records;
}

class TestListingPage : public QObject
{
    Q_OBJECT

private slots:
    // Pages of 10; the records before the page shown, -1 when none is known.
    void plan_data()
    {
        QTest::addColumn<QVector<int>>("c"); // records, page, records before the shown page, origin, skip, count
        const int first = int(PageOrigin::ListingFirst), known = int(PageOrigin::Known), before = int(PageOrigin::BeforeKnown), last = int(PageOrigin::ListingLast);
        for (const auto &[tag, c] : Rows{{"empty", {0, 1, -1, first, 0, 0}}, {"one short of a page", {9, 1, -1, first, 0, 9}},
                                         {"page after the last", {20, 3, -1, last, 0, 0}}, {"last, short", {25, 3, -1, last, 0, 5}},
                                         {"middle, nearer the start", {100, 5, -1, first, 40, 10}}, {"middle, nearer the end", {100, 6, -1, last, 40, 10}},
                                         {"next of the shown", {100, 5, 30, known, 10, 10}}, {"the shown again", {100, 5, 40, known, 0, 10}},
                                         {"previous of the shown", {100, 4, 40, before, 0, 10}}, {"far before the shown", {100, 2, 50, first, 10, 10}},
                                         {"far after the shown", {100, 9, 10, last, 10, 10}}})
            QTest::newRow(tag) << c;
    }
    void plan()
    {
        QFETCH(QVector<int>, c);
        PageStart shown;
        shown.recordsBefore = c[2];
        const PageRead read = PlanPageRead(uint(c[0]), 10, c[1], shown);
        QCOMPARE((QVector<int>{int(read.origin), read.skip, read.count}), c.mid(3));
    }

    // Every page and the one after, read from no known place and from the start of every page.
    void everyPageFromEveryPlace_data()
    {
        QTest::addColumn<QVector<int>>("c"); // records, page size, indexed, live records only
        for (const auto &[tag, c] : Rows{{"empty", {0, 50, 1, 0}}, {"one record", {1, 50, 1, 0}}, {"one short of a page", {49, 50, 0, 0}},
                                         {"one page", {50, 50, 1, 0}}, {"one more than a page", {51, 50, 1, 0}},
                                         {"pages and a half, no indexes", {225, 50, 0, 0}}, {"pages and a half", {225, 50, 1, 0}},
                                         {"live records only", {300, 20, 1, 1}}})
            QTest::newRow(tag) << c;
    }
    void everyPageFromEveryPlace()
    {
        QFETCH(QVector<int>, c);
        TestDatabase database;
        QVERIFY(FillRecords(c[0]) && (!c[2] || CreateListingIndexes(QSqlDatabase::database())));
        const QString condition = c[3] ? " where RecordType = 1" : "";
        const unsigned total = unsigned(CountRecords("select count(*) from SaveViewDisp" + condition));
        const int pages = PageCount(total, c[1]);
        for (int shownPage = 0; shownPage <= pages; ++shownPage) {
            const PageStart shown = shownPage == 0 ? PageStart() : ReadListingPage(condition, total, c[1], shownPage, PageStart()).start;
            QCOMPARE(shown.IsKnown(), shownPage > 1);
            for (int page = 1; page <= pages + 1; ++page)
                QCOMPARE(Read(condition, total, c[1], page, shown), Stepped(condition, c[1], page));
        }
    }

    // Deleting touches the shown page only; its start stays a valid place for the previous, the same and the next pages of
    // the recounted listing.
    void afterDeletingOnTheShownPage_data()
    {
        QTest::addColumn<QVector<int>>("c"); // shown page of 20, first deleted row, rows deleted
        for (const auto &[tag, c] : Rows{{"first of a middle page", {3, 0, 1}}, {"last of a middle page", {3, 19, 1}},
                                         {"all of a middle page", {3, 0, 20}}, {"of the first page", {1, 5, 2}}, {"of the last page", {6, 0, 2}}})
            QTest::newRow(tag) << c;
    }
    void afterDeletingOnTheShownPage()
    {
        QFETCH(QVector<int>, c);
        TestDatabase database;
        QVERIFY(FillRecords(110) && CreateListingIndexes(QSqlDatabase::database()));
        const ListingPage shown = ReadListingPage(QString(), 110, 20, c[0], PageStart());
        for (int row = c[1]; row < c[1] + c[2]; ++row)
            QVERIFY(QSqlQuery().exec("delete from SaveViewDisp where FilePath = " + SqlText(shown.rows.at(row).filePath)));
        const unsigned total = unsigned(CountRecords(AllRecordsCountStatement()));
        QCOMPARE(total, 110u - unsigned(c[2]));
        for (int page : {c[0] - 1, c[0], c[0] + 1, PageCount(total, 20)})
            if (page >= 1)
                QCOMPARE(Read(QString(), total, 20, page, shown.start), Stepped(QString(), 20, page));
    }
};

QTEST_GUILESS_MAIN(TestListingPage)
#include "tst_listingpage.moc"
