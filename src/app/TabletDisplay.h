#pragma once

#include <QSize>

class WindowPlacement;

// What the display asks of the toolkit, decided once, before the application object exists: how many screen pixels
// a design unit spans, and whether the on-screen keyboard is the input method. A unit is a logical pixel: on a
// tablet's screen much larger than the design, keys, strips, fonts and message boxes all grow together, and every
// size the views compute stays in units.
class TabletDisplay final
{
public:
    // Below this many pixels per unit the window keeps one pixel per unit: a small gain is not worth the blur of a
    // fractional factor on a screen near the design's size.
    static constexpr qreal SmallestScale = 1.25;
    // The factor is a multiple of this step, rounded down, so that the window is never smaller than its design.
    static constexpr qreal ScaleStep = 0.05;

    // Pixels per unit for a window filling a screen of this size in the platform's pixels: the window measures close
    // to the design's 403 × 651 units and at least that.
    static qreal scaleFor(const QSize& screen);
    // The window's size in units on a screen of this size at that factor.
    static QSize unitsOf(const QSize& screen, qreal scale);

    // Makes a unit span `scale` pixels in the application object made next.
    static void setScale(qreal scale);

    // Sets the toolkit's scale factor (the command line's --scale, else the one for the screen the window fills) and
    // the on-screen keyboard when the window fills the screen. Opens the display once to measure the screen,
    // unless the window does not fill it. The environment's own QT_SCALE_FACTOR and QT_IM_MODULE are kept.
    static void prepare(const WindowPlacement& placement, int argc, char** argv);

    // Closes the on-screen keyboard's window while the display is still open: left to the end of the application
    // object, it is closed after the display connection and the terminal crashes as it quits.
    static void closeKeyboard();
};
