#include "ui/msgtipwidthsinglebtn.h"

#include "ui/applicationlook.h"
#include "ui/dialogtheme.h"
#include "ui/windowbackground.h"
#include "ui_msgtipwidthsinglebtn.h"

MsgTipWidthSingleBtn::MsgTipWidthSingleBtn(const QString &title, const QString &text,
                                           const QString &buttonText, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::MsgTipWidthSingleBtn>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);
    ui->pbtn_MsgWndWithSingleBtnRes->setText(buttonText);
    InitStyle();
    // In the theme's fonts: a long text is cut in the middle, whole in its tooltip.
    SetElidedText(ui->label_MsgWndWithSingleBtnTitle, title);
    SetElidedText(ui->label_MsgWithSingleBtnWndText, text);
}

MsgTipWidthSingleBtn::~MsgTipWidthSingleBtn() = default;

int MsgTipWidthSingleBtn::ShowTip(const QString &title, const QString &text,
                                  const QString &buttonText, QWidget *parent)
{
    MsgTipWidthSingleBtn tip(title, text, buttonText, parent);
    return tip.exec();
}

void MsgTipWidthSingleBtn::mousePressEvent(QMouseEvent *event)
{
    m_drag.Press(event);
}

void MsgTipWidthSingleBtn::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.Move(this, event);
}

void MsgTipWidthSingleBtn::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.Release(event);
}

void MsgTipWidthSingleBtn::on_pbtn_MsgWndWithSingleBtnRes_clicked()
{
    done(1);
}

void MsgTipWidthSingleBtn::on_pbtn_MsgWndWithSingleBtn_Close_clicked()
{
    close();
}

void MsgTipWidthSingleBtn::InitStyle()
{
    PaintWindowBackground(ui->BackgroundWidget, QStringLiteral(":/PicRes/BK_TipWnd.png"));
    StyleDialogParts({ui->pbtn_MsgWndWithSingleBtn_Close, {ui->label_MsgWithSingleBtnWndText},
                      ui->label_MsgWndWithSingleBtnTitle, {ui->pbtn_MsgWndWithSingleBtnRes},
                      QStringLiteral("TipWnd")});
}
