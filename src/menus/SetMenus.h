#pragma once

#include "SetMenuReplies.h"
#include "widgets/ViewSlot.h"

#include <QObject>

class Catalogue;
class HandlerGuard;
class Navigation;
class ParkingView;
class ProductTable;
class RegisterLink;
class Session;
class SetMenuView;
class TicketView;
class TransientNotice;

// The set menus running on the ticket: their grid, and the choice of their dishes course by course. The register
// keeps each set menu's state; the grid is fetched again after every change, so it shows what the register holds.
class SetMenus final : public QObject
{
public:
    static constexpr int NoneNoticeRounds = 100;

    SetMenus(RegisterLink& link, Session& session, const Catalogue& catalogue, const ProductTable& products,
             HandlerGuard& guard, TransientNotice& notice, ViewSlot<SetMenuView>& view,
             ViewSlot<TicketView>& ticketView, ViewSlot<ParkingView>& parking, Navigation& screens);

    // "Contenu formules".
    void open();
    // Fetches the set menus of the ticket and shows them. A link failure escapes to the general error display, and
    // so does a reply that cannot be read (FormatError): the grid stays as it was.
    void fetch();
    // A touch on cell z of the grid: the dishes of that course.
    void touchCell(int z);
    // A dish touched in the list of the course: the register is told, then asks for its options or not. The course
    // it is sent as becomes the session's, under which recalls go to the kitchen.
    void chooseDish(int entry);
    // "Valider" of the kitchen options.
    void validateOptions();
    // "Retour vers l'encaissement".
    void leave();

private:
    RegisterLink& m_link;
    Session& m_session;
    const Catalogue& m_catalogue;
    const ProductTable& m_products;
    HandlerGuard& m_guard;
    TransientNotice& m_notice;
    ViewSlot<SetMenuView>& m_view;
    ViewSlot<TicketView>& m_ticketView;
    ViewSlot<ParkingView>& m_parking;
    Navigation& m_screens;

    // the set menus the grid shows
    QList<int> m_setMenus;
    // the cell touched last: its column from 1 and its row, 0 for the title
    int m_column = 0;
    int m_row = 0;
    // the dishes listed for that cell
    QList<SetMenuReplies::Dish> m_dishes;
};
