#include "TicketClosing.h"

#include "ClosingReplies.h"
#include "PaymentView.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "ticket/TicketView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"
#include "widgets/TransientNotice.h"

#include <QPlainTextEdit>

#include <array>

namespace {

// the payment keys of modes 1 to 4
const std::array<RedKey* (PaymentView::*)() const, Session::PaymentModes> PaymentKeys{{
    &PaymentView::paymentMode1Key,
    &PaymentView::paymentMode2Key,
    &PaymentView::paymentMode3Key,
    &PaymentView::paymentMode4Key,
}};

} // namespace

TicketClosing::TicketClosing(RegisterLink& link, Session& session, HandlerGuard& guard, TransientNotice& notice,
                             ViewSlot<TicketView>& ticketView, ViewSlot<PaymentView>& paymentView, Navigation& screens)
    : m_link(link), m_session(session), m_notice(notice), m_ticketView(ticketView), m_paymentView(paymentView),
      m_screens(screens)
{
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        guard.connect(view.finaliseKey(), &RedKey::clicked, this, [this] { finaliseTicket(); });
        guard.connect(view.proformaKey(), &RedKey::clicked, this, [this] { askProforma(); });
    });
    m_paymentView.whenMade([this, &guard = guard](PaymentView& view) {
        for (int mode = 1; mode <= Session::PaymentModes; ++mode)
            guard.connect((view.*PaymentKeys.at(size_t(mode - 1)))(), &RedKey::clicked, this,
                          [this, mode] { payBy(mode); });
    });
}

bool TicketClosing::ticketShown() const
{
    const TicketView* ticket = m_ticketView.ifMade();
    return ticket && ticket->isVisible();
}

void TicketClosing::finaliseTicket()
{
    if (!ticketShown())
        return;
    m_ticketView->closeLinePanel();
    // the curtain says the register is being asked: a register out of reach leaves the ticket as it was
    if (!m_link.reach())
        return;
    m_ticketView->showCurtain();
    m_screens.paintNow();
    const Exchange done = m_link.exchange(m_session.totalQuery());
    if (done.failed) {
        // no total to show: the waiter stays on his ticket, is told why, and may try again
        m_ticketView->hideCurtain();
        throw LinkError(done.error);
    }
    const ClosingReplies total(done.reply);
    m_ticketView->hideCurtain();
    if (total.alreadyFinalised()) {
        m_screens.paintNow();
        m_screens.repaintTicket();
        m_notice.showOver(m_screens, m_ticketView->ticketMemo(),
                          QStringLiteral("Impossible\rCette table  est déjà finalisée"), NoticeRounds);
        m_screens.bringTicketForward();
        m_screens.repaintTicket();
        return;
    }
    m_paymentView->showBill(m_ticketView->ticketMemo()->toPlainText(), total.amountDue());
    m_screens.showPayment();
}

void TicketClosing::payBy(int mode)
{
    // the table choice comes back whatever the register made of it
    m_link.exchange(m_session.payment(mode));
    m_screens.leaveTicket();
}

void TicketClosing::askProforma()
{
    if (!ticketShown())
        return;
    m_ticketView->closeLinePanel();
    const Exchange done = m_link.exchange(m_session.proformaRequest());
    // a pro-forma that never went out is not reported; one sent is the register's to print
    if (!done.sent)
        return;
    if (ClosingReplies(done.reply).noTicket())
        m_notice.showOver(m_screens, m_ticketView->ticketMemo(), QStringLiteral("Impossible\rAucun ticket en cours"),
                          NoticeRounds);
}
