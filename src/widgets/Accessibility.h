#pragma once

class QRect;
class QWidget;

// How the terminal shows itself to a screen reader. Its own keys are buttons named by their caption that a press
// works as a tap does; what the waiter cannot see (a hidden view, a parked panel, a view or panel covered by another)
// reports itself not showing and lets no reader into it; boxes are in the screen's pixels whatever the scale the
// terminal runs at, so a touch explored on the screen finds the key under the finger.
namespace Accessibility {

// Makes the terminal's controls answer the screen reader as above. Once is enough; later calls do nothing.
void install();

// Whether the waiter sees the widget: shown, not cut off by what holds it, not under a view or panel laid over it.
bool isSeen(const QWidget* widget);

// The widget's box on the screen, in the screen's own pixels.
QRect screenBox(const QWidget* widget);

} // namespace Accessibility
