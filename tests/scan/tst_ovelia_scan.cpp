// ovelia-scan: the pieces of its report and its command line, called directly; then the real program, built beside this
// test, run as a script runs it on an archive of recordings written byte by byte.

#include "tools/ovelia-scan/scanarguments.h"
#include "tools/ovelia-scan/scanreport.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"

#include <QtTest>

#include <cstdio>
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// How a run is ended: a signal while it scans or writes its report, its reader going away, a limit on its files' size.
enum class Ending { SignalScanning, SignalReporting, ReaderGone, FileSizeLimit };
Q_DECLARE_METATYPE(Ending)
Q_DECLARE_METATYPE(ReportFormat)

// The CSV lines of the archive's valid recordings; %1 stands for the archive folder.
static const QString kHeader = "file_name,time,duration,duration_seconds,talker_id,call_id,radio_id,recording_type,call_type,"
                               "receive_frequency,transmit_frequency,file_path,channel_type\r\n";
static const QString kLive = "\"call, \"\"one\"\".wav\",2024-03-06 23:59:58,00:00:02,2,-,-,77,Live Record,-,-,-,\"%1/first/deeper/call, \"\"one\"\".wav\",1\r\n";
static const QString k80 = "a_layout80.wav,2024-03-07 09:05:03,00:01:05,65,1001,2002,-,Call Record,Group Call,400100,410200,%1/first/a_layout80.wav,2\r\n";
static const QString k85 = "b_layout85.wav,2024-03-07 09:05:03,01:02:05,3725,1001,2002,77,Call Record,Private Call,-,-,%1/first/b_layout85.wav,3\r\n";
static const QString kOmega = QString::fromUtf8("通话 Ωmega.wav,2024-03-07 08:05:03,00:00:10,10,1001,2002,-,Call Record,ZRN Group Call,400100,410200,%1/second/通话 Ωmega.wav,0\r\n");

// A CSV line with the names' fields added.
static QString Named(QString line, const QString &names) { return line.insert(line.size() - 2, names); }

static RecordingFields Fields(RecordingLayout layout, quint16 recordType, quint16 callType, quint16 channelType, quint32 seconds, quint8 hour)
{
    RecordingFields fields;
    fields.layout = layout, fields.recordType = recordType, fields.callType = callType, fields.channelType = channelType;
    fields.audioLength = seconds * 16000, fields.hour = hour;
    return fields;
}

// Starts the program (or another on its arguments) with its temporary folder.
static void Start(QProcess &process, const QStringList &arguments, const QString &temporaryFolder, const QString &program = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"TMPDIR", "TMP", "TEMP"})
        environment.insert(name, temporaryFolder);
    process.setProcessEnvironment(environment);
    process.start(program.isEmpty() ? QCoreApplication::applicationDirPath() + "/ovelia-scan" : program, arguments);
}

static const QByteArray kUndecodable[] = {"/third/a\xff.wav", "/third/\xef\xbb\xbfx.wav"};

class TestOveliaScan : public QObject
{
    Q_OBJECT

private slots:
    // A field alone, and twice on a line.
    void csvField_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<QString>("field");
        for (const auto &[tag, text, field] : {std::tuple("nothing", "", ""), {"blanks, tab, semicolon", " a\tb; ", " a\tb; "}, {"comma", "a,b", "\"a,b\""},
                                               {"quote", "a\"b", "\"a\"\"b\""}, {"quotes only", "\"\"", "\"\"\"\"\"\""}, {"CR", "a\rb", "\"a\rb\""},
                                               {"LF", "a\nb", "\"a\nb\""}, {"CRLF at the end", "a\r\n", "\"a\r\n\""}})
            QTest::newRow(tag) << text << field;
    }
    void csvField()
    {
        QFETCH(QString, text); QFETCH(QString, field);
        QCOMPARE(CsvField(text), field);
        QCOMPARE(CsvLine({text}) + CsvLine({text, text}), field + "\r\n" + field + ',' + field + "\r\n");
    }

    // The opening, the entries of the fields as records 0 and 1, the closing.
    void report_data()
    {
        QTest::addColumn<ReportFormat>("format"); QTest::addColumn<QStringList>("fields"); QTest::addColumn<QByteArray>("report");
        const QStringList fields{"a, \"b\".wav", "2024-03-07 09:05:03", "00:00:02", "2", "-", "-", "77", "Live Record", "-", "-", "-", "/r/a\n.wav", "1"};
        const QByteArray json = "{\"call_id\":null,\"call_type\":null,\"channel_type\":1,\"duration\":\"00:00:02\",\"duration_seconds\":2,\"file_name\":\"a, \\\"b\\\".wav\","
                                "\"file_path\":\"/r/a\\n.wav\",\"radio_id\":77,\"receive_frequency\":null,\"recording_type\":\"Live Record\","
                                "\"talker_id\":null,\"time\":\"2024-03-07 09:05:03\",\"transmit_frequency\":null}";
        const QByteArray csv = "\"a, \"\"b\"\".wav\",2024-03-07 09:05:03,00:00:02,2,-,-,77,Live Record,-,-,-,\"/r/a\n.wav\",1\r\n";
        QTest::newRow("CSV") << ReportFormat::Csv << fields << kHeader.toUtf8() + csv + csv;
        QTest::newRow("JSON") << ReportFormat::Json << fields << "[\n" + json + ",\n" + json + "\n]\n";
        const QByteArray one = "{\"call_id\":null,\"call_type\":\"\",\"channel_type\":null,\"duration\":\"\",\"duration_seconds\":null,\"file_name\":\"\\t\\u0001\",\"file_path\":\"\","
                               "\"radio_id\":null,\"receive_frequency\":null,\"recording_type\":\"\",\"talker_id\":null,\"time\":\"\",\"transmit_frequency\":null}";
        QTest::newRow("JSON, one field") << ReportFormat::Json << QStringList{"\t\x01"} << "[\n" + one + ",\n" + one + "\n]\n";
    }
    void report()
    {
        QFETCH(ReportFormat, format); QFETCH(QStringList, fields); QFETCH(QByteArray, report);
        QCOMPARE(ReportOpening(format) + ReportEntry(format, fields, 0) + ReportEntry(format, fields, 1) + ReportClosing(format), report);
        QVERIFY(format == ReportFormat::Csv || QJsonDocument::fromJson(report).isArray());
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments"); QTest::addColumn<QString>("parsed"); // help, or the format and the paths, or the error
        for (const auto &[tag, arguments, parsed] : std::initializer_list<std::tuple<const char *, QStringList, QString>>{
                 {"one path", {"a"}, "csv a"}, {"json, two paths", {"--format", "json", "a", "b"}, "json a b"},
                 {"csv with =", {"a", "--format=csv"}, "csv a"}, {"path like an option", {"--", "-x"}, "csv -x"},
                 {"help", {"a", "-h"}, "help"}, {"help, long, bad format", {"--help", "--format", "xml"}, "help"},
                 {"version", {"a", "--version"}, "version"}, {"version, short, help", {"-v", "--help"}, "help"},
                 {"no path", {}, "no PATH given, see --help"}, {"json, no path", {"--format", "json"}, "no PATH given, see --help"},
                 {"bad format", {"--format", "xml", "a"}, "unknown format 'xml', use csv or json"},
                 {"format in capitals", {"--format", "JSON", "a"}, "unknown format 'JSON', use csv or json"},
                 {"empty format", {"--format=", "a"}, "unknown format '', use csv or json"},
                 {"format without value", {"a", "--format"}, "Missing value after '--format'."},
                 {"unknown option", {"--fast", "a"}, "Unknown option 'fast'."}})
            QTest::newRow(tag) << arguments << parsed;
    }
    void arguments()
    {
        QFETCH(QStringList, arguments); QFETCH(QString, parsed);
        const ScanOptions options = ParseScanArguments(QStringList("ovelia-scan") + arguments);
        const QString format = options.format == ReportFormat::Json ? "json" : "csv";
        QCOMPARE(options.help ? "help" : options.version ? "version" : !options.error.isEmpty() ? options.error : (QStringList(format) + options.paths).join(' '), parsed);
    }

    // The first path of a list that names nothing, or nothing to scan.
    void unusablePath()
    {
        const QString here = QCoreApplication::applicationFilePath(), gone = here + ".gone";
        QStringList errors;
        for (const QStringList &paths : {QStringList(), {here, "/"}, {here, gone, "/gone"}, {""}, {"/", "/dev/null"}})
            errors << UnusablePathError(paths);
        QCOMPARE(errors, QStringList({"", "", "no such file or folder: " + gone, "no such file or folder: ",
                                      "neither a folder nor a regular file: /dev/null"}));
        // A folder without permissions: root may read every folder, so the check runs as nobody then.
        QTemporaryDir temporary;
        const QString closed = temporary.filePath("closed");
        QVERIFY(::chmod(QFile::encodeName(temporary.path()).constData(), 0711) == 0 && QDir().mkdir(closed) && ::chmod(QFile::encodeName(closed).constData(), 0) == 0);
        const bool root = ::geteuid() == 0;
        QVERIFY(!root || ::setresuid(65534, 65534, 0) == 0);
        const QString error = UnusablePathError({closed});
        QVERIFY(!root || ::setresuid(0, 0, 0) == 0);
        QCOMPARE(error, "cannot read the folder: " + closed);
    }

    // However few descriptors the program may open, it lists every recording or fails with status 1 and
    // says why: never a short list with status 0.
    void descriptorLimits()
    {
        if (qEnvironmentVariableIsSet("ASAN_OPTIONS") || qEnvironmentVariableIsSet("TSAN_OPTIONS"))
            QSKIP("a sanitizer's runtime needs descriptors of its own and reports in place of the program");
        for (int limit = 4; limit <= 14; ++limit) {
            QProcess process;
            Start(process, {"-c", QStringLiteral("ulimit -n %1 && exec \"$0\" \"$1\"").arg(limit),
                            QCoreApplication::applicationDirPath() + "/ovelia-scan", m_long.path()}, QDir::tempPath(), "/bin/sh");
            QVERIFY2(process.waitForFinished(10000), "ovelia-scan not ended within 10 s");
            const QByteArray out = process.readAllStandardOutput(), error = process.readAllStandardError();
            if (process.exitCode() == 127 && error.contains("error while loading shared libraries"))
                continue; // too few descriptors for the program to start at all
            const bool whole = process.exitCode() == 0 && out.count('\n') == 1501 && error.isEmpty();
            const bool said = process.exitCode() == 1 && out.count('\n') <= 1 && error.trimmed().split('\n').last().startsWith("ovelia-scan: cannot ");
            QVERIFY2(whole || said, qPrintable(QStringLiteral("limit %1: status %2, %3 lines, %4").arg(limit).arg(process.exitCode()).arg(out.count('\n')).arg(QString(error))));
        }
    }

    void initTestCase()
    {
        QVERIFY(m_archive.isValid() && m_long.isValid());
        RecordingFields live = Fields(RecordingLayout::Layout85, 1, 2, 1, 2, 23), broken;
        live.day = 6, live.minute = 59, live.second = 58, broken.marker = "radio_recordeX";
        QVERIFY(WriteRecording(Path("first/a_layout80.wav"), Fields(RecordingLayout::Layout80, 2, 1, 2, 65, 9)));
        QVERIFY(WriteRecording(Path("first/b_layout85.wav"), Fields(RecordingLayout::Layout85, 2, 0, 3, 3725, 9)));
        QVERIFY(WriteRecording(Path("first/deeper/call, \"one\".wav"), live) && WriteRecording(Path("first/broken.wav"), broken));
        QVERIFY(WriteRecording(Path("first/valid but not wav.txt")));
        QVERIFY(WriteRecording(Path(QString::fromUtf8("second/通话 Ωmega.wav")), Fields(RecordingLayout::Layout80, 2, 17, 0, 10, 8)));
        QVERIFY(WriteRecording(Path("third/x.wav")) && MakeEntry("fifo", Path("pipe")));
        QVERIFY(WriteFileBytes(Path("names.csv"), "id,name,kind\n1001,Rita,radio\n2002,Gina,group\n2002,Pete,radio\n77,Base,\n"));
        for (const QByteArray &name : kUndecodable) { // beside x.wav, one that decodes as it
            QFile file;
            QVERIFY(file.open(std::fopen((QFile::encodeName(m_archive.path()) + name).constData(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
                    && file.write(RecordingBytes(RecordingFields())) > 0);
        }
        m_archiveSnapshot = Snapshot(m_archive.path());
        for (int i = 0; i < 1500; ++i) // a report larger than a pipe holds
            QVERIFY(WriteRecording(m_long.filePath(QStringLiteral("%1/%2.wav").arg(i % 10).arg(i))));
    }

    // Names that QDir cannot name, so that the temporary folder can go.
    void cleanupTestCase()
    {
        for (const QByteArray &name : kUndecodable)
            ::unlink((QFile::encodeName(m_archive.path()) + name).constData());
    }

    // "@" is the archive folder in the arguments, %1 in the outputs; a first "TMPDIR=..." sets the temporary folder, a first
    // ">FILE" the standard output.
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments"); QTest::addColumn<int>("exitCode"); QTest::addColumn<QString>("output");
        QTest::newRow("folder, recursively") << QStringList{"@first"} << 0 << kHeader + kLive + k80 + k85;
        QTest::newRow("folders merged by start time") << QStringList{"--format", "csv", "@first", "@second"} << 0 << kHeader + kLive + kOmega + k80 + k85;
        QTest::newRow("folder, file, invalid file") << QStringList{"@second", "@first/deeper/call, \"one\".wav", "@first/broken.wav"} << 0 << kHeader + kLive + kOmega;
        QTest::newRow("json, no record") << QStringList{"--format", "json", "@first/broken.wav"} << 0 << "[\n]\n";
        QTest::newRow("json, numbers and null") << QStringList{"--format", "json", "@first/a_layout80.wav"} << 0
            << "[\n{\"call_id\":2002,\"call_type\":\"Group Call\",\"channel_type\":2,\"duration\":\"00:01:05\",\"duration_seconds\":65,\"file_name\":\"a_layout80.wav\","
               "\"file_path\":\"%1/first/a_layout80.wav\",\"radio_id\":null,\"receive_frequency\":400100,\"recording_type\":\"Call Record\",\"talker_id\":1001,"
               "\"time\":\"2024-03-07 09:05:03\",\"transmit_frequency\":410200}\n]\n";
        QTest::newRow("names") << QStringList{"--aliases", "@names.csv", "@first"} << 0
            << Named(kHeader, ",talker_name,call_name,radio_name") + Named(kLive, ",,,Base") + Named(k80, ",Rita,Gina,") + Named(k85, ",Rita,Pete,Base");
        QTest::newRow("json, names and null") << QStringList{"--format", "json", "--aliases", "@names.csv", "@first/a_layout80.wav"} << 0
            << "[\n{\"call_id\":2002,\"call_name\":\"Gina\",\"call_type\":\"Group Call\",\"channel_type\":2,\"duration\":\"00:01:05\",\"duration_seconds\":65,"
               "\"file_name\":\"a_layout80.wav\",\"file_path\":\"%1/first/a_layout80.wav\",\"radio_id\":null,\"radio_name\":null,\"receive_frequency\":400100,"
               "\"recording_type\":\"Call Record\",\"talker_id\":1001,\"talker_name\":\"Rita\",\"time\":\"2024-03-07 09:05:03\",\"transmit_frequency\":410200}\n]\n";
        QTest::newRow("names refused") << QStringList{"--aliases", "@pipe", "@first"} << 2 << "ovelia-scan: the ID names of %1/pipe are refused: not a regular file\n";
        QTest::newRow("help with a path") << QStringList{"--format", "json", "@first", "--help"} << 0 << ScanUsage();
        QTest::newRow("version") << QStringList{"--version"} << 0 << "ovelia-scan " OVELIA_VERSION "\n";
        QTest::newRow("version, output full") << QStringList{">/dev/full", "-v"} << 1 << "ovelia-scan: cannot write to standard output: No space left on device\n";
        QTest::newRow("report, output full") << QStringList{">/dev/full", "@first"} << 1
                                             << "ovelia-scan: cannot write the report to standard output: No space left on device\n";
        QTest::newRow("missing path") << QStringList{"@first", "@missing"} << 2 << "ovelia-scan: no such file or folder: %1/missing\n";
        QTest::newRow("fifo") << QStringList{"@first", "@pipe"} << 2 << "ovelia-scan: neither a folder nor a regular file: %1/pipe\n";
        QTest::newRow("device") << QStringList{"/dev/null"} << 2 << "ovelia-scan: neither a folder nor a regular file: /dev/null\n";
        QTest::newRow("names the encoding cannot carry") << QStringList{"@third"} << 1
            << kHeader + "x.wav,2024-03-07 09:05:03,00:00:00,0,-,-,77,Live Record,-,-,-,%1/third/x.wav,1\r\n"
               "ovelia-scan: left out, its name is not valid in the file-name encoding: %1/third/a\\xff.wav\n"
               "ovelia-scan: left out, its name is not valid in the file-name encoding: %1/third/\\xef\\xbb\\xbfx.wav\n";
        QTest::newRow("temporary folder a file") << QStringList{"TMPDIR=@first/broken.wav", "@first"} << 1
                                                 << "ovelia-scan: cannot make the working database in %1/first/broken.wav\n";
        QTest::newRow("temporary folder missing") << QStringList{"TMPDIR=/nonexistent", "@first"} << 1
                                                  << "ovelia-scan: cannot make the working database in /nonexistent\n";
    }
    // Standard error holds the refusals only; the working folder goes away and nothing in the archive changes.
    void runs()
    {
        QFETCH(QStringList, arguments); QFETCH(int, exitCode); QFETCH(QString, output);
        QTemporaryDir temporary;
        arguments.replaceInStrings(QRegularExpression("^(TMPDIR=)?@"), "\\1" + m_archive.path() + "/");
        QProcess process;
        if (arguments.value(0).startsWith('>'))
            process.setStandardOutputFile(arguments.takeFirst().mid(1));
        Start(process, arguments, arguments.value(0).startsWith("TMPDIR=") ? arguments.takeFirst().mid(7) : temporary.path());
        QVERIFY2(process.waitForFinished(10000), "ovelia-scan not ended within 10 s");
        QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, exitCode);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()), output.replace("%1", m_archive.path()));
        QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System), QStringList());
        QCOMPARE(Snapshot(m_archive.path()), m_archiveSnapshot);
    }

    void endingEarlyRemovesTheWorkingFolder_data()
    {
        QTest::addColumn<Ending>("ending"); QTest::addColumn<QStringList>("starter"); QTest::addColumn<int>("signal"); QTest::addColumn<QString>("errors");
        for (const auto &[name, signal] : {std::pair("SIGTERM", SIGTERM), {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}})
            QTest::addRow("%s while scanning", name) << Ending::SignalScanning << QStringList() << signal << QString();
        QTest::newRow("SIGTERM while reporting") << Ending::SignalReporting << QStringList() << SIGTERM << QString();
        QTest::newRow("SIGINT while reporting") << Ending::SignalReporting << QStringList() << SIGINT << QString();
        QTest::newRow("reader gone") << Ending::ReaderGone << QStringList() << SIGPIPE << QString();
        QTest::newRow("reader gone, SIGPIPE ignored by the starter") << Ending::ReaderGone << QStringList{"/bin/sh", "-c", "trap '' PIPE && exec \"$@\"", "sh"}
                                                                     << 0 << "ovelia-scan: cannot write the report to standard output: Broken pipe\n";
        QTest::newRow("file size limit") << Ending::FileSizeLimit << QStringList{"prlimit", "--fsize=40000"} << 0
                                         << "ovelia-scan: cannot store the records in the working database in %1: disk I/O error\n";
    }
    // The report goes into a FIFO not read: once the pipe is full the program waits there until ended. The long folder given
    // 20 times is ended while scanned: the database holds a batch of rows, the journal beside it shows the next one going
    // in, and no report has begun. No working file is left.
    void endingEarlyRemovesTheWorkingFolder()
    {
        QFETCH(Ending, ending); QFETCH(QStringList, starter); QFETCH(int, signal); QFETCH(QString, errors);
        QTemporaryDir temporary;
        const QString work = temporary.filePath("work"), fifo = temporary.filePath("report");
        QVERIFY(QDir().mkpath(work) && ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        QProcess process;
        process.setStandardOutputFile(fifo);
        const QStringList paths = QVector<QString>(ending == Ending::SignalScanning ? 20 : 1, m_long.path()).toList();
        Start(process, starter.isEmpty() ? paths : QStringList(starter.mid(1)) << QCoreApplication::applicationDirPath() + "/ovelia-scan" << paths, work, starter.value(0));
        QVERIFY2(process.waitForStarted(10000), "ovelia-scan not started within 10 s");
        int buffered = 0;
        const auto scanning = [&work] {
            QDirIterator database(work, {"scan.db"}, QDir::Files, QDirIterator::Subdirectories);
            return database.hasNext() && QFileInfo(database.next()).size() > 100000 && QFileInfo::exists(database.filePath() + "-journal");
        };
        // The journal comes and goes with each batch: what was seen counts.
        bool seen = ending != Ending::SignalScanning;
        for (const QDeadlineTimer deadline(10000); !seen && !deadline.hasExpired(); seen = scanning())
            QThread::usleep(100);
        QVERIFY2(seen, "no batch of rows past the first going into a working database within 10 s");
        if (ending == Ending::SignalReporting || ending == Ending::ReaderGone)
            QTRY_VERIFY2_WITH_TIMEOUT(::ioctl(reader, FIONREAD, &buffered) == 0 && buffered >= 32768, "no report under way within 10 s", 10000);
        if (ending == Ending::ReaderGone)
            ::close(reader);
        else if (signal != 0)
            ::kill(pid_t(process.processId()), signal);
        QVERIFY2(process.waitForFinished(10000), "ovelia-scan not ended within 10 s");
        QVERIFY2(ending != Ending::SignalScanning || (::ioctl(reader, FIONREAD, &buffered) == 0 && buffered == 0), "the scan ended before the signal");
        if (ending != Ending::ReaderGone)
            ::close(reader);
        QCOMPARE(process.exitStatus(), signal != 0 ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(process.exitCode(), signal != 0 ? signal : 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), errors.replace("%1", work));
        QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

private:
    QString Path(const QString &relative) const { return m_archive.filePath(relative); }

    QTemporaryDir m_archive, m_long;
    QStringList m_archiveSnapshot;
};

QTEST_GUILESS_MAIN(TestOveliaScan)
#include "tst_ovelia_scan.moc"
