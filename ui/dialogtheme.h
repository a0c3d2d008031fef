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

// Close-button image, white text labels, white title and the wide buttons,
// with their focus mark.
void StyleDialogParts(const DialogParts &parts);

// The marks of focus in a dialog: a pale outline on the blue buttons, on which
// the accent would not show, and a border in the accent on the line edits.
void SetDialogFocusStyle(const QList<QWidget *> &blueButtons, const QList<QWidget *> &lineEdits);

// The family of every dialog text.
QString DialogFontFamily();
