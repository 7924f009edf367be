#include "RegisterCheck.h"

#include "catalogue/CatalogueGeometry.h"
#include "catalogue/CatalogueParse.h"
#include "catalogue/CatalogueSource.h"
#include "link/FormatError.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"
#include "link/ReplyText.h"
#include "link/VersionCheck.h"
#include "session/Session.h"
#include "tables/TableReplies.h"
#include "waiters/Identification.h"

#include <algorithm>
#include <exception>

using RegisterCheckReport::CatalogueFigures;
using RegisterCheckReport::Report;
using RegisterCheckReport::RequestPace;
using RegisterCheckReport::Service;
using RegisterCheckReport::Verdict;

namespace {

QString quoted(const QString& text)
{
    return QStringLiteral("« %1 »").arg(text);
}

// keyboard 1 is asked for as naclav2 and keyboard 2 as naclav1: the register numbers them so
int productListNumber(int keyboard)
{
    return keyboard == 1 ? 2 : keyboard == 2 ? 1 : keyboard;
}

// What a failed request leaves the check to say: the link's reason, or that nothing came.
QString failureOf(const RequestPace& request)
{
    return request.failure.isEmpty() ? QStringLiteral("pas de réponse en %1 ms").arg(RegisterLink::ReadTimeoutMs)
                                     : request.failure;
}

} // namespace

RegisterCheck::RegisterCheck(RegisterLink& link) : m_link(link) {}

Report RegisterCheck::run(const Target& target)
{
    m_report = Report{};
    m_replies = DialectReading::Replies{};
    m_report.address = QStringLiteral("%1:%2").arg(target.host).arg(target.port);
    m_link.disconnect();
    m_link.setHost(target.host);
    m_link.setPort(target.port);
    m_link.setConnectTimeout(RegisterLink::StartConnectTimeoutMs);
    m_link.setWatcher([this](const Request& request, const Exchange& done) { note(request, done); });
    if (checkVersion() && loadCatalogue()) {
        m_report.verdict = Verdict::Starts;
        if (target.waiter)
            checkService(*target.waiter);
    }
    m_link.setWatcher({});
    m_link.disconnect();
    m_report.dialect = DialectReading::read(m_replies);
    return m_report;
}

void RegisterCheck::note(const Request& request, const Exchange& done)
{
    if (!done.sent)
        return;
    m_report.requests.append({request.text, request.plan.pauseMs, done.answered, done.firstByteMs, done.lineEndMs,
                              int(done.reply.size()), done.failed ? done.error : QString()});
    if (done.lineEndMs >= 0)
        ++(done.endedWithCr ? m_replies.crLfEndings : m_replies.lfEndings);
    if (done.answered)
        m_replies.byRequest[request.text] = done.reply;
    else if (done.lineEndMs >= 0 && !done.failed)
        m_report.findings.append(
            {request.text,
             QStringLiteral("ligne brouillée (un octet nul) : le terminal la prend pour aucune réponse")});
}

bool RegisterCheck::stop(Verdict verdict, const QString& reason)
{
    m_report.verdict = verdict;
    m_report.reason = reason;
    return false;
}

QString RegisterCheck::lastRequest() const
{
    return m_report.requests.isEmpty() ? QString() : m_report.requests.constLast().text;
}

bool RegisterCheck::checkVersion()
{
    // at activation the terminal first asks whether the register is there, then starts as "Utilisation en local"
    const Exchange probe = m_link.exchange(Session::versionProbe());
    if (!probe.connected)
        return stop(Verdict::Unreachable, QStringLiteral("pas de connexion : %1").arg(probe.error));
    if (!probe.ok())
        return stop(Verdict::Silent, QStringLiteral("%1 : %2").arg(quoted(VersionCheck::FirstRequest), probe.error));

    const Exchange first = m_link.exchange(Session::versionQuery());
    if (!first.connected)
        return stop(Verdict::Unreachable, QStringLiteral("pas de connexion : %1").arg(first.error));
    if (first.ok() && first.reply == VersionCheck::Closed)
        return stop(Verdict::Closed, QStringLiteral("la caisse est clôturée : %1 reçoit %2 (« La caisse est "
                                                    "cloturée »)")
                                         .arg(quoted(VersionCheck::FirstRequest), quoted(first.reply)));
    const VersionCheck::FirstReply version =
        first.ok() ? VersionCheck::parseFirstReply(first.reply) : VersionCheck::FirstReply{};
    if (!version.valid) {
        const QString seen = QStringLiteral("%1 (« Vérifiez votre l'adresse de la caisse »)");
        if (first.failed)
            return stop(Verdict::Silent,
                        seen.arg(QStringLiteral("%1 : %2").arg(quoted(VersionCheck::FirstRequest), first.error)));
        if (first.reply.isEmpty())
            return stop(Verdict::Silent, seen.arg(QStringLiteral("%1 : pas de réponse, ni à la seconde lecture")
                                                      .arg(quoted(VersionCheck::FirstRequest))));
        return stop(Verdict::Unreadable, seen.arg(QStringLiteral("%1 reçoit %2, sans drapeau ni marque de données "
                                                                 "séparés par « ~ »")
                                                      .arg(quoted(VersionCheck::FirstRequest), quoted(first.reply))));
    }
    if (!version.accepted)
        return stop(Verdict::Refused, QStringLiteral("la caisse refuse le terminal : %1 reçoit %2, dont le champ 1 "
                                                     "n'est pas « 1 » (« Votre version de Quillobrand doit être mis "
                                                     "à jour »)")
                                          .arg(quoted(VersionCheck::FirstRequest), quoted(first.reply)));

    const Request dated = Session::versionDateQuery(m_clock());
    const Exchange second = m_link.exchange(dated);
    m_link.disconnect();
    // no reply in time is a link that failed, not a register too old
    if (second.failed || second.reply.isEmpty())
        return stop(Verdict::Silent,
                    QStringLiteral("%1 : %2 (« Vérifiez votre adresse IP »)")
                        .arg(quoted(dated.text), second.failed ? second.error : QStringLiteral("pas de réponse")));
    if (second.reply != VersionCheck::Compatible)
        return stop(Verdict::Outdated,
                    QStringLiteral("logiciel de caisse trop ancien : %1 reçoit %2 au lieu de %3 "
                                   "(le terminal affiche l'avis « Votre version de Quillobrand "
                                   "Premium est ancienne » et s'arrête)")
                        .arg(quoted(dated.text), quoted(second.reply), quoted(VersionCheck::Compatible)));
    return true;
}

bool RegisterCheck::loadCatalogue()
{
    CatalogueSource source(m_link, m_nothingStored);
    std::optional<LoadedCatalogue> loaded;
    try {
        loaded = source.fetch(true);
        // the terminal shows what was read before an error the load does not catch, then reports it
        if (loaded->failure)
            std::rethrow_exception(loaded->failure);
    } catch (const LinkError& error) {
        return stop(Verdict::Unreadable, QStringLiteral("la liste %1 n'a pas pu être lue : %2 (le chargement "
                                                        "s'arrête, la vue des serveurs ne s'ouvre pas)")
                                             .arg(quoted(lastRequest()), error.text()));
    } catch (const FormatError& error) {
        const QString request = lastRequest();
        // a keyboard is read once its three lists are in
        const QString list = request.startsWith(QLatin1String("stgcuis"))
                                 ? QStringLiteral("du clavier %1").arg(request.mid(7))
                                 : QStringLiteral("de %1").arg(quoted(request));
        return stop(Verdict::Unreadable, QStringLiteral("la liste %1 est illisible : %2 (le chargement s'arrête, la "
                                                        "vue des serveurs ne s'ouvre pas)")
                                             .arg(list, error.text()));
    }
    if (loaded->stop == LoadedCatalogue::Stop::Abandoned) {
        const RequestPace& last = m_report.requests.constLast();
        return stop(last.failure.isEmpty() ? Verdict::Silent : Verdict::Unreadable,
                    QStringLiteral("%1 : %2 (« Vérifiez votre adresse IP », catalogue abandonné)")
                        .arg(quoted(last.text), failureOf(last)));
    }
    m_link.setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    readCatalogue(*loaded);
    return true;
}

void RegisterCheck::readCatalogue(const LoadedCatalogue& loaded)
{
    CatalogueFigures figures;
    const CatalogueParse::TabsAndWaiters& names = loaded.catalogue.tabsAndWaiters();
    for (int i = 0; i < Limits::Waiters; ++i) {
        if (names.waiterShown.at(size_t(i))) {
            ++figures.waiters;
            figures.waiterNames.append(names.serv.at(size_t(i)));
        }
    }
    figures.keyboards = int(std::count_if(names.tabs.cbegin(), names.tabs.cend(), [](const auto& t) { return t; }));
    for (int k = 0; k < loaded.productCount; ++k) {
        const int keyboard = loaded.products.numclav(k);
        if (keyboard >= 1 && keyboard <= Limits::Keyboards)
            ++figures.products.at(size_t(keyboard - 1));
    }
    figures.supplements = int(loaded.supplements.size());
    for (int n = 1; n <= CatalogueParse::KitchenListCount; ++n) {
        const QStringList list = loaded.catalogue.kitchenOptionList(n);
        if (std::any_of(list.cbegin(), list.cend(), [](const QString& c) { return !c.isEmpty(); }))
            ++figures.kitchenLists;
    }
    const QStringList rappel = loaded.catalogue.rappel();
    figures.recallMessages =
        int(std::count_if(rappel.cbegin(), rappel.cend(), [](const QString& m) { return !m.isEmpty(); }));
    for (int n = 1; n <= Limits::SetMenus; ++n) {
        const QStringList rows = loaded.catalogue.ctform(n);
        if (std::any_of(rows.cbegin(), rows.cend(), [](const QString& r) { return !r.isEmpty(); }))
            ++figures.setMenus;
    }
    const CatalogueParse::TablePlan& plan = loaded.catalogue.tablePlan();
    for (int z = 0; z < Limits::Tables; ++z) {
        const int room = plan.tableplan.value(z).toInt();
        if (plan.tablevisible.value(z) == QLatin1String("1") && room >= 1 && room <= 3)
            ++figures.tables.at(size_t(room - 1));
    }
    m_report.catalogue = figures;

    const auto reply = [this](const QString& request) {
        const auto found = m_replies.byRequest.find(request);
        return found == m_replies.byRequest.end() ? QString() : found->second;
    };
    for (const RequestPace& request : std::as_const(m_report.requests)) {
        // a garbled line has its finding already
        const bool garbled = request.failure.isEmpty() && request.lineEndMs >= 0;
        if (!request.answered && !garbled)
            m_report.findings.append({request.text, failureOf(request)});
    }
    // records after one with an empty field are not read
    for (int n = 1; n <= Limits::Keyboards; ++n) {
        const QString list = QStringLiteral("naclav%1").arg(productListNumber(n));
        const QStringList fields =
            Split(CatalogueParse::stripLead(reply(list + QStringLiteral("_1"))) + reply(list + QStringLiteral("_2")),
                  QStringLiteral(";"));
        const int read = figures.products.at(size_t(n - 1)) * 5;
        const qsizetype unread = std::count_if(fields.cbegin() + std::min<qsizetype>(read, fields.size()),
                                               fields.cend(), [](const QString& f) { return !f.isEmpty(); });
        if (unread > 0)
            m_report.findings.append(
                {list + QStringLiteral("_1"),
                 QStringLiteral("clavier %1 coupé après %2 produits, à un produit dont un champ est vide : %3 champs "
                                "après lui ne sont pas lus")
                     .arg(n)
                     .arg(figures.products.at(size_t(n - 1)))
                     .arg(unread)});
    }
    // the keys of a keyboard past its 64th lie on its last row, over each other
    constexpr int ReachableKeys = CatalogueGeometry::KeyColumns * (CatalogueGeometry::LastKeyRow + 1);
    for (int n = 1; n <= Limits::Keyboards; ++n) {
        const int products = figures.products.at(size_t(n - 1));
        if (products > 0 && !names.tabs.at(size_t(n - 1)))
            m_report.findings.append({QStringLiteral("nongletserveur"),
                                      QStringLiteral("l'onglet du clavier %1 est caché (un nom de moins de trois "
                                                     "caractères) : ses %2 produits ne se montrent pas")
                                          .arg(n)
                                          .arg(products)});
        if (products > ReachableKeys)
            m_report.findings.append({QStringLiteral("naclav%1_1").arg(productListNumber(n)),
                                      QStringLiteral("clavier %1 : %2 produits ; les touches après la %3e se "
                                                     "recouvrent sur la dernière rangée")
                                          .arg(n)
                                          .arg(products)
                                          .arg(ReachableKeys)});
    }
    if (loaded.productCount > CatalogueGeometry::KeyCount)
        m_report.findings.append({QString(), QStringLiteral("%1 produits : seuls les %2 premiers ont une touche")
                                                 .arg(loaded.productCount)
                                                 .arg(CatalogueGeometry::KeyCount)});
    const qsizetype supplementPairs = Split(reply(QStringLiteral("listesupp")), QStringLiteral(";")).size() / 2;
    if (supplementPairs > CatalogueParse::MaxSupplements)
        m_report.findings.append(
            {QStringLiteral("listesupp"), QStringLiteral("%1 suppléments, seuls les %2 premiers sont lus")
                                              .arg(supplementPairs)
                                              .arg(CatalogueParse::MaxSupplements)});
    for (int n = 1; n <= Limits::SetMenus; ++n) {
        const QString request = QStringLiteral("aform%1").arg(n);
        const CatalogueParse::SetMenuListReply list = CatalogueParse::parseSetMenuListReply(reply(request));
        if (CatalogueParse::parseSetMenuListSlots(list.slots.at(0), list.slots.at(1)) != list.aform)
            m_report.findings.append({request, QStringLiteral("%1 caractères : le cache n'en garde que 2000, la "
                                                              "mise en route suivante lit une liste plus courte")
                                                   .arg(reply(request).size() + 1)});
    }
    m_report.cached = loaded.complete;
    if (!loaded.complete)
        m_report.findings.append({QString(), QStringLiteral("une requête sans réponse : le catalogue sert ce service "
                                                            "mais n'est pas gardé, la mise en route suivante le "
                                                            "télécharge de nouveau")});
}

void RegisterCheck::checkService(int waiter)
{
    Service service;
    service.waiter = waiter;
    try {
        const Exchange done = m_link.exchange(Session::waiterQuery(waiter));
        switch (Identification::readWaiterReply(done.reply)) {
        case Identification::WaiterReply::None:
            service.waiterReply = QStringLiteral("pas de réponse : la touche du serveur reste sans effet");
            break;
        case Identification::WaiterReply::MustClockIn:
            service.waiterReply = QStringLiteral("%1 : le serveur doit pointer (« Ce serveur doit pointer avant "
                                                 "d'utiliser la caisse »)")
                                      .arg(quoted(done.reply));
            break;
        case Identification::WaiterReply::CodeRequired:
            service.waiterReply = QStringLiteral("%1 : la caisse demande son code").arg(quoted(done.reply));
            break;
        case Identification::WaiterReply::MayWork:
            service.waiterReply = QStringLiteral("%1 : le serveur travaille sans code").arg(quoted(done.reply));
            break;
        }
    } catch (const LinkError& error) {
        service.waiterReply = error.text();
    }
    const auto tables = [this](const Request& request) -> std::optional<QStringList> {
        const Exchange done = m_link.exchange(request);
        if (done.failed)
            return std::nullopt;
        const QStringList list = TableReplies::tableList(done.reply);
        const QStringList fields = Split(done.reply + QLatin1Char(';'), QStringLiteral(";"));
        const qsizetype given = std::find(fields.cbegin(), fields.cend(), QString()) - fields.cbegin();
        if (given > list.size())
            m_report.findings.append({request.text, QStringLiteral("%1 tables sur %2 écartées : un numéro avec un "
                                                                   "blanc ne peut pas repartir vers la caisse")
                                                        .arg(given - list.size())
                                                        .arg(given)});
        return list;
    };
    service.freeTables = tables(Session::freeTablesQuery());
    service.busyTables = tables(Session::busyTablesQuery());
    const Exchange states = m_link.exchange(Session::tableStatesQuery());
    if (!states.failed) {
        const TableReplies::TableStates flags = TableReplies::tableStates(states.reply);
        std::array<int, 3> counts{};
        for (size_t g = 0; g < counts.size(); ++g)
            counts.at(g) = int(std::count(flags.flags.at(g).cbegin(), flags.flags.at(g).cend(), true));
        service.tableStates = counts;
    }
    m_report.service = service;
}
