#include "ui/messagetip.h"

#include "ui_messagetip.h"

MessageTip::MessageTip(const QString &title, const QString &text, const QString &leftText,
                       const QString &rightText, QWidget *parent)
    : FramelessDialog(parent)
    , ui(std::make_unique<Ui::MessageTip>())
{
    ui->setupUi(this);
    ui->pbtn_OK->setText(leftText);
    ui->pbtn_Cancel->setText(rightText);
    InitTip({ui->BackgroundWidget, ui->label_MsgTip_Title, {ui->label_MsgTipContent},
             ui->pbtn_MsgTip_Close, {ui->pbtn_OK, ui->pbtn_Cancel},
             QStringLiteral("TipWndSmall")},
            title, text);
}

MessageTip::~MessageTip() = default;

int MessageTip::ShowTip(const QString &title, const QString &text, const QString &leftText,
                        const QString &rightText, QWidget *parent)
{
    return RunModal<MessageTip>(title, text, leftText, rightText, parent);
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
