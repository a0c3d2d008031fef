#pragma once

#include "records/recordrow.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

// Asked between the pieces of a copy; true ends it.
using StopRequest = std::function<bool()>;

// Copies the recording at source into dir under fileName, or, when that is
// taken, under fileName with a time suffix. The source is opened without
// blocking and read only when the opened handle is a regular file; its bytes
// go to a temporary name in dir, are flushed, and get the final name only
// when complete, without replacing anything. A copy that fails or is
// stopped leaves nothing behind in dir.
bool CopyRecording(const QString &source, const QString &dir, const QString &fileName,
                   const StopRequest &stopRequested);

// The permission bits of a copy: the source's read, write and execute bits
// without those that the umask takes away from a new file.
unsigned CopyMode(unsigned sourceMode, unsigned umask);

using RecordingCopier = std::function<bool(const QString &source, const QString &dir,
                                           const QString &fileName,
                                           const StopRequest &stopRequested)>;

// Copies records' files into a folder, in their order, on a thread of its
// own, so that the window that waits for it keeps painting and can stop it.
class RecordingExport : public QObject
{
    Q_OBJECT

public:
    RecordingExport(const QList<RecordRow> &records, const QString &dir,
                    const RecordingCopier &copy);
    // Stops the copies and waits for them.
    ~RecordingExport() override;

    void Start();
    // Ends the copy under way as soon as it asks, and waits for it.
    void Stop();
    bool IsFinished() const { return m_finished; }
    // When finished: every file copied, none stopped.
    bool AllCopied() const { return m_allCopied; }
    int Done() const { return m_done; }
    int Total() const { return int(m_records.size()); }

signals:
    void FileDone(int done, int total);
    void Finished();

private:
    void Run();

    const QList<RecordRow> m_records;
    const QString m_dir;
    const RecordingCopier m_copy;
    std::atomic_bool m_stop{false};
    std::atomic_bool m_finished{false};
    std::atomic_bool m_allCopied{false};
    std::atomic_int m_done{0};
    std::thread m_thread;
};
