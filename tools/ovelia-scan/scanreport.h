#pragma once

#include "import/recordscan.h"
#include "records/csvline.h"
#include "records/recordrow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

class QIODevice;
class QSqlDatabase;

// The report of ovelia-scan, the headless scan of recording folders into a
// listing on standard output.

enum class ReportFormat { Csv, Json };

// The names of the report's columns, in the order of ReportFields(): the
// header line of the CSV report and the keys of the JSON objects. With
// names, the columns of the IDs' names follow the others.
QStringList ReportColumnNames(bool withNames = false);
// The texts the record table shows for the row, without its number, with the
// duration in seconds after the duration, followed by the raw channel-type
// code; then, with aliases, the names of the talker, call and radio IDs
// (empty where none).
QStringList ReportFields(const RecordRow &row, const QVariant &channelType,
                         const IdAliases *aliases = nullptr);

// One record as a compact JSON object keyed by ReportColumnNames(), with the
// names' keys where the fields hold names: the IDs, the frequencies, the
// seconds and the channel-type code as numbers, and null for a value that the
// record table shows as "-" and for a name that is empty; the other values as
// strings.
QByteArray JsonRecord(const QStringList &fields);

// The report in pieces, so that a long listing is written while it is read:
// the opening, each record (index counts from 0), then the closing. The CSV
// report is the header line and one line per record; the JSON report is one
// array with one object on each line.
QByteArray ReportOpening(ReportFormat format, bool withNames = false);
QByteArray ReportEntry(ReportFormat format, const QStringList &fields, int index);
QByteArray ReportClosing(ReportFormat format);

// The records of SaveViewDisp by start time, ties by file path.
QString ReportSelectStatement();

// Writes the report of the records of SaveViewDisp on database to out, with
// the names of aliases where given; the number of records, or nothing when
// the table cannot be read or out fails.
std::optional<int> WriteReport(const QSqlDatabase &database, ReportFormat format,
                               const IdAliases *aliases, QIODevice &out);


// The working database file that ScanAndReport makes in folder.
QString ReportDatabaseName(const QString &folder);

// What a scan and its report came to.
struct ScanOutcome
{
    enum Failure { None, DatabaseNotMade, RecordsNotStored, FilesNotRead, ReportNotWritten };

    Failure failure = None;
    int count = 0; // the records reported
    // FilesNotRead: the error and the path that could not be read.
    int readError = 0;
    QString unreadPath;
    // RecordsNotStored: the database's reason.
    QString storeError;
    // Entries left out because of their names (ScanResult::unlistedNames).
    QList<QByteArray> unlistedNames;
};

// Scans every path into a new working database in the existing folder and
// writes the report of all their records to out. beforeScan is called with
// the paths before the scan starts.
ScanOutcome ScanAndReport(const QStringList &paths, const QString &folder, ReportFormat format,
                          const IdAliases *aliases, QIODevice &out,
                          const std::function<void(const QStringList &)> &beforeScan);
