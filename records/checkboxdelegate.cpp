#include "records/checkboxdelegate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleOptionButton>

namespace {

constexpr int kCheckColumn = 0;
constexpr int kIndicatorSize = 20;

bool IsMarked(const QModelIndex &index)
{
    return index.data(Qt::UserRole).toBool();
}

bool IsLeftPressInCell(const QEvent *event, const QStyleOptionViewItem &option)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto *press = static_cast<const QMouseEvent *>(event);
    return press->button() == Qt::LeftButton && option.rect.contains(press->pos());
}

} // namespace

CheckBoxDelegate::CheckBoxDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void CheckBoxDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    cell.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, cell, index);

    if (index.column() != kCheckColumn)
        return;
    QStyleOptionButton indicator;
    indicator.iconSize = QSize(kIndicatorSize, kIndicatorSize);
    indicator.state = QStyle::State_Enabled | (IsMarked(index) ? QStyle::State_On : QStyle::State_Off);
    indicator.rect = option.rect;
    QApplication::style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &indicator, painter);
}

bool CheckBoxDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                   const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (!m_checkable) {
        event->accept();
        return false;
    }
    if (index.column() == kCheckColumn && IsLeftPressInCell(event, option))
        model->setData(index, !IsMarked(index), Qt::UserRole);
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void CheckBoxDelegate::SetCheckable(bool checkable)
{
    m_checkable = checkable;
}
