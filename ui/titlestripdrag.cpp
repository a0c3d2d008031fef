#include "ui/titlestripdrag.h"

#include <QMouseEvent>
#include <QWidget>

TitleStripDrag::TitleStripDrag(int stripHeight)
    : m_stripHeight(stripHeight)
{
}

void TitleStripDrag::Press(const QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (qRound(event->localPos().y()) > m_stripHeight)
        return;
    m_dragging = true;
    m_anchor = event->globalPos();
}

void TitleStripDrag::Move(QWidget *window, const QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPos();
    window->move(window->pos() + (global - m_anchor));
    m_anchor = global;
}

void TitleStripDrag::Release(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}
