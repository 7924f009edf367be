#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class DesignView;
class HandlerGuard;
class ParkingView;
class RegisterLink;
class Session;
class TicketDisplay;

// The supplements panel: opened after an article that takes supplements, it orders each ticked supplement under
// that article when the waiter leaves it. Ticks stay from one opening to the next.
class Supplements final : public QObject
{
public:
    Supplements(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<ParkingView>& parkingView,
                TicketDisplay& ticketDisplay);

    // The panel over the screen the article was ordered on.
    void open(DesignView& screen);
    // "Quitter les suppléments": each ticked supplement in list order, then the panel closes and the ticket is shown.
    void orderTicked();

private:
    RegisterLink& m_link;
    Session& m_session;
    ViewSlot<ParkingView>& m_parkingView;
    TicketDisplay& m_ticketDisplay;
};
