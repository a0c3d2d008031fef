// Times the import scan against the floor of its file system work.
//
//   scan_bench [files] [folders]     (default 100000 files in 100 folders)
//
// Generates the recordings in a temporary folder (layout 80 and 85 mixed,
// every tenth file without a valid marker), then times (a) the real mode-2
// job of OperaThread from start() until EndFindWav() and (b) the same
// directory walk doing only open, read of 216 bytes and close per file.

#include "import/operathread.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>

namespace {

constexpr int kPeekSize = 216;

struct Options
{
    int files = 100000;
    int folders = 100;
};

Options ParseOptions(const QStringList &arguments)
{
    Options options;
    if (arguments.size() > 1)
        options.files = std::max(1, arguments.at(1).toInt());
    if (arguments.size() > 2)
        options.folders = std::max(1, arguments.at(2).toInt());
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

// The floor: the scan's directory walk with nothing but open, read, close.
int ReadHeadersOnly(const QString &folder)
{
    int files = 0;
    char buffer[kPeekSize];
    for (const QFileInfo &entry : QDir(folder).entryInfoList()) {
        if (entry.isFile()) {
            QFile file(entry.filePath());
            if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
                file.read(buffer, kPeekSize);
                file.close();
                ++files;
            }
        } else if (entry.isDir() && entry.fileName() != QLatin1String(".")
                   && entry.fileName() != QLatin1String("..")) {
            files += ReadHeadersOnly(entry.absoluteFilePath());
        }
    }
    return files;
}

qint64 TimeFloorMs(const QString &root, int *files)
{
    QElapsedTimer timer;
    timer.start();
    *files = ReadHeadersOnly(root);
    return timer.elapsed();
}

qint64 TimeScanJobMs(const QString &root)
{
    OperaThread thread;
    std::atomic<qint64> endedAt{-1};
    QElapsedTimer timer;
    QObject::connect(
        &thread, &OperaThread::EndFindWav, &thread, [&] { endedAt = timer.elapsed(); },
        Qt::DirectConnection);
    thread.SetScanJob(root, 0);
    timer.start();
    thread.start();
    thread.wait();
    return endedAt;
}

int SavedRows()
{
    QSqlQuery query(QStringLiteral("select count(*) from SaveViewDisp"));
    return query.next() ? query.value(0).toInt() : -1;
}

long PeakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double PerSecond(int files, qint64 ms)
{
    return ms > 0 ? files * 1000.0 / ms : 0.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Options options = ParseOptions(app.arguments());
    QTextStream out(stdout);

    QTemporaryDir dir;
    TestDatabase database;
    if (!dir.isValid() || !database.IsReady())
        qFatal("cannot create the temporary folder or database");
    QSqlQuery().exec(QStringLiteral("PRAGMA synchronous = OFF;"));

    const int valid = GenerateRecordings(QDir(dir.path()), options);
    out << "files: " << options.files << " in " << options.folders << " folders, " << valid
        << " valid" << Qt::endl;

    const long rssBeforeJobKiB = PeakRssKiB();
    int floorFiles = 0;
    const qint64 floorBeforeMs = TimeFloorMs(dir.path(), &floorFiles);
    const qint64 jobMs = TimeScanJobMs(dir.path());
    const qint64 floorAfterMs = TimeFloorMs(dir.path(), &floorFiles);
    const qint64 floorMs = std::max<qint64>(1, std::min(floorBeforeMs, floorAfterMs));
    const long peakRssKiB = PeakRssKiB();
    const int rows = SavedRows();

    out << "job (mode 2, start to EndFindWav): " << jobMs << " ms, "
        << qRound(PerSecond(options.files, jobMs)) << " files/s, " << rows << " rows" << Qt::endl;
    out << "floor (walk, open, read 216 bytes, close; faster of 2 runs): " << floorMs << " ms, "
        << qRound(PerSecond(floorFiles, floorMs)) << " files/s" << Qt::endl;
    out << "ratio job/floor: " << QString::number(double(jobMs) / floorMs, 'f', 2) << Qt::endl;
    out << "peak RSS: " << peakRssKiB / 1024 << " MiB (" << rssBeforeJobKiB / 1024
        << " MiB before the walks)" << Qt::endl;
    return rows == valid ? 0 : 1;
}
