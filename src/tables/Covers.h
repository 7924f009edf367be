#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class CoversPanel;
class HandlerGuard;
class Navigation;
class RegisterLink;
class Session;
class TableChoiceView;
class TicketDisplay;

// The covers panel: the register's count for the table, and the count the waiter gives it.
class Covers final : public QObject
{
public:
    Covers(RegisterLink& link, Session& session, HandlerGuard& guard, ViewSlot<TableChoiceView>& tableChoiceView,
           TicketDisplay& ticketDisplay, Navigation& screens);

    // A table just taken has no covers yet: the panel asks for them, "0" selected.
    void askForNewTable();
    // "Nombre de couverts": the panel with the register's count.
    void open();
    // "Valider ...": the chosen count goes to the register and the ticket opens.
    void validateCovers();
    // "Sortir".
    void close();

private:
    CoversPanel& panel();

    RegisterLink& m_link;
    Session& m_session;
    ViewSlot<TableChoiceView>& m_tableChoiceView;
    TicketDisplay& m_ticketDisplay;
    Navigation& m_screens;
};
