#pragma once

#include "RestaurantCatalogue.h"
#include "Ticket.h"

#include <map>

namespace sim {

// What the register holds while the restaurant serves: the open tickets of the tables and of the waiters' own
// accounts. It starts from the tickets of the data file and lives as long as the simulator, shared by every
// terminal; an edit of the data file changes the catalogue, never the tickets in service.
class ServiceState final
{
public:
    using Ticket = sim::Ticket;
    using Line = Ticket::Line;

    explicit ServiceState(const RestaurantCatalogue& catalogue);

    // Table 0 is the waiter's own account. Null when nothing is open there.
    const Ticket* ticket(int table, int waiter) const;
    Ticket* ticket(int table, int waiter);
    bool isOpen(int table) const { return m_tables.count(table) > 0; }
    int covers(int table, int waiter) const;

    // Records the covers. A count on a free table opens it for that waiter; 0 on a free table leaves it free.
    void setCovers(int table, int waiter, int covers);

    // The ticket there, opened for that waiter and covers when the table is free.
    Ticket& open(int table, int waiter, int covers);
    // Paid: the table is free again.
    void close(int table, int waiter);

private:
    std::map<int, Ticket>& ticketsOf(int table) { return table == 0 ? m_accounts : m_tables; }

    std::map<int, Ticket> m_tables;   // by table number
    std::map<int, Ticket> m_accounts; // by waiter number
};

} // namespace sim
