#include "ui/abouttip.h"

#include "ui_abouttip.h"

AboutTip::AboutTip(const QString &title, const QString &text, const QString &buttonText,
                   QWidget *parent)
    : FramelessDialog(parent)
    , ui(std::make_unique<Ui::AboutTip>())
{
    ui->setupUi(this);
    ui->pbtn_AboutTipBtnRes->setText(buttonText);
    InitTip({ui->BackgroundWidget, ui->label_AboutTip_Title,
             {ui->label_SW_Version, ui->label_SW_Copyright}, ui->pbtn_AboutTip_Close,
             {ui->pbtn_AboutTipBtnRes}, QStringLiteral("TipWnd")},
            title, text);
}

AboutTip::~AboutTip() = default;

int AboutTip::ShowTip(const QString &title, const QString &text, const QString &buttonText,
                      QWidget *parent)
{
    return RunModal<AboutTip>(title, text, buttonText, parent);
}

void AboutTip::on_pbtn_AboutTipBtnRes_clicked()
{
    done(1);
}

void AboutTip::on_pbtn_AboutTip_Close_clicked()
{
    close();
}
