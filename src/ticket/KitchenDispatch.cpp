#include "KitchenDispatch.h"

#include "KitchenDispatchPanel.h"
#include "KitchenReplies.h"
#include "ParkingView.h"
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
                                 ViewSlot<TicketView>& ticketView, ViewSlot<ParkingView>& parkingView,
                                 Navigation& screens)
    : m_link(link), m_session(session), m_ticketView(ticketView), m_parkingView(parkingView), m_screens(screens)
{
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        guard.connect(view.sendToKitchenKey(), &RedKey::clicked, this, [this] { sendToKitchen(); });
        guard.connect(view.sendAllAndLeaveKey(), &RedKey::clicked, this, [this] { sendAllAndLeave(); });
    });
    m_parkingView.whenMade([this, &guard = guard](ParkingView& view) {
        KitchenDispatchPanel* panel = view.dispatchPanel();
        guard.connect(panel->sendAllKey(), &RedKey::clicked, this, [this] { sendCourse(0); });
        for (int course = 1; course <= Limits::Courses; ++course)
            guard.connect(panel->courseKey(course), &RedKey::clicked, this, [this, course] { sendCourse(course); });
    });
}

void KitchenDispatch::sendToKitchen()
{
    m_ticketView->closeLinePanel();
    // the panel may follow the query: its view is made on the tap, before the exchange
    KitchenDispatchPanel* panel = m_parkingView->dispatchPanel();
    // a link error reaches the waiter and nothing is sent; a silent register (an empty reply) still gets everything,
    // as it always has
    const QString reply = m_link.exchange(m_session.waitingCoursesQuery()).reply;
    const std::optional<QList<int>> courses = KitchenReplies::coursesToChoose(reply);
    if (!courses) {
        sendCourse(0);
        return;
    }
    panel->offerCourses(*courses);
    m_ticketView->openDispatchPanel(panel);
}

void KitchenDispatch::sendCourse(int course)
{
    if (dispatch(course))
        m_ticketView->showNote(Sent);
    m_screens.showTicket();
    if (ParkingView* parking = m_parkingView.ifMade())
        parking->dispatchPanel()->hide();
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
