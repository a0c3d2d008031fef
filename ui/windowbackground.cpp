#include "ui/windowbackground.h"

#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QWidget>

void PaintWindowBackground(QWidget *widget, const QString &imagePath)
{
    widget->setAutoFillBackground(true);
    const QPixmap image = QPixmap(imagePath).scaled(widget->size(), Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation);
    QPalette palette;
    palette.setBrush(QPalette::Window, QBrush(image));
    widget->setPalette(palette);
}
