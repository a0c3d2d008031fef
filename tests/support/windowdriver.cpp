#include "tests/support/windowdriver.h"

#include "app/mainwindow.h"
#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <utility>

namespace {

template <typename Widget>
Widget *Child(QObject *parent, const char *name)
{
    return parent->findChild<Widget *>(QLatin1String(name));
}

QTreeWidget *Tree(MainWindow *window)
{
    return Child<QTreeWidget>(window, "treeWidget");
}

QTableView *Table(MainWindow *window)
{
    return Child<QTableView>(window, "tableView");
}

PathChooser HandingBack(const QString &path)
{
    return [path](QWidget *, const QString &, PathKind) { return path; };
}

// A point on the item's text; long paths run past the narrow tree's edge.
QPoint PointOnItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    return QPoint(rect.left() + 8, rect.center().y());
}

QPoint CellCenter(MainWindow *window, int row, int column)
{
    return Table(window)->visualRect(Table(window)->model()->index(row, column)).center();
}

} // namespace

void ImportPath(MainWindow *window, const QString &path, bool folderMode)
{
    window->SetPathChooser(HandingBack(path));
    AnswerModal("ImportRecordFile", [folderMode](QDialog *dialog) {
        if (!folderMode)
            Child<QRadioButton>(dialog, "rbtn_SelectFile")->click();
        Child<QPushButton>(dialog, folderMode ? "pbtn_folder" : "pbtn_file")->click();
        Child<QPushButton>(dialog, "pbtn_OK")->click();
    });
    ClickButton(window, QStringLiteral("pbtn_ImportFile"));
}

void ExportTo(MainWindow *window, const QString &folder, const std::function<void()> &chosen)
{
    window->SetPathChooser([folder, chosen](QWidget *, const QString &, PathKind) {
        if (chosen)
            chosen();
        return folder;
    });
    ClickButton(window, QStringLiteral("pbtn_AddToFolder"));
}

QTreeWidgetItem *TopLevelItem(MainWindow *window, int index)
{
    return Tree(window)->topLevelItem(index);
}

QStringList ChildTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text)
{
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    return nullptr;
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
    AnswerConfirmation(confirm);
    ChoosePopupPath({QStringLiteral("Delete")});
    emit tree->customContextMenuRequested(pos);
}

void AnswerConfirmation(bool confirm)
{
    AnswerModal("MessageTip", [confirm](QDialog *dialog) {
        Child<QPushButton>(dialog, confirm ? "pbtn_OK" : "pbtn_Cancel")->click();
    });
}

void ChoosePopupPath(const QStringList &path)
{
    auto step = std::make_shared<int>(0);
    auto opened = std::make_shared<QMenu *>(nullptr);
    PollUntil([path, step, opened] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || menu == *opened)
            return false;
        *opened = menu;
        for (QAction *action : menu->actions())
            if (action->text() == path.at(*step))
                menu->setActiveAction(action);
        const bool last = ++*step == path.size();
        QTest::keyClick(menu, last ? Qt::Key_Return : Qt::Key_Right);
        return last;
    });
}

void ChooseRowMenuEntry(MainWindow *window, int row, const QString &entry)
{
    Table(window)->setCurrentIndex(Table(window)->model()->index(row, 2));
    ChoosePopupPath({entry});
    emit Table(window)->customContextMenuRequested(CellCenter(window, row, 2));
}

void ClickCheckCell(MainWindow *window, int row)
{
    QTest::mouseClick(Table(window)->viewport(), Qt::LeftButton, Qt::NoModifier,
                      CellCenter(window, row, 0));
}

// A person's double click: a click, then the second press as a double click.
void DoubleClickRow(MainWindow *window, int row)
{
    QWidget *viewport = Table(window)->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, CellCenter(window, row, 2));
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, CellCenter(window, row, 2));
}

QStringList TableColumn(MainWindow *window, int column)
{
    QStringList texts;
    for (int row = 0; row < Table(window)->model()->rowCount(); ++row)
        texts << Table(window)->model()->index(row, column).data().toString();
    return texts;
}

QStringList TableRow(MainWindow *window, int row)
{
    QStringList texts;
    for (int column = 1; column < Table(window)->model()->columnCount(); ++column)
        texts << Table(window)->model()->index(row, column).data().toString();
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

bool IsPlayingShown(MainWindow *window)
{
    return Child<QPushButton>(window, "pbtn_PlayorPause")->styleSheet().contains("SoundPause");
}

int DatabaseRowCount(const QString &condition)
{
    QSqlQuery query(QStringLiteral("select count(*) from SaveViewDisp ") + condition);
    return query.next() ? query.value(0).toInt() : -1;
}

MessageLog::MessageLog()
{
    qApp->installEventFilter(this);
}

MessageLog::~MessageLog()
{
    qApp->removeEventFilter(this);
}

QStringList MessageLog::Take()
{
    return std::exchange(m_texts, {});
}

bool MessageLog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->inherits("MsgTipWidthSingleBtn")) {
        m_texts << Child<QLabel>(watched, "label_MsgWithSingleBtnWndText")->text();
        QTimer::singleShot(0, Child<QPushButton>(watched, "pbtn_MsgWndWithSingleBtnRes"),
                           &QPushButton::click);
    }
    return false;
}
