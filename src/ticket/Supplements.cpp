#include "Supplements.h"

#include "ParkingView.h"
#include "TicketDisplay.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "widgets/HandlerGuard.h"

#include <QPushButton>

Supplements::Supplements(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<ParkingView>& parkingView,
                         TicketDisplay& ticketDisplay)
    : m_link(link), m_session(session), m_parkingView(parkingView), m_ticketDisplay(ticketDisplay)
{
    m_parkingView.whenMade([this, &guard = guard](ParkingView& view) {
        guard.connect(view.leaveSupplementsButton(), &QPushButton::clicked, this, [this] { orderTicked(); });
    });
}

void Supplements::open(DesignView& screen)
{
    m_parkingView->openSupplements(screen);
}

void Supplements::orderTicked()
{
    // the panel's button is the way here: the view is made by then
    const QList<bool> ticked = m_parkingView->supplementTicks();
    // a supplement that fails is skipped; the others still go
    for (int position = 0; position < ticked.size(); ++position) {
        if (ticked.at(position))
            m_link.exchange(m_session.supplementRequest(position));
    }
    m_parkingView->parkSupplements();
    m_ticketDisplay.refresh();
}
