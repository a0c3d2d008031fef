#pragma once

#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>

class QLockFile;

// The per-run working database: a new SQLite file beside the executable of a
// copy that keeps its files there (KeepsFilesBeside), else in the user's
// cache folder; registered as the default connection, removed again at the
// end of the run. In the cache folder, which the user's runs share, each run holds the
// lock "<database>.lock" while it runs, and a start first removes the
// databases of runs that ended without removing theirs.
class DbProcess : public QObject
{
    Q_OBJECT

public:
    explicit DbProcess(QObject *parent = nullptr);
    ~DbProcess() override;

    bool InitDatabase();
    bool CloseDatabase();

private:
    QSqlDatabase m_database;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The file of the default connection: the working database.
QString WorkingDatabaseName();

using Clock = std::function<QDateTime()>;

// Creates a new, empty working database file in folder, named by the time
// that clock gives (WorkingDatabaseFileName); never a file that exists
// already: when the name is taken, the next millisecond's name is tried.
// With lock, the name's lock is taken before the file is made and kept in
// *lock. The file's path, or empty when none could be created.
QString CreateWorkingDatabaseFile(const QString &folder,
                                  const Clock &clock = &QDateTime::currentDateTime,
                                  std::unique_ptr<QLockFile> *lock = nullptr);

// Removes the working databases of folder (with their journals and locks)
// whose lock no running copy holds.
void RemoveAbandonedDatabases(const QString &folder);
