#include "player/qplayslider.h"

namespace {
const char *const kSheet =
    "QSlider::groove:horizontal{height:10px; border-color:rgb(49, 56, 72); border-radius:5px; left:3px; right:3px; margin:2px 0px}                   QSlider::add-page:horizontal{background-color:rgb(41, 48, 64); margin: 2px 0px; border-radius:5px;}                   QSlider::sub-page:horizontal{background-color:rgb(0, 163, 226); margin:2px 0px; border-radius:5px;}                   QSlider::handle:horizontal{background-color:rgb(255, 255, 255); width:16px; margin: -3px -3px -3px -3px; border-radius: 8px;}";
}

QPlaySlider::QPlaySlider(QWidget *parent)
    : QSlider(parent)
{
    setStyleSheet(QString::fromLatin1(kSheet));
}
