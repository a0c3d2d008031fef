#pragma once

#include <QString>

class QTreeWidgetItem;

// The tree node number an item of the import-path tree carries.
int TreeNodeNumber(const QTreeWidgetItem *item);

// The full path of a tree item: the top-level text followed by the names on
// the way down, joined by "/". Empty for no item.
QString TreeItemPath(const QTreeWidgetItem *item);

// True when item is ancestor itself or lies below it.
bool IsWithinSubtree(const QTreeWidgetItem *item, const QTreeWidgetItem *ancestor);

// Removing an item reloads the list when the item last clicked belongs to the
// same import and is the removed item, lies above it or below it.
bool RemovalReloadsList(const QTreeWidgetItem *removed, const QTreeWidgetItem *lastClicked);
