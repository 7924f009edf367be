#include "ServiceState.h"

namespace sim {

ServiceState::ServiceState(const RestaurantCatalogue& catalogue)
{
    for (const RestaurantCatalogue::Room& room : catalogue.rooms) {
        for (const RestaurantCatalogue::Table& table : room.tables) {
            if (!table.ticket)
                continue;
            Ticket ticket;
            ticket.covers = table.ticket->covers;
            ticket.waiter = table.ticket->waiter;
            ticket.proforma = table.ticket->proforma;
            for (const RestaurantCatalogue::TicketLine& entry : table.ticket->lines) {
                // the data file was checked: every article is a product
                const RestaurantCatalogue::Product* product = catalogue.product(entry.article);
                const RestaurantCatalogue::SetMenu* menu = catalogue.setMenu(entry.article);
                Line line = Ticket::lineFor(*product, entry.course, entry.comments, menu);
                line.quantity = entry.quantity;
                if (menu)
                    line.menus = QList<Ticket::Composition>(entry.quantity, line.menus.constFirst());
                else
                    line.sent = entry.sent;
                ticket.lines.append(line);
            }
            m_tables[table.number] = ticket;
        }
    }
}

const ServiceState::Ticket* ServiceState::ticket(int table, int waiter) const
{
    const std::map<int, Ticket>& tickets = table == 0 ? m_accounts : m_tables;
    const auto found = tickets.find(table == 0 ? waiter : table);
    return found == tickets.end() ? nullptr : &found->second;
}

ServiceState::Ticket* ServiceState::ticket(int table, int waiter)
{
    std::map<int, Ticket>& tickets = ticketsOf(table);
    const auto found = tickets.find(table == 0 ? waiter : table);
    return found == tickets.end() ? nullptr : &found->second;
}

int ServiceState::covers(int table, int waiter) const
{
    const Ticket* open = ticket(table, waiter);
    return open ? open->covers : 0;
}

void ServiceState::setCovers(int table, int waiter, int covers)
{
    if (Ticket* found = ticket(table, waiter)) {
        found->covers = covers;
        return;
    }
    if (covers != 0)
        open(table, waiter, covers);
}

ServiceState::Ticket& ServiceState::open(int table, int waiter, int covers)
{
    if (Ticket* found = ticket(table, waiter))
        return *found;
    Ticket& opened = ticketsOf(table)[table == 0 ? waiter : table];
    opened.covers = covers;
    opened.waiter = waiter;
    return opened;
}

void ServiceState::close(int table, int waiter)
{
    ticketsOf(table).erase(table == 0 ? waiter : table);
}

} // namespace sim
