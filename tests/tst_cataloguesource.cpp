#include "CatalogueScript.h"
#include "ScriptedRegister.h"

#include "catalogue/CatalogueSource.h"
#include "link/FormatError.h"
#include "link/LinkError.h"
#include "link/RegisterLink.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace CatalogueScript;
using Script = Replies;

using namespace SettingsSlots;
using Stage = CatalogueSource::Stage;

QString joined(const QStringList& list)
{
    return list.join(QLatin1Char('|'));
}

// What the screens and the ticket read from a loaded catalogue.
QStringList contentsOf(const LoadedCatalogue& loaded)
{
    const Catalogue& catalogue = loaded.catalogue;
    const ProductTable& products = loaded.products;
    const QString none = QStringLiteral("-");
    QStringList out;
    for (const std::optional<QString>& tab : catalogue.tabsAndWaiters().tabs)
        out << QStringLiteral("tab ") + tab.value_or(none);
    for (int waiter = 1; waiter <= 8; ++waiter)
        out << QStringLiteral("waiter ") + catalogue.serv(waiter);
    if (const auto& payment = catalogue.paymentCaptions())
        out << QStringLiteral("payment %1 %2 %3 %4")
                   .arg(payment->cb.value_or(none), payment->ch.value_or(none), payment->ba.value_or(none),
                        payment->es.value_or(none));
    for (const Supplement& supplement : loaded.supplements)
        out << QStringLiteral("supplement %1 %2").arg(supplement.code).arg(supplement.name);
    for (int a = 1; a <= 4; ++a)
        out << QStringLiteral("supp %1 %2").arg(a).arg(products.supp(a));
    out << QStringLiteral("products %1").arg(loaded.productCount);
    for (int k = 0; k < loaded.productCount; ++k)
        out << QStringLiteral("product %1 %2 %3 %4 %5 %6 %7 keyboard %8")
                   .arg(k)
                   .arg(products.texte(k), products.textecuis(k))
                   .arg(products.kitchenOptionFlag(k))
                   .arg(products.menucuis(k))
                   .arg(products.couleur(k))
                   .arg(products.art(k))
                   .arg(products.numclav(k));
    const CatalogueParse::PrintingOptions printing = catalogue.printingOptions();
    out << QStringLiteral("limp %1 %2 %3").arg(printing[0]).arg(printing[1]).arg(printing[2])
        << QStringLiteral("cuis1 ") + joined(catalogue.kitchenOptionList(1))
        << QStringLiteral("rappel ") + joined(catalogue.rappel())
        << QStringLiteral("ctform1 ") + joined(catalogue.ctform(1))
        << QStringLiteral("rang1 ") + joined(catalogue.rang(1))
        << QStringLiteral("aform1 ") + joined(catalogue.aform(1))
        << QStringLiteral("tableleft ") + joined(catalogue.tablePlan().tableleft)
        << QStringLiteral("tablevisible ") + joined(catalogue.tablePlan().tablevisible)
        << QStringLiteral("articles 10 11 20: %1 %2 %3")
               .arg(catalogue.articles(10))
               .arg(catalogue.articles(11))
               .arg(catalogue.articles(20));
    return out;
}

QString stageName(Stage stage, int n)
{
    switch (stage) {
    case Stage::Keyboard:
        return QStringLiteral("keyboard %1").arg(n);
    case Stage::KeyboardsRead:
        return QStringLiteral("read");
    case Stage::PrintingOptions:
        return QStringLiteral("printing");
    case Stage::LinkSettled:
        return QStringLiteral("link settled");
    case Stage::Answered:
        return QStringLiteral("answered");
    case Stage::TablePlanLost:
        return QStringLiteral("table plan lost");
    }
    return QString();
}

// A source on a settings store of its own, its stages recorded.
struct Source
{
    explicit Source(const ScriptedRegister& caisse)
    {
        settings.read();
        link.setHost(caisse.address());
        link.setPort(caisse.port());
    }

    // The catalogue a load takes on, none when the download was abandoned; the error that stopped one is thrown.
    std::optional<LoadedCatalogue> fetch(bool reload)
    {
        LoadedCatalogue loaded = source.fetch(reload);
        if (loaded.failure)
            std::rethrow_exception(loaded.failure);
        if (loaded.stop == LoadedCatalogue::Stop::Abandoned)
            return std::nullopt;
        return loaded;
    }
    // Downloads the catalogue and saves it as the cache, as a start does; none when either failed.
    std::optional<LoadedCatalogue> downloadIntoCache()
    {
        std::optional<LoadedCatalogue> downloaded = fetch(true);
        if (!downloaded)
            return std::nullopt;
        for (const auto& [slot, text] : downloaded->slots)
            settings[slot] = text;
        if (!settings.save().ok)
            return std::nullopt;
        return downloaded;
    }

    QTemporaryDir folder;
    SettingsStore settings{folder.path()};
    RegisterLink link;
    QStringList stages;
    CatalogueSource source{link, settings, [this](Stage stage, int n) { stages << stageName(stage, n); }};
};

QStringList downloadStages()
{
    QStringList stages{QStringLiteral("answered"), QStringLiteral("answered")};
    for (int n = 1; n <= 12; ++n)
        stages << QStringLiteral("keyboard %1").arg(n);
    return stages << QStringLiteral("read") << QStringLiteral("printing") << QStringLiteral("link settled");
}

} // namespace

class tst_CatalogueSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void downloadAsksForEveryPieceAndCachesEachReply();
    void cacheGivesTheDownloadedCatalogueWithoutARequest_data();
    void cacheGivesTheDownloadedCatalogueWithoutARequest();
    void lostRegisterAbandons_data();
    void lostRegisterAbandons();
    void guardedFailureKeepsItsSlot();
    void uncaughtErrorsEscape_data();
    void uncaughtErrorsEscape();
    void anyReplyTheProtocolAllowsIsDownloadedAndCached_data();
    void anyReplyTheProtocolAllowsIsDownloadedAndCached();
    void lineSentTwiceIsDroppedBeforeTheNextRequest_data();
    void lineSentTwiceIsDroppedBeforeTheNextRequest();
    void incompleteDownloadServesButIsNotCached_data();
    void incompleteDownloadServesButIsNotCached();
    void stoppedDownloadKeepsWhatItReadOverTheEarlierCatalogue_data();
    void stoppedDownloadKeepsWhatItReadOverTheEarlierCatalogue();
    void cacheNotWholeOrValidDownloadsAgain_data();
    void cacheNotWholeOrValidDownloadsAgain();
    void cacheChangedAfterItsReadAheadIsReadAgain();
};

void tst_CatalogueSource::downloadAsksForEveryPieceAndCachesEachReply()
{
    ScriptedRegister caisse;
    script(caisse, sample());
    Source source(caisse);
    const std::optional<LoadedCatalogue> loaded = source.fetch(true);
    QVERIFY(loaded);

    QByteArray expected;
    for (const QString& request : catalogueRequests())
        expected += request.toLatin1() + "\r\n";
    QCOMPARE(caisse.received(), expected);
    QCOMPARE(source.stages, downloadStages());

    // keyboard 1 from naclav2 in 11/81, keyboard 2 from naclav1 in 12/82, six characters dropped
    const std::map<int, QString>& slots = loaded->slots;
    QCOMPARE(slots.at(TabsAndWaiters), QString::fromLatin1(sample().value(QStringLiteral("nongletserveur"))));
    QCOMPARE(slots.at(PaymentCaptions), QStringLiteral("Carte bancaire;a;Bon achat;Especes"));
    QCOMPARE(slots.at(Supplements), QStringLiteral("1;Frites;2;Salade;3"));
    QCOMPARE(slots.at(SupplementFlags), QStringLiteral("0;1;;0"));
    QCOMPARE(slots.at(PriceListFirstHalf + 1), QStringLiteral("Pastis;0;0;xFFFF0000;10;Kir;1;2;xFF00FF00;1"));
    QCOMPARE(slots.at(PriceListSecondHalf + 1), QStringLiteral("1;;;;;;"));
    QCOMPARE(slots.at(PriceListFirstHalf + 2), QStringLiteral("Coca;0;0;x00FF00;20;;;;;"));
    QCOMPARE(slots.at(KitchenLabels + 1), QStringLiteral("Pastis cuisine;Kir cuisine"));
    QCOMPARE(slots.at(KitchenLabels + 2), QStringLiteral("Coca cuisine"));
    QCOMPARE(slots.at(PriceListFirstHalf + 12), QString());
    QCOMPARE(slots.at(PrintingOptions), QStringLiteral("1$1$0"));
    QCOMPARE(slots.at(SetMenuContents), QStringLiteral("~10;11$20~~~~~~~~~"));
    QCOMPARE(slots.at(SetMenuContents + 1), QString());
    QCOMPARE(slots.at(SetMenuContents + 2), QString());
    QCOMPARE(slots.at(CourseRanks + 1), QStringLiteral("0;0;0;0;0;0;0;0;0;1;1"));
    QCOMPARE(slots.at(SetMenuLists + 1), QStringLiteral(":Pastis;Kir:Coca"));
    QCOMPARE(slots.at(SetMenuListsRest + 1), QString());
    QCOMPARE(slots.at(TablePlan), QStringLiteral("100;0$200;0$100;0$50;0$1;2$1;0"));
    // every catalogue slot and nothing else: the address, switches and stamp are not the catalogue's
    QCOMPARE(slots.size(), size_t(4 + 3 * 12 + 2 + 3 + 7 + 2 * 10 + 1));
    QCOMPARE(slots.count(DataStamp), size_t(0));
    QVERIFY(source.settings[TabsAndWaiters] != slots.at(TabsAndWaiters));

    const QStringList contents = contentsOf(*loaded);
    for (const QString& line : {QStringLiteral("tab Aperitifs"),
                                QStringLiteral("tab -"),
                                QStringLiteral("waiter Camille"),
                                QStringLiteral("waiter Lea"),
                                QStringLiteral("payment Carte bancaire - Bon achat Especes"),
                                QStringLiteral("supplement 1 Frites"),
                                QStringLiteral("supplement 2 Salade"),
                                QStringLiteral("supp 1 0"),
                                QStringLiteral("supp 2 1"),
                                QStringLiteral("supp 3 1"),
                                QStringLiteral("supp 4 0"),
                                QStringLiteral("products 3"),
                                QStringLiteral("product 0 Pastis Pastis cuisine 0 0 xFFFF0000 10 keyboard 1"),
                                QStringLiteral("product 1 Kir Kir cuisine 1 2 xFF00FF00 11 keyboard 1"),
                                QStringLiteral("product 2 Coca Coca cuisine 0 0 x00FF00 20 keyboard 2"),
                                QStringLiteral("limp 1 1 0"),
                                QStringLiteral("cuis1 Saignant|A point"),
                                QStringLiteral("rappel Vite|Doucement"),
                                QStringLiteral("ctform1 |10;11|20"),
                                QStringLiteral("rang1 0|0|0|0|0|0|0|0|0|1|1"),
                                QStringLiteral("aform1 |Pastis;Kir|Coca"),
                                QStringLiteral("tableleft 100|0"),
                                QStringLiteral("tablevisible 1|0"),
                                QStringLiteral("articles 10 11 20: 0 1 2")})
        QVERIFY2(contents.contains(line), qPrintable(line + QStringLiteral(" not in\n") + contents.join('\n')));
}

void tst_CatalogueSource::cacheGivesTheDownloadedCatalogueWithoutARequest_data()
{
    QTest::addColumn<bool>("readAhead");

    QTest::newRow("read when fetched") << false;
    // as the start reads it while the register prepares its version reply: only the stages are left to show
    QTest::newRow("read ahead, showing nothing") << true;
}

void tst_CatalogueSource::cacheGivesTheDownloadedCatalogueWithoutARequest()
{
    QFETCH(bool, readAhead);
    ScriptedRegister caisse;
    script(caisse, sample());
    Source source(caisse);
    const std::optional<LoadedCatalogue> downloaded = source.downloadIntoCache();
    QVERIFY(downloaded);
    const QByteArray received = caisse.received();
    source.stages.clear();

    if (readAhead) {
        source.source.readCacheAhead();
        QVERIFY(source.stages.isEmpty());
    }
    const std::optional<LoadedCatalogue> cached = source.fetch(false);
    QVERIFY(cached);
    QTest::qWait(50);
    QCOMPARE(caisse.received(), received);
    QVERIFY(cached->slots.empty());
    QCOMPARE(contentsOf(*cached), contentsOf(*downloaded));
    // the progress goes on as in a download, with no exchange to wait for
    QCOMPARE(source.stages, downloadStages().mid(2));
}

void tst_CatalogueSource::lostRegisterAbandons_data()
{
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("lastStage");
    QTest::newRow("lost on the names") << QStringLiteral("nongletserveur") << Close << QStringLiteral("answered");
    // the register answers the version and then nothing: waiting on every request would hold the screen 30 s
    QTest::newRow("no answer to the names") << QStringLiteral("nongletserveur") << Silent << QStringLiteral("answered");
    QTest::newRow("lost on the payment captions") << QStringLiteral("enc$") << Close << QStringLiteral("answered");
    QTest::newRow("lost on the table plan")
        << QStringLiteral("tablepos$") << Close << QStringLiteral("table plan lost");
}

void tst_CatalogueSource::lostRegisterAbandons()
{
    QFETCH(QString, lost);
    QFETCH(QByteArray, reply);
    QFETCH(QString, lastStage);

    Script replies = sample();
    replies[lost] = reply;
    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);
    QVERIFY(!source.fetch(true));
    QCOMPARE(caisse.requests().constLast(), lost);
    QCOMPARE(source.stages.constLast(), lastStage);
}

void tst_CatalogueSource::guardedFailureKeepsItsSlot()
{
    Script replies = sample();
    replies[QStringLiteral("naclav2_1")] = Close;
    replies[QStringLiteral("listesupp")] = Close;
    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);
    source.settings[PriceListFirstHalf + 1] = QStringLiteral("Cafe;0;0;x1;30;");
    const std::optional<LoadedCatalogue> loaded = source.fetch(true);
    QVERIFY(loaded);

    QCOMPARE(caisse.requests(), catalogueRequests());
    QCOMPARE(loaded->slots.count(PriceListFirstHalf + 1), size_t(0));
    QCOMPARE(loaded->slots.count(Supplements), size_t(0));
    // the cached first half, then the new second half: the new one's cut record ends the keyboard
    QCOMPARE(loaded->productCount, 2);
    QCOMPARE(loaded->products.texte(0), QStringLiteral("Cafe"));
    QCOMPARE(loaded->products.textecuis(0), QStringLiteral("Pastis cuisine"));
    QCOMPARE(loaded->products.texte(1), QStringLiteral("Coca"));
    QVERIFY(loaded->supplements.empty());
    QVERIFY(loaded->products.supp(2));
    QVERIFY(!loaded->complete);
}

void tst_CatalogueSource::uncaughtErrorsEscape_data()
{
    QTest::addColumn<Script>("replies");
    QTest::addColumn<bool>("reload");
    QTest::addColumn<QString>("lastRequest");
    QTest::addColumn<QString>("error"); // the exception and, where it matters, its text

    const QString notANumber = QStringLiteral("FormatError Valeur non numérique reçue de la caisse : « %1 »");
    Script replies = sample();
    replies[QStringLiteral("naclav2_1")] = "PRIX01Pastis;0;0;xFFFF0000;1x;";
    QTest::newRow("a non-numeric article number stops the download at its keyboard")
        << replies << true << QStringLiteral("stgcuis1") << notANumber.arg(QStringLiteral("1x"));

    replies = sample();
    replies[QStringLiteral("limp")] = QByteArray(20000, 'x');
    QTest::newRow("a 20000-character printing options line stops the download")
        << replies << true << QStringLiteral("limp")
        << QStringLiteral("LinkError Ligne trop longue reçue de la caisse");

    replies = sample();
    replies[QStringLiteral("rang3")] = Close;
    QTest::newRow("a course rank lost stops the download")
        << replies << true << QStringLiteral("rang3") << QStringLiteral("LinkError");

    replies = sample();
    replies[QStringLiteral("aform10")] = Close;
    QTest::newRow("a set-menu list lost stops the download")
        << replies << true << QStringLiteral("aform10") << QStringLiteral("LinkError");

    replies = sample();
    replies[QStringLiteral("tablepos$")] = "10;10$20;20$30;x$40;40$1;1$1;1";
    QTest::newRow("a non-numeric table height stops the download at the end")
        << replies << true << QStringLiteral("tablepos$") << notANumber.arg(QLatin1Char('x'));
}

void tst_CatalogueSource::uncaughtErrorsEscape()
{
    QFETCH(Script, replies);
    QFETCH(bool, reload);
    QFETCH(QString, lastRequest);
    QFETCH(QString, error);

    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);
    QString caught;
    try {
        source.fetch(reload);
    } catch (const FormatError& formatError) {
        caught = QStringLiteral("FormatError ") + formatError.text();
    } catch (const LinkError& linkError) {
        caught = QStringLiteral("LinkError ") + linkError.text();
    }
    QVERIFY2(caught.startsWith(error), qPrintable(caught));
    QCOMPARE(caisse.requests().constLast(), lastRequest);
}

void tst_CatalogueSource::anyReplyTheProtocolAllowsIsDownloadedAndCached_data()
{
    QTest::addColumn<Script>("replies");

    Script replies = sample();
    replies[QStringLiteral("naclav2_1")] = "v2.1 :Pastis;0;0;xFFFF0000;10;Kir;1;2;xFF00FF00;1";
    replies[QStringLiteral("stgcuis1")] = "!;#$~ Pastis cuisine;Kir cuisine";
    replies[QStringLiteral("naclav1_1")] = "PRIX01Coca;0;0;x00FF00;20;;;;;";
    replies[QStringLiteral("stgcuis2")] = "CUIS12Coca cuisine";
    QTest::newRow("any six leading characters") << replies;
    replies = sample();
    replies[QStringLiteral("nacuistot")] = "Saignant;A point#####Vite;Doucement";
    QTest::newRow("six kitchen lists") << replies;
    replies[QStringLiteral("nacuistot")] = "Saignant;A point#####Vite;Doucement#####Extra";
    QTest::newRow("eleven kitchen lists") << replies;
    replies = sample();
    replies[QStringLiteral("naclav2_1")] = "";
    replies[QStringLiteral("tablepos$")] = "";
    QTest::newRow("an empty product list and table plan") << replies;
    replies[QStringLiteral("tablepos$")] = "100;0$200;0$100;0$50;0$1;2";
    QTest::newRow("a table plan of five groups") << replies;
}

void tst_CatalogueSource::anyReplyTheProtocolAllowsIsDownloadedAndCached()
{
    QFETCH(Script, replies);

    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);
    const std::optional<LoadedCatalogue> downloaded = source.fetch(true);
    QVERIFY(downloaded);
    QVERIFY(downloaded->complete);
    QCOMPARE(caisse.requests(), catalogueRequests());
    // the lead is dropped whatever it holds
    QCOMPARE(downloaded->slots.at(PriceListFirstHalf + 1),
             QString::fromLatin1(replies[QStringLiteral("naclav2_1")].mid(6)));
    QCOMPARE(downloaded->slots.at(KitchenLabels + 1), QString::fromLatin1(replies[QStringLiteral("stgcuis1")].mid(6)));

    // the next start reads it all back from the cache
    for (const auto& [n, text] : downloaded->slots)
        source.settings[n] = text;
    QVERIFY(source.settings.save().ok);
    QVERIFY(source.settings.read());
    const std::optional<LoadedCatalogue> cached = source.fetch(false);
    QVERIFY(cached);
    QCOMPARE(caisse.requests(), catalogueRequests());
    QCOMPARE(contentsOf(*cached), contentsOf(*downloaded));
}

void tst_CatalogueSource::lineSentTwiceIsDroppedBeforeTheNextRequest_data()
{
    QTest::addColumn<Script>("replies");

    Script replies = sample();
    replies[QStringLiteral("limp")] = "1$1$0\r\n1$1$0";
    QTest::newRow("printing options sent twice") << replies;
    replies = sample();
    replies[QStringLiteral("naclav2_2")] = "1;;;;;;\r\nCUIS01";
    QTest::newRow("an extra line after a product list") << replies;
}

void tst_CatalogueSource::lineSentTwiceIsDroppedBeforeTheNextRequest()
{
    QFETCH(Script, replies);

    ScriptedRegister healthyCaisse;
    script(healthyCaisse, sample());
    Source healthy(healthyCaisse);
    const std::optional<LoadedCatalogue> expected = healthy.fetch(true);
    QVERIFY(expected);
    healthyCaisse.stopListening();

    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);
    const std::optional<LoadedCatalogue> loaded = source.fetch(true);
    // no reply is read a request late: the catalogue is whole, as from a register that sent each line once
    QVERIFY(loaded);
    QCOMPARE(loaded->slots, expected->slots);
}

void tst_CatalogueSource::incompleteDownloadServesButIsNotCached_data()
{
    QTest::addColumn<Script>("replies");

    Script replies = sample();
    replies[QStringLiteral("listesupp")] = "x;Frites;2;Salade";
    QTest::newRow("a supplement code that is not a number") << replies;
    replies = sample();
    replies[QStringLiteral("nacuistot")] = Close;
    QTest::newRow("the kitchen lists lost") << replies;
    replies = sample();
    replies[QStringLiteral("ctnform")] = Close;
    QTest::newRow("the set-menu contents lost") << replies;
    // a register that does not answer leaves gaps that must not outlive this service
    for (const char* silent : {"enc$", "stgcuis2", "limp", "nacuistot", "rang1", "aform3", "tablepos$"}) {
        replies = sample();
        replies[QLatin1String(silent)] = Silent;
        QTest::newRow(qPrintable(QStringLiteral("no answer to ") + QLatin1String(silent))) << replies;
    }
}

void tst_CatalogueSource::incompleteDownloadServesButIsNotCached()
{
    QFETCH(Script, replies);

    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);
    const std::optional<LoadedCatalogue> loaded = source.fetch(true);
    QVERIFY(loaded);
    QVERIFY(!loaded->complete);
    QCOMPARE(caisse.requests(), catalogueRequests());
    QCOMPARE(loaded->productCount, 3);
    QVERIFY(loaded->slots.count(Supplements) == 0 || loaded->slots.at(Supplements).startsWith(QLatin1Char('1')));
}

void tst_CatalogueSource::stoppedDownloadKeepsWhatItReadOverTheEarlierCatalogue_data()
{
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("stop");
    QTest::addColumn<QStringList>("expected"); // what the load holds, the earlier catalogue's "Ancien" where kept

    const auto stopped = [](LoadedCatalogue::Stop stop) { return int(stop); };
    QTest::newRow("lost on the names: nothing read")
        << QStringLiteral("nongletserveur") << Close << stopped(LoadedCatalogue::Stop::Abandoned)
        << QStringList{"names 0",       "keyboards 0", "waiter Ancien", "products 1 Ancien",
                       "aform1 Ancien", "tables 1",    "articles 20: 0"};
    QTest::newRow("lost on the payment captions: the names read")
        << QStringLiteral("enc$") << Close << stopped(LoadedCatalogue::Stop::Abandoned)
        << QStringList{"names 1",       "keyboards 0", "waiter Camille", "products 1 Ancien",
                       "aform1 Ancien", "tables 1",    "articles 20: 0"};
    QTest::newRow("printing options past the line limit: the keyboards read")
        << QStringLiteral("limp") << QByteArray(20000, 'x') << stopped(LoadedCatalogue::Stop::Failed)
        << QStringList{"names 1",       "keyboards 1", "waiter Camille", "products 3 Pastis",
                       "aform1 Ancien", "tables 1",    "articles 20: 2"};
    QTest::newRow("lost on the table plan: all but the tables read")
        << QStringLiteral("tablepos$") << Close << stopped(LoadedCatalogue::Stop::Abandoned)
        << QStringList{"names 1",  "keyboards 1",   "waiter Camille", "products 3 Pastis", "aform1 |Pastis;Kir|Coca",
                       "tables 1", "articles 20: 2"};
    QTest::newRow("a table height that is not a number: the tables before it read")
        << QStringLiteral("tablepos$") << QByteArray("10;10;10$20;20;20$30;30;x$40;40;40$1;1;1$1;1;1")
        << stopped(LoadedCatalogue::Stop::Failed)
        << QStringList{"names 1",  "keyboards 1",   "waiter Camille", "products 3 Pastis", "aform1 |Pastis;Kir|Coca",
                       "tables 2", "articles 20: 2"};
}

void tst_CatalogueSource::stoppedDownloadKeepsWhatItReadOverTheEarlierCatalogue()
{
    QFETCH(QString, lost);
    QFETCH(QByteArray, reply);
    QFETCH(int, stop);
    QFETCH(QStringList, expected);

    LoadedCatalogue earlier;
    earlier.products.setProduct(0, Product{QStringLiteral("Ancien"), QString(), 0, 0, QStringLiteral("x1"), 99, 1});
    earlier.productCount = 1;
    earlier.catalogue.setTabsAndWaiters(CatalogueParse::parseTabsAndWaiters(QStringLiteral("Anciens;#Ancien;")));
    earlier.catalogue.setAform(1, {QStringLiteral("Ancien")});
    earlier.catalogue.setTablePlan(CatalogueParse::parseTablePlan(QStringLiteral("1$1$1$1$1$1")));
    earlier.catalogue.indexArticles(earlier.products);
    Script replies = sample();
    replies[lost] = reply;
    ScriptedRegister caisse;
    script(caisse, replies);
    Source source(caisse);

    const LoadedCatalogue loaded = source.source.fetch(true, earlier);

    QCOMPARE(int(loaded.stop), stop);
    QCOMPARE(caisse.requests().constLast(), lost);
    QCOMPARE(bool(loaded.failure), loaded.stop == LoadedCatalogue::Stop::Failed);
    // nothing of a load that stopped is cached
    QVERIFY(!loaded.complete || loaded.stop != LoadedCatalogue::Stop::None);
    const Catalogue& catalogue = loaded.catalogue;
    int tables = 0;
    for (const QString& shown : catalogue.tablePlan().tablevisible)
        tables += shown == QLatin1String("1");
    const QStringList held{
        QStringLiteral("names %1").arg(loaded.namesRead),
        QStringLiteral("keyboards %1").arg(loaded.keyboardsRead),
        QStringLiteral("waiter ") + catalogue.serv(1),
        QStringLiteral("products %1 %2").arg(loaded.productCount).arg(loaded.products.texte(0)),
        QStringLiteral("aform1 ") + catalogue.aform(1).join(QLatin1Char('|')),
        QStringLiteral("tables %1").arg(tables),
        // `articles` always follows the products held
        QStringLiteral("articles 20: %1").arg(catalogue.articles(20)),
    };
    QCOMPARE(held, expected);
    QCOMPARE(catalogue.articles(loaded.products.art(0)), 0);
}

void tst_CatalogueSource::cacheNotWholeOrValidDownloadsAgain_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("value"); // none: the file lacks the slot

    QTest::newRow("a supplement code that is not a number") << int(Supplements) << QStringLiteral("x;Frites");
    QTest::newRow("a file cut before the last kitchen labels") << KitchenLabels + 12 << QString();
    QTest::newRow("a file cut before the second halves") << PriceListSecondHalf + 1 << QString();
    // read back cut at the limit, the first half would join the second half in the middle of a record
    QTest::newRow("a product list as long as the read limit")
        << PriceListFirstHalf + 1 << QStringLiteral("Pastis;0;0;xFFFF0000;10;") + QString(3000, QLatin1Char('x'));
    QTest::newRow("a waiter list that names no waiter") << int(TabsAndWaiters) << QStringLiteral("Aperitifs;Softs;#");
    QTest::newRow("no names at all") << int(TabsAndWaiters) << QStringLiteral("");
}

void tst_CatalogueSource::cacheNotWholeOrValidDownloadsAgain()
{
    QFETCH(int, slot);
    QFETCH(QString, value);

    ScriptedRegister caisse;
    script(caisse, sample());
    script(caisse, sample());
    Source source(caisse);
    const std::optional<LoadedCatalogue> downloaded = source.fetch(true);
    QVERIFY(downloaded);
    for (const auto& [n, text] : downloaded->slots)
        source.settings[n] = text;
    source.settings[slot] = value;
    QVERIFY(source.settings.save().ok);
    if (value.isNull()) {
        // the file as a cut write leaves it: every line from the slot's on is missing
        QFile file(source.settings.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.left(text.indexOf("\n" + QByteArray::number(slot) + "=")));
    }
    QVERIFY(source.settings.read());

    const std::optional<LoadedCatalogue> loaded = source.fetch(false);
    QVERIFY(loaded);
    QCOMPARE(caisse.requests(), catalogueRequests() + catalogueRequests());
    QCOMPARE(contentsOf(*loaded), contentsOf(*downloaded));
    QCOMPARE(loaded->slots, downloaded->slots);
}

void tst_CatalogueSource::cacheChangedAfterItsReadAheadIsReadAgain()
{
    ScriptedRegister caisse;
    script(caisse, sample());
    script(caisse, sample());
    Source source(caisse);
    QVERIFY(source.downloadIntoCache());
    source.source.readCacheAhead();
    // a cache read ahead whole and valid, then spoilt: the start must not take what it held
    source.settings[Supplements] = QStringLiteral("x;Frites");
    const std::optional<LoadedCatalogue> loaded = source.fetch(false);

    QVERIFY(loaded);
    QCOMPARE(caisse.requests(), catalogueRequests() + catalogueRequests());
}

QTEST_GUILESS_MAIN(tst_CatalogueSource)
#include "tst_cataloguesource.moc"
