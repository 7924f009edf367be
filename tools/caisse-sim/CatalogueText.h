#pragma once

#include "Dialect.h"
#include "RestaurantCatalogue.h"

#include <QList>
#include <QString>

namespace sim {

// The catalogue as the terminal reads it, one reply line per piece. Texts come out 7-bit.
namespace CatalogueText {

// Twelve tab names then "#" then eight waiter names, each name followed by ";" so that an empty last one
// still counts: "Aperitifs;...;Formules;#Camille;...;;".
QString tabsAndWaiters(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// The option list (1-9) the register offers with the product; 0 for none. A register that knows five lists
// offers none beyond them.
int offeredOptionList(const RestaurantCatalogue::Product& product, const Dialect& dialect);

// The step (from 0) shown in each row of a set menu's column of cells, row 1 first; -1 for a row the set menu
// has no step in, shown as "Aucun choix". The plain register packs the steps; another may give each course a row.
QList<int> menuRows(const RestaurantCatalogue::SetMenu& menu, const Dialect& dialect);

// The caption the register gives a payment command ("cb$"); empty for a mode it does not take.
QString paymentCaption(const RestaurantCatalogue& catalogue, const Dialect& dialect, const QString& command);

// Captions of cb, ch, ba, es in that order, ";"-separated; "a" hides a mode the restaurant does not take.
QString paymentCaptions(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// "code;name;code;name...": the supplement list in its order.
QString supplementList(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// 800 flags ";"-separated, one per article 1-800: "1" when the supplements panel opens after it.
QString supplementFlags(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// Records "name;cuis;menucuis;colour;article;" of one keyboard, then the empty record ";;;;;" that ends
// the terminal's reading.
QString productList(const RestaurantCatalogue& catalogue, const Dialect& dialect, int keyboard);

// The product list cut at its middle, as the register sends it in two lines (a record may straddle the cut);
// the first half starts with the six characters "PRIXnn" (nn the keyboard) or
// other six characters of the dialect's, which the terminal drops.
QString productListHalf(const RestaurantCatalogue& catalogue, const Dialect& dialect, int keyboard, int half);

// "CUISnn" then the kitchen labels of the keyboard's products, ";"-separated, by position.
QString kitchenLabels(const RestaurantCatalogue& catalogue, const Dialect& dialect, int keyboard);

// The three printing options "$"-separated.
QString printingOptions(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// Ten groups, each followed by "#": option lists 1-5, the recall messages, option lists 6-9; the entries of
// a group are ";"-separated.
QString kitchenLists(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// Ten groups, each followed by "~", one per set menu (article 552-561): its steps as "$"-separated rows, each
// row the article numbers of the dishes offered, ";"-separated.
QString setMenuContents(const RestaurantCatalogue& catalogue, const Dialect& dialect);

// "1" or "0" per article number from 1 to the highest in use (800 at least), ";"-separated: "1" where the
// article may be served as that course.
QString courseRank(const RestaurantCatalogue& catalogue, const Dialect& dialect, int course);

// The steps of set menu 1-10 as ":"-separated rows, each row the names of the dishes offered, ";"-separated,
// in the order of the article numbers of the same row in setMenuContents.
QString setMenuChoices(const RestaurantCatalogue& catalogue, const Dialect& dialect, int menu);

// Six "$"-separated groups of 100 ";"-separated entries, entry z for table z+1: left, top, height, width,
// plan 1-3, visibility. A table the restaurant does not have is all "0".
QString tablePlan(const RestaurantCatalogue& catalogue, const Dialect& dialect);

} // namespace CatalogueText

} // namespace sim
