// Check marks and the file operations on the records of the current page.

#include "app/mainwindow.h"
#include "records/recordfileops.h"
#include "records/renamedialog.h"
#include "records/tablemodel.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace {

// An export that ends sooner shows no progress.
constexpr int kQuietExportMs = 500;

} // namespace

void MainWindow::CheckBoxChanged(int row, int value)
{
    if (!HasRow(row))
        return;
    RecordRow &record = m_pageRecords[row];
    record.checked = value != 0;
    StoreCheckMark(record.filePath, record.checked);
    MoveCheckedCount(record.checked ? 1 : -1);
    UpdatePageInfo();
    RefreshPlayList();
}

void MainWindow::on_pbtn_SelectAll_clicked()
{
    if (IsPlaying() || m_pageRecords.isEmpty())
        return;
    QStringList names;
    QStringList paths;
    for (RecordRow &record : m_pageRecords) {
        if (record.checked)
            continue;
        record.checked = true;
        MoveCheckedCount(1);
        names << record.fileName;
        paths << record.filePath;
    }
    StoreCheckedBatch(names, paths);
    m_tableModel->SetRows(m_pageRecords);
    UpdatePageInfo();
    RefreshPlayList();
}

void MainWindow::on_pbtn_ReverseSelect_clicked()
{
    if (IsPlaying() || m_pageRecords.isEmpty())
        return;
    for (RecordRow &record : m_pageRecords) {
        record.checked = !record.checked;
        MoveCheckedCount(record.checked ? 1 : -1);
        StoreCheckMark(record.filePath, record.checked);
    }
    m_tableModel->SetRows(m_pageRecords);
    UpdatePageInfo();
    RefreshPlayList();
}

void MainWindow::on_pbtn_Del_clicked()
{
    if (IsPlaying() || !HasCheckedRecord(m_pageRecords))
        return;
    if (MessageTip::ShowTip(tr("Delete"), tr("Are you sure want to delete these files?"),
                            tr("Delete"), tr("Cancel"), nullptr)
        != 1)
        return;
    const DeleteOutcome outcome = DeleteCheckedRecords(m_pageRecords);
    m_countOutdated = true;
    MoveCheckedCount(-outcome.deletedCount);
    ShowPageRows(outcome.keptRows);
    UpdatePageInfo();
    RefreshPlayList();
    if (outcome.someRefused)
        MsgTipWidthSingleBtn::ShowTip(tr("Delete"), tr("Only some files were deleted, please check!"),
                                      tr("OK"), nullptr);
    if (outcome.recordsKept)
        MsgTipWidthSingleBtn::ShowTip(
            tr("Delete"), tr("The files were deleted, but the list could not be updated!"),
            tr("OK"), nullptr);
}

void MainWindow::RightMenuToRename()
{
    const int row = CurrentRow();
    if (!HasRow(row))
        return;
    RecordRow &record = m_pageRecords[row];
    RenameDialog dialog;
    dialog.SetOldName(record.fileName);
    dialog.SetOldPath(record.filePath);
    dialog.ShowName();
    if (dialog.exec() != QDialog::Accepted || dialog.NewPath() == record.filePath)
        return;

    const bool importedFile = QFileInfo(m_currentImportPath).isFile();
    if (!RenameRecording(record.filePath, dialog.NewName(), dialog.NewPath())) {
        MsgTipWidthSingleBtn::ShowTip(tr("Rename"), tr("Fail to rename!"), tr("Cancel"), nullptr);
        return;
    }
    m_countOutdated = true;
    record.fileName = dialog.NewName();
    record.filePath = dialog.NewPath();
    m_tableModel->SetRows(m_pageRecords);
    if (record.checked)
        RefreshPlayList();
    if (importedFile && ui->treeWidget->currentItem()) {
        ui->treeWidget->currentItem()->setData(0, Qt::DisplayRole, dialog.NewPath());
        m_currentImportPath = dialog.NewPath();
    }
    MsgTipWidthSingleBtn::ShowTip(tr("Rename"), tr("Success!"), tr("OK"), nullptr);
}

void MainWindow::on_pbtn_AddToFolder_clicked()
{
    if (IsPlaying() || m_pageRecords.isEmpty())
        return;
    const ExportPlan plan = PlanExport(m_pageRecords);
    if (plan.taken.isEmpty())
        return;
    const QString dir = m_choosePath(this, tr("Save Directory"), PathKind::Folder);
    if (dir.isEmpty())
        return;
    if (!IsWritableDirectory(dir)) {
        MsgTipWidthSingleBtn::ShowTip(tr("Export"), tr("Path error or can't write!"), tr("Cancel"),
                                      nullptr);
        return;
    }
    const bool complete = ExportRecords(plan, dir);
    MsgTipWidthSingleBtn::ShowTip(tr("Export"),
                                  complete ? tr("Success!")
                                           : tr("Only some files export successfully, please check!"),
                                  tr("OK"), nullptr);
}

// The copies run on their own thread. The window keeps painting while it
// waits; what the user does meanwhile waits too, until the progress dialog,
// which takes it over, shows.
bool MainWindow::ExportRecords(const ExportPlan &plan, const QString &dir)
{
    RecordingExport job(plan, dir, QDateTime::currentDateTime(), m_copyRecording);
    QEventLoop quietWait;
    connect(&job, &RecordingExport::Finished, &quietWait, &QEventLoop::quit);
    QTimer::singleShot(kQuietExportMs, &quietWait, &QEventLoop::quit);
    job.Start();
    quietWait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!job.IsFinished())
        ShowExportProgress(job);
    job.Stop();
    return job.IsComplete();
}

void MainWindow::ShowExportProgress(RecordingExport &job)
{
    TipDlg progress;
    const auto showDone = [this, &progress](int done, int total) {
        progress.ShowTexts(tr("Export"), tr("Exporting, please wait... %1/%2").arg(done).arg(total));
    };
    showDone(job.Done(), job.Total());
    connect(&job, &RecordingExport::FileDone, &progress, showDone);
    connect(&job, &RecordingExport::Finished, &progress, &TipDlg::Close_slots);
    if (!job.IsFinished() && progress.exec() != 1)
        job.Stop();
}
