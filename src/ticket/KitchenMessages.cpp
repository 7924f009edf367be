#include "KitchenMessages.h"

#include "KitchenReplies.h"
#include "TicketView.h"
#include "catalogue/Catalogue.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "widgets/CheckList.h"
#include "widgets/HandlerGuard.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QPushButton>

KitchenMessages::KitchenMessages(RegisterLink& link, Session& session, const Catalogue& catalogue,
                                 const ProductTable& products, HandlerGuard& guard, ViewSlot<TicketView>& ticketView,
                                 std::function<bool()> nextCourseSupported)
    : m_link(link), m_session(session), m_catalogue(catalogue), m_products(products), m_ticketView(ticketView),
      m_nextCourseSupported(std::move(nextCourseSupported))
{
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        guard.connect(view.recallKey(), &RedKey::clicked, this, [this] { openRecallList(); });
        guard.connect(view.nextCourseKey(), &RedKey::clicked, this, [this] { askNextCourse(); });
        guard.connect(view.recallSendButton(), &QPushButton::clicked, this, [this] { sendTicked(); });
    });
}

void KitchenMessages::openRecallList()
{
    m_listHoldsNextCourses = false;
    m_ticketView->closeLinePanel();
    QStringList messages = m_catalogue.rappel();
    // the register closes its list of recall messages with an empty one
    if (!messages.isEmpty())
        messages.removeLast();
    m_ticketView->openKitchenList(messages);
}

void KitchenMessages::askNextCourse()
{
    const QString reply = m_link.exchange(m_session.nextCourseQuery()).reply;
    if (reply.isEmpty()) {
        // an older register never answers this request
        MessageBox::show(&m_ticketView.get(),
                         m_nextCourseSupported() ? QStringLiteral("Aucune suite à réclamer")
                                                 : QStringLiteral("Votre version de Quillobrand n'est pas compatible"));
        return;
    }
    if (KitchenReplies::isNoPrinter(reply)) {
        MessageBox::show(&m_ticketView.get(), QStringLiteral("Aucune imprimante déportée!"));
        return;
    }
    m_listHoldsNextCourses = true;
    m_ticketView->closeLinePanel();
    m_ticketView->openKitchenList(
        KitchenReplies::nextCourseEntries(reply, [this](int article) { return kitchenLabel(article); }));
}

void KitchenMessages::sendTicked()
{
    m_ticketView->closeKitchenList();
    const QList<bool> ticks = m_ticketView->takeKitchenListTicks();
    m_link.exchange(m_listHoldsNextCourses ? m_session.nextCourseClaim(ticks) : m_session.recallMessages(ticks));
}

std::optional<QString> KitchenMessages::kitchenLabel(int article) const
{
    // an article no product orders reads as product 0, which is another dish
    const int k = m_catalogue.articles(article);
    if (article <= 0 || m_products.art(k) != article)
        return std::nullopt;
    return m_products.textecuis(k);
}
