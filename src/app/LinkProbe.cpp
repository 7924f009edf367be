#include "LinkProbe.h"

#include "StartView.h"
#include "link/RegisterLink.h"

LinkProbe::LinkProbe(RegisterLink& link, StartView& startView) : m_link(link), m_startView(startView)
{
    m_timer.setObjectName(QStringLiteral("Timer3"));
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &LinkProbe::probe);
}

void LinkProbe::probe()
{
    // an open connection is trusted until an exchange finds it closed
    if (m_startView.isVisible() || m_link.connected())
        return;
    ExchangeOptions options;
    options.onError = OnError::Quiet;
    if (m_link.exchange(QStringLiteral("connect"), options) != QLatin1String("OK"))
        m_startView.bringToFront();
}
