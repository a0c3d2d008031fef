#pragma once

#include "ui/titlestripdrag.h"

#include <QDialog>
#include <memory>

namespace Ui {
class AboutTip;
}

// About box: product name and version above a fixed notice line.
class AboutTip : public QDialog
{
    Q_OBJECT

public:
    AboutTip(const QString &title, const QString &text, const QString &buttonText,
             QWidget *parent = nullptr);
    ~AboutTip() override;

    static int ShowTip(const QString &title, const QString &text, const QString &buttonText,
                       QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void on_pbtn_AboutTipBtnRes_clicked();
    void on_pbtn_AboutTip_Close_clicked();

private:
    void InitStyle();

    std::unique_ptr<Ui::AboutTip> ui;
    TitleStripDrag m_drag{45};
};
