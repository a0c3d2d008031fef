#include "ui/messagetip.h"

#include "ui/applicationlook.h"
#include "ui/dialogtheme.h"
#include "ui/windowbackground.h"
#include "ui_messagetip.h"

MessageTip::MessageTip(const QString &title, const QString &text, const QString &leftText,
                       const QString &rightText, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::MessageTip>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);
    ui->pbtn_OK->setText(leftText);
    ui->pbtn_Cancel->setText(rightText);
    InitStyle();
    // In the theme's fonts: a long text is cut in the middle, whole in its tooltip.
    SetElidedText(ui->label_MsgTip_Title, title);
    SetElidedText(ui->label_MsgTipContent, text);
}

MessageTip::~MessageTip() = default;

int MessageTip::ShowTip(const QString &title, const QString &text, const QString &leftText,
                        const QString &rightText, QWidget *parent)
{
    MessageTip tip(title, text, leftText, rightText, parent);
    return tip.exec();
}

void MessageTip::mousePressEvent(QMouseEvent *event)
{
    m_drag.Press(event);
}

void MessageTip::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.Move(this, event);
}

void MessageTip::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.Release(event);
}

void MessageTip::on_pbtn_OK_clicked()
{
    done(1);
}

void MessageTip::on_pbtn_Cancel_clicked()
{
    done(0);
}

void MessageTip::on_pbtn_MsgTip_Close_clicked()
{
    close();
}

void MessageTip::InitStyle()
{
    PaintWindowBackground(ui->BackgroundWidget, QStringLiteral(":/PicRes/BK_TipWnd.png"));
    StyleDialogParts({ui->pbtn_MsgTip_Close, {ui->label_MsgTipContent}, ui->label_MsgTip_Title,
                      {ui->pbtn_OK, ui->pbtn_Cancel}, QStringLiteral("TipWndSmall")});
}
