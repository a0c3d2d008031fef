#include "import/operathread.h"

#include "import/headerreaders.h"
#include "import/scanconnection.h"

#include <QDebug>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTreeWidgetItem>

namespace {

constexpr int kTreePauseMs = 5;

bool HasWavSuffix(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

bool IsDotEntry(const QString &name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

} // namespace

QString WorkingDatabaseName()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
        .databaseName();
}

OperaThread::OperaThread() = default;

OperaThread::~OperaThread()
{
    qDebug("exit thread");
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
    m_storeFailed = false;
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
    StartWalk(m_path);
    BuildPathTree(&builtRoot, m_path, m_walkedTrees.value(0));
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    m_builtItems = builtRoot.takeChildren();
}

void OperaThread::RunScanJob()
{
    m_connection = std::make_unique<ScanConnection>(
        QStringLiteral("OperaThread-%1").arg(quintptr(this), 0, 16), m_databaseName);
    m_ignoreRule = IgnoreRule(m_connection->IgnorePaths(m_treeNodeID));
    m_readers = std::make_unique<HeaderReaders>();
    m_storeFailed = !m_connection->IsOpen();
    for (const QString &path : qAsConst(m_scanPaths)) {
        if (JobStops())
            break;
        ScanPath(path);
    }
    StoreQueuedReads();
    m_readers.reset();
    // After Cancel the indexes are left to a later scan, so that it ends at once.
    if (!m_storeFailed && !m_connection->Finish(!isInterruptionRequested()))
        m_storeFailed = true;
    m_connection.reset();
}

void OperaThread::ScanPath(const QString &path)
{
    const QFileInfo target(path);
    if (target.isFile()) {
        if (!IsIgnorePath(target.absoluteFilePath()))
            ReadWavFile(target.fileName(), path);
        return;
    }
    StartWalk(path);
    FindWavFile(path, m_walkedTrees.value(0));
}

void OperaThread::StartWalk(const QString &root)
{
    m_walkedTrees = QStringList(QFileInfo(root).canonicalFilePath());
}

void OperaThread::BuildPathTree(QTreeWidgetItem *parent, const QString &folder,
                                const QString &canonicalFolder)
{
    const QString absolutePrefix = AbsoluteFolderPrefix(folder);
    for (const FolderEntry &subfolder : ListFolder(folder, ListingFilter::FoldersOnly)) {
        const QString absolutePath = absolutePrefix + subfolder.name;
        const QString walkedAs = EnterFolder(canonicalFolder, subfolder, absolutePath);
        if (walkedAs.isEmpty())
            continue;
        auto *item = new QTreeWidgetItem(QStringList(subfolder.name));
        item->setData(0, Qt::UserRole, parent->data(0, Qt::UserRole));
        parent->addChild(item);
        BuildPathTree(item, absolutePath, walkedAs);
        if (isInterruptionRequested())
            return;
        QThread::msleep(kTreePauseMs);
    }
}

void OperaThread::FindWavFile(const QString &folder, const QString &canonicalFolder)
{
    const QString listedFolder = ListedFolderPath(folder) + QLatin1Char('/');
    const QString absolutePrefix = AbsoluteFolderPrefix(folder);
    for (const FolderEntry &entry : ListFolder(folder, ListingFilter::AllEntries)) {
        if (entry.kind == FolderEntry::File) {
            if (!m_ignoreRule.IsEmpty() && IsIgnorePath(absolutePrefix + entry.name))
                continue;
            if (HasWavSuffix(entry.name))
                ReadWavFile(entry.name, listedFolder + entry.name);
        } else if (entry.kind == FolderEntry::Folder) {
            if (IsDotEntry(entry.name))
                continue;
            const QString absolutePath = absolutePrefix + entry.name;
            if (IsIgnorePath(absolutePath))
                continue;
            const QString walkedAs = EnterFolder(canonicalFolder, entry, absolutePath);
            if (walkedAs.isEmpty())
                continue;
            FindWavFile(absolutePath, walkedAs);
        }
        if (JobStops())
            return;
    }
}

bool OperaThread::IsIgnorePath(const QString &path) const
{
    return m_ignoreRule.Hides(path);
}

void OperaThread::ReadWavFile(const QString &fileName, const QString &filePath)
{
    if (m_readers->IsFull())
        StoreOldestReads();
    m_readers->Queue(fileName, filePath);
}

void OperaThread::StoreOldestReads()
{
    for (const std::optional<ExtractedRecord> &record : m_readers->TakeOldest()) {
        if (record && !m_storeFailed && !m_connection->Insert(*record))
            m_storeFailed = true;
    }
}

// After Cancel, the reads still queued are dropped.
void OperaThread::StoreQueuedReads()
{
    while (m_readers->HasQueued() && !JobStops())
        StoreOldestReads();
}

QString OperaThread::EnterFolder(const QString &canonicalFolder, const FolderEntry &entry,
                                 const QString &absolutePath)
{
    if (!entry.isLink) {
        const QString folder = ChildPath(canonicalFolder, entry.name);
        // Below a link, the real folder may be a tree walked on its own.
        return m_walkedTrees.contains(folder) ? QString() : folder;
    }
    const QString target = QFileInfo(absolutePath).canonicalFilePath();
    if (target.isEmpty() || LinkSkipped(target, canonicalFolder, m_walkedTrees))
        return QString();
    m_walkedTrees.append(target);
    return target;
}

void OperaThread::DeleteBuiltItems()
{
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    qDeleteAll(m_builtItems);
    m_builtItems.clear();
}
