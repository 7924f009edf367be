#pragma once

class QAbstractScrollArea;

// Lets a finger pan a scroll box or a list; a tap that does not move stays a tap.
void enableTouchPanning(QAbstractScrollArea* area);
