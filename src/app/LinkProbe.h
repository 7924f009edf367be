#pragma once

#include <QObject>
#include <QTimer>

class RegisterLink;
class StartView;

// Brings the start view back once the register can no longer be reached. Started by the catalogue load and
// restarted by each product key, so a probe never comes right after an order.
class LinkProbe final : public QObject
{
public:
    static constexpr int IntervalMs = 1000;

    LinkProbe(RegisterLink& link, StartView& startView);

    void start() { m_timer.start(); }
    bool isActive() const { return m_timer.isActive(); }
    // One round of the probe, as at each tick.
    void probe();

private:
    RegisterLink& m_link;
    StartView& m_startView;
    QTimer m_timer;
};
