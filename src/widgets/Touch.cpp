#include "Touch.h"

#include <QAbstractScrollArea>
#include <QScroller>

void enableTouchPanning(QAbstractScrollArea* area)
{
    // touches the control does not take itself reach it as mouse presses, so one gesture serves both
    QScroller::grabGesture(area->viewport(), QScroller::LeftMouseButtonGesture);
}
