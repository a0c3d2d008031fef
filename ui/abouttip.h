#pragma once

#include "ui/framelessdialog.h"

#include <memory>

namespace Ui {
class AboutTip;
}

// About box: product name and version above a fixed notice line.
class AboutTip : public FramelessDialog
{
    Q_OBJECT

public:
    AboutTip(const QString &title, const QString &text, const QString &buttonText,
             QWidget *parent = nullptr);
    ~AboutTip() override;

    static int ShowTip(const QString &title, const QString &text, const QString &buttonText,
                       QWidget *parent = nullptr);

private slots:
    void on_pbtn_AboutTipBtnRes_clicked();
    void on_pbtn_AboutTip_Close_clicked();

private:
    std::unique_ptr<Ui::AboutTip> ui;
};
