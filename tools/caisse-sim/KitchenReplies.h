#pragma once

#include "RequestFields.h"

#include <QString>

namespace sim {

class Dialect;

class PrinterLog;
class Restaurant;
class RequestDispatcher;
class ServiceState;
struct Ticket;

// What the register answers about the kitchen: what waits to be sent, the dispatch itself, recall messages and
// the next course. What the printers receive goes to the log (PrinterLog). A table the restaurant lacks or a
// request from no waiter (1-8) gets an empty line.
//
//   "demanderang$" T "$" N "$" W "$"       "0$" (everything) then each course waiting, each followed by "$":
//                                           "0$4$7$"; the terminal offers the choice when two or more wait
//   "ec$" T "$" N "$" W "$" C "$"          sends what waits for course C (0: every course): "OK"
//   "retour$" T "$" N "$" W "$0$"          the waiter leaves the table: "OK"
//   "rc$" T "$" N "$" W "$" C "$~" flags   prints the ticked recall messages: "OK"
//   "suitesss$" T "$" W "$"                what the kitchen holds for the table, entries "~"-separated, each
//                                           "quantity;article;options;": "2;200;Saignant;~1;150;;"; an empty line
//                                           when it holds nothing, "nook" without preparation printers
//   "su$" T "$" N "$" W "$" C "$~" flags   asks the kitchen for the ticked entries of "suitesss$": "OK"
class KitchenReplies final
{
public:
    KitchenReplies(const Restaurant& restaurant, ServiceState& state, PrinterLog& printers, const Dialect& dialect);

    void install(RequestDispatcher& dispatcher);

private:
    QString demanderang(const QString& request) const;
    QString ec(const QString& request);
    QString retour(const QString& request) const;
    QString rc(const QString& request);
    QString suitesss(const QString& request) const;
    QString su(const QString& request);
    std::optional<RequestFields::Standard> standard(const QString& request) const;
    QString who(const RequestFields::Standard& fields, const Ticket* ticket) const;

    const Restaurant& m_restaurant;
    const Dialect& m_dialect;
    ServiceState& m_state;
    PrinterLog& m_printers;
};

} // namespace sim
