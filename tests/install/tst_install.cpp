// The installed programs, started as a user starts them (a read-only prefix,
// HOME in the test's folder): nothing is written beside them.

#include "app/appresources.h"
#include "app/mainwindow.h"
#include "store/dbprocess.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QLockFile>
#include <QtTest>

#include <csignal>

namespace {

const char kSwitchLanguage[] = "--switch-language";

// Run inside the prefix as a copy of this test: prints the working
// database's path, switches the language to Chinese and closes.
int SwitchLanguage(int argc, char *argv[])
{
    QApplication application(argc, argv);
    RegisterResources();
    MainWindow window;
    window.show();
    std::printf("%s\n", qPrintable(WorkingDatabaseName()));
    ChooseSetting(&window, {"Language", "中文"});
    return 0;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void commands_data();
    void commands();
    void programKeepsItsFilesInTheUsersFolders();
    void languageSwitchStoredInTheConfigFolder();

private:
    QString Prefix(const QString &relative) const { return m_root.filePath("prefix/" + relative); }
    QString Home(const QString &relative) const { return m_root.filePath("home/" + relative); }
    // Starts a program installed in the prefix (or, for an absolute path,
    // that one) with the user's environment.
    void Start(QProcess &process, const QString &program, const QStringList &arguments);
    // Runs it to its end: its standard output, then its standard error.
    QString Run(QProcess &process, const QString &program, const QStringList &arguments);

    QTemporaryDir m_root;
    QStringList m_installed; // the prefix's snapshot once installed
};

void TestInstall::initTestCase()
{
    QCOMPARE(QProcess::execute(CMAKE_PROGRAM, {"--install", BUILD_DIR, "--prefix", Prefix("")}), 0);
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), Prefix("bin/language-switch")));
    QVERIFY(WriteRecording(Home("calls/a.wav")));
    QCOMPARE(QProcess::execute("chmod", {"-R", "a-w", Prefix("")}), 0);
    m_installed = Snapshot(Prefix(""));
}

void TestInstall::cleanup()
{
    QCOMPARE(Snapshot(Prefix("")), m_installed);
}

void TestInstall::Start(QProcess &process, const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", Home(""));
    for (const char *name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR"})
        environment.remove(name);
    environment.insert("ASAN_OPTIONS", QStringList{environment.value("ASAN_OPTIONS"), "detect_leaks=0"}.join(':'));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(Home(""));
    process.start(program.startsWith('/') ? program : Prefix("bin/" + program), arguments);
}

QString TestInstall::Run(QProcess &process, const QString &program, const QStringList &arguments)
{
    Start(process, program, arguments);
    return process.waitForFinished(kWaitMs) ? process.readAllStandardOutput() + process.readAllStandardError()
                                            : program + " did not start or end within 10 s";
}

void TestInstall::commands_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("output"); // how it begins
    QTest::newRow("scan tool's version") << QStringList{"ovelia-scan", "--version"} << "ovelia-scan " PROJECT_VERSION_TEXT "\n";
    QTest::newRow("a scan") << QStringList{"ovelia-scan", "calls"} << "file_name,";
    QTest::newRow("program's version") << QStringList{"Ovelia", "--version"} << "Ovelia " PROJECT_VERSION_TEXT "\n";
    QTest::newRow("desktop entry valid")
        << QStringList{QStandardPaths::findExecutable("desktop-file-validate"), Prefix("share/applications/org.ovelia.Ovelia.desktop")} << "";
    QTest::newRow("metainfo valid")
        << QStringList{QStandardPaths::findExecutable("appstreamcli"), "validate", "--no-net", Prefix("share/metainfo/org.ovelia.Ovelia.metainfo.xml")} << "";
}

void TestInstall::commands()
{
    QFETCH(QStringList, command);
    QFETCH(QString, output);
    if (command[0].isEmpty())
        QSKIP("the validator is not installed");
    QProcess process;
    const QString shown = Run(process, command[0], command.mid(1));
    QVERIFY2(shown.startsWith(output) && process.exitCode() == 0, qPrintable(shown));
}

// A start removes the database of a run that ended without removing it, never
// that of a running copy; the program's own goes at its end.
void TestInstall::programKeepsItsFilesInTheUsersFolders()
{
    const QString cache = Home(".cache/ovelia/");
    QVERIFY(WriteFileBytes(cache + "240101000000000", "left by a run that ended abnormally"));
    QVERIFY(WriteFileBytes(cache + "240101000000000-journal", ""));
    QLockFile running(cache + "240101000000001.lock");
    running.setStaleLockTime(0);
    QVERIFY(running.tryLock(0) && WriteFileBytes(cache + "240101000000001", "a running copy's"));
    const QStringList runningCopys{"240101000000001", "240101000000001.lock"};
    QProcess process;
    Start(process, "Ovelia", {});
    const auto files = [&cache] { return QDir(cache).entryList(QDir::Files | QDir::Hidden); };
    QVERIFY(WaitUntil([&] { return files().size() == 4 && files().mid(0, 2) == runningCopys; },
                      "its database beside the running copy's in the cache folder"));
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY2(process.waitForFinished(kWaitMs) && process.exitCode() == 0, "the program not ended well within 10 s");
    QCOMPARE(files(), runningCopys);
}

void TestInstall::languageSwitchStoredInTheConfigFolder()
{
    QProcess process;
    const QString output = Run(process, "language-switch", {kSwitchLanguage});
    QCOMPARE(process.exitCode(), 0);
    const QString database = output.section('\n', 0, 0);
    QVERIFY2(database.startsWith(Home(".cache/ovelia/")) && !QFileInfo::exists(database), qPrintable(output));
    QCOMPARE(QSettings(Home(".config/ovelia/Settings.ini"), QSettings::IniFormat).value("Setting/LanguageID"), QVariant("0804"));
}

int main(int argc, char *argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], kSwitchLanguage) == 0)
        return SwitchLanguage(argc, argv);
    QCoreApplication application(argc, argv);
    TestInstall test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_install.moc"
