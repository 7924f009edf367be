#pragma once

#include <QWidget>

// A control built into a box the waiter cannot see yet appears with that box: showing it now would only
// prepare its style for nothing, two thousand times over during a catalogue load.
inline void showWithBox(QWidget* control)
{
    if (control->parentWidget() && control->parentWidget()->isVisible())
        control->show();
}
