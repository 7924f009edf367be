#include "TicketClosing.h"

#include "ClosingReplies.h"
#include "PaymentView.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "ticket/TicketView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/RedKey.h"
#include "widgets/TransientNotice.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

#include <array>

namespace {

struct PaymentKey
{
    RedKey* (PaymentView::*key)() const;
    const char* command;
    bool secondRead; // these two modes may be answered a little late
};

const std::array<PaymentKey, 4> PaymentKeys{{
    {&PaymentView::cb, "cb$", false},
    {&PaymentView::ch, "ch$", false},
    {&PaymentView::ba, "ba$", true},
    {&PaymentView::es, "es$", true},
}};

bool readsTwice(const QString& command)
{
    for (const PaymentKey& mode : PaymentKeys) {
        if (command == QLatin1String(mode.command))
            return mode.secondRead;
    }
    return false;
}

} // namespace

TicketClosing::TicketClosing(RegisterLink& link, Session& session, HandlerGuard& guard, TransientNotice& notice,
                             TicketView& ticketView, PaymentView& paymentView, QWidget& tableChoiceView)
    : m_link(link), m_session(session), m_notice(notice), m_ticketView(ticketView), m_paymentView(paymentView),
      m_tableChoiceView(tableChoiceView)
{
    guard.connect(m_ticketView.b9(), &RedKey::clicked, this, [this] { finaliseTicket(); });
    guard.connect(m_ticketView.b11(), &RedKey::clicked, this, [this] { askProforma(); });
    for (const PaymentKey& mode : PaymentKeys) {
        const QString command = QLatin1String(mode.command);
        guard.connect((m_paymentView.*mode.key)(), &RedKey::clicked, this, [this, command] { payBy(command); });
    }
}

void TicketClosing::finaliseTicket()
{
    if (!m_ticketView.isVisible())
        return;
    m_ticketView.closeLinePanel();
    // the curtain says the register is being asked: a register out of reach leaves the ticket as it was
    try {
        m_link.ensureConnected();
    } catch (const LinkError&) {
        return;
    }
    m_ticketView.showCurtain();
    QCoreApplication::processEvents();
    ExchangeOptions options;
    options.staleRead = true;
    options.pauseMs = TotalPauseMs;
    options.secondRead = true;
    options.secondReadPauseMs = TotalSecondReadPauseMs;
    QString reply;
    try {
        reply = m_link.exchange(m_session.totalQuery(), options);
    } catch (const LinkError&) {
        // no total to show: the waiter stays on his ticket, is told why, and may try again
        m_ticketView.hideCurtain();
        throw;
    }
    const ClosingReplies total(reply);
    m_ticketView.hideCurtain();
    if (total.alreadyFinalised()) {
        QCoreApplication::processEvents();
        m_ticketView.show();
        m_ticketView.repaint();
        m_notice.showOver(m_ticketView.Memo1(), QStringLiteral("Impossible\rCette table  est déjà finalisée"),
                          NoticeRounds);
        m_ticketView.show();
        m_ticketView.raise();
        m_ticketView.repaint();
        return;
    }
    m_paymentView.showBill(m_ticketView.Memo1()->toPlainText(), total.amountDue());
    m_paymentView.show();
    m_paymentView.raise();
}

void TicketClosing::payBy(const QString& command)
{
    ExchangeOptions options;
    options.pauseMs = PaymentPauseMs;
    options.secondRead = readsTwice(command);
    // the table choice comes back whatever the register made of it
    options.onError = OnError::Quiet;
    m_link.exchange(m_session.payment(command), options);
    m_tableChoiceView.show();
    m_ticketView.hide();
    m_paymentView.hide();
}

void TicketClosing::askProforma()
{
    if (!m_ticketView.isVisible())
        return;
    m_ticketView.closeLinePanel();
    ExchangeOptions options;
    options.staleRead = true;
    options.pauseMs = ProformaPauseMs;
    options.secondRead = true;
    options.onError = OnError::RaiseUnsent;
    QString reply;
    try {
        reply = m_link.exchange(m_session.proformaRequest(), options);
    } catch (const LinkError&) {
        return;
    }
    if (ClosingReplies(reply).noTicket())
        m_notice.showOver(m_ticketView.Memo1(), QStringLiteral("Impossible\rAucun ticket en cours"), NoticeRounds);
}
