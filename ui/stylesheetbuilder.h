#pragma once

#include <QList>
#include <QString>

class QWidget;

// Style-sheet builder: each Set...Style function turns a parameter block into
// style-sheet rules and appends them to the widget's current style sheet. A
// field left empty produces no rule; a rule of two fields needs both. The
// matching ...Rules function returns the appended text alone.
//
// Every field holds a style-sheet value exactly as it appears in the rule
// ("12px", "#FFFFFF", "1px solid #202734"), or the base name of an image under
// ":/PicRes/". Fields default to empty, so a block may be written with only its
// leading fields, in the order declared.
//
// Grouped blocks point to their groups; a null group emits nothing. The
// builder only reads the blocks during the call.

// Push buttons and line edits: three state images and text in three states,
// and for a widget that can be disabled, its disabled image and text colour.
struct StateStyle
{
    QString image{};
    QString fontSize{};
    QString fontFamily{};
    QString color{};
    QString hoverColor{};
    QString pressedColor{};
    QString disabledImage{};
    QString disabledColor{};
};
using PushButtonStyle = StateStyle;
using LineEditStyle = StateStyle;

struct LabelStyle
{
    QString fontSize{};
    QString fontFamily{};
    QString color{};
};

// A line edit that also draws a border while hovered.
struct LineEditHoverStyle
{
    QString image{};
    QString hoverBorder{};
    QString fontSize{};
    QString fontFamily{};
    QString color{};
    QString hoverColor{};
    QString pressedColor{};
};

struct ComboBoxStyle
{
    QString fontSize{};
    QString fontFamily{};
    QString color{};
    QString backgroundColor{};
    QString borderWidth{};
    QString border{}; // style and colour, after the width
    QString borderRadius{};
    QString dropDownWidth{};
    QString dropDownBackground{};
    QString arrowImage{};
    QString arrowWidth{};
    QString arrowHeight{};
    QString listColor{};
    QString listBackground{};
    QString listSelectionColor{};
    QString listSelectionBackground{};
};

struct MenuStyle
{
    QString fontSize{};
    QString fontFamily{};
    QString color{};
    QString backgroundColor{};
    QString selectedColor{};
    QString selectedBackground{};
};

// Paddings of one widget class; nothing is emitted without a selector.
struct PaddingStyle
{
    QString selector{}; // a widget class name such as "QPushButton"
    QString top{};
    QString bottom{};
    QString left{};
    QString right{};
};

struct TimeEditStyle
{
    struct Edit
    {
        QString fontSize{};
        QString fontFamily{};
        QString border{};
        QString borderRadius{};
        QString color{};
        QString backgroundColor{};
    };
    // The unused fields keep the group's layout; they emit no rule.
    struct SpinButtons
    {
        QString upBackground{};
        QString upImage{};
        QString upUnused1{};
        QString upUnused2{};
        QString downBackground{};
        QString downImage{};
        QString downUnused1{};
        QString downUnused2{};
    };

    const Edit *edit = nullptr;
    const SpinButtons *spinButtons = nullptr;
};

// A date edit and the calendar it pops up.
struct DateEditStyle
{
    struct Edit
    {
        QString border{};
        QString borderRadius{};
        QString fontSize{};
        QString fontFamily{};
        QString color{};
        QString backgroundColor{};
        QString dropDownWidth{};
        QString dropDownHeight{};
        QString dropDownBackground{};
        QString arrowImage{};
        QString arrowWidth{};
        QString arrowHeight{};
    };
    // The bar and its buttons: the month and year buttons and the two arrows,
    // whose images are the single files Cal_<name>.png.
    struct NavigationBar
    {
        QString height{};
        QString backgroundColor{};
        QString buttonHoverBackground{};
        QString buttonPressedBackground{};
        QString previousImage{};
        QString nextImage{};
    };
    struct MonthButton
    {
        QString fontSize{};
        QString fontFamily{};
        QString color{};
        QString hoverColor{};
        QString pressedColor{};
        QString menuIndicator{}; // an image value such as "none"
        QString menuFontSize{};
        QString menuFontFamily{};
        QString menuColor{};
        QString menuBackground{};
        QString menuSelectedColor{};
        QString menuSelectedBackground{};
    };
    // The year button and the year editor shown in its place.
    struct YearButton
    {
        QString fontSize{};
        QString fontFamily{};
        QString color{};
        QString hoverColor{};
        QString pressedColor{};
        QString editorFontSize{};
        QString editorFontFamily{};
        QString upBackground{};
        QString upWidth{};
        QString upImage{};
        QString downBackground{};
        QString downWidth{};
        QString downImage{};
    };
    // The days of the neighbouring months take the disabled text colour.
    struct DayGrid
    {
        QString fontSize{};
        QString fontFamily{};
        QString color{};
        QString backgroundColor{};
        QString selectionColor{};
        QString selectionBackground{};
        QString otherMonthColor{};
    };

    const Edit *edit = nullptr;
    const NavigationBar *navigationBar = nullptr;
    const MonthButton *monthButton = nullptr;
    const YearButton *yearButton = nullptr;
    const DayGrid *dayGrid = nullptr;
};

struct TreeWidgetStyle
{
    struct Tree
    {
        QString border{};
        QString showDecorationSelected{};
        QString fontSize{};
        QString fontFamily{};
        QString color{};
        QString backgroundColor{};
    };
    struct Items
    {
        QString height{};
        QString margin{};
        QString padding{};
        QString hoverColor{};
        QString hoverBackground{};
        QString selectedColor{};
        QString selectedBackground{};
    };
    struct Branches
    {
        QString openImage{};
        QString closedImage{};
    };

    const Tree *tree = nullptr;
    const Items *items = nullptr;
    const Branches *branches = nullptr;
};

// One block serves both orientations.
struct ScrollBarStyle
{
    struct Bar
    {
        QString backgroundColor{};
        QString border{};
        QString thickness{}; // height of a horizontal bar, width of a vertical one
        QString padding{};
    };
    struct Handle
    {
        QString minimumLength{}; // min-width of a horizontal bar, min-height of a vertical one
        QString backgroundColor{};
        QString hoverBackground{};
        QString pressedBackground{};
    };
    struct Page
    {
        QString background{};
    };
    // An end button; its rule needs only the image, an empty position stays blank.
    struct LineButton
    {
        QString position{};
        QString image{};
    };

    const Bar *bar = nullptr;
    const Handle *handle = nullptr;
    const Page *addPage = nullptr;
    const Page *subPage = nullptr;
    const LineButton *addLine = nullptr;
    const LineButton *subLine = nullptr;
};

struct TableViewStyle
{
    struct View
    {
        QString fontSize{};
        QString fontFamily{};
        QString backgroundColor{};
        QString gridLineColor{};
    };
    struct Items
    {
        QString color{};
        QString selectionColor{};
        QString selectionBackground{};
    };
    struct Header
    {
        QString fontSize{};
        QString fontFamily{};
        QString color{};
        QString sectionHeight{};
        QString topBorder{};
        QString leftBorder{};
        QString bottomBorder{};
        QString rightBorder{};
        QString sectionBackground{};
    };

    const View *view = nullptr;
    const Items *items = nullptr;
    const Header *header = nullptr;
};

// The mark of the widget that has the focus, one field per kind of widget. A
// push button's outline leaves its images as they are; a line edit shows its
// ED_<name>_Focused.png image or a border. Set on a widget, a border rule wins
// over the widget's own border.
struct FocusStyle
{
    QString buttonOutline{};
    QString buttonOutlineRadius{};
    QString comboBoxBorder{};
    QString lineEditImage{};
    QString lineEditBorder{};
    QString dateEditBorder{};
    QString timeEditBorder{};
    QString tableViewBorder{};
    QString radioButtonBorder{};
};

QString PushButtonRules(const PushButtonStyle &style);
QString LabelRules(const LabelStyle &style);
QString LineEditRules(const LineEditStyle &style);
QString LineEditHoverRules(const LineEditHoverStyle &style);
QString ComboBoxRules(const ComboBoxStyle &style);
QString MenuRules(const MenuStyle &style);
QString PaddingRules(const PaddingStyle &style);
QString TimeEditRules(const TimeEditStyle &style);
QString DateEditRules(const DateEditStyle &style);
QString TreeWidgetRules(const TreeWidgetStyle &style);
QString HScrollBarRules(const ScrollBarStyle &style);
QString VScrollBarRules(const ScrollBarStyle &style);
QString TableViewRules(const TableViewStyle &style);
QString FocusRules(const FocusStyle &style);

// A null widget or block leaves everything untouched. Applying a block twice
// appends its rules twice.
void SetPushButtonStyle(QWidget *widget, const PushButtonStyle *style);
void SetLabelStyle(QWidget *widget, const LabelStyle *style);
void SetLineEditStyle(QWidget *widget, const LineEditStyle *style);
void SetLineEditHoverStyle(QWidget *widget, const LineEditHoverStyle *style);
void SetComboBoxStyle(QWidget *widget, const ComboBoxStyle *style);
void SetMenuStyle(QWidget *widget, const MenuStyle *style);
// Without a selector the style sheet is neither read nor set.
void SetPaddingStyle(QWidget *widget, const PaddingStyle *style);
void SetTimeEditStyle(QWidget *widget, const TimeEditStyle *style);
void SetDateEditStyle(QWidget *widget, const DateEditStyle *style);
void SetTreeWidgetStyle(QWidget *widget, const TreeWidgetStyle *style);
void SetHScrollBarStyle(QWidget *widget, const ScrollBarStyle *style);
void SetVScrollBarStyle(QWidget *widget, const ScrollBarStyle *style);
void SetTableViewStyle(QWidget *widget, const TableViewStyle *style);
void SetFocusStyle(QWidget *widget, const FocusStyle *style);

// SetPaddingStyle on each widget, in list order.
void SetPaddingStyleList(const QList<QWidget *> &widgets, const PaddingStyle *style);

// Applies the builder of kind ("QPushButton", "QLabel", "QMenu" or "QComboBox",
// case-sensitive) to each widget, in list order; style must point to that
// builder's block. Any other kind, or a null style, does nothing.
void SetStyleByKind(const QString &kind, const QList<QWidget *> &widgets, const void *style);
