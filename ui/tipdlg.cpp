#include "ui/tipdlg.h"

#include "ui/dialogtheme.h"
#include "ui/windowbackground.h"
#include "ui_tipdlg.h"

TipDlg::TipDlg(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TipDlg>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(ui->label_TipWndTitle->text());
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
}

void TipDlg::ShowTexts(const QString &title, const QString &tip)
{
    setWindowTitle(title);
    ui->label_TipWndTitle->setText(title);
    ui->label_Tip->setText(tip);
}

void TipDlg::mousePressEvent(QMouseEvent *event)
{
    m_drag.Press(event);
}

void TipDlg::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.Move(this, event);
}

void TipDlg::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.Release(event);
}

void TipDlg::on_pbtn_TipWndCancel_clicked()
{
    reject();
}

void TipDlg::InitStyle()
{
    PaintWindowBackground(ui->BackgroundWidget, QStringLiteral(":/PicRes/BK_TipWnd.png"));
    ui->pbtn_TipWndClose->setEnabled(false);
    StyleDialogParts({ui->pbtn_TipWndClose, {ui->label_Tip}, ui->label_TipWndTitle,
                      {ui->pbtn_TipWndCancel}, QStringLiteral("TipWnd")});
}
