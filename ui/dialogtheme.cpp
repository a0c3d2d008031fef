#include "ui/dialogtheme.h"

#include "ui/stylesheetbuilder.h"

namespace {
const QString kFamily = QStringLiteral("微软雅黑");
const QString kWhite = QStringLiteral("#FFFFFF");
} // namespace

QString DialogFontFamily()
{
    return kFamily;
}

void StyleDialogParts(const DialogParts &parts)
{
    const PushButtonStyle closeButton{QStringLiteral("MainWinClose"), {}, {}, {}, {}, {},
                                      QStringLiteral("MainWinClose")};
    const LabelStyle text{QStringLiteral("12px"), kFamily, kWhite};
    const LabelStyle title{QStringLiteral("15px"), kFamily, kWhite};
    const PushButtonStyle wideButton{parts.wideButtonImage, QStringLiteral("15px"), kFamily,
                                     kWhite, kWhite, QStringLiteral("#0068b7")};
    SetPushButtonStyle(parts.closeButton, &closeButton);
    SetStyleByKind(QStringLiteral("QLabel"), parts.textLabels, &text);
    SetLabelStyle(parts.titleLabel, &title);
    SetStyleByKind(QStringLiteral("QPushButton"), parts.wideButtons, &wideButton);
    SetDialogFocusStyle(parts.wideButtons, {});
}

void SetDialogFocusStyle(const QList<QWidget *> &blueButtons, const QList<QWidget *> &lineEdits)
{
    FocusStyle button;
    button.buttonOutline = QStringLiteral("1px solid #bed4ff");
    FocusStyle edit;
    edit.lineEditBorder = QStringLiteral("1px solid #0091ff");
    for (QWidget *widget : blueButtons)
        SetFocusStyle(widget, &button);
    for (QWidget *widget : lineEdits)
        SetFocusStyle(widget, &edit);
}
