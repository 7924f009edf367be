#pragma once

#include <QPoint>

class QWidget;

// Touches as the window system sends them: presses and releases stamped on its clock, so that two touches on one
// spot within the double-click time make a double click, as a finger's do.
namespace FingerTouch {

// A press at a point of the widget, and its release 50 ms later; a second after the touch before it.
void tap(QWidget* widget, const QPoint& at);
// A tap, then another on the same spot 100 ms after its release: the second reaches the widget then under the
// finger as a double click.
void doubleTap(QWidget* widget, const QPoint& at);

} // namespace FingerTouch
