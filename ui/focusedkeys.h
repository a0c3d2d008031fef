#pragma once

#include <QObject>

class QWidget;

// Whether the widget, having the focus, does something of its own with the
// unmodified key: paging keys step sliders, spin boxes (the date and time
// edits) and combo boxes; Space presses a button and opens a combo box; Left
// and Right step a slider, move between a spin box's fields, move the focus
// from a button and close and open a tree's branches; a combo box searches
// its items for a typed bracket. Line edits answer for their own keys; the
// record table, whose rows are chosen whole, keeps none of these.
bool WidgetUsesKey(const QWidget *widget, int key);

// Installed on a window: a window-wide shortcut gives way to the focused
// widget's own use of its key. The widget's shortcut-override request, which
// reaches the window when the widget does not answer it, is accepted for such
// a key, so the key goes to the widget instead of the shortcut.
class FocusedWidgetKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
