#include "import/scanconnection.h"
#include "store/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

ScanConnection::ScanConnection(const QString &connectionName, const QString &databaseName)
    : m_connectionName(connectionName)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(databaseName);
    if (!database.open()) {
        m_error = database.lastError().databaseText();
    } else {
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
    if (!m_inserter->Insert(record)) {
        m_error = m_inserter->Error();
        return false;
    }
    return ++m_rowsInBatch < kRowsPerCommit || CommitBatch();
}

bool ScanConnection::CommitBatch()
{
    m_rowsInBatch = 0;
    if (!Commit())
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
    if (database.transaction())
        return true;
    m_error = database.lastError().databaseText();
    return false;
}

bool ScanConnection::Commit()
{
    QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
    if (database.commit())
        return true;
    m_error = database.lastError().databaseText();
    return false;
}

bool ScanConnection::Finish(bool buildIndexes)
{
    return Commit()
           && (!buildIndexes
               || CreateListingIndexes(QSqlDatabase::database(m_connectionName, false), &m_error));
}
