#include "tools/ovelia-scan/scanreport.h"

#include "store/schema.h"

#include <QDir>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <iterator>

namespace {

// IgnorePathTab stays empty, so any tree node number does.
constexpr int kScanTreeNode = 0;

const QString kReportConnection = QStringLiteral("ovelia-scan-report");

// What the record table shows where a recording has no value.
const QString kNone = QStringLiteral("-");

// How a column's texts are written in JSON.
enum class JsonKind {
    Text,
    TextOrNull, // null for kNone
    Name,       // null for an empty text
    Number,     // null for kNone, or any other text that is no whole number
};

struct ReportColumn
{
    const char *name;
    JsonKind kind;
};

// Named after the record table's column headers: "Talker ID" is talker_id.
// The table shows SendFre under "Receive Freq." and RecFre under "Transmit
// Freq.", and so does the report.
const ReportColumn kReportColumns[] = {
    {"file_name", JsonKind::Text},
    {"time", JsonKind::Text},
    {"duration", JsonKind::Text},
    {"duration_seconds", JsonKind::Number},
    {"talker_id", JsonKind::Number},
    {"call_id", JsonKind::Number},
    {"radio_id", JsonKind::Number},
    {"recording_type", JsonKind::Text},
    {"call_type", JsonKind::TextOrNull},
    {"receive_frequency", JsonKind::Number},
    {"transmit_frequency", JsonKind::Number},
    {"file_path", JsonKind::Text},
    {"channel_type", JsonKind::Number},
    {"talker_name", JsonKind::Name},
    {"call_name", JsonKind::Name},
    {"radio_name", JsonKind::Name},
};
// The columns of every report; the names follow them.
constexpr int kColumnsWithoutNames = 13;
const int kIdFields[] = {FieldCallingId, FieldReceiveId, FieldRadioId};

int ColumnCount(bool withNames)
{
    return withNames ? int(std::size(kReportColumns)) : kColumnsWithoutNames;
}

QJsonValue JsonValue(const QString &text, JsonKind kind)
{
    if (kind == JsonKind::Name)
        return text.isEmpty() ? QJsonValue() : QJsonValue(text);
    if (kind == JsonKind::Text || (kind == JsonKind::TextOrNull && text != kNone))
        return text;
    bool isNumber = false;
    const qint64 number = text.toLongLong(&isNumber);
    return kind == JsonKind::Number && isNumber ? QJsonValue(number) : QJsonValue();
}

// "01:02:05" gives "3725"; a text of another form gives none.
QString DurationSeconds(const QString &duration)
{
    const QStringList units = duration.split(QLatin1Char(':'));
    bool allNumbers = units.size() == 3;
    qint64 seconds = 0;
    for (const QString &unit : units) {
        bool isNumber = false;
        seconds = seconds * 60 + unit.toLongLong(&isNumber);
        allNumbers = allNumbers && isNumber;
    }
    return allNumbers ? QString::number(seconds) : QString();
}

bool WriteAll(QIODevice &out, const QByteArray &bytes)
{
    return out.write(bytes) == bytes.size();
}

// The working database of one report: a file in folder with both tables,
// on a connection of its own that is removed again on destruction.
class ReportDatabase
{
public:
    explicit ReportDatabase(const QString &folder)
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kReportConnection);
        database.setDatabaseName(ReportDatabaseName(folder));
        m_ready = database.open() && CreateWorkingTables(database);
    }
    ~ReportDatabase()
    {
        Database().close();
        QSqlDatabase::removeDatabase(kReportConnection);
    }
    ReportDatabase(const ReportDatabase &) = delete;
    ReportDatabase &operator=(const ReportDatabase &) = delete;

    bool IsReady() const { return m_ready; }
    QSqlDatabase Database() const { return QSqlDatabase::database(kReportConnection, false); }

private:
    bool m_ready = false;
};

} // namespace

QStringList ReportColumnNames(bool withNames)
{
    QStringList names;
    for (int i = 0; i < ColumnCount(withNames); ++i)
        names.append(QLatin1String(kReportColumns[i].name));
    return names;
}

QStringList ReportFields(const RecordRow &row, const QVariant &channelType,
                         const IdAliases *aliases)
{
    QStringList fields;
    for (int field = FieldFileName; field <= FieldFilePath; ++field) {
        fields.append(row.Text(field));
        if (field == FieldDuration)
            fields.append(DurationSeconds(row.duration));
    }
    fields.append(channelType.toString());
    if (aliases) {
        for (int field : kIdFields)
            fields.append(IdName(row, field, *aliases));
    }
    return fields;
}

QByteArray JsonRecord(const QStringList &fields)
{
    QJsonObject record;
    for (int i = 0; i < ColumnCount(fields.size() > kColumnsWithoutNames); ++i)
        record.insert(QLatin1String(kReportColumns[i].name),
                      JsonValue(fields.value(i), kReportColumns[i].kind));
    return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

QByteArray ReportOpening(ReportFormat format, bool withNames)
{
    return format == ReportFormat::Csv ? CsvLine(ReportColumnNames(withNames)).toUtf8()
                                       : QByteArray("[");
}

QByteArray ReportEntry(ReportFormat format, const QStringList &fields, int index)
{
    if (format == ReportFormat::Csv)
        return CsvLine(fields).toUtf8();
    return (index == 0 ? QByteArray("\n") : QByteArray(",\n")) + JsonRecord(fields);
}

QByteArray ReportClosing(ReportFormat format)
{
    return format == ReportFormat::Csv ? QByteArray() : QByteArray("\n]\n");
}

QString ReportSelectStatement()
{
    return QStringLiteral("select * from SaveViewDisp order by CreatFileTime, FilePath");
}

std::optional<int> WriteReport(const QSqlDatabase &database, ReportFormat format,
                               const IdAliases *aliases, QIODevice &out)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(ReportSelectStatement())
        || !WriteAll(out, ReportOpening(format, aliases != nullptr)))
        return std::nullopt;
    int count = 0;
    while (query.next()) {
        const QStringList fields =
            ReportFields(MakeRecordRow(query, count + 1), query.value(ColChannelType), aliases);
        if (!WriteAll(out, ReportEntry(format, fields, count)))
            return std::nullopt;
        ++count;
    }
    if (!WriteAll(out, ReportClosing(format)))
        return std::nullopt;
    return count;
}

QString ReportDatabaseName(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("scan.db"));
}

ScanOutcome ScanAndReport(const QStringList &paths, const QString &folder, ReportFormat format,
                          const IdAliases *aliases, QIODevice &out,
                          const std::function<void(const QStringList &)> &beforeScan)
{
    ScanOutcome outcome;
    const ReportDatabase database(folder);
    if (!database.IsReady()) {
        outcome.failure = ScanOutcome::DatabaseNotMade;
        return outcome;
    }
    beforeScan(paths);
    const ScanResult scanResult =
        RecordScan(paths, kScanTreeNode, database.Database().databaseName()).Run();
    outcome.unlistedNames = scanResult.unlistedNames;
    if (scanResult.failure != ScanResult::None) {
        outcome.failure = scanResult.failure == ScanResult::StoreFailed
                              ? ScanOutcome::RecordsNotStored
                              : ScanOutcome::FilesNotRead;
        outcome.readError = scanResult.error;
        outcome.unreadPath = scanResult.path;
        outcome.storeError = scanResult.storeError;
        return outcome;
    }
    const std::optional<int> count = WriteReport(database.Database(), format, aliases, out);
    if (!count)
        outcome.failure = ScanOutcome::ReportNotWritten;
    outcome.count = count.value_or(0);
    return outcome;
}
