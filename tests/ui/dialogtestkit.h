#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

// What a test does to the modal dialog once its exec() is running.
using DialogAnswer = std::function<void(QDialog *)>;

// Result given to a modal dialog that was still open when the answer timed out.
constexpr int kUnanswered = -100;

DialogAnswer ClickChild(const QString &objectName);
DialogAnswer PressEscape();
DialogAnswer CloseWindow();
DialogAnswer InvokeSlot(const char *slot);

// Runs a call that shows a modal dialog (exec(), ShowTip, ...), applies the
// answer to the modal dialog once its event loop runs and returns the call's
// result; kUnanswered when the dialog did not close within a few seconds.
int RunAnswered(const std::function<int()> &showModal, const DialogAnswer &answer);

QMouseEvent MouseEvent(QEvent::Type type, const QPointF &local, const QPointF &global,
                       Qt::MouseButton button, Qt::MouseButtons buttons);

// Presses at the local point with the button, moves the mouse by delta with
// the buttons held and releases; returns how far the window moved.
QPoint DragBy(QWidget *window, const QPointF &localPress, Qt::MouseButton button,
              Qt::MouseButtons heldWhileMoving, const QPoint &delta);
