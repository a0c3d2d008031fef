#include "records/recordingexport.h"

#include "import/recordingopen.h"
#include "records/filemove.h"
#include "records/recordfileops.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

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

} // namespace

bool CopyRecording(const QString &source, const QString &dir, const QString &fileName,
                   const StopRequest &stopRequested)
{
    QFile input;
    if (!OpenRecordingFile(input, source))
        return false;
    QTemporaryFile output(dir + QStringLiteral("/.ovelia-export-XXXXXX"));
    if (!output.open() || !CopyBytes(input, output, stopRequested) || !output.flush())
        return false;
    output.setPermissions(QFileInfo(source).permissions());
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
