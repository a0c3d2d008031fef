#pragma once

#include <QList>
#include <QString>

class QWidget;

// The widgets every dialog styles alike, in the order they are styled.
struct DialogParts
{
    QWidget *closeButton = nullptr;
    QList<QWidget *> textLabels;
    QWidget *titleLabel = nullptr;
    QList<QWidget *> wideButtons;
    QString wideButtonImage;
};

// Close-button image, white text labels, white title and the wide buttons.
void StyleDialogParts(const DialogParts &parts);

// The border in the accent colour that marks the focused one of the line edits.
void SetLineEditFocusStyle(const QList<QWidget *> &edits);

// The family of every dialog text.
QString DialogFontFamily();
