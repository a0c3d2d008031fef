#include "records/recordingexport.h"

#include "import/recordingopen.h"
#include "records/filemove.h"
#include "records/recordfileops.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// Small enough that a stop is seen within milliseconds.
constexpr qint64 kPieceSize = 256 * 1024;

bool CopyBytes(QFile &input, QFile &output, const StopRequest &stopRequested)
{
    QByteArray piece(int(kPieceSize), Qt::Uninitialized);
    for (;;) {
        if (stopRequested())
            return false;
        const qint64 count = input.read(piece.data(), kPieceSize);
        if (count <= 0)
            return count == 0;
        if (output.write(piece.constData(), count) != count)
            return false;
    }
}

#ifdef Q_OS_WIN
void GiveSourcePermissions(const QFile &, QFile &output, const QString &source)
{
    GiveSourcePermissions(input, output, source);
}
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

// The copy gets the source's permissions, as a new file of this process would
// get them: without what the umask takes away.
void GiveSourcePermissions(const QFile &input, QFile &output, const QString &)
{
    struct stat status;
    if (::fstat(input.handle(), &status) == 0)
        ::fchmod(output.handle(), CopyMode(status.st_mode, ProcessUmask()));
}
#endif

} // namespace

unsigned CopyMode(unsigned sourceMode, unsigned umask)
{
    return sourceMode & 0777u & ~umask;
}

bool CopyRecording(const QString &source, const QString &dir, const QString &fileName,
                   const StopRequest &stopRequested)
{
    QFile input;
    if (!OpenRecordingFile(input, source))
        return false;
    QTemporaryFile output(dir + QStringLiteral("/.ovelia-export-XXXXXX"));
    if (!output.open() || !CopyBytes(input, output, stopRequested) || !output.flush())
        return false;
    GiveSourcePermissions(input, output, source);
    output.close();
    if (!MoveWithoutReplacing(output.fileName(), FreeExportTarget(dir, fileName)))
        return false;
    output.setAutoRemove(false);
    return true;
}

RecordingExport::RecordingExport(const QList<RecordRow> &records, const QString &dir,
                                 const RecordingCopier &copy)
    : m_records(records)
    , m_dir(dir)
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

void RecordingExport::Run()
{
    const StopRequest stopRequested = [this] { return bool(m_stop); };
    bool allCopied = true;
    for (int i = 0; i < m_records.size(); ++i) {
        const RecordRow &record = m_records.at(i);
        allCopied = m_copy(record.filePath, m_dir, record.fileName, stopRequested) && allCopied;
        if (m_stop) {
            allCopied = false;
            break;
        }
        m_done = i + 1;
        emit FileDone(m_done, Total());
    }
    m_allCopied = allCopied;
    m_finished = true;
    emit Finished();
}
