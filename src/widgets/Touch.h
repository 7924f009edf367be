#pragma once

class QAbstractScrollArea;
class QAbstractItemView;

// The smallest side, in units, of what a finger touches: about 45 pixels on an 800 × 1280 tablet.
constexpr int FingerSize = 24;

// Lets a finger pan a scroll box or a list; a tap that does not move stays a tap.
void enableTouchPanning(QAbstractScrollArea* area);

// Gives every row of a list at least a finger's height.
void fitRowsToFinger(QAbstractItemView* list);
