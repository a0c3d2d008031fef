#pragma once

#include <QStyledItemDelegate>

// Draws the record table's cells without focus frames and the check box of
// column 0 through the application style; a left press in the check cell
// toggles the row's mark unless the delegate is locked.
class CheckBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CheckBoxDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

    // False locks the marks, for as long as the player plays.
    void SetCheckable(bool checkable);

private:
    bool m_checkable = true;
};
