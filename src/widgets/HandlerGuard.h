#pragma once

#include "link/FormatError.h"
#include "link/LinkError.h"

#include <QObject>

class QWidget;

// Every handler a tap, a key or a timer starts runs through here. Handlers let pending UI events run on the way (a
// notice's rounds, a repaint), so a touch may arrive in the middle: whatever screen it comes from, it must not start
// a second handler whose requests and screens would come between this one's. A link or number error a handler does
// not catch itself reaches the general error display.
class HandlerGuard final
{
public:
    // messages are shown over that window
    explicit HandlerGuard(QWidget* window) : m_window(window) {}
    HandlerGuard(const HandlerGuard&) = delete;
    HandlerGuard& operator=(const HandlerGuard&) = delete;

    bool busy() const { return m_busy; }

    // Runs the handler unless another one runs; returns whether it ran.
    template <typename Handler> bool run(Handler&& handler);

    // Runs the handler through the guard at each emission of the signal; the signal's arguments are not passed.
    template <typename Sender, typename Signal, typename Handler>
    void connect(Sender* sender, Signal signal, QObject* context, Handler handler)
    {
        QObject::connect(sender, signal, context, [this, handler] { run(handler); });
    }

private:
    void showError(const QString& text);

    QWidget* m_window;
    bool m_busy = false;
};

template <typename Handler> bool HandlerGuard::run(Handler&& handler)
{
    if (m_busy)
        return false;
    m_busy = true;
    try {
        handler();
    } catch (const LinkError& error) {
        m_busy = false;
        showError(error.text());
        return true;
    } catch (const FormatError& error) {
        m_busy = false;
        showError(error.text());
        return true;
    } catch (...) {
        m_busy = false;
        throw;
    }
    m_busy = false;
    return true;
}
