#include "SetMenus.h"

#include "SetMenuGrid.h"
#include "SetMenuView.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "widgets/CheckList.h"
#include "widgets/HandlerGuard.h"
#include "widgets/MessageBox.h"
#include "widgets/Navigation.h"
#include "widgets/RedKey.h"
#include "widgets/TransientNotice.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// the keyboard of the set menus, shown when none runs on the ticket
constexpr int SetMenuKeyboard = 8;

} // namespace

SetMenus::SetMenus(RegisterLink& link, Session& session, const Catalogue& catalogue, const ProductTable& products,
                   HandlerGuard& guard, TransientNotice& notice, ViewSlot<SetMenuView>& view,
                   ViewSlot<TicketView>& ticketView, ViewSlot<ParkingView>& parking, Navigation& screens)
    : m_link(link), m_session(session), m_catalogue(catalogue), m_products(products), m_guard(guard), m_notice(notice),
      m_view(view), m_ticketView(ticketView), m_parking(parking), m_screens(screens)
{
    m_ticketView.whenMade(
        [this](TicketView& view) { m_guard.connect(view.setMenusKey(), &RedKey::clicked, this, [this] { open(); }); });
    m_view.whenMade([this](SetMenuView& made) {
        connect(&made.grid(), &SetMenuGrid::cellTapped, this, [this](int z) { m_guard.run([&] { touchCell(z); }); });
        m_guard.connect(made.dishCancelButton(), &QPushButton::clicked, this, [this] { m_view->closeDishList(); });
        connect(made.dishList(), &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            const int entry = m_view->dishList()->row(item);
            m_guard.run([&] { chooseDish(entry); });
        });
        m_guard.connect(made.optionsValidateButton(), &QPushButton::clicked, this, [this] { validateOptions(); });
        m_guard.connect(made.leaveButton(), &QPushButton::clicked, this, [this] { leave(); });
    });
}

void SetMenus::open()
{
    m_view->closeOptions();
    m_ticketView->hideNote();
    fetch();
}

void SetMenus::fetch()
{
    const QString reply = m_link.exchange(m_session.setMenuList()).reply;
    m_view->closeDishList();

    const SetMenuReplies::SetMenuList menus = SetMenuReplies::setMenuList(reply);
    switch (menus.kind) {
    case SetMenuReplies::SetMenuList::Kind::NoneRunning:
        m_ticketView->showKeyboard(SetMenuKeyboard);
        m_notice.showOver(m_screens, m_ticketView->ticketMemo(),
                          QStringLiteral("Aucune Formule\rActuellement en cours"), NoneNoticeRounds);
        m_screens.bringTicketForward();
        return;
    case SetMenuReplies::SetMenuList::Kind::NoneEntered:
        MessageBox::show(m_view->window(), QStringLiteral("Aucune formule n'a été entrée"));
        return;
    case SetMenuReplies::SetMenuList::Kind::TooMany:
        MessageBox::show(m_view->window(), QStringLiteral("La tablette ne peut gérer plus de 30 menus"));
        return;
    case SetMenuReplies::SetMenuList::Kind::Menus:
        break;
    }
    // the set menus read with a touch are always those of the grid on screen
    m_setMenus = menus.setMenus;
    m_screens.showSetMenus();
    m_view->grid().showCells(menus.cells);
}

void SetMenus::touchCell(int z)
{
    m_column = z / SetMenuReplies::CellsPerColumn + 1;
    m_row = z % SetMenuReplies::CellsPerColumn;
    if (m_row == 0)
        return;
    m_ticketView->hideNote();
    // a set menu the catalogue does not know offers no dish
    const int setMenu = m_setMenus.value(m_column - 1);
    const QString names = m_catalogue.aform(setMenu).value(m_row);
    if (SetMenuReplies::isChosenDish(m_view->grid().cellText(z), names)) {
        MessageBox::show(m_view->window(), QStringLiteral("Cet article est à modifier sur la caisse centrale"));
        return;
    }
    m_dishes = SetMenuReplies::rowDishes(names, m_catalogue.ctform(setMenu).value(m_row));
    QStringList list;
    for (const SetMenuReplies::Dish& dish : m_dishes)
        list.append(dish.name);
    m_view->openDishList(list);
}

void SetMenus::chooseDish(int entry)
{
    if (entry < 0 || entry >= m_dishes.size())
        return;
    const SetMenuReplies::Dish dish = m_dishes.at(entry);
    m_view->tickDish(entry);
    m_session.setCourse(SetMenuReplies::dishCourse(m_catalogue, dish.article));
    const bool supplements = m_products.supp(dish.article);
    // the supplements panel waits in the parking view: made on the tap, before the exchange
    if (supplements)
        m_parking.get();

    // without a reply the dish reads as one without options: the grid fetched again shows whether it was taken; the
    // line counts the title as line 1
    const SetMenuReplies::DishReply reply = SetMenuReplies::dishReply(
        m_link.exchange(m_session.setMenuDish(m_column, m_row + 1, dish.position, m_session.course())).reply);
    switch (reply.kind) {
    case SetMenuReplies::DishReply::Kind::Chosen:
        fetch();
        if (supplements) {
            m_parking->placeSupplementsOver(m_view.get());
            m_parking->showSupplements();
        }
        return;
    case SetMenuReplies::DishReply::Kind::ChosenWithoutSupplements:
        fetch();
        return;
    case SetMenuReplies::DishReply::Kind::KitchenOptions:
        // the supplements come once the options are validated
        if (supplements)
            m_parking->placeSupplementsOver(m_view.get());
        m_view->openOptions(m_catalogue.kitchenOptionList(reply.kitchenList));
        return;
    }
}

void SetMenus::validateOptions()
{
    const QList<bool> ticked = m_view->tickedOptions();
    const Exchange done =
        m_link.exchange(m_session.setMenuDishOptions(m_session.course(), m_column, m_row + 1, ticked));
    // no register: the panel waits, ticks and all, for the waiter to try again
    if (!done.connected)
        return;
    const QString& reply = done.reply;
    // A link broken on the send or after it leaves no reply and no connection: the register may not have the
    // options, so the panel waits, ticks and all, for another try; the supplements and the grid come all the same.
    const bool broken = !done.sent || done.failed;
    if (!broken) {
        m_view->clearOptionTicks();
        m_view->closeOptions();
    }
    ParkingView* parking = m_parking.ifMade();
    if ((broken || !reply.isEmpty()) && parking && parking->supplementsOver(m_view.get()))
        parking->showSupplements();
    fetch();
}

void SetMenus::leave()
{
    // the dish's options are validated first
    if (m_view->optionsOpen())
        return;
    m_view->closeOptions();
    if (ParkingView* parking = m_parking.ifMade())
        parking->parkSupplements();
    m_ticketView->closeKitchenOptionPanel();
    m_screens.leaveSetMenus();
}
