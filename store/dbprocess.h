#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// The per-run working database: a new SQLite file beside the executable,
// registered as the default connection, removed again at the end of the run.
class DbProcess : public QObject
{
    Q_OBJECT

public:
    explicit DbProcess(QObject *parent = nullptr);

    bool InitDatabase();
    bool CloseDatabase();

    QString DatabasePath() const { return m_path; }

private:
    QSqlDatabase m_database;
    QString m_path;
};
