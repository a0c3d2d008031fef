#include "import/recordscan.h"

#include "import/headerreaders.h"
#include "import/scanconnection.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool HasWavSuffix(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

} // namespace

RecordScan::RecordScan(const QStringList &paths, int treeNodeID, const QString &databaseName,
                       StopRequest stopRequested)
    : m_paths(paths)
    , m_treeNodeID(treeNodeID)
    , m_databaseName(databaseName)
    , m_stopRequested(std::move(stopRequested))
{
}

RecordScan::~RecordScan() = default;

ScanResult RecordScan::Run()
{
    m_connection = std::make_unique<ScanConnection>(
        QStringLiteral("RecordScan-%1").arg(quintptr(this), 0, 16), m_databaseName);
    m_ignoreRule = IgnoreRule(m_connection->IgnorePaths(m_treeNodeID));
    m_readers = std::make_unique<HeaderReaders>();
    if (!m_connection->IsOpen())
        NoteStoreFailure();
    for (const QString &path : qAsConst(m_paths)) {
        if (Stops())
            break;
        ScanPath(path);
    }
    StoreQueuedReads();
    m_readers.reset();
    // After a stop the indexes are left to a later scan, so that it ends at once.
    const bool stopped = m_result.failure != ScanResult::None || m_stopRequested();
    if (m_result.failure != ScanResult::StoreFailed && !m_connection->Finish(!stopped))
        NoteStoreFailure();
    m_connection.reset();
    return m_result;
}

void RecordScan::ScanPath(const QString &path)
{
    const QFileInfo target(path);
    if (target.isFile()) {
        if (!m_ignoreRule.Hides(target.absoluteFilePath()))
            ReadWavFile(target.fileName(), path);
        return;
    }
    m_walk.emplace(path);
    FindWavFile(path, m_walk->RootFolder());
}

void RecordScan::FindWavFile(const QString &folder, const QString &canonicalFolder)
{
    const QString listedFolder = ListedFolderPath(folder) + QLatin1Char('/');
    const QString absolutePrefix = AbsoluteFolderPrefix(folder);
    ListingReport report;
    const QVector<FolderEntry> entries = ListFolder(folder, ListingFilter::AllEntries, &report);
    NoteReadFailure(report.failure, folder);
    for (const QByteArray &name : qAsConst(report.undecodableNames))
        m_result.unlistedNames.append(QFile::encodeName(listedFolder) + name);
    for (const FolderEntry &entry : entries) {
        if (entry.kind == FolderEntry::File) {
            if (!m_ignoreRule.IsEmpty() && m_ignoreRule.Hides(absolutePrefix + entry.name))
                continue;
            if (HasWavSuffix(entry.name))
                ReadWavFile(entry.name, listedFolder + entry.name);
        } else if (entry.kind == FolderEntry::Folder) {
            const QString absolutePath = absolutePrefix + entry.name;
            if (m_ignoreRule.Hides(absolutePath))
                continue;
            const QString walkedAs = m_walk->Enter(canonicalFolder, entry, absolutePath);
            if (walkedAs.isEmpty())
                continue;
            FindWavFile(absolutePath, walkedAs);
        }
        if (Stops())
            return;
    }
}

void RecordScan::ReadWavFile(const QString &fileName, const QString &filePath)
{
    if (m_readers->IsFull())
        StoreOldestReads();
    m_readers->Queue(fileName, filePath);
}

// The files queued before a folder that could not be listed are stored; after
// a file that could not be read, nothing more is.
void RecordScan::StoreOldestReads()
{
    for (const HeaderRead &read : m_readers->TakeOldest()) {
        if (read.failure != 0) {
            NoteReadFailure(read.failure, read.filePath);
            m_readsEnded = true;
        }
        if (read.record && !m_readsEnded && m_result.failure != ScanResult::StoreFailed
            && !m_connection->Insert(*read.record))
            NoteStoreFailure();
    }
}

// The first failure is the one reported.
void RecordScan::NoteReadFailure(int error, const QString &path)
{
    if (error == 0 || m_result.failure != ScanResult::None)
        return;
    m_result.failure = ScanResult::ReadFailed;
    m_result.error = error;
    m_result.path = path;
}

void RecordScan::NoteStoreFailure()
{
    m_result.failure = ScanResult::StoreFailed;
    m_result.storeError = m_connection->Error();
}

// After a stop request or a failure to store, the reads still queued are
// dropped.
void RecordScan::StoreQueuedReads()
{
    while (m_readers->HasQueued() && !m_readsEnded && !m_stopRequested()
           && m_result.failure != ScanResult::StoreFailed)
        StoreOldestReads();
}
