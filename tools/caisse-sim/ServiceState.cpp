#include "ServiceState.h"

ServiceState::ServiceState(const RestaurantCatalogue& catalogue)
{
    for (const RestaurantCatalogue::Room& room : catalogue.rooms) {
        for (const RestaurantCatalogue::Table& table : room.tables) {
            if (!table.ticket)
                continue;
            Ticket ticket{table.ticket->covers, table.ticket->waiter, table.ticket->proforma, {}};
            for (const RestaurantCatalogue::TicketLine& line : table.ticket->lines) {
                // the data file was checked: every article is a product
                const RestaurantCatalogue::Product* product = catalogue.product(line.article);
                ticket.lines.append(
                    {line.article, product->name, product->price, line.quantity, line.comments, line.sent});
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

int ServiceState::covers(int table, int waiter) const
{
    const Ticket* open = ticket(table, waiter);
    return open ? open->covers : 0;
}

void ServiceState::setCovers(int table, int waiter, int covers)
{
    std::map<int, Ticket>& tickets = table == 0 ? m_accounts : m_tables;
    const int key = table == 0 ? waiter : table;
    const auto found = tickets.find(key);
    if (found != tickets.end()) {
        found->second.covers = covers;
        return;
    }
    if (covers == 0)
        return;
    Ticket opened;
    opened.covers = covers;
    opened.waiter = waiter;
    tickets[key] = opened;
}
