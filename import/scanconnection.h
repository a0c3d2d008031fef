#pragma once

#include "import/recordextraction.h"

#include <QString>
#include <QStringList>

#include <memory>

// The import worker's own connection to the working database for one scan.
// A connection may only be used by the thread that opened it, so it is made
// in the worker thread at the start of the scan. All inserts of the scan run
// in one transaction, with the listing's indexes dropped; the destructor
// commits it, creates the indexes again, closes the connection and removes it.
class ScanConnection
{
public:
    ScanConnection(const QString &connectionName, const QString &databaseName);
    ~ScanConnection();
    ScanConnection(const ScanConnection &) = delete;
    ScanConnection &operator=(const ScanConnection &) = delete;

    QStringList IgnorePaths(int treeNodeID) const;
    void Insert(const ExtractedRecord &record);

private:
    QString m_connectionName;
    std::unique_ptr<RecordInserter> m_inserter;
};
