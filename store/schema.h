#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

// The statements that create the working database's two tables.
QString SaveViewDispCreateStatement();
QString IgnorePathTabCreateStatement();
// Beside each row of SaveViewDisp (by its rowid), what identified its file
// when it was listed: the file operations act on a path only while it still
// names that file.
QString RecordIdentityCreateStatement();

// Creates the tables on the open connection.
bool CreateWorkingTables(const QSqlDatabase &database);

// The indexes of SaveViewDisp that the listing reads by: the start time (its
// order) and the two party IDs (the ID filter). A scan drops them before it
// inserts and creates them again once its rows are in, which is cheaper than
// keeping them up to date row by row.
// On failure, the database's reason goes to error if given.
bool CreateListingIndexes(const QSqlDatabase &database, QString *error = nullptr);
void DropListingIndexes(const QSqlDatabase &database);

// Empties SaveViewDisp and the identities of its records, for a new scan.
void DeleteAllRecords(const QSqlDatabase &database);

// The working database file is named by its creation time, for example
// "240307140509042" for 7 March 2024 14:05:09.042.
QString WorkingDatabaseFileName(const QDateTime &creationTime);
