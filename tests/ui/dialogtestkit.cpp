#include "dialogtestkit.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kAnswerTimeoutMs = 5000;

QDialog *ModalDialog()
{
    return qobject_cast<QDialog *>(QApplication::activeModalWidget());
}

void SendMouse(QWidget *window, QEvent::Type type, const QPointF &local,
               Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event = MouseEvent(type, local, window->mapToGlobal(local.toPoint()), button,
                                   buttons);
    QApplication::sendEvent(window, &event);
}

} // namespace

DialogAnswer ClickChild(const QString &objectName)
{
    return [objectName](QDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(objectName), Qt::LeftButton);
    };
}

DialogAnswer PressEscape()
{
    return [](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); };
}

DialogAnswer CloseWindow()
{
    return [](QDialog *dialog) { dialog->close(); };
}

DialogAnswer InvokeSlot(const char *slot)
{
    return [slot](QDialog *dialog) { QMetaObject::invokeMethod(dialog, slot); };
}

int RunAnswered(const std::function<int()> &showModal, const DialogAnswer &answer)
{
    QTimer::singleShot(0, [answer] {
        if (QDialog *dialog = ModalDialog())
            answer(dialog);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QDialog *dialog = ModalDialog())
            dialog->done(kUnanswered);
    });
    watchdog.start(kAnswerTimeoutMs);
    return showModal();
}

QMouseEvent MouseEvent(QEvent::Type type, const QPointF &local, const QPointF &global,
                       Qt::MouseButton button, Qt::MouseButtons buttons)
{
    return QMouseEvent(type, local, local, global, button, buttons, Qt::NoModifier);
}

QPoint DragBy(QWidget *window, const QPointF &localPress, Qt::MouseButton button,
              Qt::MouseButtons heldWhileMoving, const QPoint &delta)
{
    const QPoint start = window->pos();
    SendMouse(window, QEvent::MouseButtonPress, localPress, button, button);
    SendMouse(window, QEvent::MouseMove, localPress + delta, Qt::NoButton, heldWhileMoving);
    SendMouse(window, QEvent::MouseButtonRelease, localPress + delta, button, Qt::NoButton);
    return window->pos() - start;
}
