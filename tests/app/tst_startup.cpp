// Runs copies of this program as the application in prepared folders: the
// start-up checks end the process, so they are observed from outside.

#include "app/endsignals.h"
#include "app/mainwindow.h"
#include "player/qmenubutton.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/proxystyle.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <cstdio>

namespace {

const char kSubjectFlag[] = "--as-application";
const QMap<QString, int> kEndSignals{{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};

// The application as a subject: every start-up error it shows is printed and
// answered the way the first argument after the flag says ("button", "close",
// "escape"); a window that starts prints its Import button's text and its
// language menu, the checked entry marked "*". It is then closed at once,
// or, for "SIGTERM" and the like, left to the signal the test sends.
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
        auto *button = dialog->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtnRes");
        std::printf("dialog:%s|%s|%s\n", qPrintable(dialog->windowTitle()),
                    qPrintable(dialog->findChild<QLabel *>("label_MsgWithSingleBtnWndText")->text()),
                    qPrintable(button->text()));
        std::fflush(stdout);
        if (answer == "escape")
            return QTest::keyClick(dialog, Qt::Key_Escape);
        (answer == "close" ? dialog->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtn_Close") : button)->click();
    });
    answerer.start(20);
    MainWindow window;
    answerer.stop();
    window.show();
    QString shown = "started:" + window.findChild<QPushButton *>("pbtn_ImportFile")->text() + '|';
    for (QAction *action : window.findChild<QMenuButton *>()->GetMenu()->actions()[0]->menu()->actions())
        shown += action->text() + (action->isChecked() ? "*," : ",");
    std::printf("%s\n", qPrintable(shown.chopped(1)));
    std::fflush(stdout);
    if (!kEndSignals.contains(answer))
        QTimer::singleShot(0, &window, &QWidget::close);
    return application.exec();
}

// layout: "missing", "empty", "unusable" (catalogs lacking an entry and one
// that is no catalog), "installed", with German and the unusable ones added,
// or with Chinese stored.
void PrepareCatalogs(const QString &folder, const QString &layout)
{
    const QString catalogs = folder + "/LanguageConfig/";
    if (layout == "missing")
        return;
    QVERIFY(QDir().mkdir(catalogs));
    if (layout == "installed, Chinese stored")
        QVERIFY(WriteFileBytes(folder + "/Settings.ini", "[Setting]\nLanguageID=0804\n"));
    if (layout == "empty" || (layout.startsWith("installed") && !layout.endsWith("added")))
        return;
    for (const char *name : {"NameOnly.qm", "IdOnly.qm"})
        QVERIFY(QFile::copy(QStringLiteral(TEST_CATALOG_DIR "/") + name, catalogs + name));
    QVERIFY(WriteFileBytes(catalogs + "Broken.qm", "not a catalog"));
    if (layout == "installed, German added")
        QVERIFY(QFile::copy(TEST_CATALOG_DIR "/Deutsch.qm", catalogs + "Deutsch.qm"));
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
};

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
    QTest::newRow("installed catalogs") << "installed" << "button" << 0 << "started:Import|English*,中文";
    // Without a stored choice the first usable catalog by file name is installed.
    QTest::newRow("German and unusable catalogs added")
        << "installed, German added" << "button" << 0 << "started:Importieren|Deutsch*,English,中文";
    QTest::newRow("Chinese stored") << "installed, Chinese stored" << "button" << 0 << "started:导入|English,中文*";
    // Ended by a signal as by the close button: status 0, no database left.
    for (const QString &name : kEndSignals.keys())
        QTest::newRow(qPrintable("installed catalogs, ended by " + name))
            << "installed" << name << 0 << "started:Import|English*,中文";
}

// The window is sent the signal once it has started. A process left running
// is killed with the QProcess.
void TestStartup::checks()
{
    QFETCH(QString, layout);
    QFETCH(QString, answer);
    QTemporaryDir folder;
    PrepareCatalogs(folder.path(), layout);
    QProcess process;
    // The statuses are the program's own: a leak report at its exit (a library that keeps memory for
    // good, under AddressSanitizer) must not change them.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", QStringList{environment.value("ASAN_OPTIONS"), "detect_leaks=0"}.join(':'));
    process.setProcessEnvironment(environment);
    process.start(CopyProgramInto(folder.path(), layout.startsWith("installed")), {kSubjectFlag, answer});
    QString output;
    while (kEndSignals.contains(answer) && !output.contains("started:") && process.waitForReadyRead(kWaitMs))
        output += process.readAllStandardOutput();
    if (kEndSignals.contains(answer))
        ::kill(pid_t(process.processId()), kEndSignals.value(answer));
    const bool ended = process.waitForFinished(kWaitMs);
    output += process.readAllStandardOutput();
    QVERIFY2(ended, qPrintable("the application did not end within 10 s; it wrote: " + output));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QTEST(process.exitCode(), "exitCode");
    QTEST(output.trimmed(), "shown");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).filter(QRegularExpression("^\\d{15}$")), QStringList());
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
