#include "tests/support/windowdriver.h"

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

namespace {

template <typename Widget = QWidget>
Widget *Child(QObject *parent, const char *name) { return parent->findChild<Widget *>(QLatin1String(name)); }

// A point on the item's text in the tree's viewport; long paths run past the
// narrow tree's edge.
QPoint PointOnItem(QTreeWidgetItem *item)
{
    item->treeWidget()->scrollToItem(item);
    const QRect rect = item->treeWidget()->visualItemRect(item);
    return QPoint(rect.left() + 8, rect.center().y());
}

void Click(QWidget *widget, const char *name) { Child<QAbstractButton>(widget, name)->click(); }

} // namespace

void ImportPath(MainWindow *window, const QString &path, bool folderMode)
{
    window->SetPathChooser([path](QWidget *, const QString &, PathKind) { return path; });
    AnswerModal("ImportRecordFile", [folderMode](QDialog *dialog) {
        Click(dialog, folderMode ? "rbtn_SelectFolder" : "rbtn_SelectFile");
        Click(dialog, folderMode ? "pbtn_folder" : "pbtn_file");
        Click(dialog, "pbtn_OK");
    }, [window] { ClickButton(window, "pbtn_ImportFile"); });
}

void ExportTo(MainWindow *window, const QString &folder, const std::function<void()> &chosen)
{
    window->SetPathChooser([folder, chosen](QWidget *, const QString &, PathKind) {
        if (chosen)
            chosen();
        return folder;
    });
    ClickButton(window, "pbtn_AddToFolder");
}

void DeleteChecked(MainWindow *window)
{
    AnswerModal("MessageTip", [](QDialog *dialog) { Click(dialog, "pbtn_OK"); },
                [window] { ClickButton(window, "pbtn_Del"); });
}

QString RenameRow(MainWindow *window, int row, const QString &name,
                  const std::function<void()> &afterOk)
{
    QString shown;
    AnswerModal("RenameDialog", [&](QDialog *dialog) {
        auto *field = Child<QLineEdit>(dialog, "ledt_Rename");
        shown = field->text();
        // The field opens focused with the name selected; Enter presses Yes.
        QCOMPARE(dialog->focusWidget(), field);
        QCOMPARE(field->selectedText(), shown);
        if (!name.isNull())
            QTest::keyClicks(field, name);
        QTest::keyClick(field, Qt::Key_Return);
        if (afterOk)
            afterOk();
        if (dialog->isVisible())
            Click(dialog, "pbtn_Cancel");
    }, [&] { ChooseRowMenuEntry(window, row, QStringLiteral("Rename")); });
    return shown;
}

void ChooseSetting(MainWindow *window, const QStringList &path)
{
    ChooseFromMenu(path, [window] { ClickButton(window, "pbtn_Setting"); });
}

void ChooseRowMenuEntry(MainWindow *window, int row, const QString &entry)
{
    auto *table = Child<QTableView>(window, "tableView");
    const QModelIndex index = table->model()->index(row, 2);
    table->setCurrentIndex(index);
    ChooseFromMenu({entry}, [table, index] { emit table->customContextMenuRequested(table->visualRect(index).center()); });
}

QTreeWidgetItem *TopLevelItem(MainWindow *window, int index)
{
    return Child<QTreeWidget>(window, "treeWidget")->topLevelItem(index);
}

QStringList ChildTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text)
{
    const int index = ChildTexts(parent).indexOf(text);
    return index < 0 ? nullptr : parent->child(index);
}

void ClickTreeItem(QTreeWidgetItem *item)
{
    if (!item)
        return QTest::qFail("no such tree item", __FILE__, __LINE__);
    QTest::mouseClick(item->treeWidget()->viewport(), Qt::LeftButton, Qt::NoModifier, PointOnItem(item));
}

void RemoveTreeItem(QTreeWidgetItem *item, bool confirm)
{
    if (!item)
        return QTest::qFail("no such tree item", __FILE__, __LINE__);
    AnswerModal("MessageTip", [confirm](QDialog *dialog) { Click(dialog, confirm ? "pbtn_OK" : "pbtn_Cancel"); },
                [item] { ChooseTreeItemMenuEntry(item, "Delete"); });
}

void ChooseTreeItemMenuEntry(QTreeWidgetItem *item, const QString &entry)
{
    const QPoint pos = PointOnItem(item);
    ChooseFromMenu({entry}, [item, pos] { emit item->treeWidget()->customContextMenuRequested(pos); });
}

void ClickCell(MainWindow *window, int row, int column, bool twice)
{
    auto *table = Child<QTableView>(window, "tableView");
    const QPoint center = table->visualRect(table->model()->index(row, column)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, center);
    if (twice) // the second press of a person's double click
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, center);
}

QStringList TableColumn(MainWindow *window, int column)
{
    const QAbstractItemModel *model = Child<QTableView>(window, "tableView")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QString CellToolTip(QTableView *table, int row, int column)
{
    QToolTip::hideText();
    const QPoint middle = table->visualRect(table->model()->index(row, column)).center();
    QHelpEvent hover(QEvent::ToolTip, middle, table->viewport()->mapToGlobal(middle));
    QCoreApplication::sendEvent(table->viewport(), &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString WidgetText(MainWindow *window, const char *objectName)
{
    const QWidget *widget = Child(window, objectName);
    const QVariant text = widget->property("text");
    return (text.isValid() ? text : widget->property("currentText")).toString();
}

void ClickButton(MainWindow *window, const char *objectName)
{
    auto *button = Child(window, objectName);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

bool IsPlayingShown(MainWindow *window)
{
    return Child(window, "pbtn_PlayorPause")->styleSheet().contains("SoundPause");
}

int DatabaseRowCount(const QString &condition)
{
    QSqlQuery query(QStringLiteral("select count(*) from SaveViewDisp ") + condition);
    return query.next() ? query.value(0).toInt() : -1;
}
