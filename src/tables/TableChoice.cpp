#include "TableChoice.h"

#include "Covers.h"
#include "TableChoiceView.h"
#include "TableListPanel.h"
#include "TableReplies.h"
#include "catalogue/Catalogue.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"
#include "widgets/TransientNotice.h"

#include <QPushButton>

TableChoice::TableChoice(RegisterLink& link, Session& session, const SettingsStore& settings,
                         const Catalogue& catalogue, HandlerGuard& guard, TransientNotice& notice,
                         ViewSlot<TableChoiceView>& tableChoiceView, ViewSlot<TicketView>& ticketView, Covers& covers,
                         TicketDisplay& ticketDisplay, Navigation& screens)
    : m_link(link), m_session(session), m_settings(settings), m_catalogue(catalogue), m_notice(notice),
      m_tableChoiceView(tableChoiceView), m_ticketView(ticketView), m_covers(covers), m_ticketDisplay(ticketDisplay),
      m_screens(screens)
{
    m_tableChoiceView.whenMade([this, &guard = guard](TableChoiceView& view) {
        guard.connect(view.waiterAccountKey(), &RedKey::clicked, this, [this] { workWithoutTable(); });
        guard.connect(view.freeTablesKey(), &RedKey::clicked, this, [this] { listFreeTables(); });
        guard.connect(view.busyTablesKey(), &RedKey::clicked, this, [this] { listBusyTables(); });
        guard.connect(view.tableListPanel()->cancelButton(), &QPushButton::clicked, this,
                      [this] { m_tableChoiceView->closeTableList(); });
        guard.connect(view.tableListPanel()->validateButton(), &QPushButton::clicked, this,
                      [this] { takeTableFromList(); });
    });
}

void TableChoice::workWithoutTable()
{
    m_session.leaveTable();
    forgetTicket();
    openTicket();
    m_tableChoiceView->closeTableList();
}

void TableChoice::listFreeTables()
{
    fillList(Session::freeTablesQuery(), QStringLiteral(" Libre"), QStringLiteral("Aucune table libre actuellement"),
             FreeNoticeRounds);
    m_screens.showTableChoice();
}

void TableChoice::listBusyTables()
{
    m_screens.closePlan();
    fillList(Session::busyTablesQuery(), QStringLiteral(" Occupée"), QStringLiteral("Aucune table utilisée"),
             BusyNoticeRounds);
    m_screens.showTableChoice();
}

void TableChoice::takeTableFromList()
{
    const QString item = m_tableChoiceView->selectedTable();
    if (item.isEmpty())
        return;
    m_session.setTable(TableReplies::tableOfItem(item));
    forgetTicket();
    takeCovers(m_session.listCoversQuery());
    m_tableChoiceView->showHeader(TableReplies::headerFromList(
        m_catalogue.serv(m_session.waiterNumber()), m_session.waiter(), m_session.table(), m_session.covers()));
    m_tableChoiceView->closeTableList();
    if (coversWanted())
        m_covers.askForNewTable();
    else
        openTicket();
}

void TableChoice::takeTableFromPlan(int table)
{
    m_session.setTable(QString::number(table));
    forgetTicket();
    takeCovers(m_session.planCoversQuery());
    m_tableChoiceView->showHeader(
        TableReplies::headerFromPlan(m_session.waiter(), m_session.table(), m_session.covers()));
    m_tableChoiceView->closeTableList();
    if (coversWanted()) {
        m_covers.askForNewTable();
        m_screens.closePlan();
    } else {
        openTicket();
        m_screens.closePlan();
    }
    const Exchange done = m_link.exchange(m_session.planTicketRequest());
    // a failed exchange leaves the ticket shown as it was
    if (done.ok())
        m_ticketView->showTicket(done.reply);
}

void TableChoice::fillList(const Request& request, const QString& state, const QString& emptyNotice, int rounds)
{
    // no reply, no list to offer: the notice says so
    QStringList items;
    for (const QString& table : TableReplies::tableList(m_link.exchange(request).reply))
        items.append(QStringLiteral("Table ") + table + state);
    m_tableChoiceView->showTableList(items);
    if (items.isEmpty())
        m_notice.showOver(m_screens, &m_tableChoiceView.get(), emptyNotice, rounds);
}

void TableChoice::takeCovers(const Request& request)
{
    const QString reply = m_link.exchange(request).reply;
    // "4$7" would go out as two fields of every later request, and the register would read the waiter from the
    // wrong one; the last table's count would stand for this one: what is not a count reads as no reply
    m_session.setCovers(TableReplies::isCoversCount(reply) ? reply : QString());
}

bool TableChoice::coversWanted() const
{
    return m_session.covers() == QLatin1String("0") && m_settings[SettingsSlots::AskCovers] == QLatin1String("1");
}

void TableChoice::forgetTicket()
{
    // the ticket of the table left must never stand under the one taken, should its own not come
    m_ticketView->showTicket(QString());
}

void TableChoice::openTicket()
{
    m_screens.openTicket();
    m_ticketDisplay.refresh();
}
