#include "store/schema.h"

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

bool CreateWorkingTables(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    return query.exec(SaveViewDispCreateStatement())
           && query.exec(IgnorePathTabCreateStatement());
}

QString WorkingDatabaseFileName(const QDateTime &creationTime)
{
    return creationTime.toString(QStringLiteral("yyMMddhhmmsszzz"));
}
