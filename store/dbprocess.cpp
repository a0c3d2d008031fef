#include "store/dbprocess.h"

#include "store/schema.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlQuery>

DbProcess::DbProcess(QObject *parent)
    : QObject(parent)
{
}

bool DbProcess::InitDatabase()
{
    const QString name = WorkingDatabaseFileName(QDateTime::currentDateTime());
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    m_database.setDatabaseName(m_path);
    if (!m_database.open())
        return false;

    QSqlQuery query(m_database);
    query.exec(QStringLiteral("drop table SaveViewDisp"));
    query.clear();
    query.exec(QStringLiteral("drop table IgnorePathTab"));
    query.clear();
    if (!CreateWorkingTables(m_database))
        return false;
    query.exec(QStringLiteral("PRAGMA synchronous = OFF;"));
    return true;
}

bool DbProcess::CloseDatabase()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    if (!m_path.isEmpty())
        QFile::remove(m_path);
    return true;
}
