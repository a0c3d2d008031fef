#include "import/scanconnection.h"
#include "store/schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

ScanConnection::ScanConnection(const QString &connectionName, const QString &databaseName)
    : m_connectionName(connectionName)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(databaseName);
    if (database.open()) {
        QSqlQuery(database).exec(QStringLiteral("PRAGMA synchronous = OFF;"));
        DropListingIndexes(database);
        database.transaction();
    }
    m_inserter = std::make_unique<RecordInserter>(database);
}

ScanConnection::~ScanConnection()
{
    m_inserter.reset();
    {
        QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
        database.rollback();
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool ScanConnection::IsOpen() const
{
    return QSqlDatabase::database(m_connectionName, false).isOpen();
}

QStringList ScanConnection::IgnorePaths(int treeNodeID) const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.prepare(QStringLiteral("select IgnorePath from IgnorePathTab where TreeNodeID = ?"));
    query.addBindValue(treeNodeID);
    QStringList paths;
    if (query.exec()) {
        while (query.next())
            paths.append(query.value(0).toString());
    }
    return paths;
}

bool ScanConnection::Insert(const ExtractedRecord &record)
{
    if (!m_inserter->Insert(record))
        return false;
    return ++m_rowsInBatch < kRowsPerCommit || CommitBatch();
}

bool ScanConnection::CommitBatch()
{
    QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
    m_rowsInBatch = 0;
    return database.commit() && database.transaction();
}

bool ScanConnection::Finish(bool buildIndexes)
{
    QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
    return database.commit() && (!buildIndexes || CreateListingIndexes(database));
}
