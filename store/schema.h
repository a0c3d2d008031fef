#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

// The statements that create the working database's two tables.
QString SaveViewDispCreateStatement();
QString IgnorePathTabCreateStatement();

// Creates both tables on the open connection.
bool CreateWorkingTables(const QSqlDatabase &database);

// The working database file is named by its creation time, for example
// "240307140509042" for 7 March 2024 14:05:09.042.
QString WorkingDatabaseFileName(const QDateTime &creationTime);
