#include "records/quserdefinetabview.h"

#include "records/celltext.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

QUserDefineTabView::QUserDefineTabView(QWidget *parent)
    : QTableView(parent)
{
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
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
    if (tip.isEmpty() && (text.isEmpty() || !IsCut(index))) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event->globalPos(), tip.isEmpty() ? text : tip, viewport(),
                       visualRect(index));
}

bool QUserDefineTabView::IsCut(const QModelIndex &index) const
{
    const QVariant font = index.data(Qt::FontRole);
    const QFontMetricsF metrics(font.isValid() ? font.value<QFont>().resolve(this->font()) : this->font());
    return !TextFitsColumn(index.data(Qt::DisplayRole).toString(), metrics, CellTextRoom(this),
                           columnWidth(index.column()));
}
