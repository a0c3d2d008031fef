#pragma once

#include <QPushButton>

class QMenu;

// A push button that pops up its menu directly below itself when clicked.
class QMenuButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QMenuButton(QWidget *parent = nullptr);

    QMenu *GetMenu() const { return m_menu; }

public slots:
    void popupmenu();

private:
    QMenu *m_menu;
};
