#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>
#include <QString>

class Catalogue;
class Covers;
class HandlerGuard;
class Navigation;
class RegisterLink;
class Session;
struct Request;
class SettingsStore;
class TableChoiceView;
class TicketDisplay;
class TicketView;
class TransientNotice;

// Choosing the table to serve: from the free or the occupied tables, from the room plan, or none (the waiter's
// own account). A table taken asks the register for its covers, then opens the covers panel or the ticket.
class TableChoice final : public QObject
{
public:
    static constexpr int FreeNoticeRounds = 100;
    static constexpr int BusyNoticeRounds = 150;

    TableChoice(RegisterLink& link, Session& session, const SettingsStore& settings, const Catalogue& catalogue,
                HandlerGuard& guard, TransientNotice& notice, ViewSlot<TableChoiceView>& tableChoiceView,
                ViewSlot<TicketView>& ticketView, Covers& covers, TicketDisplay& ticketDisplay, Navigation& screens);

    // "Travailler sans table sur le compte serveur".
    void workWithoutTable();
    // "Tables libres", "Tables occupées".
    void listFreeTables();
    void listBusyTables();
    // "Valider" of the table list.
    void takeTableFromList();
    // A table touched on the room plan, 1 to 100.
    void takeTableFromPlan(int table);

private:
    void fillList(const Request& request, const QString& state, const QString& emptyNotice, int rounds);
    // Asks the covers of the table just taken: they become the session's when they can go out in its requests.
    void takeCovers(const Request& request);
    bool coversWanted() const;
    void forgetTicket();
    void openTicket();

    RegisterLink& m_link;
    Session& m_session;
    const SettingsStore& m_settings;
    const Catalogue& m_catalogue;
    TransientNotice& m_notice;
    ViewSlot<TableChoiceView>& m_tableChoiceView;
    ViewSlot<TicketView>& m_ticketView;
    Covers& m_covers;
    TicketDisplay& m_ticketDisplay;
    Navigation& m_screens;
};
