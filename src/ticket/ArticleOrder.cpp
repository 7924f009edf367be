#include "ArticleOrder.h"

#include "CoursePanel.h"
#include "OrderChoices.h"
#include "ParkingView.h"
#include "ProductKeys.h"
#include "Supplements.h"
#include "TicketDisplay.h"
#include "TicketView.h"
#include "TouchedKey.h"
#include "catalogue/ProductTable.h"
#include "link/RegisterLink.h"
#include "session/ExchangePlans.h"
#include "session/Limits.h"
#include "session/Session.h"
#include "widgets/CatalogueKey.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"
#include "widgets/TransientNotice.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace {

// Whether the key is what a finger at that point of the window touches now: no view or panel covers it there, and
// it has not scrolled away from it.
bool underPoint(CatalogueKey* key, const QPoint& inWindow)
{
    if (!key || !key->isVisible())
        return false;
    const QWidget* top = key->window()->childAt(inWindow);
    return top && (top == key || key->isAncestorOf(top));
}

} // namespace

ArticleOrder::ArticleOrder(RegisterLink& link, Session& session, const ProductTable& products,
                           const Catalogue& catalogue, HandlerGuard& guard, ProductKeys& keys,
                           ViewSlot<TicketView>& ticketView, ViewSlot<ParkingView>& parkingView,
                           TicketDisplay& ticketDisplay, Supplements& supplements, TransientNotice& notice,
                           Navigation& screens, std::function<void()> restartLinkProbe)
    : m_link(link), m_session(session), m_products(products), m_catalogue(catalogue), m_guard(guard), m_keys(keys),
      m_ticketView(ticketView), m_parkingView(parkingView), m_ticketDisplay(ticketDisplay), m_supplements(supplements),
      m_notice(notice), m_screens(screens), m_restartLinkProbe(std::move(restartLinkProbe))
{
    connect(&m_keys, &ProductKeys::productTapped, this, [this](int k) {
        if (m_guard.busy())
            queueTap(k);
        else
            m_guard.run([&] { addArticle(k); });
    });
    m_parkingView.whenMade([this](ParkingView& view) {
        for (int course = 1; course <= Limits::Courses; ++course) {
            m_guard.connect(view.coursePanel()->courseKey(course), &RedKey::clicked, this,
                            [this, course] { chooseCourse(course); });
        }
    });
    m_ticketView.whenMade([this](TicketView& view) {
        m_guard.connect(view.optionsValidateButton(), &QPushButton::clicked, this,
                        [this] { validateKitchenOptions(); });
    });
}

void ArticleOrder::queueTap(int k)
{
    CatalogueKey* key = m_keys.key(k);
    // the caption goes at once, as for any touch, and comes back once the tap is dealt with or dropped
    auto touched = std::make_shared<TouchedKey>(key);
    const QPoint at = key ? key->mapTo(key->window(), key->tapPoint()) : QPoint();
    m_guard.runOrQueue([this, k, at, touched] {
        // a panel or a view the running handler opened stands there now: the waiter never meant to tap it there
        if (underPoint(m_keys.key(k), at))
            addArticle(k);
    });
}

void ArticleOrder::addArticle(int k)
{
    m_session.setCourse(0);
    TouchedKey touched(m_keys.key(k));
    m_screens.paintNow();
    RegisterLink::pause(ExchangePlans::TouchShownMs);
    m_article = k;
    m_restartLinkProbe();
    m_ticketView->closeLinePanel();
    m_screens.paintNow();
    // only a built key orders: an index past the table or without a key of its own orders nothing
    if (!m_keys.key(k))
        return;
    m_artencours = m_products.art(k);
    m_ticketView->hideNote();

    const OrderChoices::CourseChoice courses = OrderChoices::courseChoice(m_catalogue, m_artencours);
    // the parking view holds the course and supplements panels: made on the tap, before any exchange
    if (!courses.offered.isEmpty() || m_products.supp(m_artencours))
        m_parkingView.get();
    if (!courses.offered.isEmpty()) {
        m_parkingView->openCourses(m_ticketView.get(), courses.offered);
        return;
    }
    m_session.setCourse(courses.course);
    if (m_products.kitchenOptionFlag(k) != 0) {
        m_ticketView->openKitchenOptions(OrderChoices::kitchenOptions(m_catalogue, m_products.menucuis(k)));
        touched.release();
        m_screens.paintNow();
        return;
    }

    const Exchange done = m_link.exchange(m_session.articleRequest(m_artencours, m_session.course()));
    touched.release();
    const auto showNote = [this] { m_ticketView->showNote(note()); };
    // the register answers with the ticket it now holds
    if (done.answered) {
        showNote();
        m_ticketView->showTicket(done.reply);
    } else {
        // the note's second starts with the ticket on screen, not before the refresh that holds the screen
        showTicketAfterLostReply(showNote);
    }
    openSupplementsIfTaken();
}

void ArticleOrder::chooseCourse(int course)
{
    m_session.setCourse(course);
    // A touch still pending when the panel goes was aimed at it, never at the key it uncovers. "second plat" orders
    // before the panel goes, "fromage" hides it before it goes back and lets no event in.
    switch (course) {
    case 5:
        addWithCourse();
        m_parkingView->parkCourses();
        m_screens.paintDroppingInput();
        m_parkingView->hideCourses();
        break;
    case 6:
        m_parkingView->hideCourses();
        m_parkingView->parkCourses();
        addWithCourse();
        break;
    default:
        m_parkingView->parkCourses();
        m_screens.paintDroppingInput();
        m_parkingView->hideCourses();
        addWithCourse();
        break;
    }
}

void ArticleOrder::addWithCourse()
{
    const int k = m_article;
    if (m_products.kitchenOptionFlag(k) != 0) {
        m_ticketView->openKitchenOptions(OrderChoices::kitchenOptions(m_catalogue, m_products.menucuis(k)));
        return;
    }
    m_artencours = m_products.art(k);
    // the refresh below shows the ticket
    const bool answered =
        m_link.exchange(m_session.articleRequestAfterCourse(m_artencours, m_session.course())).answered;
    // the note's second starts with the ticket on screen, not before the refresh that holds the screen
    const auto showNote = [this] { m_ticketView->showNote(note()); };
    if (answered)
        m_ticketDisplay.refresh(TicketDisplay::TrailingLine::Read, TicketDisplay::OnSilence::EmptyTicket, showNote);
    else
        showTicketAfterLostReply(showNote);
    openSupplementsIfTaken();
}

void ArticleOrder::validateKitchenOptions()
{
    const QList<bool> ticked = m_ticketView->takeKitchenChoices();
    // Its reply is dropped: the refresh below shows the ticket. A failed send or read goes on to the refresh, as the
    // register may have taken the article; without a register nothing went out and the ticket stays as it was.
    if (!m_link.exchange(m_session.articleRequest(m_artencours, m_session.course(), ticked)).connected)
        return;
    // the line the register sends after the ticket is not waited for: the next request drops it before it goes
    if (!m_ticketDisplay.refresh(TicketDisplay::TrailingLine::Left, TicketDisplay::OnSilence::EmptyTicketUnlessBroken))
        return;
    openSupplementsIfTaken();
}

void ArticleOrder::showTicketAfterLostReply(const std::function<void()>& shown)
{
    // one refresh, as the course path makes anyway; a ticket emptied by silence would invite the same tap again
    m_ticketDisplay.refresh(TicketDisplay::TrailingLine::Read, TicketDisplay::OnSilence::KeepTicket, shown);
    const bool ticketKept = m_link.lastExchangeUnanswered();
    // Taps made on the frozen screen come in now and wait behind this one: the line may be on the ticket already, so
    // they are dropped with those made while the notice stands, and the waiter looks at the ticket first.
    m_screens.paintNow();
    const bool tapsDropped = m_guard.hasQueued();
    m_guard.dropQueuedWhenDone();
    if (ticketKept || tapsDropped)
        m_notice.showOver(m_screens, m_ticketView->ticketMemo(),
                          QStringLiteral("La caisse n'a pas répondu\rVérifiez le ticket"), UnansweredNoticeRounds);
}

void ArticleOrder::openSupplementsIfTaken()
{
    if (m_products.supp(m_artencours))
        m_supplements.open(m_ticketView.get());
}

QString ArticleOrder::note() const
{
    return QStringLiteral("1 * ") + m_products.texte(m_article);
}

int ArticleOrder::rangchoisi() const
{
    return m_session.course();
}
