#pragma once

#include "tests/support/modalanswer.h"

class MainWindow;
class QTableView;
class QTreeWidgetItem;

// Drives the real main window as a person does, each step ending within
// kWaitMs or failing the running test; its path chooser hands paths in.

// Import (folder or file mode) through the import dialog; returns when done.
void ImportPath(MainWindow *window, const QString &path, bool folderMode = true);
// Export of the checked rows; chosen, if given, runs when the window asks for
// the folder, after it has looked at the checked recordings.
void ExportTo(MainWindow *window, const QString &folder, const std::function<void()> &chosen = {});
// Delete, its question answered with Delete.
void DeleteChecked(MainWindow *window);
// The row's Rename entry, the name typed over the field (unless null), Enter,
// then afterOk, and Cancel if the dialog is still open; returns the field's
// text as the dialog showed it.
QString RenameRow(MainWindow *window, int row, const QString &name,
                  const std::function<void()> &afterOk = {});
void ChooseSetting(MainWindow *window, const QStringList &path);
void ChooseRowMenuEntry(MainWindow *window, int row, const QString &entry);

QTreeWidgetItem *TopLevelItem(MainWindow *window, int index);
QStringList ChildTexts(const QTreeWidgetItem *item);
QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text);
// A left click on the item; a scan it starts has ended when this returns.
void ClickTreeItem(QTreeWidgetItem *item);
// The item's menu, Delete, and the question answered with Delete or Cancel.
void RemoveTreeItem(QTreeWidgetItem *item, bool confirm = true);
void ChooseTreeItemMenuEntry(QTreeWidgetItem *item, const QString &entry);

// A click (or a double click) on a cell of the record table; column 0 checks.
void ClickCell(MainWindow *window, int row, int column = 0, bool twice = false);
QStringList TableColumn(MainWindow *window, int column);
// The tooltip the table shows for a cell, after a hover over its middle.
QString CellToolTip(QTableView *table, int row, int column);
// The text property of a widget (a combo box's current text); a click on a
// push button.
QString WidgetText(MainWindow *window, const char *objectName);
void ClickButton(MainWindow *window, const char *objectName);
bool IsPlayingShown(MainWindow *window);
// Rows of SaveViewDisp in the working database, with an optional "where ...".
int DatabaseRowCount(const QString &condition = QString());
