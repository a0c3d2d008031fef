// The real main window, one new window per test, driven through its widgets:
// the import tree, its node numbers, removal and theme, the check marks,
// delete, playing and the columns beside long names, each beyond what the
// user journey goes through.

#include "app/mainwindow.h"
#include "import/importrecordfile.h"
#include "player/qplayslider.h"
#include "records/renamedialog.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"
#include "ui/abouttip.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/tipdlg.h"

#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>
#include <QTimeEdit>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Folders whose names quotes, a placeholder and blanks make hostile to a
// statement, ab's starting with a's.
const QString kA = "a'\" %1 ";
const QString kAB = kA + "b";
// Starting a minute apart in this order.
const QStringList kArchive{"x.wav", kA + "/it's 1.wav", kA + "/2.wav", kA + "/deep/3.wav",
                           kAB + "/4.wav", "B/5.wav"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importBuildsTreeWithNodeNumbers();
    void importRefusesMissingPath_data();
    void importRefusesMissingPath();
    void failedStoreIsSaid();
    void treeBranchImagesFollowState();
    void removal_data();
    void removal();
    void checkMarksSelectAllAndInvert();
    void deleteCountsOnlyRemovedFiles();
    void refusesListChangesWhilePlaying();
    void listFollowsTheDay_data();
    void listFollowsTheDay();
    void longNamesKeepCallTypeInView();
    void idNamesShownKeptAndRefused();
    void playerKeysAndNowPlaying();
    void toolTipsCalendarsAndFocusMarks_data();
    void toolTipsCalendarsAndFocusMarks();
    void toolTipsOnTheThemeGround();

private:
    QString Rec(const QString &relative = {}) const { return relative.isEmpty() ? m_folder->path() : m_folder->filePath(relative); }
    QStringList Names() { return TableColumn(m_window.get(), 2); }
    QString Checked() { return WidgetText(m_window.get(), "ledt_SelectCount"); }
    QWidget *Child(const char *name) { return m_window->findChild<QWidget *>(name); }
    QString PlayingRows()
    {
        const QAbstractItemModel *model = m_window->findChild<QAbstractItemView *>("tableView")->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 1).data(Qt::DecorationRole).isValid())
                rows << QString::number(row);
        return rows.join(',') + ' ' + WidgetText(m_window.get(), "label_PlaylistPosition");
    }
    QTreeWidgetItem *Top(int index = 0) { return TopLevelItem(m_window.get(), index); }
    void ImportAndList(int index = 0)
    {
        ImportPath(m_window.get(), Rec());
        ClickTreeItem(Top(index));
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    for (int i = 0; i < kArchive.size(); ++i) {
        RecordingFields fields;
        fields.minute = quint8(i);
        fields.pcm = SinePcm(20000);
        QVERIFY(WriteRecording(Rec(kArchive[i]), fields));
    }
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    QCOMPARE(TakeMessages(), QStringList());
    m_folder.reset();
}

// Each import takes the next tree node number, and the items below it take
// that number too.
void TestMainWindow::importBuildsTreeWithNodeNumbers()
{
    ImportPath(m_window.get(), Rec());
    ImportPath(m_window.get(), Rec(kA + "/2.wav"), false);
    QCOMPARE(ChildTexts(Top()), QStringList({kA, kAB, "B"}));
    QCOMPARE(ChildTexts(ChildNamed(Top(), kA)), QStringList({"deep"}));
    QCOMPARE(ChildNamed(Top(), kA)->child(0)->data(0, Qt::UserRole).toInt(), 0);
    QCOMPARE(Top(1)->text(0) + ChildTexts(Top(1)).join(','), Rec(kA + "/2.wav"));
    QCOMPARE(Top(1)->data(0, Qt::UserRole).toInt(), 1);
    QCOMPARE(DatabaseRowCount(), 0);
    ClickTreeItem(Top(1));
    QCOMPARE(Names(), QStringList({"2.wav"}));
}

void TestMainWindow::importRefusesMissingPath_data()
{
    QTest::addColumn<bool>("folderMode");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << true << "nothing" << "Folder does not exist!";
    QTest::newRow("a file as folder") << true << "x.wav" << "Folder does not exist!";
    QTest::newRow("missing file") << false << "nothing.wav" << "File does not exist!";
    QTest::newRow("a folder as file") << false << "B" << "File does not exist!";
}

// A refused import uses no tree node number.
void TestMainWindow::importRefusesMissingPath()
{
    QFETCH(bool, folderMode);
    QFETCH(QString, relative);
    QFETCH(QString, message);
    ImportPath(m_window.get(), Rec(relative), folderMode);
    QCOMPARE(TakeMessages(), QStringList{message});
    QVERIFY(!Top());
    ImportPath(m_window.get(), Rec());
    QCOMPARE(Top()->data(0, Qt::UserRole).toInt(), 0);
}

// No record can be stored: the scan stops and says so, and the list shows
// what was stored; the next scan that can store its records says nothing.
void TestMainWindow::failedStoreIsSaid()
{
    QVERIFY(QSqlQuery().exec("create trigger full before insert on SaveViewDisp "
                             "begin select raise(abort, 'no room for this row'); end"));
    ImportAndList();
    QCOMPARE(TakeMessages(), QStringList{"The list could not be stored (no room for this row)!"});
    QCOMPARE(Names(), QStringList());
    QVERIFY(QSqlQuery().exec("drop trigger full"));
    ClickTreeItem(ChildNamed(Top(), kA));
    QCOMPARE(Names(), QStringList({"it's 1.wav", "2.wav", "3.wav"}));
}

// Each branch rule of the tree's theme shows the image of its state, with
// and without siblings below: a closed branch the Close image, an open one
// the Open image.
void TestMainWindow::treeBranchImagesFollowState()
{
    const QString sheet = m_window->findChild<QTreeWidget *>("treeWidget")->styleSheet();
    const QRegularExpression rule(R"(([^{}]*::branch[^{}]*)\{[^}]*\bimage:\s*url\(([^)]+)\))");
    QStringList shown;
    QMap<QString, QString> images;
    for (auto matches = rule.globalMatch(sheet); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        for (const QString &selector : match.captured(1).split(',')) {
            const QString state = selector.contains(":closed") ? "Close" : "Open";
            QVERIFY2(selector.contains(":closed") != selector.contains(":open"), qPrintable(selector));
            QVERIFY2(match.captured(2).endsWith('_' + state + ".png"), qPrintable(match.captured(0)));
            shown << state + (selector.contains("!has-siblings") ? ", last" : ", siblings");
            images.insert(state, ContentHash(match.captured(2)));
        }
    }
    shown.sort();
    QCOMPARE(shown, QStringList({"Close, last", "Close, siblings", "Open, last", "Open, siblings"}));
    QVERIFY(images["Close"] != images["Open"] && !images.values().contains("unreadable"));
}

void TestMainWindow::removal_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("below the listed item") << "" << true << QStringList({"x.wav", "4.wav", "5.wav"});
    QTest::newRow("the listed item") << kA << true << QStringList();
    QTest::newRow("above the listed item") << kA + "/deep" << true << QStringList();
    QTest::newRow("a sibling with a longer name") << kAB << true << QStringList({"4.wav"});
    QTest::newRow("nothing listed yet") << QString() << true << QStringList();
    QTest::newRow("cancelled") << kA << false << QStringList({"it's 1.wav", "2.wav", "3.wav"});
}

// Removing kA hides it and what is below it from later scans of that import,
// not of another.
void TestMainWindow::removal()
{
    QFETCH(QString, clicked);
    QFETCH(bool, confirm);
    ImportPath(m_window.get(), Rec());
    QTreeWidgetItem *item = Top();
    for (const QString &name : clicked.split('/', Qt::SkipEmptyParts))
        item = ChildNamed(item, name);
    if (!clicked.isNull())
        ClickTreeItem(item);

    RemoveTreeItem(ChildNamed(Top(), kA), confirm);
    QCOMPARE(ChildTexts(Top()), confirm ? QStringList({kAB, "B"}) : QStringList({kA, kAB, "B"}));
    QSqlQuery ignored("select TreeNodeID || ':' || IgnorePath from IgnorePathTab");
    QCOMPARE(ignored.next() ? ignored.value(0).toString() : "", confirm ? "0:" + Rec(kA) : "");
    QVERIFY(!ignored.next());
    QTEST(Names(), "listed");
    ClickTreeItem(ChildNamed(Top(), kAB));
    ClickTreeItem(Top());
    QCOMPARE(Names().size(), confirm ? 3 : 6);
    ImportAndList(1);
    QCOMPARE(ChildTexts(Top(1)), QStringList({kA, kAB, "B"}));
    QCOMPARE(Names().size(), 6);
}

void TestMainWindow::checkMarksSelectAllAndInvert()
{
    ImportAndList();
    for (int row : {0, 4, 5, 4})
        ClickCell(m_window.get(), row);
    const QList<QPair<const char *, int>> steps{{nullptr, 2}, {"pbtn_ReverseSelect", 4}, {"pbtn_SelectAll", 6},
                                                {"pbtn_SelectAll", 6}, {"pbtn_ReverseSelect", 0}};
    for (const auto &[button, count] : steps) {
        if (button)
            ClickButton(m_window.get(), button);
        QCOMPARE(Checked() + '/' + QString::number(DatabaseRowCount("where FileCheck = 1")),
                 QString("%1/%1").arg(count));
    }
}

// A folder now stands where the listed x.wav was: it cannot be removed as a
// file, and its row, record and mark stay.
void TestMainWindow::deleteCountsOnlyRemovedFiles()
{
    ImportAndList();
    for (int row : {0, 1, 2})
        ClickCell(m_window.get(), row);
    QVERIFY(QFile::remove(Rec("x.wav")) && QDir().mkpath(Rec("x.wav/inside")));
    DeleteChecked(m_window.get());
    QCOMPARE(TakeMessages(), QStringList{"Only some files were deleted, please check!"});
    QCOMPARE(Names(), QStringList({"x.wav", "3.wav", "4.wav", "5.wav"}));
    QCOMPARE(Checked(), QString("1"));
    QCOMPARE(DatabaseRowCount(), 4);
    QVERIFY(!QFile::exists(Rec(kA + "/it's 1.wav")));
    ClickButton(m_window.get(), "pbtn_ReverseSelect");
    QCOMPARE(Checked(), QString("3"));
}

// While playing, the buttons, keys and menus that would change the list do
// nothing (a dialog they opened would fail the test).
void TestMainWindow::refusesListChangesWhilePlaying()
{
    ImportAndList();
    ClickCell(m_window.get(), 1);
    ClickCell(m_window.get(), 0, 2, true);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window.get()), kWaitMs);
    ClickCell(m_window.get(), 2);
    for (const char *button : {"pbtn_SelectAll", "pbtn_ReverseSelect", "pbtn_ClearList", "pbtn_Search",
                               "pbtn_Del", "pbtn_AddToFolder", "pbtn_ImportFile"})
        ClickButton(m_window.get(), button);
    QTest::keyClick(m_window->findChild<QWidget *>("tableView"), Qt::Key_Delete);
    ChooseSetting(m_window.get(), {"List Number", "50"});
    QVERIFY(IsPlayingShown(m_window.get()));
    QCOMPARE(Names().size(), 6);
    QCOMPARE(Checked(), QString("1"));
    ClickButton(m_window.get(), "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window.get()), kWaitMs);
    ClickButton(m_window.get(), "pbtn_SelectAll");
    QCOMPARE(Checked(), QString("6"));
}

void TestMainWindow::listFollowsTheDay_data()
{
    QTest::addColumn<QString>("step"); // what the user does once the call is on disk
    QTest::addColumn<QStringList>("listed");
    const QStringList all{"x.wav", "it's 1.wav", "2.wav", "3.wav", "4.wav", "5.wav"};
    const QStringList withNew = QStringList(all) << "new.wav";
    QTest::newRow("listed, Search, End untouched") << "listed, search" << withNew;
    QTest::newRow("listed, Search, End Time edited") << "listed, edit end, search" << all;
    QTest::newRow("F5") << "F5" << withNew;
    QTest::newRow("F5 after a search by name") << "search new, F5" << QStringList{"new.wav"};
    QTest::newRow("the tree's Refresh") << "refresh" << withNew;
}

// A call starts an hour after the window opened, by the window's clock, and
// its recording is on disk before the list (listed) or after it, when the
// user searches or rescans.
void TestMainWindow::listFollowsTheDay()
{
    QFETCH(QString, step);
    QDateTime now = QDateTime::currentDateTime();
    m_window->SetClock([&now] { return now; });
    const QDateTime call = now.addSecs(3540);
    RecordingFields fields;
    std::tie(fields.year, fields.month, fields.day) = std::tuple(quint8(call.date().year() - 2000), quint8(call.date().month()), quint8(call.date().day()));
    std::tie(fields.hour, fields.minute, fields.second) = std::tuple(quint8(call.time().hour()), quint8(call.time().minute()), quint8(call.time().second()));
    QVERIFY(!step.startsWith("listed") || WriteRecording(Rec("new.wav"), fields));
    ImportAndList();
    if (step.contains("edit end"))
        QTest::keyClick(m_window->findChild<QTimeEdit *>("timeEdit_End"), Qt::Key_Down);
    if (step.startsWith("search new")) {
        m_window->findChild<QLineEdit *>("ledt_KeyWord")->setText("new");
        ClickButton(m_window.get(), "pbtn_Search");
    }
    now = now.addSecs(3600);
    QVERIFY(step.startsWith("listed") || WriteRecording(Rec("new.wav"), fields));
    if (step.endsWith("search"))
        ClickButton(m_window.get(), "pbtn_Search");
    if (step.endsWith("F5")) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_F5);
    }
    if (step == "refresh")
        ChooseTreeItemMenuEntry(Top(), "Refresh");
    QTEST(Names(), "listed");
}

// Long names widen their column, but only as far as Call Type stays in view
// beside the vertical scroll bar.
void TestMainWindow::longNamesKeepCallTypeInView()
{
    for (int i = 0; i < 12; ++i)
        QVERIFY(WriteRecording(Rec(QString("long/%1 north gate dispatch, channel 4, shift handover.wav").arg(i))));
    ImportAndList();
    auto *table = m_window->findChild<QTableView *>("tableView");
    QTRY_VERIFY_WITH_TIMEOUT(table->verticalScrollBar()->isVisible(), kWaitMs);
    QVERIFY(table->columnWidth(2) > 98);
    QVERIFY(table->columnViewportPosition(9) + table->columnWidth(9) <= table->viewport()->width());
}

// A group call's IDs: named through the Settings entry, in the cells and their tooltips, the list kept beside
// Settings.ini for the next window; a faulty list is refused whole, the names in use stay; a faulty kept list is said.
void TestMainWindow::idNamesShownKeptAndRefused()
{
    const QString kept = QCoreApplication::applicationDirPath() + "/aliases.csv", good = Rec("names.csv"), bad = Rec("bad.csv");
    const auto removeKept = qScopeGuard([&kept] { QFile::remove(kept); });
    RecordingFields call;
    call.recordType = 2, call.callType = 1, call.channelType = 2;
    QVERIFY(WriteRecording(Rec("call.wav"), call) && WriteFileBytes(bad, "id,name\n1,A\n1,B\n")
            && WriteFileBytes(good, "\xEF\xBB\xBFid;name;kind\r\n1001;Rita;radio\r\n2002;\"Gate 4; north\";group\r\n"));
    const auto listCall = [this] {
        ImportPath(m_window.get(), Rec("call.wav"), false);
        ClickTreeItem(Top());
    };
    const auto cells = [this] { // text/tooltip of Talker ID, Call ID, Radio ID
        const QAbstractItemModel *model = m_window->findChild<QTableView *>("tableView")->model();
        QStringList texts;
        for (int column : {5, 6, 7})
            texts << model->index(0, column).data().toString() + '/' + model->index(0, column).data(Qt::ToolTipRole).toString();
        return texts.join('|');
    };
    const auto choose = [this](const QString &path) {
        m_window->SetPathChooser([path](QWidget *, const QString &, PathKind kind) { return kind == PathKind::AliasList ? path : QString(); });
        ChooseSetting(m_window.get(), {"ID Names..."});
    };
    const QString named = "Rita (1001)/Rita (1001)|Gate 4; north (2002)/Gate 4; north (2002)|77/";
    listCall();
    QCOMPARE(cells(), "1001/|2002/|77/");
    QSignalSpy shown(m_window->findChild<QTableView *>("tableView")->model(), &QAbstractItemModel::dataChanged);
    choose(good);
    QCOMPARE(cells(), named);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(CellToolTip(m_window->findChild<QTableView *>("tableView"), 0, 5), "Rita (1001)");
    choose(bad);
    QCOMPARE(TakeMessages(), QStringList{"Not taken: line 3: ID 1 of this kind is named on line 2 too"});
    QCOMPARE(cells(), named);
    QCOMPARE(ContentHash(kept), ContentHash(good));
    for (const QByteArray &keptList : {QByteArray(), QByteArray("id,name\n1,\"A\n")}) {
        QVERIFY(keptList.isNull() || WriteFileBytes(kept, keptList));
        m_window.reset();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        listCall();
        QCOMPARE(cells(), keptList.isNull() ? named : "1001/|2002/|77/");
    }
    QCOMPARE(TakeMessages(), QStringList{"The kept list was not read: line 2: a quote is not closed"});
}

// The recording playing is marked in the table and its place in the playlist
// shown; the brackets step the speed and the arrows skip 5 s from the table,
// while a focused edit keeps these keys; the tooltips offer pause, and unmute once muted.
void TestMainWindow::playerKeysAndNowPlaying()
{
    ImportAndList();
    for (int row : {1, 3, 4})
        ClickCell(m_window.get(), row);
    QCOMPARE(PlayingRows(), " 1 / 3");
    ClickCell(m_window.get(), 3, 2, true);
    QTRY_VERIFY_WITH_TIMEOUT(WidgetText(m_window.get(), "label_SoundPlayProcessAndTimeLen").endsWith("/00:00:20"), kWaitMs);
    QCOMPARE(PlayingRows(), "3 2 / 3");
    QCOMPARE(Child("pbtn_PlayorPause")->toolTip(), "Pause");
    ClickButton(m_window.get(), "pbtn_Volume");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget *table = Child("tableView"), *keyword = Child("ledt_KeyWord");
    for (QWidget *focused : {table, keyword}) {
        focused->setFocus();
        QTest::keyClicks(focused, "]]][");
    }
    QCOMPARE(WidgetText(m_window.get(), "comBox_PlaybackSpeed") + WidgetText(m_window.get(), "ledt_KeyWord"), "1.5×]]][");
    QCOMPARE(Child("comBox_PlaybackSpeed")->toolTip() + ' ' + Child("pbtn_Volume")->toolTip(), "Playback speed: [ slower, ] faster Unmute");

    ClickButton(m_window.get(), "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window.get()), kWaitMs);
    auto *slider = m_window->findChild<QPlaySlider *>("hs_SoundPlayProgress");
    const qint64 paused = slider->PlaybackPosition();
    for (const auto &[focused, key, skipped] : {std::make_tuple(keyword, Qt::Key_Right, 0), {table, Qt::Key_Right, 5000}, {table, Qt::Key_Left, 0}}) {
        focused->setFocus();
        QTest::keyClick(focused, key);
        QTRY_COMPARE_WITH_TIMEOUT(slider->PlaybackPosition(), paused + skipped, kWaitMs);
    }
    ClickButton(m_window.get(), "pbtn_NextSound");
    QTRY_COMPARE_WITH_TIMEOUT(PlayingRows(), "4 3 / 3", kWaitMs);
    QCOMPARE(WidgetText(m_window.get(), "comBox_PlaybackSpeed"), "1.5×");
    ClickButton(m_window.get(), "pbtn_ClearList");
    QCOMPARE(PlayingRows(), " ");
}

// Image-only buttons say what a click does, calendars name the days from the
// first of the locale's week in the language shown, at start and after a
// switch; buttons (by the application's sheet), boxes, edits, table mark focus.
void TestMainWindow::toolTipsCalendarsAndFocusMarks_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English at start") << "" << "Previous recording|Play|Next recording|Mute|Minimize|Close|Sun|Sun|Close,Close,Close,Close,Close,Close";
    QTest::newRow("Chinese chosen") << "中文" << "上一条录音|播放|下一条录音|静音|最小化|关闭|周日|周日|关闭,关闭,关闭,关闭,关闭,关闭";
}

void TestMainWindow::toolTipsCalendarsAndFocusMarks()
{
    const auto removeSettings = qScopeGuard([] { QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini"); });
    QFETCH(QString, language);
    if (!language.isEmpty())
        ChooseSetting(m_window.get(), {"Language", language});
    const std::unique_ptr<QDialog> dialogs[] = {std::make_unique<TipDlg>(), std::make_unique<MessageTip>("", "", "", ""), std::make_unique<MsgTipWidthSingleBtn>("", "", ""),
                                                std::make_unique<AboutTip>("", "", ""), std::make_unique<ImportRecordFile>(), std::make_unique<RenameDialog>()};
    static_cast<TipDlg *>(dialogs[0].get())->ReloadLanguage();
    QStringList shown, closes;
    for (const char *button : {"pbtn_PreSound", "pbtn_PlayorPause", "pbtn_NextSound", "pbtn_Volume", "pbtn_Min", "pbtn_Close"})
        shown << Child(button)->toolTip();
    for (const char *edit : {"dateEdit_Begin", "dateEdit_End"})
        shown << Child(edit)->findChild<QTableView *>()->model()->index(0, 0).data().toString();
    for (const auto &dialog : dialogs)
        closes << dialog->findChildren<QWidget *>(QRegularExpression("Close$")).value(0)->toolTip();
    QTEST(shown.join('|') + '|' + closes.join(','), "expected");
    QVERIFY(qApp->styleSheet().contains("QPushButton:focus{outline:") && qApp->styleSheet().contains("QRadioButton:focus{border:"));
    for (const char *name : {"comBox_CallType", "comBox_RecordType", "comBox_PlaybackSpeed", "ledt_ID", "ledt_KeyWord", "ledt_CurrentPage",
                             "dateEdit_Begin", "dateEdit_End", "timeEdit_Begin", "timeEdit_End", "tableView"})
        QVERIFY2(Child(name)->styleSheet().contains(":focus{"), name);
}

// Over a widget of the window or of a frameless dialog, under their own style sheets, a tooltip keeps the theme's border and ground.
void TestMainWindow::toolTipsOnTheThemeGround()
{
    MsgTipWidthSingleBtn dialog("", "", "");
    dialog.show();
    for (QWidget *widget : {Child("pbtn_PlayorPause"), m_window->findChild<QTreeWidget *>("treeWidget")->viewport(),
                            m_window->findChild<QTableView *>("tableView")->viewport(), dialog.findChild<QWidget *>("label_MsgWithSingleBtnWndText")}) {
        QToolTip::showText(widget->mapToGlobal(QPoint()), "tip", widget);
        // Deleted after its picture, so that the next widget gets a new tip of its own.
        const QImage image = std::unique_ptr<QWidget>(widget->findChild<QWidget *>("qtooltip_label"))->grab().toImage();
        QCOMPARE(image.pixelColor(0, 0).name() + image.pixelColor(1, 1).name(), "#56698c#1f2430");
    }
}

OVELIA_WINDOW_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
