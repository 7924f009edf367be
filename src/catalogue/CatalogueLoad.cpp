#include "CatalogueLoad.h"

#include "Catalogue.h"
#include "CatalogueCaptions.h"
#include "CatalogueParse.h"
#include "FormatError.h"
#include "ProductTable.h"
#include "ScreenSizing.h"
#include "app/InitView.h"
#include "app/MessageBox.h"
#include "app/TForm4.h"
#include "closing/EncaissementView.h"
#include "link/LinkError.h"
#include "menus/FormuleView.h"
#include "tables/PlanView.h"
#include "ticket/PoubelleView.h"
#include "ticket/TicketView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int SlotTabsAndWaiters = 30;
constexpr int SlotPayment = 31;
constexpr int SlotTablePlan = 33;
constexpr int SlotSupplements = 35;
constexpr int SlotSuppFlags = 36;
constexpr int SlotPrinting = 41;
constexpr int SlotKitchen = 42;
constexpr int SlotContents = 43;
constexpr int SlotFirstHalf = 10;
constexpr int SlotSecondHalf = 80;
constexpr int SlotKitchenLabels = 100;
constexpr int SlotCourseRank = 45;
constexpr int SlotSetMenuList = 60;
constexpr int SlotSetMenuListRest = 70;
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

CatalogueLoad::CatalogueLoad(TForm4& form) : m_form(form) {}

void CatalogueLoad::lit_clavier()
{
    if (m_form.nbcouverts.isEmpty())
        m_form.nbcouverts = QStringLiteral("0");
    showProgress(QStringLiteral("Chargement des paramètres..."));
    clearEarlierLoad();
    CatalogueCaptions::numberTabs(m_form.ticket()->TabControl());
    if (!loadTabsAndWaiters())
        return;
    ScreenSizing::sizeScreens(m_form);
    if (!loadPaymentCaptions())
        return;

    showProgress(QStringLiteral("Chargement des tarifs: clavier 1"));
    loadSupplements();
    loadKeyboard(1);
    for (int n = 2; n <= TicketView::Keyboards; ++n) {
        showProgress(QStringLiteral("Chargement des tarifs: clavier %1").arg(n));
        loadKeyboard(n);
    }

    showProgress(QStringLiteral("Création des touches produits"));
    m_productKeys.build(m_form.prod(), m_productCount, m_form.ticket(), m_form.largeurinit,
                        m_form.settings()[4] == QLatin1String("1"));
    ScreenSizing::sizeCaptionFonts(m_form);

    showProgress(QStringLiteral("Chargement des options d'impression"));
    loadPrintingOptions();
    loadKitchenLists();
    RegisterLink::pause(1);
    m_form.Timer3()->start();
    loadSetMenuContents();
    loadCourseRanks();
    loadSetMenuLists();
    m_setMenuGrid.build(m_form.formule(), m_form.largeurinit, m_form.hauteurinit);

    if (!loadTablePlan())
        return;
    m_tableButtons.build(m_form.catalogue().tablePlan(), m_form.plan(), m_form.largeurinit, m_form.hauteurinit);
    finish();
}

void CatalogueLoad::showProgress(const QString& text)
{
    m_form.init()->text1()->setText(text);
    Q_EMIT progressShown(text);
    pump();
}

void CatalogueLoad::clearEarlierLoad()
{
    // a catalogue half old and half new would order the wrong articles: an earlier load goes whole
    m_form.prod().clear();
    m_form.catalogue().clear();
    m_productCount = 0;
    m_productKeys.clear();
    m_setMenuGrid.clear();
    m_tableButtons.clear();
    CatalogueCaptions::applySupplements(m_form.poubelle()->ListViewsupp(), {});
}

std::optional<QString> CatalogueLoad::replyOrAbort(const QString& request, int slot)
{
    SettingsStore& settings = m_form.settings();
    if (!m_form.reload)
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
    MessageBox::show(&m_form, QStringLiteral("Vérifiez votre adresse IP"));
    m_form.init()->Edit1()->clear();
}

QString CatalogueLoad::ask(const QString& request, int settleMs)
{
    ExchangeOptions options;
    options.settleMs = settleMs;
    return m_form.tCPClient().echange(request, options);
}

bool CatalogueLoad::loadTabsAndWaiters()
{
    const std::optional<QString> reply = replyOrAbort(QStringLiteral("nongletserveur"), SlotTabsAndWaiters);
    if (!reply)
        return false;
    const CatalogueParse::TabsAndWaiters names = CatalogueParse::parseTabsAndWaiters(*reply);
    m_form.catalogue().setTabsAndWaiters(names);
    CatalogueCaptions::applyTabs(m_form.ticket()->TabControl(), names);
    ScreenSizing::sizeWaiterButtons(m_form);
    CatalogueCaptions::applyWaiters(m_form.serveur(), names);
    return true;
}

bool CatalogueLoad::loadPaymentCaptions()
{
    const std::optional<QString> reply = replyOrAbort(QStringLiteral("enc$"), SlotPayment);
    if (!reply)
        return false;
    const std::optional<CatalogueParse::PaymentCaptions> captions = CatalogueParse::parsePaymentCaptions(*reply);
    m_form.catalogue().setPaymentCaptions(captions);
    CatalogueCaptions::applyPayment(m_form.encaissement(), captions);
    return true;
}

void CatalogueLoad::loadSupplements()
{
    SettingsStore& settings = m_form.settings();
    ProductTable& prod = m_form.prod();
    CheckList* list = m_form.poubelle()->ListViewsupp();
    if (!m_form.reload) {
        prod.setSuppFlags(CatalogueParse::parseSuppFlags(settings[SlotSuppFlags]));
        const std::vector<Supplement> supplements = CatalogueParse::parseSupplements(settings[SlotSupplements]);
        prod.setSupplements(supplements);
        CatalogueCaptions::applySupplements(list, supplements);
        return;
    }
    // the ticket works without supplements: a failure here costs only them
    try {
        const QString reply = ask(QStringLiteral("listesupp"));
        settings[SlotSupplements] = reply;
        const std::vector<Supplement> supplements = CatalogueParse::parseSupplements(reply);
        prod.setSupplements(supplements);
        CatalogueCaptions::applySupplements(list, supplements);
    } catch (const LinkError&) {
    } catch (const FormatError&) {
    }
    try {
        const QString reply = ask(QStringLiteral("supplement"));
        settings[SlotSuppFlags] = reply;
        prod.setSuppFlags(CatalogueParse::parseSuppFlags(reply));
    } catch (const LinkError&) {
    }
}

void CatalogueLoad::loadKeyboard(int n)
{
    SettingsStore& settings = m_form.settings();
    if (m_form.reload) {
        // a failed request keeps its slot: the keyboard is built from the slots as they stand
        const QString list = QStringLiteral("naclav%1").arg(productListNumber(n));
        try {
            settings[SlotFirstHalf + n] = CatalogueParse::stripLead(ask(list + QStringLiteral("_1")));
        } catch (const LinkError&) {
        }
        try {
            settings[SlotSecondHalf + n] = ask(list + QStringLiteral("_2"));
        } catch (const LinkError&) {
        }
        try {
            settings[SlotKitchenLabels + n] = CatalogueParse::stripLead(ask(QStringLiteral("stgcuis%1").arg(n)));
        } catch (const LinkError&) {
        }
    }
    const std::vector<Product> products = CatalogueParse::parseKeyboard(
        settings[SlotFirstHalf + n], settings[SlotSecondHalf + n], settings[SlotKitchenLabels + n], n);
    m_productCount = m_form.prod().addKeyboard(m_productCount, products);
}

void CatalogueLoad::loadPrintingOptions()
{
    SettingsStore& settings = m_form.settings();
    const QString reply = m_form.reload ? ask(QStringLiteral("limp"), SettleMs) : settings[SlotPrinting];
    m_form.catalogue().setPrintingOptions(CatalogueParse::parsePrintingOptions(reply));
    settings[SlotPrinting] = reply;
}

void CatalogueLoad::loadKitchenLists()
{
    SettingsStore& settings = m_form.settings();
    if (m_form.reload) {
        // a failed request keeps the slot, as a keyboard's does, rather than taking another reply for it
        try {
            settings[SlotKitchen] = ask(QStringLiteral("nacuistot"), SettleMs);
        } catch (const LinkError&) {
        }
    }
    m_form.catalogue().setKitchenLists(CatalogueParse::parseKitchenLists(settings[SlotKitchen]));
}

void CatalogueLoad::loadSetMenuContents()
{
    SettingsStore& settings = m_form.settings();
    if (!m_form.reload) {
        m_form.catalogue().setCtform(CatalogueParse::parseSetMenuContentsSlots(
            settings[SlotContents], settings[SlotContents + 1], settings[SlotContents + 2]));
        return;
    }
    RegisterLink& link = m_form.tCPClient();
    if (!link.connected())
        link.connectToRegister();
    try {
        const CatalogueParse::SetMenuContentsReply reply =
            CatalogueParse::parseSetMenuContentsReply(ask(QStringLiteral("ctnform")));
        for (int i = 0; i < 3; ++i)
            settings[SlotContents + i] = reply.slots.at(size_t(i));
        m_form.catalogue().setCtform(reply.ctform);
    } catch (const LinkError&) {
    }
}

void CatalogueLoad::loadCourseRanks()
{
    SettingsStore& settings = m_form.settings();
    for (int n = 1; n <= CatalogueParse::CourseCount; ++n) {
        if (m_form.reload)
            settings[SlotCourseRank + n] = ask(QStringLiteral("rang%1").arg(n));
        m_form.catalogue().setRang(n, CatalogueParse::parseCourseRank(settings[SlotCourseRank + n]));
    }
}

void CatalogueLoad::loadSetMenuLists()
{
    SettingsStore& settings = m_form.settings();
    for (int n = 1; n <= CatalogueParse::SetMenuCount; ++n) {
        if (!m_form.reload) {
            m_form.catalogue().setAform(n, CatalogueParse::parseSetMenuListSlots(settings[SlotSetMenuList + n],
                                                                                 settings[SlotSetMenuListRest + n]));
            continue;
        }
        // a reply past 2000 characters is used whole now but cached only in part
        const CatalogueParse::SetMenuListReply reply =
            CatalogueParse::parseSetMenuListReply(ask(QStringLiteral("aform%1").arg(n)));
        settings[SlotSetMenuList + n] = reply.slots.at(0);
        settings[SlotSetMenuListRest + n] = reply.slots.at(1);
        m_form.catalogue().setAform(n, reply.aform);
    }
}

bool CatalogueLoad::loadTablePlan()
{
    if (m_form.reload) {
        QString reply;
        try {
            reply = ask(QStringLiteral("tablepos$"));
        } catch (const LinkError&) {
            m_form.init()->text1()->clear();
            pump();
            abort();
            return false;
        }
        m_form.settings()[SlotTablePlan] = reply;
    }
    m_form.catalogue().setTablePlan(CatalogueParse::parseTablePlan(m_form.settings()[SlotTablePlan]));
    return true;
}

void CatalogueLoad::finish()
{
    m_form.plan()->TabControl1()->setCurrentWidget(m_form.plan()->TabItem9());
    m_form.tCPClient().setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    if (!m_form.sauvesettings())
        return;
    m_form.catalogue().indexArticles(m_form.prod());
}
