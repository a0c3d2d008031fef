#include "ui/tipdlg.h"

#include "ui/dialogtheme.h"
#include "ui_tipdlg.h"

TipDlg::TipDlg(QWidget *parent)
    : FramelessDialog(parent)
    , ui(std::make_unique<Ui::TipDlg>())
{
    ui->setupUi(this);
    InitFrame(ui->label_TipWndTitle->text(), ui->BackgroundWidget);
    InitStyle();
}

TipDlg::~TipDlg() = default;

void TipDlg::Close_slots()
{
    done(1);
}

void TipDlg::ReloadLanguage()
{
    ShowTexts(tr("Import"), tr("Importing, please wait..."));
    ui->pbtn_TipWndCancel->setText(tr("Cancel"));
    ui->pbtn_TipWndClose->setToolTip(tr("Close"));
}

void TipDlg::ShowTexts(const QString &title, const QString &tip)
{
    setWindowTitle(title);
    ui->label_TipWndTitle->setText(title);
    ui->label_Tip->setText(tip);
}

void TipDlg::on_pbtn_TipWndCancel_clicked()
{
    reject();
}

void TipDlg::InitStyle()
{
    ui->pbtn_TipWndClose->setEnabled(false);
    StyleDialogParts({ui->pbtn_TipWndClose, {ui->label_Tip}, ui->label_TipWndTitle,
                      {ui->pbtn_TipWndCancel}, QStringLiteral("TipWnd")});
}
