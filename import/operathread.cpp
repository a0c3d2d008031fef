#include "import/operathread.h"

#include "import/recordextraction.h"
#include "import/scanconnection.h"

#include <QDebug>
#include <QDir>
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
    m_path = path;
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
    if (isInterruptionRequested())
        return;
    m_enteredFolders.clear();
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
    EnterFolder(QFileInfo(m_path));
    BuildPathTree(&builtRoot, m_path);
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    m_builtItems = builtRoot.takeChildren();
}

void OperaThread::RunScanJob()
{
    m_connection = std::make_unique<ScanConnection>(
        QStringLiteral("OperaThread-%1").arg(quintptr(this), 0, 16), m_databaseName);
    m_ignoreRule = IgnoreRule(m_connection->IgnorePaths(m_treeNodeID));

    const QFileInfo target(m_path);
    if (target.isFile()) {
        if (!IsIgnorePath(target.absoluteFilePath()))
            ReadWavFile(target.fileName(), m_path);
    } else {
        EnterFolder(target);
        FindWavFile(m_path);
    }
    m_connection.reset();
}

void OperaThread::BuildPathTree(QTreeWidgetItem *parent, const QString &folder)
{
    const QFileInfoList subfolders =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &subfolder : subfolders) {
        if (!EnterFolder(subfolder))
            continue;
        auto *item = new QTreeWidgetItem(QStringList(subfolder.fileName()));
        item->setData(0, Qt::UserRole, parent->data(0, Qt::UserRole));
        parent->addChild(item);
        BuildPathTree(item, subfolder.absoluteFilePath());
        if (isInterruptionRequested())
            return;
        QThread::msleep(kTreePauseMs);
    }
}

void OperaThread::FindWavFile(const QString &folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList();
    for (const QFileInfo &entry : entries) {
        if (entry.isFile()) {
            if (IsIgnorePath(entry.absoluteFilePath()))
                continue;
            const QString fileName = entry.fileName();
            if (HasWavSuffix(fileName))
                ReadWavFile(fileName, entry.path() + QLatin1Char('/') + fileName);
        } else if (entry.isDir()) {
            if (IsDotEntry(entry.fileName()) || IsIgnorePath(entry.absoluteFilePath())
                || !EnterFolder(entry))
                continue;
            FindWavFile(entry.absoluteFilePath());
        }
        if (isInterruptionRequested())
            return;
    }
}

bool OperaThread::IsIgnorePath(const QString &path) const
{
    return m_ignoreRule.Hides(path);
}

void OperaThread::ReadWavFile(const QString &fileName, const QString &filePath)
{
    if (const std::optional<ExtractedRecord> record = ReadRecording(m_header, fileName, filePath))
        m_connection->Insert(*record);
}

bool OperaThread::EnterFolder(const QFileInfo &folder)
{
    const QString canonical = folder.canonicalFilePath();
    if (m_enteredFolders.contains(canonical))
        return false;
    m_enteredFolders.insert(canonical);
    return true;
}

void OperaThread::DeleteBuiltItems()
{
    const std::lock_guard<std::mutex> locker(m_builtItemsMutex);
    qDeleteAll(m_builtItems);
    m_builtItems.clear();
}
