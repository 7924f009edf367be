#pragma once

#include <QString>

namespace sim {

class Dialect;

class Restaurant;
class RequestDispatcher;
class ServiceState;

// What the register answers about its tables: the free and occupied ones, their covers, their states on the
// room plan and their tickets. A table the restaurant does not have gets an empty line.
//
//   "ademandelibre$", "ademande$"      free / occupied table numbers, each followed by ";": "3;5;12;"
//   "couverts$" T "$" ...               the covers recorded for table T (all three shapes): "4"
//   "envcouverts$" T "$" N "$" W "$"    records N covers (opens a free table for waiter W), gives them back
//   "tableocc"                          three groups "U"-separated of 100 flags ";"-separated: occupied,
//                                       bill printed, order not yet sent to the kitchen
//   "ad$" T "$" N "$" W "$"             the ticket of table T, or of waiter W's account for T = 0 (TicketLayout)
class RoomReplies final
{
public:
    RoomReplies(const Restaurant& restaurant, ServiceState& state, const Dialect& dialect);

    void install(RequestDispatcher& dispatcher);

private:
    QString tables(bool occupied) const;
    QString couverts(const QString& request) const;
    QString envcouverts(const QString& request);
    QString tableocc() const;
    QString ad(const QString& request) const;
    bool hasTable(int table) const;

    const Restaurant& m_restaurant;
    const Dialect& m_dialect;
    ServiceState& m_state;
};

} // namespace sim
