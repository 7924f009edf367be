#include "FingerTouch.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

// far past the stamps QTest gives its own events, which never reach it
int stamp = 10'000'000;

void send(QWidget* widget, const QPoint& at, QEvent::Type type)
{
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, at);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    qt_handleMouseEvent(window->windowHandle(), inWindow, window->mapToGlobal(inWindow), held, Qt::LeftButton, type,
                        Qt::NoModifier, stamp);
    QCoreApplication::processEvents();
}

void click(QWidget* widget, const QPoint& at, int afterMs)
{
    stamp += afterMs;
    send(widget, at, QEvent::MouseButtonPress);
    stamp += 50;
    send(widget, at, QEvent::MouseButtonRelease);
}

} // namespace

namespace FingerTouch {

void tap(QWidget* widget, const QPoint& at)
{
    click(widget, at, 1000);
}

void doubleTap(QWidget* widget, const QPoint& at)
{
    const QPoint inWindow = widget->mapTo(widget->window(), at);
    QWidget* window = widget->window();
    tap(widget, at);
    // the widget the first touch reached may be gone: the second lands on whatever lies there now
    click(window, inWindow, 100);
}

} // namespace FingerTouch
