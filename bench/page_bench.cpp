// Times the page requests of the record list on a large listing, the way it
// reads pages now beside the way it read them before, and beside the floor of
// the new way's SQLite work.
//
//   page_bench [rows] [runs]     (default 1000000 rows, 3 runs)
//
// Fills SaveViewDisp of a temporary working database (the default connection)
// and times, in every run, six requests of page size 200:
// - before: as the record list read pages before: the count statement, then
//   the listing's select "select * ... order by CreatFileTime", stepped past
//   the records before the page, on the table without indexes;
// - now: after the listing's indexes are created as a scan creates them, the
//   listing counted once (the first page and the search count it) and the page
//   read by ReadListingPage from the nearest known place;
// - floor: the statement that ReadListingPage runs, with the same values,
//   stepped through the SQLite C API and each column read as text.

#include "records/listingpage.h"
#include "records/recordquery.h"
#include "store/schema.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kPageSize = 200;
constexpr int kColumnCount = 13;
constexpr qint64 kFirstRecordTime = 1704067200; // 2024-01-01 00:00:00 UTC

struct Options
{
    int rows = 1000000;
    int runs = 3;
};

Options ParseOptions(const QStringList &arguments)
{
    Options options;
    if (arguments.size() > 1)
        options.rows = std::max(4 * kPageSize, arguments.at(1).toInt());
    if (arguments.size() > 2)
        options.runs = std::max(1, arguments.at(2).toInt());
    return options;
}

// One second per record, inserted out of time order (7919 is prime to the row
// count) so that the order really sorts. A third are live records, a third of
// the rest have no parties; the search's ID matches one row in 500.
bool FillRecords(int rows)
{
    QSqlQuery query;
    query.prepare(QStringLiteral(
        "insert into SaveViewDisp "
        "with recursive n(i) as (select 0 union all select i + 1 from n where i + 1 < :rows) "
        "select i % 2, printf('rec_%07d.wav', i), "
        "strftime('%Y-%m-%d %H:%M:%S', :first + i * 7919 % :rows, 'unixepoch'), "
        "time(i % 3600, 'unixepoch'), i % 500, 1000 + i % 700, 1 + (i % 3 != 0), "
        "(i / 1000) % 3, 400000000 + i % 1000 * 125, 410000000 + i % 1000 * 125, "
        "printf('/records/folder_%03d/rec_%07d.wav', i % 100, i), 1 + i % 3, i % 10000 "
        "from n"));
    query.bindValue(QStringLiteral(":rows"), rows);
    query.bindValue(QStringLiteral(":first"), kFirstRecordTime);
    if (query.exec())
        return true;
    QTextStream(stderr) << query.lastError().text() << Qt::endl;
    return false;
}

SearchFilter EveryFilterSet(int rows)
{
    SearchFilter filter;
    filter.start = QDateTime::fromSecsSinceEpoch(kFirstRecordTime + rows / 4, Qt::UTC);
    filter.end = QDateTime::fromSecsSinceEpoch(kFirstRecordTime + rows * 3 / 4, Qt::UTC);
    filter.idText = QStringLiteral("42");
    filter.recordTypeIndex = 1; // "Call Record"
    filter.callTypeIndex = 2;   // "Group Call"
    filter.keyword = QStringLiteral("2.wav");
    return filter;
}

// One request: the listing, the page shown before it (0: none, a new
// listing) and the page it loads.
struct Request
{
    QString name;
    ListingStatements listing;
    int shownPage = 0;
    int page = 1;
    bool countsChecked = false;
};

std::vector<Request> TimedRequests(int rows)
{
    const ListingStatements all{QString(), AllRecordsCountStatement(), QString()};
    const int pages = PageCount(unsigned(rows), kPageSize);
    const int middle = pages / 2;
    return {
        {QStringLiteral("first page"), all, 0, 1, false},
        {QStringLiteral("last page"), all, 1, pages, false},
        {QStringLiteral("next, middle"), all, middle, middle + 1, false},
        {QStringLiteral("previous, middle"), all, middle + 1, middle, false},
        {QStringLiteral("go to the middle"), all, 1, middle, false},
        {QStringLiteral("search, every filter"), BuildSearchStatements(EveryFilterSet(rows)), 0, 1,
         true},
    };
}

// What a request loaded, to check that the ways agree.
struct Loaded
{
    int totalCount = 0;
    QStringList paths;
};

// The page as the record list read it before: count, then step the sorted
// select past the records before the page.
Loaded LoadBefore(const Request &request)
{
    Loaded loaded;
    loaded.totalCount = CountRecords(request.listing.count);
    if (request.countsChecked)
        CountRecords(request.listing.checkedCount);
    QSqlQuery query;
    query.setForwardOnly(true);
    query.exec(QStringLiteral("select * from SaveViewDisp") + request.listing.condition
               + QStringLiteral(" order by CreatFileTime"));
    query.seek((request.page - 1) * kPageSize - 1);
    while (loaded.paths.size() < kPageSize && query.next())
        loaded.paths << MakeRecordRow(query, loaded.paths.size() + 1).filePath;
    return loaded;
}

QStringList PathsOf(const QList<RecordRow> &rows)
{
    QStringList paths;
    for (const RecordRow &row : rows)
        paths << row.filePath;
    return paths;
}

// The start of the page shown before the request, read untimed.
PageStart ShownStart(const Request &request, unsigned int totalCount)
{
    if (request.shownPage == 0)
        return PageStart();
    return ReadListingPage(request.listing.condition, totalCount, kPageSize, request.shownPage,
                           PageStart())
        .start;
}

// A new listing is counted; a page of a listing shown already uses its count.
Loaded LoadNow(const Request &request, unsigned int knownCount, const PageStart &shown)
{
    Loaded loaded;
    loaded.totalCount = request.shownPage == 0 ? CountRecords(request.listing.count) : int(knownCount);
    if (request.countsChecked)
        CountRecords(request.listing.checkedCount);
    loaded.paths = PathsOf(ReadListingPage(request.listing.condition, unsigned(loaded.totalCount),
                                           kPageSize, request.page, shown)
                               .rows);
    return loaded;
}

class FloorDatabase
{
public:
    explicit FloorDatabase(const QString &fileName)
    {
        if (sqlite3_open_v2(QFile::encodeName(fileName).constData(), &m_db, SQLITE_OPEN_READONLY,
                            nullptr)
            != SQLITE_OK)
            qFatal("cannot open the database for the floor");
    }
    ~FloorDatabase() { sqlite3_close(m_db); }
    FloorDatabase(const FloorDatabase &) = delete;
    FloorDatabase &operator=(const FloorDatabase &) = delete;

    Loaded Load(const Request &request, unsigned int knownCount, const PageStart &shown) const
    {
        Loaded loaded;
        loaded.totalCount = request.shownPage == 0 ? Count(request.listing.count) : int(knownCount);
        if (request.countsChecked)
            Count(request.listing.checkedCount);
        const PageRead read = PlanPageRead(unsigned(loaded.totalCount), kPageSize, request.page, shown);
        sqlite3_stmt *prepared = Prepare(PageReadStatement(request.listing.condition, read.origin));
        int position = 1;
        if (StartsAtKnown(read.origin)) {
            const QByteArray time = shown.startTime.toString().toUtf8();
            sqlite3_bind_text(prepared, position++, time.constData(), time.size(), SQLITE_TRANSIENT);
            sqlite3_bind_int64(prepared, position++, shown.rowId);
        }
        sqlite3_bind_int(prepared, position++, read.count);
        sqlite3_bind_int(prepared, position, read.skip);
        while (sqlite3_step(prepared) == SQLITE_ROW) {
            for (int column = 0; column < kColumnCount; ++column)
                m_textBytes += qstrlen(ColumnText(prepared, column));
            loaded.paths << QString::fromUtf8(ColumnText(prepared, ColFilePath));
        }
        sqlite3_finalize(prepared);
        if (ReadsBackward(read.origin))
            std::reverse(loaded.paths.begin(), loaded.paths.end());
        return loaded;
    }

private:
    static const char *ColumnText(sqlite3_stmt *prepared, int column)
    {
        return reinterpret_cast<const char *>(sqlite3_column_text(prepared, column));
    }

    sqlite3_stmt *Prepare(const QString &statement) const
    {
        sqlite3_stmt *prepared = nullptr;
        if (sqlite3_prepare_v2(m_db, statement.toUtf8().constData(), -1, &prepared, nullptr)
            != SQLITE_OK)
            qFatal("cannot prepare %s", qPrintable(statement));
        return prepared;
    }

    int Count(const QString &statement) const
    {
        sqlite3_stmt *prepared = Prepare(statement);
        const int count = sqlite3_step(prepared) == SQLITE_ROW ? sqlite3_column_int(prepared, 0) : 0;
        sqlite3_finalize(prepared);
        return count;
    }

    sqlite3 *m_db = nullptr;
    mutable qint64 m_textBytes = 0; // keeps the reads from being optimised away
};

long StatusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Writing 5 to clear_refs sets the peak (VmHWM) back to the current RSS.
bool ResetPeakRss()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

struct Sample
{
    double ms = 0;
    long peakKiB = 0;
    long rssAfterKiB = 0;
    Loaded loaded;
};

Sample Measure(const std::function<Loaded()> &load)
{
    ResetPeakRss();
    QElapsedTimer timer;
    timer.start();
    Sample sample;
    sample.loaded = load();
    sample.ms = timer.nsecsElapsed() / 1e6;
    sample.peakKiB = StatusKiB("VmHWM:");
    sample.rssAfterKiB = StatusKiB("VmRSS:");
    return sample;
}

template <typename Value>
Value MedianOf(const std::vector<Sample> &samples, Value Sample::*field)
{
    std::vector<Value> values;
    for (const Sample &sample : samples)
        values.push_back(sample.*field);
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The samples of one request.
struct Samples
{
    std::vector<Sample> before;
    std::vector<Sample> now;
    std::vector<Sample> floor;
};

bool SameLoad(const Sample &a, const Sample &b)
{
    return a.loaded.totalCount == b.loaded.totalCount && a.loaded.paths == b.loaded.paths
           && !a.loaded.paths.isEmpty();
}

QString Ms(double ms)
{
    return QString::number(ms, 'f', 1);
}

QString MiB(long kib)
{
    return QString::number(kib / 1024.0, 'f', 1);
}

QString Ratio(double a, double b)
{
    return QString::number(a / std::max(b, 0.001), 'f', 2);
}

QString MedianLine(const Request &request, const Samples &samples)
{
    const Loaded &loaded = samples.now.front().loaded;
    const double beforeMs = MedianOf(samples.before, &Sample::ms);
    const double nowMs = MedianOf(samples.now, &Sample::ms);
    const double floorMs = MedianOf(samples.floor, &Sample::ms);
    return QStringLiteral("%1 (page %2 of %3, %4 records, %5 rows): before %6 ms, now %7 ms "
                          "(now/before %8), floor %9 ms (now/floor %10), peak %11 MiB, after %12 MiB")
        .arg(request.name, QString::number(request.page),
             QString::number(PageCount(unsigned(loaded.totalCount), kPageSize)),
             QString::number(loaded.totalCount), QString::number(loaded.paths.size()), Ms(beforeMs),
             Ms(nowMs), Ratio(nowMs, beforeMs), Ms(floorMs))
        .arg(Ratio(nowMs, floorMs), MiB(MedianOf(samples.now, &Sample::peakKiB)),
             MiB(MedianOf(samples.now, &Sample::rssAfterKiB)));
}

void TimeBefore(const std::vector<Request> &requests, int runs, std::vector<Samples> &samples,
                QTextStream &out)
{
    for (int run = 1; run <= runs; ++run) {
        out << "before, run " << run << ":";
        for (std::size_t i = 0; i < requests.size(); ++i) {
            samples[i].before.push_back(Measure([&] { return LoadBefore(requests[i]); }));
            out << "  " << Ms(samples[i].before.back().ms);
        }
        out << " ms" << Qt::endl;
    }
}

bool TimeNow(const std::vector<Request> &requests, int runs, const FloorDatabase &floorDatabase,
             std::vector<Samples> &samples, QTextStream &out)
{
    bool consistent = true;
    for (int run = 1; run <= runs; ++run) {
        out << "now / floor, run " << run << ":";
        for (std::size_t i = 0; i < requests.size(); ++i) {
            const Request &request = requests[i];
            const unsigned int count = unsigned(CountRecords(request.listing.count));
            const PageStart shown = ShownStart(request, count);
            const Sample now = Measure([&] { return LoadNow(request, count, shown); });
            const Sample floor = Measure([&] { return floorDatabase.Load(request, count, shown); });
            consistent = consistent && SameLoad(now, floor) && SameLoad(now, samples[i].before.front());
            samples[i].now.push_back(now);
            samples[i].floor.push_back(floor);
            out << "  " << Ms(now.ms) << " / " << Ms(floor.ms);
        }
        out << " ms" << Qt::endl;
    }
    return consistent;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Options options = ParseOptions(app.arguments());
    QTextStream out(stdout);

    TestDatabase database;
    if (!database.IsReady())
        qFatal("cannot create the temporary database");
    QSqlQuery().exec(QStringLiteral("PRAGMA synchronous = OFF;"));
    QElapsedTimer timer;
    timer.start();
    if (!FillRecords(options.rows))
        return 1;
    out << "rows: " << options.rows << " (filled in " << timer.elapsed() << " ms, peak RSS "
        << MiB(StatusKiB("VmHWM:")) << " MiB), page size " << kPageSize << ", " << options.runs
        << " runs" << Qt::endl;
    if (!ResetPeakRss())
        out << "cannot reset the peak RSS: the peaks below are those of the whole process" << Qt::endl;

    const std::vector<Request> requests = TimedRequests(options.rows);
    std::vector<Samples> samples(requests.size());
    TimeBefore(requests, options.runs, samples, out);

    timer.restart();
    if (!CreateListingIndexes(QSqlDatabase::database()))
        qFatal("cannot create the listing's indexes");
    out << "indexes created in " << timer.elapsed() << " ms" << Qt::endl;

    const FloorDatabase floorDatabase(database.FileName());
    const bool consistent = TimeNow(requests, options.runs, floorDatabase, samples, out);

    out << "median of " << options.runs << " runs; peak RSS during the request now, RSS after it:"
        << Qt::endl;
    for (std::size_t i = 0; i < requests.size(); ++i)
        out << "  " << MedianLine(requests[i], samples[i]) << Qt::endl;
    if (!consistent)
        out << "the ways did not load the same pages" << Qt::endl;
    return consistent ? 0 : 1;
}
