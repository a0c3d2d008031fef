#include "tests/support/testdatabase.h"

#include "records/recordquery.h"
#include "store/schema.h"

#include <QSqlQuery>
#include <QVariant>

TestDatabase::TestDatabase(const QString &connectionName)
    : m_connectionName(connectionName)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(m_dir.filePath(QStringLiteral("working.db")));
    m_ready = m_dir.isValid() && database.open() && CreateWorkingTables(database);
}

TestDatabase::~TestDatabase()
{
    Database().close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool TestDatabase::AddIgnorePath(int treeNodeID, const QString &path)
{
    return QSqlQuery(Database()).exec(QStringLiteral("insert into IgnorePathTab values(%1, %2)").arg(treeNodeID).arg(SqlText(path)));
}

QStringList TestDatabase::Column(const QString &column) const
{
    QSqlQuery query(QStringLiteral("select %1 from SaveViewDisp order by rowid").arg(column), Database());
    QStringList values;
    while (query.next())
        values << query.value(0).toString();
    return values;
}
