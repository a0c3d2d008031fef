#pragma once

#include <functional>

class QString;
class QWidget;

// Fills the widget with the image, scaled once to the widget's current size.
// Where a see-through window holding the widget would show its see-through
// pixels black (see CompositingRuns), each show cuts the window to the pixels
// of the image that are mostly opaque: the card without its drop shadow.
void PaintWindowBackground(QWidget *widget, const QString &imagePath);

// Whether the window system blends a see-through window with what lies
// behind it: everywhere but on an X11 display where no compositing manager
// runs. Tests answer in its place through AnswerCompositingWith.
bool CompositingRuns();
void AnswerCompositingWith(const std::function<bool()> &answer);
