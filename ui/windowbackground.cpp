#include "ui/windowbackground.h"

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QWidget>

void PaintWindowBackground(QWidget *widget, const QString &imagePath)
{
    widget->setAutoFillBackground(true);
    // QIcon, unlike QPixmap, takes name@2x.png for a screen of device pixel ratio 2.
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap image = QIcon(imagePath).pixmap(widget->size()).scaled(
        widget->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    QPalette palette;
    palette.setBrush(QPalette::Window, QBrush(image));
    widget->setPalette(palette);
}
