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
        if (m_shown)
            ScreenSizing::sizeTableChoiceCaptionFonts(view, m_shown->startSize.width());
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
    // the tabs read their numbers until a first catalogue names them
    if (!m_shown) {
        m_tabsNumbered = true;
        if (TicketView* ticket = m_views.ticket.ifMade())
            CatalogueCaptions::numberTabs(ticket->keyboardTabs());
    }
    std::optional<LoadedCatalogue> loaded = m_source.fetch(reload);
    if (!loaded) {
        abandon();
        return true;
    }
    return takeOn(*loaded, stamp);
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
    // a plan made later opens on room 1
    if (PlanView* plan = m_views.plan.ifMade())
        plan->roomTabs()->setCurrentWidget(plan->room1Page());
    m_link.setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    if (loaded.complete) {
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
    showCatalogue(std::move(loaded.supplements));
    return true;
}

void CatalogueLoad::showCatalogue(std::vector<Supplement> supplements)
{
    const CatalogueParse::TabsAndWaiters& names = m_catalogue.tabsAndWaiters();
    const int width = m_startSize.width();
    // the sizes are those of the window now
    m_shown = Shown{names, ScreenSizing::screenInput(m_window, m_startSize), m_startSize};
    if (TicketView* ticket = m_views.ticket.ifMade())
        dressTicket(*ticket);
    if (TableChoiceView* tableChoice = m_views.tableChoice.ifMade())
        ScreenSizing::sizeTableChoiceCaptionFonts(*tableChoice, width);
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
    if (m_tabsNumbered)
        CatalogueCaptions::numberTabs(view.keyboardTabs());
    if (!m_shown)
        return;
    CatalogueCaptions::applyTabs(view.keyboardTabs(), m_shown->names);
    m_paymentLayout = ScreenSizing::sizeTicket(view, m_shown->screen);
    ScreenSizing::sizeSideCaptionFonts(view, m_shown->startSize.width());
}

void CatalogueLoad::dressPayment(PaymentView& view)
{
    // the payment is reached from the ticket, whose sizing lays out both
    m_views.ticket.get();
    if (m_paymentLayout)
        ScreenSizing::sizePayment(view, *m_paymentLayout);
    CatalogueCaptions::applyPayment(&view, m_paymentCaptions);
}
