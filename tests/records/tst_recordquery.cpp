// The listing's rules: the search condition, the page a request loads, the checked count and the stored check marks.

#include "records/recordquery.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

static const QString kCall = " and RecordType = 2", kLive = " and RecordType = 1", kNotChannel1 = " and ChannelType != 1";
static QString Parties(int id) { return QStringLiteral(" and (CallingID = %1 or ReceiveID = %1)").arg(id); }

class TestRecordQuery : public QObject
{
    Q_OBJECT

private slots:
    // Record types: 0 all, 1 call, 2 live records; call types: 0 all, 1 private ... 7 emergency; out of range: no filter.
    void filterCondition_data()
    {
        QTest::addColumn<QString>("id"); QTest::addColumn<QPoint>("types"); QTest::addColumn<QString>("condition");
        for (const auto &[tag, id, types, condition] : std::initializer_list<std::tuple<const char *, QString, QPoint, QString>>{
                 {"nothing", "", {0, 0}, QString()}, {"indexes below range", "", {-1, -1}, QString()},
                 {"indexes past the end", "", {3, 8}, QString()}, {"id: call records", "1001", {0, 0}, Parties(1001) + kNotChannel1 + kCall},
                 {"id 0 on call records", "0", {1, 0}, Parties(0) + kNotChannel1 + kCall},
                 {"id on live records: none", "1001", {2, 0}, Parties(-1) + kLive}, {"call records", "", {1, 0}, kCall},
                 {"live records, call type ignored", "", {2, 1}, kLive},
                 {"private call", "", {0, 1}, kCall + " and CallType = 0" + kNotChannel1},
                 {"group call", "", {0, 2}, kCall + " and CallType = 1"}, {"ZRN private call", "", {0, 4}, kCall + " and CallType = 16"},
                 {"emergency, the last", "", {1, 7}, kCall + " and CallType = 33"},
                 {"id and group call", "7", {0, 2}, Parties(7) + kNotChannel1 + kCall + " and CallType = 1"}})
            QTest::newRow(tag) << id << types << condition;
    }
    void filterCondition()
    {
        QFETCH(QString, id); QFETCH(QPoint, types); QFETCH(QString, condition);
        QCOMPARE(BuildFilterCondition(id, types.x(), types.y()), condition);
    }

    // Run on four records around the bounds of 2024-03-07: the counts of the listing and of its checked records.
    void searchStatements_data()
    {
        QTest::addColumn<QStringList>("filter"); QTest::addColumn<QString>("condition"); QTest::addColumn<QPoint>("counts");
        const QString day = " where CreatFileTime between '2024-03-07 00:00:00' and '2024-03-07 23:59:59'";
        QTest::newRow("both bounds taken") << QStringList{"86399", "", "0", ""} << day << QPoint(2, 1);
        QTest::newRow("keyword, a quote") << QStringList{"86399", "", "0", "'"} << day + " and FileName like '%''%'" << QPoint(1, 1);
        QTest::newRow("keyword, two quotes") << QStringList{"86399", "", "0", "''"} << day + " and FileName like '%''''%'" << QPoint(0, 0);
        QTest::newRow("id") << QStringList{"86399", "1001", "0", ""} << day + Parties(1001) + kNotChannel1 + kCall << QPoint(1, 1);
        QTest::newRow("private call, up to the next day") << QStringList{"86400", "", "1", ""}
            << day.chopped(21) + "'2024-03-08 00:00:00'" + kCall + " and CallType = 0" + kNotChannel1 << QPoint(1, 0);
    }
    void searchStatements()
    {
        QFETCH(QStringList, filter); QFETCH(QString, condition); QFETCH(QPoint, counts); // seconds to the end, ID, call type, keyword
        TestDatabase database;
        QVERIFY(QSqlQuery().exec("insert into SaveViewDisp (FileCheck, FileName, CreatFileTime, CallingID, ReceiveID, RecordType, CallType, ChannelType) "
                                 "values(1, 'it''s.wav', '2024-03-07 00:00:00', 1001, 2002, 2, 1, 2), (0, '1%.wav', '2024-03-07 23:59:59', 1001, 0, 1, 0, 1), "
                                 "(0, 'x.wav', '2024-03-08 00:00:00', 5, 1001, 2, 0, 2), (1, 'y.wav', '2024-03-06 23:59:59', 1001, 1, 2, 0, 1)"));
        const QDateTime start({2024, 3, 7}, {0, 0});
        const ListingStatements statements = BuildSearchStatements({start, start.addSecs(filter[0].toInt()), filter[1], 0, filter[2].toInt(), filter[3]});
        QCOMPARE(statements.condition, condition);
        QCOMPARE(statements.count, "select count(*) from SaveViewDisp" + condition);
        QCOMPARE(QPoint(CountRecords(statements.count), CountRecords(statements.checkedCount)), counts);
        QCOMPARE(CountRecords(AllRecordsCountStatement()), 4);
    }

    // Pages of 200: the page a request loads, 0 when refused.
    void requestedPage_data()
    {
        QTest::addColumn<QVector<int>>("c"); // mode, records, current page, typed page, page loaded
        for (const auto &[tag, c] : std::initializer_list<std::pair<const char *, QVector<int>>>{
                 {"home, empty", {PageHome, 0, 1, 0, 1}}, {"home from page 3", {PageHome, 401, 3, 0, 1}},
                 {"previous on page 1", {PagePrevious, 401, 1, 0, 0}}, {"previous on page 2", {PagePrevious, 401, 2, 0, 1}},
                 {"next, empty", {PageNext, 0, 1, 0, 0}}, {"next, one page", {PageNext, 200, 1, 0, 0}},
                 {"next, one more", {PageNext, 201, 1, 0, 2}}, {"next on the last of two", {PageNext, 400, 2, 0, 0}},
                 {"last, empty", {PageLast, 0, 1, 0, 1}}, {"last, two pages exactly", {PageLast, 400, 1, 0, 2}},
                 {"last, one more", {PageLast, 401, 1, 0, 3}}, {"go to 0", {PageGoto, 401, 2, 0, 0}},
                 {"go to 1, empty", {PageGoto, 0, 1, 1, 1}}, {"go to 2, empty", {PageGoto, 0, 1, 2, 0}},
                 {"go to the last", {PageGoto, 400, 1, 2, 2}}, {"go past the last", {PageGoto, 400, 1, 3, 0}},
                 {"search", {PageSearch, 0, 3, 0, 1}}, {"refresh", {PageRefresh, 401, 3, 0, 3}},
                 {"refresh of a page gone", {PageRefresh, 399, 3, 0, 2}},
                 {"refresh of a page emptied exactly", {PageRefresh, 400, 3, 0, 2}}, {"go to -1", {PageGoto, 401, 2, -1, 0}}})
            QTest::newRow(tag) << c;
    }
    void requestedPage()
    {
        QFETCH(QVector<int>, c);
        QCOMPARE(RequestedPage(PageLoadMode(c[0]), {200, c[2], uint(c[1])}, c[3]), c[4]);
        QCOMPARE(HomeButtonLoads(c[2]), c[2] > 1);
    }

    void counts_data()
    {
        QTest::addColumn<QVector<int>>("c"); // a, b, PageCount(a, 200), MovedCount(a, b)
        for (const QVector<int> &c : {QVector<int>{0, 0, 1, 0}, {0, -1, 1, 0}, {1, -1, 1, 0}, {1, -3, 1, 0}, {199, 1, 1, 200},
                                      {200, 0, 1, 200}, {201, -1, 2, 200}, {400, 4, 2, 404}, {401, -401, 3, 0}})
            QTest::addRow("%d, %d", c[0], c[1]) << c;
    }
    void counts()
    {
        QFETCH(QVector<int>, c);
        QCOMPARE(PageCount(uint(c[0]), 200), c[2]);
        QCOMPARE(MovedCount(uint(c[0]), c[1]), uint(c[3]));
    }

    // Marks as "+path" or "-path", the batch as "name|path"; the records: a.wav and it's.wav in /r, a.wav in /s.
    void checkMarks_data()
    {
        QTest::addColumn<QStringList>("marks"); QTest::addColumn<QStringList>("batch"); QTest::addColumn<QString>("checks");
        for (const auto &[tag, marks, batch, checks] : std::initializer_list<std::tuple<const char *, QStringList, QStringList, QString>>{
                 {"one", {"+/r/a.wav"}, {}, "1,0,0"}, {"marked and unmarked", {"+/r/it's.wav", "+/s/a.wav", "-/s/a.wav"}, {}, "0,1,0"},
                 {"unknown path", {"+/r/b.wav", "+/r"}, {}, "0,0,0"}, {"batch", {}, {"a.wav|/s/a.wav", "it's.wav|/r/it's.wav"}, "0,1,1"},
                 {"batch, name not the record's", {}, {"b.wav|/r/a.wav"}, "0,0,0"}})
            QTest::newRow(tag) << marks << batch << checks;
    }
    void checkMarks()
    {
        QFETCH(QStringList, marks); QFETCH(QStringList, batch); QFETCH(QString, checks);
        TestDatabase database;
        QVERIFY(QSqlQuery().exec("insert into SaveViewDisp (FileCheck, FileName, FilePath) values(0, 'a.wav', '/r/a.wav'), "
                                 "(0, 'it''s.wav', '/r/it''s.wav'), (0, 'a.wav', '/s/a.wav')"));
        for (const QString &mark : marks)
            StoreCheckMark(mark.mid(1), mark.startsWith('+'));
        QStringList names, paths;
        for (const QString &pair : batch)
            names << pair.section('|', 0, 0), paths << pair.section('|', 1);
        QVERIFY(batch.isEmpty() || StoreCheckedBatch(names, paths));
        QCOMPARE(database.Column("FileCheck").join(','), checks);
    }
};

QTEST_GUILESS_MAIN(TestRecordQuery)
#include "tst_recordquery.moc"
