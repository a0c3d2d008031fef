#pragma once

#include "ui/framelessdialog.h"

#include <memory>

namespace Ui {
class MsgTipWidthSingleBtn;
}

// One-button note: exec() gives 1 for the button, 0 for the close button or Esc.
class MsgTipWidthSingleBtn : public FramelessDialog
{
    Q_OBJECT

public:
    MsgTipWidthSingleBtn(const QString &title, const QString &text, const QString &buttonText,
                         QWidget *parent = nullptr);
    ~MsgTipWidthSingleBtn() override;

    static int ShowTip(const QString &title, const QString &text, const QString &buttonText,
                       QWidget *parent = nullptr);

private slots:
    void on_pbtn_MsgWndWithSingleBtnRes_clicked();
    void on_pbtn_MsgWndWithSingleBtn_Close_clicked();

private:
    std::unique_ptr<Ui::MsgTipWidthSingleBtn> ui;
};
