#pragma once

#include "Ticket.h"

#include <QList>
#include <QString>

#include <functional>

namespace sim {

// What the register's printers and screen receive, one log line each, so that a trainee sees the effect of every
// key on the terminal. Course 1 (drinks) prints at the bar, every other course in the kitchen; bills and receipts
// come out of the register's own printer:
//
//   printer bar: COMMANDE Table 12 (Camille, 4 couverts) - Boissons: 2 KIR ROYAL
//   printer cuisine: COMMANDE Table 12 (Camille, 4 couverts) - premier plat: 1 ENTRECOTE (Saignant), 1 + Frites
//   printer caisse: NOTE Table 12 (Camille, 4 couverts): 2 Kir royal 17,00 | 1 Entrecote 300 g 26,00 | ...
//   screen: MESSAGE Table 12 (Camille, 4 couverts): Client au bar
class PrinterLog final
{
public:
    using Log = std::function<void(const QString& line)>;

    // Without preparation printers nothing reaches the bar or the kitchen.
    PrinterLog(bool preparationPrinters, Log log);

    bool hasPreparationPrinters() const { return m_preparationPrinters; }

    // "Table 12 (Camille, 4 couverts)", "Compte Camille": who a printout is for.
    static QString who(const RestaurantCatalogue& catalogue, int table, int waiter, int covers);

    // One printout per printer and course, courses in order: "COMMANDE", "ANNULATION", "SUITE".
    void kitchen(const QString& heading, const QString& who, const QList<KitchenItem>& items);
    // Recall messages for a course (0: none named).
    void recall(const QString& who, int course, const QList<QString>& messages);
    // A waiter's message, to every preparation printer.
    void message(const QString& who, const QString& text);
    void screen(const QString& who, const QString& text);
    // A ticket as laid out for the terminal, on the register's printer: "NOTE", "PRO FORMA", "TICKET".
    void bill(const QString& heading, const QString& who, const QString& ticketText, const QString& footer = {});

private:
    void print(const QString& printer, const QString& text);

    bool m_preparationPrinters;
    Log m_log;
};

} // namespace sim
