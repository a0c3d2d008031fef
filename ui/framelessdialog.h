#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;

// The widgets of a message dialog's form that its frame shows and themes.
struct TipForm
{
    QWidget *background = nullptr;
    QLabel *titleLabel = nullptr;
    // The first shows the text; any other keeps the text the form gives it.
    QList<QLabel *> textLabels;
    QWidget *closeButton = nullptr;
    QList<QWidget *> buttons;
    QString buttonImage;
};

// A dialog without a frame on the message background, dragged by the strip at
// its top. A subclass sets up its form, then calls InitFrame or InitTip.
class FramelessDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FramelessDialog(QWidget *parent = nullptr);

protected:
    // A dialog made of the arguments, run modally: its result.
    template <typename Dialog, typename... Args>
    static int RunModal(const Args &...args)
    {
        Dialog dialog(args...);
        return dialog.exec();
    }

    // No frame, see-through corners, the title, the background image.
    void InitFrame(const QString &title, QWidget *background);
    // InitFrame, the form in the theme, then the title and the text, each cut
    // in the middle with its whole text as tooltip where the label is short;
    // the close button's tooltip names it.
    void InitTip(const TipForm &form, const QString &title, const QString &text);
};
