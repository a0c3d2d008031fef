#include "player/qvolumesilder.h"

namespace {
const char *const kSheet =
    "QSlider::groove:horizontal{height:8px; border-radius:4px; border:1px solid rgb(49,56,72); background-color:rgb(41,48,64); margin:2px 0;}                   QSlider::sub-page:horizontal{border-radius:4px; background-color:rgb(0,163,226); margin:2px 1px;}";
}

QVolumeSilder::QVolumeSilder(QWidget *parent)
    : QSlider(parent)
{
    setStyleSheet(QString::fromLatin1(kSheet));
}
