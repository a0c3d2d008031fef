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
        database.commit();
        CreateListingIndexes(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
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

void ScanConnection::Insert(const ExtractedRecord &record)
{
    m_inserter->Insert(record);
}
