#pragma once

#include "ServiceState.h"

#include <QString>

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
// chosen for a set menu are indented under their article. Amounts are euros with a decimal comma.
namespace TicketLayout {

constexpr int Width = 34;
constexpr int QuantityWidth = 3;
constexpr int AmountWidth = 9;
constexpr int NameWidth = Width - QuantityWidth - AmountWidth;

// "17,00", "-0,50"
QString euros(int cents);

// "Table 12", or "Compte Camille" for a waiter's own account (table 0).
QString title(const RestaurantCatalogue& catalogue, int table, int waiter);

// ticket may be null (nothing open yet): the total is then 0,00.
QString text(const QString& title, const ServiceState::Ticket* ticket);

} // namespace TicketLayout

} // namespace sim
