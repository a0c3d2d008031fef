#include "ui/titlestripdrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

TitleStripDrag::TitleStripDrag(QWidget *window, int stripHeight)
    : QObject(window)
    , m_window(window)
    , m_stripHeight(stripHeight)
{
    window->installEventFilter(this);
}

// The window's mouse events end here, accepted, as in handlers of its own. A
// disabled window gets none: QWidget::event drops them before its handlers.
bool TitleStripDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (m_window->isEnabled()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: // QWidget::mouseDoubleClickEvent presses
            Press(static_cast<QMouseEvent *>(event));
            return true;
        case QEvent::MouseMove:
            Move(static_cast<QMouseEvent *>(event));
            return true;
        case QEvent::MouseButtonRelease:
            Release(static_cast<QMouseEvent *>(event));
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TitleStripDrag::Press(const QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (qRound(event->localPos().y()) > m_stripHeight)
        return;
    if (StartSystemMove())
        return;
    m_dragging = true;
    m_anchor = event->globalPos();
}

// On Wayland only the compositor can move a window. Where the platform cannot
// (X11 without a window manager, offscreen) the window moves itself.
bool TitleStripDrag::StartSystemMove() const
{
    QWindow *handle = m_window->windowHandle();
    return handle && handle->startSystemMove();
}

void TitleStripDrag::Move(const QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPos();
    m_window->move(m_window->pos() + (global - m_anchor));
    m_anchor = global;
}

void TitleStripDrag::Release(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}
