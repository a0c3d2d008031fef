#pragma once

#include "ui/titlestripdrag.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TipDlg;
}

// Modal "please wait" window of an import, or of another long job given its
// own texts: exec() gives 1 when the job finished (Close_slots), 0 when the
// user cancelled.
class TipDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TipDlg(QWidget *parent = nullptr);
    ~TipDlg() override;

    void ShowTexts(const QString &title, const QString &tip);

public slots:
    void Close_slots();
    void ReloadLanguage();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void on_pbtn_TipWndCancel_clicked();

private:
    void InitStyle();

    std::unique_ptr<Ui::TipDlg> ui;
    TitleStripDrag m_drag{45};
};
