#pragma once

#include "RequestFields.h"

#include <QString>

namespace sim {

class Dialect;

class PrinterLog;
class Restaurant;
class RequestDispatcher;
class ServiceState;

// What the register answers when a table is settled, and to the waiters' messages. Bills, receipts and messages
// go to the log (PrinterLog). A table the restaurant lacks or a request from no waiter (1-8) gets an empty line.
//
//   "ntotal$" T "$" N "$" W "$"            finalises the ticket and prints the bill: the amount to pay, "43,00 EUR"
//                                           ("0,00 EUR" for a free table); "total;0;" when already finalised
//   "cb$", "ch$", "ba$", "es$" + T$N$W$    payment: prints the receipt and frees the table, "OK"; an empty line
//                                           for a free table or a mode the restaurant does not take
//   "AN$" T "$" N "$" W "$"                prints a pro-forma, "OK" (the bill counts as printed); "NOAN" when the
//                                           ticket has no line
//   "adc$" T "$" N "$" W "$" text "$"      the text on the register's screen, "OK"
//   "adi$" T "$" N "$" W "$" text "$"      the text on every preparation printer, "OK"
class ClosingReplies final
{
public:
    ClosingReplies(const Restaurant& restaurant, ServiceState& state, PrinterLog& printers, const Dialect& dialect);

    void install(RequestDispatcher& dispatcher);

private:
    QString ntotal(const QString& request);
    QString payment(const QString& request);
    QString proforma(const QString& request);
    QString message(const QString& request, bool toPrinters);
    std::optional<RequestFields::Standard> standard(const QString& request) const;
    QString who(const RequestFields::Standard& fields) const;
    QString ticketText(const RequestFields::Standard& fields) const;

    const Restaurant& m_restaurant;
    const Dialect& m_dialect;
    ServiceState& m_state;
    PrinterLog& m_printers;
};

} // namespace sim
