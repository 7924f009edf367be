#include "RoomPlan.h"

#include "PlanView.h"
#include "TableButtons.h"
#include "TableChoiceView.h"
#include "TableReplies.h"
#include "link/RegisterLink.h"
#include "session/Limits.h"
#include "session/Session.h"
#include "ticket/TicketView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/ColouredLabel.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"

#include <QPushButton>

namespace {

struct Pass
{
    QColor body;
    QColor caption;
};

// A later pass paints over an earlier one; the third whitens every caption, flagged or not.
const std::array<Pass, TableReplies::TableStates::Groups> Passes{{
    {QColor::fromRgba(0xFF0000FF), QColor::fromRgba(0xFFFFFFFF)},
    {QColor::fromRgba(0xFFB6B6B6), QColor::fromRgba(0x00000000)},
    {QColor::fromRgba(0xFFFF0000), QColor::fromRgba(0xFFFFFFFF)},
}};

} // namespace

RoomPlan::RoomPlan(RegisterLink& link, HandlerGuard& guard, TableButtons& tables,
                   ViewSlot<TableChoiceView>& tableChoiceView, ViewSlot<PlanView>& planView,
                   ViewSlot<TicketView>& ticketView, Navigation& screens)
    : m_link(link), m_tables(tables), m_ticketView(ticketView), m_screens(screens)
{
    tableChoiceView.whenMade([this, &guard = guard](TableChoiceView& view) {
        guard.connect(view.roomPlanKey(), &RedKey::clicked, this, [this] { openFromTableChoice(); });
    });
    m_ticketView.whenMade([this, &guard = guard](TicketView& view) {
        guard.connect(view.chooseTableKey(), &RedKey::clicked, this, [this] { openFromTicket(); });
    });
    planView.whenMade([this, &guard = guard](PlanView& view) {
        guard.connect(view.closeButton(), &QPushButton::clicked, this, [this] { m_screens.closePlan(); });
    });
}

void RoomPlan::openFromTableChoice()
{
    m_screens.showPlan();
    refreshTableStates();
}

void RoomPlan::openFromTicket()
{
    m_ticketView->closeLinePanel();
    // the curtain keeps the ticket's keys out of reach while the plan is being prepared
    m_ticketView->showCurtain();
    m_screens.showPlanFromTicket();
    refreshTableStates();
    m_ticketView->hideCurtain();
}

void RoomPlan::refreshTableStates()
{
    // no states: the tables keep their colours and only the captions are whitened
    const TableReplies::TableStates states =
        TableReplies::tableStates(m_link.exchange(Session::tableStatesQuery()).reply);
    for (int pass = 0; pass < TableReplies::TableStates::Groups; ++pass) {
        for (int z = 0; z < qMin(m_tables.count(), Limits::Tables); ++z) {
            CatalogueKey* table = m_tables.key(z);
            // a table the catalogue does not show is left alone
            if (!table || table->isHidden())
                continue;
            const bool flagged = states.flags.at(size_t(pass)).at(size_t(z));
            if (flagged)
                table->setColour(Passes.at(size_t(pass)).body);
            if (flagged || pass == TableReplies::TableStates::Groups - 1)
                setTextColour(table, Passes.at(size_t(pass)).caption);
        }
    }
}
