#pragma once

#include "import/recordextraction.h"

#include <QString>
#include <QStringList>

#include <memory>

// The import worker's own connection to the working database for one scan.
// A connection may only be used by the thread that opened it, so it is made
// in the worker thread at the start of the scan. The listing's indexes are
// dropped while the rows go in and built again by Finish(); the rows are
// committed in batches, so that a write that fails late keeps the rows
// committed before it. The destructor closes the connection and removes it.
class ScanConnection
{
public:
    static constexpr int kRowsPerCommit = 5000;

    ScanConnection(const QString &connectionName, const QString &databaseName);
    ~ScanConnection();
    ScanConnection(const ScanConnection &) = delete;
    ScanConnection &operator=(const ScanConnection &) = delete;

    bool IsOpen() const;
    QStringList IgnorePaths(int treeNodeID) const;
    // False when the row could not be stored: the batch it belongs to is
    // rolled back, every batch before it stays.
    bool Insert(const ExtractedRecord &record);
    // Commits the last batch and builds the listing's indexes if asked;
    // false when either failed.
    bool Finish(bool buildIndexes);
    // The database's reason for the last step that failed.
    QString Error() const { return m_error; }

private:
    bool CommitBatch();
    bool Commit();

    QString m_connectionName;
    std::unique_ptr<RecordInserter> m_inserter;
    int m_rowsInBatch = 0;
    QString m_error;
};
