#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// The title strip of the application's dialogs.
constexpr int kDialogStripHeight = 45;

// Moves a frameless window while the left button is held after a press in the
// strip at its top (local y from 0 to stripHeight): the window system moves it
// where it can, the window itself elsewhere. A child of the window that
// filters the window's own mouse events, those its children ignore included.
class TitleStripDrag : public QObject
{
public:
    TitleStripDrag(QWidget *window, int stripHeight);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Press(const QMouseEvent *event);
    bool StartSystemMove() const;
    void Move(const QMouseEvent *event);
    void Release(const QMouseEvent *event);

    QWidget *m_window;
    int m_stripHeight;
    bool m_dragging = false;
    QPoint m_anchor;
};
