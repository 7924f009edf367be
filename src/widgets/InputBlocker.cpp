#include "InputBlocker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

InputBlocker::InputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void InputBlocker::holdFor(int ms)
{
    const InputBlocker blocker;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
        QThread::msleep(static_cast<unsigned long>(qBound(qint64(1), ms - elapsed.elapsed(), qint64(20))));
    }
    // input that came in during the last slice is dropped too
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod: // an on-screen keyboard types without key events
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
