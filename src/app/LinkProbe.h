#pragma once

#include <QObject>
#include <QTimer>

class HandlerGuard;
class Navigation;
class RegisterLink;
class StartView;

// Brings the start view back once the register can no longer be reached. Started by the catalogue load and
// restarted by each product key, so a probe never comes right after an order. A tick is a handler like a tap: while
// another handler runs it is dropped, so the probe never exchanges in the middle of that handler's exchanges.
class LinkProbe final : public QObject
{
public:
    static constexpr int IntervalMs = 1000;

    LinkProbe(RegisterLink& link, HandlerGuard& guard, const StartView& startView, Navigation& screens);

    void start() { m_timer.start(); }
    bool isActive() const { return m_timer.isActive(); }
    // One round of the probe, as at each tick.
    void probe();

private:
    RegisterLink& m_link;
    const StartView& m_startView;
    Navigation& m_screens;
    QTimer m_timer;
};
