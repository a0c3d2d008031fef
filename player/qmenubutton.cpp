#include "player/qmenubutton.h"

#include <QMenu>

QMenuButton::QMenuButton(QWidget *parent)
    : QPushButton(parent)
    , m_menu(new QMenu(this))
{
    connect(this, SIGNAL(clicked()), this, SLOT(popupmenu()));
}

void QMenuButton::popupmenu()
{
    m_menu->exec(mapToGlobal(QPoint(0, height())));
}
