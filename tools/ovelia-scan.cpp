// ovelia-scan [--format csv|json] PATH...: the import scan without a window,
// the listing on standard output. See ScanUsage() for the details.

#include "import/scanreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

bool StandardErrorIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr));
#else
    return isatty(fileno(stderr));
#endif
}

// The CSV report's CRLF line ends must reach the output unchanged.
void MakeStandardOutputBinary()
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

void PrintLine(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

void PrintError(const QString &message)
{
    PrintLine(QStringLiteral("ovelia-scan: ") + message);
}

QString Failure(const QFile &out)
{
    if (out.error() != QFileDevice::NoError)
        return QStringLiteral("cannot write the report: %1").arg(out.errorString());
    return QStringLiteral("cannot make the working database in %1")
        .arg(QDir::toNativeSeparators(QDir::tempPath()));
}

int ScanAndPrint(const ScanOptions &options)
{
    const bool showProgress = StandardErrorIsTerminal();
    const auto progress = [showProgress](const QString &path) {
        if (showProgress)
            PrintLine(QStringLiteral("Scanning %1...").arg(path));
    };

    MakeStandardOutputBinary();
    QFile out;
    const QTemporaryDir workFolder;
    std::optional<int> count;
    if (workFolder.isValid() && out.open(stdout, QIODevice::WriteOnly))
        count = ScanAndReport(options.paths, workFolder.path(), options.format, out, progress);
    if (!count || !out.flush()) {
        PrintError(Failure(out));
        return kFailed;
    }
    if (showProgress)
        PrintLine(QStringLiteral("Recordings found: %1").arg(*count));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    // The import worker's debug line would spoil a script's standard error.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const ScanOptions options = ParseScanArguments(QCoreApplication::arguments());
    if (options.help) {
        std::fputs(ScanUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    const QString error = options.error.isEmpty() ? MissingPathError(options.paths) : options.error;
    if (!error.isEmpty()) {
        PrintError(error);
        return kBadArguments;
    }
    return ScanAndPrint(options);
}
