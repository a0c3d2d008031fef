#pragma once

#include "store/schema.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

// A working database for a test: a new file in a temporary folder with both
// tables, registered as the default connection (or under connectionName).
// The connection is removed and the file deleted on destruction.
class TestDatabase
{
public:
    explicit TestDatabase(const QString &connectionName =
                              QLatin1String(QSqlDatabase::defaultConnection));
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    bool IsReady() const { return m_ready; }
    QString FileName() const;

    bool AddIgnorePath(int treeNodeID, const QString &path);
    // A record of the file, named by the path's last part, with the mark.
    bool AddRecord(const QString &filePath, bool checked = false);
    // The values of the columns (a select list such as "FileName, FilePath"),
    // one list per row of SaveViewDisp, in the order the rows were inserted.
    QList<QVariantList> Rows(const QString &columns = QStringLiteral("*")) const;
    // One column of SaveViewDisp as texts, in insertion order.
    QStringList Column(const QString &column) const;
    int RowCount() const;

private:
    QSqlDatabase Database() const;

    QTemporaryDir m_dir;
    QString m_connectionName;
    bool m_ready = false;
};
