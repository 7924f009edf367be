#pragma once

#include "link/FormatError.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"

#include <QObject>

#include <deque>
#include <functional>

class QWidget;

// Every handler a tap, a key or a timer starts runs through here. Handlers let pending UI events run on the way (a
// notice's rounds, a repaint), so a touch may arrive in the middle: whatever screen it comes from, it must not start
// a second handler whose requests and screens would come between this one's. Each handler is one tap for the link:
// its exchanges share one bound. A link error its request's plan raises, or a number error, reaches the general
// error display.
class HandlerGuard final
{
public:
    // messages are shown over that window
    HandlerGuard(QWidget* window, RegisterLink& link) : m_window(window), m_link(link) {}
    HandlerGuard(const HandlerGuard&) = delete;
    HandlerGuard& operator=(const HandlerGuard&) = delete;

    bool busy() const { return m_busy; }

    // Runs the handler unless another one runs; returns whether it ran.
    template <typename Handler> bool run(Handler&& handler) { return runReporting(handler, true); }
    // The same for a handler nobody asked for, such as the start at activation: its link or number error ends it
    // without a message.
    template <typename Handler> bool runSilently(Handler&& handler) { return runReporting(handler, false); }
    // Runs the handler now, or when the one running ends: queued handlers run in the order they came.
    void runOrQueue(std::function<void()> handler);
    // Whether handlers wait for the one running.
    bool hasQueued() const { return !m_queued.empty(); }
    // The handlers waiting when the one running ends, and those queued until then, are dropped, not run.
    void dropQueuedWhenDone() { m_dropQueued = m_busy; }

    // Runs the handler through the guard at each emission of the signal; the signal's arguments are not passed.
    template <typename Sender, typename Signal, typename Handler>
    void connect(Sender* sender, Signal signal, QObject* context, Handler handler)
    {
        QObject::connect(sender, signal, context, [this, handler] { run(handler); });
    }

private:
    template <typename Handler> bool runReporting(Handler&& handler, bool reportErrors);
    void showError(const QString& text);
    void runQueued();

    QWidget* m_window;
    RegisterLink& m_link;
    bool m_busy = false;
    bool m_dropQueued = false;
    std::deque<std::function<void()>> m_queued;
};

template <typename Handler> bool HandlerGuard::runReporting(Handler&& handler, bool reportErrors)
{
    if (m_busy)
        return false;
    m_busy = true;
    try {
        const RegisterLink::Tap tap(m_link);
        handler();
    } catch (const LinkError& error) {
        m_busy = false;
        if (reportErrors)
            showError(error.text());
    } catch (const FormatError& error) {
        m_busy = false;
        if (reportErrors)
            showError(error.text());
    } catch (...) {
        m_busy = false;
        m_dropQueued = false;
        m_queued.clear();
        throw;
    }
    m_busy = false;
    runQueued();
    return true;
}
