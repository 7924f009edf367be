#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>
#include <QString>

class HandlerGuard;
class Navigation;
class PaymentView;
class RegisterLink;
class Session;
class TicketView;
class TransientNotice;

// The end of a table: "Finaliser ticket" shows the amount to pay beside a copy of the ticket, a payment key records
// the mode and goes back to the table choice; "Proforma" has the register print a bill.
class TicketClosing final : public QObject
{
public:
    static constexpr int NoticeRounds = 100;

    TicketClosing(RegisterLink& link, Session& session, HandlerGuard& guard, TransientNotice& notice,
                  ViewSlot<TicketView>& ticketView, ViewSlot<PaymentView>& paymentView, Navigation& screens);

    // "Finaliser ticket".
    void finaliseTicket();
    // The payment keys, modes 1 to 4.
    void payBy(int mode);
    // "Proforma".
    void askProforma();

private:
    // Whether the ticket view is made and up: its keys act only then.
    bool ticketShown() const;

    RegisterLink& m_link;
    Session& m_session;
    TransientNotice& m_notice;
    ViewSlot<TicketView>& m_ticketView;
    ViewSlot<PaymentView>& m_paymentView;
    Navigation& m_screens;
};
