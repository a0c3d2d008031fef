#include "tests/support/testdatabase.h"

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

QString TestDatabase::FileName() const
{
    return Database().databaseName();
}

bool TestDatabase::AddIgnorePath(int treeNodeID, const QString &path)
{
    QSqlQuery query(Database());
    query.prepare(
        QStringLiteral("insert into IgnorePathTab([TreeNodeID], [IgnorePath]) values(?, ?)"));
    query.addBindValue(treeNodeID);
    query.addBindValue(path);
    return query.exec();
}

QStringList TestDatabase::Column(const QString &column) const
{
    QSqlQuery query(Database());
    query.exec(QStringLiteral("select %1 from SaveViewDisp order by rowid").arg(column));
    QStringList values;
    while (query.next())
        values << query.value(0).toString();
    return values;
}

QSqlDatabase TestDatabase::Database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}
