// A dispatcher's session with Ovelia in one run of the real window, step by
// step through its buttons, tree, table, menus and dialogs: each step checks
// what the window shows, what the working database holds and which files on
// disk changed. The steps build on each other and run in their order.

#include "app/mainwindow.h"
#include "app/version.h"
#include "import/importrecordfile.h"
#include "player/qmenubutton.h"
#include "player/qplayslider.h"
#include "records/quserdefinetabview.h"
#include "records/renamedialog.h"
#include "ui/abouttip.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlDatabase>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr int kNorthCount = 230;
constexpr quint32 kWatchedID = 4242; // calls n012 and n150

QString NorthName(int i)
{
    return QStringLiteral("n%1.wav").arg(i, 3, 10, QLatin1Char('0'));
}

// Call records a minute apart from 09:00; n007, n017, ... are group calls.
// The first three are long enough to be heard; the rest are short.
RecordingFields NorthFields(int i)
{
    RecordingFields fields;
    fields.recordType = 2;
    fields.channelType = 2;
    fields.hour = quint8(9 + i / 60);
    fields.minute = quint8(i % 60);
    fields.second = 0;
    fields.callType = i % 10 == 7 ? 1 : 0;
    fields.callingID = (i == 12 || i == 150) ? kWatchedID : 1001;
    fields.pcm = SinePcm(i < 3 ? 20000 : 100);
    return fields;
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// The colour that a one-property rule "selector{property:value;}" of the
// style sheet gives, as a name, #rrggbb or rgb()/rgba(); invalid without one.
QColor SheetColour(const QString &sheet, const QString &selector, const QString &property)
{
    const QRegularExpression rule(QRegularExpression::escape(selector + '{' + property + ':')
                                  + QStringLiteral("([^;]+);"));
    const QString value = rule.match(sheet).captured(1).trimmed();
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

// The contrast of a button's text in each state with its state image where
// the text lies (the image's mean there, over the window's ground): 4.5:1 or
// more; a disabled text 3:1 or more and dimmer than the enabled one.
QStringList ButtonStatesOutOfContrast(const QPushButton *button, const QRect &contents)
{
    const QString sheet = button->styleSheet();
    const QString image = QRegularExpression("Btn_(\\w+)_Normal").match(sheet).captured(1);
    const QSize text(button->fontMetrics().horizontalAdvance(button->text()), button->fontMetrics().height());
    const QRect area = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, text, contents);
    const QStringList states{"Normal", "Hover", "Pressed", "Disabled"};
    const QStringList pseudoClasses{"", ":Hover", ":Hover:Pressed", ":disabled"};
    QStringList failures;
    double normal = 0;
    for (int i = 0; i < states.size(); ++i) {
        const QImage face(":/PicRes/Btn_" + image + '_' + states[i] + ".png");
        QColor colour = SheetColour(sheet, "QPushButton" + pseudoClasses[i], "color");
        const bool disabled = states[i] == "Disabled";
        if (face.isNull() || button->text().isEmpty() || (!colour.isValid() && !disabled))
            continue;
        colour = colour.isValid() ? colour : SheetColour(sheet, "QPushButton", "color");
        const QImage mean = face.scaled(button->size()).copy(area & button->rect())
                                .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double contrast = Contrast(colour, Over(mean.pixelColor(0, 0), QColor("#1d212a")));
        normal = normal > 0 ? normal : contrast;
        if (disabled ? contrast < 3 || contrast > 0.8 * normal : contrast < 4.5)
            failures << QString("%1 %2: %3").arg(button->objectName(), states[i]).arg(contrast);
    }
    return failures;
}

// The fixed texts of a window that neither fit their widgets in the widgets'
// fonts (advance and ink) nor are the whole text, their tooltip, cut in the
// middle; and its buttons' states out of contrast.
QStringList UnfitTexts(QWidget *window)
{
    QStringList unfit;
    const auto check = [&unfit](const QWidget *widget, const QString &shown, const QString &whole,
                                const QRect &room) {
        const QFontMetrics metrics = widget->fontMetrics();
        if (metrics.horizontalAdvance(shown) > room.width()
            || metrics.tightBoundingRect(shown).height() > room.height()
            || (shown.contains(QChar(0x2026))
                && metrics.elidedText(whole, Qt::ElideMiddle, room.width()) != shown))
            unfit << widget->objectName() + ": " + shown;
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        auto *menu = qobject_cast<QMenu *>(widget);
        if (!menu && !widget->isVisibleTo(window))
            continue;
        widget->ensurePolished();
        const QStyle *style = widget->style();
        QStyleOptionButton buttonOption;
        buttonOption.initFrom(widget);
        QStyleOptionComboBox boxOption;
        boxOption.initFrom(widget);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            check(label, label->text(), label->toolTip(), label->contentsRect());
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &buttonOption, button);
            check(button, button->text(), QString(), room);
            unfit << ButtonStatesOutOfContrast(button, room);
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            const QRect room = style->subControlRect(QStyle::CC_ComboBox, &boxOption,
                                                     QStyle::SC_ComboBoxEditField, box);
            for (int i = 0; i < box->count(); ++i)
                check(box, box->itemText(i), box->itemData(i, Qt::ToolTipRole).toString(), room);
        } else if (auto *edit = qobject_cast<QDateTimeEdit *>(widget)) {
            const QRect field = edit->findChild<QLineEdit *>()->contentsRect();
            check(edit, edit->text(), QString(), field.adjusted(2, 0, -2, 0)); // 2 pixels kept free
        } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i)
                check(header, header->model()->headerData(i, Qt::Horizontal).toString(), QString(),
                      QRect(0, 0, header->sectionSize(i) - 2 * margin, header->height()));
        } else if (menu) {
            for (QAction *action : menu->actions())
                check(menu, action->text(), QString(), menu->actionGeometry(action));
        }
    }
    return unfit;
}

// Every dialog, with each text its callers give it, in the installed language.
std::vector<std::unique_ptr<QDialog>> AllDialogs()
{
    const QString longName = QString("night shift ").repeated(12) + ".wav";
    std::vector<std::unique_ptr<QDialog>> dialogs;
    const auto tr = [](const char *source, const char *context = "MainWindow") {
        return QCoreApplication::translate(context, source);
    };
    const auto note = [&](const char *context, const char *title, const char *text,
                          const char *button, const QString &more = QString()) {
        dialogs.emplace_back(new MsgTipWidthSingleBtn(tr(title, context), tr(text, context) + more,
                                                      tr(button, context), nullptr));
    };
    note("MainWindow", "Play", "Invalid File:", "OK", ' ' + longName);
    note("MainWindow", "Search", "Start time is greater than the end time!", "Cancel");
    note("MainWindow", "Export", "Path error or can't write!", "Cancel");
    note("MainWindow", "Export", "Only some files export successfully, please check!", "OK");
    note("MainWindow", "Delete", "Only some files were deleted, please check!", "OK");
    note("MainWindow", "Import", "Folder does not exist!", "Cancel");
    note("MainWindow", "Rename", "Fail to rename!", "Cancel");
    note("ImportRecordFile", "Import", "Path can not be empty!", "Cancel");
    note("RenameDialog", "Rename", "File name exists, please re-modify!", "Cancel");
    for (const char *error : {"The components were destoryed, please re-install!",
                              "There were no valid language files, please re-install!",
                              "The program ran abnormally, please run again!"})
        note("", "Error", error, "Cancel");
    dialogs.emplace_back(new MessageTip(tr("Delete"), tr("Are you sure want to delete these files?"),
                                        tr("Delete"), tr("Cancel"), nullptr));
    dialogs.emplace_back(new AboutTip(tr("About"), tr("Ovelia") + VersionSuffix(ProgramVersion()), tr("OK"), nullptr));
    dialogs.emplace_back(new TipDlg);
    dialogs.emplace_back(new ImportRecordFile);
    auto *rename = new RenameDialog;
    rename->SetOldPath("/records/" + longName);
    rename->ShowName();
    dialogs.emplace_back(rename);
    return dialogs;
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
    void listsFolderAndPages();
    void readsWholeTextsInContrast();
    void searchesWithFiltersAndKeys();
    void checksRows();
    void playsPausesAndSkips();
    void playsAndPausesWithSpace();
    void exportsIntoFolderHoldingOneName();
    void renamesRow();
    void deletesTwoCheckedRowsAfterConfirming();
    void removesTreeItem();
    void switchesLanguageAndBack();
    void closingRemovesWorkingDatabase();

private:
    QPushButton *Button(const char *name) { return m_window->findChild<QPushButton *>(name); }
    QLineEdit *Edit(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    QString Text(const char *name) { return WidgetText(m_window, name); }
    QStringList Names() { return TableColumn(m_window, 2); }
    QString North(const QString &name) const { return m_archive.filePath("north/" + name); }
    void VerifyArchiveAsExpected() { QCOMPARE(Snapshot(m_archive.path()), m_expected); }
    void VerifyTextsFit();
    // Enter in the field searches.
    void SearchWithKey(const char *field, const QString &text)
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
    for (QWidget *widget : m_window->findChildren<QWidget *>())
        m_themeSheets.insert(widget, widget->styleSheet());
}

// In the installed language, the window, its menus and every dialog.
void TestUserJourney::VerifyTextsFit()
{
    QStringList unfit = UnfitTexts(m_window);
    for (const auto &dialog : AllDialogs()) {
        dialog->show();
        unfit << UnfitTexts(dialog.get());
    }
    QVERIFY2(unfit.isEmpty(), qPrintable(unfit.join('\n')));
}

void TestUserJourney::importsArchiveAsTree()
{
    ImportPath(m_window, m_archive.path());
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    QCOMPARE(m_window->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    QCOMPARE(root->text(0), m_archive.path());
    QCOMPARE(ChildTexts(root), QStringList({"north", "south"}));
    QCOMPARE(ChildTexts(ChildNamed(root, "south")), QStringList{"old"});
    QCOMPARE(DatabaseRowCount(), 0);
    QCOMPARE(Text("label_Page"), QString("1/1"));
    VerifyArchiveAsExpected();
}

// Next, GO and the Page Down and Page Up keys page through the listing.
void TestUserJourney::listsFolderAndPages()
{
    ClickTreeItem(m_window, ChildNamed(TopLevelItem(m_window, 0), "north"));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().size(), 200);
    QStringList first;
    for (int column = 1; column < 12; ++column)
        first << TableColumn(m_window, column).value(0);
    QCOMPARE(first, QStringList({"1", NorthName(0), "2024-03-07 09:00:00", "00:00:20", "1001", "2002",
                                 "77", "Call Record", "Private Call", "400100", "410200"}));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));

    Click(Button("pbtn_NextPage"));
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QCOMPARE(Names().size(), kNorthCount - 200);
    QCOMPARE(Names().first(), NorthName(200));
    QCOMPARE(TableColumn(m_window, 1).last(), QString::number(kNorthCount - 200));
    Edit("ledt_CurrentPage")->setText("1");
    Click(Button("pbtn_Confirm"));
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().first(), NorthName(0));

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_PageDown);
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QTest::keyClick(m_window, Qt::Key_PageUp);
    QCOMPARE(Names().first(), NorthName(0));
    VerifyArchiveAsExpected();
}

// The names show whole, a clipped cell tells its text on hover, every fixed
// text has room, and the texts stand out from their ground in every state.
void TestUserJourney::readsWholeTextsInContrast()
{
    VerifyTextsFit();
    QCOMPARE(TakeMessages(), QStringList());
    auto *table = m_window->findChild<QUserDefineTabView *>("tableView");
    QCOMPARE(table->horizontalHeader()->sectionViewportPosition(1), 25); // the check column's width
    const QRect nameCell = table->visualRect(table->model()->index(0, 2));
    QVERIFY(CellTextFits(NorthName(0), table->fontMetrics(), nameCell));
    QCOMPARE(CellToolTip(table, 0, 2), QString());
    const int callTypeWidth = table->columnWidth(9);
    table->setColumnWidth(9, 20);
    QCOMPARE(CellToolTip(table, 0, 9), QString("Private Call"));
    table->setColumnWidth(9, callTypeWidth);

    const QColor tableGround = SheetColour(table->styleSheet(), "QTableView", "background-color");
    for (const char *name : {"dateEdit_Begin", "timeEdit_End"}) {
        const QString sheet = m_window->findChild<QWidget *>(name)->styleSheet();
        const QString kind = name[0] == 'd' ? "QDateEdit" : "QTimeEdit";
        const QColor ground = Over(SheetColour(sheet, kind, "background-color"), tableGround);
        QVERIFY2(Contrast(SheetColour(sheet, kind, "color"), ground) >= 4.5, name);
    }
    // Text and ground: the widget ("" the application), the text's selector, the
    // ground's (the same when empty), and "selection-" for a selection's colours.
    const QString month = "QToolButton#qt_calendar_monthbutton";
    const QString bar = "QWidget#qt_calendar_navigationbar";
    const QList<QStringList> pairs{
        {"tableView", "QTableView::item", "QTableView"},
        {"tableView", "QHeaderView", "QHeaderView:section"},
        {"treeWidget", "QTreeWidget::item:hover"},
        {"treeWidget", "QTreeWidget::item:selected"},
        {"pbtn_Setting", "QMenu"},
        {"pbtn_Setting", "QMenu::item:selected"},
        {"comBox_CallType", "QComboBox QAbstractItemView"},
        {"comBox_CallType", "QComboBox QAbstractItemView", "", "selection-"},
        {"dateEdit_End", "QAbstractItemView"},
        {"dateEdit_End", "QAbstractItemView", "", "selection-"},
        {"dateEdit_End", month, bar},
        {"dateEdit_End", month + ":hover", bar + " QToolButton:hover"},
        {"dateEdit_End", "QToolButton#qt_calendar_yearbutton:hover:pressed", bar + " QToolButton:pressed"},
        {"dateEdit_End", month + " QMenu::item:selected"},
        {"", "QToolTip"},
    };
    for (const QStringList &pair : pairs) {
        const QString sheet = pair[0].isEmpty() ? qApp->styleSheet()
                                                : m_window->findChild<QWidget *>(pair[0])->styleSheet();
        const QString ground = pair.value(2).isEmpty() ? pair[1] : pair[2];
        const double contrast = Contrast(SheetColour(sheet, pair[1], pair.value(3) + "color"),
                                         SheetColour(sheet, ground, pair.value(3) + "background-color"));
        QVERIFY2(contrast >= 4.5, qPrintable(pair.join(' ') + ": " + QString::number(contrast)));
    }
    // The pop-up lists draw their items as the style sheet says, not from the palette.
    for (const char *name : {"comBox_CallType", "comBox_RecordType"}) {
        QAbstractItemView *list = m_window->findChild<QComboBox *>(name)->view();
        QVERIFY(qobject_cast<QStyledItemDelegate *>(list->itemDelegate()));
    }
    // The neighbouring months' days are dimmed, as disabled texts may be.
    const QString calendar = m_window->findChild<QWidget *>("dateEdit_End")->styleSheet();
    const QColor days = SheetColour(calendar, "QAbstractItemView", "background-color");
    const double dimmed = Contrast(SheetColour(calendar, "QAbstractItemView:disabled", "color"), days);
    const double normal = Contrast(SheetColour(calendar, "QAbstractItemView", "color"), days);
    QVERIFY(dimmed >= 3 && dimmed < 0.8 * normal);
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
    Click(Button("pbtn_Search"));
    QCOMPARE(Names().size(), 12);
    QCOMPARE(Names().first(), NorthName(7));
    QCOMPARE(Names().last(), NorthName(117));
    QCOMPARE(Text("label_Page"), QString("1/1"));

    callType->setCurrentIndex(0);
    m_window->findChild<QTimeEdit *>("timeEdit_End")->setTime(QTime(23, 59, 59));
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
    QVERIFY(IsPlayingShown(m_window));

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), kWaitMs);
    const QString pausedAt = Text("label_SoundPlayProcessAndTimeLen");
    QTest::qWait(1200);
    QCOMPARE(Text("label_SoundPlayProcessAndTimeLen"), pausedAt);

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), kWaitMs);
    Click(Button("pbtn_NextSound"));
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(1), kWaitMs);
    QVERIFY(IsPlayingShown(m_window));
    ClickCheckCell(m_window, 4); // while playing, the list keeps its marks
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), kWaitMs);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
    // Another page, another playlist: the handle is back at the start with the label.
    QVERIFY(slider->value() > 0);
    Click(Button("pbtn_NextPage"));
    QCOMPARE(slider->value(), 0);
    QCOMPARE(Text("label_SoundPlayProcessAndTimeLen"), QString("00:00:00/00:00:00"));
    Click(Button("pbtn_PrePage"));
    VerifyArchiveAsExpected();
}

// While playing, Delete is refused as its button is.
void TestUserJourney::playsAndPausesWithSpace()
{
    QWidget *table = m_window->findChild<QWidget *>("tableView");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), kWaitMs);
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), kWaitMs);
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
    }, [this] { Click(Button("pbtn_AddToFolder")); });
    QCOMPARE(TakeMessages(), QStringList{"Success!"});

    const QStringList exported = QDir(m_exportFolder.path()).entryList(QDir::Files);
    QCOMPARE(exported.size(), 4);
    const QStringList copies = exported.filter(QRegularExpression("^n001-\\d{15}\\.wav$"));
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ContentHash(m_exportFolder.filePath(NorthName(1))), yesterdays);
    QCOMPARE(ContentHash(m_exportFolder.filePath(copies.first())), ContentHash(North(NorthName(1))));
    for (const QString &name : {NorthName(0), NorthName(2)})
        QCOMPARE(ContentHash(m_exportFolder.filePath(name)), ContentHash(North(name)));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    VerifyArchiveAsExpected();
}

void TestUserJourney::renamesRow()
{
    QCOMPARE(RenameRow(m_window, 3, "handover call"), QString("n003"));
    QCOMPARE(TakeMessages(), QStringList{"Success!"});
    QCOMPARE(Names().mid(2, 3), QStringList({NorthName(2), "handover call.wav", NorthName(4)}));
    QCOMPARE(DatabaseRowCount(QString("where FileName = 'handover call.wav' and FilePath = '%1'")
                                  .arg(North("handover call.wav"))),
             1);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    m_expected = Moved(m_expected, "north/" + NorthName(3), "north/handover call.wav");
    VerifyArchiveAsExpected();
}

// The page keeps its other rows and their numbers.
void TestUserJourney::deletesTwoCheckedRowsAfterConfirming()
{
    ClickCheckCell(m_window, 0);
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

// The listed folder was not removed: its listing stays.
void TestUserJourney::removesTreeItem()
{
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    RemoveTreeItem(m_window, ChildNamed(root, "south"));
    QCOMPARE(ChildTexts(root), QStringList{"north"});
    QCOMPARE(Names().size(), 198);
    QCOMPARE(DatabaseRowCount(), kNorthCount - 2);
    VerifyArchiveAsExpected();
}

// To Chinese and back: the texts, the page read again, Settings.ini and the
// menu's mark follow; no style sheet changes, the Chinese texts have room.
// A catalog deleted by the time it is chosen changes nothing.
void TestUserJourney::switchesLanguageAndBack()
{
    const QString settingsFile = QCoreApplication::applicationDirPath() + "/Settings.ini";
    QMenu *languageMenu = m_window->findChild<QMenuButton *>()->GetMenu()->actions()[0]->menu();
    const auto verifyLanguage = [&](const QString &search, const QString &identifier, int checked) {
        QCOMPARE(Button("pbtn_Search")->text(), search);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Search"), search);
        QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).allKeys(), QStringList{"Setting/LanguageID"});
        QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value("Setting/LanguageID").toString(), identifier);
        QVERIFY(languageMenu->actions()[checked]->isChecked() && !languageMenu->actions()[1 - checked]->isChecked());
        QCOMPARE(Names().mid(0, 2), QStringList({NorthName(0), "handover call.wav"}));
        QCOMPARE(Text("label_Page"), QString("1/2"));
    };
    ChooseSetting(m_window, {"Language", "中文"});
    verifyLanguage("查询", "0804", 1);
    QCOMPARE(Button("pbtn_ImportFile")->text(), QString("导入"));
    QCOMPARE(TableColumn(m_window, 9).first(), QString("单呼"));
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        const QString sheet = widget->styleSheet();
        QVERIFY2(m_themeSheets.value(widget, sheet) == sheet, qPrintable(widget->objectName()));
    }
    VerifyTextsFit();
    ChooseSetting(m_window, {"语言", "English"});
    verifyLanguage("Search", "0409", 0);

    QVERIFY(QFile::remove(QCoreApplication::applicationDirPath() + "/LanguageConfig/LanguageFile_ch.qm"));
    ChooseSetting(m_window, {"Language", "中文"});
    verifyLanguage("Search", "0409", 0);
    QCOMPARE(TakeMessages(), QStringList());
}

void TestUserJourney::closingRemovesWorkingDatabase()
{
    Click(Button("pbtn_Close"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window || !m_window->isVisible(), kWaitMs);
    delete m_window;
    QVERIFY(!QFile::exists(m_databaseFile));
    VerifyArchiveAsExpected();
}

OVELIA_WINDOW_TEST_MAIN(TestUserJourney)
#include "tst_journey.moc"
