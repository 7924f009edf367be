#include "CatalogueLoad.h"

#include "CatalogueCaptions.h"
#include "LinkProbe.h"
#include "ScreenSizing.h"
#include "StartView.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "closing/PaymentView.h"
#include "link/RegisterLink.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "settings/SaveSettings.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "tables/PlanView.h"
#include "tables/TableChoiceView.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QTabWidget>

#include <exception>
#include <utility>

namespace {

void pump()
{
    QCoreApplication::processEvents();
}

} // namespace

CatalogueLoad::CatalogueLoad(RegisterLink& link, SettingsStore& settings, ProductTable& products, Catalogue& catalogue,
                             LinkProbe& linkProbe, const Views& views, QWidget* window)
    : m_link(link), m_settings(settings), m_products(products), m_catalogue(catalogue), m_linkProbe(linkProbe),
      m_views(views), m_window(window),
      m_source(link, settings, [this](CatalogueSource::Stage stage, int n) { follow(stage, n); }),
      m_productKeys(views.ticket), m_tableButtons(views.plan)
{
    m_views.ticket.whenMade([this](TicketView& view) { dressTicket(view); });
    m_views.tableChoice.whenMade([this](TableChoiceView& view) {
        if (m_shown && m_shown->captionWidth)
            ScreenSizing::sizeTableChoiceCaptionFonts(view, m_shown->captionWidth);
    });
    m_views.setMenu.whenMade([this](SetMenuView& view) {
        if (m_shown)
            view.grid().plan(m_shown->startSize.width(), m_shown->startSize.height());
    });
    m_views.payment.whenMade([this](PaymentView& view) { dressPayment(view); });
    m_views.parking.whenMade(
        [this](ParkingView& view) { CatalogueCaptions::applySupplements(view.supplementsList(), m_supplements); });
}

bool CatalogueLoad::load(bool reload, const QString& stamp)
{
    showProgress(QStringLiteral("Chargement des paramètres..."));
    LoadedCatalogue earlier;
    earlier.products = m_products;
    earlier.productCount = m_productCount;
    earlier.supplements = m_supplements;
    earlier.catalogue = m_catalogue;
    LoadedCatalogue loaded = m_source.fetch(reload, earlier);
    if (loaded.stop == LoadedCatalogue::Stop::Ended)
        return false;
    if (loaded.stop == LoadedCatalogue::Stop::Abandoned)
        abandon();
    // every load numbers the first eight tabs before it names them: a load stopped before the names leaves numbers
    if (!loaded.namesRead)
        numberTabs();
    // what a load that stopped had read is shown all the same: a waiter view without tables is still a service
    if (loaded.namesRead && !takeOn(loaded, stamp))
        return false;
    if (loaded.failure)
        std::rethrow_exception(loaded.failure);
    return true;
}

void CatalogueLoad::numberTabs()
{
    m_tabNames.reset();
    m_tabsNumbered = true;
    if (TicketView* ticket = m_views.ticket.ifMade())
        CatalogueCaptions::numberTabs(ticket->keyboardTabs());
}

void CatalogueLoad::showProgress(const QString& text)
{
    m_views.start.showStatus(text);
    Q_EMIT progressShown(text);
    pump();
}

void CatalogueLoad::follow(CatalogueSource::Stage stage, int n)
{
    switch (stage) {
    case CatalogueSource::Stage::Keyboard:
        showProgress(QStringLiteral("Chargement des tarifs: clavier %1").arg(n));
        break;
    case CatalogueSource::Stage::KeyboardsRead:
        showProgress(QStringLiteral("Création des touches produits"));
        break;
    case CatalogueSource::Stage::PrintingOptions:
        showProgress(QStringLiteral("Chargement des options d'impression"));
        break;
    case CatalogueSource::Stage::LinkSettled:
        m_linkProbe.start();
        break;
    case CatalogueSource::Stage::Answered:
        pump();
        break;
    case CatalogueSource::Stage::TablePlanLost:
        m_views.start.clearStatus();
        pump();
        break;
    }
}

void CatalogueLoad::abandon()
{
    MessageBox::show(m_window, QStringLiteral("Vérifiez votre adresse IP"));
    m_views.start.clearAddress();
}

bool CatalogueLoad::takeOn(LoadedCatalogue& loaded, const QString& stamp)
{
    const bool whole = loaded.stop == LoadedCatalogue::Stop::None;
    if (whole) {
        // a plan made later opens on room 1
        if (PlanView* plan = m_views.plan.ifMade())
            plan->roomTabs()->setCurrentWidget(plan->room1Page());
        m_link.setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    }
    if (whole && loaded.complete) {
        for (const auto& [slot, text] : loaded.slots)
            m_settings[slot] = text;
        m_settings[SettingsSlots::DataStamp] = stamp;
        // the waiter orders only from a catalogue the next start can read back
        if (!saveSettings(m_settings, m_window))
            return false;
    }
    m_products = std::move(loaded.products);
    m_productCount = loaded.productCount;
    m_catalogue = std::move(loaded.catalogue);
    showCatalogue(std::move(loaded.supplements), loaded.keyboardsRead);
    return true;
}

void CatalogueLoad::showCatalogue(std::vector<Supplement> supplements, bool keysBuilt)
{
    const CatalogueParse::TabsAndWaiters& names = m_catalogue.tabsAndWaiters();
    const int width = m_startSize.width();
    m_tabsNumbered = true;
    m_tabNames = names;
    // the sizes are those of the window now; the captions follow the product keys, when this load built them
    const int captionWidth = keysBuilt ? width : (m_shown ? m_shown->captionWidth : 0);
    m_shown = Shown{ScreenSizing::screenInput(m_window, m_startSize), m_startSize, captionWidth};
    if (TicketView* ticket = m_views.ticket.ifMade())
        dressTicket(*ticket);
    if (TableChoiceView* tableChoice = m_views.tableChoice.ifMade(); tableChoice && captionWidth)
        ScreenSizing::sizeTableChoiceCaptionFonts(*tableChoice, captionWidth);
    if (SetMenuView* setMenu = m_views.setMenu.ifMade())
        setMenu->grid().plan(width, m_startSize.height());
    ScreenSizing::sizeWaiterButtons(m_views.waiter.get());
    CatalogueCaptions::applyWaiters(&m_views.waiter.get(), names);
    // a catalogue that names no payment key leaves the earlier captions
    if (m_catalogue.paymentCaptions())
        m_paymentCaptions = m_catalogue.paymentCaptions();
    if (PaymentView* payment = m_views.payment.ifMade())
        dressPayment(*payment);
    m_supplements = std::move(supplements);
    if (ParkingView* parking = m_views.parking.ifMade())
        CatalogueCaptions::applySupplements(parking->supplementsList(), m_supplements);

    m_productKeys.plan(m_products, m_productCount, width, m_settings[SettingsSlots::DoubleTap] == QLatin1String("1"));
    m_tableButtons.plan(m_catalogue.tablePlan(), width, m_startSize.height());
}

void CatalogueLoad::dressTicket(TicketView& view)
{
    // the first eight tabs are numbered before they are named, as the load does on the tabs made
    if (m_tabsNumbered)
        CatalogueCaptions::numberTabs(view.keyboardTabs());
    if (m_tabNames)
        CatalogueCaptions::applyTabs(view.keyboardTabs(), *m_tabNames);
    if (!m_shown)
        return;
    m_paymentLayout = ScreenSizing::sizeTicket(view, m_shown->screen);
    if (m_shown->captionWidth)
        ScreenSizing::sizeSideCaptionFonts(view, m_shown->captionWidth);
}

void CatalogueLoad::dressPayment(PaymentView& view)
{
    // the payment is reached from the ticket, whose sizing lays out both
    m_views.ticket.get();
    if (m_paymentLayout)
        ScreenSizing::sizePayment(view, *m_paymentLayout);
    CatalogueCaptions::applyPayment(&view, m_paymentCaptions);
}
