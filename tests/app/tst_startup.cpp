// Runs copies of this program as the application in prepared folders: the
// start-up checks end the process, so they are observed from outside.

#include "app/appresources.h"
#include "app/endsignals.h"
#include "app/mainwindow.h"
#include "player/qmenubutton.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/proxystyle.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>

namespace {

const char *const kSubjectFlag = "--as-application";
const QMap<QString, int> kEndSignals{{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};

QString ImportText(const MainWindow &window)
{
    return window.findChild<QPushButton *>("pbtn_ImportFile")->text();
}

// The application as a subject: every start-up error it shows is printed and
// answered the way the first argument after the flag says ("button", "close",
// "escape"); a window that starts prints its Import button's text and its
// language menu, the checked entry marked "*". It is then closed at once,
// or, for "SIGTERM" and the like, left to the signal the test sends; for
// "Chinese", 中文 is first chosen from the menu and the Import button's text
// printed.
int RunAsApplication(int argc, char *argv[])
{
    QApplication application(argc, argv);
    RegisterResources();
    EndOnTerminationSignals(&application);
    QApplication::setStyle(new ProxyStyle(nullptr));
    const QString answer = QString::fromLatin1(argv[2]);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&answer] {
        auto *dialog = qobject_cast<MsgTipWidthSingleBtn *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        std::printf("dialog:%s|%s|%s\n", qPrintable(dialog->windowTitle()),
                    qPrintable(dialog->findChild<QLabel *>("label_MsgWithSingleBtnWndText")->text()),
                    qPrintable(dialog->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtnRes")->text()));
        std::fflush(stdout);
        if (answer == QLatin1String("button"))
            dialog->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtnRes")->click();
        else if (answer == QLatin1String("close"))
            dialog->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtn_Close")->click();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    answerer.start(20);
    MainWindow window;
    answerer.stop();
    window.show();
    QStringList languages;
    const QMenu *settings = window.findChild<QMenuButton *>("pbtn_Setting")->GetMenu();
    for (QAction *action : settings->actions().first()->menu()->actions()) {
        languages << action->text() + (action->isChecked() ? "*" : "");
        if (answer == "Chinese" && action->text() == "中文") {
            action->trigger();
            std::printf("chosen:%s\n", qPrintable(ImportText(window)));
        }
    }
    std::printf("started:%s|%s\n", qPrintable(ImportText(window)), qPrintable(languages.join(',')));
    std::fflush(stdout);
    if (!kEndSignals.contains(answer))
        QTimer::singleShot(0, &window, &QWidget::close);
    return application.exec();
}

struct Outcome
{
    int exitCode = -100; // -1: ended by a signal
    QString output;
    QStringList databaseFiles;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void languageChoiceWithOddSettingsFile_data();
    void languageChoiceWithOddSettingsFile();

private:
    static void PrepareCatalogs(const QString &folder, const QString &layout);
    static Outcome Run(const QString &program, const QString &answer);
};

// layout: "missing", "empty", "unusable" (catalogs lacking an entry and one
// that is no catalog), "installed", or "installed" with the unusable ones
// and a German one added, or with Chinese stored as the choice.
void TestStartup::PrepareCatalogs(const QString &folder, const QString &layout)
{
    const QString catalogs = folder + "/LanguageConfig/";
    if (layout == "missing")
        return;
    QVERIFY(QDir().mkdir(catalogs));
    if (layout == "empty" || layout == "installed")
        return;
    if (layout == "installed, Chinese stored") {
        QSettings settings(folder + "/Settings.ini", QSettings::IniFormat);
        settings.setValue("Setting/LanguageID", "0804");
        return;
    }
    for (const char *name : {"NameOnly.qm", "IdOnly.qm"})
        QVERIFY(QFile::copy(QStringLiteral(TEST_CATALOG_DIR "/") + name, catalogs + name));
    QVERIFY(WriteFileBytes(catalogs + "Broken.qm", "not a catalog"));
    if (layout == "installed, German added")
        QVERIFY(QFile::copy(QStringLiteral(TEST_CATALOG_DIR "/Deutsch.qm"),
                            catalogs + "Deutsch.qm"));
}

Outcome TestStartup::Run(const QString &program, const QString &answer)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(program, {QString::fromLatin1(kSubjectFlag), answer});
    Outcome outcome;
    if (kEndSignals.contains(answer)) {
        while (!outcome.output.contains("started:") && process.waitForReadyRead(60000))
            outcome.output += QString::fromUtf8(process.readAllStandardOutput());
        ::kill(pid_t(process.processId()), kEndSignals.value(answer));
    }
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return outcome;
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.output += QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression fifteenDigits(QStringLiteral("^\\d{15}$"));
    outcome.databaseFiles = QFileInfo(program).dir().entryList(QDir::Files).filter(fifteenDigits);
    return outcome;
}

void TestStartup::checks_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("shown");

    const QString destroyed =
        "dialog:Error|The components were destoryed, please re-install!|Cancel";
    const QString noLanguage =
        "dialog:Error|There were no valid language files, please re-install!|Cancel";
    QTest::newRow("no catalog folder, button") << "missing" << "button" << 255 << destroyed;
    QTest::newRow("no catalog folder, Esc") << "missing" << "escape" << 255 << destroyed;
    QTest::newRow("empty catalog folder") << "empty" << "button" << 255 << destroyed;
    QTest::newRow("no usable catalog, button") << "unusable" << "button" << 253 << noLanguage;
    QTest::newRow("no usable catalog, close button") << "unusable" << "close" << 253 << noLanguage;
    QTest::newRow("installed catalogs") << "installed" << "button" << 0
                                        << "started:Import|English*,中文";
    // Without a stored choice the first usable catalog by file name is installed.
    QTest::newRow("German and unusable catalogs added")
        << "installed, German added" << "button" << 0 << "started:Importieren|Deutsch*,English,中文";
    QTest::newRow("Chinese stored") << "installed, Chinese stored" << "button" << 0
                                    << "started:导入|English,中文*";
    // Ended by a signal as by the close button: status 0, no database left.
    for (const QString &name : kEndSignals.keys())
        QTest::newRow(qPrintable("installed catalogs, ended by " + name))
            << "installed" << name << 0 << "started:Import|English*,中文";
}

void TestStartup::checks()
{
    QFETCH(QString, layout);
    QFETCH(QString, answer);
    QFETCH(int, exitCode);
    QFETCH(QString, shown);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PrepareCatalogs(folder.path(), layout);
    const Outcome outcome =
        Run(CopyProgramInto(folder.path(), layout.startsWith("installed")), answer);

    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.output.trimmed(), shown);
    QCOMPARE(outcome.databaseFiles, QStringList());
}

void TestStartup::languageChoiceWithOddSettingsFile_data()
{
    QTest::addColumn<QString>("place"); // what lies at Settings.ini
    QTest::addColumn<bool>("written");

    QTest::newRow("none") << "absent" << true;
    QTest::newRow("a regular file") << "file" << true;
    QTest::newRow("a FIFO") << "FIFO" << false;
    QTest::newRow("a link that leads nowhere") << "link" << false;
    QTest::newRow("a folder") << "folder" << false;
}

// Chinese is chosen from the menu: the window switches whatever lies at
// Settings.ini, which is written only when it is a regular file or absent;
// nothing else beside the program changes.
void TestStartup::languageChoiceWithOddSettingsFile()
{
    QFETCH(QString, place);
    QFETCH(bool, written);
    QTemporaryDir folder;
    const QString settings = folder.filePath("Settings.ini");
    if (place == "file")
        QVERIFY(WriteFileBytes(settings, "[Other]\nKept=1\n"));
    else if (place == "FIFO")
        QVERIFY(::mkfifo(QFile::encodeName(settings).constData(), 0644) == 0);
    else if (place == "link")
        QVERIFY(QFile::link(folder.filePath("elsewhere/gone.ini"), settings));
    else if (place == "folder")
        QVERIFY(QDir().mkdir(settings));
    const QString program = CopyProgramInto(folder.path(), true);
    const auto others = [written, &folder] {
        const QStringList entries = Snapshot(folder.path());
        return written ? Moved(entries, "Settings.ini", "") : entries;
    };
    const QStringList before = others();
    const Outcome outcome = Run(program, "Chinese");

    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.output.startsWith("chosen:导入\n"), qPrintable(outcome.output));
    QCOMPARE(others(), before);
    if (written) {
        const QSettings stored(settings, QSettings::IniFormat);
        QCOMPARE(stored.value("Setting/LanguageID").toString(), QString("0804"));
        QCOMPARE(stored.value("Other/Kept").toString(), QString(place == "file" ? "1" : ""));
    }
}

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], kSubjectFlag) == 0)
        return RunAsApplication(argc, argv);
    QCoreApplication application(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
