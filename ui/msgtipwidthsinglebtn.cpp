#include "ui/msgtipwidthsinglebtn.h"

#include "ui_msgtipwidthsinglebtn.h"

MsgTipWidthSingleBtn::MsgTipWidthSingleBtn(const QString &title, const QString &text,
                                           const QString &buttonText, QWidget *parent)
    : FramelessDialog(parent)
    , ui(std::make_unique<Ui::MsgTipWidthSingleBtn>())
{
    ui->setupUi(this);
    ui->pbtn_MsgWndWithSingleBtnRes->setText(buttonText);
    InitTip({ui->BackgroundWidget, ui->label_MsgWndWithSingleBtnTitle,
             {ui->label_MsgWithSingleBtnWndText}, ui->pbtn_MsgWndWithSingleBtn_Close,
             {ui->pbtn_MsgWndWithSingleBtnRes}, QStringLiteral("TipWnd")},
            title, text);
}

MsgTipWidthSingleBtn::~MsgTipWidthSingleBtn() = default;

int MsgTipWidthSingleBtn::ShowTip(const QString &title, const QString &text,
                                  const QString &buttonText, QWidget *parent)
{
    return RunModal<MsgTipWidthSingleBtn>(title, text, buttonText, parent);
}

void MsgTipWidthSingleBtn::on_pbtn_MsgWndWithSingleBtnRes_clicked()
{
    done(1);
}

void MsgTipWidthSingleBtn::on_pbtn_MsgWndWithSingleBtn_Close_clicked()
{
    close();
}
