#include "tools/ovelia-scan/scanreport.h"

#include "store/schema.h"

#include <QDir>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

// IgnorePathTab stays empty, so any tree node number does.
constexpr int kScanTreeNode = 0;

const QString kReportConnection = QStringLiteral("ovelia-scan-report");

bool NeedsCsvQuotes(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return true;
    }
    return false;
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

// Named after the record table's column headers: "Talker ID" is talker_id.
// The table shows SendFre under "Receive Freq." and RecFre under "Transmit
// Freq.", and so does the report.
QStringList ReportColumnNames()
{
    return {QStringLiteral("file_name"),         QStringLiteral("time"),
            QStringLiteral("duration"),          QStringLiteral("talker_id"),
            QStringLiteral("call_id"),           QStringLiteral("radio_id"),
            QStringLiteral("recording_type"),    QStringLiteral("call_type"),
            QStringLiteral("receive_frequency"), QStringLiteral("transmit_frequency"),
            QStringLiteral("file_path"),         QStringLiteral("channel_type")};
}

QStringList ReportFields(const RecordRow &row, const QVariant &channelType)
{
    QStringList fields;
    for (int field = FieldFileName; field <= FieldFilePath; ++field)
        fields.append(row.Text(field));
    fields.append(channelType.toString());
    return fields;
}

QString CsvField(const QString &text)
{
    if (!NeedsCsvQuotes(text))
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString CsvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(CsvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QByteArray JsonRecord(const QStringList &fields)
{
    const QStringList names = ReportColumnNames();
    QJsonObject record;
    for (int i = 0; i < names.size(); ++i)
        record.insert(names.at(i), fields.value(i));
    return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

QByteArray ReportOpening(ReportFormat format)
{
    return format == ReportFormat::Csv ? CsvLine(ReportColumnNames()).toUtf8() : QByteArray("[");
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

std::optional<int> WriteReport(const QSqlDatabase &database, ReportFormat format, QIODevice &out)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(ReportSelectStatement()) || !WriteAll(out, ReportOpening(format)))
        return std::nullopt;
    int count = 0;
    while (query.next()) {
        const QStringList fields =
            ReportFields(MakeRecordRow(query, count + 1), query.value(ColChannelType));
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
                          QIODevice &out,
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
    const std::optional<int> count = WriteReport(database.Database(), format, out);
    if (!count)
        outcome.failure = ScanOutcome::ReportNotWritten;
    outcome.count = count.value_or(0);
    return outcome;
}
