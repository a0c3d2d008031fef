#pragma once

#include "ui/framelessdialog.h"

#include <memory>

namespace Ui {
class TipDlg;
}

// Modal "please wait" window of an import, or of another long job given its
// own texts: exec() gives 1 when the job finished (Close_slots), 0 when the
// user cancelled.
class TipDlg : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TipDlg(QWidget *parent = nullptr);
    ~TipDlg() override;

    void ShowTexts(const QString &title, const QString &tip);

public slots:
    void Close_slots();
    void ReloadLanguage();

private slots:
    void on_pbtn_TipWndCancel_clicked();

private:
    void InitStyle();

    std::unique_ptr<Ui::TipDlg> ui;
};
