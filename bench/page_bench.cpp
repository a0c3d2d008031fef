// Times the loading of a page of records against the floor of its SQLite work.
//
//   page_bench [rows] [runs]     (default 1000000 rows, 3 runs)
//
// Fills SaveViewDisp of a temporary working database (the default connection),
// then times, in every run, the last page, the first page and a search with
// every filter set, loaded (a) as the record list loads a page: CountRecords,
// RequestedPage and LoadPageRows, and (b) through the SQLite C API with the
// same statements: the count stepped once, then the select stepped past the
// rows before the page and the page's 13 columns read as text.

#include "records/recordquery.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
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
        options.rows = std::max(kPageSize, arguments.at(1).toInt());
    if (arguments.size() > 2)
        options.runs = std::max(1, arguments.at(2).toInt());
    return options;
}

// One second per record, inserted out of time order (7919 is prime to the row
// count) so that the order clause sorts for real. A third are live records, a
// third of the rest have no parties; the search's ID matches one row in 500.
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

// A page request as the record list makes it; checkedCount is run by searches only.
struct Listing
{
    QString name;
    PageLoadMode mode;
    ListingStatements statements;
};

std::vector<Listing> TimedListings(int rows)
{
    const ListingStatements all{AllRecordsSelectStatement(), AllRecordsCountStatement(), QString()};
    return {{QStringLiteral("last page"), PageLast, all},
            {QStringLiteral("first page"), PageHome, all},
            {QStringLiteral("search, every filter"), PageSearch, BuildSearchStatements(EveryFilterSet(rows))}};
}

int PageOf(const Listing &listing, int totalCount)
{
    return RequestedPage(listing.mode, PageState{kPageSize, 1, unsigned(totalCount)}, 0);
}

// What a load yields, to check that both ways load the same page.
struct LoadedPage
{
    int totalCount = 0;
    int page = 0;
    int rows = 0;
};

LoadedPage LoadRealPage(const Listing &listing)
{
    LoadedPage loaded;
    loaded.totalCount = CountRecords(listing.statements.count);
    loaded.page = PageOf(listing, loaded.totalCount);
    if (!listing.statements.checkedCount.isEmpty())
        CountRecords(listing.statements.checkedCount);
    loaded.rows = LoadPageRows(listing.statements.select, kPageSize, loaded.page).size();
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

    LoadedPage LoadPage(const Listing &listing) const
    {
        LoadedPage loaded;
        loaded.totalCount = Count(listing.statements.count);
        loaded.page = PageOf(listing, loaded.totalCount);
        if (!listing.statements.checkedCount.isEmpty())
            Count(listing.statements.checkedCount);
        loaded.rows = StepPage(listing.statements.select, loaded.page);
        return loaded;
    }

private:
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

    // The rows of the page, each of its columns read as text.
    int StepPage(const QString &statement, int page) const
    {
        sqlite3_stmt *prepared = Prepare(statement);
        const int skipped = (page - 1) * kPageSize;
        int step = 0;
        while (step < skipped && sqlite3_step(prepared) == SQLITE_ROW)
            ++step;
        int rows = 0;
        while (rows < kPageSize && sqlite3_step(prepared) == SQLITE_ROW) {
            for (int column = 0; column < kColumnCount; ++column)
                m_textBytes += qstrlen(reinterpret_cast<const char *>(
                    sqlite3_column_text(prepared, column)));
            ++rows;
        }
        sqlite3_finalize(prepared);
        return rows;
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
    LoadedPage loaded;
};

Sample Measure(const std::function<LoadedPage()> &load)
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

struct Samples
{
    std::vector<Sample> real;
    std::vector<Sample> floor;
};

template <typename Value>
Value MedianOf(const std::vector<Sample> &samples, Value Sample::*field)
{
    std::vector<Value> values;
    for (const Sample &sample : samples)
        values.push_back(sample.*field);
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

bool SameLoad(const Sample &real, const Sample &floor)
{
    return real.loaded.totalCount == floor.loaded.totalCount && real.loaded.page == floor.loaded.page
           && real.loaded.rows == floor.loaded.rows && real.loaded.rows > 0;
}

QString Ms(double ms)
{
    return QString::number(ms, 'f', 1);
}

QString MiB(long kib)
{
    return QString::number(kib / 1024.0, 'f', 1);
}

QString MedianLine(const Samples &samples)
{
    const LoadedPage &loaded = samples.real.front().loaded;
    const double realMs = MedianOf(samples.real, &Sample::ms);
    const double floorMs = MedianOf(samples.floor, &Sample::ms);
    return QStringLiteral("(page %1 of %2, %3 records, %4 rows): %5 / %6 ms, ratio %7, "
                          "peak %8 MiB (floor %9), after %10 MiB")
        .arg(QString::number(loaded.page),
             QString::number(PageCount(unsigned(loaded.totalCount), kPageSize)),
             QString::number(loaded.totalCount), QString::number(loaded.rows), Ms(realMs),
             Ms(floorMs), QString::number(realMs / std::max(floorMs, 0.001), 'f', 2),
             MiB(MedianOf(samples.real, &Sample::peakKiB)),
             MiB(MedianOf(samples.floor, &Sample::peakKiB)))
        .arg(MiB(MedianOf(samples.real, &Sample::rssAfterKiB)));
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
    QElapsedTimer fillTimer;
    fillTimer.start();
    if (!FillRecords(options.rows))
        return 1;
    out << "rows: " << options.rows << " (filled in " << fillTimer.elapsed() << " ms, peak RSS "
        << MiB(StatusKiB("VmHWM:")) << " MiB), page size " << kPageSize << ", " << options.runs
        << " runs" << Qt::endl;
    if (!ResetPeakRss())
        out << "cannot reset the peak RSS: the peaks below are those of the whole process" << Qt::endl;

    const FloorDatabase floorDatabase(database.FileName());
    const std::vector<Listing> listings = TimedListings(options.rows);
    std::vector<Samples> samples(listings.size());
    bool consistent = true;
    for (int run = 1; run <= options.runs; ++run) {
        out << "run " << run << ":";
        for (std::size_t i = 0; i < listings.size(); ++i) {
            const Listing &listing = listings[i];
            const Sample real = Measure([&] { return LoadRealPage(listing); });
            const Sample floor = Measure([&] { return floorDatabase.LoadPage(listing); });
            consistent = consistent && SameLoad(real, floor);
            samples[i].real.push_back(real);
            samples[i].floor.push_back(floor);
            out << "  " << listing.name << " " << Ms(real.ms) << " / " << Ms(floor.ms) << " ms";
        }
        out << Qt::endl;
    }

    out << "median of " << options.runs << " runs: load / floor, ratio, peak RSS during the load, "
        << "RSS after it" << Qt::endl;
    for (std::size_t i = 0; i < listings.size(); ++i)
        out << "  " << listings[i].name << " " << MedianLine(samples[i]) << Qt::endl;
    // In the order of TimedListings().
    const Samples &lastPage = samples.at(0);
    const Samples &firstPage = samples.at(1);
    out << "RSS after page 1 vs after the last page: "
        << MiB(MedianOf(firstPage.real, &Sample::rssAfterKiB)) << " vs "
        << MiB(MedianOf(lastPage.real, &Sample::rssAfterKiB)) << " MiB (peaks "
        << MiB(MedianOf(firstPage.real, &Sample::peakKiB)) << " vs "
        << MiB(MedianOf(lastPage.real, &Sample::peakKiB)) << " MiB)" << Qt::endl;
    if (!consistent)
        out << "the load and the floor did not yield the same pages" << Qt::endl;
    return consistent ? 0 : 1;
}
