#include "records/quserdefinetabview.h"

#include <QMouseEvent>

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
