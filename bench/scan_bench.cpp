// Times the import scan against the bare file-system work it cannot avoid.
//
//   scan_bench [--tree DIR | --generate DIR] [--runs N] [files] [folders]
//
// Without --tree it writes the recordings into a temporary folder (default
// 100000 files in 100 folders; layouts 80 and 85 mixed, every tenth file
// without a valid marker). With --tree it scans DIR as it is, for example a
// slow file system mounted by bench/share_bench.sh; --generate only writes
// the recordings into DIR. Each run times, in turn:
//   - floor: one thread, opendir/readdir, open, read of 216 bytes, close;
//   - parallel floor: the same walk collecting the paths, then the reader
//     pool's number of threads opening, reading and closing them;
//   - job: the import worker's scan (RecordScan), from its start to its end;
//   - ovelia-scan: the whole program on the tree, its report to /dev/null.
// Then, for files generated here, ovelia-scan on 3,000 of them given as
// 3,000 PATHs against the same files as one folder.
// It prints every run and the medians. Exit status 1 when the job's rows do
// not match the valid recordings (generated trees only).

#include "import/headerreaders.h"
#include "import/recordscan.h"
#include "store/dbprocess.h"
#include "store/schema.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kPeekSize = 216;
constexpr int kManyPaths = 3000;

struct Options
{
    QString tree;
    QString generate;
    int runs = 3;
    int files = 100000;
    int folders = 100;
};

Options ParseOptions(QStringList arguments)
{
    Options options;
    arguments.removeFirst();
    QStringList counts;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--tree") && !arguments.isEmpty())
            options.tree = arguments.takeFirst();
        else if (argument == QLatin1String("--generate") && !arguments.isEmpty())
            options.generate = arguments.takeFirst();
        else if (argument == QLatin1String("--runs") && !arguments.isEmpty())
            options.runs = std::max(1, arguments.takeFirst().toInt());
        else
            counts << argument;
    }
    if (counts.size() > 0)
        options.files = std::max(1, counts.at(0).toInt());
    if (counts.size() > 1)
        options.folders = std::max(1, counts.at(1).toInt());
    return options;
}

RecordingFields FieldsOfFile(int index)
{
    RecordingFields fields;
    fields.layout = index % 2 ? RecordingLayout::Layout80 : RecordingLayout::Layout85;
    if (index % 10 == 9)
        fields.marker = "not_a_recorder";
    fields.callingID = quint32(index);
    fields.second = quint8(index % 60);
    fields.audioLength = quint32(16000 * (index % 3600));
    return fields;
}

int GenerateRecordings(const QDir &root, const Options &options)
{
    int valid = 0;
    for (int i = 0; i < options.files; ++i) {
        const QString folder = QStringLiteral("folder_%1").arg(i % options.folders, 3, 10,
                                                               QLatin1Char('0'));
        const QString name = QStringLiteral("rec_%1.wav").arg(i, 6, 10, QLatin1Char('0'));
        const RecordingFields fields = FieldsOfFile(i);
        if (!WriteRecording(root.filePath(folder + QLatin1Char('/') + name), fields))
            qFatal("cannot write the recordings");
        valid += fields.marker == "radio_recorder";
    }
    return valid;
}

void ReadStart(const std::string &path)
{
    char buffer[kPeekSize];
    const int handle = ::open(path.c_str(), O_RDONLY);
    if (handle >= 0) {
        ssize_t ignored = ::read(handle, buffer, kPeekSize);
        Q_UNUSED(ignored)
        ::close(handle);
    }
}

// The bare walk: every visible entry, typed by readdir; onFile for each file.
template <typename OnFile>
void Walk(const std::string &folder, const OnFile &onFile)
{
    DIR *stream = ::opendir(folder.c_str());
    if (!stream)
        return;
    while (const dirent *entry = ::readdir(stream)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string path = folder + '/' + entry->d_name;
        if (entry->d_type == DT_DIR)
            Walk(path, onFile);
        else if (entry->d_type == DT_REG)
            onFile(path);
    }
    ::closedir(stream);
}

qint64 TimeFloorMs(const std::string &root)
{
    QElapsedTimer timer;
    timer.start();
    Walk(root, ReadStart);
    return timer.elapsed();
}

qint64 TimeParallelFloorMs(const std::string &root, int threads)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<std::string> paths;
    Walk(root, [&paths](const std::string &path) { paths.push_back(path); });
    std::atomic<size_t> next{0};
    std::vector<std::thread> readers;
    for (int i = 0; i < threads; ++i) {
        readers.emplace_back([&] {
            for (size_t at = next++; at < paths.size(); at = next++)
                ReadStart(paths[at]);
        });
    }
    for (std::thread &reader : readers)
        reader.join();
    return timer.elapsed();
}

qint64 TimeScanJobMs(const QString &root)
{
    DeleteAllRecords(QSqlDatabase::database());
    RecordScan scan(QStringList(root), 0, WorkingDatabaseName());
    QElapsedTimer timer;
    timer.start();
    if (scan.Run().failure != ScanResult::None)
        qFatal("the scan could not store or read its records");
    return timer.elapsed();
}

qint64 TimeOveliaScanMs(const QStringList &paths)
{
    QProcess scan;
    scan.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    scan.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ovelia-scan"), paths);
    if (!scan.waitForFinished(-1) || scan.exitCode() != 0)
        qFatal("ovelia-scan failed");
    return timer.elapsed();
}

int SavedRows()
{
    QSqlQuery query(QStringLiteral("select count(*) from SaveViewDisp"));
    return query.next() ? query.value(0).toInt() : -1;
}

long PeakRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

qint64 Median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString Ratio(qint64 ms, qint64 floorMs)
{
    return QString::number(double(ms) / std::max<qint64>(1, floorMs), 'f', 2);
}

// ovelia-scan on count files of the first folder, as one PATH each and as
// their own folder; the median times of both.
std::pair<qint64, qint64> TimeManyPaths(const QDir &root, int count, int runs)
{
    const QDir one(root.filePath(QStringLiteral("many-paths")));
    QStringList paths;
    root.mkpath(one.path());
    for (int i = 0; i < count; ++i) {
        const QString path = one.filePath(QStringLiteral("rec_%1.wav").arg(i));
        if (!WriteRecording(path, FieldsOfFile(i)))
            qFatal("cannot write the recordings");
        paths << path;
    }
    std::vector<qint64> asPaths, asFolder;
    for (int run = 0; run < runs; ++run) {
        asPaths.push_back(TimeOveliaScanMs(paths));
        asFolder.push_back(TimeOveliaScanMs({one.path()}));
    }
    return {Median(asPaths), Median(asFolder)};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Options options = ParseOptions(app.arguments());
    QTextStream out(stdout);
    if (!options.generate.isEmpty()) {
        out << GenerateRecordings(QDir(options.generate), options) << " valid recordings written"
            << Qt::endl;
        return 0;
    }

    QTemporaryDir dir;
    TestDatabase database;
    if (!dir.isValid() || !database.IsReady())
        qFatal("cannot create the temporary folder or database");

    const bool generated = options.tree.isEmpty();
    const QString root = generated ? dir.filePath(QStringLiteral("tree")) : options.tree;
    int valid = -1;
    if (generated) {
        valid = GenerateRecordings(QDir(root), options);
        out << "files: " << options.files << " in " << options.folders << " folders, " << valid
            << " valid" << Qt::endl;
    } else {
        out << "tree: " << root << Qt::endl;
    }
    const std::string nativeRoot = QFile::encodeName(root).toStdString();
    const int threads = HeaderReaders::kMaxThreads;

    std::vector<qint64> floors, parallelFloors, jobs, scans;
    int rows = -1;
    for (int run = 1; run <= options.runs; ++run) {
        floors.push_back(TimeFloorMs(nativeRoot));
        parallelFloors.push_back(TimeParallelFloorMs(nativeRoot, threads));
        jobs.push_back(TimeScanJobMs(root));
        rows = SavedRows();
        scans.push_back(TimeOveliaScanMs({root}));
        out << "run " << run << ": floor " << floors.back() << " ms, parallel floor ("
            << threads << " threads) " << parallelFloors.back() << " ms, job " << jobs.back()
            << " ms (" << rows << " rows), ovelia-scan " << scans.back() << " ms" << Qt::endl;
    }
    const qint64 floorMs = Median(floors);
    const qint64 parallelMs = Median(parallelFloors);
    const qint64 jobMs = Median(jobs);
    const qint64 scanMs = Median(scans);
    out << "medians of " << options.runs << " runs:" << Qt::endl
        << "  floor (1 thread: readdir, open, read 216 bytes, close): " << floorMs << " ms"
        << Qt::endl
        << "  parallel floor (the walk, then " << threads << " threads): " << parallelMs
        << " ms" << Qt::endl
        << "  job (the worker's scan, start to end): " << jobMs << " ms; job/floor "
        << Ratio(jobMs, floorMs) << ", job/parallel floor " << Ratio(jobMs, parallelMs)
        << Qt::endl
        << "  ovelia-scan (report to /dev/null): " << scanMs << " ms; ovelia-scan/floor "
        << Ratio(scanMs, floorMs) << Qt::endl;
    if (generated) {
        const auto [asPaths, asFolder] = TimeManyPaths(QDir(dir.path()), kManyPaths, options.runs);
        out << "  ovelia-scan, " << kManyPaths << " files as " << kManyPaths << " PATHs: "
            << asPaths << " ms, as one folder: " << asFolder << " ms; ratio "
            << Ratio(asPaths, asFolder) << Qt::endl;
    }
    out << "  peak RSS: " << PeakRssMiB() << " MiB" << Qt::endl;
    return generated && rows != valid ? 1 : 0;
}
