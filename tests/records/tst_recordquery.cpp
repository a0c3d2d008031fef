// The listing's rules: the search condition, the page a request loads, the
// checked count and the stored check marks.

#include "records/recordquery.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

const QString kCall = " and RecordType = 2", kNotChannel1 = " and ChannelType != 1";
QString Parties(int id) { return QStringLiteral(" and (CallingID = %1 or ReceiveID = %1)").arg(id); }

} // namespace

class TestRecordQuery : public QObject
{
    Q_OBJECT

private slots:
    // Record type indexes: 0 all, 1 call, 2 live records; call types: 0 all,
    // 1 private ... 7 emergency; an index out of range filters nothing.
    void filterCondition_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QPoint>("types"); // record type, call type
        QTest::addColumn<QString>("condition");
        QTest::newRow("nothing") << "" << QPoint(0, 0) << "";
        QTest::newRow("indexes below range") << "" << QPoint(-1, -1) << "";
        QTest::newRow("indexes past the end") << "" << QPoint(3, 8) << "";
        QTest::newRow("id: call records") << "1001" << QPoint(0, 0) << Parties(1001) + kNotChannel1 + kCall;
        QTest::newRow("id 0 on call records") << "0" << QPoint(1, 0) << Parties(0) + kNotChannel1 + kCall;
        QTest::newRow("id on live records: none") << "1001" << QPoint(2, 0) << Parties(-1) + " and RecordType = 1";
        QTest::newRow("call records") << "" << QPoint(1, 0) << kCall;
        QTest::newRow("live records") << "" << QPoint(2, 0) << " and RecordType = 1";
        QTest::newRow("live records, call type ignored") << "" << QPoint(2, 1) << " and RecordType = 1";
        QTest::newRow("private call") << "" << QPoint(0, 1) << kCall + " and CallType = 0" + kNotChannel1;
        QTest::newRow("group call") << "" << QPoint(0, 2) << kCall + " and CallType = 1";
        QTest::newRow("ZRN private call") << "" << QPoint(0, 4) << kCall + " and CallType = 16";
        QTest::newRow("emergency, the last") << "" << QPoint(1, 7) << kCall + " and CallType = 33";
        QTest::newRow("id and group call") << "7" << QPoint(0, 2) << Parties(7) + kNotChannel1 + kCall + " and CallType = 1";
    }
    void filterCondition()
    {
        QFETCH(QString, id);
        QFETCH(QPoint, types);
        QFETCH(QString, condition);
        QCOMPARE(BuildFilterCondition(id, types.x(), types.y()), condition);
    }

    // Run on four records around the bounds of 2024-03-07: the counts of the
    // listing and of its checked records.
    void searchStatements_data()
    {
        QTest::addColumn<QStringList>("filter"); // end, ID, call type index, keyword
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QPoint>("counts");
        const QString day = " where CreatFileTime between '2024-03-07 00:00:00' and '2024-03-07 23:59:59'";
        QTest::newRow("both bounds taken") << QStringList{"2024-03-07 23:59:59", "", "0", ""} << day << QPoint(2, 1);
        QTest::newRow("keyword, a quote") << QStringList{"2024-03-07 23:59:59", "", "0", "'"} << day + " and FileName like '%''%'" << QPoint(1, 1);
        QTest::newRow("keyword, two quotes") << QStringList{"2024-03-07 23:59:59", "", "0", "''"} << day + " and FileName like '%''''%'" << QPoint(0, 0);
        QTest::newRow("id") << QStringList{"2024-03-07 23:59:59", "1001", "0", ""} << day + Parties(1001) + kNotChannel1 + kCall << QPoint(1, 1);
        QTest::newRow("private call up to the next day") << QStringList{"2024-03-08 00:00:00", "", "1", ""}
            << day.chopped(21) + "'2024-03-08 00:00:00'" + kCall + " and CallType = 0" + kNotChannel1 << QPoint(1, 0);
    }
    void searchStatements()
    {
        QFETCH(QStringList, filter);
        QFETCH(QString, condition);
        QFETCH(QPoint, counts);
        TestDatabase database;
        // Checked, name, start time, calling and receive ID, record, call and channel type.
        for (const char *values : {"1, 'it''s.wav', '2024-03-07 00:00:00', 1001, 2002, 2, 1, 2", "0, '1%.wav', '2024-03-07 23:59:59', 1001, 0, 1, 0, 1",
                                   "0, 'x.wav', '2024-03-08 00:00:00', 5, 1001, 2, 0, 2", "1, 'y.wav', '2024-03-06 23:59:59', 1001, 1, 2, 0, 1"})
            QVERIFY(QSqlQuery().exec(QStringLiteral("insert into SaveViewDisp (FileCheck, FileName, CreatFileTime, CallingID, ReceiveID, "
                                                    "RecordType, CallType, ChannelType) values(%1)").arg(values)));
        const SearchFilter search{QDateTime({2024, 3, 7}, {0, 0}), QDateTime::fromString(filter[0], "yyyy-MM-dd hh:mm:ss"), filter[1], 0, filter[2].toInt(), filter[3]};
        const ListingStatements statements = BuildSearchStatements(search);
        QCOMPARE(statements.condition, condition);
        QCOMPARE(statements.count, "select count(*) from SaveViewDisp" + condition);
        QCOMPARE(QPoint(CountRecords(statements.count), CountRecords(statements.checkedCount)), counts);
        QCOMPARE(CountRecords(AllRecordsCountStatement()), 4);
    }

    // Pages of 200: the page a request loads, 0 when refused.
    void requestedPage_data()
    {
        QTest::addColumn<QVector<int>>("c"); // mode, records, current page, typed page, page loaded
        QTest::newRow("home, empty") << QVector<int>{PageHome, 0, 1, 0, 1};
        QTest::newRow("home from page 3") << QVector<int>{PageHome, 401, 3, 0, 1};
        QTest::newRow("previous on page 1") << QVector<int>{PagePrevious, 401, 1, 0, 0};
        QTest::newRow("previous on page 2") << QVector<int>{PagePrevious, 401, 2, 0, 1};
        QTest::newRow("next, empty") << QVector<int>{PageNext, 0, 1, 0, 0};
        QTest::newRow("next, one page") << QVector<int>{PageNext, 200, 1, 0, 0};
        QTest::newRow("next, one more") << QVector<int>{PageNext, 201, 1, 0, 2};
        QTest::newRow("next on the last of two") << QVector<int>{PageNext, 400, 2, 0, 0};
        QTest::newRow("last, empty") << QVector<int>{PageLast, 0, 1, 0, 1};
        QTest::newRow("last, two pages exactly") << QVector<int>{PageLast, 400, 1, 0, 2};
        QTest::newRow("last, one more") << QVector<int>{PageLast, 401, 1, 0, 3};
        QTest::newRow("go to 0") << QVector<int>{PageGoto, 401, 2, 0, 0};
        QTest::newRow("go to -1") << QVector<int>{PageGoto, 401, 2, -1, 0};
        QTest::newRow("go to 1, empty") << QVector<int>{PageGoto, 0, 1, 1, 1};
        QTest::newRow("go to 2, empty") << QVector<int>{PageGoto, 0, 1, 2, 0};
        QTest::newRow("go to the last") << QVector<int>{PageGoto, 400, 1, 2, 2};
        QTest::newRow("go past the last") << QVector<int>{PageGoto, 400, 1, 3, 0};
        QTest::newRow("go past the last, one more") << QVector<int>{PageGoto, 401, 1, 4, 0};
        QTest::newRow("search") << QVector<int>{PageSearch, 0, 3, 0, 1};
        QTest::newRow("refresh") << QVector<int>{PageRefresh, 401, 3, 0, 3};
        QTest::newRow("refresh of a page gone") << QVector<int>{PageRefresh, 399, 3, 0, 0};
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
        QTest::newRow("0") << QVector<int>{0, 0, 1, 0};
        QTest::newRow("0 less one") << QVector<int>{0, -1, 1, 0};
        QTest::newRow("1 less one") << QVector<int>{1, -1, 1, 0};
        QTest::newRow("1 less three") << QVector<int>{1, -3, 1, 0};
        QTest::newRow("199 and one") << QVector<int>{199, 1, 1, 200};
        QTest::newRow("200") << QVector<int>{200, 0, 1, 200};
        QTest::newRow("201 less one") << QVector<int>{201, -1, 2, 200};
        QTest::newRow("400 and four") << QVector<int>{400, 4, 2, 404};
        QTest::newRow("401 less 401") << QVector<int>{401, -401, 3, 0};
    }
    void counts()
    {
        QFETCH(QVector<int>, c);
        QCOMPARE(PageCount(uint(c[0]), 200), c[2]);
        QCOMPARE(MovedCount(uint(c[0]), c[1]), uint(c[3]));
    }

    // Marks as "+path" or "-path", the batch as "name|path"; the records:
    // a.wav and it's.wav in /r, a.wav in /s.
    void checkMarks_data()
    {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QStringList>("batch");
        QTest::addColumn<QString>("checks");
        QTest::newRow("one") << QStringList{"+/r/a.wav"} << QStringList() << "1,0,0";
        QTest::newRow("marked and unmarked") << QStringList{"+/r/it's.wav", "+/s/a.wav", "-/s/a.wav"} << QStringList() << "0,1,0";
        QTest::newRow("unknown path") << QStringList{"+/r/b.wav", "+/r"} << QStringList() << "0,0,0";
        QTest::newRow("batch") << QStringList() << QStringList{"a.wav|/s/a.wav", "it's.wav|/r/it's.wav"} << "0,1,1";
        QTest::newRow("batch, name not the record's") << QStringList() << QStringList{"b.wav|/r/a.wav"} << "0,0,0";
    }
    void checkMarks()
    {
        QFETCH(QStringList, marks);
        QFETCH(QStringList, batch);
        QFETCH(QString, checks);
        TestDatabase database;
        for (const char *record : {"'a.wav', '/r/a.wav'", "'it''s.wav', '/r/it''s.wav'", "'a.wav', '/s/a.wav'"})
            QVERIFY(QSqlQuery().exec(QStringLiteral("insert into SaveViewDisp (FileCheck, FileName, FilePath) values(0, %1)").arg(record)));
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
