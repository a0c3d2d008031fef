#pragma once

class QString;
class QWidget;

// Fills the widget with the image, scaled once to the widget's current size.
void PaintWindowBackground(QWidget *widget, const QString &imagePath);
