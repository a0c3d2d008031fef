// A dispatcher's session with Ovelia in one run of the real window, step by
// step through its buttons, tree, table, menus and dialogs: each step checks
// what the window shows, what the working database holds and which files on
// disk changed. The steps build on each other and run in their order.

#include "app/mainwindow.h"
#include "player/qmenubutton.h"
#include "player/qplayslider.h"
#include "records/celltext.h"
#include "records/quserdefinetabview.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int kNorthCount = 230;
constexpr quint32 kWatchedID = 4242; // calls n012 and n150

QString NorthName(int i) { return QStringLiteral("n%1.wav").arg(i, 3, 10, QLatin1Char('0')); }

// Call records a minute apart from 09:00; n007, n017, ... are group calls.
// The first three are long enough to be heard; the rest are short.
RecordingFields NorthFields(int i)
{
    RecordingFields fields;
    fields.recordType = fields.channelType = 2;
    fields.hour = quint8(9 + i / 60);
    fields.minute = quint8(i % 60);
    fields.second = 0;
    fields.callType = i % 10 == 7 ? 1 : 0;
    fields.callingID = (i == 12 || i == 150) ? kWatchedID : 1001;
    fields.pcm = SinePcm(i < 3 ? 20000 : 100);
    return fields;
}

} // namespace

class TestUserJourney : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void importsListsAndPages();
    void searchesWithFiltersAndKeys();
    void checksAndPlays();
    void exportsIntoFolderHoldingOneName();
    void renamesAndDeletes();
    void switchesLanguageAndBack();
    void closingRemovesWorkingDatabase();

private:
    QPushButton *Button(const char *name) { return m_window->findChild<QPushButton *>(name); }
    QLineEdit *Edit(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    QString Text(const char *name) { return WidgetText(m_window, name); }
    QStringList Names() { return TableColumn(m_window, 2); }
    QString North(const QString &name) const { return m_archive.filePath("north/" + name); }
    void VerifyArchiveAsExpected() { QCOMPARE(Snapshot(m_archive.path()), m_expected); }
    void SearchWithKey(const char *field, const QString &text) // Enter in the field
    {
        Edit(field)->setText(text);
        QTest::keyClick(Edit(field), Qt::Key_Return);
    }

    QTemporaryDir m_archive;
    QTemporaryDir m_exportFolder;
    QPointer<MainWindow> m_window;
    QString m_databaseFile;
    QStringList m_expected; // the snapshot of the archive after each step
    QMap<QWidget *, QString> m_themeSheets; // as the window was built
};

void TestUserJourney::initTestCase()
{
    for (int i = 0; i < kNorthCount; ++i)
        QVERIFY(WriteRecording(North(NorthName(i)), NorthFields(i)));
    QVERIFY(WriteRecording(m_archive.filePath("south/s0.wav")) && WriteRecording(m_archive.filePath("south/old/s1.wav")));
    QVERIFY(WriteFileBytes(m_archive.filePath("north/notes.txt"), "shift handover"));
    m_expected = Snapshot(m_archive.path());
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(QFile::exists(m_databaseFile = QSqlDatabase::database().databaseName()));
    for (QWidget *widget : m_window->findChildren<QWidget *>())
        m_themeSheets.insert(widget, widget->styleSheet());
}

// The import makes a tree and lists nothing; a click on a folder lists it;
// Next, GO and the Page Down and Page Up keys page through the listing.
void TestUserJourney::importsListsAndPages()
{
    ImportPath(m_window, m_archive.path());
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    QCOMPARE(m_window->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    QCOMPARE(root->text(0), m_archive.path());
    QCOMPARE(ChildTexts(root), QStringList({"north", "south"}));
    QCOMPARE(ChildTexts(ChildNamed(root, "south")), QStringList{"old"});
    QCOMPARE(DatabaseRowCount(), 0);
    QCOMPARE(Text("label_Page"), QString("1/1"));

    ClickTreeItem(ChildNamed(root, "north"));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().size(), 200);
    QStringList first;
    for (int column = 1; column < 12; ++column)
        first << TableColumn(m_window, column).value(0);
    QCOMPARE(first, QStringList({"1", NorthName(0), "2024-03-07 09:00:00", "00:00:20", "1001", "2002",
                                 "77", "Call Record", "Private Call", "400100", "410200"}));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));
    // The names show whole; a clipped cell tells its text on hover.
    auto *table = m_window->findChild<QUserDefineTabView *>("tableView");
    QCOMPARE(table->horizontalHeader()->sectionViewportPosition(1), 25); // the check column's width
    QVERIFY(TextFitsColumn(NorthName(0), QFontMetricsF(table->font()), CellTextRoom(table), table->columnWidth(2)));
    QCOMPARE(CellToolTip(table, 0, 2), QString());
    table->setColumnWidth(9, 20);
    QCOMPARE(CellToolTip(table, 0, 9), QString("Private Call"));

    ClickButton(m_window, "pbtn_NextPage");
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QCOMPARE(Names().size(), kNorthCount - 200);
    QCOMPARE(Names().value(0), NorthName(200));
    QCOMPARE(TableColumn(m_window, 1).value(kNorthCount - 201), QString::number(kNorthCount - 200));
    Edit("ledt_CurrentPage")->setText("1");
    ClickButton(m_window, "pbtn_Confirm");
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().value(0), NorthName(0));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_PageDown);
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QTest::keyClick(m_window, Qt::Key_PageUp);
    QCOMPARE(Names().value(0), NorthName(0));
    Edit("ledt_CurrentPage")->setText("2");
    QTest::keyClick(Edit("ledt_CurrentPage"), Qt::Key_Return);
    QCOMPARE(Text("label_Page"), QString("2/2"));
    Edit("ledt_CurrentPage")->clear(); // made 1, as GO with an empty field
    QTest::keyClick(Edit("ledt_CurrentPage"), Qt::Key_Return);
    QCOMPARE(Text("label_Page"), QString("1/2"));
    VerifyArchiveAsExpected();
}

// Search with dates and a call type; Enter in the ID field; Ctrl+F, then
// Enter in the keyword field; Delete with nothing checked asks nothing.
void TestUserJourney::searchesWithFiltersAndKeys()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->findChild<QDateEdit *>("dateEdit_Begin")->setDate(QDate(2024, 3, 7));
    m_window->findChild<QTimeEdit *>("timeEdit_Begin")->setTime(QTime(9, 0));
    m_window->findChild<QDateEdit *>("dateEdit_End")->setDate(QDate(2024, 3, 7));
    m_window->findChild<QTimeEdit *>("timeEdit_End")->setTime(QTime(10, 59, 59));
    auto *callType = m_window->findChild<QComboBox *>("comBox_CallType");
    callType->setCurrentIndex(callType->findText("Group Call"));
    ClickButton(m_window, "pbtn_Search");
    QCOMPARE(Names().size(), 12);
    QCOMPARE(Names().value(0), NorthName(7));
    QCOMPARE(Names().value(11), NorthName(117));
    QCOMPARE(Text("label_Page"), QString("1/1"));

    callType->setCurrentIndex(0);
    m_window->findChild<QTimeEdit *>("timeEdit_End")->setTime(QTime(23, 59, 59));
    QTest::keyClicks(Edit("ledt_ID"), "' or -123456789"); // digits only, eight at most
    QCOMPARE(Edit("ledt_ID")->text(), QString("12345678"));
    SearchWithKey("ledt_ID", QString::number(kWatchedID));
    QCOMPARE(Names(), QStringList({NorthName(12), NorthName(150)}));
    Edit("ledt_ID")->clear();
    QTest::keySequence(m_window, QKeySequence::Find);
    QCOMPARE(QApplication::focusWidget(), Edit("ledt_KeyWord"));
    SearchWithKey("ledt_KeyWord", "n00");
    QCOMPARE(Names().size(), 10);
    SearchWithKey("ledt_KeyWord", "");
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Text("label_Page"), QString("1/2"));

    QTest::keyClick(m_window->findChild<QWidget *>("tableView"), Qt::Key_Delete);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QCOMPARE(TakeMessages(), QStringList());
    VerifyArchiveAsExpected();
}

// Three rows checked; play, seek, pause, skip; Space plays and pauses.
void TestUserJourney::checksAndPlays()
{
    for (int row : {0, 1, 2, 5, 5})
        ClickCell(m_window, row);
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1 and FileName < 'n003'"), 3);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);

    ClickCell(m_window, 0, 2, true);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(0), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(Text("label_SoundPlayProcessAndTimeLen").endsWith("/00:00:20"), kWaitMs);
    // The slider hears of the position once a second; Page Up on it steps on
    // from where playback is by then, and pages no table.
    auto *slider = m_window->findChild<QPlaySlider *>("hs_SoundPlayProgress");
    slider->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(slider->PlaybackPosition() - slider->value() > slider->pageStep(), kWaitMs);
    const qint64 reached = slider->PlaybackPosition();
    QTest::keyClick(slider, Qt::Key_PageUp);
    QVERIFY2(slider->value() >= reached, qPrintable(QString("%1 < %2").arg(slider->value()).arg(reached)));
    QCOMPARE(Text("label_Page"), QString("1/2"));

    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), kWaitMs);
    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), kWaitMs);
    ClickButton(m_window, "pbtn_NextSound");
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(1), kWaitMs);
    ClickCell(m_window, 4); // while playing, the list keeps its marks
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));
    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), kWaitMs);
    // Another page, another playlist: the handle is back at the start with the label.
    QVERIFY(slider->value() > 0);
    ClickButton(m_window, "pbtn_NextPage");
    QCOMPARE(slider->value(), 0);
    QCOMPARE(Text("label_SoundPlayProcessAndTimeLen"), QString("00:00:00/00:00:00"));
    ClickButton(m_window, "pbtn_PrePage");

    QWidget *table = m_window->findChild<QWidget *>("tableView");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), kWaitMs);
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), kWaitMs);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
    VerifyArchiveAsExpected();
}

// The one step that goes through the real folder chooser.
void TestUserJourney::exportsIntoFolderHoldingOneName()
{
    QVERIFY(WriteFileBytes(m_exportFolder.filePath(NorthName(1)), "yesterday's copy"));
    const QString yesterdays = ContentHash(m_exportFolder.filePath(NorthName(1)));
    m_window->SetPathChooser(ChoosePathInDialog);
    AnswerModal("QFileDialog", [this](QDialog *dialog) {
        static_cast<QFileDialog *>(dialog)->setDirectory(m_exportFolder.path());
        QMetaObject::invokeMethod(dialog, "accept");
    }, [this] { ClickButton(m_window, "pbtn_AddToFolder"); });
    QCOMPARE(TakeMessages(), QStringList{"Success!"});

    const QStringList exported = QDir(m_exportFolder.path()).entryList(QDir::Files);
    QCOMPARE(exported.size(), 6); // and the manifest and checksum file
    const QStringList copies = exported.filter(QRegularExpression("^n001-\\d{15}\\.wav$"));
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ContentHash(m_exportFolder.filePath(NorthName(1))), yesterdays);
    QCOMPARE(ContentHash(m_exportFolder.filePath(copies.first())), ContentHash(North(NorthName(1))));
    for (const QString &name : {NorthName(0), NorthName(2)})
        QCOMPARE(ContentHash(m_exportFolder.filePath(name)), ContentHash(North(name)));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    VerifyArchiveAsExpected();
}

// Row 3 renamed; then rows 0 and 1 deleted after the question, the page
// keeping its other rows and their numbers.
void TestUserJourney::renamesAndDeletes()
{
    QCOMPARE(RenameRow(m_window, 3, "handover call"), QString("n003"));
    QCOMPARE(TakeMessages(), QStringList{"Success!"});
    QCOMPARE(Names().mid(2, 3), QStringList({NorthName(2), "handover call.wav", NorthName(4)}));
    QCOMPARE(DatabaseRowCount(QString("where FileName = 'handover call.wav' and FilePath = '%1'")
                                  .arg(North("handover call.wav"))), 1);
    m_expected = Moved(m_expected, "north/" + NorthName(3), "north/handover call.wav");
    VerifyArchiveAsExpected();

    ClickCell(m_window, 0);
    QCOMPARE(Text("ledt_SelectCount"), QString("2"));
    DeleteChecked(m_window);
    QCOMPARE(DatabaseRowCount(), kNorthCount - 2);
    QCOMPARE(Names().size(), 198);
    QCOMPARE(Names().mid(0, 3), QStringList({NorthName(0), "handover call.wav", NorthName(4)}));
    QCOMPARE(TableColumn(m_window, 1).mid(0, 2), QStringList({"1", "4"}));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 0);
    m_expected = Moved(Moved(m_expected, "north/" + NorthName(1), ""), "north/" + NorthName(2), "");
    VerifyArchiveAsExpected();
}

// To Chinese and back: the texts, the page read again, Settings.ini and the
// menu's mark follow, and the widths of the code columns hold every code's
// text in the language; no style sheet changes.
// A catalog deleted by the time it is chosen changes nothing.
void TestUserJourney::switchesLanguageAndBack()
{
    const QString settingsFile = QCoreApplication::applicationDirPath() + "/Settings.ini";
    QMenu *languages = m_window->findChild<QMenuButton *>()->GetMenu()->actions()[0]->menu();
    int callTypeWidth = 0;
    const auto verifyLanguage = [&](const QString &search, const QString &identifier, int checked) {
        const QSettings settings(settingsFile, QSettings::IniFormat);
        QCOMPARE(Button("pbtn_Search")->text(), search);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Search"), search);
        QCOMPARE(settings.allKeys(), QStringList{"Setting/LanguageID"});
        QCOMPARE(settings.value("Setting/LanguageID").toString(), identifier);
        QVERIFY(languages->actions()[checked]->isChecked() && !languages->actions()[1 - checked]->isChecked());
        QCOMPARE(Names().mid(0, 2), QStringList({NorthName(0), "handover call.wav"}));
        QCOMPARE(Text("label_Page"), QString("1/2"));
        auto *table = m_window->findChild<QTableView *>("tableView");
        for (int column : {8, 9})
            for (const QString &code : CodeTexts(column))
                QVERIFY2(TextFitsColumn(code, QFontMetricsF(table->font()), CellTextRoom(table), table->columnWidth(column)), qPrintable(code));
        callTypeWidth = table->columnWidth(9);
    };
    const int englishCallTypeWidth = m_window->findChild<QTableView *>("tableView")->columnWidth(9);
    ChooseSetting(m_window, {"Language", "中文"});
    verifyLanguage("查询", "0804", 1);
    QVERIFY(callTypeWidth < englishCallTypeWidth);
    QCOMPARE(Button("pbtn_ImportFile")->text(), QString("导入"));
    QCOMPARE(TableColumn(m_window, 9).value(0), QString("单呼"));
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        const QString sheet = widget->styleSheet();
        QVERIFY2(m_themeSheets.value(widget, sheet) == sheet, qPrintable(widget->objectName()));
    }
    ChooseSetting(m_window, {"语言", "English"});
    verifyLanguage("Search", "0409", 0);
    QCOMPARE(callTypeWidth, englishCallTypeWidth);

    QVERIFY(QFile::remove(QCoreApplication::applicationDirPath() + "/LanguageConfig/LanguageFile_ch.qm"));
    ChooseSetting(m_window, {"Language", "中文"});
    verifyLanguage("Search", "0409", 0);
    QCOMPARE(TakeMessages(), QStringList());
}

void TestUserJourney::closingRemovesWorkingDatabase()
{
    ClickButton(m_window, "pbtn_Close");
    QTRY_VERIFY_WITH_TIMEOUT(!m_window || !m_window->isVisible(), kWaitMs);
    delete m_window;
    QVERIFY(!QFile::exists(m_databaseFile));
    VerifyArchiveAsExpected();
}

OVELIA_WINDOW_TEST_MAIN(TestUserJourney)
#include "tst_journey.moc"
