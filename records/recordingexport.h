#pragma once

#include "records/exportmanifest.h"
#include "records/recordfileops.h"
#include "records/recordrow.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

// Asked between the pieces of a copy; true ends it.
using StopRequest = std::function<bool()>;

// Copies the recording at source into dir under fileName, or, when that is
// taken, under fileName with a time suffix. The source is opened without
// blocking and read only when the opened handle is a regular file; its bytes
// go to a temporary name in dir, hashed as they are written, are flushed, get
// the source's modification time, and get the final name only when complete,
// without replacing anything. A copy that fails or is stopped leaves nothing
// behind in dir.
std::optional<CopiedFile> CopyRecording(const QString &source, const QString &dir,
                                        const QString &fileName, const StopRequest &stopRequested);

// The permission bits of a copy: the source's read, write and execute bits
// without those that the umask takes away from a new file.
unsigned CopyMode(unsigned sourceMode, unsigned umask);

using RecordingCopier = std::function<std::optional<CopiedFile>(
    const QString &source, const QString &dir, const QString &fileName,
    const StopRequest &stopRequested)>;

// Copies the taken records' files into a folder, in their order, on a thread
// of its own, so that the window that waits for it keeps painting and can
// stop it; then writes the manifest and checksum file named by the export's
// time, for the copies and the missing records alike.
class RecordingExport : public QObject
{
    Q_OBJECT

public:
    RecordingExport(const ExportPlan &plan, const QString &dir, const QDateTime &time,
                    const RecordingCopier &copy);
    // Stops the copies and waits for them.
    ~RecordingExport() override;

    void Start();
    // Ends the copy under way as soon as it asks, and waits for it.
    void Stop();
    bool IsFinished() const { return m_finished; }
    // When finished: every file copied, none missing or stopped, and the
    // manifest and checksum file written.
    bool IsComplete() const { return m_complete; }
    int Done() const { return m_done; }
    int Total() const { return int(m_plan.taken.size()); }

signals:
    void FileDone(int done, int total);
    void Finished();

private:
    void Run();
    ExportedFile Copy(const RecordRow &record, const StopRequest &stopRequested);

    const ExportPlan m_plan;
    const QString m_dir;
    const QDateTime m_time;
    const RecordingCopier m_copy;
    std::atomic_bool m_stop{false};
    std::atomic_bool m_finished{false};
    std::atomic_bool m_complete{false};
    std::atomic_int m_done{0};
    std::thread m_thread;
};
