#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class HandlerGuard;
class Navigation;
class PlanView;
class RegisterLink;
class TableButtons;
class TableChoiceView;
class TicketView;

// The room plan: its tables coloured by the state the register gives each one, opened from the table choice
// or straight from the ticket.
class RoomPlan final : public QObject
{
public:
    RoomPlan(RegisterLink& link, HandlerGuard& guard, TableButtons& tables, ViewSlot<TableChoiceView>& tableChoiceView,
             ViewSlot<PlanView>& planView, ViewSlot<TicketView>& ticketView, Navigation& screens);

    // "Plan de salle".
    void openFromTableChoice();
    // "Choisir table", on the ticket.
    void openFromTicket();
    // Asks the register for the tables' states and colours the tables shown on the plan.
    void refreshTableStates();

private:
    RegisterLink& m_link;
    TableButtons& m_tables;
    ViewSlot<TicketView>& m_ticketView;
    Navigation& m_screens;
};
