#include "dialogtestkit.h"
#include "ui/titlestripdrag.h"

#include <QTest>
#include <QWidget>

namespace {

const QPoint kWindowStart(300, 200);

void Press(TitleStripDrag &drag, const QPointF &local, const QPointF &global,
           Qt::MouseButton button = Qt::LeftButton)
{
    const QMouseEvent event = MouseEvent(QEvent::MouseButtonPress, local, global, button, button);
    drag.Press(&event);
}

void Move(TitleStripDrag &drag, QWidget *window, const QPointF &global,
          Qt::MouseButtons buttons = Qt::LeftButton)
{
    const QMouseEvent event = MouseEvent(QEvent::MouseMove, QPointF(), global, Qt::NoButton,
                                         buttons);
    drag.Move(window, &event);
}

void Release(TitleStripDrag &drag, Qt::MouseButton button = Qt::LeftButton)
{
    const QMouseEvent event = MouseEvent(QEvent::MouseButtonRelease, QPointF(), QPointF(),
                                         button, Qt::NoButton);
    drag.Release(&event);
}

} // namespace

class TitleStripDragTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void press_data();
    void press();
    void moveFollowsTheMouse();
    void pressAnchorIsRounded();
    void moveWithoutLeftButtonKeepsTheAnchor();
    void moveWithoutPressDoesNothing();
    void release_data();
    void release();

private:
    QWidget m_window;
};

void TitleStripDragTest::init()
{
    m_window.move(kWindowStart);
}

void TitleStripDragTest::press_data()
{
    QTest::addColumn<int>("stripHeight");
    QTest::addColumn<qreal>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("drags");

    QTest::newRow("top edge") << 45 << 0.0 << int(Qt::LeftButton) << true;
    QTest::newRow("strip bottom") << 45 << 45.0 << int(Qt::LeftButton) << true;
    QTest::newRow("just below strip") << 45 << 46.0 << int(Qt::LeftButton) << false;
    QTest::newRow("rounds down to strip") << 45 << 45.49 << int(Qt::LeftButton) << true;
    QTest::newRow("rounds up past strip") << 45 << 45.5 << int(Qt::LeftButton) << false;
    QTest::newRow("taller strip bottom") << 50 << 50.0 << int(Qt::LeftButton) << true;
    QTest::newRow("taller strip below") << 50 << 51.0 << int(Qt::LeftButton) << false;
    QTest::newRow("empty strip at 0") << 0 << 0.0 << int(Qt::LeftButton) << true;
    QTest::newRow("empty strip at 1") << 0 << 1.0 << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << 45 << 10.0 << int(Qt::RightButton) << false;
    QTest::newRow("middle button") << 45 << 10.0 << int(Qt::MiddleButton) << false;
}

void TitleStripDragTest::press()
{
    QFETCH(int, stripHeight);
    QFETCH(qreal, y);
    QFETCH(int, button);
    QFETCH(bool, drags);

    TitleStripDrag drag(stripHeight);
    QCOMPARE(drag.StripHeight(), stripHeight);
    QVERIFY(!drag.IsDragging());
    Press(drag, QPointF(20, y), QPointF(500, 500), Qt::MouseButton(button));
    QCOMPARE(drag.IsDragging(), drags);

    Move(drag, &m_window, QPointF(510, 520));
    QCOMPARE(m_window.pos(), drags ? kWindowStart + QPoint(10, 20) : kWindowStart);
}

void TitleStripDragTest::moveFollowsTheMouse()
{
    TitleStripDrag drag(45);
    Press(drag, QPointF(20, 10), QPointF(500, 500));
    Move(drag, &m_window, QPointF(530, 510));
    QCOMPARE(m_window.pos(), kWindowStart + QPoint(30, 10));
    Move(drag, &m_window, QPointF(525, 540));
    QCOMPARE(m_window.pos(), kWindowStart + QPoint(25, 40));
}

void TitleStripDragTest::pressAnchorIsRounded()
{
    TitleStripDrag drag(45);
    Press(drag, QPointF(20, 10), QPointF(500.6, 500.4));
    Move(drag, &m_window, QPointF(511, 510));
    QCOMPARE(m_window.pos(), kWindowStart + QPoint(10, 10));
}

void TitleStripDragTest::moveWithoutLeftButtonKeepsTheAnchor()
{
    TitleStripDrag drag(45);
    Press(drag, QPointF(20, 10), QPointF(500, 500));
    Move(drag, &m_window, QPointF(600, 600), Qt::NoButton);
    QCOMPARE(m_window.pos(), kWindowStart);
    Move(drag, &m_window, QPointF(600, 600), Qt::RightButton);
    QCOMPARE(m_window.pos(), kWindowStart);
    Move(drag, &m_window, QPointF(510, 500));
    QCOMPARE(m_window.pos(), kWindowStart + QPoint(10, 0));
}

void TitleStripDragTest::moveWithoutPressDoesNothing()
{
    TitleStripDrag drag(45);
    Move(drag, &m_window, QPointF(510, 520));
    QCOMPARE(m_window.pos(), kWindowStart);
}

void TitleStripDragTest::release_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("stillDragging");

    QTest::newRow("left button ends the drag") << int(Qt::LeftButton) << false;
    QTest::newRow("right button does not") << int(Qt::RightButton) << true;
}

void TitleStripDragTest::release()
{
    QFETCH(int, button);
    QFETCH(bool, stillDragging);

    TitleStripDrag drag(45);
    Press(drag, QPointF(20, 10), QPointF(500, 500));
    Release(drag, Qt::MouseButton(button));
    QCOMPARE(drag.IsDragging(), stillDragging);

    Move(drag, &m_window, QPointF(510, 500));
    QCOMPARE(m_window.pos(), stillDragging ? kWindowStart + QPoint(10, 0) : kWindowStart);
}

QTEST_MAIN(TitleStripDragTest)
#include "tst_titlestripdrag.moc"
