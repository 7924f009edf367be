#include "CatalogueLoad.h"

#include "CatalogueCaptions.h"
#include "LinkProbe.h"
#include "ScreenSizing.h"
#include "StartView.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueParse.h"
#include "catalogue/ProductTable.h"
#include "closing/PaymentView.h"
#include "link/FormatError.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"
#include "menus/SetMenuView.h"
#include "session/Limits.h"
#include "settings/SaveSettings.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "tables/PlanView.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

using namespace SettingsSlots;

// the register wants a breath before these two
constexpr int SettleMs = 20;

// keyboard 1 is asked for as naclav2 and keyboard 2 as naclav1: the register numbers them so
int productListNumber(int keyboard)
{
    if (keyboard == 1)
        return 2;
    if (keyboard == 2)
        return 1;
    return keyboard;
}

void pump()
{
    QCoreApplication::processEvents();
}

} // namespace

CatalogueLoad::CatalogueLoad(RegisterLink& link, SettingsStore& settings, ProductTable& products, Catalogue& catalogue,
                             LinkProbe& linkProbe, const Views& views, QWidget* window)
    : m_link(link), m_settings(settings), m_products(products), m_catalogue(catalogue), m_linkProbe(linkProbe),
      m_views(views), m_window(window)
{
}

bool CatalogueLoad::load(bool reload)
{
    m_reload = reload;
    showProgress(QStringLiteral("Chargement des paramètres..."));
    clearEarlierLoad();
    CatalogueCaptions::numberTabs(m_views.ticket.TabControl());
    if (!loadTabsAndWaiters())
        return true;
    ScreenSizing::sizeScreens(m_views.ticket, m_views.payment, m_window, m_startSize);
    if (!loadPaymentCaptions())
        return true;

    showProgress(QStringLiteral("Chargement des tarifs: clavier 1"));
    loadSupplements();
    loadKeyboard(1);
    for (int n = 2; n <= Limits::Keyboards; ++n) {
        showProgress(QStringLiteral("Chargement des tarifs: clavier %1").arg(n));
        loadKeyboard(n);
    }

    showProgress(QStringLiteral("Création des touches produits"));
    m_productKeys.build(m_products, m_productCount, &m_views.ticket, m_startSize.width(),
                        m_settings[4] == QLatin1String("1"));
    ScreenSizing::sizeCaptionFonts(m_views.ticket, m_views.tableChoice, m_startSize.width());

    showProgress(QStringLiteral("Chargement des options d'impression"));
    loadPrintingOptions();
    loadKitchenLists();
    RegisterLink::pause(1);
    m_linkProbe.start();
    loadSetMenuContents();
    loadCourseRanks();
    loadSetMenuLists();
    m_setMenuGrid.build(&m_views.setMenu, m_startSize.width(), m_startSize.height());

    if (!loadTablePlan())
        return true;
    m_tableButtons.build(m_catalogue.tablePlan(), &m_views.plan, m_startSize.width(), m_startSize.height());
    return finish();
}

void CatalogueLoad::showProgress(const QString& text)
{
    m_views.start.showStatus(text);
    Q_EMIT progressShown(text);
    pump();
}

void CatalogueLoad::clearEarlierLoad()
{
    // a catalogue half old and half new would order the wrong articles: an earlier load goes whole
    m_products.clear();
    m_catalogue.clear();
    m_productCount = 0;
    m_productKeys.clear();
    m_setMenuGrid.clear();
    m_tableButtons.clear();
    CatalogueCaptions::applySupplements(m_views.parking.ListViewsupp(), {});
}

std::optional<QString> CatalogueLoad::replyOrAbort(const QString& request, int slot)
{
    SettingsStore& settings = m_settings;
    if (!m_reload)
        return settings[slot];
    QString reply;
    bool failed = false;
    try {
        reply = ask(request);
    } catch (const LinkError&) {
        failed = true;
    }
    pump();
    if (failed) {
        abort();
        return std::nullopt;
    }
    settings[slot] = reply;
    return reply;
}

void CatalogueLoad::abort()
{
    MessageBox::show(m_window, QStringLiteral("Vérifiez votre adresse IP"));
    m_views.start.clearAddress();
}

QString CatalogueLoad::ask(const QString& request, int settleMs)
{
    ExchangeOptions options;
    options.settleMs = settleMs;
    return m_link.exchange(request, options);
}

bool CatalogueLoad::loadTabsAndWaiters()
{
    const std::optional<QString> reply = replyOrAbort(QStringLiteral("nongletserveur"), TabsAndWaiters);
    if (!reply)
        return false;
    const CatalogueParse::TabsAndWaiters names = CatalogueParse::parseTabsAndWaiters(*reply);
    m_catalogue.setTabsAndWaiters(names);
    CatalogueCaptions::applyTabs(m_views.ticket.TabControl(), names);
    ScreenSizing::sizeWaiterButtons(m_views.waiter);
    CatalogueCaptions::applyWaiters(&m_views.waiter, names);
    return true;
}

bool CatalogueLoad::loadPaymentCaptions()
{
    const std::optional<QString> reply = replyOrAbort(QStringLiteral("enc$"), PaymentCaptions);
    if (!reply)
        return false;
    const std::optional<CatalogueParse::PaymentCaptions> captions = CatalogueParse::parsePaymentCaptions(*reply);
    m_catalogue.setPaymentCaptions(captions);
    CatalogueCaptions::applyPayment(&m_views.payment, captions);
    return true;
}

void CatalogueLoad::loadSupplements()
{
    SettingsStore& settings = m_settings;
    ProductTable& prod = m_products;
    CheckList* list = m_views.parking.ListViewsupp();
    if (!m_reload) {
        prod.setSuppFlags(CatalogueParse::parseSuppFlags(settings[SupplementFlags]));
        const std::vector<Supplement> supplements = CatalogueParse::parseSupplements(settings[Supplements]);
        prod.setSupplements(supplements);
        CatalogueCaptions::applySupplements(list, supplements);
        return;
    }
    // the ticket works without supplements: a failure here costs only them
    try {
        const QString reply = ask(QStringLiteral("listesupp"));
        settings[Supplements] = reply;
        const std::vector<Supplement> supplements = CatalogueParse::parseSupplements(reply);
        prod.setSupplements(supplements);
        CatalogueCaptions::applySupplements(list, supplements);
    } catch (const LinkError&) {
    } catch (const FormatError&) {
    }
    try {
        const QString reply = ask(QStringLiteral("supplement"));
        settings[SupplementFlags] = reply;
        prod.setSuppFlags(CatalogueParse::parseSuppFlags(reply));
    } catch (const LinkError&) {
    }
}

void CatalogueLoad::loadKeyboard(int n)
{
    SettingsStore& settings = m_settings;
    if (m_reload) {
        // a failed request keeps its slot: the keyboard is built from the slots as they stand
        const QString list = QStringLiteral("naclav%1").arg(productListNumber(n));
        try {
            settings[PriceListFirstHalf + n] = CatalogueParse::stripLead(ask(list + QStringLiteral("_1")));
        } catch (const LinkError&) {
        }
        try {
            settings[PriceListSecondHalf + n] = ask(list + QStringLiteral("_2"));
        } catch (const LinkError&) {
        }
        try {
            settings[KitchenLabels + n] = CatalogueParse::stripLead(ask(QStringLiteral("stgcuis%1").arg(n)));
        } catch (const LinkError&) {
        }
    }
    const std::vector<Product> products = CatalogueParse::parseKeyboard(
        settings[PriceListFirstHalf + n], settings[PriceListSecondHalf + n], settings[KitchenLabels + n], n);
    m_productCount = m_products.addKeyboard(m_productCount, products);
}

void CatalogueLoad::loadPrintingOptions()
{
    SettingsStore& settings = m_settings;
    const QString reply = m_reload ? ask(QStringLiteral("limp"), SettleMs) : settings[PrintingOptions];
    m_catalogue.setPrintingOptions(CatalogueParse::parsePrintingOptions(reply));
    settings[PrintingOptions] = reply;
}

void CatalogueLoad::loadKitchenLists()
{
    SettingsStore& settings = m_settings;
    if (m_reload) {
        // a failed request keeps the slot, as a keyboard's does, rather than taking another reply for it
        try {
            settings[KitchenLists] = ask(QStringLiteral("nacuistot"), SettleMs);
        } catch (const LinkError&) {
        }
    }
    m_catalogue.setKitchenLists(CatalogueParse::parseKitchenLists(settings[KitchenLists]));
}

void CatalogueLoad::loadSetMenuContents()
{
    SettingsStore& settings = m_settings;
    if (!m_reload) {
        m_catalogue.setCtform(CatalogueParse::parseSetMenuContentsSlots(
            settings[SetMenuContents], settings[SetMenuContents + 1], settings[SetMenuContents + 2]));
        return;
    }
    try {
        const CatalogueParse::SetMenuContentsReply reply =
            CatalogueParse::parseSetMenuContentsReply(ask(QStringLiteral("ctnform")));
        for (int i = 0; i < 3; ++i)
            settings[SetMenuContents + i] = reply.slots.at(size_t(i));
        m_catalogue.setCtform(reply.ctform);
    } catch (const LinkError&) {
    }
}

void CatalogueLoad::loadCourseRanks()
{
    SettingsStore& settings = m_settings;
    for (int n = 1; n <= CatalogueParse::CourseCount; ++n) {
        if (m_reload)
            settings[CourseRanks + n] = ask(QStringLiteral("rang%1").arg(n));
        m_catalogue.setRang(n, CatalogueParse::parseCourseRank(settings[CourseRanks + n]));
    }
}

void CatalogueLoad::loadSetMenuLists()
{
    SettingsStore& settings = m_settings;
    for (int n = 1; n <= CatalogueParse::SetMenuCount; ++n) {
        if (!m_reload) {
            m_catalogue.setAform(
                n, CatalogueParse::parseSetMenuListSlots(settings[SetMenuLists + n], settings[SetMenuListsRest + n]));
            continue;
        }
        // a reply past 2000 characters is used whole now but cached only in part
        const CatalogueParse::SetMenuListReply reply =
            CatalogueParse::parseSetMenuListReply(ask(QStringLiteral("aform%1").arg(n)));
        settings[SetMenuLists + n] = reply.slots.at(0);
        settings[SetMenuListsRest + n] = reply.slots.at(1);
        m_catalogue.setAform(n, reply.aform);
    }
}

bool CatalogueLoad::loadTablePlan()
{
    if (m_reload) {
        QString reply;
        try {
            reply = ask(QStringLiteral("tablepos$"));
        } catch (const LinkError&) {
            m_views.start.clearStatus();
            pump();
            abort();
            return false;
        }
        m_settings[TablePlan] = reply;
    }
    m_catalogue.setTablePlan(CatalogueParse::parseTablePlan(m_settings[TablePlan]));
    return true;
}

bool CatalogueLoad::finish()
{
    m_views.plan.TabControl1()->setCurrentWidget(m_views.plan.TabItem9());
    m_link.setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    if (!saveSettings(m_settings, m_window))
        return false;
    m_catalogue.indexArticles(m_products);
    return true;
}
