// Runs the real ovelia-scan, built beside this test, on an archive of
// recordings written byte by byte, as a script would run it.

#include "tools/ovelia-scan/scanarguments.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"

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

constexpr int kRunTimeoutMs = 60000;
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

// How a run is ended before its report is read: by a signal, by its reader
// going away, or by a limit on the size of the files it writes.
enum class Ending { Terminate, Interrupt, ReaderGone, FileSizeLimit };

// Recordings enough for a report larger than a pipe holds.
constexpr int kLongReportRecordings = 1500;
// Once this much is in the pipe, the report is being written.
constexpr int kReportUnderWay = 32768;

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestOveliaScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void runs_data();
    void runs();
    void unusableTemporaryFolder();
    void endingEarlyRemovesTheWorkingFolder_data();
    void endingEarlyRemovesTheWorkingFolder();

private:
    QString Path(const QString &relative) const { return m_archive.filePath(relative); }
    QStringList WithPaths(const QStringList &arguments) const;
    Outcome Run(const QStringList &arguments, const QString &temporaryFolder) const;
    Outcome Run(const QStringList &arguments) const { return Run(arguments, m_temporary->path()); }
    QStringList TemporaryEntries() const;
    // The text with %1 standing for the archive folder.
    QString InArchive(QString text) const { return text.replace("%1", m_archive.path()); }

    QTemporaryDir m_archive;
    QStringList m_archiveSnapshot;
    std::unique_ptr<QTemporaryDir> m_temporary;
};

void TestOveliaScan::initTestCase()
{
    QVERIFY(m_archive.isValid());
    QVERIFY(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/ovelia-scan"));

    QVERIFY(WriteRecording(Path("first/a_layout80.wav"),
                           CallRecording(RecordingLayout::Layout80, 1, 2, 65)));
    QVERIFY(WriteRecording(Path("first/b_layout85.wav"),
                           CallRecording(RecordingLayout::Layout85, 0, 3, 3725)));
    QVERIFY(WriteRecording(Path("first/deeper/call, \"one\".wav"), LiveRecording()));
    RecordingFields noMarker;
    noMarker.marker = "radio_recordeX";
    QVERIFY(WriteRecording(Path("first/broken.wav"), noMarker));
    QVERIFY(WriteRecording(Path("first/valid but not wav.txt")));
    QVERIFY(WriteRecording(Path(QString::fromUtf8("second/通话 Ωmega.wav")), OmegaRecording()));
    m_archiveSnapshot = Snapshot(m_archive.path());
}

void TestOveliaScan::init()
{
    m_temporary = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temporary->isValid());
}

// "@name" stands for that entry of the archive.
QStringList TestOveliaScan::WithPaths(const QStringList &arguments) const
{
    QStringList resolved;
    for (const QString &argument : arguments)
        resolved.append(argument.startsWith('@') ? Path(argument.mid(1)) : argument);
    return resolved;
}

Outcome TestOveliaScan::Run(const QStringList &arguments, const QString &temporaryFolder) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"TMPDIR", "TMP", "TEMP"})
        environment.insert(name, temporaryFolder);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + "/ovelia-scan", WithPaths(arguments));
    Outcome outcome;
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished(kRunTimeoutMs);
        return outcome;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        outcome.exitCode = process.exitCode();
    outcome.output = process.readAllStandardOutput();
    outcome.errors = process.readAllStandardError();
    return outcome;
}

QStringList TestOveliaScan::TemporaryEntries() const
{
    return QDir(m_temporary->path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

void TestOveliaScan::runs_data()
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
    report("folder with both layouts, recursively", {"@first"},
           kHeader + kLiveCsv + kLayout80Csv + kLayout85Csv);
    report("two folders merged by start time, csv chosen", {"--format", "csv", "@first", "@second"},
           kHeader + kLiveCsv + kOmegaCsv + kLayout80Csv + kLayout85Csv);
    report("single file and folder", {"@second", "@first/deeper/call, \"one\".wav"},
           kHeader + kLiveCsv + kOmegaCsv);
    report("invalid single file", {"@first/broken.wav"}, kHeader);
    report("json", {"--format", "json", "@second", "@first/deeper"}, kJson);
    report("help with a path", {"--format", "json", "@first", "--help"}, ScanUsage());
    refusal("missing path", {"@first", "@missing"}, "no such file or folder: %1/missing");
    refusal("unknown option", {"--fast", "@first"}, "Unknown option 'fast'.");
    refusal("bad format", {"--format", "xml", "@first"}, "unknown format 'xml', use csv or json");
    refusal("format without value", {"@first", "--format"}, "Missing value after '--format'.");
    refusal("no path", {}, "no PATH given, see --help");
}

// The working database goes away, and nothing in the archive changes.
void TestOveliaScan::runs()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    const Outcome outcome = Run(arguments);
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(outcome.output), InArchive(output));
    QCOMPARE(QString::fromUtf8(outcome.errors), InArchive(errors));
    QCOMPARE(TemporaryEntries(), QStringList());
    QCOMPARE(Snapshot(m_archive.path()), m_archiveSnapshot);
}

// Shows too that the working database is made where TMPDIR says: here a file.
void TestOveliaScan::unusableTemporaryFolder()
{
    const QString notAFolder = Path("first/broken.wav");
    const Outcome outcome = Run({"@first"}, notAFolder);
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(QString::fromUtf8(outcome.errors),
             "ovelia-scan: cannot make the working database in "
                 + QDir::toNativeSeparators(notAFolder) + "\n");
    QCOMPARE(outcome.output, QByteArray());
    QCOMPARE(Snapshot(m_archive.path()), m_archiveSnapshot);
}

void TestOveliaScan::endingEarlyRemovesTheWorkingFolder_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("exitCode"); // -1: ended by the signal
    QTest::addColumn<QString>("errors");

    QTest::newRow("SIGTERM") << Ending::Terminate << -1 << QString();
    QTest::newRow("SIGINT") << Ending::Interrupt << -1 << QString();
    QTest::newRow("reader gone") << Ending::ReaderGone << 1
                                 << "ovelia-scan: cannot write the report: Broken pipe\n";
    QTest::newRow("disk full") << Ending::FileSizeLimit << 1
                               << "ovelia-scan: cannot store the records in the working "
                                  "database in %2: the disk is full or not writable\n";
}

// The report goes into a FIFO that is not read: once the pipe is full, the
// program waits there with its working database made, until it is ended.
// Nothing of the working folder is left.
void TestOveliaScan::endingEarlyRemovesTheWorkingFolder()
{
    QFETCH(Ending, ending);
    QFETCH(int, exitCode);
    QFETCH(QString, errors);
    for (int i = 0; i < kLongReportRecordings; ++i)
        QVERIFY(WriteRecording(m_temporary->filePath(QStringLiteral("long/%1.wav").arg(i))));
    const QString work = m_temporary->filePath("work");
    QVERIFY(QDir().mkpath(work));
    const QString fifo = m_temporary->filePath("report");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(reader >= 0);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", work);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(fifo);
    QStringList command{QCoreApplication::applicationDirPath() + "/ovelia-scan",
                        m_temporary->filePath("long")};
    if (ending == Ending::FileSizeLimit)
        command = QStringList{"--fsize=40000"} + command;
    process.start(ending == Ending::FileSizeLimit ? "prlimit" : command.takeFirst(), command);
    QVERIFY(process.waitForStarted(kRunTimeoutMs));
    if (ending != Ending::FileSizeLimit) {
        int buffered = 0;
        QTRY_VERIFY_WITH_TIMEOUT(process.state() != QProcess::Running
                                     || (::ioctl(reader, FIONREAD, &buffered) == 0
                                         && buffered >= kReportUnderWay),
                                 kRunTimeoutMs);
        QCOMPARE(process.state(), QProcess::Running);
        if (ending == Ending::ReaderGone)
            ::close(reader);
        else
            ::kill(pid_t(process.processId()), ending == Ending::Terminate ? SIGTERM : SIGINT);
    }
    QVERIFY(process.waitForFinished(kRunTimeoutMs));
    if (ending != Ending::ReaderGone)
        ::close(reader);

    QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, exitCode);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), errors.replace("%2", work));
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

QTEST_GUILESS_MAIN(TestOveliaScan)

#include "tst_ovelia_scan.moc"
