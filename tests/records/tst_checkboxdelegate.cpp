#include "records/checkboxdelegate.h"
#include "records/tablemodel.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

// Records what the delegates ask the application style to draw.
class RecordingStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_IndicatorItemViewItemCheck) {
            indicatorStates.append(int(option->state));
            indicatorRects.append(option->rect);
            const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
            indicatorIconSizes.append(button ? button->iconSize : QSize());
        }
        if (element == PE_FrameFocusRect)
            ++focusFrames;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void Clear()
    {
        indicatorStates.clear();
        indicatorRects.clear();
        indicatorIconSizes.clear();
        focusFrames = 0;
    }

    mutable QList<int> indicatorStates;
    mutable QList<QRect> indicatorRects;
    mutable QList<QSize> indicatorIconSizes;
    mutable int focusFrames = 0;
};

const QRect kCell(0, 0, 25, 30);

QStyleOptionViewItem CellOption()
{
    QStyleOptionViewItem option;
    option.rect = kCell;
    option.state = QStyle::State_Enabled | QStyle::State_HasFocus;
    return option;
}

} // namespace

Q_DECLARE_METATYPE(QEvent::Type)

class TestCheckBoxDelegate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void editorEvent_data();
    void editorEvent();
    void lockedDelegateIgnoresPresses();
    void unlockedAgainToggles();
    void paint_data();
    void paint();
    void paintDrawsNoFocusFrame();

private:
    bool PressCheckCell(const QModelIndex &index);

    RecordingStyle *m_style = nullptr;
    TableModel m_model;
    CheckBoxDelegate m_delegate;
};

void TestCheckBoxDelegate::initTestCase()
{
    m_style = new RecordingStyle;
    QApplication::setStyle(m_style);
}

void TestCheckBoxDelegate::init()
{
    RecordRow unchecked;
    RecordRow checked;
    checked.checked = true;
    m_model.SetRows({unchecked, checked});
    m_delegate.SetCheckable(true);
    m_style->Clear();
}

bool TestCheckBoxDelegate::PressCheckCell(const QModelIndex &index)
{
    QMouseEvent press(QEvent::MouseButtonPress, kCell.center(), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    return m_delegate.editorEvent(&press, &m_model, CellOption(), index);
}

void TestCheckBoxDelegate::editorEvent_data()
{
    QTest::addColumn<QEvent::Type>("type");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("marked");

    const QPoint inside = kCell.center();
    const QPoint corner = kCell.bottomRight();
    const QPoint outside(kCell.right() + 5, kCell.center().y());
    const QEvent::Type press = QEvent::MouseButtonPress;
    QTest::newRow("left press checks") << press << int(Qt::LeftButton) << inside << 0 << 0 << true;
    QTest::newRow("left press unchecks") << press << int(Qt::LeftButton) << inside << 1 << 0 << false;
    QTest::newRow("press away from the box still toggles")
        << press << int(Qt::LeftButton) << corner << 0 << 0 << true;
    QTest::newRow("press outside the cell") << press << int(Qt::LeftButton) << outside << 0 << 0 << false;
    QTest::newRow("right press") << press << int(Qt::RightButton) << inside << 0 << 0 << false;
    QTest::newRow("release") << QEvent::MouseButtonRelease << int(Qt::LeftButton) << inside << 0 << 0
                             << false;
    QTest::newRow("double click") << QEvent::MouseButtonDblClick << int(Qt::LeftButton) << inside << 0
                                  << 0 << false;
    QTest::newRow("press in a text column") << press << int(Qt::LeftButton) << inside << 0 << 3 << false;
}

void TestCheckBoxDelegate::editorEvent()
{
    QFETCH(QEvent::Type, type);
    QFETCH(int, button);
    QFETCH(QPoint, position);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, marked);

    QMouseEvent event(type, position, Qt::MouseButton(button), Qt::MouseButton(button),
                      Qt::NoModifier);
    m_delegate.editorEvent(&event, &m_model, CellOption(), m_model.index(row, column));

    QCOMPARE(m_model.index(row, 0).data(Qt::UserRole).toBool(), marked);
}

void TestCheckBoxDelegate::lockedDelegateIgnoresPresses()
{
    QSignalSpy checkSpy(&m_model, &TableModel::CheckBoxChange_Signals);
    m_delegate.SetCheckable(false);
    QMouseEvent press(QEvent::MouseButtonPress, kCell.center(), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    press.setAccepted(false);

    QVERIFY(!m_delegate.editorEvent(&press, &m_model, CellOption(), m_model.index(0, 0)));

    QVERIFY(press.isAccepted());
    QCOMPARE(checkSpy.count(), 0);
    QVERIFY(!m_model.index(0, 0).data(Qt::UserRole).toBool());
}

void TestCheckBoxDelegate::unlockedAgainToggles()
{
    m_delegate.SetCheckable(false);
    m_delegate.SetCheckable(true);
    QSignalSpy checkSpy(&m_model, &TableModel::CheckBoxChange_Signals);

    PressCheckCell(m_model.index(0, 0));

    QCOMPARE(checkSpy.count(), 1);
    QCOMPARE(checkSpy.first(), (QVariantList{0, 1}));
}

void TestCheckBoxDelegate::paint_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QList<int>>("indicators");

    QTest::newRow("unchecked") << 0 << 0 << QList<int>{QStyle::State_Enabled | QStyle::State_Off};
    QTest::newRow("checked") << 1 << 0 << QList<int>{QStyle::State_Enabled | QStyle::State_On};
    QTest::newRow("text column") << 1 << 4 << QList<int>{};
}

void TestCheckBoxDelegate::paint()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QList<int>, indicators);

    QImage image(kCell.size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    m_delegate.paint(&painter, CellOption(), m_model.index(row, column));

    QCOMPARE(m_style->indicatorStates, indicators);
    for (int i = 0; i < indicators.size(); ++i) {
        QCOMPARE(m_style->indicatorRects.at(i), kCell);
        QCOMPARE(m_style->indicatorIconSizes.at(i), QSize(20, 20));
    }
}

void TestCheckBoxDelegate::paintDrawsNoFocusFrame()
{
    QImage image(kCell.size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    QStyledItemDelegate().paint(&painter, CellOption(), m_model.index(0, 2));
    QVERIFY2(m_style->focusFrames > 0, "the style draws focus frames of focused cells");
    m_style->Clear();

    m_delegate.paint(&painter, CellOption(), m_model.index(0, 2));

    QCOMPARE(m_style->focusFrames, 0);
}

QTEST_MAIN(TestCheckBoxDelegate)
#include "tst_checkboxdelegate.moc"
