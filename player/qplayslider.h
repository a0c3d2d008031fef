#pragma once

#include <QSlider>

// The playback progress slider with its own look.
class QPlaySlider : public QSlider
{
    Q_OBJECT

public:
    explicit QPlaySlider(QWidget *parent = nullptr);
};
