#pragma once

#include "RequestFields.h"

#include <QString>

namespace sim {

class Dialect;

class Restaurant;
class RequestDispatcher;
class ServiceState;
struct Ticket;

// What the register answers about the set menus of a ticket. Each unit of a set-menu article (552-561) is one
// set menu, a column of the terminal's grid: its name, then one cell per course. A table the restaurant lacks
// or a request from no waiter (1-8) gets an empty line.
//
//   "af$" T "$" N "$" W "$"          "f;" n ";" then per set menu seven "text;value;" pairs: its name and
//                                     article, then per step the dish chosen and its article, or
//                                     "premier plat ?;0;" while still to choose, and "Aucun choix;0;" where
//                                     it has no step; "f;0;" when the ticket has none
//   "r$" T$N$W$ col "$" line "$" p "$" C "$"
//                                     dish p (from 0) of step line - 2 of set menu col (from 1), served as
//                                     the step's course: "ru;0", or "ru;" g ";" when the dish has option list
//                                     g (the group + 1 the terminal reads: 1-5, 7-10); an empty line for a
//                                     step already chosen (changed on the register only) or out of the menu
//   "b$" T$N$W$ C "$" col "$" line "$~" flags
//                                     the ticked options of that dish: "OK"; an empty line when there is no
//                                     dish there or the kitchen has it already
class SetMenuReplies final
{
public:
    SetMenuReplies(const Restaurant& restaurant, ServiceState& state, const Dialect& dialect);

    void install(RequestDispatcher& dispatcher);

private:
    QString af(const QString& request) const;
    QString r(const QString& request);
    QString b(const QString& request);
    // The ticket a composition request may change: open and not finalised.
    // The step (from 0) of the set menu in the column (from 1) that the line (2 for the first row) shows.
    std::optional<int> stepOf(const Ticket& ticket, int column, int line) const;
    Ticket* changeable(const RequestFields::Standard& fields);

    const Restaurant& m_restaurant;
    const Dialect& m_dialect;
    ServiceState& m_state;
};

} // namespace sim
