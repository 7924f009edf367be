#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class HandlerGuard;
class Navigation;
class ParkingView;
class RegisterLink;
class Session;
class TicketView;

// Sending the order to the preparation printers: everything at once, or the course the waiter picks when several
// are waiting; and "Retour menu", which sends everything and goes back to the table choice.
class KitchenDispatch final : public QObject
{
public:
    KitchenDispatch(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<TicketView>& ticketView,
                    ViewSlot<ParkingView>& parkingView, Navigation& screens);

    // "Envoyer prépa".
    void sendToKitchen();
    // "Tout envoyer en préparation" (course 0) and "Envoyer les boissons" to "Envoyer les desserts" (1 to 7).
    void sendCourse(int course);
    // "Retour menu".
    void sendAllAndLeave();

private:
    // Whether the register took the dispatch.
    bool dispatch(int course);

    RegisterLink& m_link;
    Session& m_session;
    ViewSlot<TicketView>& m_ticketView;
    // holds the dispatch panel while the ticket does not show it
    ViewSlot<ParkingView>& m_parkingView;
    Navigation& m_screens;
};
