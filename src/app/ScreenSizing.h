#pragma once

#include "catalogue/CatalogueGeometry.h"

class PaymentView;
class QSize;
class QWidget;
class TableChoiceView;
class TicketView;
class WaiterView;

// Fits the waiter, order and closing screens to the device once per catalogue load. The places set here
// are pinned, so a later resize of a view does not bring back the designed ones.
namespace ScreenSizing {

// The eight waiter keys, from the waiter screen's size.
void sizeWaiterButtons(WaiterView& waiterView);
// What the order and closing screens are sized from, read now: startSize is the start view's size in whole units;
// window the one the screens fill. The tabs' place is read from the ticket view by sizeTicket.
CatalogueGeometry::ScreenInput screenInput(const QWidget* window, const QSize& startSize);
// The order screen: ticket text, product tabs, banner and side keys. Returns the layout, whose closing part
// sizePayment puts in place.
CatalogueGeometry::ScreenLayout sizeTicket(TicketView& ticketView, CatalogueGeometry::ScreenInput input);
// The closing screen: ticket copy, amount band and payment keys.
void sizePayment(PaymentView& paymentView, const CatalogueGeometry::ScreenLayout& layout);
// The side keys' captions, once the product keys are planned.
void sizeSideCaptionFonts(TicketView& ticketView, int startWidth);
// The table-choice keys' captions, the same size as the side keys'.
void sizeTableChoiceCaptionFonts(TableChoiceView& tableChoiceView, int startWidth);

} // namespace ScreenSizing
