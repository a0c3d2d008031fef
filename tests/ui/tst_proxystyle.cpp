#include "app/appresources.h"
#include "ui/proxystyle.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(QStyle::State)
Q_DECLARE_METATYPE(QStyle::PrimitiveElement)

namespace {

const QSize kCanvas(60, 40);
const QRect kIndicatorRect(4, 2, 50, 34);

QImage BlankCanvas()
{
    QImage image(kCanvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Render(const QStyle &style, QStyle::PrimitiveElement element, const QStyleOption *option)
{
    QImage image = BlankCanvas();
    QPainter painter(&image);
    style.drawPrimitive(element, option, &painter, nullptr);
    return image;
}

QStyleOptionViewItem Option(QStyle::State state)
{
    QStyleOptionViewItem option;
    option.rect = kIndicatorRect;
    option.state = state;
    return option;
}

QImage IconCentred(const QString &imagePath)
{
    QImage image = BlankCanvas();
    QPainter painter(&image);
    QIcon(imagePath).paint(&painter, kIndicatorRect, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    return image;
}

} // namespace

class ProxyStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void itemCheckIndicator_data();
    void itemCheckIndicator();
    void checkedAndUncheckedDiffer();
    void nullOptionDrawsNothing();
    void otherPrimitivesGoToBase_data();
    void otherPrimitivesGoToBase();

private:
    // Fusion underneath, so that a call handed to the base would leave marks.
    std::unique_ptr<ProxyStyle> m_style;
};

void ProxyStyleTest::initTestCase()
{
    RegisterResources();
    m_style = std::make_unique<ProxyStyle>(QStyleFactory::create("Fusion"));
}

void ProxyStyleTest::itemCheckIndicator_data()
{
    QTest::addColumn<QStyle::State>("state");
    QTest::addColumn<QString>("image");

    using S = QStyle;
    const QString unchecked = QStringLiteral(":/PicRes/CheckBox_unCheck.png");
    const QString checked = QStringLiteral(":/PicRes/CheckBox_Check.png");
    QTest::newRow("enabled off") << S::State(S::State_Enabled | S::State_Off) << unchecked;
    QTest::newRow("enabled on") << S::State(S::State_Enabled | S::State_On) << checked;
    QTest::newRow("off selected")
        << S::State(S::State_Enabled | S::State_Off | S::State_Selected) << QString();
    QTest::newRow("on selected")
        << S::State(S::State_Enabled | S::State_On | S::State_Selected) << QString();
    QTest::newRow("on has focus")
        << S::State(S::State_Enabled | S::State_On | S::State_HasFocus) << QString();
    QTest::newRow("off mouse over")
        << S::State(S::State_Enabled | S::State_Off | S::State_MouseOver) << QString();
    QTest::newRow("disabled off") << S::State(S::State_Off) << QString();
    QTest::newRow("disabled on") << S::State(S::State_On) << QString();
    QTest::newRow("partly checked")
        << S::State(S::State_Enabled | S::State_NoChange) << QString();
    QTest::newRow("enabled only") << S::State(S::State_Enabled) << QString();
}

void ProxyStyleTest::itemCheckIndicator()
{
    QFETCH(QStyle::State, state);
    QFETCH(QString, image);

    const QStyleOptionViewItem option = Option(state);
    const QImage drawn = Render(*m_style, QStyle::PE_IndicatorItemViewItemCheck, &option);
    if (image.isEmpty()) {
        QCOMPARE(drawn, BlankCanvas());
        return;
    }
    QVERIFY2(!QIcon(image).isNull(), qPrintable(image + " is not among the resources"));
    QVERIFY(drawn != BlankCanvas());
    QCOMPARE(drawn, IconCentred(image));
}

void ProxyStyleTest::checkedAndUncheckedDiffer()
{
    const QStyleOptionViewItem off = Option(QStyle::State_Enabled | QStyle::State_Off);
    const QStyleOptionViewItem on = Option(QStyle::State_Enabled | QStyle::State_On);
    QVERIFY(Render(*m_style, QStyle::PE_IndicatorItemViewItemCheck, &off)
            != Render(*m_style, QStyle::PE_IndicatorItemViewItemCheck, &on));
}

void ProxyStyleTest::nullOptionDrawsNothing()
{
    QCOMPARE(Render(*m_style, QStyle::PE_IndicatorItemViewItemCheck, nullptr), BlankCanvas());
}

void ProxyStyleTest::otherPrimitivesGoToBase_data()
{
    QTest::addColumn<QStyle::PrimitiveElement>("element");
    QTest::addColumn<QStyle::State>("state");

    using S = QStyle;
    QTest::newRow("plain check box")
        << S::PE_IndicatorCheckBox << S::State(S::State_Enabled | S::State_On);
    QTest::newRow("radio button")
        << S::PE_IndicatorRadioButton << S::State(S::State_Enabled | S::State_On);
    QTest::newRow("push button panel")
        << S::PE_PanelButtonCommand << S::State(S::State_Enabled | S::State_Raised);
}

void ProxyStyleTest::otherPrimitivesGoToBase()
{
    QFETCH(QStyle::PrimitiveElement, element);
    QFETCH(QStyle::State, state);

    const std::unique_ptr<QStyle> base(QStyleFactory::create("Fusion"));
    QStyleOptionButton option;
    option.rect = kIndicatorRect;
    option.state = state;
    const QImage expected = Render(*base, element, &option);
    QVERIFY(expected != BlankCanvas());
    QCOMPARE(Render(*m_style, element, &option), expected);
}

QTEST_MAIN(ProxyStyleTest)
#include "tst_proxystyle.moc"
