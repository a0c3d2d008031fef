#include "tools/ovelia-scan/scanarguments.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <optional>

namespace {

std::optional<ReportFormat> FormatNamed(const QString &name)
{
    if (name == QLatin1String("csv"))
        return ReportFormat::Csv;
    if (name == QLatin1String("json"))
        return ReportFormat::Json;
    return std::nullopt;
}

} // namespace

ScanOptions ParseScanArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show the usage."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("Report format."),
                                    QStringLiteral("csv|json"), QStringLiteral("csv"));
    const QCommandLineOption aliases(QStringLiteral("aliases"), QStringLiteral("ID names (CSV)."),
                                     QStringLiteral("FILE"));
    parser.addOptions({help, version, format, aliases});

    ScanOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (options.help || options.version)
        return options;
    options.paths = parser.positionalArguments();
    options.aliasListPath = parser.value(aliases);
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
        "Usage: ovelia-scan [--format csv|json] [--aliases FILE] PATH...\n"
        "Scans each PATH, a folder (with all its subfolders) or a single recording,\n"
        "and prints one record per valid recording, ordered by start time, then path.\n"
        "\n"
        "  --format csv   CSV with a header line, RFC 4180 quoting, CRLF line ends (default)\n"
        "  --format json  one JSON array of objects, one object a line\n"
        "  --aliases FILE the names of IDs, a CSV list with the columns id, name and\n"
        "                 an optional kind (radio or group)\n"
        "  -h, --help     show this text\n"
        "  -v, --version  show the program's version\n"
        "\n"
        "Columns (CSV order, JSON keys), named after the record table's columns:\n"
        "file_name, time, duration, duration_seconds, talker_id, call_id, radio_id,\n"
        "recording_type, call_type, receive_frequency, transmit_frequency, file_path,\n"
        "channel_type. The values are the texts of the record table (\"-\" where it\n"
        "shows none), the duration in seconds and the raw channel-type code. In JSON\n"
        "the IDs, frequencies, seconds and code are numbers, and \"-\" is null.\n"
        "With --aliases, talker_name, call_name and radio_name follow: the names of\n"
        "the IDs, empty (null in JSON) where an ID has none.\n"
        "The manual page ovelia-scan(1) tells more.\n"
        "\n"
        "Exit status: 0 done, 1 the working database or the output failed,\n"
        "2 bad arguments, a list of ID names refused, or a PATH that does not exist,\n"
        "is neither a folder nor a regular file, or is a folder that cannot be read.\n"
        "A reader that goes away ends the program by SIGPIPE, as it ends other\n"
        "writers.\n");
}

QString ScanVersion()
{
    return QStringLiteral("ovelia-scan " OVELIA_VERSION "\n");
}

QString ReadScanAliases(const QString &path, IdAliases &aliases)
{
    const AliasListRead read = ReadAliasList(path);
    if (!read.IsRead())
        return QStringLiteral("the ID names of %1 are refused: %2").arg(path, AliasListFault(read));
    aliases = read.aliases;
    return QString();
}

QString UnusablePathError(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo entry(path);
        if (!entry.exists())
            return QStringLiteral("no such file or folder: %1").arg(path);
        if (!entry.isDir() && !entry.isFile())
            return QStringLiteral("neither a folder nor a regular file: %1").arg(path);
        if (entry.isDir() && !(entry.isReadable() && entry.isExecutable()))
            return QStringLiteral("cannot read the folder: %1").arg(path);
    }
    return QString();
}
