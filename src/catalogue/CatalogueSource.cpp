#include "CatalogueSource.h"

#include "CatalogueGeometry.h"
#include "CatalogueParse.h"
#include "link/FormatError.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"
#include "session/Limits.h"
#include "session/Session.h"
#include "settings/SettingsFormat.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using namespace SettingsSlots;

// keyboard 1 is asked for as naclav2 and keyboard 2 as naclav1: the register numbers them so
int productListNumber(int keyboard)
{
    if (keyboard == 1)
        return 2;
    if (keyboard == 2)
        return 1;
    return keyboard;
}

// Every slot a download fills: a cache is whole only when the file holds each of them.
std::vector<int> catalogueSlots()
{
    std::vector<int> slots{TabsAndWaiters,  PaymentCaptions, TablePlan,   Supplements,
                           SupplementFlags, PrintingOptions, KitchenLists};
    for (int i = 0; i < SetMenuContentsSlots; ++i)
        slots.push_back(SetMenuContents + i);
    for (int n = 1; n <= Limits::Keyboards; ++n)
        slots.insert(slots.end(), {PriceListFirstHalf + n, PriceListSecondHalf + n, KitchenLabels + n});
    for (int n = 1; n <= Limits::Courses; ++n)
        slots.push_back(CourseRanks + n);
    for (int n = 1; n <= Limits::SetMenus; ++n)
        slots.insert(slots.end(), {SetMenuLists + n, SetMenuListsRest + n});
    return slots;
}

} // namespace

// One fetch: the catalogue as it fills, and the slots it has replaced so far.
class CatalogueSource::Run
{
public:
    enum class Mode
    {
        Download,  // asks the register, showing each stage
        Cache,     // reads the cache, showing each stage
        ReadAhead, // reads the cache, showing nothing
        ReadEarly, // a cache read ahead: only its stages are left to show
    };

    Run(const CatalogueSource& source, Mode mode, LoadedCatalogue read = {})
        : m_source(source), m_mode(mode), m_reload(mode == Mode::Download), m_loaded(std::move(read))
    {
    }

    // None when the cache cannot serve; a download gives what it read, also when it stopped.
    std::optional<LoadedCatalogue> fetch();

private:
    // Stops the run where it stands.
    struct Abandoned
    {
    };
    struct Ended
    {
    };
    static void require(bool met)
    {
        if (!met)
            throw Abandoned();
    }

    void readAll();
    bool cacheCanServe() const;
    void report(Stage stage, int n = 0) const;
    // A reply that never came reads as an empty one, as the register may well answer so: the download goes on,
    // but is not cached, so a register that fell silent for a moment never leaves its gaps under the new stamp.
    QString ask(const QString& keyword) { return ask(Session::catalogueList(keyword)); }
    QString ask(const Request& request);
    // A request the download does without when the link fails on it: the download goes on, but is not cached.
    template <typename Exchange> void guarded(Exchange&& exchange);
    // the slot as this load leaves it: its new reply, else what the settings hold
    QString slot(int n) const;
    void cache(int n, const QString& text) { m_loaded.slots[n] = text; }
    // The reply to a request whose failure abandons the start, or its slot from the cache.
    QString replyOrLost(const QString& request, int n);

    void readTabsAndWaiters();
    void readPaymentCaptions();
    void readSupplements();
    void readKeyboard(int n);
    void readPrintingOptions();
    void readKitchenLists();
    void readSetMenuContents();
    void readCourseRanks();
    void readSetMenuLists();
    void readTablePlan();

    const CatalogueSource& m_source;
    const Mode m_mode;
    const bool m_reload;
    LoadedCatalogue m_loaded;
};

CatalogueSource::CatalogueSource(RegisterLink& link, const SettingsStore& settings, Observer observer)
    : m_link(link), m_settings(settings), m_observer(std::move(observer))
{
}

LoadedCatalogue CatalogueSource::fetch(bool reload, const LoadedCatalogue& earlier)
{
    std::optional<ReadAhead> ahead = std::exchange(m_readAhead, std::nullopt);
    if (!reload) {
        std::optional<LoadedCatalogue> cached;
        if (!ahead || ahead->texts != cacheTexts())
            cached = Run(*this, Run::Mode::Cache).fetch();
        else if (ahead->loaded)
            cached = Run(*this, Run::Mode::ReadEarly, std::move(*ahead->loaded)).fetch();
        if (cached)
            return std::move(*cached);
    }
    // a download that stops leaves what it did not reach as it was
    LoadedCatalogue over;
    over.products = earlier.products;
    over.productCount = earlier.productCount;
    over.supplements = earlier.supplements;
    over.catalogue = earlier.catalogue;
    return *Run(*this, Run::Mode::Download, std::move(over)).fetch();
}

void CatalogueSource::readCacheAhead()
{
    CacheTexts texts = cacheTexts();
    if (m_readAhead && m_readAhead->texts == texts)
        return;
    m_readAhead = ReadAhead{std::move(texts), Run(*this, Run::Mode::ReadAhead).fetch()};
}

CatalogueSource::CacheTexts CatalogueSource::cacheTexts() const
{
    CacheTexts texts;
    for (const int n : catalogueSlots())
        texts.push_back(m_settings.isStored(n) ? std::optional<QString>(m_settings[n]) : std::nullopt);
    return texts;
}

std::optional<LoadedCatalogue> CatalogueSource::Run::fetch()
{
    try {
        if ((m_mode == Mode::Cache || m_mode == Mode::ReadAhead) && !cacheCanServe())
            return std::nullopt;
        readAll();
    } catch (const Abandoned&) {
        m_loaded.stop = LoadedCatalogue::Stop::Abandoned;
    } catch (const Ended&) {
        m_loaded.stop = LoadedCatalogue::Stop::Ended;
    } catch (const FormatError&) {
        // a cache that does not parse is downloaded again; a download stops on it
        if (!m_reload)
            return std::nullopt;
        m_loaded.stop = LoadedCatalogue::Stop::Failed;
        m_loaded.failure = std::current_exception();
    } catch (const LinkError&) {
        m_loaded.stop = LoadedCatalogue::Stop::Failed;
        m_loaded.failure = std::current_exception();
    }
    // `articles` follows the products read, also those of a load that stopped
    m_loaded.catalogue.indexArticles(m_loaded.products);
    return std::move(m_loaded);
}

void CatalogueSource::Run::readAll()
{
    // a cache read ahead goes through the same stages, with nothing left to read
    const bool reading = m_mode != Mode::ReadEarly;
    if (reading)
        readTabsAndWaiters();
    m_loaded.namesRead = true;
    if (reading)
        readPaymentCaptions();
    report(Stage::Keyboard, 1);
    if (reading) {
        readSupplements();
        // the products are numbered from 0 again: none of the earlier catalogue stays beyond the new ones
        m_loaded.products.clearProducts();
        m_loaded.productCount = 0;
        readKeyboard(1);
    }
    for (int n = 2; n <= Limits::Keyboards; ++n) {
        report(Stage::Keyboard, n);
        if (reading)
            readKeyboard(n);
    }
    m_loaded.keyboardsRead = true;
    report(Stage::KeyboardsRead);

    report(Stage::PrintingOptions);
    if (reading) {
        readPrintingOptions();
        readKitchenLists();
    }
    if (m_mode != Mode::ReadAhead)
        RegisterLink::pause(1);
    report(Stage::LinkSettled);
    if (reading) {
        readSetMenuContents();
        readCourseRanks();
        readSetMenuLists();
        readTablePlan();
    }
}

bool CatalogueSource::Run::cacheCanServe() const
{
    const SettingsStore& settings = m_source.m_settings;
    // a file cut short gives its missing slots their defaults, which read as a catalogue of another shape; a value
    // as long as the read limit was cut by it, and a cut product list joins its second half to the wrong records
    const std::vector<int> slots = catalogueSlots();
    const bool whole = std::all_of(slots.cbegin(), slots.cend(), [&](int n) {
        return settings.isStored(n) && settings[n].size() < SettingsFormat::MaxValueLength;
    });
    if (!whole)
        return false;
    // nobody could log in on a list that names no waiter
    const CatalogueParse::TabsAndWaiters names = CatalogueParse::parseTabsAndWaiters(settings[TabsAndWaiters]);
    return std::any_of(names.waiterShown.cbegin(), names.waiterShown.cend(), [](bool shown) { return shown; });
}

void CatalogueSource::Run::report(Stage stage, int n) const
{
    if (m_mode != Mode::ReadAhead && m_source.m_observer)
        m_source.m_observer(stage, n);
}

QString CatalogueSource::Run::ask(const Request& request)
{
    if (m_source.m_ending)
        throw Ended();
    const Exchange done = m_source.m_link.exchange(request);
    if (!done.answered)
        m_loaded.complete = false;
    return done.reply;
}

template <typename Exchange> void CatalogueSource::Run::guarded(Exchange&& exchange)
{
    try {
        exchange();
    } catch (const LinkError&) {
        m_loaded.complete = false;
    }
}

QString CatalogueSource::Run::slot(int n) const
{
    const auto cached = m_loaded.slots.find(n);
    return cached != m_loaded.slots.end() ? cached->second : m_source.m_settings[n];
}

QString CatalogueSource::Run::replyOrLost(const QString& request, int n)
{
    if (!m_reload)
        return slot(n);
    std::optional<QString> reply;
    try {
        reply = ask(request);
    } catch (const LinkError&) {
    }
    report(Stage::Answered);
    require(reply.has_value());
    return *reply;
}

void CatalogueSource::Run::readTabsAndWaiters()
{
    const QString reply = replyOrLost(QStringLiteral("nongletserveur"), TabsAndWaiters);
    // a register that answers the version and then nothing would hold the screen on every request of the
    // download, some 30 s, for a waiter view without a waiter key: it is taken for lost
    require(!m_reload || !m_source.m_link.lastExchangeUnanswered());
    if (m_reload)
        cache(TabsAndWaiters, reply);
    m_loaded.catalogue.setTabsAndWaiters(CatalogueParse::parseTabsAndWaiters(reply));
}

void CatalogueSource::Run::readPaymentCaptions()
{
    const QString reply = replyOrLost(QStringLiteral("enc$"), PaymentCaptions);
    if (m_reload)
        cache(PaymentCaptions, reply);
    m_loaded.catalogue.setPaymentCaptions(CatalogueParse::parsePaymentCaptions(reply));
}

void CatalogueSource::Run::readSupplements()
{
    ProductTable& products = m_loaded.products;
    if (!m_reload) {
        products.setSuppFlags(CatalogueParse::parseSuppFlags(slot(SupplementFlags)));
        m_loaded.supplements = CatalogueParse::parseSupplements(slot(Supplements));
        products.setSupplements(m_loaded.supplements);
        return;
    }
    // the ticket works without supplements: a failure here costs only them, for this service
    guarded([&] {
        const QString reply = ask(QStringLiteral("listesupp"));
        try {
            m_loaded.supplements = CatalogueParse::parseSupplements(reply);
        } catch (const FormatError&) {
            // never cached: a cache that does not parse would stop every later start
            m_loaded.complete = false;
            return;
        }
        cache(Supplements, reply);
        products.setSupplements(m_loaded.supplements);
    });
    guarded([&] {
        const QString reply = ask(QStringLiteral("supplement"));
        cache(SupplementFlags, reply);
        products.setSuppFlags(CatalogueParse::parseSuppFlags(reply));
    });
}

void CatalogueSource::Run::readKeyboard(int n)
{
    if (m_reload) {
        // a failed request keeps its slot: the keyboard is built from the slots as they stand
        const QString list = QStringLiteral("naclav%1").arg(productListNumber(n));
        guarded([&] { cache(PriceListFirstHalf + n, CatalogueParse::stripLead(ask(list + QStringLiteral("_1")))); });
        guarded([&] { cache(PriceListSecondHalf + n, ask(list + QStringLiteral("_2"))); });
        guarded([&] { cache(KitchenLabels + n, CatalogueParse::stripLead(ask(QStringLiteral("stgcuis%1").arg(n)))); });
    }
    const std::vector<Product> products = CatalogueParse::parseKeyboard(
        slot(PriceListFirstHalf + n), slot(PriceListSecondHalf + n), slot(KitchenLabels + n), n);
    m_loaded.productCount = m_loaded.products.addKeyboard(m_loaded.productCount, products);
}

void CatalogueSource::Run::readPrintingOptions()
{
    const QString reply = m_reload ? ask(Session::catalogueListSettled(QStringLiteral("limp"))) : slot(PrintingOptions);
    m_loaded.catalogue.setPrintingOptions(CatalogueParse::parsePrintingOptions(reply));
    if (m_reload)
        cache(PrintingOptions, reply);
}

void CatalogueSource::Run::readKitchenLists()
{
    // a failed request keeps the slot, as a keyboard's does, rather than taking another reply for it
    if (m_reload)
        guarded([&] { cache(KitchenLists, ask(Session::catalogueListSettled(QStringLiteral("nacuistot")))); });
    m_loaded.catalogue.setKitchenLists(CatalogueParse::parseKitchenLists(slot(KitchenLists)));
}

void CatalogueSource::Run::readSetMenuContents()
{
    if (!m_reload) {
        m_loaded.catalogue.setCtform(CatalogueParse::parseSetMenuContentsSlots(
            slot(SetMenuContents), slot(SetMenuContents + 1), slot(SetMenuContents + 2)));
        return;
    }
    guarded([&] {
        const CatalogueParse::SetMenuContentsReply reply =
            CatalogueParse::parseSetMenuContentsReply(ask(QStringLiteral("ctnform")));
        for (int i = 0; i < SetMenuContentsSlots; ++i)
            cache(SetMenuContents + i, reply.slots.at(size_t(i)));
        m_loaded.catalogue.setCtform(reply.ctform);
    });
}

void CatalogueSource::Run::readCourseRanks()
{
    for (int n = 1; n <= Limits::Courses; ++n) {
        if (m_reload)
            cache(CourseRanks + n, ask(QStringLiteral("rang%1").arg(n)));
        m_loaded.catalogue.setRang(n, CatalogueParse::parseCourseRank(slot(CourseRanks + n)));
    }
}

void CatalogueSource::Run::readSetMenuLists()
{
    for (int n = 1; n <= Limits::SetMenus; ++n) {
        if (!m_reload) {
            m_loaded.catalogue.setAform(
                n, CatalogueParse::parseSetMenuListSlots(slot(SetMenuLists + n), slot(SetMenuListsRest + n)));
            continue;
        }
        // a reply past 2000 characters is used whole now but cached only in part
        const CatalogueParse::SetMenuListReply reply =
            CatalogueParse::parseSetMenuListReply(ask(QStringLiteral("aform%1").arg(n)));
        cache(SetMenuLists + n, reply.slots.at(0));
        cache(SetMenuListsRest + n, reply.slots.at(1));
        m_loaded.catalogue.setAform(n, reply.aform);
    }
}

void CatalogueSource::Run::readTablePlan()
{
    if (m_reload) {
        std::optional<QString> reply;
        try {
            reply = ask(QStringLiteral("tablepos$"));
        } catch (const LinkError&) {
        }
        if (!reply) {
            report(Stage::TablePlanLost);
            require(false);
        }
        cache(TablePlan, *reply);
    }
    CatalogueParse::TablePlan plan = CatalogueParse::parseTablePlan(slot(TablePlan));
    // every table's numbers are converted now: a bad one stops the load there, with the tables before it
    for (int z = 0; z < Limits::Tables; ++z) {
        try {
            CatalogueGeometry::tableButton(plan, z, 0, 0, 0);
        } catch (const FormatError&) {
            for (QStringList* list :
                 {&plan.tableleft, &plan.tabletop, &plan.tableh, &plan.tablew, &plan.tableplan, &plan.tablevisible})
                *list = list->mid(0, z);
            m_loaded.catalogue.setTablePlan(plan);
            throw;
        }
    }
    m_loaded.catalogue.setTablePlan(plan);
}
