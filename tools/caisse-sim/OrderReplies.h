#pragma once

#include "RequestFields.h"
#include "RestaurantCatalogue.h"

#include <QString>

namespace sim {

class Dialect;
struct Ticket;

class PrinterLog;
class Restaurant;
class RequestDispatcher;
class ServiceState;

// What the register answers when a waiter changes an order: the ticket laid out again (TicketLayout), which the
// terminal shows. A table the restaurant lacks or a request from no waiter (1-8) gets an empty line. A change
// the register cannot make (an article it does not sell, a course out of 0-7, a line the ticket lacks, a
// finalised ticket) leaves the ticket as it is and sends it back.
//
//   A "$" T "$" N "$" W "$" C "$" [flags]    one unit of article A as course C; on a free table it opens the
//                                            table for waiter W with N covers. Flags "~1$--$..." tick the
//                                            entries of the product's option list, which go under the line
//   S "$" T "$" N "$" W "$~--$...$"          S = 942 + i: supplement i of the list, under the article added last
//   "moinsun$" T "$" N "$" W "$" L "$"      one unit less on article line L (rank from 1); what the kitchen
//                                            had is cancelled there
//   "offreligne$" T "$" N "$" W "$" L "$"   article line L offered: it stays, shown "offert", out of the total
class OrderReplies final
{
public:
    OrderReplies(const Restaurant& restaurant, ServiceState& state, PrinterLog& printers, const Dialect& dialect);

    void install(RequestDispatcher& dispatcher);

private:
    QString article(const QString& request);
    QString moinsun(const QString& request);
    QString offreligne(const QString& request);
    QList<QString> options(const RestaurantCatalogue::Product& product, const QString& request) const;
    // The ticket line the request's line rank names, as the terminal counts the laid-out ticket's lines.
    std::optional<int> lineOf(const RequestFields::Standard& fields, const Ticket* ticket) const;
    QString ticketText(const RequestFields::Standard& fields) const;

    const Restaurant& m_restaurant;
    const Dialect& m_dialect;
    ServiceState& m_state;
    PrinterLog& m_printers;
};

} // namespace sim
