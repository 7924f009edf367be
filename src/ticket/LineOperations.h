#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class HandlerGuard;
class Navigation;
class RegisterLink;
class Session;
struct Request;
class TicketDisplay;
class TicketView;

// "Enlever 1" and "Offrir cette ligne" of the line panel: the register changes the selected line, the terminal
// shows the ticket it then holds.
class LineOperations final : public QObject
{
public:
    LineOperations(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<TicketView>& ticketView,
                   TicketDisplay& ticketDisplay, Navigation& screens);

    void removeOne();
    void offerLine();

private:
    void change(const Request& request);

    RegisterLink& m_link;
    Session& m_session;
    ViewSlot<TicketView>& m_ticketView;
    TicketDisplay& m_ticketDisplay;
    Navigation& m_screens;
};
