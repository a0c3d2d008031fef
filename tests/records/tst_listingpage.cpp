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
    query.prepare("insert into SaveViewDisp with recursive n(i) as (select 0 union all select i + 1 from n where i + 1 < ?) "
                  "select 0, printf('r%04d.wav', i), printf('2024-03-07 09:00:%02d', (i * 5) % 7), '00:00:01', i, 0, "
                  "1 + (i % 3 != 0), 0, 0, 0, printf('/r/r%04d.wav', i), 2, 0 from n");
    query.addBindValue(count);
    QVERIFY(count == 0 || query.exec());
}

// The reference: the whole ordered listing stepped over up to the page; each
// record as its number on the page and its path.
QStringList SteppedPage(const QString &condition, int pageSize, int page)
{
    QSqlQuery query("select FilePath from SaveViewDisp" + condition + " order by CreatFileTime, rowid");
    QStringList records;
    for (int row = 0; query.next(); ++row) {
        if (row >= (page - 1) * pageSize && records.size() < pageSize)
            records << QString::number(records.size() + 1) + ' ' + query.value(0).toString();
    }
    return records;
}

QStringList Read(const QString &condition, unsigned total, int pageSize, int page, const PageStart &shown)
{
    QStringList records;
    for (const RecordRow &row : ReadListingPage(condition, total, pageSize, page, shown).rows)
        records << row.number + ' ' + row.filePath;
    return records;
}

} // namespace

class TestListingPage : public QObject
{
    Q_OBJECT

private slots:
    void origins()
    {
        const PageOrigin origins[] = {PageOrigin::ListingFirst, PageOrigin::Known, PageOrigin::BeforeKnown, PageOrigin::ListingLast};
        QString backward, atKnown;
        for (PageOrigin origin : origins)
            backward += ReadsBackward(origin) ? 'b' : '-', atKnown += StartsAtKnown(origin) ? 'k' : '-';
        QCOMPARE(backward + ' ' + atKnown, "--bb -kk-");
    }

    // Pages of 10; the records before the page shown, -1 when none is known.
    void plan_data()
    {
        QTest::addColumn<QVector<int>>("c"); // records, page, shown page's records before, origin, skip, count
        const int first = int(PageOrigin::ListingFirst), known = int(PageOrigin::Known), before = int(PageOrigin::BeforeKnown), last = int(PageOrigin::ListingLast);
        QTest::newRow("empty") << QVector<int>{0, 1, -1, first, 0, 0};
        QTest::newRow("one short of a page") << QVector<int>{9, 1, -1, first, 0, 9};
        QTest::newRow("page after the last") << QVector<int>{20, 3, -1, last, 0, 0};
        QTest::newRow("last, short") << QVector<int>{25, 3, -1, last, 0, 5};
        QTest::newRow("middle, nearer the start") << QVector<int>{100, 5, -1, first, 40, 10};
        QTest::newRow("middle, nearer the end") << QVector<int>{100, 6, -1, last, 40, 10};
        QTest::newRow("next of the shown") << QVector<int>{100, 5, 30, known, 10, 10};
        QTest::newRow("the shown again") << QVector<int>{100, 5, 40, known, 0, 10};
        QTest::newRow("previous of the shown") << QVector<int>{100, 4, 40, before, 0, 10};
        QTest::newRow("far before the shown") << QVector<int>{100, 2, 50, first, 10, 10};
        QTest::newRow("far after the shown") << QVector<int>{100, 9, 10, last, 10, 10};
    }
    void plan()
    {
        QFETCH(QVector<int>, c);
        PageStart shown;
        shown.recordsBefore = c[2];
        const PageRead read = PlanPageRead(uint(c[0]), 10, c[1], shown);
        QCOMPARE((QVector<int>{int(read.origin), read.skip, read.count}), c.mid(3));
    }

    void everyPageFromEveryPlace_data()
    {
        QTest::addColumn<QVector<int>>("c"); // records, page size, indexed
        QTest::addColumn<QString>("condition");
        QTest::newRow("empty") << QVector<int>{0, 50, 1} << QString();
        QTest::newRow("one record") << QVector<int>{1, 50, 1} << QString();
        QTest::newRow("one short of a page") << QVector<int>{49, 50, 0} << QString();
        QTest::newRow("one page") << QVector<int>{50, 50, 1} << QString();
        QTest::newRow("one more than a page") << QVector<int>{51, 50, 1} << QString();
        QTest::newRow("pages and a half, no indexes") << QVector<int>{225, 50, 0} << QString();
        QTest::newRow("pages and a half, indexed") << QVector<int>{225, 50, 1} << QString();
        QTest::newRow("live records only") << QVector<int>{300, 20, 1} << " where RecordType = 1";
    }
    // Every page and the one after, read with no known place and from the
    // start of every page.
    void everyPageFromEveryPlace()
    {
        QFETCH(QVector<int>, c);
        QFETCH(QString, condition);
        TestDatabase database;
        FillRecords(c[0]);
        QVERIFY(!c[2] || CreateListingIndexes(QSqlDatabase::database()));
        const unsigned total = unsigned(CountRecords("select count(*) from SaveViewDisp" + condition));
        const int pages = PageCount(total, c[1]);
        for (int shownPage = 0; shownPage <= pages; ++shownPage) {
            const PageStart shown = shownPage == 0 ? PageStart() : ReadListingPage(condition, total, c[1], shownPage, PageStart()).start;
            QCOMPARE(shown.IsKnown(), shownPage > 0 && total > 0);
            for (int page = 1; page <= pages + 1; ++page)
                QCOMPARE(Read(condition, total, c[1], page, shown), SteppedPage(condition, c[1], page));
        }
    }

    void afterDeletingOnTheShownPage_data()
    {
        QTest::addColumn<QVector<int>>("c"); // shown page of 20, first deleted row, rows deleted
        QTest::newRow("first record of a middle page") << QVector<int>{3, 0, 1};
        QTest::newRow("last record of a middle page") << QVector<int>{3, 19, 1};
        QTest::newRow("every record of a middle page") << QVector<int>{3, 0, 20};
        QTest::newRow("records of the first page") << QVector<int>{1, 5, 2};
        QTest::newRow("records of the last page") << QVector<int>{6, 0, 2};
    }
    // Deleting touches the shown page only; its start stays a valid place for
    // the previous, the same and the next pages of the recounted listing.
    void afterDeletingOnTheShownPage()
    {
        QFETCH(QVector<int>, c);
        TestDatabase database;
        FillRecords(110);
        QVERIFY(CreateListingIndexes(QSqlDatabase::database()));
        const ListingPage shown = ReadListingPage(QString(), 110, 20, c[0], PageStart());
        for (int row = c[1]; row < c[1] + c[2]; ++row)
            QVERIFY(QSqlQuery().exec("delete from SaveViewDisp where FilePath = " + SqlText(shown.rows.at(row).filePath)));
        const unsigned total = unsigned(CountRecords(AllRecordsCountStatement()));
        QCOMPARE(total, 110u - unsigned(c[2]));
        for (int page : {c[0] - 1, c[0], c[0] + 1, PageCount(total, 20)}) {
            if (page >= 1)
                QCOMPARE(Read(QString(), total, 20, page, shown.start), SteppedPage(QString(), 20, page));
        }
    }
};

QTEST_GUILESS_MAIN(TestListingPage)
#include "tst_listingpage.moc"
