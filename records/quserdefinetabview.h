#pragma once

#include <QTableView>

class QFontMetrics;

// Whether the text, wrapped at word boundaries as the table draws it, fits
// in the cell with the item's text margins.
bool CellTextFits(const QString &text, const QFontMetrics &metrics, const QRect &cell);

// The record table: a double click plays a row only with the left button; a
// cell shows the model's tooltip, or, where it has none and its text does
// not fit, the whole text.
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
};
