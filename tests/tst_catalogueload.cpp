#include "CatalogueScript.h"
#include "FingerTouch.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/LinkProbe.h"
#include "app/MainWindow.h"
#include "app/ServiceStart.h"
#include "app/StartView.h"
#include "closing/PaymentView.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "tables/PlanView.h"
#include "tables/TableChoiceView.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using namespace CatalogueScript;
using Script = Replies;

using namespace SettingsSlots;

const QString WrongIp = QStringLiteral("Vérifiez votre adresse IP");

// Another register's catalogue: other names, captions and products, tables on the second plan.
Script other()
{
    return {
        {QStringLiteral("nongletserveur"), "Cocktails;Jus;#Hugo;Ines;"},
        {QStringLiteral("enc$"), "a;Cheque;a;a"},
        {QStringLiteral("listesupp"), "7;Cheddar"},
        {QStringLiteral("naclav2_1"), "PRIX01Mojito;0;0;xFF0000FF;30;;;;;"},
        {QStringLiteral("naclav1_1"), "PRIX02Orange;0;0;xFF0000FF;31;;;;;"},
        {QStringLiteral("nacuistot"), "Bleu#########"},
        {QStringLiteral("tablepos$"), "100;100$200;200$100;100$50;50$2;2$1;1"},
    };
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The version exchanges of a compatible register, then the catalogue replies in request order.
void scriptStart(ScriptedRegister& caisse, const Script& replies, bool download = true)
{
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    caisse.replyLine(QStringLiteral("numversion~2~2~3"));
    if (!download)
        return;
    script(caisse, replies);
}

// A window on a settings folder of its own whose cached stamp is `stamp`, its messages collected.
struct Terminal : TerminalFixture
{
    QString address;
    QStringList progress;
    bool activated = false;

    // Linked to caisse before its activation, which starts on a saved address.
    explicit Terminal(const ScriptedRegister& caisse, const QString& stamp = QStringLiteral("56"),
                      const QString& ownFolder = QString())
        : TerminalFixture(ownFolder.isEmpty() ? QStringLiteral("[data]\n10=%1\n").arg(stamp) : QString(), ownFolder),
          address(caisse.address())
    {
        linkTo(caisse);
        QObject::connect(&form->catalogueLoad(), &CatalogueLoad::progressShown, [this](const QString& text) {
            // the status line must read the text whenever the window gets to draw it
            progress.append(start()->statusLabel()->text() == text ? text : QStringLiteral("not shown: ") + text);
        });
        activated = activate();
    }

    // "Utilisation en local" on the register's address.
    void startLocally()
    {
        QVERIFY(activated);
        start()->addressEdit()->setText(address);
        form->guard().run([this] { form->serviceStart().startLocally(); });
    }

    StartView* start() const { return find<StartView>(QStringLiteral("init")); }
    WaiterView* waiters() const { return qobject_cast<WaiterView*>(form->view(QStringLiteral("serveur"))); }
    TicketView* ticket() const { return ticketView(); }
    PaymentView* payment() const { return qobject_cast<PaymentView*>(form->view(QStringLiteral("encaissement"))); }
    ParkingView* parking() const { return qobject_cast<ParkingView*>(form->view(QStringLiteral("poubelle"))); }
    SetMenuView* setMenu() const { return qobject_cast<SetMenuView*>(form->view(QStringLiteral("formule"))); }
    PlanView* plan() const { return qobject_cast<PlanView*>(form->view(QStringLiteral("plan"))); }
    CatalogueLoad& load() const { return form->catalogueLoad(); }
};

// What the waiter can see of a loaded catalogue and what the ticket screens will read from it.
QStringList screenOf(const Terminal& terminal)
{
    MainWindow& form = *terminal.form;
    QStringList out;
    QTabWidget* tabs = terminal.ticket()->keyboardTabs();
    for (int i = 0; i < tabs->count(); ++i)
        out << QStringLiteral("tab %1 %2 %3").arg(i).arg(tabs->tabText(i)).arg(tabs->isTabVisible(i));
    for (RedKey* key : terminal.waiters()->waiterKeys())
        out << QStringLiteral("waiter %1 %2").arg(key->caption()->text()).arg(key->isHidden());
    const PaymentView* payment = terminal.payment();
    for (RedKey* key : {payment->paymentMode1Key(), payment->paymentMode2Key(), payment->paymentMode3Key(),
                        payment->paymentMode4Key()})
        out << QStringLiteral("payment %1 %2").arg(key->caption()->text()).arg(key->isHidden());
    ProductKeys& keys = form.catalogueLoad().productKeys();
    for (int k = 0; k < keys.count(); ++k) {
        const CatalogueKey* key = keys.key(k);
        out << QStringLiteral("key %1 in %2 at %3,%4 %5 %6 \"%7\" art %8 cuisine %9")
                   .arg(k)
                   .arg(key->parentWidget()->objectName())
                   .arg(key->x())
                   .arg(key->y())
                   .arg(key->colour().name(QColor::HexArgb))
                   .arg(key->captionFont().pixelSize())
                   .arg(key->text())
                   .arg(form.products().art(k))
                   .arg(form.products().textecuis(k));
    }
    const CheckList* supplements = terminal.parking()->supplementsList();
    for (int i = 0; i < supplements->count(); ++i)
        out << QStringLiteral("supplement %1 %2")
                   .arg(supplements->item(i)->text())
                   .arg(supplements->item(i)->data(Qt::UserRole).toInt());
    for (int a = 1; a <= 4; ++a)
        out << QStringLiteral("supp %1 %2").arg(a).arg(form.products().supp(a));
    TableButtons& tables = form.catalogueLoad().tableButtons();
    for (int z = 0; z < tables.count(); ++z) {
        if (!tables.key(z)->isHidden())
            out << QStringLiteral("table %1 on %2")
                       .arg(tables.key(z)->text(), tables.key(z)->parentWidget()->objectName());
    }
    out << QStringLiteral("cells %1")
               .arg(qobject_cast<SetMenuView*>(form.view(QStringLiteral("formule")))->grid().count());
    const Catalogue& catalogue = form.catalogue();
    out << QStringLiteral("cuis1 ") + catalogue.kitchenOptionList(1).join(QLatin1Char('|'))
        << QStringLiteral("rappel ") + catalogue.rappel().join(QLatin1Char('|'))
        << QStringLiteral("ctform1 ") + catalogue.ctform(1).join(QLatin1Char('|'))
        << QStringLiteral("rang1 ") + catalogue.rang(1).join(QLatin1Char('|'))
        << QStringLiteral("aform1 ") + catalogue.aform(1).join(QLatin1Char('|'))
        << QStringLiteral("articles 10 11 20: %1 %2 %3")
               .arg(catalogue.articles(10))
               .arg(catalogue.articles(11))
               .arg(catalogue.articles(20));
    return out;
}

QList<CatalogueKey*> keysOn(QScrollArea* box)
{
    return box->widget()->findChildren<CatalogueKey*>(Qt::FindDirectChildrenOnly);
}

// Each supplement listed: its caption and its code.
QStringList entries(const CheckList* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << QStringLiteral("%1 %2").arg(list->item(i)->text()).arg(list->item(i)->data(Qt::UserRole).toInt());
    return out;
}

// A view's keys are made when it is shown, as the waiter first opens it.
void showAndHide(const QList<QWidget*>& views)
{
    for (QWidget* view : views)
        view->show();
    for (QWidget* view : views)
        view->hide();
}

} // namespace

class tst_CatalogueLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void downloadAsksForEveryPieceAndSavesIt();
    void cacheModeSendsNothingAndShowsTheSameScreen();
    void badInputs_data();
    void badInputs();
    void nextStartAfterABadEveningDownloadsTheWholeCatalogue_data();
    void nextStartAfterABadEveningDownloadsTheWholeCatalogue();
    void hugeTableIsDrawnWithinThePlan();
    void repeatedLoadKeepsOneSetOfControls();
    void keysAreMadeWhenTheirViewIsFirstShown();
    void supplementsWaitForTheParkingViewThenFollowEachCatalogue();
    void abandonedDownloadKeepsTheEarlierCatalogue_data();
    void abandonedDownloadKeepsTheEarlierCatalogue();
    void firstStartWithoutTablePlanServesTheWaiter();
    void failedSaveKeepsTheStartViewAndTheEarlierCatalogue();
    void automaticStartStoppedByAnErrorStaysSilent();
    void keysAnswerTheTapOfSlot4_data();
    void keysAnswerTheTapOfSlot4();
    void sizedScreensStayAfterResize();
    void ticketMadeAfterAResizeIsSizedAsAtTheLoad();
    void keysStopAtThe801stProduct();
};

void tst_CatalogueLoad::downloadAsksForEveryPieceAndSavesIt()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    Terminal terminal(caisse);
    terminal.startLocally();
    MainWindow& form = *terminal.form;

    QByteArray expected("ve01$\r\nve04$\r\n");
    for (const QString& request : catalogueRequests())
        expected += request.toLatin1() + "\r\n";
    QCOMPARE(caisse.received(), expected);
    QVERIFY(terminal.messages.isEmpty());
    QCOMPARE(form.frontView(), terminal.waiters());

    QStringList progress{QStringLiteral("Chargement des paramètres...")};
    for (int n = 1; n <= 12; ++n)
        progress << QStringLiteral("Chargement des tarifs: clavier %1").arg(n);
    progress << QStringLiteral("Création des touches produits")
             << QStringLiteral("Chargement des options d'impression");
    QCOMPARE(terminal.progress, progress);

    // keyboard 1 from naclav2 in 11/81, keyboard 2 from naclav1 in 12/82, six characters dropped
    const SettingsStore saved = [&] {
        SettingsStore store(terminal.folder.path());
        store.read();
        return store;
    }();
    QCOMPARE(saved[PriceListFirstHalf + 1], QStringLiteral("Pastis;0;0;xFFFF0000;10;Kir;1;2;xFF00FF00;1"));
    QCOMPARE(saved[PriceListSecondHalf + 1], QStringLiteral("1;;;;;;"));
    QCOMPARE(saved[PriceListFirstHalf + 2], QStringLiteral("Coca;0;0;x00FF00;20;;;;;"));
    QCOMPARE(saved[KitchenLabels + 1], QStringLiteral("Pastis cuisine;Kir cuisine"));
    QCOMPARE(saved[KitchenLabels + 2], QStringLiteral("Coca cuisine"));
    QCOMPARE(saved[TabsAndWaiters], QString::fromLatin1(sample().value(QStringLiteral("nongletserveur"))));
    QCOMPARE(saved[PrintingOptions], QStringLiteral("1$1$0"));
    QCOMPARE(saved[SetMenuContents], QStringLiteral("~10;11$20~~~~~~~~~"));
    QCOMPARE(saved[SetMenuContents + 1], QString());
    QCOMPARE(saved[CourseRanks + 1], QStringLiteral("0;0;0;0;0;0;0;0;0;1;1"));
    QCOMPARE(saved[SetMenuLists + 1], QStringLiteral(":Pastis;Kir:Coca"));
    QCOMPARE(saved[SetMenuListsRest + 1], QString());
    QCOMPARE(saved[TablePlan], QStringLiteral("100;0$200;0$100;0$50;0$1;2$1;0"));
    QCOMPARE(saved[DataStamp], QStringLiteral("57"));

    // keys in their keyboard's box, four to a row of W = (403 - 5) div 4 = 99
    ProductKeys& keys = form.catalogueLoad().productKeys();
    QCOMPARE(form.catalogueLoad().productCount(), 3);
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys.key(1)->parentWidget(), terminal.ticket()->keyboardScrollBox(1)->widget());
    QCOMPARE(keys.key(1)->geometry(), QRect(99, 0, 99, 59));
    QCOMPARE(keys.key(1)->captionBox().translated(keys.key(1)->pos()), QRect(101, 2, 95, 55));
    QCOMPARE(keys.key(1)->captionFont().pixelSize(), 13);
    QCOMPARE(keys.key(2)->parentWidget(), terminal.ticket()->keyboardScrollBox(2)->widget());
    QCOMPARE(keys.key(2)->pos(), QPoint(0, 0));
    QCOMPARE(keys.key(0)->colour(), QColor(Qt::red));
    QCOMPARE(keys.key(2)->colour().alpha(), 0);
    QVERIFY(terminal.ticket()->keyboardScrollBox(1)->widget()->minimumHeight() >= 59);

    const QStringList screen = screenOf(terminal);
    for (const QString& line : {QStringLiteral("tab 0 Aperitifs 1"),
                                QStringLiteral("tab 8 9 0"),
                                QStringLiteral("tab 9 10 0"),
                                QStringLiteral("tab 11 Formules 1"),
                                QStringLiteral("waiter Camille 0"),
                                QStringLiteral("waiter Paul 0"),
                                QStringLiteral("waiter Serveur 3 1"),
                                QStringLiteral("waiter Serveur 4 1"),
                                QStringLiteral("waiter Patron 0"),
                                QStringLiteral("payment Carte bancaire 0"),
                                QStringLiteral("payment Mode Test 1"),
                                QStringLiteral("payment Especes 0"),
                                QStringLiteral("supplement Frites 1"),
                                QStringLiteral("supplement Salade 2"),
                                QStringLiteral("supp 1 0"),
                                QStringLiteral("supp 2 1"),
                                QStringLiteral("supp 3 1"),
                                QStringLiteral("supp 4 0"),
                                QStringLiteral("table T1 on TabItem9"),
                                QStringLiteral("cells 251"),
                                QStringLiteral("cuis1 Saignant|A point"),
                                QStringLiteral("rappel Vite|Doucement"),
                                QStringLiteral("ctform1 |10;11|20"),
                                QStringLiteral("aform1 |Pastis;Kir|Coca"),
                                QStringLiteral("articles 10 11 20: 0 1 2")})
        QVERIFY2(screen.contains(line), qPrintable(line + QStringLiteral(" not in\n") + screen.join('\n')));
    QVERIFY(!screen.join('\n').contains(QStringLiteral("table T2")));
    QCOMPARE(form.catalogueLoad().tableButtons().count(), 100);
    QCOMPARE(form.products().textecuis(1), QStringLiteral("Kir cuisine"));
    QCOMPARE(form.products().menucuis(1), 2);

    QVERIFY(form.linkProbe().isActive());
    QCOMPARE(form.link().connectTimeout(), RegisterLink::ServiceConnectTimeoutMs);
    QCOMPARE(terminal.plan()->roomTabs()->currentWidget(), terminal.plan()->room1Page());
}

void tst_CatalogueLoad::cacheModeSendsNothingAndShowsTheSameScreen()
{
    QStringList downloaded;
    QTemporaryDir kept;
    {
        ScriptedRegister caisse;
        scriptStart(caisse, sample());
        Terminal terminal(caisse);
        terminal.startLocally();
        downloaded = screenOf(terminal);
        QVERIFY(QFile::copy(terminal.settingsPath(), kept.filePath(SettingsStore::FileName)));
    }
    // the saved address starts the terminal at activation: its own version exchange, then the local start
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    scriptStart(caisse, {}, false);
    Terminal terminal(caisse, QString(), kept.path());

    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve01$\r\nve04$\r\n"));
    QVERIFY(terminal.messages.isEmpty());
    QCOMPARE(terminal.form->frontView(), terminal.waiters());
    QCOMPARE(screenOf(terminal), downloaded);
    QCOMPARE(terminal.progress.size(), 15);
}

void tst_CatalogueLoad::badInputs_data()
{
    QTest::addColumn<Script>("replies");
    QTest::addColumn<QString>("lastRequest"); // the last request the register sees
    QTest::addColumn<QString>("message");     // none when empty
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("products"); // those read before a load stopped are kept

    const QString all = QStringLiteral("tablepos$");
    const QByteArray huge(20000, 'x');
    Script replies;
    QTest::newRow("a register silent after the version is left at its first request")
        << Script{{QStringLiteral("nongletserveur"), Silent}} << QStringLiteral("nongletserveur") << WrongIp << false
        << 0;

    replies = sample();
    replies[QStringLiteral("enc$")] = Close;
    QTest::newRow("a connection dropped on enc$ abandons the start")
        << replies << QStringLiteral("enc$") << WrongIp << false << 0;

    replies = sample();
    replies[QStringLiteral("nongletserveur")] = Close;
    QTest::newRow("a connection dropped on the names abandons the start")
        << replies << QStringLiteral("nongletserveur") << WrongIp << false << 0;

    replies = sample();
    replies[QStringLiteral("naclav2_1")] = Close;
    QTest::newRow("a connection dropped in keyboard 1 costs only that half, for this service")
        << replies << all << QString() << false << 1;

    replies = sample();
    replies[QStringLiteral("tablepos$")] = Close;
    QTest::newRow("a connection dropped on the table plan abandons the start with what was read")
        << replies << all << WrongIp << false << 3;

    replies = sample();
    replies[QStringLiteral("naclav2_1")] = "PRIX01Pastis;0;0;xFFFF0000;1x;";
    QTest::newRow("a non-numeric article number stops the load")
        << replies << QStringLiteral("stgcuis1") << QStringLiteral("Valeur non numérique reçue de la caisse : « 1x »")
        << false << 0;

    replies = sample();
    replies[QStringLiteral("tablepos$")] = "10;10$20;20$30;x$40;40$1;1$1;1";
    QTest::newRow("a non-numeric table height stops the load with what was read")
        << replies << all << QStringLiteral("Valeur non numérique reçue de la caisse : « x »") << false << 3;

    replies = sample();
    replies[QStringLiteral("nongletserveur")] = "Cocktails;Jus;#Hugo\t;Ines;";
    QTest::newRow("a tab in a waiter name is text") << replies << all << QString() << true << 3;

    replies = sample();
    replies[QStringLiteral("nongletserveur")] = "Aperitifs;Softs;Bieres";
    QTest::newRow("names without a # give tabs and no waiter") << replies << all << QString() << true << 3;

    replies = sample();
    replies[QStringLiteral("naclav3_1")] = huge;
    replies[QStringLiteral("ctnform")] = huge;
    QTest::newRow("20000-character lines in guarded requests are skipped, for this service")
        << replies << all << QString() << false << 3;

    replies = sample();
    replies[QStringLiteral("limp")] = huge;
    QTest::newRow("a 20000-character printing options line stops the load with the keyboards read")
        << replies << QStringLiteral("limp") << QStringLiteral("Ligne trop longue reçue de la caisse") << false << 3;

    replies = sample();
    replies[QStringLiteral("nongletserveur")] = "Ap\xe9ritifs;Caf\xe9s;#Ren\xe9;";
    replies[QStringLiteral("naclav2_1")] = "PRIX01Cr\xe8me;0;0;xFFFF0000;10;;;;;";
    QTest::newRow("bytes above 0x7F are read as replacement characters") << replies << all << QString() << true << 2;
}

void tst_CatalogueLoad::badInputs()
{
    QFETCH(Script, replies);
    QFETCH(QString, lastRequest);
    QFETCH(QString, message);
    QFETCH(bool, saved);
    QFETCH(int, products);

    ScriptedRegister caisse;
    scriptStart(caisse, replies);
    Terminal terminal(caisse);
    const QByteArray before = readFile(terminal.settingsPath());
    terminal.startLocally();
    MainWindow& form = *terminal.form;

    QCOMPARE(caisse.requests().constLast(), lastRequest);
    QCOMPARE(terminal.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(readFile(terminal.settingsPath()) != before, saved);
    QCOMPARE(form.catalogueLoad().productCount(), products);
    QCOMPARE(form.catalogueLoad().productKeys().count(), form.catalogueLoad().productCount());
    if (message == WrongIp) {
        // abandoned: the address is to be typed again, and the waiter view opens on the earlier catalogue
        QCOMPARE(terminal.start()->addressEdit()->text(), QString());
        QCOMPARE(form.frontView(), terminal.waiters());
        QCOMPARE(form.link().connectTimeout(), RegisterLink::StartConnectTimeoutMs);
    } else if (!message.isEmpty()) {
        // an error the load does not catch keeps the start view
        QCOMPARE(form.frontView(), terminal.start());
        QCOMPARE(terminal.start()->addressEdit()->text(), caisse.address());
    } else {
        QCOMPARE(form.frontView(), terminal.waiters());
    }
}

void tst_CatalogueLoad::nextStartAfterABadEveningDownloadsTheWholeCatalogue_data()
{
    QTest::addColumn<Script>("replies");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("a register silent after the version")
        << Script{{QStringLiteral("nongletserveur"), Silent}} << QStringList{WrongIp};
    Script replies = sample();
    replies[QStringLiteral("tablepos$")] = Silent;
    QTest::newRow("a silent table plan") << replies << QStringList();
    replies = sample();
    replies[QStringLiteral("rang1")] = Silent;
    QTest::newRow("a silent course rank") << replies << QStringList();
    replies = sample();
    replies[QStringLiteral("listesupp")] = "x;Frites";
    QTest::newRow("a supplement code that is not a number") << replies << QStringList();
    replies = sample();
    replies[QStringLiteral("naclav1_2")] = Close;
    QTest::newRow("a keyboard's second half lost") << replies << QStringList();
}

void tst_CatalogueLoad::nextStartAfterABadEveningDownloadsTheWholeCatalogue()
{
    QFETCH(Script, replies);
    QFETCH(QStringList, messages);

    QStringList healthy;
    {
        ScriptedRegister caisse;
        scriptStart(caisse, sample());
        Terminal terminal(caisse);
        terminal.startLocally();
        healthy = screenOf(terminal);
    }
    QTemporaryDir kept;
    {
        ScriptedRegister caisse;
        scriptStart(caisse, replies);
        Terminal terminal(caisse);
        terminal.startLocally();
        QCOMPARE(terminal.messages, messages);
        QVERIFY(QFile::copy(terminal.settingsPath(), kept.filePath(SettingsStore::FileName)));
    }
    SettingsStore saved(kept.path());
    QVERIFY(saved.read());
    QCOMPARE(saved[DataStamp], QStringLiteral("56"));

    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    Terminal terminal(caisse, QString(), kept.path());
    terminal.startLocally();
    QCOMPARE(caisse.requests().size(), 2 + catalogueRequests().size());
    QVERIFY(terminal.messages.isEmpty());
    QCOMPARE(terminal.form->frontView(), terminal.waiters());
    QCOMPARE(screenOf(terminal), healthy);
    SettingsStore next(kept.path());
    QVERIFY(next.read());
    QCOMPARE(next[DataStamp], QStringLiteral("57"));
}

void tst_CatalogueLoad::hugeTableIsDrawnWithinThePlan()
{
    Script replies = sample();
    replies[QStringLiteral("tablepos$")] = "2147483647;-2147483648$-2147483648;0$2147483647;1$2147483647;1$1;1$1;1";
    ScriptedRegister caisse;
    scriptStart(caisse, replies);
    Terminal terminal(caisse);
    terminal.startLocally();

    QVERIFY(terminal.messages.isEmpty());
    TableButtons& tables = terminal.load().tableButtons();
    // a few plan sizes from its corner at most, whatever the register sends: before, billions of units
    const QRect reach(-4 * 403, -4 * 651, 8 * 403, 8 * 651);
    for (int z = 0; z < 2; ++z)
        QVERIFY(reach.contains(tables.key(z)->geometry()));
}

void tst_CatalogueLoad::repeatedLoadKeepsOneSetOfControls()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    scriptStart(caisse, {}, false);
    Terminal terminal(caisse);
    terminal.startLocally();
    const QStringList first = screenOf(terminal);
    const QList<QWidget*> keyViews{terminal.ticket(), terminal.setMenu(), terminal.plan()};
    showAndHide(keyViews);
    // the link was lost: the waiter starts again from the start view, now from the cache
    terminal.start()->show();
    terminal.startLocally();

    QCOMPARE(caisse.requests().constLast(), QStringLiteral("ve04$"));
    QCOMPARE(screenOf(terminal), first);
    showAndHide(keyViews);
    QCOMPARE(keysOn(terminal.ticket()->keyboardScrollBox(1)).size(), 2);
    QCOMPARE(keysOn(terminal.ticket()->keyboardScrollBox(2)).size(), 1);
    QCOMPARE(keysOn(terminal.setMenu()->gridScrollBox()).size(), 251);
    QCOMPARE(terminal.plan()->room1Page()->findChildren<CatalogueKey*>().size(), 1);
    QCOMPARE(terminal.parking()->supplementsList()->count(), 2);
}

void tst_CatalogueLoad::keysAreMadeWhenTheirViewIsFirstShown()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    Terminal terminal(caisse);
    terminal.startLocally();
    // the start reaches the waiter view without making the views behind it, then without a single key
    for (const char* name : {"choixtable", "ticket", "formule", "plan", "poubelle"})
        QVERIFY2(!terminal.form->findChild<QWidget*>(QLatin1String(name)), name);
    const QList<QWidget*> keyViews{terminal.ticket(), terminal.setMenu(), terminal.plan()};
    for (QWidget* view : keyViews)
        QVERIFY(view->findChildren<CatalogueKey*>().isEmpty());

    terminal.ticket()->show();
    const QList<CatalogueKey*> keys = keysOn(terminal.ticket()->keyboardScrollBox(1));
    QCOMPARE(keys.size(), 2);
    QCOMPARE(keys.at(1)->objectName(), QStringLiteral("bbutton1"));
    QVERIFY(keys.at(1)->isVisible());
    QVERIFY(terminal.setMenu()->findChildren<CatalogueKey*>().isEmpty());
    terminal.setMenu()->show();
    QCOMPARE(keysOn(terminal.setMenu()->gridScrollBox()).size(), 251);
    terminal.plan()->show();
    QCOMPARE(terminal.plan()->findChild<CatalogueKey*>(QStringLiteral("btable0"))->text(), QStringLiteral("T1"));

    // once made, a view's keys stay
    showAndHide(keyViews);
    QCOMPARE(keysOn(terminal.ticket()->keyboardScrollBox(1)), keys);
}

void tst_CatalogueLoad::supplementsWaitForTheParkingViewThenFollowEachCatalogue()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    scriptStart(caisse, other());
    Terminal terminal(caisse);
    terminal.startLocally();
    QVERIFY(!terminal.form->findChild<ParkingView*>());
    QCOMPARE(entries(terminal.parking()->supplementsList()), (QStringList{"Frites 1", "Salade 2"}));

    // the register's data changed: the next start's catalogue reaches the panel already made
    terminal.form->settings()[DataStamp] = QStringLiteral("56");
    terminal.form->navigation().bringStartForward();
    terminal.startLocally();
    QCOMPARE(entries(terminal.parking()->supplementsList()), QStringList{"Cheddar 7"});
}

void tst_CatalogueLoad::abandonedDownloadKeepsTheEarlierCatalogue_data()
{
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QStringList>("seen"); // what was read is shown over the earlier catalogue
    QTest::newRow("lost on the names: the tabs are numbered")
        << QStringLiteral("nongletserveur")
        << QStringList{"tab 0 0 1", "waiter Camille 0", "payment Carte bancaire 0", "key 0 Pastis",
                       "table T1 on TabItem9"};
    QTest::newRow("lost on the payment captions: the names are read")
        << QStringLiteral("enc$")
        << QStringList{"tab 0 Cocktails 1", "waiter Hugo 0", "payment Carte bancaire 0", "key 0 Pastis",
                       "table T1 on TabItem9"};
    QTest::newRow("lost on the table plan: all but the tables are read")
        << QStringLiteral("tablepos$")
        << QStringList{"tab 0 Cocktails 1", "waiter Hugo 0", "payment Carte bancaire 1", "key 0 Mojito",
                       "table T1 on TabItem9"};
}

void tst_CatalogueLoad::abandonedDownloadKeepsTheEarlierCatalogue()
{
    QFETCH(QString, lost);
    QFETCH(QStringList, seen);

    Script replies = other();
    replies[lost] = Close;
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    scriptStart(caisse, replies);
    Terminal terminal(caisse);
    terminal.startLocally();
    const QStringList first = screenOf(terminal);
    const QByteArray saved = readFile(terminal.settingsPath());
    // the register's data changed while the link was lost: the next start downloads again
    terminal.form->settings()[DataStamp] = QStringLiteral("56");
    terminal.form->navigation().bringStartForward();
    terminal.startLocally();

    QCOMPARE(caisse.requests().constLast(), lost);
    QCOMPARE(terminal.messages, QStringList{WrongIp});
    QCOMPARE(terminal.form->frontView(), terminal.waiters());
    QStringList glimpse;
    for (const QString& line : screenOf(terminal)) {
        const QString kind = line.section(QLatin1Char(' '), 0, 0);
        if (line.startsWith(QLatin1String("tab 0 ")) || line.startsWith(QLatin1String("table ")) ||
            ((kind == QLatin1String("waiter") || kind == QLatin1String("payment")) &&
             !glimpse.join(QLatin1Char('\n')).contains(kind)))
            glimpse << line;
        else if (line.startsWith(QLatin1String("key 0 ")))
            glimpse << QStringLiteral("key 0 ") + line.section(QLatin1Char('"'), 1, 1);
    }
    QCOMPARE(glimpse, seen);
    // the keys are those of the products held, and `articles` follows them
    QCOMPARE(terminal.load().productKeys().count(), terminal.load().productCount());
    QCOMPARE(terminal.form->catalogue().articles(terminal.form->products().art(0)), 0);
    // nothing of a load that stopped is saved
    QCOMPARE(readFile(terminal.settingsPath()), saved);
    QVERIFY(first != screenOf(terminal));
}

// The register lost on "tablepos$" at the very first start: the waiter keys, the products and the set menus were read,
// and a service without tables is still a service.
void tst_CatalogueLoad::firstStartWithoutTablePlanServesTheWaiter()
{
    Script replies = sample();
    replies[QStringLiteral("tablepos$")] = Close;
    ScriptedRegister caisse;
    scriptStart(caisse, replies);
    Terminal terminal(caisse);
    terminal.startLocally();

    QCOMPARE(terminal.messages, QStringList{WrongIp});
    QCOMPARE(terminal.form->frontView(), terminal.waiters());
    RedKey* camille = terminal.waiters()->waiterKey(1);
    QCOMPARE(camille->caption()->text(), QStringLiteral("Camille"));
    // placed by the sizing of the load, not at its design place
    QCOMPARE(camille->geometry(), terminal.waiters()->boxOf(camille));
    QVERIFY(camille->geometry() != terminal.waiters()->scaledBox(QRectF(35.9, 129, 122.1, 71.9)));
    QCOMPARE(terminal.load().productCount(), 3);
    QCOMPARE(terminal.setMenu()->grid().count() > 0, true);
    QVERIFY(!screenOf(terminal).join(QLatin1Char('\n')).contains(QLatin1String("table T")));

    caisse.replyLine(QStringLiteral("1"));
    QTest::mouseClick(camille, Qt::LeftButton);
    caisse.replyBytes("Camille~\n\n");
    TableChoiceView* tableChoice = qobject_cast<TableChoiceView*>(terminal.form->view(QStringLiteral("choixtable")));
    QTest::mouseClick(tableChoice->waiterAccountKey(), Qt::LeftButton);
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    caisse.replyLine(QStringLiteral("1 PASTIS 2,00~TOTAL 2,00"));
    QTest::mouseClick(terminal.load().productKeys().key(0), Qt::LeftButton);

    QVERIFY2(caisse.requests().constLast().startsWith(QLatin1String("10$0$0$1$")),
             qPrintable(caisse.requests().constLast()));
}

// Nobody asked for the start at activation: an error that stops its load shows nothing, the start view stays.
void tst_CatalogueLoad::automaticStartStoppedByAnErrorStaysSilent()
{
    ScriptedRegister caisse;
    // the probe of the saved address, then a start whose printing options cannot be read
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    Script replies = sample();
    replies[QStringLiteral("limp")] = QByteArray(20000, 'x');
    scriptStart(caisse, replies);
    TerminalFixture terminal(QStringLiteral("[data]\n0=%1\n10=56\n").arg(caisse.address()));
    terminal.form->link().setPort(caisse.port());
    QVERIFY(terminal.activate());

    QCOMPARE(caisse.requests().constLast(), QStringLiteral("limp"));
    QCOMPARE(terminal.messages, QStringList());
    QCOMPARE(terminal.form->frontView(), terminal.find<StartView>(QStringLiteral("init")));
    QVERIFY(!terminal.form->guard().busy());
}

void tst_CatalogueLoad::failedSaveKeepsTheStartViewAndTheEarlierCatalogue()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    scriptStart(caisse, other());
    Terminal terminal(caisse);
    terminal.startLocally();
    const QStringList first = screenOf(terminal);
    // a folder in the way of the blanked file: the save fails on it
    const QString blank = QDir(terminal.folderPath).filePath(SettingsStore::BlankFileName);
    QVERIFY(QFile::remove(blank));
    QVERIFY(QDir().mkdir(blank));
    terminal.form->settings()[DataStamp] = QStringLiteral("56");
    terminal.form->navigation().bringStartForward();
    terminal.startLocally();

    QCOMPARE(caisse.requests().constLast(), QStringLiteral("tablepos$"));
    QCOMPARE(terminal.messages, QStringList{QStringLiteral("Impossible d'écrire dans ") + blank});
    QCOMPARE(terminal.form->frontView(), terminal.start());
    // keys, captions and `articles` all still those of the catalogue the waiter can order from
    QCOMPARE(screenOf(terminal), first);
}

void tst_CatalogueLoad::keysAnswerTheTapOfSlot4_data()
{
    QTest::addColumn<QString>("slot4");
    QTest::addColumn<bool>("doubleTap");
    QTest::newRow("slot 4 at 0 orders on a single tap") << QStringLiteral("0") << false;
    QTest::newRow("slot 4 at 4 orders on a single tap") << QStringLiteral("4") << false;
    QTest::newRow("slot 4 at 1 orders on a double tap only") << QStringLiteral("1") << true;
}

void tst_CatalogueLoad::keysAnswerTheTapOfSlot4()
{
    QFETCH(QString, slot4);
    QFETCH(bool, doubleTap);

    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    Terminal terminal(caisse);
    terminal.form->settings()[DoubleTap] = slot4;
    terminal.startLocally();
    ProductKeys& keys = terminal.form->catalogueLoad().productKeys();
    QSignalSpy taps(&keys, &ProductKeys::productTapped);
    terminal.ticket()->show();
    terminal.ticket()->raise();
    CatalogueKey* key = keys.key(1);
    QTest::mouseClick(key, Qt::LeftButton);
    QCOMPARE(taps.size(), doubleTap ? 0 : 1);
    if (doubleTap) {
        FingerTouch::doubleTap(key, key->captionBox().center());
        QCOMPARE(taps.size(), 1);
    }
    QCOMPARE(taps.constLast().at(0).toInt(), 1);
    // the border of the key around its caption orders nothing
    QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(taps.size(), 1);
}

void tst_CatalogueLoad::sizedScreensStayAfterResize()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    Terminal terminal(caisse);
    terminal.startLocally();
    MainWindow& form = *terminal.form;
    // (403 x 16) div 100 = 64, (403 x 68) div 100 = 274, (403 x 84) div 100 = 338
    QCOMPARE(terminal.ticket()->ticketMemo()->geometry().left(), 64);
    QCOMPARE(terminal.ticket()->ticketMemo()->width(), 274);
    // the tab control keeps its designed top, 249 at the design size, and Memo1 is that high
    QCOMPARE(terminal.ticket()->keyboardTabs()->geometry(), QRect(0, 249, 403, 651 - 249));
    QCOMPARE(terminal.ticket()->ticketMemo()->height(), 249);
    const QRect memo1 = terminal.ticket()->ticketMemo()->geometry();
    const QRect b9 = terminal.ticket()->finaliseKey()->geometry();
    const QRect s2 = terminal.waiters()->waiterKey(2)->geometry();
    QCOMPARE(b9.left(), 338);
    QVERIFY(terminal.ticket()->spareRefreshKey()->isHidden());
    QVERIFY(terminal.ticket()->changeWaiterKey()->isHidden());
    QCOMPARE(terminal.ticket()->refreshKey()->caption()->font().pixelSize(), 12); // (99 x 25) div 196

    form.resize(500, 800);
    QTRY_COMPARE(terminal.ticket()->size(), QSize(500, 800));
    QCOMPARE(terminal.ticket()->ticketMemo()->geometry(), memo1);
    QCOMPARE(terminal.ticket()->finaliseKey()->geometry(), b9);
    QCOMPARE(terminal.waiters()->waiterKey(2)->geometry(), s2);
}

// The order screen is first reached after the window grew: it is laid out from the window of the load all the same.
void tst_CatalogueLoad::ticketMadeAfterAResizeIsSizedAsAtTheLoad()
{
    ScriptedRegister caisse;
    scriptStart(caisse, sample());
    Terminal terminal(caisse);
    terminal.startLocally();
    MainWindow& form = *terminal.form;
    QVERIFY(!form.findChild<TicketView*>());
    form.resize(500, 800);
    QTRY_COMPARE(terminal.start()->size(), QSize(500, 800));

    QCOMPARE(terminal.ticket()->keyboardTabs()->geometry(), QRect(0, 249, 403, 651 - 249));
    QCOMPARE(terminal.ticket()->ticketMemo()->geometry(), QRect(64, 0, 274, 249));
    QCOMPARE(terminal.ticket()->finaliseKey()->geometry().left(), 338);
}

void tst_CatalogueLoad::keysStopAtThe801stProduct()
{
    QByteArray list("PRIX03");
    for (int i = 0; i < 810; ++i)
        list += "P" + QByteArray::number(i) + ";0;0;x1;" + QByteArray::number(100 + i) + ";";
    Script replies = sample();
    replies[QStringLiteral("naclav3_1")] = list;

    ScriptedRegister caisse;
    scriptStart(caisse, replies);
    Terminal terminal(caisse);
    terminal.startLocally();
    MainWindow& form = *terminal.form;

    QCOMPARE(form.catalogueLoad().productCount(), 813);
    ProductKeys& keys = form.catalogueLoad().productKeys();
    QCOMPARE(keys.count(), 801);
    showAndHide({terminal.ticket()});
    QCOMPARE(keysOn(terminal.ticket()->keyboardScrollBox(3)).size(), 798);
    // from the 65th key of a keyboard on, every key lies on the sixteenth row
    QCOMPARE(keys.key(3 + 64)->geometry(), QRect(0, (3 * 99 * 15) / 5, 99, 59));
    QCOMPARE(keys.key(800)->y(), keys.key(3 + 63)->y());
    QVERIFY(terminal.messages.isEmpty());
}

QTEST_MAIN(tst_CatalogueLoad)
#include "tst_catalogueload.moc"
