#include "import/operathread.h"

#include "import/folderlisting.h"
#include "import/recordscan.h"

#include <QTreeWidgetItem>

namespace {

constexpr int kTreePauseMs = 5;

} // namespace

OperaThread::OperaThread() = default;

OperaThread::~OperaThread()
{
    requestInterruption();
    quit();
    WaitForEnd();
    DeleteBuiltItems();
}

void OperaThread::SetMode(int mode)
{
    m_mode = mode;
}

void OperaThread::SetTreeJob(QTreeWidgetItem *rootItem, const QString &path)
{
    DeleteBuiltItems();
    m_rootItem = rootItem;
    m_rootNodeNumber = rootItem->data(0, Qt::UserRole);
    m_path = path;
    SetMode(1);
}

void OperaThread::SetScanJob(const QString &path, int treeNodeID, const QString &databaseName)
{
    SetScanJob(QStringList(path), treeNodeID, databaseName);
}

void OperaThread::SetScanJob(const QStringList &paths, int treeNodeID,
                             const QString &databaseName)
{
    m_scanPaths = paths;
    m_treeNodeID = treeNodeID;
    m_databaseName = databaseName;
    SetMode(2);
}

void OperaThread::AttachBuiltTree()
{
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    if (m_rootItem)
        m_rootItem->addChildren(m_builtItems);
    m_builtItems.clear();
}

void OperaThread::CancelAndWait()
{
    requestInterruption();
    WaitForEnd();
}

bool OperaThread::WaitForEnd(unsigned long timeoutMs)
{
    if (!wait(timeoutMs))
        return false;
    const std::lock_guard<std::mutex> ended(m_runMutex);
    return true;
}

void OperaThread::run()
{
    const std::lock_guard<std::mutex> running(m_runMutex);
    SetScanResult(ScanResult());
    if (isInterruptionRequested())
        return;
    if (m_mode == 1) {
        RunTreeJob();
        emit UpdataTree();
    } else if (m_mode == 2) {
        RunScanJob();
        emit EndFindWav();
    }
}

void OperaThread::RunTreeJob()
{
    QTreeWidgetItem builtRoot;
    builtRoot.setData(0, Qt::UserRole, m_rootNodeNumber);
    FolderWalk walk(m_path);
    BuildPathTree(walk, &builtRoot, m_path, walk.RootFolder());
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    m_builtItems = builtRoot.takeChildren();
}

void OperaThread::RunScanJob()
{
    RecordScan scan(m_scanPaths, m_treeNodeID, m_databaseName,
                    [this] { return isInterruptionRequested(); });
    SetScanResult(scan.Run());
}

void OperaThread::SetScanResult(const ScanResult &result)
{
    const std::lock_guard<std::mutex> locker(m_resultMutex);
    m_result = result;
}

ScanResult OperaThread::LastScanResult() const
{
    const std::lock_guard<std::mutex> locker(m_resultMutex);
    return m_result;
}

void OperaThread::BuildPathTree(FolderWalk &walk, QTreeWidgetItem *parent, const QString &folder,
                                const QString &canonicalFolder)
{
    const QString absolutePrefix = AbsoluteFolderPrefix(folder);
    for (const FolderEntry &subfolder : ListFolder(folder, ListingFilter::FoldersOnly)) {
        const QString absolutePath = absolutePrefix + subfolder.name;
        const QString walkedAs = walk.Enter(canonicalFolder, subfolder, absolutePath);
        if (walkedAs.isEmpty())
            continue;
        auto *item = new QTreeWidgetItem(QStringList(subfolder.name));
        item->setData(0, Qt::UserRole, parent->data(0, Qt::UserRole));
        parent->addChild(item);
        BuildPathTree(walk, item, absolutePath, walkedAs);
        if (isInterruptionRequested())
            return;
        QThread::msleep(kTreePauseMs);
    }
}

void OperaThread::DeleteBuiltItems()
{
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    qDeleteAll(m_builtItems);
    m_builtItems.clear();
}
