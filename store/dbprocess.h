#pragma once

#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <functional>

// The per-run working database: a new SQLite file beside the executable,
// registered as the default connection, removed again at the end of the run.
class DbProcess : public QObject
{
    Q_OBJECT

public:
    explicit DbProcess(QObject *parent = nullptr);

    bool InitDatabase();
    bool CloseDatabase();

private:
    QSqlDatabase m_database;
    QString m_path;
};

// The file of the default connection: the working database.
QString WorkingDatabaseName();

using Clock = std::function<QDateTime()>;

// Creates a new, empty working database file in folder, named by the time
// that clock gives (WorkingDatabaseFileName); never a file that exists
// already: when the name is taken, the next millisecond's name is tried.
// The file's path, or empty when none could be created.
QString CreateWorkingDatabaseFile(const QString &folder,
                                  const Clock &clock = &QDateTime::currentDateTime);
