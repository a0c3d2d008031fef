#include "store/dbprocess.h"

#include "store/schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QThread>

namespace {

// Names taken one after the other, each a millisecond later than the last.
constexpr int kNamesTried = 1000;

QString NameAfter(const Clock &clock, const QString &takenName)
{
    QString name = WorkingDatabaseFileName(clock());
    while (name == takenName) {
        QThread::usleep(200);
        name = WorkingDatabaseFileName(clock());
    }
    return name;
}

} // namespace

DbProcess::DbProcess(QObject *parent)
    : QObject(parent)
{
}

bool DbProcess::InitDatabase()
{
    m_path = CreateWorkingDatabaseFile(QCoreApplication::applicationDirPath());
    if (m_path.isEmpty())
        return false;
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_database.setDatabaseName(m_path);
    if (!m_database.open() || !CreateWorkingTables(m_database))
        return false;
    QSqlQuery(m_database).exec(QStringLiteral("PRAGMA synchronous = OFF;"));
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

QString WorkingDatabaseName()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
        .databaseName();
}

QString CreateWorkingDatabaseFile(const QString &folder, const Clock &clock)
{
    QString name;
    for (int attempt = 0; attempt < kNamesTried; ++attempt) {
        name = NameAfter(clock, name);
        const QString path = folder + QLatin1Char('/') + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return QString();
    }
    return QString();
}
