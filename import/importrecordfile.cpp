#include "import/importrecordfile.h"

#include "ui/dialogtheme.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/stylesheetbuilder.h"
#include "ui/titlestripdrag.h"
#include "ui/windowbackground.h"
#include "ui_importrecordfile.h"

ImportRecordFile::ImportRecordFile(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ImportRecordFile>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowTitle(ui->label_ImportTitle->text());
    setAttribute(Qt::WA_TranslucentBackground);
    new TitleStripDrag(this, kDialogStripHeight);
    for (QLineEdit *edit : {ui->edit_FolderPath, ui->edit_FilePath}) {
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    ui->rbtn_SelectFolder->setChecked(true);
    SelectMode(kFolderMode);
    ui->pbtn_ImportClose->setToolTip(tr("Close"));
    InitStyle();
}

ImportRecordFile::~ImportRecordFile() = default;

int ImportRecordFile::GetSelectMode() const
{
    return m_selectMode;
}

QString ImportRecordFile::GetSelectPath() const
{
    return m_selectMode == kFolderMode ? ui->edit_FolderPath->text() : ui->edit_FilePath->text();
}

void ImportRecordFile::SetPathChooser(const PathChooser &chooser)
{
    m_choosePath = chooser;
}

void ImportRecordFile::on_pbtn_OK_clicked()
{
    if (GetSelectPath().isEmpty()) {
        // No parent: with the frameless flag alone a parented dialog would
        // become a child widget instead of a window of its own.
        MsgTipWidthSingleBtn::ShowTip(tr("Import"), tr("Path can not be empty!"), tr("Cancel"));
        return;
    }
    done(1);
}

void ImportRecordFile::on_pbtn_Cancel_clicked()
{
    done(0);
}

void ImportRecordFile::on_pbtn_folder_clicked()
{
    const QString folder = m_choosePath(this, tr("Open Directory"), PathKind::Folder);
    if (!folder.isEmpty())
        ui->edit_FolderPath->setText(folder);
}

void ImportRecordFile::on_pbtn_file_clicked()
{
    const QString file = m_choosePath(this, tr("Open File"), PathKind::RecordingFile);
    if (!file.isEmpty())
        ui->edit_FilePath->setText(file);
}

void ImportRecordFile::on_rbtn_SelectFile_clicked()
{
    SelectMode(kFileMode);
    ui->pbtn_file->setFocus();
}

void ImportRecordFile::on_rbtn_SelectFolder_clicked()
{
    SelectMode(kFolderMode);
    ui->pbtn_folder->setFocus();
}

void ImportRecordFile::on_pbtn_ImportClose_clicked()
{
    close();
}

void ImportRecordFile::SelectMode(int mode)
{
    m_selectMode = mode;
    const bool folder = mode == kFolderMode;
    ui->edit_FolderPath->setEnabled(folder);
    ui->pbtn_folder->setEnabled(folder);
    ui->edit_FilePath->setEnabled(!folder);
    ui->pbtn_file->setEnabled(!folder);
}

void ImportRecordFile::InitStyle()
{
    PaintWindowBackground(ui->BackgroundWidget, QStringLiteral(":/PicRes/BK_ImportAndRename.png"));
    StyleDialogParts({ui->pbtn_ImportClose, {ui->label_FolderSel, ui->label_FileSel},
                      ui->label_ImportTitle, {ui->pbtn_OK, ui->pbtn_Cancel},
                      QStringLiteral("ImportAndRename")});
    const QString family = DialogFontFamily();
    const QString white = QStringLiteral("#FFFFFF");
    // The browse button of the mode not chosen is disabled, and looks it.
    const PushButtonStyle browse{QStringLiteral("FolderFileBrowse"), QStringLiteral("12px"), family,
                                 white, white, QStringLiteral("#0068b7"),
                                 QStringLiteral("FolderFileBrowse"), QStringLiteral("#7d8aa3")};
    const PaddingStyle browsePadding{QStringLiteral("QPushButton"), QString(),
                                     QStringLiteral("5px"), QString(), QStringLiteral("1px")};
    const QList<QWidget *> browseButtons{ui->pbtn_folder, ui->pbtn_file};
    SetStyleByKind(QStringLiteral("QPushButton"), browseButtons, &browse);
    SetPaddingStyleList(browseButtons, &browsePadding);
    const LineEditStyle edit{QString(), QStringLiteral("12px"), family, QStringLiteral("#3a4761")};
    SetLineEditStyle(ui->edit_FolderPath, &edit);
    SetLineEditStyle(ui->edit_FilePath, &edit);
    SetDialogFocusStyle(browseButtons, {ui->edit_FolderPath, ui->edit_FilePath});
}
