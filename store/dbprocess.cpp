#include "store/dbprocess.h"

#include "store/programfolders.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
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

// A lock held by a running copy only: never taken for stale by its age.
std::unique_ptr<QLockFile> DatabaseLock(const QString &databasePath)
{
    auto lock = std::make_unique<QLockFile>(databasePath + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

DbProcess::DbProcess(QObject *parent)
    : QObject(parent)
{
}

DbProcess::~DbProcess() = default;

bool DbProcess::InitDatabase()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString cache = UserCacheFolder();
    if (KeepsFilesBeside(programFolder)) {
        m_path = CreateWorkingDatabaseFile(programFolder);
    } else if (QDir().mkpath(cache)) {
        RemoveAbandonedDatabases(cache);
        m_path = CreateWorkingDatabaseFile(cache, &QDateTime::currentDateTime, &m_lock);
    }
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
    m_lock.reset();
    return true;
}

QString WorkingDatabaseName()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
        .databaseName();
}

QString CreateWorkingDatabaseFile(const QString &folder, const Clock &clock,
                                  std::unique_ptr<QLockFile> *lock)
{
    QString name;
    for (int attempt = 0; attempt < kNamesTried; ++attempt) {
        name = NameAfter(clock, name);
        const QString path = folder + QLatin1Char('/') + name;
        if (lock) {
            *lock = DatabaseLock(path);
            if (!(*lock)->tryLock(0))
                continue;
        }
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (lock)
            lock->reset();
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return QString();
    }
    return QString();
}

// A run takes its lock before it makes its database, so a database seen here
// whose lock can be taken belongs to no running copy.
void RemoveAbandonedDatabases(const QString &folder)
{
    static const QRegularExpression workingFile(
        QStringLiteral("^(\\d{15})(-journal|\\.lock)?$"));
    QStringList databases;
    for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = workingFile.match(entry);
        if (match.hasMatch() && !databases.contains(match.captured(1)))
            databases << match.captured(1);
    }
    for (const QString &name : qAsConst(databases)) {
        const QString path = folder + QLatin1Char('/') + name;
        const std::unique_ptr<QLockFile> lock = DatabaseLock(path);
        if (!lock->tryLock(0))
            continue;
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
    }
}
