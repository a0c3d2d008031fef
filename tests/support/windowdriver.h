#pragma once

#include <QString>
#include <QStringList>

class MainWindow;
class QTreeWidgetItem;
class QWidget;

// Drives the real main window the way a person does: through its buttons,
// its tree, its table and the dialogs they open (answered from a timer).

// Imports a folder (folderMode) or a file through the Import button and the
// import dialog; returns when the import, with its tree job, has ended.
void ImportPath(MainWindow *window, const QString &path, bool folderMode = true);

// The top-level tree item at index, or the item found by its text below it.
QTreeWidgetItem *TopLevelItem(MainWindow *window, int index);
QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text);

// A left click on the item; a scan it starts has ended when this returns.
void ClickTreeItem(MainWindow *window, QTreeWidgetItem *item);

// Opens the tree's context menu on the item, chooses Delete and answers the
// confirmation with its Delete button (confirm) or Cancel.
void RemoveTreeItem(MainWindow *window, QTreeWidgetItem *item, bool confirm = true);

// Makes the row current, opens the row menu over it and chooses an entry
// (0 "Play", 1 "ReName").
void ChooseRowMenuEntry(MainWindow *window, int row, int entry);

// A left click in the check cell of the row.
void ClickCheckCell(MainWindow *window, int row);

// The texts of one column of the record table, top to bottom.
QStringList TableColumn(MainWindow *window, int column);

// Text of a widget of the main window by object name (labels, line edits,
// buttons).
QString WidgetText(MainWindow *window, const QString &objectName);

// A left click in the middle of a push button of the main window, by object
// name.
void ClickButton(MainWindow *window, const QString &objectName);

// The single-button message shown by the next action, answered with its
// button; the message text is returned through text.
void ExpectMessage(QString *text);

// Number of rows of SaveViewDisp in the window's working database.
int DatabaseRowCount(const QString &condition = QString());
