#include "ui/stylesheetbuilder.h"

#include <QHash>
#include <QWidget>

namespace {

// Collects rules in order; a rule is appended only when the values it needs
// are non-empty. Placeholders are filled one after the other, %1 then %2.
class Rules
{
public:
    Rules &add(const QString &rule, const QString &value)
    {
        if (!value.isEmpty())
            m_text += rule.arg(value);
        return *this;
    }

    Rules &add(const QString &rule, const QString &first, const QString &second)
    {
        if (!first.isEmpty() && !second.isEmpty())
            m_text += rule.arg(first).arg(second);
        return *this;
    }

    // For rules whose second value may be empty and still fills %2.
    Rules &addNeedingFirst(const QString &rule, const QString &first, const QString &second)
    {
        if (!first.isEmpty())
            m_text += rule.arg(first).arg(second);
        return *this;
    }

    Rules &append(const QString &rules)
    {
        m_text += rules;
        return *this;
    }

    QString text() const { return m_text; }

private:
    QString m_text;
};

// The rules of a group, or nothing for a null group.
template <typename Group, typename... Context>
QString GroupRules(const Group *group, QString (*rules)(const Group &, const Context &...),
                   const Context &...context)
{
    return group ? rules(*group, context...) : QString();
}

// Normal, Hover and Hover:Pressed border images of the ":/PicRes/<prefix>_%1_<state>.png" files.
QString StateImagesRule(const QString &selector, const QString &imagePrefix)
{
    const QString image = ":/PicRes/" + imagePrefix + "_%1_";
    return selector + "{border-image:url(" + image + "Normal.png);}"
           + selector + ":Hover{border-image:url(" + image + "Hover.png);}"
           + selector + ":Hover:Pressed{border-image:url(" + image + "Pressed.png)}";
}

QString StateRules(const QString &selector, const QString &imagePrefix, const StateStyle &style)
{
    return Rules()
        .add(StateImagesRule(selector, imagePrefix), style.image)
        .add(selector + "{font: %1 %2;}", style.fontSize, style.fontFamily)
        .add(selector + "{color:%1;}", style.color)
        .add(selector + ":Hover{color:%1;}", style.hoverColor)
        .add(selector + ":Hover:Pressed{color:%1;}", style.pressedColor)
        .add(selector + ":disabled{border-image:url(:/PicRes/" + imagePrefix + "_%1_Disabled.png);}",
             style.disabledImage)
        .add(selector + ":disabled{color:%1;}", style.disabledColor)
        .text();
}

QString MenuRulesOf(const QString &menu, const MenuStyle &style)
{
    return Rules()
        .add(menu + "{font:%1 %2;}", style.fontSize, style.fontFamily)
        .add(menu + "{color:%1;}", style.color)
        .add(menu + "{background-color:%1;}", style.backgroundColor)
        .add(menu + "::item:selected{color:%1;}", style.selectedColor)
        .add(menu + "::item:selected{background-color:%1;}", style.selectedBackground)
        .text();
}

// Font, border and colours shared by the time edit and the date edit.
QString EditBoxRules(const QString &edit, const QString &fontSize, const QString &fontFamily,
                     const QString &border, const QString &borderRadius, const QString &color,
                     const QString &backgroundColor)
{
    return Rules()
        .add(edit + "{font:%1 %2;}", fontSize, fontFamily)
        .add(edit + "{border:%1;}", border)
        .add(edit + "{border-radius:%1;}", borderRadius)
        .add(edit + "{color:%1;}", color)
        .add(edit + "{background-color:%1;}", backgroundColor)
        .text();
}

// Normal, hover and hover:pressed images of a spin button, from the SPN_ files.
QString SpinButtonImagesRule(const QString &button)
{
    return button + "{border-image:url(:/PicRes/SPN_%1_Normal.png);}"
           + button + ":hover{border-image:url(:/PicRes/SPN_%1_Hover.png);}"
           + button + ":hover:pressed{border-image:url(:/PicRes/SPN_%1_Pressed.png);}";
}

QString TimeEditBoxRules(const TimeEditStyle::Edit &edit)
{
    return EditBoxRules(QStringLiteral("QTimeEdit"), edit.fontSize, edit.fontFamily, edit.border,
                        edit.borderRadius, edit.color, edit.backgroundColor);
}

QString TimeEditSpinRules(const TimeEditStyle::SpinButtons &spin)
{
    const QString up = QStringLiteral("QAbstractSpinBox::up-button");
    const QString down = QStringLiteral("QAbstractSpinBox::down-button");
    return Rules()
        .add(up + "{background-color:%1;}", spin.upBackground)
        .add(SpinButtonImagesRule(up), spin.upImage)
        .add(down + "{background-color:%1;}", spin.downBackground)
        .add(SpinButtonImagesRule(down), spin.downImage)
        .text();
}

QString DateEditBoxRules(const DateEditStyle::Edit &edit)
{
    return Rules()
        .append(EditBoxRules(QStringLiteral("QDateEdit"), edit.fontSize, edit.fontFamily,
                             edit.border, edit.borderRadius, edit.color, edit.backgroundColor))
        .add("QDateEdit::drop-down{width:%1;}", edit.dropDownWidth)
        .add("QDateEdit::drop-down{height:%1;}", edit.dropDownHeight)
        .add("QDateEdit::drop-down{background-color:%1;}", edit.dropDownBackground)
        .add("QDateEdit::down-arrow{image:url(:/PicRes/Cmb_%1.png);}", edit.arrowImage)
        .add("QDateEdit::down-arrow{width:%1;}", edit.arrowWidth)
        .add("QDateEdit::down-arrow{height:%1;}", edit.arrowHeight)
        .text();
}

QString NavigationBarRules(const DateEditStyle::NavigationBar &bar)
{
    const QString button = QStringLiteral("QWidget#qt_calendar_navigationbar QToolButton");
    return Rules()
        .add("QWidget#qt_calendar_navigationbar{height:%1;}", bar.height)
        .add("QWidget#qt_calendar_navigationbar{background-color:%1;}", bar.backgroundColor)
        .add(button + "{border:none;}" + button + ":hover{background-color:%1;}",
             bar.buttonHoverBackground)
        .add(button + ":pressed{background-color:%1;}", bar.buttonPressedBackground)
        .add("QToolButton#qt_calendar_prevmonth{qproperty-icon:url(:/PicRes/Cal_%1.png);}",
             bar.previousImage)
        .add("QToolButton#qt_calendar_nextmonth{qproperty-icon:url(:/PicRes/Cal_%1.png);}",
             bar.nextImage)
        .text();
}

// Font and state colours of the calendar's month and year buttons.
QString CalendarButtonRules(const QString &button, const QString &fontSize,
                            const QString &fontFamily, const QString &color,
                            const QString &hoverColor, const QString &pressedColor)
{
    return Rules()
        .add(button + "{font:%1 %2;}", fontSize, fontFamily)
        .add(button + "{color:%1;}", color)
        .add(button + ":hover{color:%1;}", hoverColor)
        .add(button + ":hover:pressed{color:%1;}", pressedColor)
        .text();
}

QString MonthButtonRules(const DateEditStyle::MonthButton &month)
{
    const QString button = QStringLiteral("QToolButton#qt_calendar_monthbutton");
    const MenuStyle menu{month.menuFontSize,      month.menuFontFamily,
                         month.menuColor,         month.menuBackground,
                         month.menuSelectedColor, month.menuSelectedBackground};
    return Rules()
        .append(CalendarButtonRules(button, month.fontSize, month.fontFamily, month.color,
                                    month.hoverColor, month.pressedColor))
        .add(button + "::menu-indicator{image:%1;}", month.menuIndicator)
        .append(MenuRulesOf(button + " QMenu", menu))
        .text();
}

// The year editor's spin buttons show only their Normal and pressed images.
QString YearEditButtonRules(const QString &button, const QString &background,
                            const QString &width, const QString &image)
{
    return Rules()
        .add(button + "{background-color:%1;}", background)
        .add(button + "{width:%1;}", width)
        .add(button + "{border-image:url(:/PicRes/SPN_%1_Normal.png);}"
                 + button + ":pressed{border-image:url(:/PicRes/SPN_%1_Pressed.png);}",
             image)
        .text();
}

QString YearButtonRules(const DateEditStyle::YearButton &year)
{
    const QString editor = QStringLiteral("QSpinBox#qt_calendar_yearedit");
    return Rules()
        .append(CalendarButtonRules(QStringLiteral("QToolButton#qt_calendar_yearbutton"),
                                    year.fontSize, year.fontFamily, year.color, year.hoverColor,
                                    year.pressedColor))
        .add(editor + "{font:%1 %2;}", year.editorFontSize, year.editorFontFamily)
        .append(YearEditButtonRules(editor + "::up-button", year.upBackground, year.upWidth,
                                    year.upImage))
        .append(YearEditButtonRules(editor + "::down-button", year.downBackground,
                                    year.downWidth, year.downImage))
        .text();
}

QString DayGridRules(const DateEditStyle::DayGrid &grid)
{
    return Rules()
        .add("QAbstractItemView{font:%1 %2;}", grid.fontSize, grid.fontFamily)
        .add("QAbstractItemView{color:%1;}", grid.color)
        .add("QAbstractItemView{background-color:%1;}", grid.backgroundColor)
        .add("QAbstractItemView{selection-color:%1;}", grid.selectionColor)
        .add("QAbstractItemView{selection-background-color:%1;}", grid.selectionBackground)
        .add("QAbstractItemView:disabled{color:%1;}", grid.otherMonthColor)
        .text();
}

QString TreeRules(const TreeWidgetStyle::Tree &tree)
{
    return Rules()
        .add("QTreeWidget{border:%1;}", tree.border)
        .add("QTreeWidget{show-decoration-selected:%1;}", tree.showDecorationSelected)
        .add("QTreeWidget{font:%1 %2;}", tree.fontSize, tree.fontFamily)
        .add("QTreeWidget{color:%1;}", tree.color)
        .add("QTreeWidget{background-color:%1;}", tree.backgroundColor)
        .text();
}

QString TreeItemRules(const TreeWidgetStyle::Items &items)
{
    return Rules()
        .add("QTreeWidget::item{height:%1;}", items.height)
        .add("QTreeWidget::item{margin:%1;}", items.margin)
        .add("QTreeWidget::item{padding:%1;}", items.padding)
        .add("QTreeWidget::item:hover{color:%1;}", items.hoverColor)
        .add("QTreeWidget::item:hover{background-color:%1;}", items.hoverBackground)
        .add("QTreeWidget::item:selected{color:%1;}", items.selectedColor)
        .add("QTreeWidget::item:selected{background-color:%1;}", items.selectedBackground)
        .text();
}

// The branch rules keep the blanks of their laid-out source text.
QString BranchRule(const QString &firstSelector, const QString &secondSelector,
                   const QString &borderImage, const QString &image)
{
    const QString afterComma(25, QLatin1Char(' '));
    const QString beforeDeclaration(32, QLatin1Char(' '));
    return firstSelector + "," + afterComma + secondSelector + "{" + beforeDeclaration
           + borderImage + beforeDeclaration + image + "}";
}

QString BranchRules(const TreeWidgetStyle::Branches &branches)
{
    return Rules()
        .add(BranchRule("QTreeView::branch:has-children:!has-siblings:closed",
                        "QTreeView::branch:closed:has-children:has-siblings", "border-image:none;",
                        "image:url(:/PicRes/Btn_%1_Close.png);"),
             branches.closedImage)
        .add(BranchRule("QTreeView::branch:open:has-children:!has-siblings",
                        "QTreeView::branch:open:has-children:has-siblings", "border-image: none;",
                        "image: url(:/PicRes/Btn_%1_Open.png);"),
             branches.openImage)
        .text();
}

// The words that differ between a horizontal and a vertical scroll bar.
struct ScrollBarAxis
{
    QString orientation;
    QString thickness;
    QString minimumLength;
};

// Normal, hover and hover:pressed images of an end button, %1 the image, %2 its position.
QString LineButtonRule(const QString &button)
{
    return button + "{background:url(:/PicRes/Btn_%1_Normal.png) %2 no-repeat;}"
           + button + ":hover{background:url(:/PicRes/Btn_%1_Hover.png) %2 no-repeat;}"
           + button + ":hover:pressed{background:url(:/PicRes/Btn_%1_Pressed.png) %2 no-repeat;}";
}

QString ScrollBarBarRules(const ScrollBarStyle::Bar &bar, const ScrollBarAxis &axis)
{
    const QString selector = "QScrollBar:" + axis.orientation;
    return Rules()
        .add(selector + "{border:%1;}", bar.border)
        .add(selector + "{" + axis.thickness + ":%1;}", bar.thickness)
        .add(selector + "{background-color:%1;}", bar.backgroundColor)
        .add(selector + "{padding:%1;}", bar.padding)
        .text();
}

QString ScrollBarHandleRules(const ScrollBarStyle::Handle &handle, const ScrollBarAxis &axis)
{
    const QString selector = "QScrollBar::handle:" + axis.orientation;
    return Rules()
        .add(selector + "{" + axis.minimumLength + ":%1;}", handle.minimumLength)
        .add(selector + "{background-color:%1;}", handle.backgroundColor)
        .add(selector + ":hover{background-color:%1;}", handle.hoverBackground)
        .add(selector + ":hover:pressed{background-color:%1;}", handle.pressedBackground)
        .text();
}

QString ScrollBarPageRules(const ScrollBarStyle::Page &page, const QString &selector)
{
    return Rules().add(selector + "{background:%1;}", page.background).text();
}

QString ScrollBarLineRules(const ScrollBarStyle::LineButton &button, const QString &selector)
{
    return Rules().addNeedingFirst(LineButtonRule(selector), button.image, button.position).text();
}

QString ScrollBarRules(const ScrollBarStyle &style, const ScrollBarAxis &axis)
{
    const QString &orientation = axis.orientation;
    return GroupRules(style.bar, ScrollBarBarRules, axis)
           + GroupRules(style.handle, ScrollBarHandleRules, axis)
           + GroupRules(style.addPage, ScrollBarPageRules, "QScrollBar::add-page:" + orientation)
           + GroupRules(style.subPage, ScrollBarPageRules, "QScrollBar::sub-page:" + orientation)
           + GroupRules(style.addLine, ScrollBarLineRules, "QScrollBar::add-line:" + orientation)
           + GroupRules(style.subLine, ScrollBarLineRules, "QScrollBar::sub-line:" + orientation);
}

QString TableRules(const TableViewStyle::View &view)
{
    return Rules()
        .add("QTableView{font:%1 %2;}", view.fontSize, view.fontFamily)
        .add("QTableView{background-color:%1;}", view.backgroundColor)
        .add("QTableView{gridline-color:%1;}", view.gridLineColor)
        .text();
}

QString TableItemRules(const TableViewStyle::Items &items)
{
    return Rules()
        .add("QTableView::item{color:%1;}", items.color)
        .add("QTableView::item{selection-color:%1;}", items.selectionColor)
        .add("QTableView::item{selection-background-color:%1;}", items.selectionBackground)
        .text();
}

QString TableHeaderRules(const TableViewStyle::Header &header)
{
    return Rules()
        .add("QHeaderView{font:%1 %2;}", header.fontSize, header.fontFamily)
        .add("QHeaderView{color:%1;}", header.color)
        .add("QHeaderView:section{height:%1;}", header.sectionHeight)
        .add("QHeaderView:section{background-color:%1;}", header.sectionBackground)
        .add("QHeaderView:section{border-top:%1;}", header.topBorder)
        .add("QHeaderView:section{border-left:%1;}", header.leftBorder)
        .add("QHeaderView:section{border-bottom:%1;}", header.bottomBorder)
        .add("QHeaderView:section{border-right:%1;}", header.rightBorder)
        .text();
}

template <typename Block>
void AppendRules(QWidget *widget, const Block *style, QString (*rules)(const Block &))
{
    if (widget && style)
        widget->setStyleSheet(widget->styleSheet() + rules(*style));
}

using UntypedSetter = void (*)(QWidget *, const void *);

template <typename Block, void (*Set)(QWidget *, const Block *)>
void SetUntyped(QWidget *widget, const void *style)
{
    Set(widget, static_cast<const Block *>(style));
}

UntypedSetter SetterOfKind(const QString &kind)
{
    static const QHash<QString, UntypedSetter> setters{
        {QStringLiteral("QPushButton"), &SetUntyped<PushButtonStyle, SetPushButtonStyle>},
        {QStringLiteral("QLabel"), &SetUntyped<LabelStyle, SetLabelStyle>},
        {QStringLiteral("QMenu"), &SetUntyped<MenuStyle, SetMenuStyle>},
        {QStringLiteral("QComboBox"), &SetUntyped<ComboBoxStyle, SetComboBoxStyle>},
    };
    return setters.value(kind);
}

} // namespace

QString PushButtonRules(const PushButtonStyle &style)
{
    return StateRules(QStringLiteral("QPushButton"), QStringLiteral("Btn"), style);
}

QString LabelRules(const LabelStyle &style)
{
    return Rules()
        .add("QLabel{font: %1 %2;}", style.fontSize, style.fontFamily)
        .add("QLabel{color:%1;}", style.color)
        .text();
}

QString LineEditRules(const LineEditStyle &style)
{
    return StateRules(QStringLiteral("QLineEdit"), QStringLiteral("ED"), style);
}

QString LineEditHoverRules(const LineEditHoverStyle &style)
{
    const LineEditStyle image{style.image};
    const LineEditStyle text{QString(),   style.fontSize,   style.fontFamily,
                             style.color, style.hoverColor, style.pressedColor};
    return Rules()
        .append(LineEditRules(image))
        .add("QLineEdit:hover{border:%1;}", style.hoverBorder)
        .append(LineEditRules(text))
        .text();
}

QString ComboBoxRules(const ComboBoxStyle &style)
{
    return Rules()
        .add("QComboBox{font:%1; font-family:%2;}", style.fontSize, style.fontFamily)
        .add("QComboBox{color:%1;}", style.color)
        .add("QComboBox{background-color:%1;}", style.backgroundColor)
        .add("QComboBox{border:%1 %2;}", style.borderWidth, style.border)
        .add("QComboBox{border-radius:%1;}", style.borderRadius)
        .add("QComboBox::drop-down{width:%1;}", style.dropDownWidth)
        .add("QComboBox::drop-down{background-color:%1;}", style.dropDownBackground)
        .add("QComboBox::down-arrow{image:url(:/PicRes/Cmb_%1.png);}", style.arrowImage)
        .add("QComboBox::down-arrow{width:%1;}", style.arrowWidth)
        .add("QComboBox::down-arrow{height:%1;}", style.arrowHeight)
        .add("QComboBox QAbstractItemView{color:%1;}", style.listColor)
        .add("QComboBox QAbstractItemView{background-color:%1;}", style.listBackground)
        .add("QComboBox QAbstractItemView{selection-color:%1;}", style.listSelectionColor)
        .add("QComboBox QAbstractItemView{selection-background-color:%1;}",
             style.listSelectionBackground)
        .text();
}

QString MenuRules(const MenuStyle &style)
{
    return MenuRulesOf(QStringLiteral("QMenu"), style);
}

QString PaddingRules(const PaddingStyle &style)
{
    return Rules()
        .add("%1{padding-bottom:%2;}", style.selector, style.bottom)
        .add("%1{padding-top:%2;}", style.selector, style.top)
        .add("%1{padding-left:%2;}", style.selector, style.left)
        .add("%1{padding-right:%2;}", style.selector, style.right)
        .text();
}

QString TimeEditRules(const TimeEditStyle &style)
{
    return GroupRules(style.edit, TimeEditBoxRules)
           + GroupRules(style.spinButtons, TimeEditSpinRules);
}

QString DateEditRules(const DateEditStyle &style)
{
    return GroupRules(style.edit, DateEditBoxRules)
           + GroupRules(style.navigationBar, NavigationBarRules)
           + GroupRules(style.monthButton, MonthButtonRules)
           + GroupRules(style.yearButton, YearButtonRules)
           + GroupRules(style.dayGrid, DayGridRules);
}

QString TreeWidgetRules(const TreeWidgetStyle &style)
{
    return GroupRules(style.tree, TreeRules) + GroupRules(style.items, TreeItemRules)
           + GroupRules(style.branches, BranchRules);
}

QString HScrollBarRules(const ScrollBarStyle &style)
{
    return ScrollBarRules(style, {QStringLiteral("horizontal"), QStringLiteral("height"),
                                  QStringLiteral("min-width")});
}

QString VScrollBarRules(const ScrollBarStyle &style)
{
    return ScrollBarRules(style, {QStringLiteral("vertical"), QStringLiteral("width"),
                                  QStringLiteral("min-height")});
}

QString TableViewRules(const TableViewStyle &style)
{
    return GroupRules(style.view, TableRules) + GroupRules(style.items, TableItemRules)
           + GroupRules(style.header, TableHeaderRules);
}

QString FocusRules(const FocusStyle &style)
{
    return Rules()
        .add("QPushButton:focus{outline:%1;}", style.buttonOutline)
        .add("QPushButton:focus{outline-radius:%1;}", style.buttonOutlineRadius)
        .add("QComboBox:focus{border:%1;}", style.comboBoxBorder)
        .add("QLineEdit:focus{border-image:url(:/PicRes/ED_%1_Focused.png);}", style.lineEditImage)
        .add("QLineEdit:focus{border:%1;}", style.lineEditBorder)
        .add("QDateEdit:focus{border:%1;}", style.dateEditBorder)
        .add("QTimeEdit:focus{border:%1;}", style.timeEditBorder)
        .add("QTableView:focus{border:%1;}", style.tableViewBorder)
        .add("QRadioButton:focus{border:%1;}", style.radioButtonBorder)
        .text();
}

void SetPushButtonStyle(QWidget *widget, const PushButtonStyle *style)
{
    AppendRules(widget, style, PushButtonRules);
}

void SetLabelStyle(QWidget *widget, const LabelStyle *style)
{
    AppendRules(widget, style, LabelRules);
}

void SetLineEditStyle(QWidget *widget, const LineEditStyle *style)
{
    AppendRules(widget, style, LineEditRules);
}

void SetLineEditHoverStyle(QWidget *widget, const LineEditHoverStyle *style)
{
    AppendRules(widget, style, LineEditHoverRules);
}

void SetComboBoxStyle(QWidget *widget, const ComboBoxStyle *style)
{
    AppendRules(widget, style, ComboBoxRules);
}

void SetMenuStyle(QWidget *widget, const MenuStyle *style)
{
    AppendRules(widget, style, MenuRules);
}

void SetPaddingStyle(QWidget *widget, const PaddingStyle *style)
{
    if (style && !style->selector.isEmpty())
        AppendRules(widget, style, PaddingRules);
}

void SetTimeEditStyle(QWidget *widget, const TimeEditStyle *style)
{
    AppendRules(widget, style, TimeEditRules);
}

void SetDateEditStyle(QWidget *widget, const DateEditStyle *style)
{
    AppendRules(widget, style, DateEditRules);
}

void SetTreeWidgetStyle(QWidget *widget, const TreeWidgetStyle *style)
{
    AppendRules(widget, style, TreeWidgetRules);
}

void SetHScrollBarStyle(QWidget *widget, const ScrollBarStyle *style)
{
    AppendRules(widget, style, HScrollBarRules);
}

void SetVScrollBarStyle(QWidget *widget, const ScrollBarStyle *style)
{
    AppendRules(widget, style, VScrollBarRules);
}

void SetTableViewStyle(QWidget *widget, const TableViewStyle *style)
{
    AppendRules(widget, style, TableViewRules);
}

void SetFocusStyle(QWidget *widget, const FocusStyle *style)
{
    AppendRules(widget, style, FocusRules);
}

void SetPaddingStyleList(const QList<QWidget *> &widgets, const PaddingStyle *style)
{
    for (QWidget *widget : widgets)
        SetPaddingStyle(widget, style);
}

void SetStyleByKind(const QString &kind, const QList<QWidget *> &widgets, const void *style)
{
    const UntypedSetter set = SetterOfKind(kind);
    if (!style || !set)
        return;
    for (QWidget *widget : widgets)
        set(widget, style);
}
