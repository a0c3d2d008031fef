#pragma once

#include <QSlider>

// The volume slider with its own look.
class QVolumeSilder : public QSlider
{
    Q_OBJECT

public:
    explicit QVolumeSilder(QWidget *parent = nullptr);
};
