#include "ui/stylesheetbuilder.h"

#include <QTest>
#include <QWidget>
#include <functional>

namespace {

using Apply = std::function<void(QWidget *widget)>;
using ApplyToList = std::function<void(const QList<QWidget *> &widgets)>;

} // namespace

Q_DECLARE_METATYPE(Apply)
Q_DECLARE_METATYPE(ApplyToList)

namespace {

const QString kFamily = QStringLiteral("微软雅黑");
const QString kExistingSheet = QStringLiteral("QWidget{margin:3px;}");

template <typename Block>
Apply Applying(void (*set)(QWidget *, const Block *), const Block &block)
{
    return [=](QWidget *widget) { set(widget, &block); };
}

template <typename Block>
ApplyToList ByKind(const QString &kind, const Block &block)
{
    return [=](const QList<QWidget *> &widgets) { SetStyleByKind(kind, widgets, &block); };
}

ApplyToList PaddingList(const PaddingStyle &style)
{
    return [=](const QList<QWidget *> &widgets) { SetPaddingStyleList(widgets, &style); };
}

} // namespace

class StyleSheetBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void emitsOnlyRulesWithTheirFields_data();
    void emitsOnlyRulesWithTheirFields();
    void keyRules_data();
    void keyRules();
    void appendsToTheSheet_data();
    void appendsToTheSheet();
    void appliesToEveryWidgetOfAList_data();
    void appliesToEveryWidgetOfAList();
};

void StyleSheetBuilderTest::emitsOnlyRulesWithTheirFields_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("expected");

    // Every field set, in declaration order: the whole text of the model builder.
    QTest::newRow("every field")
        << PushButtonRules({"Import", "12px", kFamily, "#1f2430", "#FFFFFF", "#001c58"})
        << "QPushButton{border-image:url(:/PicRes/Btn_Import_Normal.png);}"
           "QPushButton:Hover{border-image:url(:/PicRes/Btn_Import_Hover.png);}"
           "QPushButton:Hover:Pressed{border-image:url(:/PicRes/Btn_Import_Pressed.png)}"
           "QPushButton{font: 12px 微软雅黑;}QPushButton{color:#1f2430;}"
           "QPushButton:Hover{color:#FFFFFF;}QPushButton:Hover:Pressed{color:#001c58;}";
    QTest::newRow("every field empty") << LabelRules({}) << QString();
    QTest::newRow("one field") << PushButtonRules({{}, {}, {}, "#4d5c7a"})
                               << "QPushButton{color:#4d5c7a;}";
    QTest::newRow("font size without family") << LabelRules({"12px"}) << QString();
    QTest::newRow("font family without size") << MenuRules({{}, kFamily}) << QString();
    QTest::newRow("font size and family") << LabelRules({"12px", kFamily})
                                          << "QLabel{font: 12px 微软雅黑;}";
    QTest::newRow("border width without colour") << ComboBoxRules({{}, {}, {}, {}, "1px"})
                                                 << QString();

    const TimeEditStyle::SpinButtons placeholders{{}, {}, "3px", "4px", {}, {}, "5px", "6px"};
    QTest::newRow("placeholder spin fields") << TimeEditRules({nullptr, &placeholders})
                                             << QString();

    const ScrollBarStyle::LineButton positionOnly{"top"};
    const ScrollBarStyle::LineButton imageOnly{{}, "ScrollBarU"};
    QTest::newRow("end button without image")
        << VScrollBarRules({nullptr, nullptr, nullptr, nullptr, nullptr, &positionOnly})
        << QString();
    QTest::newRow("end button without position leaves a blank")
        << VScrollBarRules({nullptr, nullptr, nullptr, nullptr, nullptr, &imageOnly})
        << "QScrollBar::sub-line:vertical{background:url(:/PicRes/Btn_ScrollBarU_Normal.png)  no-repeat;}"
           "QScrollBar::sub-line:vertical:hover{background:url(:/PicRes/Btn_ScrollBarU_Hover.png)  no-repeat;}"
           "QScrollBar::sub-line:vertical:hover:pressed{background:url(:/PicRes/Btn_ScrollBarU_Pressed.png)  no-repeat;}";

    const TableViewStyle::View view{{}, {}, "rgb(41,48,66)"};
    const TableViewStyle::Header header{{}, {}, {}, {}, {}, {}, {}, {}, "#394860"};
    QTest::newRow("every group null") << DateEditRules({}) << QString();
    QTest::newRow("a null group between two others")
        << TableViewRules({&view, nullptr, &header})
        << "QTableView{background-color:rgb(41,48,66);}"
           "QHeaderView:section{background-color:#394860;}";
}

void StyleSheetBuilderTest::emitsOnlyRulesWithTheirFields()
{
    QFETCH(QString, rules);
    QFETCH(QString, expected);
    QCOMPARE(rules, expected);
}

// What each builder must get right for the widget to look as drawn: the image
// names, the selectors, and which field lands in which property.
void StyleSheetBuilderTest::keyRules_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("rule");

    QTest::newRow("line edit image")
        << LineEditRules({"IDKeyword", "12px", kFamily, "#586785", {}, "#0091ff"})
        << "QLineEdit:Hover{border-image:url(:/PicRes/ED_IDKeyword_Hover.png);}";
    QTest::newRow("hover border")
        << LineEditHoverRules({{}, "2px solid #22ac38", "12px", kFamily, "#3a4761"})
        << "QLineEdit:hover{border:2px solid #22ac38;}QLineEdit{font: 12px 微软雅黑;}";

    const QString combo = ComboBoxRules(
        {"12px", kFamily, "#586785", "rgba(61,76,105,80)", "1px", "rgba(61,76,105,127)", "2px",
         "18px", "transparent", "Dropdown", "18px", "18px", "#FFFFFF", "#56698c", "#0091ff",
         "#394860"});
    QTest::newRow("combo border") << combo << "QComboBox{border:1px rgba(61,76,105,127);}";
    QTest::newRow("combo arrow")
        << combo << "QComboBox::down-arrow{image:url(:/PicRes/Cmb_Dropdown.png);}";

    const TimeEditStyle::SpinButtons spin{"transparent", "UpArrow", {}, {},
                                          "transparent", "DownArrow"};
    QTest::newRow("time edit down button")
        << TimeEditRules({nullptr, &spin})
        << "QAbstractSpinBox::down-button:hover{border-image:url(:/PicRes/SPN_DownArrow_Hover.png);}";

    const DateEditStyle::Edit box{"1px", "2px", "12px", kFamily, "#586785", {}, {}, {}, {},
                                  "Dropdown"};
    const DateEditStyle::MonthButton month{"12px", kFamily, "#1f2430", {}, {}, "none",
                                           {},     {},      {},        "#56698c"};
    const QString date = DateEditRules({&box, nullptr, &month});
    QTest::newRow("date arrow")
        << date << "QDateEdit::down-arrow{image:url(:/PicRes/Cmb_Dropdown.png);}";
    QTest::newRow("month menu")
        << date << "QToolButton#qt_calendar_monthbutton QMenu{background-color:#56698c;}";

    const TreeWidgetStyle::Branches branches{"FolderOpen", "FolderShut"};
    const QString tree = TreeWidgetRules({nullptr, nullptr, &branches});
    QTest::newRow("open branch") << tree << "image: url(:/PicRes/Btn_FolderOpen_Open.png);}";
    QTest::newRow("closed branch") << tree << "image:url(:/PicRes/Btn_FolderShut_Close.png);}";

    const ScrollBarStyle::Bar bar{"transparent", "0px", "10px"};
    const ScrollBarStyle::Handle handle{"40px"};
    const ScrollBarStyle::LineButton addLine{"right", "ScrollBarR"};
    const ScrollBarStyle scrollBar{&bar, &handle, nullptr, nullptr, &addLine};
    QTest::newRow("horizontal thickness")
        << HScrollBarRules(scrollBar) << "QScrollBar:horizontal{height:10px;}";
    QTest::newRow("end button position")
        << HScrollBarRules(scrollBar)
        << "QScrollBar::add-line:horizontal{background:url(:/PicRes/Btn_ScrollBarR_Normal.png) right no-repeat;}";
    QTest::newRow("vertical thickness")
        << VScrollBarRules(scrollBar) << "QScrollBar:vertical{width:10px;}";
    QTest::newRow("vertical handle")
        << VScrollBarRules(scrollBar) << "QScrollBar::handle:vertical{min-height:40px;}";

    const TableViewStyle::Items items{"#545c6e", "#bed4ff", "#1f4766"};
    const TableViewStyle::Header header{{}, {}, {}, "32px", "0px", "0px", "1px solid #202734"};
    const QString table = TableViewRules({nullptr, &items, &header});
    QTest::newRow("table selection")
        << table << "QTableView::item{selection-background-color:#1f4766;}";
    QTest::newRow("header border")
        << table << "QHeaderView:section{border-bottom:1px solid #202734;}";
}

void StyleSheetBuilderTest::keyRules()
{
    QFETCH(QString, rules);
    QFETCH(QString, rule);
    QVERIFY2(rules.contains(rule), qPrintable(rules));
}

void StyleSheetBuilderTest::appendsToTheSheet_data()
{
    QTest::addColumn<Apply>("apply");
    QTest::addColumn<QString>("appended");

    QTest::newRow("flat block") << Applying(SetLabelStyle, LabelStyle{"12px", kFamily, "#99a7b5"})
                                << "QLabel{font: 12px 微软雅黑;}QLabel{color:#99a7b5;}";
    QTest::newRow("empty block") << Applying(SetMenuStyle, MenuStyle{}) << QString();
    QTest::newRow("null block")
        << Apply([](QWidget *widget) { SetComboBoxStyle(widget, nullptr); }) << QString();
}

// Each call appends once, after what the sheet already holds.
void StyleSheetBuilderTest::appendsToTheSheet()
{
    QFETCH(Apply, apply);
    QFETCH(QString, appended);
    apply(nullptr); // a null widget is ignored
    QWidget widget;
    widget.setStyleSheet(kExistingSheet);

    apply(&widget);
    QCOMPARE(widget.styleSheet(), kExistingSheet + appended);
    apply(&widget);
    QCOMPARE(widget.styleSheet(), kExistingSheet + appended + appended);
}

void StyleSheetBuilderTest::appliesToEveryWidgetOfAList_data()
{
    QTest::addColumn<ApplyToList>("apply");
    QTest::addColumn<QString>("appended");

    const PushButtonStyle pushButton{{}, {}, {}, "#1f2430"};
    QTest::newRow("push button") << ByKind("QPushButton", pushButton)
                                 << "QPushButton{color:#1f2430;}";
    QTest::newRow("label") << ByKind("QLabel", LabelStyle{{}, {}, "#99a7b5"})
                           << "QLabel{color:#99a7b5;}";
    QTest::newRow("menu") << ByKind("QMenu", MenuStyle{{}, {}, "#FFFFFF"})
                          << "QMenu{color:#FFFFFF;}";
    QTest::newRow("combo box") << ByKind("QComboBox", ComboBoxStyle{{}, {}, "#586785"})
                               << "QComboBox{color:#586785;}";
    QTest::newRow("line edit is no kind")
        << ByKind("QLineEdit", LineEditStyle{{}, {}, {}, "#586785"}) << QString();
    QTest::newRow("kind is case-sensitive") << ByKind("qpushbutton", pushButton) << QString();
    QTest::newRow("null style") << ApplyToList([](const QList<QWidget *> &widgets) {
        SetStyleByKind("QPushButton", widgets, nullptr);
    }) << QString();
    QTest::newRow("padding") << PaddingList({"QPushButton", {}, "6px", {}, "1px"})
                             << "QPushButton{padding-bottom:6px;}QPushButton{padding-right:1px;}";
    QTest::newRow("padding without selector")
        << PaddingList({{}, "2px", "6px", "3px", "1px"}) << QString();
}

void StyleSheetBuilderTest::appliesToEveryWidgetOfAList()
{
    QFETCH(ApplyToList, apply);
    QFETCH(QString, appended);
    QWidget first;
    QWidget second;
    first.setStyleSheet(kExistingSheet);

    apply({&first, &second});
    QCOMPARE(first.styleSheet(), kExistingSheet + appended);
    QCOMPARE(second.styleSheet(), appended);
}

QTEST_MAIN(StyleSheetBuilderTest)
#include "tst_stylesheetbuilder.moc"
