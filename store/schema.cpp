#include "store/schema.h"

#include <QSqlError>
#include <QSqlQuery>

QString SaveViewDispCreateStatement()
{
    return QStringLiteral(
        "create table SaveViewDisp([FileCheck] BOOL, [FileName] TEXT, [CreatFileTime] DATETIME, "
        "[RecordTime] TIME ,[CallingID] INT, [ReceiveID] INT,[RecordType] INT, [CallType] INT, "
        "[SendFre] INT, [RecFre] INT,[FilePath] TEXT, [ChannelType] INT, [RadioID] INT)");
}

QString IgnorePathTabCreateStatement()
{
    return QStringLiteral("create table IgnorePathTab([TreeNodeID] INT, [IgnorePath] TEXT)");
}

QString RecordIdentityCreateStatement()
{
    return QStringLiteral(
        "create table RecordIdentity([RowId] INTEGER PRIMARY KEY, [Device] INT, [Inode] INT)");
}

bool CreateWorkingTables(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    return query.exec(SaveViewDispCreateStatement())
           && query.exec(IgnorePathTabCreateStatement())
           && query.exec(RecordIdentityCreateStatement());
}

namespace {

struct ListingIndex
{
    const char *name;
    const char *column;
};

constexpr ListingIndex kListingIndexes[] = {
    {"SaveViewDispByTime", "CreatFileTime"},
    {"SaveViewDispByCallingID", "CallingID"},
    {"SaveViewDispByReceiveID", "ReceiveID"},
};

} // namespace

bool CreateListingIndexes(const QSqlDatabase &database, QString *error)
{
    QSqlQuery query(database);
    for (const ListingIndex &index : kListingIndexes) {
        if (!query.exec(QStringLiteral("create index if not exists %1 on SaveViewDisp(%2)")
                            .arg(QLatin1String(index.name), QLatin1String(index.column)))) {
            if (error)
                *error = query.lastError().databaseText();
            return false;
        }
    }
    return true;
}

void DropListingIndexes(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    for (const ListingIndex &index : kListingIndexes)
        query.exec(QStringLiteral("drop index if exists %1").arg(QLatin1String(index.name)));
}

QString WorkingDatabaseFileName(const QDateTime &creationTime)
{
    return creationTime.toString(QStringLiteral("yyMMddhhmmsszzz"));
}

void DeleteAllRecords(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    query.exec(QStringLiteral("delete from SaveViewDisp"));
    query.exec(QStringLiteral("delete from RecordIdentity"));
}
