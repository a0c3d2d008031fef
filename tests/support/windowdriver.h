#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class MainWindow;
class QTreeWidgetItem;

// Drives the real main window the way a person does: through its buttons,
// its tree, its table and the dialogs they open (answered from a timer).
// The file dialogs are left out: the window's path chooser hands the path in.

// Imports a folder (folderMode) or a file through the Import button, the
// import dialog and its browse button; returns when the import has ended.
void ImportPath(MainWindow *window, const QString &path, bool folderMode = true);
// Exports the checked rows into folder through the Export button; chosen,
// if given, runs when the window asks for the folder, after it has looked at
// the checked recordings.
void ExportTo(MainWindow *window, const QString &folder,
              const std::function<void()> &chosen = {});

QTreeWidgetItem *TopLevelItem(MainWindow *window, int index);
QStringList ChildTexts(const QTreeWidgetItem *item);
QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text);
// A left click on the item; a scan it starts has ended when this returns.
void ClickTreeItem(MainWindow *window, QTreeWidgetItem *item);
// The item's context menu, Delete, and the confirmation answered with its
// Delete button (confirm) or Cancel.
void RemoveTreeItem(MainWindow *window, QTreeWidgetItem *item, bool confirm = true);

// Answers the next two-button question with its first button (confirm) or Cancel.
void AnswerConfirmation(bool confirm = true);
// Walks the popup menus that the next action opens: the entries named by
// path, each opening the next menu, the last one chosen with Return.
void ChoosePopupPath(const QStringList &path);
// Makes the row current and chooses the entry of the row menu over it.
void ChooseRowMenuEntry(MainWindow *window, int row, const QString &entry);

void ClickCheckCell(MainWindow *window, int row);
void DoubleClickRow(MainWindow *window, int row);
// The texts of one column of the record table, top to bottom.
QStringList TableColumn(MainWindow *window, int column);
// The texts of one row of the record table, from its number on.
QStringList TableRow(MainWindow *window, int row);
// The text property of a widget of the main window, by object name.
QString WidgetText(MainWindow *window, const QString &objectName);
// A left click in the middle of a push button of the main window.
void ClickButton(MainWindow *window, const QString &objectName);
bool IsPlayingShown(MainWindow *window);

// Rows of SaveViewDisp in the working database, with an optional "where ...".
int DatabaseRowCount(const QString &condition = QString());

// Notes the text of every one-button message shown while it lives, in
// order, and answers each with its button.
class MessageLog : public QObject
{
public:
    MessageLog();
    ~MessageLog() override;
    // The texts noted since the last call.
    QStringList Take();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_texts;
};
