#pragma once

#include <QTableView>

// The record table: a double click plays a row only with the left button.
class QUserDefineTabView : public QTableView
{
    Q_OBJECT

public:
    explicit QUserDefineTabView(QWidget *parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
