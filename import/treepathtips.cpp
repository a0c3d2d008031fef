#include "import/treepathtips.h"

#include "import/treepaths.h"
#include "ui/applicationlook.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QTreeWidget>

TreePathToolTips::TreePathToolTips(QTreeWidget *tree)
    : QObject(tree)
    , m_tree(tree)
{
    tree->viewport()->installEventFilter(this);
}

bool TreePathToolTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto *hover = static_cast<QHelpEvent *>(event);
    QTreeWidgetItem *item = m_tree->itemAt(hover->pos());
    if (!item) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(hover->globalPos(), PlainToolTip(TreeItemPath(item)), m_tree->viewport(),
                       m_tree->visualItemRect(item));
    return true;
}
