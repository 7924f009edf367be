#include "ScreenSizing.h"

#include "catalogue/CatalogueGeometry.h"
#include "closing/PaymentView.h"
#include "tables/TableChoiceView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace ScreenSizing {

namespace {

RedKey* sideKey(TicketView* ticket, const QString& name)
{
    return ticket->findChild<RedKey*>(name, Qt::FindDirectChildrenOnly);
}

void setPixelSize(QLabel* caption, int size)
{
    QFont font = caption->font();
    font.setPixelSize(std::max(1, size));
    caption->setFont(font);
}

} // namespace

void sizeWaiterButtons(WaiterView& waiterView)
{
    WaiterView* serveur = &waiterView;
    const auto boxes = CatalogueGeometry::waiterButtons(serveur->width(), serveur->height());
    for (size_t i = 0; i < boxes.size(); ++i)
        serveur->pin(serveur->waiterKeys().at(i), boxes.at(i).toRect());
}

CatalogueGeometry::ScreenInput screenInput(const QWidget* window, const QSize& startSize)
{
    const QScreen* screen = window->screen();
    CatalogueGeometry::ScreenInput input;
    input.largeurinit = startSize.width();
    input.hauteurinit = startSize.height();
    input.formWidth = window->width();
    input.formHeight = window->height();
    input.displayHeight = screen ? screen->geometry().height() : window->height();
    return input;
}

CatalogueGeometry::ScreenLayout sizeTicket(TicketView& ticketView, CatalogueGeometry::ScreenInput input)
{
    TicketView* ticket = &ticketView;
    QWidget* tabs = ticket->keyboardTabs();
    // the tabs' place as the window of the load gives it, however large the window was when the view was made; read
    // from the layout, as a view hidden since it was made has not moved its controls yet
    const QRect tabsBox = ticket->boxOf(tabs, QSize(input.formWidth, input.formHeight));
    input.tabTop = tabsBox.y();
    CatalogueGeometry::ScreenLayout layout = CatalogueGeometry::screenLayout(input);

    ticket->setGeometry(layout.ticket.toRect());
    ticket->pin(tabs,
                QRectF(tabsBox.x(), layout.tabControlY, layout.tabControlWidth, layout.tabControlHeight).toRect());
    ticket->pin(ticket->ticketMemo(), layout.memo1.toRect());
    for (const CatalogueGeometry::SideButton& side : layout.sideButtons) {
        if (RedKey* key = sideKey(ticket, side.name)) {
            ticket->pin(key, side.box.toRect());
            key->setVisible(side.shown);
        }
    }
    return layout;
}

void sizePayment(PaymentView& paymentView, const CatalogueGeometry::ScreenLayout& layout)
{
    PaymentView* encaissement = &paymentView;
    encaissement->setGeometry(layout.encaissement.toRect());
    encaissement->pin(encaissement->billMemo(), layout.memo3.toRect());
    encaissement->pin(encaissement->amountBand(), layout.rectangle1.toRect());
    encaissement->pin(encaissement->paymentMode1Key(), layout.cb.toRect());
    encaissement->pin(encaissement->paymentMode2Key(), layout.ch.toRect());
    encaissement->pin(encaissement->paymentMode3Key(), layout.ba.toRect());
    encaissement->pin(encaissement->paymentMode4Key(), layout.es.toRect());
}

void sizeSideCaptionFonts(TicketView& ticketView, int startWidth)
{
    const int size = CatalogueGeometry::sideCaptionFontSize(startWidth);
    TicketView* ticket = &ticketView;
    // "Demande Suite" keeps its designed size
    for (RedKey* key :
         {ticket->proformaKey(), ticket->refreshKey(), ticket->spareRefreshKey(), ticket->chooseTableKey(),
          ticket->sendAllAndLeaveKey(), ticket->changeWaiterKey(), ticket->sendToKitchenKey(), ticket->recallKey(),
          ticket->registerMessageKey(), ticket->finaliseKey(), ticket->setMenusKey()})
        setPixelSize(key->caption(), size);
}

void sizeTableChoiceCaptionFonts(TableChoiceView& tableChoiceView, int startWidth)
{
    const int size = CatalogueGeometry::sideCaptionFontSize(startWidth);
    TableChoiceView* choixtable = &tableChoiceView;
    for (RedKey* key : {choixtable->waiterAccountKey(), choixtable->coversKey(), choixtable->roomPlanKey(),
                        choixtable->busyTablesKey(), choixtable->freeTablesKey()})
        setPixelSize(key->caption(), size);
}

} // namespace ScreenSizing
