#include "app/appresources.h"
#include "app/mainwindow.h"
#include "player/qmenubutton.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

QString SettingsPath()
{
    return QCoreApplication::applicationDirPath() + "/Settings.ini";
}

QString StoredLanguageID()
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    return settings.value("Setting/LanguageID").toString();
}

QMenu *SettingMenu(MainWindow *window)
{
    return window->findChild<QMenuButton *>("pbtn_Setting")->GetMenu();
}

QMenu *Submenu(MainWindow *window, int index)
{
    return SettingMenu(window)->actions().at(index)->menu();
}

QMenu *LanguageMenu(MainWindow *window)
{
    return Submenu(window, 0);
}

QMenu *ListNumberMenu(MainWindow *window)
{
    return Submenu(window, 1);
}

QAction *Entry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QStringList EntryTexts(QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

QStringList CheckedEntries(QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (action->isChecked())
            texts << action->text();
    return texts;
}

QStringList CheckableEntries(QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (action->isCheckable())
            texts << action->text();
    return texts;
}

void ChooseLanguage(MainWindow *window, const QString &name)
{
    Entry(LanguageMenu(window), name)->trigger();
}

void ChoosePageSize(MainWindow *window, const QString &size)
{
    Entry(ListNumberMenu(window), size)->trigger();
}

// The one action of the window (menus included) that shows text, or null.
QAction *ActionShowing(MainWindow *window, const QString &text)
{
    QList<QAction *> found;
    for (QAction *action : window->findChildren<QAction *>())
        if (action->text() == text)
            found << action;
    return found.size() == 1 ? found.first() : nullptr;
}

QDialog *ProgressDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("TipDlg"))
            return qobject_cast<QDialog *>(widget);
    return nullptr;
}

// Where a retranslated text is shown.
enum class Shown { Widget, Action, CallTypeItem, RecordTypeItem, Header, Progress };

// Reads the text of the place found now, so that it can be read again after a
// switch of language.
std::function<QString()> TextReader(MainWindow *window, Shown place, const QString &key)
{
    switch (place) {
    case Shown::Widget:
        return [=] { return WidgetText(window, key); };
    case Shown::Action: {
        QAction *action = ActionShowing(window, key);
        return [=] { return action ? action->text() : QString(); };
    }
    case Shown::CallTypeItem:
    case Shown::RecordTypeItem: {
        auto *box = window->findChild<QComboBox *>(place == Shown::CallTypeItem ? "comBox_CallType"
                                                                                : "comBox_RecordType");
        return [=] { return box->itemText(key.toInt()); };
    }
    case Shown::Header: {
        auto *table = window->findChild<QTableView *>("tableView");
        return [=] { return table->model()->headerData(key.toInt(), Qt::Horizontal).toString(); };
    }
    case Shown::Progress: {
        QDialog *dialog = ProgressDialog();
        return [=] { return dialog ? dialog->findChild<QWidget *>(key)->property("text").toString() : QString(); };
    }
    }
    return {};
}

QString RecordingName(int i)
{
    return QStringLiteral("r%1.wav").arg(i, 3, 10, QLatin1Char('0'));
}

bool IsPlayingShown(MainWindow *window)
{
    return window->findChild<QPushButton *>("pbtn_PlayorPause")->styleSheet().contains("SoundPause");
}

void DoubleClickRow(MainWindow *window, int row)
{
    auto *table = window->findChild<QTableView *>("tableView");
    const QRect cell = table->visualRect(table->model()->index(row, 2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestMainWindowLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settingMenuShape();
    void catalogLackingAnEntryIsListedNowhere();
    void startsInEnglishWithoutSettingsFile();
    void choosingChineseStoresIdentifier();
    void choosingChineseRetranslatesAtOnce_data();
    void choosingChineseRetranslatesAtOnce();
    void switchKeepsPageAndTimeLabels();
    void nextStartIsChinese();
    void choosingCheckedLanguageReloadsAndSaves();
    void pageSizeShowsFirstPage_data();
    void pageSizeShowsFirstPage();
    void refusesLanguageAndPageSizeWhilePlaying();
    void aboutWorksWhilePlaying();

private:
    // Lists count recordings; the one at longIndex plays for 20 s, the others
    // are short.
    void Load(int count, int longIndex = -1);
    void StartPlaying(int row);

    MainWindow *m_window = nullptr;
    QTemporaryDir *m_archive = nullptr;
};

void TestMainWindowLanguages::initTestCase()
{
    RegisterResources();
}

void TestMainWindowLanguages::init()
{
    QFile::remove(SettingsPath());
    m_archive = new QTemporaryDir;
    m_window = new MainWindow;
    m_window->show();
}

void TestMainWindowLanguages::cleanup()
{
    delete m_window;
    delete m_archive;
    QFile::remove(SettingsPath());
}

void TestMainWindowLanguages::Load(int count, int longIndex)
{
    for (int i = 0; i < count; ++i) {
        RecordingFields fields;
        fields.hour = quint8(9 + i / 60);
        fields.minute = quint8(i % 60);
        fields.pcm = SinePcm(i == longIndex ? 20000 : 100);
        QVERIFY(WriteRecording(m_archive->filePath(RecordingName(i)), fields));
    }
    ImportPath(m_window, m_archive->path());
    ClickTreeItem(m_window, TopLevelItem(m_window, 0));
}

void TestMainWindowLanguages::StartPlaying(int row)
{
    DoubleClickRow(m_window, row);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 10000);
}

void TestMainWindowLanguages::settingMenuShape()
{
    const QList<QAction *> entries = SettingMenu(m_window)->actions();
    QCOMPARE(entries.size(), 3);
    for (const QAction *entry : entries)
        QVERIFY(!entry->isSeparator());
    QCOMPARE(entries.at(0)->text(), QString("Language"));
    QCOMPARE(entries.at(1)->text(), QString("List Number"));
    QCOMPARE(entries.at(2)->text(), QString("About"));
    QVERIFY(!entries.at(2)->menu());

    QMenu *languages = LanguageMenu(m_window);
    QVERIFY(languages);
    QCOMPARE(EntryTexts(languages), QStringList({"English", "中文"}));
    QCOMPARE(CheckableEntries(languages), EntryTexts(languages));
    QCOMPARE(CheckedEntries(languages), QStringList({"English"}));

    QMenu *sizes = ListNumberMenu(m_window);
    QVERIFY(sizes);
    QCOMPARE(EntryTexts(sizes), QStringList({"50", "100", "150", "200"}));
    QCOMPARE(CheckableEntries(sizes), EntryTexts(sizes));
    QCOMPARE(CheckedEntries(sizes), QStringList({"200"}));
}

// Extra catalogs beside the installed ones for one test; removed again after it.
class ExtraCatalogs
{
public:
    explicit ExtraCatalogs(const QStringList &names)
    {
        for (const QString &name : names) {
            const QString target = QCoreApplication::applicationDirPath() + "/LanguageConfig/" + name;
            if (QFile::copy(QStringLiteral(TEST_CATALOG_DIR "/") + name, target))
                m_copies << target;
        }
    }
    ~ExtraCatalogs()
    {
        for (const QString &copy : qAsConst(m_copies))
            QFile::remove(copy);
    }
    int Count() const { return m_copies.size(); }

private:
    QStringList m_copies;
};

void TestMainWindowLanguages::catalogLackingAnEntryIsListedNowhere()
{
    const ExtraCatalogs extra({"Deutsch.qm", "IdOnly.qm", "NameOnly.qm"});
    QCOMPARE(extra.Count(), 3);
    MainWindow window;
    QMenu *languages = LanguageMenu(&window);
    QCOMPARE(EntryTexts(languages), QStringList({"Deutsch", "English", "中文"}));
    // Without a stored choice the first usable catalog in name order is installed.
    QCOMPARE(CheckedEntries(languages), QStringList({"Deutsch"}));
    QCOMPARE(WidgetText(&window, "pbtn_ImportFile"), QString("Importieren"));
}

void TestMainWindowLanguages::startsInEnglishWithoutSettingsFile()
{
    QCOMPARE(WidgetText(m_window, "pbtn_Setting"), QString("Settings"));
    QCOMPARE(WidgetText(m_window, "label_ImportPathTip"), QString("List of Record Files"));
    QVERIFY(!QFile::exists(SettingsPath()));
}

void TestMainWindowLanguages::choosingChineseStoresIdentifier()
{
    ChooseLanguage(m_window, "中文");
    QCOMPARE(StoredLanguageID(), QString("0804"));
    QCOMPARE(CheckedEntries(LanguageMenu(m_window)), QStringList({"中文"}));
}

void TestMainWindowLanguages::choosingChineseRetranslatesAtOnce_data()
{
    QTest::addColumn<Shown>("place");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("import button") << Shown::Widget << "pbtn_ImportFile" << "Import" << "导入";
    QTest::newRow("settings button") << Shown::Widget << "pbtn_Setting" << "Settings" << "设置";
    QTest::newRow("tree title") << Shown::Widget << "label_ImportPathTip" << "List of Record Files"
                                << "录音文件列表";
    QTest::newRow("export button") << Shown::Widget << "pbtn_AddToFolder" << "Export" << "导出";
    QTest::newRow("call type 0") << Shown::CallTypeItem << "0" << "All" << "所有";
    QTest::newRow("call type 1") << Shown::CallTypeItem << "1" << "Private Call" << "单呼";
    QTest::newRow("call type 7") << Shown::CallTypeItem << "7" << "ZRN Emergency Call"
                                 << "ZRN紧急呼叫";
    QTest::newRow("record type 0") << Shown::RecordTypeItem << "0" << "All" << "所有";
    QTest::newRow("record type 2") << Shown::RecordTypeItem << "2" << "Live Record" << "现场录音";
    QTest::newRow("play entry") << Shown::Action << "Play" << "Play" << "播放";
    QTest::newRow("rename entry") << Shown::Action << "Rename" << "Rename" << "重命名";
    QTest::newRow("tree delete entry") << Shown::Action << "Delete" << "Delete" << "删除";
    QTest::newRow("language title") << Shown::Action << "Language" << "Language" << "语言";
    QTest::newRow("list number title") << Shown::Action << "List Number" << "List Number"
                                       << "列表个数";
    QTest::newRow("about entry") << Shown::Action << "About" << "About" << "关于";
    QTest::newRow("progress text") << Shown::Progress << "label_Tip" << "Importing, please wait..."
                                   << "正在导入，请稍候...";
    QTest::newRow("progress button") << Shown::Progress << "pbtn_TipWndCancel" << "Cancel" << "取消";
    QTest::newRow("header number") << Shown::Header << "1" << "No." << "序号";
    QTest::newRow("header file name") << Shown::Header << "2" << "File Name" << "文件名";
}

void TestMainWindowLanguages::choosingChineseRetranslatesAtOnce()
{
    QFETCH(Shown, place);
    QFETCH(QString, key);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    const std::function<QString()> shownText = TextReader(m_window, place, key);
    QCOMPARE(shownText(), english);
    ChooseLanguage(m_window, "中文");
    QCOMPARE(shownText(), chinese);
}

void TestMainWindowLanguages::switchKeepsPageAndTimeLabels()
{
    Load(250, 200);
    ClickButton(m_window, "pbtn_NextPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("2/2"));
    StartPlaying(0);
    QTRY_VERIFY_WITH_TIMEOUT(!WidgetText(m_window, "label_SoundPlayProcessAndTimeLen")
                                  .startsWith("00:00:00/"), 10000);
    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    const QString timeText = WidgetText(m_window, "label_SoundPlayProcessAndTimeLen");

    ChooseLanguage(m_window, "中文");
    QCOMPARE(WidgetText(m_window, "pbtn_Setting"), QString("设置"));
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("2/2"));
    QCOMPARE(WidgetText(m_window, "label_SoundPlayProcessAndTimeLen"), timeText);
    QCOMPARE(TableColumn(m_window, 2).size(), 50);
}

void TestMainWindowLanguages::nextStartIsChinese()
{
    ChooseLanguage(m_window, "中文");
    delete m_window;
    m_window = new MainWindow;
    QCOMPARE(WidgetText(m_window, "pbtn_Setting"), QString("设置"));
    QCOMPARE(CheckedEntries(LanguageMenu(m_window)), QStringList({"中文"}));
    QCOMPARE(CheckedEntries(ListNumberMenu(m_window)), QStringList({"200"}));
}

void TestMainWindowLanguages::choosingCheckedLanguageReloadsAndSaves()
{
    m_window->findChild<QPushButton *>("pbtn_ImportFile")->setText("changed");
    ChooseLanguage(m_window, "English");
    QCOMPARE(WidgetText(m_window, "pbtn_ImportFile"), QString("Import"));
    QCOMPARE(StoredLanguageID(), QString("0409"));
    QCOMPARE(CheckedEntries(LanguageMenu(m_window)), QStringList({"English"}));
}

void TestMainWindowLanguages::pageSizeShowsFirstPage_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("page");
    QTest::newRow("50") << "50" << 50 << "1/3";
    QTest::newRow("100") << "100" << 100 << "1/2";
    QTest::newRow("150") << "150" << 120 << "1/1";
}

void TestMainWindowLanguages::pageSizeShowsFirstPage()
{
    QFETCH(QString, size);
    QFETCH(int, rows);
    QFETCH(QString, page);
    Load(120);
    ChoosePageSize(m_window, "50");
    ClickButton(m_window, "pbtn_NextPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("2/3"));

    ChoosePageSize(m_window, size);
    QCOMPARE(TableColumn(m_window, 2).size(), rows);
    QCOMPARE(TableColumn(m_window, 2).first(), RecordingName(0));
    QCOMPARE(WidgetText(m_window, "label_Page"), page);
    QCOMPARE(CheckedEntries(ListNumberMenu(m_window)), QStringList({size}));
}

void TestMainWindowLanguages::refusesLanguageAndPageSizeWhilePlaying()
{
    Load(60, 0);
    StartPlaying(0);
    QCOMPARE(CheckableEntries(LanguageMenu(m_window)), QStringList({"English"}));
    QCOMPARE(CheckableEntries(ListNumberMenu(m_window)), QStringList({"200"}));

    ChooseLanguage(m_window, "中文");
    ChoosePageSize(m_window, "50");
    QCOMPARE(WidgetText(m_window, "pbtn_Setting"), QString("Settings"));
    QVERIFY(!QFile::exists(SettingsPath()));
    QCOMPARE(TableColumn(m_window, 2).size(), 60);
    QCOMPARE(CheckedEntries(LanguageMenu(m_window)), QStringList({"English"}));
    QCOMPARE(CheckedEntries(ListNumberMenu(m_window)), QStringList({"200"}));
    QVERIFY(IsPlayingShown(m_window));

    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    QCOMPARE(CheckableEntries(ListNumberMenu(m_window)), EntryTexts(ListNumberMenu(m_window)));
}

void TestMainWindowLanguages::aboutWorksWhilePlaying()
{
    Load(3, 0);
    StartPlaying(0);
    QString title;
    QString version;
    QString button;
    AnswerModal("AboutTip", [&](QDialog *tip) {
        title = tip->findChild<QWidget *>("label_AboutTip_Title")->property("text").toString();
        version = tip->findChild<QWidget *>("label_SW_Version")->property("text").toString();
        button = tip->findChild<QWidget *>("pbtn_AboutTipBtnRes")->property("text").toString();
        tip->accept();
    });
    SettingMenu(m_window)->actions().at(2)->trigger();
    QCOMPARE(title, QString("About"));
    QCOMPARE(version, QString("Ovelia V1.00.02.001"));
    QCOMPARE(button, QString("OK"));
    QVERIFY(IsPlayingShown(m_window));
}

int main(int argc, char *argv[])
{
    // appsink keeps to the clock, so a recording still plays when the test
    // looks at it.
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "appsink");
    QApplication application(argc, argv);
    TestMainWindowLanguages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow_languages.moc"
