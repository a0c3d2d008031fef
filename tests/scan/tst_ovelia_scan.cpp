// Runs the real ovelia-scan, built beside this test, on an archive of
// recordings written byte by byte, as a script would run it.

#include "tools/ovelia-scan/scanarguments.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRunTimeoutMs = 10000;
constexpr quint32 kBytesPerSecond = 16000; // the fixture's byte rate

const QString kHeader = "file_name,start_time,duration,calling_id,receive_id,radio_id,"
                        "record_type,call_type,transmit_frequency,receive_frequency,file_path,"
                        "channel_type\r\n";

// The CSV lines of the archive's valid recordings; %1 stands for the archive folder.
const QString kLiveCsv = "\"call, \"\"one\"\".wav\",2024-03-06 23:59:58,00:00:02,-,-,77,"
                         "Live Record,-,-,-,\"%1/first/deeper/call, \"\"one\"\".wav\",1\r\n";
const QString kLayout80Csv = "a_layout80.wav,2024-03-07 09:05:03,00:01:05,1001,2002,-,"
                             "Call Record,Group Call,400100,410200,%1/first/a_layout80.wav,2\r\n";
const QString kLayout85Csv = "b_layout85.wav,2024-03-07 09:05:03,01:02:05,1001,2002,77,"
                             "Call Record,Private Call,-,-,%1/first/b_layout85.wav,3\r\n";
const QString kOmegaCsv = QString::fromUtf8(
    "通话 Ωmega.wav,2024-03-07 08:00:00,00:00:10,5,6,-,Call Record,ZRN Group Call,"
    "300300,310300,%1/second/通话 Ωmega.wav,0\r\n");

// The live and the non-ASCII recording in the JSON report.
const QString kJson = QString::fromUtf8(
    "[\n"
    "{\"call_type\":\"-\",\"calling_id\":\"-\",\"channel_type\":\"1\",\"duration\":\"00:00:02\","
    "\"file_name\":\"call, \\\"one\\\".wav\","
    "\"file_path\":\"%1/first/deeper/call, \\\"one\\\".wav\","
    "\"radio_id\":\"77\",\"receive_frequency\":\"-\",\"receive_id\":\"-\","
    "\"record_type\":\"Live Record\",\"start_time\":\"2024-03-06 23:59:58\","
    "\"transmit_frequency\":\"-\"},\n"
    "{\"call_type\":\"ZRN Group Call\",\"calling_id\":\"5\",\"channel_type\":\"0\","
    "\"duration\":\"00:00:10\",\"file_name\":\"通话 Ωmega.wav\","
    "\"file_path\":\"%1/second/通话 Ωmega.wav\",\"radio_id\":\"-\","
    "\"receive_frequency\":\"310300\",\"receive_id\":\"6\",\"record_type\":\"Call Record\","
    "\"start_time\":\"2024-03-07 08:00:00\",\"transmit_frequency\":\"300300\"}\n"
    "]\n");

struct Outcome
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

RecordingFields CallRecording(RecordingLayout layout, quint16 callType, quint16 channelType,
                              quint32 seconds)
{
    RecordingFields fields;
    fields.layout = layout;
    fields.recordType = 2;
    fields.callType = callType;
    fields.channelType = channelType;
    fields.audioLength = seconds * kBytesPerSecond;
    return fields;
}

RecordingFields LiveRecording()
{
    RecordingFields fields;
    fields.day = 6;
    fields.hour = 23;
    fields.minute = 59;
    fields.second = 58;
    fields.pcm = SinePcm(2000);
    return fields;
}

RecordingFields OmegaRecording()
{
    RecordingFields fields = CallRecording(RecordingLayout::Layout80, 17, 0, 10);
    fields.hour = 8;
    fields.minute = 0;
    fields.second = 0;
    fields.callingID = 5;
    fields.receiveID = 6;
    fields.sendFre = 300300;
    fields.recFre = 310300;
    return fields;
}

// How a run is ended: by a signal while it scans or while it waits to write
// its report, by its reader going away, or by a limit on the size of the
// files it writes.
enum class Ending { SignalScanning, SignalReporting, ReaderGone, FileSizeLimit };

// Recordings enough for a report larger than a pipe holds; scanned this many
// times over, for a scan that lasts.
constexpr int kLongReportRecordings = 1500;
constexpr int kLongScanPaths = 20;
// Once this much is in the pipe, the report is being written.
constexpr int kReportUnderWay = 32768;

// True when a working database below folder is being written: its journal
// exists from a batch's first row to its commit.
bool WorkingJournalExists(const QString &folder)
{
    for (const QString &work : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo::exists(folder + "/" + work + "/scan.db-journal"))
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestOveliaScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_archive.isValid() && m_long.isValid());
        QVERIFY(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/ovelia-scan"));
        QVERIFY(WriteRecording(Path("first/a_layout80.wav"), CallRecording(RecordingLayout::Layout80, 1, 2, 65)));
        QVERIFY(WriteRecording(Path("first/b_layout85.wav"), CallRecording(RecordingLayout::Layout85, 0, 3, 3725)));
        QVERIFY(WriteRecording(Path("first/deeper/call, \"one\".wav"), LiveRecording()));
        RecordingFields noMarker;
        noMarker.marker = "radio_recordeX";
        QVERIFY(WriteRecording(Path("first/broken.wav"), noMarker));
        QVERIFY(WriteRecording(Path("first/valid but not wav.txt")));
        QVERIFY(WriteRecording(Path(QString::fromUtf8("second/通话 Ωmega.wav")), OmegaRecording()));
        m_archiveSnapshot = Snapshot(m_archive.path());
        for (int i = 0; i < kLongReportRecordings; ++i)
            QVERIFY(WriteRecording(m_long.filePath(QStringLiteral("%1/%2.wav").arg(i % 10).arg(i))));
    }
    void init()
    {
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        auto report = [](const char *tag, const QStringList &arguments, const QString &output) {
            QTest::newRow(tag) << arguments << 0 << output << QString();
        };
        auto refusal = [](const char *tag, const QStringList &arguments, const QString &error) {
            QTest::newRow(tag) << arguments << 2 << QString() << "ovelia-scan: " + error + "\n";
        };
        report("folder with both layouts, recursively", {"@first"}, kHeader + kLiveCsv + kLayout80Csv + kLayout85Csv);
        report("two folders merged by start time, csv chosen", {"--format", "csv", "@first", "@second"},
               kHeader + kLiveCsv + kOmegaCsv + kLayout80Csv + kLayout85Csv);
        report("single file and folder", {"@second", "@first/deeper/call, \"one\".wav"}, kHeader + kLiveCsv + kOmegaCsv);
        report("invalid single file", {"@first/broken.wav"}, kHeader);
        report("json", {"--format", "json", "@second", "@first/deeper"}, kJson);
        report("help with a path", {"--format", "json", "@first", "--help"}, ScanUsage());
        refusal("missing path", {"@first", "@missing"}, "no such file or folder: %1/missing");
        refusal("unknown option", {"--fast", "@first"}, "Unknown option 'fast'.");
        refusal("no path", {}, "no PATH given, see --help");
    }
    // The working database goes away, and nothing in the archive changes.
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        const Outcome outcome = Run(arguments.replaceInStrings(QRegularExpression("^@"), m_archive.path() + "/"), m_temporary->path());
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(outcome.output), InArchive(output));
        QCOMPARE(QString::fromUtf8(outcome.errors), InArchive(errors));
        QCOMPARE(QDir(m_temporary->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System), QStringList());
        QCOMPARE(Snapshot(m_archive.path()), m_archiveSnapshot);
    }

    // Shows too that the working database is made where TMPDIR says: here a file.
    void unusableTemporaryFolder()
    {
        const QString notAFolder = Path("first/broken.wav");
        const Outcome outcome = Run({Path("first")}, notAFolder);
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(QString::fromUtf8(outcome.errors), "ovelia-scan: cannot make the working database in " + notAFolder + "\n");
        QCOMPARE(outcome.output, QByteArray());
        QCOMPARE(Snapshot(m_archive.path()), m_archiveSnapshot);
    }

    void endingEarlyRemovesTheWorkingFolder_data()
    {
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("exitCode"); // the signal's number when ended by it
        QTest::addColumn<QString>("errors");
        for (const auto &[name, signal] : {std::pair("SIGTERM", SIGTERM), {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}})
            QTest::addRow("%s while scanning", name) << Ending::SignalScanning << signal << signal << QString();
        QTest::newRow("SIGTERM while reporting") << Ending::SignalReporting << SIGTERM << SIGTERM << QString();
        QTest::newRow("SIGINT while reporting") << Ending::SignalReporting << SIGINT << SIGINT << QString();
        QTest::newRow("reader gone") << Ending::ReaderGone << 0 << 1 << "ovelia-scan: cannot write the report: Broken pipe\n";
        QTest::newRow("disk full") << Ending::FileSizeLimit << 0 << 1
                                   << "ovelia-scan: cannot store the records in the working database in %2: the disk is full or not writable\n";
    }
    // The report goes into a FIFO that is not read: once the pipe is full, the
    // program waits there with its working database made, until it is ended.
    // A scan of the long folder many times over is ended while its rows go
    // in, before any of the report. Nothing of the working folder is left.
    void endingEarlyRemovesTheWorkingFolder()
    {
        QFETCH(Ending, ending);
        QFETCH(int, signal);
        QFETCH(int, exitCode);
        QFETCH(QString, errors);
        const QString work = m_temporary->filePath("work"), fifo = m_temporary->filePath("report");
        QVERIFY(QDir().mkpath(work) && ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", work);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardOutputFile(fifo);
        QStringList command{QCoreApplication::applicationDirPath() + "/ovelia-scan"};
        for (int i = 0; i < (ending == Ending::SignalScanning ? kLongScanPaths : 1); ++i)
            command << m_long.path();
        if (ending == Ending::FileSizeLimit)
            command.prepend("--fsize=40000");
        process.start(ending == Ending::FileSizeLimit ? "prlimit" : command.takeFirst(), command);
        QVERIFY2(process.waitForStarted(kRunTimeoutMs), "ovelia-scan did not start within 10 s");
        int buffered = 0;
        if (ending == Ending::SignalScanning) {
            const QDeadlineTimer deadline(kRunTimeoutMs);
            while (!WorkingJournalExists(work) && process.state() == QProcess::Running && !deadline.hasExpired())
                QThread::usleep(100);
            QVERIFY2(WorkingJournalExists(work), "no rows written to a working database within 10 s");
        } else if (ending != Ending::FileSizeLimit) {
            QTRY_VERIFY2_WITH_TIMEOUT(process.state() != QProcess::Running || (::ioctl(reader, FIONREAD, &buffered) == 0 && buffered >= kReportUnderWay),
                                      "a report under way within 10 s", kRunTimeoutMs);
        }
        if (ending == Ending::ReaderGone)
            ::close(reader);
        else if (signal != 0)
            ::kill(pid_t(process.processId()), signal);
        QVERIFY2(process.waitForFinished(kRunTimeoutMs), "ovelia-scan did not end within 10 s");
        if (ending == Ending::SignalScanning)
            QVERIFY2(::ioctl(reader, FIONREAD, &buffered) == 0 && buffered == 0, "the scan had ended before the signal");
        if (ending != Ending::ReaderGone)
            ::close(reader);
        QCOMPARE(process.exitStatus(), signal != 0 ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), errors.replace("%2", work));
        QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

private:
    QString Path(const QString &relative) const { return m_archive.filePath(relative); }
    // The text with %1 standing for the archive folder.
    QString InArchive(QString text) const { return text.replace("%1", m_archive.path()); }

    static Outcome Run(const QStringList &arguments, const QString &temporaryFolder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"TMPDIR", "TMP", "TEMP"})
            environment.insert(name, temporaryFolder);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + "/ovelia-scan", arguments);
        Outcome outcome;
        if (!process.waitForFinished(kRunTimeoutMs)) {
            process.kill();
            process.waitForFinished(kRunTimeoutMs);
            outcome.errors = "(did not end within 10 s)";
            return outcome;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            outcome.exitCode = process.exitCode();
        outcome.output = process.readAllStandardOutput();
        outcome.errors += process.readAllStandardError();
        return outcome;
    }

    QTemporaryDir m_archive;
    QTemporaryDir m_long;
    QStringList m_archiveSnapshot;
    std::unique_ptr<QTemporaryDir> m_temporary;
};

QTEST_GUILESS_MAIN(TestOveliaScan)
#include "tst_ovelia_scan.moc"
