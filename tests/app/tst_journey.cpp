// A dispatcher's session with Ovelia in one run of the real window, step by
// step through its buttons, tree, table, menus and dialogs: each step checks
// what the window shows, what the working database holds and which files on
// disk changed. The steps build on each other and run in their order.

#include "app/mainwindow.h"
#include "records/quserdefinetabview.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/modalanswer.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

namespace {

constexpr int kNorthCount = 230;
constexpr int kGroupCallEvery = 10; // n007, n017, ... are group calls
constexpr quint32 kWatchedID = 4242; // calls n012 and n150

QString NorthName(int i)
{
    return QStringLiteral("n%1.wav").arg(i, 3, 10, QLatin1Char('0'));
}

RecordingFields NorthFields(int i)
{
    RecordingFields fields;
    fields.recordType = 2; // call records, on a channel that carries IDs
    fields.channelType = 2;
    fields.hour = quint8(9 + i / 60);
    fields.minute = quint8(i % 60);
    fields.second = 0;
    fields.callType = i % kGroupCallEvery == 7 ? 1 : 0;
    fields.callingID = (i == 12 || i == 150) ? kWatchedID : 1001;
    // The first three are long enough to be heard; the rest are short.
    fields.pcm = SinePcm(i < 3 ? 20000 : 100);
    return fields;
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Replaces a line edit's text by typing.
void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The colour that a one-property rule "selector{property:value;}" of the
// widget's style sheet gives, as a name, #rrggbb or rgb()/rgba().
QColor SheetColour(const QWidget *widget, const QString &selector, const QString &property)
{
    const QRegularExpression rule(QRegularExpression::escape(selector + '{' + property + ':')
                                  + QStringLiteral("([^;]+);"));
    const QString value = rule.match(widget->styleSheet()).captured(1).trimmed();
    const QStringList parts = QString(value).remove(QRegularExpression("rgba?|[() ]")).split(',');
    if (parts.size() < 3)
        return QColor(value);
    return QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts.value(3, "255").toInt());
}

double Luminance(const QColor &color)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF())
           + 0.0722 * linear(color.blueF());
}

// The contrast ratio of the accessibility guidelines; body text needs 4.5.
double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Over(const QColor &top, const QColor &bottom)
{
    const double alpha = top.alphaF();
    const auto mix = [alpha](double t, double b) { return t * alpha + b * (1 - alpha); };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

// The tooltip the table shows for a cell, after a hover over its middle.
QString CellToolTip(QTableView *table, int row, int column)
{
    QToolTip::hideText();
    const QPoint middle = table->visualRect(table->model()->index(row, column)).center();
    QHelpEvent hover(QEvent::ToolTip, middle, table->viewport()->mapToGlobal(middle));
    QCoreApplication::sendEvent(table->viewport(), &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class TestUserJourney : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void importsArchiveAsTree();
    void clickOnFolderListsItsRecordings();
    void pagesForwardAndBack();
    void readsWholeTextsInContrast();
    void searchesWithFilters();
    void pagesAndSearchesWithKeys();
    void checksRows();
    void playsPausesAndSkips();
    void playsAndPausesWithSpace();
    void exportsIntoFolderHoldingOneName();
    void renamesRow();
    void deletesTwoCheckedRowsAfterConfirming();
    void removesTreeItem();
    void switchesToChinese();
    void closingRemovesWorkingDatabase();

private:
    QPushButton *Button(const char *name) { return m_window->findChild<QPushButton *>(name); }
    QLineEdit *Edit(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    QString Text(const char *name) { return WidgetText(m_window, name); }
    QStringList Names() { return TableColumn(m_window, 2); }
    QTreeWidget *Tree() { return m_window->findChild<QTreeWidget *>("treeWidget"); }
    QString North(const QString &name) const { return m_archive.filePath("north/" + name); }
    void VerifyArchiveAsExpected() { QCOMPARE(Snapshot(m_archive.path()), m_expected); }

    QTemporaryDir m_archive;
    QTemporaryDir m_exportFolder;
    QPointer<MainWindow> m_window;
    MessageLog m_messages;
    QString m_databaseFile;
    QStringList m_expected; // the snapshot of the archive after each step
};

void TestUserJourney::initTestCase()
{
    for (int i = 0; i < kNorthCount; ++i)
        QVERIFY(WriteRecording(North(NorthName(i)), NorthFields(i)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteRecording(m_archive.filePath(QString("south/s%1.wav").arg(i))));
    QVERIFY(WriteFileBytes(m_archive.filePath("north/notes.txt"), "shift handover"));
    QVERIFY(WriteFileBytes(m_archive.filePath("south/old/.keep"), ""));
    m_expected = Snapshot(m_archive.path());

    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_databaseFile = QSqlDatabase::database().databaseName();
    QVERIFY(QFile::exists(m_databaseFile));
}

void TestUserJourney::importsArchiveAsTree()
{
    ImportPath(m_window, m_archive.path());
    QCOMPARE(Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    QCOMPARE(root->text(0), m_archive.path());
    QVERIFY(ChildNamed(root, "north"));
    QVERIFY(ChildNamed(ChildNamed(root, "south"), "old"));
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(DatabaseRowCount(), 0);
    QCOMPARE(Text("label_Page"), QString("1/1"));
    VerifyArchiveAsExpected();
}

void TestUserJourney::clickOnFolderListsItsRecordings()
{
    ClickTreeItem(m_window, ChildNamed(TopLevelItem(m_window, 0), "north"));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(TableRow(m_window, 0),
             QStringList({"1", NorthName(0), "2024-03-07 09:00:00", "00:00:20", "1001", "2002",
                          "77", "Call Record", "Private Call", "400100", "410200"}));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));
    VerifyArchiveAsExpected();
}

void TestUserJourney::pagesForwardAndBack()
{
    Click(Button("pbtn_NextPage"));
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QCOMPARE(Names().size(), kNorthCount - 200);
    QCOMPARE(Names().first(), NorthName(200));
    QCOMPARE(TableColumn(m_window, 1).last(), QString::number(kNorthCount - 200));

    Type(Edit("ledt_CurrentPage"), "1");
    Click(Button("pbtn_Confirm"));
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().first(), NorthName(0));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
}

// The names show whole, a clipped cell tells its text on hover, the time
// label has room for its text, and the texts stand out from their ground.
void TestUserJourney::readsWholeTextsInContrast()
{
    auto *table = m_window->findChild<QUserDefineTabView *>("tableView");
    const QRect nameCell = table->visualRect(table->model()->index(0, 2));
    QVERIFY(CellTextFits(NorthName(0), table->fontMetrics(), nameCell));
    QCOMPARE(CellToolTip(table, 0, 2), QString());

    const int callTypeWidth = table->columnWidth(9);
    table->setColumnWidth(9, 20);
    QCOMPARE(CellToolTip(table, 0, 9), QString("Private Call"));
    table->setColumnWidth(9, callTypeWidth);

    auto *timeLabel = m_window->findChild<QLabel *>("label_SoundPlayProcessAndTimeLen");
    QVERIFY(timeLabel->fontMetrics().horizontalAdvance("00:00:00/00:00:00")
            <= timeLabel->contentsRect().width());

    const QColor tableGround = SheetColour(table, "QTableView", "background-color");
    QVERIFY(Contrast(SheetColour(table, "QTableView::item", "color"), tableGround) >= 4.5);
    for (const char *name : {"dateEdit_Begin", "timeEdit_End"}) {
        auto *edit = m_window->findChild<QWidget *>(name);
        const QString kind = edit->metaObject()->className();
        const QColor ground = Over(SheetColour(edit, kind, "background-color"), tableGround);
        QVERIFY2(Contrast(SheetColour(edit, kind, "color"), ground) >= 4.5, name);
    }
    auto *dateEdit = m_window->findChild<QWidget *>("dateEdit_End");
    QVERIFY(Contrast(SheetColour(dateEdit, "QToolButton#qt_calendar_monthbutton", "color"),
                     SheetColour(dateEdit, "QWidget#qt_calendar_navigationbar", "background-color"))
            >= 4.5);
}

void TestUserJourney::searchesWithFilters()
{
    m_window->findChild<QDateEdit *>("dateEdit_Begin")->setDate(QDate(2024, 3, 7));
    m_window->findChild<QTimeEdit *>("timeEdit_Begin")->setTime(QTime(0, 0));
    m_window->findChild<QDateEdit *>("dateEdit_End")->setDate(QDate(2024, 3, 7));
    m_window->findChild<QTimeEdit *>("timeEdit_End")->setTime(QTime(23, 59, 59));
    auto *callType = m_window->findChild<QComboBox *>("comBox_CallType");
    callType->setCurrentIndex(callType->findText("Group Call"));
    Click(Button("pbtn_Search"));
    const QStringList groupCalls = Names();
    QCOMPARE(groupCalls.size(), kNorthCount / kGroupCallEvery);
    QCOMPARE(groupCalls.first(), NorthName(7));
    QCOMPARE(Text("label_Page"), QString("1/1"));

    callType->setCurrentIndex(0);
    Type(Edit("ledt_ID"), QString::number(kWatchedID));
    Click(Button("pbtn_Search"));
    QCOMPARE(Names(), QStringList({NorthName(12), NorthName(150)}));

    Edit("ledt_ID")->clear();
    Type(Edit("ledt_KeyWord"), "n00");
    Click(Button("pbtn_Search"));
    QCOMPARE(Names().size(), 10);

    Edit("ledt_KeyWord")->clear();
    Click(Button("pbtn_Search"));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
}

void TestUserJourney::pagesAndSearchesWithKeys()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_PageDown);
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QCOMPARE(Names().first(), NorthName(200));
    QTest::keyClick(m_window, Qt::Key_PageUp);
    QCOMPARE(Text("label_Page"), QString("1/2"));

    QTest::keySequence(m_window, QKeySequence::Find);
    QCOMPARE(QApplication::focusWidget(), Edit("ledt_KeyWord"));
    QTest::keyClicks(Edit("ledt_KeyWord"), "n00");
    QTest::keyClick(Edit("ledt_KeyWord"), Qt::Key_Return);
    QCOMPARE(Names().size(), 10);
    Edit("ledt_KeyWord")->clear();
    QTest::keyClicks(Edit("ledt_ID"), QString::number(kWatchedID));
    QTest::keyClick(Edit("ledt_ID"), Qt::Key_Enter);
    QCOMPARE(Names(), QStringList({NorthName(12), NorthName(150)}));
    Edit("ledt_ID")->clear();
    QTest::keyClick(Edit("ledt_KeyWord"), Qt::Key_Return);
    QCOMPARE(Names().size(), 200);

    // Nothing is checked: Delete asks nothing and removes nothing.
    QTest::keyClick(m_window->findChild<QWidget *>("tableView"), Qt::Key_Delete);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QCOMPARE(m_messages.Take(), QStringList());
    VerifyArchiveAsExpected();
}

void TestUserJourney::checksRows()
{
    for (int row : {0, 1, 2, 5, 5})
        ClickCheckCell(m_window, row);
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));
    QCOMPARE(DatabaseRowCount(QString("where FileCheck = 1 and FileName in ('%1', '%2', '%3')")
                                  .arg(NorthName(0), NorthName(1), NorthName(2))),
             3);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
}

void TestUserJourney::playsPausesAndSkips()
{
    DoubleClickRow(m_window, 0);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(0), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Text("label_SoundPlayProcessAndTimeLen").endsWith("/00:00:20"), 5000);

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    const QString pausedAt = Text("label_SoundPlayProcessAndTimeLen");
    QTest::qWait(1200);
    QCOMPARE(Text("label_SoundPlayProcessAndTimeLen"), pausedAt);

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 5000);
    Click(Button("pbtn_NextSound"));
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(1), 5000);
    QVERIFY(IsPlayingShown(m_window));

    // While playing, the list keeps its marks.
    ClickCheckCell(m_window, 4);
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
    VerifyArchiveAsExpected();
}

// While playing, Delete is refused as its button is.
void TestUserJourney::playsAndPausesWithSpace()
{
    QWidget *table = m_window->findChild<QWidget *>("tableView");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 10000);
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
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
    });
    Click(Button("pbtn_AddToFolder"));
    QCOMPARE(m_messages.Take(), QStringList{"Success!"});

    QStringList exported = QDir(m_exportFolder.path()).entryList(QDir::Files);
    QCOMPARE(exported.size(), 4);
    const QStringList copies = exported.filter(QRegularExpression("^n001-\\d{15}\\.wav$"));
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ContentHash(m_exportFolder.filePath(NorthName(1))), yesterdays);
    QCOMPARE(ContentHash(m_exportFolder.filePath(copies.first())),
             ContentHash(North(NorthName(1))));
    for (const QString &name : {NorthName(0), NorthName(2)})
        QCOMPARE(ContentHash(m_exportFolder.filePath(name)), ContentHash(North(name)));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    VerifyArchiveAsExpected();
}

void TestUserJourney::renamesRow()
{
    AnswerModal("RenameDialog", [](QDialog *dialog) {
        Type(dialog->findChild<QLineEdit *>("ledt_Rename"), "handover call");
        Click(dialog->findChild<QPushButton *>("pbtn_OK"));
    });
    ChooseRowMenuEntry(m_window, 3, "Rename");
    QCOMPARE(m_messages.Take(), QStringList{"Success!"});

    QCOMPARE(Names().at(3), QString("handover call.wav"));
    QCOMPARE(Names().at(4), NorthName(4));
    QCOMPARE(DatabaseRowCount(QString("where FileName = 'handover call.wav' and FilePath = '%1'")
                                  .arg(North("handover call.wav"))),
             1);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    m_expected = Moved(m_expected, "north/" + NorthName(3), "north/handover call.wav");
    VerifyArchiveAsExpected();
}

void TestUserJourney::deletesTwoCheckedRowsAfterConfirming()
{
    ClickCheckCell(m_window, 0);
    QCOMPARE(Text("ledt_SelectCount"), QString("2"));
    AnswerConfirmation();
    Click(Button("pbtn_Del"));

    QCOMPARE(DatabaseRowCount(), kNorthCount - 2);
    // The page keeps its other rows and their numbers.
    QCOMPARE(Names().size(), 198);
    QCOMPARE(Names().mid(0, 3), QStringList({NorthName(0), "handover call.wav", NorthName(4)}));
    QCOMPARE(TableColumn(m_window, 1).mid(0, 2), QStringList({"1", "4"}));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 0);
    m_expected = Moved(m_expected, "north/" + NorthName(1), QString());
    m_expected = Moved(m_expected, "north/" + NorthName(2), QString());
    VerifyArchiveAsExpected();
}

void TestUserJourney::removesTreeItem()
{
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    RemoveTreeItem(m_window, ChildNamed(root, "south"));
    QVERIFY(!ChildNamed(root, "south"));
    QVERIFY(ChildNamed(root, "north"));
    // The listed folder was not removed: its listing stays.
    QCOMPARE(Names().size(), 198);
    QCOMPARE(DatabaseRowCount(), kNorthCount - 2);
    VerifyArchiveAsExpected();
}

void TestUserJourney::switchesToChinese()
{
    ChoosePopupPath({"Language", "中文"});
    Click(Button("pbtn_Setting"));
    QTRY_COMPARE_WITH_TIMEOUT(Button("pbtn_Search")->text(), QString("查询"), 5000);
    QCOMPARE(Button("pbtn_Del")->text(), QString("删除"));
    QCOMPARE(Button("pbtn_ImportFile")->text(), QString("导入"));
    // The page is read again in the new language.
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Names().mid(0, 3), QStringList({NorthName(0), "handover call.wav", NorthName(4)}));
    const QSettings settings(QCoreApplication::applicationDirPath() + "/Settings.ini",
                             QSettings::IniFormat);
    QCOMPARE(settings.allKeys(), QStringList{"Setting/LanguageID"});
    QCOMPARE(settings.value("Setting/LanguageID").toString(), QString("0804"));
}

void TestUserJourney::closingRemovesWorkingDatabase()
{
    Click(Button("pbtn_Close"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window || !m_window->isVisible(), 5000);
    delete m_window;
    QVERIFY(!QFile::exists(m_databaseFile));
    VerifyArchiveAsExpected();
}

OVELIA_WINDOW_TEST_MAIN(TestUserJourney)
#include "tst_journey.moc"
