#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A working database for a test: a new file in a temporary folder with both
// tables, registered as the default connection (or under connectionName).
// The connection is removed and the file deleted on destruction.
class TestDatabase
{
public:
    explicit TestDatabase(const QString &connectionName = QLatin1String(QSqlDatabase::defaultConnection));
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    bool IsReady() const { return m_ready; }
    QString FileName() const { return Database().databaseName(); }
    bool AddIgnorePath(int treeNodeID, const QString &path);
    // One column of SaveViewDisp (or an expression) as texts, in the order the rows were inserted.
    QStringList Column(const QString &column) const;
    int RowCount() const { return Column(QStringLiteral("rowid")).size(); }

private:
    QSqlDatabase Database() const { return QSqlDatabase::database(m_connectionName, false); }

    QTemporaryDir m_dir;
    QString m_connectionName;
    bool m_ready = false;
};
