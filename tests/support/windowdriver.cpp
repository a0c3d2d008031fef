#include "tests/support/windowdriver.h"

#include "app/mainwindow.h"
#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

QTreeWidget *Tree(MainWindow *window)
{
    return window->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
}

template <typename Widget>
Widget *Child(QObject *parent, const char *name)
{
    return parent->findChild<Widget *>(QLatin1String(name));
}

// Chooses an entry of the popup menu that the next action opens.
void ChooseMenuEntry(int index)
{
    auto *poll = new QTimer(qApp);
    const QDeadlineTimer deadline(5000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, index, deadline] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) {
            if (deadline.hasExpired()) {
                poll->stop();
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        menu->setActiveAction(menu->actions().value(index));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll->start(10);
}

} // namespace

void ImportPath(MainWindow *window, const QString &path, bool folderMode)
{
    AnswerModal("ImportRecordFile", [path, folderMode](QDialog *dialog) {
        if (!folderMode)
            Child<QRadioButton>(dialog, "rbtn_SelectFile")->click();
        Child<QLineEdit>(dialog, folderMode ? "edit_FolderPath" : "edit_FilePath")->setText(path);
        Child<QPushButton>(dialog, "pbtn_OK")->click();
    });
    ClickButton(window, QStringLiteral("pbtn_ImportFile"));
}

QTreeWidgetItem *TopLevelItem(MainWindow *window, int index)
{
    return Tree(window)->topLevelItem(index);
}

QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text)
{
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    return nullptr;
}

// A point on the item's text; long paths run past the narrow tree's edge.
QPoint PointOnItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    return QPoint(rect.left() + 8, rect.center().y());
}

void ClickTreeItem(MainWindow *window, QTreeWidgetItem *item)
{
    QTreeWidget *tree = Tree(window);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, PointOnItem(tree, item));
}

void RemoveTreeItem(MainWindow *window, QTreeWidgetItem *item, bool confirm)
{
    QTreeWidget *tree = Tree(window);
    const QPoint pos = PointOnItem(tree, item);
    AnswerModal("MessageTip", [confirm](QDialog *dialog) {
        Child<QPushButton>(dialog, confirm ? "pbtn_OK" : "pbtn_Cancel")->click();
    });
    ChooseMenuEntry(0);
    emit tree->customContextMenuRequested(pos);
}

void ChooseRowMenuEntry(MainWindow *window, int row, int entry)
{
    auto *table = Child<QTableView>(window, "tableView");
    table->setCurrentIndex(table->model()->index(row, 2));
    const QRect cell = table->visualRect(table->model()->index(row, 2));
    ChooseMenuEntry(entry);
    emit table->customContextMenuRequested(cell.center());
}

void ClickCheckCell(MainWindow *window, int row)
{
    auto *table = Child<QTableView>(window, "tableView");
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

QStringList TableColumn(MainWindow *window, int column)
{
    auto *table = Child<QTableView>(window, "tableView");
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts << table->model()->index(row, column).data().toString();
    return texts;
}

QString WidgetText(MainWindow *window, const QString &objectName)
{
    return window->findChild<QWidget *>(objectName)->property("text").toString();
}

void ClickButton(MainWindow *window, const QString &objectName)
{
    auto *button = window->findChild<QPushButton *>(objectName);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void ExpectMessage(QString *text)
{
    AnswerModal("MsgTipWidthSingleBtn", [text](QDialog *dialog) {
        *text = Child<QLabel>(dialog, "label_MsgWithSingleBtnWndText")->text();
        Child<QPushButton>(dialog, "pbtn_MsgWndWithSingleBtnRes")->click();
    });
}

int DatabaseRowCount(const QString &condition)
{
    QSqlQuery query(QStringLiteral("select count(*) from SaveViewDisp ") + condition);
    return query.next() ? query.value(0).toInt() : -1;
}
