#include "ui/abouttip.h"

#include "ui/applicationlook.h"
#include "ui/dialogtheme.h"
#include "ui/windowbackground.h"
#include "ui_abouttip.h"

AboutTip::AboutTip(const QString &title, const QString &text, const QString &buttonText,
                   QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutTip>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);
    ui->pbtn_AboutTipBtnRes->setText(buttonText);
    InitStyle();
    // In the theme's fonts: a long text is cut in the middle, whole in its tooltip.
    SetElidedText(ui->label_AboutTip_Title, title);
    SetElidedText(ui->label_SW_Version, text);
}

AboutTip::~AboutTip() = default;

int AboutTip::ShowTip(const QString &title, const QString &text, const QString &buttonText,
                      QWidget *parent)
{
    AboutTip tip(title, text, buttonText, parent);
    return tip.exec();
}

void AboutTip::mousePressEvent(QMouseEvent *event)
{
    m_drag.Press(event);
}

void AboutTip::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.Move(this, event);
}

void AboutTip::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.Release(event);
}

void AboutTip::on_pbtn_AboutTipBtnRes_clicked()
{
    done(1);
}

void AboutTip::on_pbtn_AboutTip_Close_clicked()
{
    close();
}

void AboutTip::InitStyle()
{
    PaintWindowBackground(ui->BackgroundWidget, QStringLiteral(":/PicRes/BK_TipWnd.png"));
    StyleDialogParts({ui->pbtn_AboutTip_Close, {ui->label_SW_Version, ui->label_SW_Copyright},
                      ui->label_AboutTip_Title, {ui->pbtn_AboutTipBtnRes},
                      QStringLiteral("TipWnd")});
}
