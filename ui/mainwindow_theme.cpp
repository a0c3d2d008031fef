#include "app/mainwindow.h"

#include "records/tablemodel.h"
#include "ui/applicationlook.h"
#include "ui/stylesheetbuilder.h"
#include "ui_mainwindow.h"

#include <QCalendarWidget>
#include <QIcon>
#include <QMenu>
#include <QScrollBar>
#include <QTextCharFormat>

namespace {

const QString kFamily = QStringLiteral("微软雅黑");
// The ground of a selected or hovered list, menu or calendar entry, dark
// enough for the accent #0091ff on it (4.7:1).
const QString kSelectionGround = QStringLiteral("#1f2533");

struct ButtonGroup
{
    QList<QWidget *> buttons;
    PushButtonStyle style;
    QString paddingBottom{}; // none when empty
};

struct LabelGroup
{
    QList<QWidget *> labels;
    LabelStyle style;
};

struct LineEditGroup
{
    QList<QWidget *> edits;
    LineEditStyle style;
};

PushButtonStyle ImageOnly(const QString &image)
{
    return PushButtonStyle{image};
}

PushButtonStyle SizedButton(const QString &image, const QString &size, const QString &color,
                            const QString &hover, const QString &pressed)
{
    return PushButtonStyle{image, size, kFamily, color, hover, pressed};
}

// The focus mark of one kind of widget: a border in the accent colour.
FocusStyle FocusBorder(QString FocusStyle::*kind)
{
    FocusStyle focus;
    focus.*kind = QStringLiteral("1px solid #0091ff");
    return focus;
}

LabelStyle Label(const QString &size, const QString &color)
{
    return LabelStyle{size, kFamily, color};
}

LineEditStyle LineEdit(const QString &image, const QString &color, const QString &hover,
                       const QString &pressed)
{
    return LineEditStyle{image, QStringLiteral("12px"), kFamily, color, hover, pressed};
}

// The play/pause and volume buttons are left out: their images are switched at
// run time, and their start images are set apart.
void StylePushButtons(Ui::MainWindow *ui)
{
    const QString dark = QStringLiteral("#1f2430");
    const QString white = QStringLiteral("#FFFFFF");
    const QString navy = QStringLiteral("#001c58");
    const QString pale = QStringLiteral("#8fa2c9");
    const QString slate = QStringLiteral("#465675");
    const QList<ButtonGroup> groups{
        {{ui->pbtn_Setting}, SizedButton("Settings", "15px", "#a6b4d0", white, white)},
        {{ui->pbtn_ImportFile}, SizedButton("Import", "12px", dark, white, navy), "8px"},
        {{ui->pbtn_SelectAll, ui->pbtn_ReverseSelect, ui->pbtn_Del},
         SizedButton("SmallSize", "12px", dark, white, navy), "6px"},
        {{ui->pbtn_Search, ui->pbtn_AddToFolder, ui->pbtn_ClearList},
         SizedButton("BigSize", "12px", dark, white, navy), "6px"},
        {{ui->pbtn_PrePage, ui->pbtn_NextPage},
         SizedButton("PreNextPage", "12px", pale, white, slate)},
        {{ui->pbtn_FirstPage, ui->pbtn_LastPage, ui->pbtn_Confirm},
         SizedButton("HomeLastPage", "12px", pale, white, slate)},
        {{ui->pbtn_NextSound}, ImageOnly("NextSound")},
        {{ui->pbtn_PreSound}, ImageOnly("PreSound")},
        {{ui->pbtn_Close}, ImageOnly("MainWinClose")},
        {{ui->pbtn_Min}, ImageOnly("MainWinMin")},
    };
    for (const ButtonGroup &group : groups) {
        SetStyleByKind(QStringLiteral("QPushButton"), group.buttons, &group.style);
        const PaddingStyle padding{QStringLiteral("QPushButton"), QString(), group.paddingBottom,
                                   QString(), QStringLiteral("1px")};
        if (!group.paddingBottom.isEmpty())
            SetPaddingStyleList(group.buttons, &padding);
    }
}

void StyleLabels(Ui::MainWindow *ui)
{
    const QList<LabelGroup> groups{
        {{ui->label_BeginData, ui->label_BeginTime, ui->label_EndData, ui->label_EndTime,
          ui->label_CallType, ui->label_RecordType, ui->label_ID, ui->label_KeyWord,
          ui->label_Count},
         Label("12px", "#99a7b5")},
        {{ui->label_Page}, Label("12px", "#8fa2c9")},
        {{ui->label_WavFileName, ui->label_PlaylistPosition}, Label("12px", "#bed4ff")},
        {{ui->label_SoundPlayProcessAndTimeLen}, Label("13px", "#bed4ff")},
        {{ui->label_ImportPathTip}, Label("15px", "#cfdfff")},
    };
    for (const LabelGroup &group : groups)
        SetStyleByKind(QStringLiteral("QLabel"), group.labels, &group.style);
    ui->label_RecordTipIcon->setPixmap(
        QIcon(QStringLiteral(":/PicRes/Label_RecordPathIcon.png")).pixmap(ui->label_RecordTipIcon->size()));
}

void StyleLineEdits(Ui::MainWindow *ui)
{
    const QList<LineEditGroup> groups{
        {{ui->ledt_CurrentPage}, LineEdit("GotoPage", "#8fa2c9", "#8fa2c9", "#FFFFFF")},
        {{ui->ledt_ID, ui->ledt_KeyWord}, LineEdit("IDKeyword", "#a6b4d0", QString(), "#0091ff")},
        {{ui->ledt_SelectCount}, LineEdit("SelectItemsCount", "#a6b4d0", QString(), "#a6b4d0")},
    };
    for (const LineEditGroup &group : groups) {
        FocusStyle focus;
        focus.lineEditImage = group.style.image;
        for (QWidget *edit : group.edits) {
            SetLineEditStyle(edit, &group.style);
            SetFocusStyle(edit, &focus);
        }
    }
}

void StyleComboBoxes(Ui::MainWindow *ui)
{
    const ComboBoxStyle style{"12px",    kFamily, "#a6b4d0",     "rgba(61,76,105,80)",
                              "1px",     "rgba(61,76,105,127)",  "2px",
                              "18px",    "transparent",          "Dropdown",
                              "18px",    "18px",  "#FFFFFF",     "#56698c",
                              "#0091ff", kSelectionGround};
    const FocusStyle focus = FocusBorder(&FocusStyle::comboBoxBorder);
    for (QComboBox *box : {ui->comBox_CallType, ui->comBox_RecordType}) {
        SetComboBoxStyle(box, &style);
        SetFocusStyle(box, &focus);
        PrepareComboBox(box);
    }
    // The speeds always fit, and the box's tooltip tells its keys: a styled
    // delegate alone gives its list the colours of the sheet.
    SetComboBoxStyle(ui->comBox_PlaybackSpeed, &style);
    SetFocusStyle(ui->comBox_PlaybackSpeed, &focus);
    ui->comBox_PlaybackSpeed->setItemDelegate(new QStyledItemDelegate(ui->comBox_PlaybackSpeed));
}

// The Settings menu is a child of pbtn_Setting and takes its style sheet from it.
void StyleMenus(Ui::MainWindow *ui, QMenu *rowMenu, QMenu *treeMenu)
{
    const MenuStyle style{"12px", kFamily, "#FFFFFF", "#56698c", "#0091ff", kSelectionGround};
    SetStyleByKind(QStringLiteral("QMenu"), {ui->pbtn_Setting, rowMenu, treeMenu}, &style);
}

// The weekday names over the grid continue the navigation bar's ground.
void PrepareCalendar(QCalendarWidget *calendar)
{
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    QTextCharFormat header;
    header.setBackground(QBrush(QColor(QStringLiteral("#394860"))));
    header.setForeground(QBrush(QColor(QStringLiteral("#d6e0f2"))));
    calendar->setHeaderTextFormat(header);
    calendar->setGridVisible(true);
    QTextCharFormat weekend;
    weekend.setForeground(QBrush(QColor(QStringLiteral("#FFFFFF"))));
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
}

void StyleDateEdits(Ui::MainWindow *ui)
{
    const DateEditStyle::Edit edit{"1px",  "2px",  "12px",        kFamily,   "#a6b4d0",
                                   "rgba(61,76,105,80)",          "18px",    "18px",
                                   "transparent", "Dropdown",     "18px",    "18px"};
    const DateEditStyle::NavigationBar navigationBar{"12px",    "#394860",  "#56698c",
                                                     "#b3c5e5", "Previous", "Next"};
    const DateEditStyle::MonthButton monthButton{
        "12px", QString(), "#d6e0f2", "#FFFFFF", "#001c58", "none",
        "12px", QString(), "#FFFFFF", "#56698c", "#0091ff", kSelectionGround};
    const DateEditStyle::YearButton yearButton{
        "12px",        QString(), "#d6e0f2",     "#FFFFFF", "#001c58",  "12px",     QString(),
        "transparent", "16px",    "UpArrow",     "transparent",         "16px",     "DownArrow"};
    const DateEditStyle::DayGrid dayGrid{"12px",    QString(),        "#FFFFFF", "#56698c",
                                         "#0091ff", kSelectionGround, "#b8c5de"};
    const DateEditStyle style{&edit, &navigationBar, &monthButton, &yearButton, &dayGrid};
    const FocusStyle focus = FocusBorder(&FocusStyle::dateEditBorder);
    for (QDateEdit *dateEdit : {ui->dateEdit_Begin, ui->dateEdit_End}) {
        PrepareCalendar(dateEdit->calendarWidget());
        SetDateEditStyle(dateEdit, &style);
        SetFocusStyle(dateEdit, &focus);
    }
}

void StyleTimeEdits(Ui::MainWindow *ui)
{
    const TimeEditStyle::Edit edit{"12px", kFamily, "1px", "2px", "#a6b4d0", "rgba(61,76,105,80)"};
    const TimeEditStyle::SpinButtons spinButtons{"transparent", "UpArrow",   QString(),
                                                 QString(),     "transparent", "DownArrow"};
    const TimeEditStyle style{&edit, &spinButtons};
    const FocusStyle focus = FocusBorder(&FocusStyle::timeEditBorder);
    for (QTimeEdit *timeEdit : {ui->timeEdit_Begin, ui->timeEdit_End}) {
        SetTimeEditStyle(timeEdit, &style);
        SetFocusStyle(timeEdit, &focus);
    }
}

void StyleTree(Ui::MainWindow *ui)
{
    const TreeWidgetStyle::Tree tree{"0px", "0", "12px", kFamily, "#cfdfff", "transparent"};
    const TreeWidgetStyle::Items items{"20px",          "0px",     "0px",    "#0091ff",
                                       kSelectionGround, "#FFFFFF", "#56698c"};
    const TreeWidgetStyle::Branches branches{"FilePathTree", "FilePathTree"};
    const TreeWidgetStyle style{&tree, &items, &branches};
    SetTreeWidgetStyle(ui->treeWidget, &style);
}

void StyleTable(Ui::MainWindow *ui)
{
    const TableViewStyle::View view{"12px", kFamily, "rgb(41,48,66)", "#202734"};
    const TableViewStyle::Items items{"#a3adc2", "#bed4ff", "#1f4766"};
    const TableViewStyle::Header header{"12px", kFamily, "#bed4ff", "32px", "0px", "0px",
                                        "1px solid #202734", "1px solid #202734", "#394860"};
    const TableViewStyle style{&view, &items, &header};
    SetTableViewStyle(ui->tableView, &style);
    // The delegate draws no focus frame in the cells: the view shows the focus.
    const FocusStyle focus = FocusBorder(&FocusStyle::tableViewBorder);
    SetFocusStyle(ui->tableView, &focus);
}

void StyleScrollBars(Ui::MainWindow *ui)
{
    const ScrollBarStyle::Handle handle{"40px", "#8191b2", "#0e7abd", "#0e4979"};
    const ScrollBarStyle::Page page{"rgb(29,33,42)"};

    const ScrollBarStyle::Bar horizontalBar{"transparent", "0px", "10px", "0px 9px 0px 9px"};
    const ScrollBarStyle::LineButton right{"right", "ScrollBarR"};
    const ScrollBarStyle::LineButton left{"left", "ScrollBarL"};
    const ScrollBarStyle horizontal{&horizontalBar, &handle, &page, &page, &right, &left};
    SetHScrollBarStyle(ui->treeWidget->horizontalScrollBar(), &horizontal);
    SetHScrollBarStyle(ui->tableView->horizontalScrollBar(), &horizontal);

    const ScrollBarStyle::Bar verticalBar{"transparent", "0px", "10px", "9px 0px 11px 0px"};
    const ScrollBarStyle::LineButton down{QString(), "ScrollBarD"};
    const ScrollBarStyle::LineButton up{QString(), "ScrollBarU"};
    const ScrollBarStyle vertical{&verticalBar, &handle, &page, &page, &down, &up};
    SetVScrollBarStyle(ui->treeWidget->verticalScrollBar(), &vertical);
    SetVScrollBarStyle(ui->tableView->verticalScrollBar(), &vertical);
}

} // namespace

void MainWindow::InitStyle()
{
    StylePushButtons(ui);
    StyleLabels(ui);
    StyleLineEdits(ui);
    SetBtnImageStyle(ui->pbtn_PlayorPause, QStringLiteral("PlaySound"));
    SetBtnImageStyle(ui->pbtn_Volume, QStringLiteral("SoundVolume"));
    StyleComboBoxes(ui);
    StyleMenus(ui, m_rowMenu, m_treeMenu);
    StyleDateEdits(ui);
    StyleTimeEdits(ui);
    StyleTree(ui);
    StyleTable(ui);
    m_tableModel->SetPlayingMark(QIcon(QStringLiteral(":/PicRes/Label_NowPlaying.png")));
    StyleScrollBars(ui);
}
