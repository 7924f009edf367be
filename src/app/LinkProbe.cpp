#include "LinkProbe.h"

#include "StartView.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"

LinkProbe::LinkProbe(RegisterLink& link, HandlerGuard& guard, const StartView& startView, Navigation& screens)
    : m_link(link), m_startView(startView), m_screens(screens)
{
    m_timer.setObjectName(QStringLiteral("Timer3"));
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this, &guard] { guard.run([this] { probe(); }); });
}

void LinkProbe::probe()
{
    // an open connection is trusted until an exchange finds it closed; one left unanswered is closed at once
    if (m_startView.isVisible() || m_link.connected())
        return;
    // a tap's connect has just failed: that was this round's attempt, and another would only hold the screen again
    if (m_link.connectFailed()) {
        m_screens.bringStartForward();
        return;
    }
    if (m_link.exchange(Session::linkProbe()).reply != QLatin1String("OK"))
        m_screens.bringStartForward();
}
