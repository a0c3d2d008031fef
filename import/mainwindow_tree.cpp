// The import-path tree of the main window: importing folders and files,
// loading an item's recordings and removing items.

#include "app/mainwindow.h"
#include "import/importrecordfile.h"
#include "import/operathread.h"
#include "import/treepaths.h"
#include "import/treepathtips.h"
#include "records/visiblename.h"
#include "store/schema.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui_mainwindow.h"

#include <QCursor>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QSqlQuery>

void MainWindow::InitTreeAndThread()
{
    // Paths keep to the tree's width, cut in the middle, whole in their tooltips.
    ui->treeWidget->header()->setSectionResizeMode(QHeaderView::Stretch);
    ui->treeWidget->setTextElideMode(Qt::ElideMiddle);
    new TreePathToolTips(ui->treeWidget);
    m_worker = new OperaThread;
    connect(m_worker, &OperaThread::UpdataTree, this, &MainWindow::TreeViewUpdata);
    connect(m_worker, &OperaThread::EndFindWav, this, &MainWindow::FindOverAndDisplayToTable);
    connect(this, &MainWindow::CloseTipDlg_signals, &m_tipDlg, &TipDlg::Close_slots);

    m_treeMenu = new QMenu;
    m_deleteTreeAction = new QAction(tr("Delete"), this);
    m_refreshTreeAction = new QAction(tr("Refresh"), this);
    m_treeMenu->addAction(m_refreshTreeAction);
    m_treeMenu->addAction(m_deleteTreeAction);
    ui->treeWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->treeWidget, &QTreeWidget::customContextMenuRequested, this,
            &MainWindow::TreeClick_rightMenu);
    connect(m_deleteTreeAction, &QAction::triggered, this, &MainWindow::RightMenuToDelTreeItem);
    connect(m_refreshTreeAction, &QAction::triggered, this,
            [this] { RescanItem(m_rightClickedItem); });
    connect(ui->treeWidget, &QTreeWidget::itemClicked, this, &MainWindow::TreeWidgetItemClicked);
}

// Starts the job set up on the worker and waits in the progress dialog. After
// Cancel the worker is waited for, so nothing touches the database or starts
// another job while it still runs; its end signal still arrives. A scan whose
// records could not be stored, or whose files could not all be read, has
// listed those stored before it stopped.
void MainWindow::RunWorkerJob()
{
    // The last job emits its end signal just before its thread finishes, and
    // start() does nothing while the thread still runs.
    m_worker->WaitForEnd();
    m_worker->start();
    if (m_tipDlg.exec() == 0)
        m_worker->CancelAndWait();
    ShowScanResult(m_worker->LastScanResult());
}

void MainWindow::ShowScanResult(const ScanResult &result)
{
    QStringList messages;
    if (result.failure == ScanResult::StoreFailed)
        messages << tr("The list could not be stored (%1)!").arg(result.storeError);
    else if (result.failure == ScanResult::ReadFailed)
        messages << tr("The recordings could not all be read (%1): %2")
                        .arg(qt_error_string(result.error), VisibleName(result.path));
    if (!result.unlistedNames.isEmpty())
        messages << tr("%1 entries left out: their names are not valid!")
                        .arg(result.unlistedNames.size());
    for (const QString &message : qAsConst(messages))
        MsgTipWidthSingleBtn::ShowTip(tr("Import"), message, tr("OK"), nullptr);
}

void MainWindow::on_pbtn_ImportFile_clicked()
{
    if (IsPlaying())
        return;
    ImportRecordFile dialog;
    dialog.SetPathChooser(m_choosePath);
    if (dialog.exec() != 1)
        return;
    ImportRecordingPath(dialog.GetSelectPath(), dialog.GetSelectMode() == 1);
}

void MainWindow::ImportRecordingPath(const QString &path, bool folderMode)
{
    const QFileInfo info(path);
    if (!info.exists() || (folderMode ? !info.isDir() : !info.isFile())) {
        MsgTipWidthSingleBtn::ShowTip(tr("Import"),
                                      folderMode ? tr("Folder does not exist!")
                                                 : tr("File does not exist!"),
                                      tr("Cancel"), nullptr);
        return;
    }

    auto *item = new QTreeWidgetItem;
    item->setText(0, path);
    item->setData(0, Qt::UserRole, m_nextTreeNodeID);
    if (folderMode)
        ui->treeWidget->setColumnCount(1);
    ui->treeWidget->addTopLevelItem(item);
    if (folderMode) {
        m_worker->SetMode(1);
        m_worker->SetTreeJob(item, path);
        RunWorkerJob();
    }
    ++m_nextTreeNodeID;
}

void MainWindow::TreeViewUpdata()
{
    m_worker->AttachBuiltTree();
    QTreeWidget *tree = ui->treeWidget;
    if (tree->topLevelItemCount() > 0) {
        tree->collapseAll();
        tree->expandItem(tree->topLevelItem(tree->topLevelItemCount() - 1));
    }
    emit CloseTipDlg_signals();
}

void MainWindow::TreeWidgetItemClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (item == m_lastClickedItem)
        return;
    m_lastClickedItem = item;
    if (!LoadImportPath(GetItemPath(item), TreeNodeNumber(item)))
        FindOverAndDisplayToTable();
}

void MainWindow::RefreshCurrentItem()
{
    RescanItem(m_lastClickedItem);
}

// Scans the item's path again, as a click on another item would; a list
// that showed a search shows the search's fields' search again.
void MainWindow::RescanItem(QTreeWidgetItem *item)
{
    if (!item || IsPlaying())
        return;
    const bool searched = m_listingIsSearch;
    m_lastClickedItem = item;
    ui->treeWidget->setCurrentItem(item);
    if (!LoadImportPath(GetItemPath(item), TreeNodeNumber(item)))
        FindOverAndDisplayToTable();
    else if (searched)
        on_pbtn_Search_clicked();
}

QString MainWindow::GetItemPath(QTreeWidgetItem *item) const
{
    return TreeItemPath(item);
}

bool MainWindow::LoadImportPath(const QString &path, int treeNodeID)
{
    DeleteAllRecords(QSqlDatabase::database());
    if (!QFileInfo::exists(path))
        return false;
    m_currentImportPath = path;
    m_worker->SetMode(2);
    m_worker->SetScanJob(path, treeNodeID);
    RunWorkerJob();
    return true;
}

void MainWindow::TreeClick_rightMenu(QPoint pos)
{
    if (IsPlaying())
        return;
    if (!ui->treeWidget->indexAt(pos).isValid())
        return;
    m_rightClickedItem = ui->treeWidget->itemAt(pos);
    m_treeMenu->exec(QCursor::pos());
}

void MainWindow::RightMenuToDelTreeItem()
{
    QTreeWidgetItem *removed = m_rightClickedItem;
    if (!removed)
        return;
    if (MessageTip::ShowTip(tr("Delete"), tr("Are you sure want to delete?"), tr("Delete"),
                            tr("Cancel"), nullptr)
        != 1)
        return;

    const int removedNode = TreeNodeNumber(removed);
    const QString removedPath = GetItemPath(removed);
    const QString lastPath = GetItemPath(m_lastClickedItem);
    const int lastNode = m_lastClickedItem ? TreeNodeNumber(m_lastClickedItem) : -1;
    const bool reload = RemovalReloadsList(removed, m_lastClickedItem);

    if (QTreeWidgetItem *parent = removed->parent())
        parent->removeChild(removed);
    else
        ui->treeWidget->takeTopLevelItem(ui->treeWidget->indexOfTopLevelItem(removed));

    QSqlQuery insert;
    insert.prepare(QStringLiteral(
        "insert into IgnorePathTab([TreeNodeID], [IgnorePath]) values(?, ?)"));
    insert.addBindValue(removedNode);
    insert.addBindValue(removedPath);
    insert.exec();

    ForgetRemovedItems(removed);
    delete removed;

    if (reload && !LoadImportPath(lastPath, lastNode))
        FindOverAndDisplayToTable();
}

// The removed items are destroyed; the remembered items must not outlive them.
void MainWindow::ForgetRemovedItems(const QTreeWidgetItem *removed)
{
    if (IsWithinSubtree(m_lastClickedItem, removed))
        m_lastClickedItem = nullptr;
    m_rightClickedItem = nullptr;
}
