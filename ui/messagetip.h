#pragma once

#include "ui/framelessdialog.h"

#include <memory>

namespace Ui {
class MessageTip;
}

// Two-button confirmation: exec() gives 1 for the left button, 0 otherwise.
class MessageTip : public FramelessDialog
{
    Q_OBJECT

public:
    MessageTip(const QString &title, const QString &text, const QString &leftText,
               const QString &rightText, QWidget *parent = nullptr);
    ~MessageTip() override;

    static int ShowTip(const QString &title, const QString &text, const QString &leftText,
                       const QString &rightText, QWidget *parent = nullptr);

private slots:
    void on_pbtn_OK_clicked();
    void on_pbtn_Cancel_clicked();
    void on_pbtn_MsgTip_Close_clicked();

private:
    std::unique_ptr<Ui::MessageTip> ui;
};
