#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// Moves a frameless window while the left button is held after a press in the
// strip at its top (local y from 0 to stripHeight).
class TitleStripDrag
{
public:
    explicit TitleStripDrag(int stripHeight);

    void Press(const QMouseEvent *event);
    void Move(QWidget *window, const QMouseEvent *event);
    void Release(const QMouseEvent *event);

    bool IsDragging() const { return m_dragging; }
    int StripHeight() const { return m_stripHeight; }

private:
    int m_stripHeight;
    bool m_dragging = false;
    QPoint m_anchor;
};
