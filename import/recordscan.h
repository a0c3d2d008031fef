#pragma once

#include "import/folderlisting.h"
#include "import/ignorerule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class HeaderReaders;
class ScanConnection;

// What a scan came to, besides its records.
struct ScanResult
{
    // Why it stopped before its end, other than a stop request.
    enum Failure {
        None,
        StoreFailed, // the records could not be stored (the database's disk full or not writable)
        ReadFailed,  // a file or folder could not be read for a machine failure
    };

    Failure failure = None;
    int error = 0; // ReadFailed: the error, as IsMachineFailure takes it
    QString path;  // ReadFailed: what could not be read
    QString storeError; // StoreFailed: the database's reason
    // The paths (as bytes) of the entries left out because their names do
    // not come back to the same bytes through the file-name codec, so that no
    // path of the listing could name them.
    QList<QByteArray> unlistedNames;
};

// The import of recordings into SaveViewDisp: walks each path (a folder,
// recursively, or a single file) in order, leaves out what the import path's
// ignore rule hides, reads the headers of the ".wav" files on a pool of
// reader threads and inserts one row per valid recording, in walk order,
// through a connection of its own to the working database file.
class RecordScan
{
public:
    // Asked between files and folders; true ends the scan early, keeping the
    // rows stored so far and leaving the listing's indexes to a later scan.
    using StopRequest = std::function<bool()>;

    RecordScan(const QStringList &paths, int treeNodeID, const QString &databaseName,
               StopRequest stopRequested = [] { return false; });
    ~RecordScan();
    RecordScan(const RecordScan &) = delete;
    RecordScan &operator=(const RecordScan &) = delete;

    // Runs the whole scan on the calling thread; what made it stop early, if
    // anything did (the records stored before stay), and what it left out.
    ScanResult Run();

private:
    void ScanPath(const QString &path);
    void FindWavFile(const QString &folder, const QString &canonicalFolder);
    // Queues the file's header read; the records are stored in walk order.
    void ReadWavFile(const QString &fileName, const QString &filePath);
    void StoreOldestReads();
    void StoreQueuedReads();
    void NoteReadFailure(int error, const QString &path);
    void NoteStoreFailure();
    bool Stops() const { return m_result.failure != ScanResult::None || m_stopRequested(); }

    QStringList m_paths;
    int m_treeNodeID;
    QString m_databaseName;
    StopRequest m_stopRequested;
    IgnoreRule m_ignoreRule;
    std::optional<FolderWalk> m_walk;
    std::unique_ptr<ScanConnection> m_connection;
    std::unique_ptr<HeaderReaders> m_readers;
    ScanResult m_result;
    bool m_readsEnded = false; // a file could not be read: none after it is stored
};
