#pragma once

#include "tests/support/modalanswer.h"

#include <QString>
#include <QStringList>

#include <functional>

class MainWindow;
class QTreeWidgetItem;

// Drives the real main window the way a person does: through its buttons,
// tree, table, menus and the dialogs they open. The file dialogs are left
// out: the window's path chooser hands the path in. Every step ends within
// 10 s or fails the running test (see modalanswer.h).

// Imports a folder (folderMode) or a file through the Import button, the
// import dialog and its browse button; returns when the import has ended.
void ImportPath(MainWindow *window, const QString &path, bool folderMode = true);
// Exports the checked rows into folder; chosen, if given, runs when the
// window asks for the folder, after it has looked at the checked recordings.
void ExportTo(MainWindow *window, const QString &folder, const std::function<void()> &chosen = {});
// Delete, its question answered with Delete.
void DeleteChecked(MainWindow *window);
// The row's Rename entry; the name typed over the field (unless null) and
// OK; then afterOk, and Cancel if the dialog is still open. The field's text
// as the dialog showed it.
QString RenameRow(MainWindow *window, int row, const QString &name,
                  const std::function<void()> &afterOk = {});
// The entries of the Settings menu, or of a row's menu.
void ChooseSetting(MainWindow *window, const QStringList &path);
void ChooseRowMenuEntry(MainWindow *window, int row, const QString &entry);

QTreeWidgetItem *TopLevelItem(MainWindow *window, int index);
QStringList ChildTexts(const QTreeWidgetItem *item);
QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text);
// A left click on the item; a scan it starts has ended when this returns.
void ClickTreeItem(MainWindow *window, QTreeWidgetItem *item);
// The item's context menu, Delete, and the question answered with Delete
// (confirm) or Cancel.
void RemoveTreeItem(MainWindow *window, QTreeWidgetItem *item, bool confirm = true);

void ClickCheckCell(MainWindow *window, int row);
void DoubleClickRow(MainWindow *window, int row);
// The texts of one column of the record table, top to bottom.
QStringList TableColumn(MainWindow *window, int column);
// The text property of a widget of the main window, by object name.
QString WidgetText(MainWindow *window, const char *objectName);
// A left click in the middle of a push button of the main window.
void ClickButton(MainWindow *window, const char *objectName);
bool IsPlayingShown(MainWindow *window);
// Rows of SaveViewDisp in the working database, with an optional "where ...".
int DatabaseRowCount(const QString &condition = QString());
