#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class HandlerGuard;
class MessageView;
class Navigation;
class QString;
class RegisterLink;
class Session;
struct Request;
class TicketView;

// "Message caisse": a free text typed by the waiter, for the register's screen or its preparation printers.
class RegisterMessages final : public QObject
{
public:
    RegisterMessages(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<TicketView>& ticketView,
                     ViewSlot<MessageView>& messageView, Navigation& screens);

    // "Message caisse".
    void open();
    // "Envoi vers écran de caisse".
    void sendToRegisterScreen();
    // "Envoi vers imprimantes préparation".
    void sendToKitchenPrinters();
    // "Annuler": nothing is sent, the text stays until the next opening.
    void cancel();

private:
    void send(const Request& request);

    RegisterLink& m_link;
    Session& m_session;
    ViewSlot<TicketView>& m_ticketView;
    ViewSlot<MessageView>& m_messageView;
    Navigation& m_screens;
};
