#include "records/quserdefinetabview.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace {

constexpr int kTextMargin = 3; // on each side, as the item view style draws text

} // namespace

bool CellTextFits(const QString &text, const QFontMetrics &metrics, const QRect &cell)
{
    const QRect room = cell.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QRect needed = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QUserDefineTabView::QUserDefineTabView(QWidget *parent)
    : QTableView(parent)
{
}

void QUserDefineTabView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        QAbstractItemView::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
}

bool QUserDefineTabView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    ShowCellToolTip(static_cast<QHelpEvent *>(event));
    return true;
}

void QUserDefineTabView::ShowCellToolTip(const QHelpEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    const QString tip = index.data(Qt::ToolTipRole).toString();
    const QString text = index.data(Qt::DisplayRole).toString();
    if (tip.isEmpty() && (text.isEmpty() || CellTextFits(text, fontMetrics(), visualRect(index)))) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event->globalPos(), tip.isEmpty() ? text : tip, viewport(),
                       visualRect(index));
}
