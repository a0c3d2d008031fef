#pragma once

#include "import/recordscan.h"
#include "store/dbprocess.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <atomic>
#include <climits>
#include <mutex>

class FolderWalk;
class QTreeWidgetItem;

// The import worker, one for the main window's whole life, reused for every
// job. Mode 1 builds the subfolder items of an imported folder and emits
// UpdataTree(); mode 2 runs the scan of a folder or a file into SaveViewDisp
// (RecordScan) and emits EndFindWav(). The GUI thread sets a job up and starts it only while the
// worker is idle.
class OperaThread : public QThread
{
    Q_OBJECT

public:
    OperaThread();
    ~OperaThread() override;

    // 1 build the folder tree, 2 import recordings, any other value: no job.
    void SetMode(int mode);

    // Mode 1 below rootItem, an item of the tree widget standing for path.
    // The worker never touches rootItem: it builds the items on their own,
    // and AttachBuiltTree() hangs them below rootItem.
    void SetTreeJob(QTreeWidgetItem *rootItem, const QString &path);

    // Mode 2 on path (a folder or a single file) of the import path with this
    // tree node number, inserting into the database file databaseName through
    // a connection of the worker's own.
    void SetScanJob(const QString &path, int treeNodeID,
                    const QString &databaseName = WorkingDatabaseName());
    // Mode 2 on several paths, one after the other, in one job: one
    // connection, and the listing's indexes built once at its end.
    void SetScanJob(const QStringList &paths, int treeNodeID, const QString &databaseName);

    // After the end of a mode-2 job: what made it stop before its end, if
    // anything did besides Cancel (the records stored before stay), and what
    // it left out.
    ScanResult LastScanResult() const;

    // GUI thread, once UpdataTree() has arrived: adds the items built by the
    // last mode-1 job as children of its root item, in the order built.
    void AttachBuiltTree();

    // Interrupts a running job and waits until the worker has ended; a job
    // that was running still emits its end signal.
    void CancelAndWait();

    // Waits until the worker has ended, at most timeoutMs; false on timeout.
    // Unlike a bare wait(), it also meets the worker's last step on a mutex
    // of the C++ library, which thread checkers see (Qt's own locking in
    // QThread::wait() they may not).
    bool WaitForEnd(unsigned long timeoutMs = ULONG_MAX);

signals:
    void UpdataTree();
    void EndFindWav();

protected:
    void run() override;

private:
    void RunTreeJob();
    void RunScanJob();
    void SetScanResult(const ScanResult &result);
    // folder is walked as the real folder canonicalFolder.
    void BuildPathTree(FolderWalk &walk, QTreeWidgetItem *parent, const QString &folder,
                       const QString &canonicalFolder);
    void DeleteBuiltItems();

    QString m_path; // the folder of a mode-1 job
    QStringList m_scanPaths;
    QTreeWidgetItem *m_rootItem = nullptr;
    int m_treeNodeID = -1;
    int m_mode = 0;

    QVariant m_rootNodeNumber;
    QString m_databaseName;
    mutable std::mutex m_resultMutex;
    ScanResult m_result;

    std::mutex m_builtItemsMutex;
    std::mutex m_runMutex; // held by run() from start to end
    QList<QTreeWidgetItem *> m_builtItems;
};
