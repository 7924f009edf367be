#include "KitchenDispatch.h"

#include "KitchenDispatchPanel.h"
#include "KitchenReplies.h"
#include "TicketView.h"
#include "link/RegisterLink.h"
#include "session/Limits.h"
#include "session/Session.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"

namespace {

const QString Sent = QStringLiteral("Envoyé..");

} // namespace

KitchenDispatch::KitchenDispatch(RegisterLink& link, Session& session, HandlerGuard& guard,
                                 ViewSlot<TicketView>& ticketView, KitchenDispatchPanel& panel, Navigation& screens)
    : m_link(link), m_session(session), m_ticketView(ticketView), m_panel(panel), m_screens(screens)
{
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        guard.connect(view.sendToKitchenKey(), &RedKey::clicked, this, [this] { sendToKitchen(); });
        guard.connect(view.sendAllAndLeaveKey(), &RedKey::clicked, this, [this] { sendAllAndLeave(); });
    });
    guard.connect(m_panel.sendAllKey(), &RedKey::clicked, this, [this] { sendCourse(0); });
    for (int course = 1; course <= Limits::Courses; ++course)
        guard.connect(m_panel.courseKey(course), &RedKey::clicked, this, [this, course] { sendCourse(course); });
}

void KitchenDispatch::sendToKitchen()
{
    m_ticketView->closeLinePanel();
    // a link error reaches the waiter and nothing is sent; a silent register (an empty reply) still gets everything,
    // as it always has
    const QString reply = m_link.exchange(m_session.waitingCoursesQuery()).reply;
    const std::optional<QList<int>> courses = KitchenReplies::coursesToChoose(reply);
    if (!courses) {
        sendCourse(0);
        return;
    }
    m_panel.offerCourses(*courses);
    m_ticketView->openDispatchPanel(&m_panel);
}

void KitchenDispatch::sendCourse(int course)
{
    if (dispatch(course))
        m_ticketView->showNote(Sent);
    m_screens.showTicket();
    m_panel.hide();
}

void KitchenDispatch::sendAllAndLeave()
{
    m_ticketView->closeLinePanel();
    m_screens.leaveTicket();
    if (dispatch(0))
        m_ticketView->showNote(Sent);
    m_link.exchange(m_session.leaveTableNotice());
}

bool KitchenDispatch::dispatch(int course)
{
    // after a failure "Envoyé.." would tell the waiter the kitchen has it
    return m_link.exchange(m_session.kitchenDispatch(course)).ok();
}
