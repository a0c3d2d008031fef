#pragma once

#include <QTableView>

// The record table: a double click plays a row only with the left button;
// each cell keeps one line, cut in the middle where it is too narrow; a cell
// shows the model's tooltip, or, where it has none and its text is cut, the
// whole text.
class QUserDefineTabView : public QTableView
{
    Q_OBJECT

public:
    explicit QUserDefineTabView(QWidget *parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void ShowCellToolTip(const QHelpEvent *event);
    bool IsCut(const QModelIndex &index) const;
};
