#pragma once

#include <QObject>

class QTreeWidget;

// A hover over any item of the import-path tree shows the item's whole path,
// which the tree may show cut in the middle, or, below an import, only as
// the last folder's name.
class TreePathToolTips : public QObject
{
    Q_OBJECT

public:
    explicit TreePathToolTips(QTreeWidget *tree);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidget *m_tree;
};
