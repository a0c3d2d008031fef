#include "records/recordingexport.h"

#include "import/recordingopen.h"
#include "records/csvline.h"
#include "records/filemove.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// Small enough that a stop is seen within milliseconds.
constexpr qint64 kPieceSize = 256 * 1024;

// The number of bytes written, each hashed once written; -1 when a read or a
// write failed or the copy was stopped.
qint64 CopyBytes(QFile &input, QFile &output, QCryptographicHash &hash,
                 const StopRequest &stopRequested)
{
    QByteArray piece(int(kPieceSize), Qt::Uninitialized);
    for (qint64 total = 0;;) {
        if (stopRequested())
            return -1;
        const qint64 count = input.read(piece.data(), kPieceSize);
        if (count <= 0)
            return count == 0 ? total : -1;
        if (output.write(piece.constData(), count) != count)
            return -1;
        hash.addData(piece.constData(), int(count));
        total += count;
    }
}

#ifdef Q_OS_WIN
bool GiveSourceAttributes(const QFile &input, QFile &output)
{
    output.setPermissions(input.permissions());
    return output.setFileTime(input.fileTime(QFileDevice::FileModificationTime),
                              QFileDevice::FileModificationTime);
}

void GiveNewFileMode(QFile &) {}
#else
// Read from the kernel's account of the process: changing the umask to learn
// it would race with the threads that create files meanwhile.
unsigned ProcessUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:"))
                return line.mid(6).trimmed().toUInt(nullptr, 8);
        }
    }
    return 022;
}

// The copy gets the source's modification time, to the nanosecond, and its
// permissions as a new file of this process would get them: without what the
// umask takes away. False when the time could not be set.
bool GiveSourceAttributes(const QFile &input, QFile &output)
{
    struct stat status;
    if (::fstat(input.handle(), &status) != 0)
        return false;
    ::fchmod(output.handle(), CopyMode(status.st_mode, ProcessUmask()));
    const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    return ::futimens(output.handle(), times) == 0;
}

// A temporary file is made for its owner alone; the files an export writes
// get the mode of any new file.
void GiveNewFileMode(QFile &output)
{
    ::fchmod(output.handle(), CopyMode(0666, ProcessUmask()));
}
#endif

// Writes bytes to a temporary name beside target and gives them the name
// target when complete, without replacing anything.
bool WriteNewFile(const QString &target, const QByteArray &bytes)
{
    QTemporaryFile file(TemporaryFileTemplate(QFileInfo(target).path()));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    GiveNewFileMode(file);
    return PlaceTemporaryFile(file, target);
}

// Writes stem + kManifestSuffix, a line for each file, then stem +
// kChecksumSuffix, a line for each copy, each as a new file; false when
// either was not written whole.
bool WriteManifestAndChecksums(const QString &stem, const QList<ExportedFile> &files)
{
    QString manifest = CsvLine(ManifestColumnNames());
    QByteArray checksums;
    for (const ExportedFile &file : files) {
        manifest += CsvLine(ManifestFields(file));
        if (file.result == ExportResult::Copied)
            checksums += ChecksumLine(file.copy.name, file.copy.sha256);
    }
    return WriteNewFile(stem + kManifestSuffix, manifest.toUtf8())
           && WriteNewFile(stem + kChecksumSuffix, checksums);
}

} // namespace

unsigned CopyMode(unsigned sourceMode, unsigned umask)
{
    return sourceMode & 0777u & ~umask;
}

std::optional<CopiedFile> CopyRecording(const QString &source, const QString &dir,
                                        const QString &fileName, const StopRequest &stopRequested)
{
    QFile input;
    QTemporaryFile output(TemporaryFileTemplate(dir));
    if (!OpenRecordingFile(input, source) || !output.open())
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const qint64 size = CopyBytes(input, output, hash, stopRequested);
    if (size < 0 || !output.flush() || !GiveSourceAttributes(input, output))
        return std::nullopt;
    const QString target = FreeExportTarget(dir, fileName);
    if (!PlaceTemporaryFile(output, target))
        return std::nullopt;
    return CopiedFile{QFileInfo(target).fileName(), size, hash.result().toHex()};
}

RecordingExport::RecordingExport(const ExportPlan &plan, const QString &dir,
                                 const QDateTime &time, const RecordingCopier &copy)
    : m_plan(plan)
    , m_dir(dir)
    , m_time(time)
    , m_copy(copy)
{
}

RecordingExport::~RecordingExport()
{
    Stop();
}

void RecordingExport::Start()
{
    m_thread = std::thread(&RecordingExport::Run, this);
}

void RecordingExport::Stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

// A copy that ends after Cancel was asked for is kept, and listed, as copied.
ExportedFile RecordingExport::Copy(const RecordRow &record, const StopRequest &stopRequested)
{
    ExportedFile file{record, ExportResult::Cancelled, {}};
    if (m_stop)
        return file;
    const std::optional<CopiedFile> copy =
        m_copy(record.filePath, m_dir, record.fileName, stopRequested);
    if (copy) {
        file.result = ExportResult::Copied;
        file.copy = *copy;
    } else if (!m_stop) {
        file.result = ExportResult::Failed;
    }
    return file;
}

void RecordingExport::Run()
{
    const StopRequest stopRequested = [this] { return bool(m_stop); };
    QList<ExportedFile> files;
    for (const RecordRow &record : m_plan.taken) {
        files.append(Copy(record, stopRequested));
        if (m_stop)
            continue;
        m_done = int(files.size());
        emit FileDone(m_done, Total());
    }
    for (const RecordRow &record : m_plan.missing)
        files.append({record, ExportResult::Missing, {}});
    const bool written = WriteManifestAndChecksums(FreeManifestStem(m_dir, m_time), files);
    m_complete = written && std::all_of(files.cbegin(), files.cend(), [](const ExportedFile &file) {
                     return file.result == ExportResult::Copied;
                 });
    m_finished = true;
    emit Finished();
}
