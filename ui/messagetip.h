#pragma once

#include "ui/titlestripdrag.h"

#include <QDialog>
#include <memory>

namespace Ui {
class MessageTip;
}

// Two-button confirmation: exec() gives 1 for the left button, 0 otherwise.
class MessageTip : public QDialog
{
    Q_OBJECT

public:
    MessageTip(const QString &title, const QString &text, const QString &leftText,
               const QString &rightText, QWidget *parent = nullptr);
    ~MessageTip() override;

    static int ShowTip(const QString &title, const QString &text, const QString &leftText,
                       const QString &rightText, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void on_pbtn_OK_clicked();
    void on_pbtn_Cancel_clicked();
    void on_pbtn_MsgTip_Close_clicked();

private:
    void InitStyle();

    std::unique_ptr<Ui::MessageTip> ui;
    TitleStripDrag m_drag{45};
};
