#include "import/scanreport.h"

#include "import/operathread.h"
#include "store/schema.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

// IgnorePathTab stays empty, so any tree node number does.
constexpr int kScanTreeNode = 0;

const QString kReportConnection = QStringLiteral("ovelia-scan-report");

std::optional<ReportFormat> FormatNamed(const QString &name)
{
    if (name == QLatin1String("csv"))
        return ReportFormat::Csv;
    if (name == QLatin1String("json"))
        return ReportFormat::Json;
    return std::nullopt;
}

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

ScanOptions ParseScanArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show the usage."));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("Report format."),
                                    QStringLiteral("csv|json"), QStringLiteral("csv"));
    parser.addOptions({help, format});

    ScanOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.help = parser.isSet(help);
    if (options.help)
        return options;
    options.paths = parser.positionalArguments();
    const std::optional<ReportFormat> chosen = FormatNamed(parser.value(format));
    if (!chosen)
        options.error =
            QStringLiteral("unknown format '%1', use csv or json").arg(parser.value(format));
    else if (options.paths.isEmpty())
        options.error = QStringLiteral("no PATH given, see --help");
    else
        options.format = *chosen;
    return options;
}

QString ScanUsage()
{
    return QStringLiteral(
        "Usage: ovelia-scan [--format csv|json] PATH...\n"
        "Scans each PATH, a folder (with all its subfolders) or a single recording,\n"
        "and prints one record per valid recording, ordered by start time, then path.\n"
        "\n"
        "  --format csv   CSV with a header line, RFC 4180 quoting, CRLF line ends (default)\n"
        "  --format json  one JSON array of objects, one object a line\n"
        "  -h, --help     show this text\n"
        "\n"
        "Columns (CSV order, JSON keys): file_name, start_time, duration, calling_id,\n"
        "receive_id, radio_id, record_type, call_type, transmit_frequency,\n"
        "receive_frequency, file_path, channel_type. The values are the texts of the\n"
        "record table (\"-\" where it shows none); channel_type is the raw code.\n"
        "\n"
        "Exit status: 0 done, 1 the working database or the output failed,\n"
        "2 bad arguments or a PATH that does not exist.\n");
}

QString MissingPathError(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path))
            return QStringLiteral("no such file or folder: %1").arg(path);
    }
    return QString();
}

QStringList ReportColumnNames()
{
    return {QStringLiteral("file_name"),          QStringLiteral("start_time"),
            QStringLiteral("duration"),           QStringLiteral("calling_id"),
            QStringLiteral("receive_id"),         QStringLiteral("radio_id"),
            QStringLiteral("record_type"),        QStringLiteral("call_type"),
            QStringLiteral("transmit_frequency"), QStringLiteral("receive_frequency"),
            QStringLiteral("file_path"),          QStringLiteral("channel_type")};
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

bool ScanIntoDatabase(const QStringList &paths, const QString &databaseName)
{
    OperaThread worker;
    worker.SetScanJob(paths, kScanTreeNode, databaseName);
    worker.start();
    worker.WaitForEnd();
    return !worker.StoreFailed();
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
    if (!ScanIntoDatabase(paths, database.Database().databaseName())) {
        outcome.failure = ScanOutcome::RecordsNotStored;
        return outcome;
    }
    const std::optional<int> count = WriteReport(database.Database(), format, out);
    if (!count)
        outcome.failure = ScanOutcome::ReportNotWritten;
    outcome.count = count.value_or(0);
    return outcome;
}
