#include "app/appresources.h"
#include "app/mainwindow.h"
#include "import/importrecordfile.h"
#include "records/renamedialog.h"
#include "ui/abouttip.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/tipdlg.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

using DialogFactory = std::function<QDialog *()>;

const QString kCloseButton = QStringLiteral(
    "QPushButton{border-image:url(:/PicRes/Btn_MainWinClose_Normal.png);}"
    "QPushButton:Hover{border-image:url(:/PicRes/Btn_MainWinClose_Hover.png);}"
    "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_MainWinClose_Pressed.png)}");
const QString kTextLabel = QStringLiteral("QLabel{font: 12px 微软雅黑;}QLabel{color:#FFFFFF;}");
const QString kTitleLabel = QStringLiteral("QLabel{font: 15px 微软雅黑;}QLabel{color:#FFFFFF;}");

// The images of the line edits' pressed state are named by the templates but
// were never drawn; only Normal and Hover show.
bool IsUndrawnLineEditImage(const QString &path)
{
    return QRegularExpression(QStringLiteral("^:/PicRes/ED_\\w+_Pressed\\.png$")).match(path).hasMatch();
}

QStringList ImagesNamed(const QString &styleSheet)
{
    QStringList images;
    const QRegularExpression url(QStringLiteral("url\\((:/PicRes/[^)]+)\\)"));
    for (auto match = url.globalMatch(styleSheet); match.hasNext();)
        images << match.next().captured(1);
    return images;
}

QString AllStyleSheets(QWidget *root)
{
    QString sheets = root->styleSheet();
    for (const QWidget *child : root->findChildren<QWidget *>())
        sheets += child->styleSheet();
    return sheets;
}

// The parentless menu that holds an action with this text.
QMenu *TopLevelMenuWith(const QString &actionText)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *menu = qobject_cast<QMenu *>(widget);
        if (!menu)
            continue;
        for (const QAction *action : menu->actions())
            if (action->text() == actionText)
                return menu;
    }
    return nullptr;
}

QScrollBar *ScrollBarOf(QWidget *view, Qt::Orientation orientation)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(view);
    if (!area)
        return nullptr;
    return orientation == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar();
}

// A widget of the main window by object name; "name:h" and "name:v" are the
// view's scroll bars, "rowMenu" and "treeMenu" the context menus.
QWidget *MainWindowPart(MainWindow *window, const QString &path)
{
    if (path == QLatin1String("rowMenu"))
        return TopLevelMenuWith(QStringLiteral("Play"));
    if (path == QLatin1String("treeMenu"))
        return TopLevelMenuWith(QStringLiteral("Delete"));
    const QStringList parts = path.split(':');
    QWidget *widget = window->findChild<QWidget *>(parts.first());
    if (parts.size() == 1 || !widget)
        return widget;
    return ScrollBarOf(widget, parts.last() == QLatin1String("h") ? Qt::Horizontal : Qt::Vertical);
}

QDialog *MakeMessageTip()
{
    return new MessageTip(QStringLiteral("Delete"), QStringLiteral("Sure?"),
                          QStringLiteral("Delete"), QStringLiteral("Cancel"), nullptr);
}

QDialog *MakeSingleButtonTip()
{
    return new MsgTipWidthSingleBtn(QStringLiteral("Error"), QStringLiteral("Failed"),
                                    QStringLiteral("Cancel"), nullptr);
}

QDialog *MakeAboutTip()
{
    return new AboutTip(QStringLiteral("About"), QStringLiteral("Ovelia V1.00.02.001"),
                        QStringLiteral("OK"), nullptr);
}

QDialog *MakeProgressDialog()
{
    return new TipDlg;
}

QDialog *MakeImportDialog()
{
    return new ImportRecordFile;
}

QDialog *MakeRenameDialog()
{
    return new RenameDialog;
}

void CheckSheet(QWidget *widget, const QString &rule, bool exact)
{
    QVERIFY(widget);
    if (exact)
        QCOMPARE(widget->styleSheet(), rule);
    else
        QVERIFY2(widget->styleSheet().contains(rule), qPrintable(widget->styleSheet()));
}

} // namespace

Q_DECLARE_METATYPE(DialogFactory)

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void mainWindowSheets_data();
    void mainWindowSheets();
    void calendarPopups_data();
    void calendarPopups();
    void recordTipIcon();
    void mainWindowImagesExist();
    void dialogSheets_data();
    void dialogSheets();
    void dialogImagesExist_data();
    void dialogImagesExist();

private:
    MainWindow *m_window = nullptr;
};

void TestTheme::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
    m_window = new MainWindow;
}

void TestTheme::cleanupTestCase()
{
    delete m_window;
}

void TestTheme::mainWindowSheets_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<bool>("exact");

    QTest::newRow("settings font") << "pbtn_Setting" << "QPushButton{font: 15px 微软雅黑;}" << false;
    QTest::newRow("settings colour") << "pbtn_Setting" << "QPushButton{color:#4d5c7a;}" << false;
    QTest::newRow("settings menu, after the button")
        << "pbtn_Setting"
        << "QPushButton:Hover:Pressed{color:#FFFFFF;}QMenu{font:12px 微软雅黑;}QMenu{color:#FFFFFF;}"
           "QMenu{background-color:#56698c;}QMenu::item:selected{color:#0091ff;}"
           "QMenu::item:selected{background-color:#394860;}"
        << false;
    QTest::newRow("import button")
        << "pbtn_ImportFile"
        << "QPushButton{border-image:url(:/PicRes/Btn_Import_Normal.png);}"
           "QPushButton:Hover{border-image:url(:/PicRes/Btn_Import_Hover.png);}"
           "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_Import_Pressed.png)}"
           "QPushButton{font: 12px 微软雅黑;}QPushButton{color:#1f2430;}"
           "QPushButton:Hover{color:#FFFFFF;}QPushButton:Hover:Pressed{color:#001c58;}"
           "QPushButton{padding-bottom:8px;}QPushButton{padding-right:1px;}"
        << true;
    QTest::newRow("delete padding") << "pbtn_Del" << "QPushButton{padding-bottom:6px;}" << false;
    QTest::newRow("reverse pressed")
        << "pbtn_ReverseSelect" << "QPushButton:Hover:Pressed{color:#001c58;}" << false;
    QTest::newRow("clear list image")
        << "pbtn_ClearList" << "QPushButton{border-image:url(:/PicRes/Btn_BigSize_Normal.png);}"
        << false;
    QTest::newRow("search padding") << "pbtn_Search" << "QPushButton{padding-bottom:6px;}" << false;
    QTest::newRow("next page pressed")
        << "pbtn_NextPage" << "QPushButton:Hover:Pressed{color:#465675;}" << false;
    QTest::newRow("GO colour") << "pbtn_Confirm" << "QPushButton{color:#8fa2c9;}" << false;
    QTest::newRow("GO hover image")
        << "pbtn_Confirm" << "QPushButton:Hover{border-image:url(:/PicRes/Btn_HomeLastPage_Hover.png);}"
        << false;
    QTest::newRow("minimise, image only")
        << "pbtn_Min"
        << "QPushButton{border-image:url(:/PicRes/Btn_MainWinMin_Normal.png);}"
           "QPushButton:Hover{border-image:url(:/PicRes/Btn_MainWinMin_Hover.png);}"
           "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_MainWinMin_Pressed.png)}"
        << true;
    QTest::newRow("play start image")
        << "pbtn_PlayorPause"
        << "QPushButton{border-image:url(:/PicRes/Btn_PlaySound_Normal.png);}"
           "QPushButton:Hover{border-image:url(:/PicRes/Btn_PlaySound_Hover.png);}"
           "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_PlaySound_Pressed.png)}"
        << true;
    QTest::newRow("volume start image")
        << "pbtn_Volume"
        << "QPushButton{border-image:url(:/PicRes/Btn_SoundVolume_Normal.png);}"
           "QPushButton:Hover{border-image:url(:/PicRes/Btn_SoundVolume_Hover.png);}"
           "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_SoundVolume_Pressed.png)}"
        << true;
    QTest::newRow("count label") << "label_Count" << "QLabel{color:#99a7b5;}" << false;
    QTest::newRow("page label")
        << "label_Page" << "QLabel{font: 12px 微软雅黑;}QLabel{color:#8fa2c9;}" << true;
    QTest::newRow("file name label") << "label_WavFileName" << "QLabel{color:#bed4ff;}" << false;
    QTest::newRow("time label")
        << "label_SoundPlayProcessAndTimeLen" << "QLabel{font: 15px 微软雅黑;}QLabel{color:#bed4ff;}"
        << true;
    QTest::newRow("import tip") << "label_ImportPathTip" << "QLabel{color:#cfdfff;}" << false;
    QTest::newRow("current page pressed")
        << "ledt_CurrentPage" << "QLineEdit:Hover:Pressed{color:#FFFFFF;}" << false;
    QTest::newRow("keyword image")
        << "ledt_KeyWord" << "QLineEdit{border-image:url(:/PicRes/ED_IDKeyword_Normal.png);}"
        << false;
    QTest::newRow("ID pressed") << "ledt_ID" << "QLineEdit:Hover:Pressed{color:#0091ff;}" << false;
    QTest::newRow("ID no hover colour") << "ledt_ID" << "QLineEdit{color:#586785;}QLineEdit:Hover:Pressed"
                                        << false;
    QTest::newRow("selected count")
        << "ledt_SelectCount"
        << "QLineEdit{font: 12px 微软雅黑;}QLineEdit{color:#586785;}"
           "QLineEdit:Hover:Pressed{color:#586785;}"
        << false;
    QTest::newRow("combo font")
        << "comBox_CallType" << "QComboBox{font:12px; font-family:微软雅黑;}" << false;
    QTest::newRow("combo border without style")
        << "comBox_RecordType" << "QComboBox{border:1px rgba(61,76,105,127);}" << false;
    QTest::newRow("combo arrow")
        << "comBox_RecordType" << "QComboBox::down-arrow{image:url(:/PicRes/Cmb_Dropdown.png);}"
        << false;
    QTest::newRow("combo list")
        << "comBox_CallType" << "QComboBox QAbstractItemView{selection-background-color:#394860;}"
        << false;
    QTest::newRow("row menu")
        << "rowMenu"
        << "QMenu{font:12px 微软雅黑;}QMenu{color:#FFFFFF;}QMenu{background-color:#56698c;}"
           "QMenu::item:selected{color:#0091ff;}QMenu::item:selected{background-color:#394860;}"
        << true;
    QTest::newRow("tree menu") << "treeMenu" << "QMenu::item:selected{background-color:#394860;}"
                               << false;
    QTest::newRow("date edit box")
        << "dateEdit_Begin"
        << "QDateEdit{font:12px 微软雅黑;}QDateEdit{border:1px;}QDateEdit{border-radius:2px;}"
           "QDateEdit{color:#586785;}QDateEdit{background-color:rgba(61,76,105,80);}"
        << false;
    QTest::newRow("date arrow")
        << "dateEdit_End" << "QDateEdit::down-arrow{image:url(:/PicRes/Cmb_Dropdown.png);}" << false;
    QTest::newRow("navigation bar")
        << "dateEdit_Begin"
        << "QWidget#qt_calendar_navigationbar{height:12px;}"
           "QWidget#qt_calendar_navigationbar{background-color:#394860;}"
        << false;
    QTest::newRow("month indicator")
        << "dateEdit_Begin" << "QToolButton#qt_calendar_monthbutton::menu-indicator{image:none;}"
        << false;
    QTest::newRow("month menu")
        << "dateEdit_End" << "QToolButton#qt_calendar_monthbutton QMenu{background-color:#56698c;}"
        << false;
    QTest::newRow("year pressed")
        << "dateEdit_Begin" << "QToolButton#qt_calendar_yearbutton:hover:pressed{color:#001c58;}"
        << false;
    QTest::newRow("year editor up")
        << "dateEdit_End"
        << "QSpinBox#qt_calendar_yearedit::up-button{width:16px;}"
           "QSpinBox#qt_calendar_yearedit::up-button{border-image:url(:/PicRes/SPN_UpArrow_Normal.png);}"
        << false;
    QTest::newRow("day grid")
        << "dateEdit_End" << "QAbstractItemView{selection-color:#0091ff;}" << false;
    QTest::newRow("time edit box")
        << "timeEdit_Begin" << "QTimeEdit{background-color:rgba(61,76,105,80);}" << false;
    QTest::newRow("time down button")
        << "timeEdit_End"
        << "QAbstractSpinBox::down-button{background-color:transparent;}"
           "QAbstractSpinBox::down-button{border-image:url(:/PicRes/SPN_DownArrow_Normal.png);}"
        << false;
    QTest::newRow("tree colour") << "treeWidget" << "QTreeWidget{color:#cfdfff;}" << false;
    QTest::newRow("tree hover")
        << "treeWidget" << "QTreeWidget::item:hover{background-color:#394860;}" << false;
    QTest::newRow("tree open branch")
        << "treeWidget" << "image: url(:/PicRes/Btn_FilePathTree_Open.png);}" << false;
    QTest::newRow("tree closed branch")
        << "treeWidget" << "image:url(:/PicRes/Btn_FilePathTree_Close.png);}" << false;
    QTest::newRow("table background")
        << "tableView" << "QTableView{background-color:rgb(41,48,66);}" << false;
    QTest::newRow("table selection")
        << "tableView" << "QTableView::item{selection-background-color:#1f4766;}" << false;
    QTest::newRow("header borders")
        << "tableView"
        << "QHeaderView:section{border-top:0px;}QHeaderView:section{border-left:0px;}"
           "QHeaderView:section{border-bottom:1px solid #202734;}"
           "QHeaderView:section{border-right:1px solid #202734;}"
        << false;
    QTest::newRow("tree horizontal bar")
        << "treeWidget:h" << "QScrollBar:horizontal{padding:0px 9px 0px 9px;}" << false;
    QTest::newRow("table horizontal add line")
        << "tableView:h"
        << "QScrollBar::add-line:horizontal{background:url(:/PicRes/Btn_ScrollBarR_Normal.png) right no-repeat;}"
        << false;
    QTest::newRow("table vertical handle")
        << "tableView:v" << "QScrollBar::handle:vertical{min-height:40px;}" << false;
    QTest::newRow("tree vertical sub line, no position")
        << "treeWidget:v"
        << "QScrollBar::sub-line:vertical{background:url(:/PicRes/Btn_ScrollBarU_Normal.png)  no-repeat;}"
        << false;
    QTest::newRow("tree vertical bar")
        << "treeWidget:v" << "QScrollBar:vertical{padding:9px 0px 11px 0px;}" << false;
    QTest::newRow("table page")
        << "tableView:v" << "QScrollBar::sub-page:vertical{background:rgb(29,33,42);}" << false;
}

void TestTheme::mainWindowSheets()
{
    QFETCH(QString, widget);
    QFETCH(QString, rule);
    QFETCH(bool, exact);
    CheckSheet(MainWindowPart(m_window, widget), rule, exact);
}

void TestTheme::calendarPopups_data()
{
    QTest::addColumn<QString>("dateEdit");
    QTest::newRow("begin") << "dateEdit_Begin";
    QTest::newRow("end") << "dateEdit_End";
}

void TestTheme::calendarPopups()
{
    QFETCH(QString, dateEdit);
    auto *edit = m_window->findChild<QDateEdit *>(dateEdit);
    QVERIFY(edit);
    QCalendarWidget *calendar = edit->calendarWidget();
    QCOMPARE(calendar->horizontalHeaderFormat(), QCalendarWidget::NoHorizontalHeader);
    QVERIFY(calendar->isGridVisible());
    for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday})
        QCOMPARE(calendar->weekdayTextFormat(day).foreground().color(), QColor("#FFFFFF"));
}

void TestTheme::recordTipIcon()
{
    auto *icon = m_window->findChild<QLabel *>(QStringLiteral("label_RecordTipIcon"));
    QVERIFY(icon);
    const QImage shown = icon->pixmap(Qt::ReturnByValue).toImage();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown, QImage(QStringLiteral(":/PicRes/Label_RecordPathIcon.png")).convertToFormat(shown.format()));
}

void TestTheme::mainWindowImagesExist()
{
    QWidget *rowMenu = MainWindowPart(m_window, QStringLiteral("rowMenu"));
    QWidget *treeMenu = MainWindowPart(m_window, QStringLiteral("treeMenu"));
    QVERIFY(rowMenu && treeMenu);
    const QString sheets = AllStyleSheets(m_window) + rowMenu->styleSheet() + treeMenu->styleSheet();
    const QStringList images = ImagesNamed(sheets);
    QVERIFY(images.size() > 50);
    for (const QString &image : images)
        QVERIFY2(QFile::exists(image) || IsUndrawnLineEditImage(image), qPrintable(image));
}

void TestTheme::dialogSheets_data()
{
    QTest::addColumn<DialogFactory>("dialog");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<bool>("exact");

    const DialogFactory message(MakeMessageTip);
    QTest::newRow("message close") << message << "pbtn_MsgTip_Close" << kCloseButton << true;
    QTest::newRow("message text") << message << "label_MsgTipContent" << kTextLabel << true;
    QTest::newRow("message title") << message << "label_MsgTip_Title" << kTitleLabel << true;
    QTest::newRow("message confirm image")
        << message << "pbtn_OK" << "QPushButton{border-image:url(:/PicRes/Btn_TipWndSmall_Normal.png);}"
        << false;
    QTest::newRow("message other button")
        << message << "pbtn_Cancel"
        << "QPushButton{font: 15px 微软雅黑;}QPushButton{color:#FFFFFF;}"
           "QPushButton:Hover{color:#FFFFFF;}QPushButton:Hover:Pressed{color:#0068b7;}"
        << false;

    const DialogFactory single(MakeSingleButtonTip);
    QTest::newRow("single close") << single << "pbtn_MsgWndWithSingleBtn_Close" << kCloseButton
                                  << true;
    QTest::newRow("single text") << single << "label_MsgWithSingleBtnWndText" << kTextLabel << true;
    QTest::newRow("single title") << single << "label_MsgWndWithSingleBtnTitle" << kTitleLabel
                                  << true;
    QTest::newRow("single button")
        << single << "pbtn_MsgWndWithSingleBtnRes"
        << "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_TipWnd_Pressed.png)}"
           "QPushButton{font: 15px 微软雅黑;}"
        << false;

    const DialogFactory about(MakeAboutTip);
    QTest::newRow("about close") << about << "pbtn_AboutTip_Close" << kCloseButton << true;
    QTest::newRow("about version") << about << "label_SW_Version" << kTextLabel << true;
    QTest::newRow("about copyright") << about << "label_SW_Copyright" << kTextLabel << true;
    QTest::newRow("about title") << about << "label_AboutTip_Title" << kTitleLabel << true;
    QTest::newRow("about button")
        << about << "pbtn_AboutTipBtnRes"
        << "QPushButton{border-image:url(:/PicRes/Btn_TipWnd_Normal.png);}" << false;

    const DialogFactory progress(MakeProgressDialog);
    QTest::newRow("progress close") << progress << "pbtn_TipWndClose" << kCloseButton << true;
    QTest::newRow("progress text") << progress << "label_Tip" << kTextLabel << true;
    QTest::newRow("progress title") << progress << "label_TipWndTitle" << kTitleLabel << true;
    QTest::newRow("progress cancel")
        << progress << "pbtn_TipWndCancel" << "QPushButton:Hover:Pressed{color:#0068b7;}" << false;

    const DialogFactory import(MakeImportDialog);
    QTest::newRow("import close") << import << "pbtn_ImportClose" << kCloseButton << true;
    QTest::newRow("import folder label") << import << "label_FolderSel" << kTextLabel << true;
    QTest::newRow("import file label") << import << "label_FileSel" << kTextLabel << true;
    QTest::newRow("import title") << import << "label_ImportTitle" << kTitleLabel << true;
    QTest::newRow("import browse")
        << import << "pbtn_folder"
        << "QPushButton{border-image:url(:/PicRes/Btn_FolderFileBrowse_Normal.png);}"
           "QPushButton:Hover{border-image:url(:/PicRes/Btn_FolderFileBrowse_Hover.png);}"
           "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_FolderFileBrowse_Pressed.png)}"
           "QPushButton{font: 12px 微软雅黑;}QPushButton{color:#FFFFFF;}"
           "QPushButton:Hover{color:#FFFFFF;}QPushButton:Hover:Pressed{color:#0068b7;}"
           "QPushButton{padding-bottom:5px;}QPushButton{padding-right:1px;}"
        << true;
    QTest::newRow("import browse file")
        << import << "pbtn_file" << "QPushButton{padding-bottom:5px;}" << false;
    QTest::newRow("import OK")
        << import << "pbtn_OK" << "QPushButton{border-image:url(:/PicRes/Btn_ImportAndRename_Normal.png);}"
        << false;
    QTest::newRow("import cancel") << import << "pbtn_Cancel" << "QPushButton{font: 15px 微软雅黑;}"
                                   << false;
    QTest::newRow("import folder edit")
        << import << "edit_FolderPath" << "QLineEdit{font: 12px 微软雅黑;}QLineEdit{color:#3a4761;}"
        << true;
    QTest::newRow("import file edit")
        << import << "edit_FilePath" << "QLineEdit{font: 12px 微软雅黑;}QLineEdit{color:#3a4761;}"
        << true;

    const DialogFactory rename(MakeRenameDialog);
    QTest::newRow("rename close") << rename << "pbtn_RenameClose" << kCloseButton << true;
    QTest::newRow("rename label") << rename << "label_Rename" << kTextLabel << true;
    QTest::newRow("rename title") << rename << "label_RenameTitle" << kTitleLabel << true;
    QTest::newRow("rename OK")
        << rename << "pbtn_OK" << "QPushButton:Hover{border-image:url(:/PicRes/Btn_ImportAndRename_Hover.png);}"
        << false;
    QTest::newRow("rename edit")
        << rename << "ledt_Rename"
        << "QLineEdit:hover{border:2px solid #22ac38;}QLineEdit{font: 12px 微软雅黑;}"
           "QLineEdit{color:#3a4761;}"
        << true;
}

void TestTheme::dialogSheets()
{
    QFETCH(DialogFactory, dialog);
    const std::unique_ptr<QDialog> window(dialog());
    QFETCH(QString, widget);
    QFETCH(QString, rule);
    QFETCH(bool, exact);
    CheckSheet(window->findChild<QWidget *>(widget), rule, exact);
}

void TestTheme::dialogImagesExist_data()
{
    QTest::addColumn<DialogFactory>("dialog");
    QTest::newRow("MessageTip") << DialogFactory(MakeMessageTip);
    QTest::newRow("MsgTipWidthSingleBtn") << DialogFactory(MakeSingleButtonTip);
    QTest::newRow("AboutTip") << DialogFactory(MakeAboutTip);
    QTest::newRow("TipDlg") << DialogFactory(MakeProgressDialog);
    QTest::newRow("ImportRecordFile") << DialogFactory(MakeImportDialog);
    QTest::newRow("RenameDialog") << DialogFactory(MakeRenameDialog);
}

void TestTheme::dialogImagesExist()
{
    QFETCH(DialogFactory, dialog);
    const std::unique_ptr<QDialog> window(dialog());
    const QStringList images = ImagesNamed(AllStyleSheets(window.get()));
    QVERIFY(images.size() >= 6);
    for (const QString &image : images)
        QVERIFY2(QFile::exists(image), qPrintable(image));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
