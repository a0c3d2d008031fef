#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// One record as the tests insert it into SaveViewDisp.
struct TestRecord
{
    bool checked = false;
    QString fileName;
    QString time = QStringLiteral("2024-03-01 00:00:00");
    QString duration = QStringLiteral("00:00:05");
    int callingId = 1001;
    int receiveId = 2002;
    int recordType = 2;
    int callType = 1;
    int sendFre = 400100;
    int recFre = 410200;
    QString filePath;
    int channelType = 0;
    int radioId = 10;
};

// The default connection on a fresh database file with the SaveViewDisp table;
// the connection is removed again on destruction.
class RecordDatabase
{
public:
    RecordDatabase();
    ~RecordDatabase();

    bool IsReady() const { return m_ready; }
    bool Insert(const QList<TestRecord> &records);
    // FilePath of every record in table order, optionally only of the checked ones.
    QStringList FilePaths(bool checkedOnly = false) const;
    int Count(const QString &where = QString()) const;

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};
