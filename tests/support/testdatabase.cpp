#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

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

bool TestDatabase::AddRecord(const QString &filePath, bool checked)
{
    QSqlQuery query(Database());
    query.prepare(QStringLiteral("insert into SaveViewDisp([FileCheck], [FileName], [FilePath]) "
                                 "values(?, ?, ?)"));
    query.addBindValue(checked ? 1 : 0);
    query.addBindValue(filePath.section(QLatin1Char('/'), -1));
    query.addBindValue(filePath);
    return query.exec();
}

QList<QVariantList> TestDatabase::Rows(const QString &columns) const
{
    QSqlQuery query(Database());
    query.exec(QStringLiteral("select %1 from SaveViewDisp order by rowid").arg(columns));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        rows.append(row);
    }
    return rows;
}

QStringList TestDatabase::Column(const QString &column) const
{
    QStringList values;
    for (const QVariantList &row : Rows(column))
        values.append(row.value(0).toString());
    return values;
}

int TestDatabase::RowCount() const
{
    return Rows(QStringLiteral("rowid")).size();
}

QSqlDatabase TestDatabase::Database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}
