#include "ui/focusedkeys.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTreeView>

bool WidgetUsesKey(const QWidget *widget, int key)
{
    if (!widget || !widget->isEnabled())
        return false;
    const bool combo = qobject_cast<const QComboBox *>(widget);
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return combo || qobject_cast<const QAbstractSlider *>(widget)
               || qobject_cast<const QAbstractSpinBox *>(widget);
    case Qt::Key_Space:
        return combo || qobject_cast<const QAbstractButton *>(widget);
    case Qt::Key_Left:
    case Qt::Key_Right:
        return qobject_cast<const QAbstractSlider *>(widget)
               || qobject_cast<const QAbstractSpinBox *>(widget)
               || qobject_cast<const QAbstractButton *>(widget)
               || qobject_cast<const QTreeView *>(widget);
    case Qt::Key_BracketLeft:
    case Qt::Key_BracketRight:
        return combo;
    default:
        return false;
    }
}

bool FocusedWidgetKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier
            && WidgetUsesKey(QApplication::focusWidget(), key->key())) {
            key->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
