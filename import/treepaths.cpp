#include "import/treepaths.h"

#include <QTreeWidgetItem>

int TreeNodeNumber(const QTreeWidgetItem *item)
{
    return item->data(0, Qt::UserRole).toInt();
}

QString TreeItemPath(const QTreeWidgetItem *item)
{
    if (!item)
        return QString();
    QString path = item->text(0);
    for (const QTreeWidgetItem *ancestor = item->parent(); ancestor; ancestor = ancestor->parent())
        path.prepend(ancestor->text(0) + QLatin1Char('/'));
    return path;
}

bool IsWithinSubtree(const QTreeWidgetItem *item, const QTreeWidgetItem *ancestor)
{
    for (const QTreeWidgetItem *step = item; step; step = step->parent())
        if (step == ancestor)
            return true;
    return false;
}

bool RemovalReloadsList(const QTreeWidgetItem *removed, const QTreeWidgetItem *lastClicked)
{
    if (!removed || !lastClicked)
        return false;
    if (TreeNodeNumber(removed) != TreeNodeNumber(lastClicked))
        return false;
    return IsWithinSubtree(lastClicked, removed) || IsWithinSubtree(removed, lastClicked);
}
