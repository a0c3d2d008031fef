// ovelia-scan [--format csv|json] [--aliases FILE] PATH...: the import scan without a window,
// the listing on standard output. See ScanUsage() for the details.

#include "import/folderlisting.h"
#include "tools/ovelia-scan/scanarguments.h"
#include "tools/ovelia-scan/scanreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>

#ifdef Q_OS_WIN
#include <direct.h>
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

QString FailureMessage(const ScanOutcome &outcome, const QString &temporaryFolder,
                       const QFile &out)
{
    const QString folder = QDir::toNativeSeparators(temporaryFolder);
    switch (outcome.failure) {
    case ScanOutcome::DatabaseNotMade:
        return QStringLiteral("cannot make the working database in %1").arg(folder);
    case ScanOutcome::RecordsNotStored:
        return QStringLiteral("cannot store the records in the working database in %1: %2")
            .arg(folder, outcome.storeError);
    case ScanOutcome::FilesNotRead:
        return QStringLiteral("cannot read %1: %2")
            .arg(QDir::toNativeSeparators(outcome.unreadPath), qt_error_string(outcome.readError));
    default:
        return QStringLiteral("cannot write the report to standard output: %1")
            .arg(out.errorString());
    }
}

// The working folder and its files, named before the scan starts, so that a
// signal handler can remove them with nothing but system calls.
struct WorkFiles
{
    std::string database;
    std::string journal;
    std::string folder;
};
WorkFiles g_workFiles;

void RemoveWorkFiles()
{
#ifdef Q_OS_WIN
    _unlink(g_workFiles.database.c_str());
    _unlink(g_workFiles.journal.c_str());
    _rmdir(g_workFiles.folder.c_str());
#else
    ::unlink(g_workFiles.database.c_str());
    ::unlink(g_workFiles.journal.c_str());
    ::rmdir(g_workFiles.folder.c_str());
#endif
}

// Interrupted, terminated, hung up or left by its reader: the working folder
// goes, then the program ends by the signal as it would have without the
// handler.
extern "C" void EndBySignal(int signalNumber)
{
    const int interruptedErrno = errno;
    RemoveWorkFiles();
    errno = interruptedErrno;
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// A signal that whoever started the program ignores stays ignored: nohup's
// SIGHUP, or a SIGPIPE that its starter wants to see as a failed write.
void EndBySignalUnlessIgnored(int signalNumber)
{
    if (std::signal(signalNumber, SIG_IGN) != SIG_IGN)
        std::signal(signalNumber, EndBySignal);
}

// SIGPIPE among them: a reader that goes away, as `| head` does, ends the
// program as it ends any writer, with no word on standard error.
void RemoveWorkFolderOnSignals(const QString &folder)
{
    const QString database = ReportDatabaseName(folder);
    g_workFiles = {QFile::encodeName(database).toStdString(),
                   QFile::encodeName(database + QStringLiteral("-journal")).toStdString(),
                   QFile::encodeName(folder).toStdString()};
    EndBySignalUnlessIgnored(SIGINT);
    EndBySignalUnlessIgnored(SIGTERM);
#ifndef Q_OS_WIN
    EndBySignalUnlessIgnored(SIGHUP);
    EndBySignalUnlessIgnored(SIGPIPE);
#endif
}

// A file grown past its limit makes the write fail instead of ending the
// program, so that the working folder is removed.
void FailWritesPastTheFileSizeLimit()
{
#ifndef Q_OS_WIN
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

// The arguments come to the program as bytes; one that the file-name codec
// cannot carry would name another file, or none.
QString UndecodableArgumentError(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (!DecodedFileName(argument))
            return QStringLiteral("not valid in the file-name encoding: %1")
                .arg(EscapedBytes(argument));
    }
    return QString();
}

// Where the working folder is made: TMPDIR as it is named. QDir::tempPath()
// is empty for a TMPDIR that names no folder, and a working folder made from
// it would land in the root folder.
QString TemporaryFolder()
{
#ifdef Q_OS_WIN
    return QDir::tempPath();
#else
    const QString named = qEnvironmentVariable("TMPDIR");
    return named.isEmpty() ? QStringLiteral("/tmp") : named;
#endif
}

// The scan in a working folder of its own, made in temporaryFolder and
// removed again; the report on standard output through out.
ScanOutcome ScanInWorkFolder(const ScanOptions &options, const IdAliases *aliases,
                             const QString &temporaryFolder, QFile &out,
                             const std::function<void(const QStringList &)> &progress)
{
    const QTemporaryDir workFolder(
        QDir(temporaryFolder).filePath(QStringLiteral("ovelia-scan-XXXXXX")));
    ScanOutcome outcome;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        outcome.failure = ScanOutcome::ReportNotWritten;
    } else if (!workFolder.isValid()) {
        outcome.failure = ScanOutcome::DatabaseNotMade;
    } else {
        RemoveWorkFolderOnSignals(workFolder.path());
        outcome =
            ScanAndReport(options.paths, workFolder.path(), options.format, aliases, out, progress);
    }
    if (outcome.failure == ScanOutcome::None && !out.flush())
        outcome.failure = ScanOutcome::ReportNotWritten;
    return outcome;
}

int PrintOnStandardOutput(const QString &text)
{
    if (std::fputs(text.toLocal8Bit().constData(), stdout) >= 0 && std::fflush(stdout) == 0)
        return 0;
    PrintError(QStringLiteral("cannot write to standard output: %1").arg(qt_error_string(errno)));
    return kFailed;
}

int ScanAndPrint(const ScanOptions &options, const IdAliases *aliases)
{
    const bool showProgress = StandardErrorIsTerminal();
    const auto progress = [showProgress](const QStringList &paths) {
        if (!showProgress)
            return;
        for (const QString &path : paths)
            PrintLine(QStringLiteral("Scanning %1...").arg(path));
    };

    MakeStandardOutputBinary();
    FailWritesPastTheFileSizeLimit();
    QFile out;
    const QString temporaryFolder = TemporaryFolder();
    const ScanOutcome outcome = ScanInWorkFolder(options, aliases, temporaryFolder, out, progress);
    for (const QByteArray &name : qAsConst(outcome.unlistedNames))
        PrintError(QStringLiteral("left out, its name is not valid in the file-name encoding: %1")
                       .arg(EscapedBytes(name)));
    if (outcome.failure != ScanOutcome::None) {
        PrintError(FailureMessage(outcome, temporaryFolder, out));
        return kFailed;
    }
    if (showProgress)
        PrintLine(QStringLiteral("Recordings found: %1").arg(outcome.count));
    return outcome.unlistedNames.isEmpty() ? 0 : kFailed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);

    const ScanOptions options = ParseScanArguments(QCoreApplication::arguments());
    if (options.help || options.version)
        return PrintOnStandardOutput(options.help ? ScanUsage() : ScanVersion());
    QString error = options.error;
    if (error.isEmpty())
        error = UndecodableArgumentError(argc, argv);
    if (error.isEmpty())
        error = UnusablePathError(options.paths);
    IdAliases aliases;
    const bool withNames = !options.aliasListPath.isEmpty();
    if (error.isEmpty() && withNames)
        error = ReadScanAliases(options.aliasListPath, aliases);
    if (!error.isEmpty()) {
        PrintError(error);
        return kBadArguments;
    }
    return ScanAndPrint(options, withNames ? &aliases : nullptr);
}
