#pragma once

#include "ServiceState.h"

#include <QString>

// A ticket as the register lays it out for the terminal's memo: one line of text where "~" marks each line
// break, in fixed-width columns of 34 characters (the memo's width in its fixed-pitch font):
//
//   Table 12                4 couverts
//   ----------------------------------
//   2  Kir royal                 17,00
//   1  Entrecote                 21,50
//      Saignant
//   ----------------------------------
//   TOTAL                        38,50
//
// An article line starts with its quantity, the only lines to start with a digit; comments are indented under
// their article. Amounts are euros with a decimal comma.
namespace TicketLayout {

constexpr int Width = 34;
constexpr int QuantityWidth = 3;
constexpr int AmountWidth = 9;
constexpr int NameWidth = Width - QuantityWidth - AmountWidth;

// "17,00", "-0,50"
QString euros(int cents);

// title: "Table 12" or "Compte Camille"; ticket may be null (nothing open yet): the total is then 0,00.
QString text(const QString& title, const ServiceState::Ticket* ticket);

} // namespace TicketLayout
