#include "ui/stylesheetbuilder.h"

#include <QEvent>
#include <QSet>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace {

// One rule as it must appear, and the fields (by position) it needs.
struct Rule
{
    QString text;
    QList<int> needs;
};

// A value for every field of a block or group, in the documented order, and
// the rules these values produce, in emission order.
template <std::size_t N>
struct RuleTable
{
    std::array<QString, N> values;
    QList<Rule> rules;
};

// Turns the fields of a row into the builder's text.
using Render = std::function<QString(const QStringList &fields)>;
using Apply = std::function<void(QWidget *widget)>;

struct BlockRef
{
    const void *block;
};

} // namespace

Q_DECLARE_METATYPE(Render)
Q_DECLARE_METATYPE(Apply)
Q_DECLARE_METATYPE(BlockRef)

namespace {

const QString kFamily = QStringLiteral("微软雅黑");
const QString kExistingSheet = QStringLiteral("QWidget{margin:3px;}");

// Fills the block's fields in declaration order, so the order is checked too.
template <typename Group, std::size_t... I>
Group Make(const QStringList &fields, std::index_sequence<I...>)
{
    return Group{fields.value(I)...};
}

template <typename Group, std::size_t N>
Group Make(const QStringList &fields)
{
    return Make<Group>(fields, std::make_index_sequence<N>());
}

template <std::size_t N>
QStringList FieldsSet(const RuleTable<N> &table, const QSet<int> &set)
{
    QStringList fields;
    for (int index = 0; index < int(N); ++index)
        fields << (set.contains(index) ? table.values[index] : QString());
    return fields;
}

template <typename Group, std::size_t N>
Group Full(const RuleTable<N> &table)
{
    return Make<Group, N>(QStringList(table.values.begin(), table.values.end()));
}

template <std::size_t N>
QString AllRules(const RuleTable<N> &table)
{
    QString text;
    for (const Rule &rule : table.rules)
        text += rule.text;
    return text;
}

// The rules whose needed fields are all set, in table order.
QString Emitted(const QList<Rule> &rules, const QSet<int> &set)
{
    QString text;
    for (const Rule &rule : rules) {
        if (std::all_of(rule.needs.begin(), rule.needs.end(),
                        [&](int field) { return set.contains(field); }))
            text += rule.text;
    }
    return text;
}

void AddRuleColumns()
{
    QTest::addColumn<Render>("render");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
}

// Every field, none, each field alone, each field left out, and the fields of
// each two-field rule alone.
template <std::size_t N>
void AddFieldRows(const QString &name, const RuleTable<N> &table, const Render &render)
{
    const auto addRow = [&](const QString &what, const QSet<int> &set) {
        QTest::newRow(qPrintable(name + ": " + what))
            << render << FieldsSet(table, set) << Emitted(table.rules, set);
    };
    QSet<int> every;
    for (int index = 0; index < int(N); ++index)
        every << index;
    addRow(QStringLiteral("every field"), every);
    addRow(QStringLiteral("no field"), {});
    for (int index = 0; N > 1 && index < int(N); ++index) {
        addRow(QStringLiteral("only f%1").arg(index), {index});
        addRow(QStringLiteral("all but f%1").arg(index), every - QSet<int>{index});
    }
    for (const Rule &rule : table.rules) {
        if (rule.needs.size() == 2) {
            addRow(QStringLiteral("only f%1 and f%2").arg(rule.needs[0]).arg(rule.needs[1]),
                   {rule.needs[0], rule.needs[1]});
        }
    }
}

template <std::size_t N, typename Block>
void AddBlockRows(const QString &name, const RuleTable<N> &table, QString (*rules)(const Block &))
{
    AddFieldRows(name, table,
                 [rules](const QStringList &fields) { return rules(Make<Block, N>(fields)); });
}

// Rows for one group, given alone in its block.
template <std::size_t N, typename Block, typename Group>
Render GroupRender(const Group *Block::*slot, QString (*rules)(const Block &))
{
    return [=](const QStringList &fields) {
        const Group group = Make<Group, N>(fields);
        Block block;
        block.*slot = &group;
        return rules(block);
    };
}

template <std::size_t N, typename Block, typename Group>
void AddGroupRows(const QString &name, const RuleTable<N> &table, const Group *Block::*slot,
                  QString (*rules)(const Block &))
{
    AddFieldRows(name, table, GroupRender<N>(slot, rules));
}

// The line buttons need only their image; an empty position leaves its blanks.
template <typename Block, typename Group>
void AddLineButtonRows(const QString &name, const RuleTable<2> &table, const Group *Block::*slot,
                       QString (*rules)(const Block &))
{
    const Render render = GroupRender<2>(slot, rules);
    const QString position = table.values[0];
    const QString withPosition = AllRules(table);
    const QString withoutPosition =
        QString(withPosition).replace(" " + position + " ", QStringLiteral("  "));
    QTest::newRow(qPrintable(name + ": image and position"))
        << render << FieldsSet(table, {0, 1}) << withPosition;
    QTest::newRow(qPrintable(name + ": image only"))
        << render << FieldsSet(table, {1}) << withoutPosition;
    QTest::newRow(qPrintable(name + ": position only")) << render << FieldsSet(table, {0})
                                                        << QString();
    QTest::newRow(qPrintable(name + ": no field")) << render << FieldsSet(table, {}) << QString();
}

struct GroupText
{
    QString name;
    QString rules;
};

// Every group, none, and each group left null; groups are given in block order.
template <typename Block, typename... Groups>
void AddNullGroupRows(QString (*rules)(const Block &), const QList<GroupText> &texts,
                      const Groups &...groups)
{
    const auto addRow = [&](const QString &what, const QList<int> &nullGroups) {
        QString expected;
        for (int index = 0; index < texts.size(); ++index) {
            if (!nullGroups.contains(index))
                expected += texts[index].rules;
        }
        const Render render = [=](const QStringList &) {
            int index = 0;
            return rules(Block{(nullGroups.contains(index++) ? nullptr : &groups)...});
        };
        QTest::newRow(qPrintable("groups: " + what)) << render << QStringList() << expected;
    };
    QList<int> every;
    for (int index = 0; index < texts.size(); ++index)
        every << index;
    addRow(QStringLiteral("all"), {});
    addRow(QStringLiteral("none"), every);
    for (int index = 0; index < texts.size(); ++index)
        addRow("without " + texts[index].name, {index});
}

void CompareRenderedRules()
{
    QFETCH(Render, render);
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    QCOMPARE(render(fields), expected);
}

template <typename Block>
Apply ApplyBlock(void (*set)(QWidget *, const Block *), const Block &block)
{
    return [=](QWidget *widget) { set(widget, &block); };
}

template <typename Block, typename Group>
Apply ApplyGroup(void (*set)(QWidget *, const Block *), const Group *Block::*slot,
                 const Group &group)
{
    return [=](QWidget *widget) {
        Block block;
        block.*slot = &group;
        set(widget, &block);
    };
}

template <typename Block>
void AddKeepRows(const QString &name, void (*set)(QWidget *, const Block *))
{
    QTest::newRow(qPrintable(name + ": empty block")) << ApplyBlock(set, Block{});
    QTest::newRow(qPrintable(name + ": null block"))
        << Apply([=](QWidget *widget) { set(widget, nullptr); });
}

// Counts the style changes a widget goes through.
class StyleChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange)
            ++count;
        return false;
    }
};

const RuleTable<6> kPushButton{
    {"MainWinClose", "15px", kFamily, "#4d5c7a", "#FFFFFF", "#001c58"},
    {{"QPushButton{border-image:url(:/PicRes/Btn_MainWinClose_Normal.png);}"
      "QPushButton:Hover{border-image:url(:/PicRes/Btn_MainWinClose_Hover.png);}"
      "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_MainWinClose_Pressed.png)}",
      {0}},
     {"QPushButton{font: 15px 微软雅黑;}", {1, 2}},
     {"QPushButton{color:#4d5c7a;}", {3}},
     {"QPushButton:Hover{color:#FFFFFF;}", {4}},
     {"QPushButton:Hover:Pressed{color:#001c58;}", {5}}}};

const RuleTable<3> kLabel{{"12px", kFamily, "#99a7b5"},
                          {{"QLabel{font: 12px 微软雅黑;}", {0, 1}}, {"QLabel{color:#99a7b5;}", {2}}}};

const RuleTable<6> kLineEdit{
    {"IDKeyword", "12px", kFamily, "#586785", "#8fa2c9", "#0091ff"},
    {{"QLineEdit{border-image:url(:/PicRes/ED_IDKeyword_Normal.png);}"
      "QLineEdit:Hover{border-image:url(:/PicRes/ED_IDKeyword_Hover.png);}"
      "QLineEdit:Hover:Pressed{border-image:url(:/PicRes/ED_IDKeyword_Pressed.png)}",
      {0}},
     {"QLineEdit{font: 12px 微软雅黑;}", {1, 2}},
     {"QLineEdit{color:#586785;}", {3}},
     {"QLineEdit:Hover{color:#8fa2c9;}", {4}},
     {"QLineEdit:Hover:Pressed{color:#0091ff;}", {5}}}};

const RuleTable<7> kLineEditHover{
    {"GotoPage", "2px solid #22ac38", "12px", kFamily, "#3a4761", "#8fa2c9", "#FFFFFF"},
    {{"QLineEdit{border-image:url(:/PicRes/ED_GotoPage_Normal.png);}"
      "QLineEdit:Hover{border-image:url(:/PicRes/ED_GotoPage_Hover.png);}"
      "QLineEdit:Hover:Pressed{border-image:url(:/PicRes/ED_GotoPage_Pressed.png)}",
      {0}},
     {"QLineEdit:hover{border:2px solid #22ac38;}", {1}},
     {"QLineEdit{font: 12px 微软雅黑;}", {2, 3}},
     {"QLineEdit{color:#3a4761;}", {4}},
     {"QLineEdit:Hover{color:#8fa2c9;}", {5}},
     {"QLineEdit:Hover:Pressed{color:#FFFFFF;}", {6}}}};

const RuleTable<16> kComboBox{
    {"12px", kFamily, "#586785", "rgba(61,76,105,80)", "1px", "rgba(61,76,105,127)", "2px",
     "18px", "transparent", "Dropdown", "17px", "19px", "#FFFFFF", "#56698c", "#0091ff",
     "#394860"},
    {{"QComboBox{font:12px; font-family:微软雅黑;}", {0, 1}},
     {"QComboBox{color:#586785;}", {2}},
     {"QComboBox{background-color:rgba(61,76,105,80);}", {3}},
     {"QComboBox{border:1px rgba(61,76,105,127);}", {4, 5}},
     {"QComboBox{border-radius:2px;}", {6}},
     {"QComboBox::drop-down{width:18px;}", {7}},
     {"QComboBox::drop-down{background-color:transparent;}", {8}},
     {"QComboBox::down-arrow{image:url(:/PicRes/Cmb_Dropdown.png);}", {9}},
     {"QComboBox::down-arrow{width:17px;}", {10}},
     {"QComboBox::down-arrow{height:19px;}", {11}},
     {"QComboBox QAbstractItemView{color:#FFFFFF;}", {12}},
     {"QComboBox QAbstractItemView{background-color:#56698c;}", {13}},
     {"QComboBox QAbstractItemView{selection-color:#0091ff;}", {14}},
     {"QComboBox QAbstractItemView{selection-background-color:#394860;}", {15}}}};

const RuleTable<6> kMenu{{"12px", kFamily, "#FFFFFF", "#56698c", "#0091ff", "#394860"},
                         {{"QMenu{font:12px 微软雅黑;}", {0, 1}},
                          {"QMenu{color:#FFFFFF;}", {2}},
                          {"QMenu{background-color:#56698c;}", {3}},
                          {"QMenu::item:selected{color:#0091ff;}", {4}},
                          {"QMenu::item:selected{background-color:#394860;}", {5}}}};

const RuleTable<5> kPadding{{"QPushButton", "2px", "8px", "3px", "1px"},
                            {{"QPushButton{padding-bottom:8px;}", {0, 2}},
                             {"QPushButton{padding-top:2px;}", {0, 1}},
                             {"QPushButton{padding-left:3px;}", {0, 3}},
                             {"QPushButton{padding-right:1px;}", {0, 4}}}};

const RuleTable<6> kTimeEditBox{{"12px", kFamily, "1px", "2px", "#586785", "rgba(61,76,105,80)"},
                                {{"QTimeEdit{font:12px 微软雅黑;}", {0, 1}},
                                 {"QTimeEdit{border:1px;}", {2}},
                                 {"QTimeEdit{border-radius:2px;}", {3}},
                                 {"QTimeEdit{color:#586785;}", {4}},
                                 {"QTimeEdit{background-color:rgba(61,76,105,80);}", {5}}}};

// Fields 2, 3, 6 and 7 emit nothing.
const RuleTable<8> kTimeEditSpin{
    {"transparent", "UpArrow", "3px", "4px", "#101010", "DownArrow", "5px", "6px"},
    {{"QAbstractSpinBox::up-button{background-color:transparent;}", {0}},
     {"QAbstractSpinBox::up-button{border-image:url(:/PicRes/SPN_UpArrow_Normal.png);}"
      "QAbstractSpinBox::up-button:hover{border-image:url(:/PicRes/SPN_UpArrow_Hover.png);}"
      "QAbstractSpinBox::up-button:hover:pressed{border-image:url(:/PicRes/SPN_UpArrow_Pressed.png);}",
      {1}},
     {"QAbstractSpinBox::down-button{background-color:#101010;}", {4}},
     {"QAbstractSpinBox::down-button{border-image:url(:/PicRes/SPN_DownArrow_Normal.png);}"
      "QAbstractSpinBox::down-button:hover{border-image:url(:/PicRes/SPN_DownArrow_Hover.png);}"
      "QAbstractSpinBox::down-button:hover:pressed{border-image:url(:/PicRes/SPN_DownArrow_Pressed.png);}",
      {5}}}};

const RuleTable<12> kDateEditBox{
    {"1px", "2px", "12px", kFamily, "#586785", "rgba(61,76,105,80)", "18px", "17px",
     "transparent", "Dropdown", "16px", "15px"},
    {{"QDateEdit{font:12px 微软雅黑;}", {2, 3}},
     {"QDateEdit{border:1px;}", {0}},
     {"QDateEdit{border-radius:2px;}", {1}},
     {"QDateEdit{color:#586785;}", {4}},
     {"QDateEdit{background-color:rgba(61,76,105,80);}", {5}},
     {"QDateEdit::drop-down{width:18px;}", {6}},
     {"QDateEdit::drop-down{height:17px;}", {7}},
     {"QDateEdit::drop-down{background-color:transparent;}", {8}},
     {"QDateEdit::down-arrow{image:url(:/PicRes/Cmb_Dropdown.png);}", {9}},
     {"QDateEdit::down-arrow{width:16px;}", {10}},
     {"QDateEdit::down-arrow{height:15px;}", {11}}}};

const RuleTable<2> kNavigationBar{
    {"12px", "#394860"},
    {{"QWidget#qt_calendar_navigationbar{height:12px;}", {0}},
     {"QWidget#qt_calendar_navigationbar{background-color:#394860;}", {1}}}};

const RuleTable<12> kMonthButton{
    {"13px", kFamily, "#1f2430", "#FFFFFF", "#001c58", "none", "11px", "Tahoma", "#EEEEEE",
     "#56698c", "#0091ff", "#394860"},
    {{"QToolButton#qt_calendar_monthbutton{font:13px 微软雅黑;}", {0, 1}},
     {"QToolButton#qt_calendar_monthbutton{color:#1f2430;}", {2}},
     {"QToolButton#qt_calendar_monthbutton:hover{color:#FFFFFF;}", {3}},
     {"QToolButton#qt_calendar_monthbutton:hover:pressed{color:#001c58;}", {4}},
     {"QToolButton#qt_calendar_monthbutton::menu-indicator{image:none;}", {5}},
     {"QToolButton#qt_calendar_monthbutton QMenu{font:11px Tahoma;}", {6, 7}},
     {"QToolButton#qt_calendar_monthbutton QMenu{color:#EEEEEE;}", {8}},
     {"QToolButton#qt_calendar_monthbutton QMenu{background-color:#56698c;}", {9}},
     {"QToolButton#qt_calendar_monthbutton QMenu::item:selected{color:#0091ff;}", {10}},
     {"QToolButton#qt_calendar_monthbutton QMenu::item:selected{background-color:#394860;}",
      {11}}}};

const RuleTable<13> kYearButton{
    {"13px", kFamily, "#1f2430", "#FFFFFF", "#001c58", "11px", "Tahoma", "transparent", "16px",
     "UpArrow", "#202734", "14px", "DownArrow"},
    {{"QToolButton#qt_calendar_yearbutton{font:13px 微软雅黑;}", {0, 1}},
     {"QToolButton#qt_calendar_yearbutton{color:#1f2430;}", {2}},
     {"QToolButton#qt_calendar_yearbutton:hover{color:#FFFFFF;}", {3}},
     {"QToolButton#qt_calendar_yearbutton:hover:pressed{color:#001c58;}", {4}},
     {"QSpinBox#qt_calendar_yearedit{font:11px Tahoma;}", {5, 6}},
     {"QSpinBox#qt_calendar_yearedit::up-button{background-color:transparent;}", {7}},
     {"QSpinBox#qt_calendar_yearedit::up-button{width:16px;}", {8}},
     {"QSpinBox#qt_calendar_yearedit::up-button{border-image:url(:/PicRes/SPN_UpArrow_Normal.png);}"
      "QSpinBox#qt_calendar_yearedit::up-button:pressed{border-image:url(:/PicRes/SPN_UpArrow_Pressed.png);}",
      {9}},
     {"QSpinBox#qt_calendar_yearedit::down-button{background-color:#202734;}", {10}},
     {"QSpinBox#qt_calendar_yearedit::down-button{width:14px;}", {11}},
     {"QSpinBox#qt_calendar_yearedit::down-button{border-image:url(:/PicRes/SPN_DownArrow_Normal.png);}"
      "QSpinBox#qt_calendar_yearedit::down-button:pressed{border-image:url(:/PicRes/SPN_DownArrow_Pressed.png);}",
      {12}}}};

const RuleTable<6> kDayGrid{{"12px", kFamily, "#FFFFFF", "#56698c", "#0091ff", "#394860"},
                            {{"QAbstractItemView{font:12px 微软雅黑;}", {0, 1}},
                             {"QAbstractItemView{color:#FFFFFF;}", {2}},
                             {"QAbstractItemView{background-color:#56698c;}", {3}},
                             {"QAbstractItemView{selection-color:#0091ff;}", {4}},
                             {"QAbstractItemView{selection-background-color:#394860;}", {5}}}};

const RuleTable<6> kTree{{"0px", "0", "12px", kFamily, "#cfdfff", "transparent"},
                         {{"QTreeWidget{border:0px;}", {0}},
                          {"QTreeWidget{show-decoration-selected:0;}", {1}},
                          {"QTreeWidget{font:12px 微软雅黑;}", {2, 3}},
                          {"QTreeWidget{color:#cfdfff;}", {4}},
                          {"QTreeWidget{background-color:transparent;}", {5}}}};

const RuleTable<7> kTreeItems{
    {"20px", "1px", "2px", "#0091ff", "#394860", "#FFFFFF", "#56698c"},
    {{"QTreeWidget::item{height:20px;}", {0}},
     {"QTreeWidget::item{margin:1px;}", {1}},
     {"QTreeWidget::item{padding:2px;}", {2}},
     {"QTreeWidget::item:hover{color:#0091ff;}", {3}},
     {"QTreeWidget::item:hover{background-color:#394860;}", {4}},
     {"QTreeWidget::item:selected{color:#FFFFFF;}", {5}},
     {"QTreeWidget::item:selected{background-color:#56698c;}", {6}}}};

// The blanks are part of the rules: 25 after the comma, 32 before each declaration.
const RuleTable<2> kTreeBranches{
    {"FolderOpen", "FolderShut"},
    {{"QTreeView::branch:has-children:!has-siblings:closed,"
      "                         "
      "QTreeView::branch:closed:has-children:has-siblings{"
      "                                "
      "border-image:none;"
      "                                "
      "image:url(:/PicRes/Btn_FolderShut_Close.png);}",
      {1}},
     {"QTreeView::branch:open:has-children:!has-siblings,"
      "                         "
      "QTreeView::branch:open:has-children:has-siblings{"
      "                                "
      "border-image: none;"
      "                                "
      "image: url(:/PicRes/Btn_FolderOpen_Open.png);}",
      {0}}}};

const RuleTable<4> kHBar{{"transparent", "0px", "10px", "0px 9px 0px 9px"},
                         {{"QScrollBar:horizontal{border:0px;}", {1}},
                          {"QScrollBar:horizontal{height:10px;}", {2}},
                          {"QScrollBar:horizontal{background-color:transparent;}", {0}},
                          {"QScrollBar:horizontal{padding:0px 9px 0px 9px;}", {3}}}};

const RuleTable<4> kHHandle{
    {"40px", "#8191b2", "#0e7abd", "#0e4979"},
    {{"QScrollBar::handle:horizontal{min-width:40px;}", {0}},
     {"QScrollBar::handle:horizontal{background-color:#8191b2;}", {1}},
     {"QScrollBar::handle:horizontal:hover{background-color:#0e7abd;}", {2}},
     {"QScrollBar::handle:horizontal:hover:pressed{background-color:#0e4979;}", {3}}}};

const RuleTable<1> kHAddPage{{"rgb(29,33,42)"},
                             {{"QScrollBar::add-page:horizontal{background:rgb(29,33,42);}", {0}}}};

const RuleTable<1> kHSubPage{{"rgb(30,34,43)"},
                             {{"QScrollBar::sub-page:horizontal{background:rgb(30,34,43);}", {0}}}};

const RuleTable<2> kHAddLine{
    {"right", "ScrollBarR"},
    {{"QScrollBar::add-line:horizontal{background:url(:/PicRes/Btn_ScrollBarR_Normal.png) right no-repeat;}"
      "QScrollBar::add-line:horizontal:hover{background:url(:/PicRes/Btn_ScrollBarR_Hover.png) right no-repeat;}"
      "QScrollBar::add-line:horizontal:hover:pressed{background:url(:/PicRes/Btn_ScrollBarR_Pressed.png) right no-repeat;}",
      {1}}}};

const RuleTable<2> kHSubLine{
    {"left", "ScrollBarL"},
    {{"QScrollBar::sub-line:horizontal{background:url(:/PicRes/Btn_ScrollBarL_Normal.png) left no-repeat;}"
      "QScrollBar::sub-line:horizontal:hover{background:url(:/PicRes/Btn_ScrollBarL_Hover.png) left no-repeat;}"
      "QScrollBar::sub-line:horizontal:hover:pressed{background:url(:/PicRes/Btn_ScrollBarL_Pressed.png) left no-repeat;}",
      {1}}}};

const RuleTable<4> kVBar{{"transparent", "0px", "10px", "9px 0px 11px 0px"},
                         {{"QScrollBar:vertical{border:0px;}", {1}},
                          {"QScrollBar:vertical{width:10px;}", {2}},
                          {"QScrollBar:vertical{background-color:transparent;}", {0}},
                          {"QScrollBar:vertical{padding:9px 0px 11px 0px;}", {3}}}};

const RuleTable<4> kVHandle{
    {"40px", "#8191b2", "#0e7abd", "#0e4979"},
    {{"QScrollBar::handle:vertical{min-height:40px;}", {0}},
     {"QScrollBar::handle:vertical{background-color:#8191b2;}", {1}},
     {"QScrollBar::handle:vertical:hover{background-color:#0e7abd;}", {2}},
     {"QScrollBar::handle:vertical:hover:pressed{background-color:#0e4979;}", {3}}}};

const RuleTable<1> kVAddPage{{"rgb(29,33,42)"},
                             {{"QScrollBar::add-page:vertical{background:rgb(29,33,42);}", {0}}}};

const RuleTable<1> kVSubPage{{"rgb(30,34,43)"},
                             {{"QScrollBar::sub-page:vertical{background:rgb(30,34,43);}", {0}}}};

const RuleTable<2> kVAddLine{
    {"bottom", "ScrollBarD"},
    {{"QScrollBar::add-line:vertical{background:url(:/PicRes/Btn_ScrollBarD_Normal.png) bottom no-repeat;}"
      "QScrollBar::add-line:vertical:hover{background:url(:/PicRes/Btn_ScrollBarD_Hover.png) bottom no-repeat;}"
      "QScrollBar::add-line:vertical:hover:pressed{background:url(:/PicRes/Btn_ScrollBarD_Pressed.png) bottom no-repeat;}",
      {1}}}};

const RuleTable<2> kVSubLine{
    {"top", "ScrollBarU"},
    {{"QScrollBar::sub-line:vertical{background:url(:/PicRes/Btn_ScrollBarU_Normal.png) top no-repeat;}"
      "QScrollBar::sub-line:vertical:hover{background:url(:/PicRes/Btn_ScrollBarU_Hover.png) top no-repeat;}"
      "QScrollBar::sub-line:vertical:hover:pressed{background:url(:/PicRes/Btn_ScrollBarU_Pressed.png) top no-repeat;}",
      {1}}}};

const RuleTable<4> kTableView{{"12px", kFamily, "rgb(41,48,66)", "#202734"},
                              {{"QTableView{font:12px 微软雅黑;}", {0, 1}},
                               {"QTableView{background-color:rgb(41,48,66);}", {2}},
                               {"QTableView{gridline-color:#202734;}", {3}}}};

const RuleTable<3> kTableItems{{"#545c6e", "#bed4ff", "#1f4766"},
                               {{"QTableView::item{color:#545c6e;}", {0}},
                                {"QTableView::item{selection-color:#bed4ff;}", {1}},
                                {"QTableView::item{selection-background-color:#1f4766;}", {2}}}};

const RuleTable<9> kTableHeader{
    {"13px", kFamily, "#bed4ff", "32px", "0px", "1px", "1px solid #202734", "2px solid #202734",
     "#394860"},
    {{"QHeaderView{font:13px 微软雅黑;}", {0, 1}},
     {"QHeaderView{color:#bed4ff;}", {2}},
     {"QHeaderView:section{height:32px;}", {3}},
     {"QHeaderView:section{background-color:#394860;}", {8}},
     {"QHeaderView:section{border-top:0px;}", {4}},
     {"QHeaderView:section{border-left:1px;}", {5}},
     {"QHeaderView:section{border-bottom:1px solid #202734;}", {6}},
     {"QHeaderView:section{border-right:2px solid #202734;}", {7}}}};

void AddScrollBarRows(QString (*rules)(const ScrollBarStyle &), const RuleTable<4> &bar,
                      const RuleTable<4> &handle, const RuleTable<1> &addPage,
                      const RuleTable<1> &subPage, const RuleTable<2> &addLine,
                      const RuleTable<2> &subLine)
{
    AddRuleColumns();
    AddGroupRows(QStringLiteral("bar"), bar, &ScrollBarStyle::bar, rules);
    AddGroupRows(QStringLiteral("handle"), handle, &ScrollBarStyle::handle, rules);
    AddGroupRows(QStringLiteral("add page"), addPage, &ScrollBarStyle::addPage, rules);
    AddGroupRows(QStringLiteral("sub page"), subPage, &ScrollBarStyle::subPage, rules);
    AddLineButtonRows(QStringLiteral("add line"), addLine, &ScrollBarStyle::addLine, rules);
    AddLineButtonRows(QStringLiteral("sub line"), subLine, &ScrollBarStyle::subLine, rules);
    AddNullGroupRows(rules,
                     {{"bar", AllRules(bar)},
                      {"handle", AllRules(handle)},
                      {"add page", AllRules(addPage)},
                      {"sub page", AllRules(subPage)},
                      {"add line", AllRules(addLine)},
                      {"sub line", AllRules(subLine)}},
                     Full<ScrollBarStyle::Bar>(bar), Full<ScrollBarStyle::Handle>(handle),
                     Full<ScrollBarStyle::Page>(addPage), Full<ScrollBarStyle::Page>(subPage),
                     Full<ScrollBarStyle::LineButton>(addLine),
                     Full<ScrollBarStyle::LineButton>(subLine));
}

} // namespace

class StyleSheetBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void pushButton_data();
    void pushButton() { CompareRenderedRules(); }
    void label_data();
    void label() { CompareRenderedRules(); }
    void lineEdit_data();
    void lineEdit() { CompareRenderedRules(); }
    void lineEditHover_data();
    void lineEditHover() { CompareRenderedRules(); }
    void comboBox_data();
    void comboBox() { CompareRenderedRules(); }
    void menu_data();
    void menu() { CompareRenderedRules(); }
    void padding_data();
    void padding() { CompareRenderedRules(); }
    void timeEdit_data();
    void timeEdit() { CompareRenderedRules(); }
    void dateEdit_data();
    void dateEdit() { CompareRenderedRules(); }
    void treeWidget_data();
    void treeWidget() { CompareRenderedRules(); }
    void hScrollBar_data();
    void hScrollBar() { CompareRenderedRules(); }
    void vScrollBar_data();
    void vScrollBar() { CompareRenderedRules(); }
    void tableView_data();
    void tableView() { CompareRenderedRules(); }

    void appendsToTheSheet_data();
    void appendsToTheSheet();
    void keepsTheSheetWithoutRules_data();
    void keepsTheSheetWithoutRules();
    void setsTheSheetEvenWithoutRules();
    void paddingWithoutSelectorNeverSetsTheSheet();
    void paddingStyleList_data();
    void paddingStyleList();
    void styleByKind_data();
    void styleByKind();
};

void StyleSheetBuilderTest::pushButton_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("push button"), kPushButton, PushButtonRules);
}

void StyleSheetBuilderTest::label_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("label"), kLabel, LabelRules);
}

void StyleSheetBuilderTest::lineEdit_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("line edit"), kLineEdit, LineEditRules);
}

void StyleSheetBuilderTest::lineEditHover_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("hover line edit"), kLineEditHover, LineEditHoverRules);
}

void StyleSheetBuilderTest::comboBox_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("combo box"), kComboBox, ComboBoxRules);
}

void StyleSheetBuilderTest::menu_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("menu"), kMenu, MenuRules);
}

void StyleSheetBuilderTest::padding_data()
{
    AddRuleColumns();
    AddBlockRows(QStringLiteral("padding"), kPadding, PaddingRules);
}

void StyleSheetBuilderTest::timeEdit_data()
{
    AddRuleColumns();
    AddGroupRows(QStringLiteral("edit"), kTimeEditBox, &TimeEditStyle::edit, TimeEditRules);
    AddGroupRows(QStringLiteral("spin buttons"), kTimeEditSpin, &TimeEditStyle::spinButtons,
                 TimeEditRules);
    AddNullGroupRows(TimeEditRules,
                     {{"edit", AllRules(kTimeEditBox)}, {"spin buttons", AllRules(kTimeEditSpin)}},
                     Full<TimeEditStyle::Edit>(kTimeEditBox),
                     Full<TimeEditStyle::SpinButtons>(kTimeEditSpin));
}

void StyleSheetBuilderTest::dateEdit_data()
{
    AddRuleColumns();
    AddGroupRows(QStringLiteral("edit"), kDateEditBox, &DateEditStyle::edit, DateEditRules);
    AddGroupRows(QStringLiteral("navigation bar"), kNavigationBar, &DateEditStyle::navigationBar,
                 DateEditRules);
    AddGroupRows(QStringLiteral("month button"), kMonthButton, &DateEditStyle::monthButton,
                 DateEditRules);
    AddGroupRows(QStringLiteral("year button"), kYearButton, &DateEditStyle::yearButton,
                 DateEditRules);
    AddGroupRows(QStringLiteral("day grid"), kDayGrid, &DateEditStyle::dayGrid, DateEditRules);
    AddNullGroupRows(DateEditRules,
                     {{"edit", AllRules(kDateEditBox)},
                      {"navigation bar", AllRules(kNavigationBar)},
                      {"month button", AllRules(kMonthButton)},
                      {"year button", AllRules(kYearButton)},
                      {"day grid", AllRules(kDayGrid)}},
                     Full<DateEditStyle::Edit>(kDateEditBox),
                     Full<DateEditStyle::NavigationBar>(kNavigationBar),
                     Full<DateEditStyle::MonthButton>(kMonthButton),
                     Full<DateEditStyle::YearButton>(kYearButton),
                     Full<DateEditStyle::DayGrid>(kDayGrid));
}

void StyleSheetBuilderTest::treeWidget_data()
{
    AddRuleColumns();
    AddGroupRows(QStringLiteral("tree"), kTree, &TreeWidgetStyle::tree, TreeWidgetRules);
    AddGroupRows(QStringLiteral("items"), kTreeItems, &TreeWidgetStyle::items, TreeWidgetRules);
    AddGroupRows(QStringLiteral("branches"), kTreeBranches, &TreeWidgetStyle::branches,
                 TreeWidgetRules);
    AddNullGroupRows(TreeWidgetRules,
                     {{"tree", AllRules(kTree)},
                      {"items", AllRules(kTreeItems)},
                      {"branches", AllRules(kTreeBranches)}},
                     Full<TreeWidgetStyle::Tree>(kTree), Full<TreeWidgetStyle::Items>(kTreeItems),
                     Full<TreeWidgetStyle::Branches>(kTreeBranches));
}

void StyleSheetBuilderTest::hScrollBar_data()
{
    AddScrollBarRows(HScrollBarRules, kHBar, kHHandle, kHAddPage, kHSubPage, kHAddLine, kHSubLine);
}

void StyleSheetBuilderTest::vScrollBar_data()
{
    AddScrollBarRows(VScrollBarRules, kVBar, kVHandle, kVAddPage, kVSubPage, kVAddLine, kVSubLine);
}

void StyleSheetBuilderTest::tableView_data()
{
    AddRuleColumns();
    AddGroupRows(QStringLiteral("view"), kTableView, &TableViewStyle::view, TableViewRules);
    AddGroupRows(QStringLiteral("items"), kTableItems, &TableViewStyle::items, TableViewRules);
    AddGroupRows(QStringLiteral("header"), kTableHeader, &TableViewStyle::header, TableViewRules);
    AddNullGroupRows(TableViewRules,
                     {{"view", AllRules(kTableView)},
                      {"items", AllRules(kTableItems)},
                      {"header", AllRules(kTableHeader)}},
                     Full<TableViewStyle::View>(kTableView),
                     Full<TableViewStyle::Items>(kTableItems),
                     Full<TableViewStyle::Header>(kTableHeader));
}

void StyleSheetBuilderTest::appendsToTheSheet_data()
{
    QTest::addColumn<Apply>("apply");
    QTest::addColumn<QString>("rules");
    QTest::newRow("push button")
        << ApplyBlock(SetPushButtonStyle, Full<PushButtonStyle>(kPushButton))
        << AllRules(kPushButton);
    QTest::newRow("label") << ApplyBlock(SetLabelStyle, Full<LabelStyle>(kLabel))
                           << AllRules(kLabel);
    QTest::newRow("line edit") << ApplyBlock(SetLineEditStyle, Full<LineEditStyle>(kLineEdit))
                               << AllRules(kLineEdit);
    QTest::newRow("hover line edit")
        << ApplyBlock(SetLineEditHoverStyle, Full<LineEditHoverStyle>(kLineEditHover))
        << AllRules(kLineEditHover);
    QTest::newRow("combo box") << ApplyBlock(SetComboBoxStyle, Full<ComboBoxStyle>(kComboBox))
                               << AllRules(kComboBox);
    QTest::newRow("menu") << ApplyBlock(SetMenuStyle, Full<MenuStyle>(kMenu)) << AllRules(kMenu);
    QTest::newRow("padding") << ApplyBlock(SetPaddingStyle, Full<PaddingStyle>(kPadding))
                             << AllRules(kPadding);
    QTest::newRow("time edit") << ApplyGroup(SetTimeEditStyle, &TimeEditStyle::spinButtons,
                                             Full<TimeEditStyle::SpinButtons>(kTimeEditSpin))
                               << AllRules(kTimeEditSpin);
    QTest::newRow("date edit") << ApplyGroup(SetDateEditStyle, &DateEditStyle::monthButton,
                                             Full<DateEditStyle::MonthButton>(kMonthButton))
                               << AllRules(kMonthButton);
    QTest::newRow("tree widget") << ApplyGroup(SetTreeWidgetStyle, &TreeWidgetStyle::branches,
                                               Full<TreeWidgetStyle::Branches>(kTreeBranches))
                                 << AllRules(kTreeBranches);
    QTest::newRow("horizontal scroll bar")
        << ApplyGroup(SetHScrollBarStyle, &ScrollBarStyle::bar, Full<ScrollBarStyle::Bar>(kHBar))
        << AllRules(kHBar);
    QTest::newRow("vertical scroll bar")
        << ApplyGroup(SetVScrollBarStyle, &ScrollBarStyle::bar, Full<ScrollBarStyle::Bar>(kVBar))
        << AllRules(kVBar);
    QTest::newRow("table view") << ApplyGroup(SetTableViewStyle, &TableViewStyle::header,
                                              Full<TableViewStyle::Header>(kTableHeader))
                                << AllRules(kTableHeader);
}

void StyleSheetBuilderTest::appendsToTheSheet()
{
    QFETCH(Apply, apply);
    QFETCH(QString, rules);
    apply(nullptr); // a null widget is ignored
    QWidget widget;
    widget.setStyleSheet(kExistingSheet);

    apply(&widget);
    QCOMPARE(widget.styleSheet(), kExistingSheet + rules);
    apply(&widget);
    QCOMPARE(widget.styleSheet(), kExistingSheet + rules + rules);
}

void StyleSheetBuilderTest::keepsTheSheetWithoutRules_data()
{
    QTest::addColumn<Apply>("apply");
    AddKeepRows(QStringLiteral("push button"), SetPushButtonStyle);
    AddKeepRows(QStringLiteral("label"), SetLabelStyle);
    AddKeepRows(QStringLiteral("line edit"), SetLineEditStyle);
    AddKeepRows(QStringLiteral("hover line edit"), SetLineEditHoverStyle);
    AddKeepRows(QStringLiteral("combo box"), SetComboBoxStyle);
    AddKeepRows(QStringLiteral("menu"), SetMenuStyle);
    AddKeepRows(QStringLiteral("padding"), SetPaddingStyle);
    AddKeepRows(QStringLiteral("time edit"), SetTimeEditStyle);
    AddKeepRows(QStringLiteral("date edit"), SetDateEditStyle);
    AddKeepRows(QStringLiteral("tree widget"), SetTreeWidgetStyle);
    AddKeepRows(QStringLiteral("horizontal scroll bar"), SetHScrollBarStyle);
    AddKeepRows(QStringLiteral("vertical scroll bar"), SetVScrollBarStyle);
    AddKeepRows(QStringLiteral("table view"), SetTableViewStyle);
}

void StyleSheetBuilderTest::keepsTheSheetWithoutRules()
{
    QFETCH(Apply, apply);
    QWidget widget;
    widget.setStyleSheet(kExistingSheet);

    apply(&widget);
    QCOMPARE(widget.styleSheet(), kExistingSheet);
}

// An empty block still sets the sheet again, which restyles a polished widget.
void StyleSheetBuilderTest::setsTheSheetEvenWithoutRules()
{
    QWidget widget;
    widget.setStyleSheet(kExistingSheet);
    widget.ensurePolished();
    StyleChangeCounter counter;
    widget.installEventFilter(&counter);

    const LabelStyle empty;
    SetLabelStyle(&widget, &empty);
    QCOMPARE(widget.styleSheet(), kExistingSheet);
    QVERIFY(counter.count > 0);
}

void StyleSheetBuilderTest::paddingWithoutSelectorNeverSetsTheSheet()
{
    QWidget widget;
    widget.setStyleSheet(kExistingSheet);
    widget.ensurePolished();
    StyleChangeCounter counter;
    widget.installEventFilter(&counter);

    const PaddingStyle noSelector{QString(), "2px", "8px", "3px", "1px"};
    SetPaddingStyle(&widget, &noSelector);
    QCOMPARE(widget.styleSheet(), kExistingSheet);
    QCOMPARE(counter.count, 0);
}

void StyleSheetBuilderTest::paddingStyleList_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("rules");
    QTest::newRow("selector") << FieldsSet(kPadding, {0, 1, 2, 3, 4}) << AllRules(kPadding);
    QTest::newRow("bottom only") << FieldsSet(kPadding, {0, 2})
                                 << QStringLiteral("QPushButton{padding-bottom:8px;}");
    QTest::newRow("no selector") << FieldsSet(kPadding, {1, 2, 3, 4}) << QString();
}

void StyleSheetBuilderTest::paddingStyleList()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, rules);
    QWidget first;
    QWidget second;
    first.setStyleSheet(kExistingSheet);
    const PaddingStyle style = Make<PaddingStyle, 5>(fields);

    SetPaddingStyleList({&first, &second}, &style);
    QCOMPARE(first.styleSheet(), kExistingSheet + rules);
    QCOMPARE(second.styleSheet(), rules);
}

void StyleSheetBuilderTest::styleByKind_data()
{
    static const PushButtonStyle pushButton = Full<PushButtonStyle>(kPushButton);
    static const LabelStyle label = Full<LabelStyle>(kLabel);
    static const MenuStyle menu = Full<MenuStyle>(kMenu);
    static const ComboBoxStyle comboBox = Full<ComboBoxStyle>(kComboBox);
    static const LineEditStyle lineEdit = Full<LineEditStyle>(kLineEdit);
    QTest::addColumn<QString>("kind");
    QTest::addColumn<BlockRef>("style");
    QTest::addColumn<QString>("rules");
    QTest::newRow("push button") << "QPushButton" << BlockRef{&pushButton}
                                 << AllRules(kPushButton);
    QTest::newRow("label") << "QLabel" << BlockRef{&label} << AllRules(kLabel);
    QTest::newRow("menu") << "QMenu" << BlockRef{&menu} << AllRules(kMenu);
    QTest::newRow("combo box") << "QComboBox" << BlockRef{&comboBox} << AllRules(kComboBox);
    QTest::newRow("line edit is no kind") << "QLineEdit" << BlockRef{&lineEdit} << QString();
    QTest::newRow("kind is case-sensitive") << "qpushbutton" << BlockRef{&pushButton} << QString();
    QTest::newRow("no kind") << "" << BlockRef{&pushButton} << QString();
    QTest::newRow("null style") << "QPushButton" << BlockRef{nullptr} << QString();
}

void StyleSheetBuilderTest::styleByKind()
{
    QFETCH(QString, kind);
    QFETCH(BlockRef, style);
    QFETCH(QString, rules);
    QWidget first;
    QWidget second;
    first.setStyleSheet(kExistingSheet);

    SetStyleByKind(kind, {&first, &second}, style.block);
    QCOMPARE(first.styleSheet(), kExistingSheet + rules);
    QCOMPARE(second.styleSheet(), rules);
}

QTEST_MAIN(StyleSheetBuilderTest)
#include "tst_stylesheetbuilder.moc"
