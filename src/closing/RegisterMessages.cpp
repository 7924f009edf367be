#include "RegisterMessages.h"

#include "MessageView.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "ticket/TicketView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"

#include <QPushButton>

RegisterMessages::RegisterMessages(RegisterLink& link, Session& session, HandlerGuard& guard,
                                   ViewSlot<TicketView>& ticketView, ViewSlot<MessageView>& messageView,
                                   Navigation& screens)
    : m_link(link), m_session(session), m_ticketView(ticketView), m_messageView(messageView), m_screens(screens)
{
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        guard.connect(view.registerMessageKey(), &RedKey::clicked, this, [this] { open(); });
    });
    m_messageView.whenMade([this, &guard = guard](MessageView& view) {
        guard.connect(view.toRegisterScreenKey(), &RedKey::clicked, this, [this] { sendToRegisterScreen(); });
        guard.connect(view.toKitchenPrintersKey(), &RedKey::clicked, this, [this] { sendToKitchenPrinters(); });
        guard.connect(view.cancelButton(), &QPushButton::clicked, this, [this] { cancel(); });
    });
}

void RegisterMessages::open()
{
    m_ticketView->closeLinePanel();
    m_screens.showTicket();
    m_screens.paintNow();
    m_screens.openMessageEntry();
    m_messageView->open();
}

void RegisterMessages::sendToRegisterScreen()
{
    send(m_session.registerScreenMessage(m_messageView->text()));
}

void RegisterMessages::sendToKitchenPrinters()
{
    send(m_session.kitchenPrintersMessage(m_messageView->text()));
}

void RegisterMessages::cancel()
{
    m_screens.closeMessageEntry();
}

void RegisterMessages::send(const Request& request)
{
    m_screens.closeMessageEntry();
    // not sent: the text stays in the box
    if (m_link.exchange(request).sent)
        m_messageView->clearText();
}
