#include "LineOperations.h"

#include "LineActionPanel.h"
#include "TicketDisplay.h"
#include "TicketView.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"

#include <QPushButton>

LineOperations::LineOperations(RegisterLink& link, Session& session, HandlerGuard& guard,
                               ViewSlot<TicketView>& ticketView, TicketDisplay& ticketDisplay, Navigation& screens)
    : m_link(link), m_session(session), m_ticketView(ticketView), m_ticketDisplay(ticketDisplay), m_screens(screens)
{
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        LineActionPanel* panel = view.lineActionPanel();
        guard.connect(panel->removeOneButton(), &QPushButton::clicked, this, [this] { removeOne(); });
        guard.connect(panel->offerLineButton(), &QPushButton::clicked, this, [this] { offerLine(); });
    });
}

void LineOperations::removeOne()
{
    change(m_session.lineRemoval(m_ticketDisplay.linenumber()));
}

void LineOperations::offerLine()
{
    change(m_session.lineOffer(m_ticketDisplay.linenumber()));
}

// The line named as the selection left it: the register checks it against the ticket it holds.
void LineOperations::change(const Request& request)
{
    m_ticketView->closeLinePanel();
    m_screens.paintNow();
    // the waiter picks again on the register's ticket, now on screen
    if (!m_ticketDisplay.selectionHeld())
        return;
    // after a failure the ticket stays as it was: nothing says the register changed it
    if (m_link.exchange(request).failed)
        return;
    m_ticketDisplay.refresh();
}
