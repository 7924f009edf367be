#pragma once

#include "Dialect.h"
#include "ServiceState.h"

#include <QList>
#include <QString>

#include <optional>

namespace sim {

// A ticket as the register lays it out for the terminal's memo: one line of text where "~" marks each line
// break, in fixed-width columns of 34 characters (the memo's width in its fixed-pitch font):
//
//   Table 12                4 couverts
//   ----------------------------------
//   2  Kir royal                 17,00
//   1  Entrecote                 21,50
//      Saignant
//   1  + Frites maison            3,50
//   1  Formule midi              19,00
//      - Terrine de campagne ma
//   1  Cafe                     offert
//   ----------------------------------
//   TOTAL                        60,00
//
// An article line starts with its quantity, the only lines to start with a digit; comments and the dishes
// chosen for a set menu are indented under their article. Amounts are euros with a decimal comma. That is the
// plain layout; a dialect may add header lines (one beginning with the covers), put comments at the left edge,
// show an offered line with the quantity 0, keep long names whole and leave blank lines between articles.
namespace TicketLayout {

constexpr int Width = 34;
constexpr int QuantityWidth = 3;
constexpr int AmountWidth = 9;
constexpr int NameWidth = Width - QuantityWidth - AmountWidth;

// "17,00", "-0,50"
QString euros(int cents);

// "Table 12", or "Compte Camille" for a waiter's own account (table 0).
QString title(const RestaurantCatalogue& catalogue, int table, int waiter);

// One line of a laid-out ticket, with the ticket line it shows (-1 for a header, comment, dish or total line).
struct LaidLine
{
    QString text;
    int line = -1;
};

// The ticket of a table (waiter's account for table 0) as the dialect lays it out; ticket may be null (nothing
// open yet): the total is then 0,00.
QList<LaidLine> layout(const RestaurantCatalogue& catalogue, int table, int waiter, const ServiceState::Ticket* ticket,
                       const Dialect& dialect);
// The same, one reply line: "~" for each line break.
QString text(const RestaurantCatalogue& catalogue, int table, int waiter, const ServiceState::Ticket* ticket,
             const Dialect& dialect);

// The ticket line (from 0) the terminal names by rank: it counts the lines beginning with a digit 1 to 9, from 1.
// Nothing for a rank past the last, or for a line that shows no ticket line (a header "4 couverts").
std::optional<int> lineOfRank(const RestaurantCatalogue& catalogue, int table, int waiter,
                              const ServiceState::Ticket* ticket, const Dialect& dialect, int rank);

} // namespace TicketLayout

} // namespace sim
