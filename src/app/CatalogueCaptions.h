#pragma once

#include "catalogue/CatalogueParse.h"

#include <optional>
#include <vector>

class CheckList;
class PaymentView;
class QTabWidget;
class WaiterView;

// The captions the catalogue puts on designed controls. A repeated load shows again what an earlier one hid.
namespace CatalogueCaptions {

// Tabs 0 to 7 read "0" to "7" until the register's names come.
void numberTabs(QTabWidget* tabs);
void applyTabs(QTabWidget* tabs, const CatalogueParse::TabsAndWaiters& names);
void applyWaiters(WaiterView* serveur, const CatalogueParse::TabsAndWaiters& names);
// None leaves the four payment keys as they are.
void applyPayment(PaymentView* encaissement, const std::optional<CatalogueParse::PaymentCaptions>& captions);
// One entry per supplement, its code as the entry's data, check mark off.
void applySupplements(CheckList* list, const std::vector<Supplement>& supplements);

} // namespace CatalogueCaptions
