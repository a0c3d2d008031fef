#include "ui/framelessdialog.h"

#include "ui/applicationlook.h"
#include "ui/dialogtheme.h"
#include "ui/titlestripdrag.h"
#include "ui/windowbackground.h"

#include <QLabel>

FramelessDialog::FramelessDialog(QWidget *parent)
    : QDialog(parent)
{
    new TitleStripDrag(this, kDialogStripHeight);
}

void FramelessDialog::InitFrame(const QString &title, QWidget *background)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);
    PaintWindowBackground(background, QStringLiteral(":/PicRes/BK_TipWnd.png"));
}

void FramelessDialog::InitTip(const TipForm &form, const QString &title, const QString &text)
{
    InitFrame(title, form.background);
    const QList<QWidget *> textLabels(form.textLabels.begin(), form.textLabels.end());
    StyleDialogParts({form.closeButton, textLabels, form.titleLabel, form.buttons,
                      form.buttonImage});
    form.closeButton->setToolTip(tr("Close"));
    // In the theme's fonts, which the labels have only now.
    SetElidedText(form.titleLabel, title);
    SetElidedText(form.textLabels.first(), text);
}
