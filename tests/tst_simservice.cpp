#include "AsciiText.h"
#include "Restaurant.h"
#include "ServiceState.h"
#include "SimServer.h"
#include "SimTest.h"
#include "SimTickets.h"
#include "TicketLayout.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

using namespace sim;
using namespace SimTest;
using namespace SimTickets;

namespace {

// The "tableocc" reply: three groups of 100 flags, "1" for the tables given.
QByteArray tableStates(const QList<int>& occupied, const QList<int>& billed, const QList<int>& waiting)
{
    return flags(100, occupied) + 'U' + flags(100, billed) + 'U' + flags(100, waiting);
}

const QByteArray FreeTable3 = memo("Table 3", {}, "0,00");

// What the printers and the register's screen received since the last call.
QStringList printed(QSignalSpy& log)
{
    QStringList lines;
    for (const QList<QVariant>& entry : std::as_const(log)) {
        const QString line = entry.at(0).toString();
        if (line.startsWith(QLatin1String("printer ")) || line.startsWith(QLatin1String("screen: ")))
            lines << line;
    }
    log.clear();
    return lines;
}

// The table flags of "tableocc" for table 12, 3 and 7: occupied, bill printed, order waiting for the kitchen.
QByteArray statesOf(const QByteArray& tableocc, int table)
{
    QByteArray states;
    for (const QByteArray& group : tableocc.split('U'))
        states += group.split(';').value(table - 1);
    return states;
}

} // namespace

// caisse-sim in service: tables, covers, orders, the kitchen, set menus, closing and messages.
class tst_SimService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void serviceReplies_data();
    void serviceReplies();
    void coversChangeTheTablesForEveryTerminal();
    void sampleTicketsFitTheMemo();
    void orders_data();
    void orders();
    void kitchenDispatch();
    void withoutPreparationPrinters();
    void setMenus();
    void closing();
    void messages_data();
    void messages();
    void malformedRequestsChangeNothing_data();
    void malformedRequestsChangeNothing();
    void ticketRepliesNameTheirTable_data();
    void ticketRepliesNameTheirTable();

private:
    std::unique_ptr<SimServer> startOrderServer(const QStringList& switches = {}) const;

    // A restaurant in service: a waiter with a code, one without, one not clocked in; table 12 open with a line
    // not yet sent to the kitchen, table 5 open with its bill printed, tables 3 and 100 free.
    QString m_serviceFixture;
    // A restaurant taking orders: table 12 has its drinks with the kitchen and a main course (with its option) and a
    // coffee not yet sent; table 7 has two set menus with no dish chosen; table 3 is free. Cheques and luncheon
    // vouchers are not taken.
    QString m_orderFixture;
};

void tst_SimService::initTestCase()
{
    m_serviceFixture = QFINDTESTDATA("data/sim-service.json");
    m_orderFixture = QFINDTESTDATA("data/sim-orders.json");
    QVERIFY(!m_serviceFixture.isEmpty() && !m_orderFixture.isEmpty());
}

std::unique_ptr<SimServer> tst_SimService::startOrderServer(const QStringList& switches) const
{
    return startServer(optionsFor(QStringList{QStringLiteral("--data"), m_orderFixture} + switches));
}

void tst_SimService::serviceReplies_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("expected"); // without the line's CR LF

    QTest::newRow("code$: a waiter with a code is asked for it") << QByteArray("code$1$") << QByteArray("code;1;");
    QTest::newRow("code$: a waiter without a code may work") << QByteArray("code$2$") << QByteArray("code;0;");
    QTest::newRow("code$: a waiter not clocked in must clock in") << QByteArray("code$4$") << QByteArray("Travail");
    QTest::newRow("code$: a waiter the restaurant lacks gets nothing") << QByteArray("code$7$") << QByteArray();
    QTest::newRow("code$: no waiter number gets nothing") << QByteArray("code$x$") << QByteArray();
    QTest::newRow("code1$: the right code") << QByteArray("code1$1$1234$") << QByteArray("code1;1;");
    QTest::newRow("code1$: a code not finished") << QByteArray("code1$1$123$") << QByteArray("code1;0;");
    QTest::newRow("code1$: another waiter's code") << QByteArray("code1$2$1234$") << QByteArray("code1;0;");
    QTest::newRow("code1$: the right code of a waiter not clocked in")
        << QByteArray("code1$4$5678$") << QByteArray("code1;0;");
    QTest::newRow("code1$: a waiter the restaurant lacks") << QByteArray("code1$7$1234$") << QByteArray();
    QTest::newRow("ademandelibre$: free tables in order, each followed by ;")
        << QByteArray("ademandelibre$") << QByteArray("3;100;");
    QTest::newRow("ademande$: occupied tables in order") << QByteArray("ademande$") << QByteArray("5;12;");
    QTest::newRow("couverts$ from the table list") << QByteArray("couverts$12$") << QByteArray("4");
    QTest::newRow("couverts$ from the covers key, with the waiter") << QByteArray("couverts$12$1$") << QByteArray("4");
    QTest::newRow("couverts$ from the plan, in the standard shape")
        << QByteArray("couverts$12$0$1$") << QByteArray("4");
    QTest::newRow("couverts$ of an open table without covers") << QByteArray("couverts$5$") << QByteArray("0");
    QTest::newRow("couverts$ of a free table") << QByteArray("couverts$3$") << QByteArray("0");
    QTest::newRow("couverts$ of a table the restaurant lacks") << QByteArray("couverts$44$") << QByteArray();
    QTest::newRow("couverts$ without a table number") << QByteArray("couverts$douze$") << QByteArray();
    QTest::newRow("envcouverts$ with a count it cannot take gives the recorded one")
        << QByteArray("envcouverts$12$x$1$") << QByteArray("4");
    QTest::newRow("envcouverts$ beyond 99 gives the recorded one")
        << QByteArray("envcouverts$12$100$1$") << QByteArray("4");
    QTest::newRow("envcouverts$ for a table the restaurant lacks") << QByteArray("envcouverts$44$2$1$") << QByteArray();
    QTest::newRow("tableocc: occupied, bill printed, order waiting for the kitchen")
        << QByteArray("tableocc") << tableStates({5, 12}, {5}, {12});
    QTest::newRow("ad$: a ticket in columns, comment under its line, amounts in euros")
        << QByteArray("ad$12$4$1$")
        << QByteArray("Table 12                4 couverts~----------------------------------~"
                      "2  Kir                        9,00~1  Entrecote grillee sau     21,50~   Saignant~"
                      "----------------------------------~TOTAL                        30,50");
    QTest::newRow("ad$: a quantity of 10 keeps its column, no covers no count")
        << QByteArray("ad$5$0$2$")
        << QByteArray("Table 5~----------------------------------~10 Cafe                      20,00~"
                      "----------------------------------~TOTAL                        20,00");
    QTest::newRow("ad$: a free table has an empty ticket")
        << QByteArray("ad$3$0$1$")
        << QByteArray("Table 3~----------------------------------~TOTAL                         0,00");
    QTest::newRow("ad$: table 0 is the waiter's own account")
        << QByteArray("ad$0$0$2$")
        << QByteArray("Compte Marc~----------------------------------~TOTAL                         0,00");
    QTest::newRow("ad$: a table the restaurant lacks") << QByteArray("ad$44$0$1$") << QByteArray();
    QTest::newRow("ad$: the account of no waiter") << QByteArray("ad$0$0$9$") << QByteArray();
}

void tst_SimService::serviceReplies()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, expected);

    const auto server = startServer(optionsFor({QStringLiteral("--data"), m_serviceFixture}));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send(request + "\r\n");
    QCOMPARE(terminal.lines(1), expected + "\r\n");
}

// The register is one restaurant: what one terminal records, every terminal reads back.
void tst_SimService::coversChangeTheTablesForEveryTerminal()
{
    const auto server = startServer(optionsFor({QStringLiteral("--data"), m_serviceFixture}));
    QVERIFY(server);
    Terminal first(server->port());
    Terminal second(server->port());
    QVERIFY(first.waitConnected());
    QVERIFY(second.waitConnected());

    // covers recorded on a free table open it for the waiter
    first.send("envcouverts$3$2$1$\r\n");
    QCOMPARE(first.lines(1), QByteArray("2\r\n"));
    second.send("couverts$3$\r\nademandelibre$\r\nademande$\r\ntableocc\r\nad$3$2$1$\r\n");
    QCOMPARE(second.lines(5), "2\r\n100;\r\n3;5;12;\r\n" + tableStates({3, 5, 12}, {5}, {12}) +
                                  "\r\nTable 3                 2 couverts~----------------------------------~"
                                  "TOTAL                         0,00\r\n");

    // a new count replaces the old one; 0 keeps an open table open
    first.send("envcouverts$12$6$1$\r\ncouverts$12$0$1$\r\nenvcouverts$12$0$1$\r\nademande$\r\n");
    QCOMPARE(first.lines(4), QByteArray("6\r\n6\r\n0\r\n3;5;12;\r\n"));

    // 0 covers on a free table leaves it free
    second.send("envcouverts$100$0$1$\r\nademandelibre$\r\n");
    QCOMPARE(second.lines(2), QByteArray("0\r\n100;\r\n"));

    // a waiter's account keeps its covers apart from the other waiters'
    first.send("envcouverts$0$3$2$\r\ncouverts$0$2$\r\ncouverts$0$1$\r\nad$0$3$2$\r\nademande$\r\n");
    QCOMPARE(first.lines(5), QByteArray("3\r\n3\r\n0\r\nCompte Marc             3 couverts~"
                                        "----------------------------------~TOTAL                         0,00\r\n"
                                        "3;5;12;\r\n"));
}

// Every open ticket of the sample, as the terminal will show it: within the memo's columns, the article lines
// (and only they) starting with a digit 1 to 9, and no ";", which the terminal would drop.
void tst_SimService::sampleTicketsFitTheMemo()
{
    Restaurant restaurant;
    QString error;
    QVERIFY2(restaurant.load(SimOptions::sampleDataPath(), error), qPrintable(error));
    const ServiceState state(restaurant.catalogue());
    int open = 0;
    for (int table = 1; table <= RestaurantCatalogue::Tables; ++table) {
        const ServiceState::Ticket* ticket = state.ticket(table, 0);
        if (!ticket)
            continue;
        ++open;
        const QString text = sim::asciiText(TicketLayout::text(restaurant.catalogue(), table, 0, ticket, Dialect()));
        QVERIFY(!text.contains(QLatin1Char(';')));
        const QStringList lines = text.split(QLatin1Char('~'));
        int articleLines = 0;
        int total = 0;
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= TicketLayout::Width, qPrintable(line));
            if (!line.isEmpty() && line.at(0) >= QLatin1Char('1') && line.at(0) <= QLatin1Char('9'))
                ++articleLines;
        }
        for (const ServiceState::Line& line : ticket->lines)
            total += line.quantity * line.unitPrice;
        QCOMPARE(articleLines, ticket->lines.size());
        QCOMPARE(lines.constLast(), QStringLiteral("TOTAL") + TicketLayout::euros(total).rightJustified(29));
    }
    QCOMPARE(open, 5);
}

void tst_SimService::orders_data()
{
    QTest::addColumn<QByteArrayList>("requests");
    QTest::addColumn<QByteArray>("expected"); // the reply to the last request

    const QByteArray entrecote = item("1", "Entrecote", "21,50");
    QTest::newRow("an article on a free table opens it for the waiter with the covers sent")
        << QByteArrayList{"3$3$2$1$1$"} << memo(header("Table 3", 2), {item("1", "Kir", "4,50")}, "4,50");
    QTest::newRow("a table opened by an article is occupied for every terminal")
        << QByteArrayList{"3$3$2$1$1$", "ademande$"} << QByteArray("3;7;12;");
    QTest::newRow("table 0 is the waiter's own account")
        << QByteArrayList{"3$0$0$2$1$"} << memo("Compte Marc", {item("1", "Kir", "4,50")}, "4,50");
    QTest::newRow("the same article adds to its line while the kitchen has not got it")
        << QByteArrayList{"9$12$4$1$7$"} << table12(Table12Lines.mid(0, 3) << item("2", "Cafe", "4,00"), "34,50");
    QTest::newRow("an article the kitchen has already got starts a new line")
        << QByteArrayList{"3$12$4$1$1$"} << table12(Table12Lines + QByteArrayList{item("1", "Kir", "4,50")}, "37,00");
    QTest::newRow("another course starts a new line")
        << QByteArrayList{"800$12$4$1$5$~1$--$--$"}
        << table12(Table12Lines + QByteArrayList{entrecote, under("Saignant")}, "54,00");
    QTest::newRow("other options start a new line")
        << QByteArrayList{"800$12$4$1$4$~--$1$--$"}
        << table12(Table12Lines + QByteArrayList{entrecote, under("A point")}, "54,00");
    QTest::newRow("ticked options go under the line in list order, flags past the list are ignored")
        << QByteArrayList{"800$3$0$1$4$~1$--$1$1$"}
        << memo("Table 3", {entrecote, under("Saignant"), under("Bien cuit")}, "21,50");
    QTest::newRow("a product without options ignores flags")
        << QByteArrayList{"3$3$0$1$1$~1$"} << memo("Table 3", {item("1", "Kir", "4,50")}, "4,50");
    QTest::newRow("supplements go under the article added last, the same one twice adds up")
        << QByteArrayList{"800$3$0$1$4$", "942$3$0$1$" + NoChoices, "943$3$0$1$" + NoChoices, "942$3$0$1$" + NoChoices}
        << memo("Table 3", {entrecote, item("2", "+ Frites", "7,00"), item("1", "+ Sauce", "2,00")}, "30,50");
    QTest::newRow("a supplement finds its article after a line above it went")
        << QByteArrayList{"800$3$0$1$4$", "3$3$0$1$1$",       "9$3$0$1$7$",
                          "3$3$0$1$1$",   "moinsun$3$0$1$1$", "942$3$0$1$" + NoChoices}
        << memo("Table 3", {item("2", "Kir", "9,00"), item("1", "+ Frites", "3,50"), item("1", "Cafe", "2,00")},
                "14,50");
    QTest::newRow("a supplement with nothing added yet goes last")
        << QByteArrayList{"942$12$4$1$" + NoChoices}
        << table12(Table12Lines + QByteArrayList{item("1", "+ Frites", "3,50")}, "36,00");
    QTest::newRow("Enlever 1 takes one unit off the line")
        << QByteArrayList{"moinsun$12$4$1$1$"}
        << table12(QByteArrayList{item("1", "Kir", "4,50")} + Table12Lines.mid(1), "28,00");
    QTest::newRow("Enlever 1 counts article lines only, not the comment under line 2")
        << QByteArrayList{"moinsun$12$4$1$3$"} << table12(Table12Lines.mid(0, 3), "30,50");
    QTest::newRow("Enlever 1 on the last unit takes the supplements ordered with it")
        << QByteArrayList{"800$3$0$1$4$", "942$3$0$1$" + NoChoices, "9$3$0$1$7$", "moinsun$3$0$1$1$"}
        << memo("Table 3", {item("1", "Cafe", "2,00")}, "2,00");
    QTest::newRow("Enlever 1 on a supplement takes only the supplement")
        << QByteArrayList{"800$3$0$1$4$", "942$3$0$1$" + NoChoices, "moinsun$3$0$1$2$"}
        << memo("Table 3", {entrecote}, "21,50");
    QTest::newRow("an emptied ticket keeps its table open")
        << QByteArrayList{"3$3$2$1$1$", "moinsun$3$2$1$1$", "ademande$"} << QByteArray("3;7;12;");
    QTest::newRow("an offered line stays, shown offert, out of the total")
        << QByteArrayList{"offreligne$12$4$1$2$"}
        << table12({Table12Lines.at(0), item("1", "Entrecote", "offert"), under("Saignant"), Table12Lines.at(3)},
                   "11,00");
    QTest::newRow("an offered line takes no further unit")
        << QByteArrayList{"offreligne$12$4$1$3$", "9$12$4$1$7$"}
        << table12(Table12Lines.mid(0, 3) + QByteArrayList{item("1", "Cafe", "offert"), item("1", "Cafe", "2,00")},
                   "32,50");
}

void tst_SimService::orders()
{
    QFETCH(QByteArrayList, requests);
    QFETCH(QByteArray, expected);

    const auto server = startOrderServer();
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    QCOMPARE(exchange(terminal, requests).value(requests.size() - 1), expected);
}

// A table's order goes to the kitchen course by course, then is asked for, recalled and cancelled there.
void tst_SimService::kitchenDispatch()
{
    const auto server = startOrderServer();
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    const QString table = QStringLiteral("Table 12 (Zoé, 4 couverts)");

    // "0" stands for everything; the drinks are with the bar already
    QCOMPARE(ask(terminal, "demanderang$12$4$1$"), QByteArray("0$4$7$"));
    QCOMPARE(ask(terminal, "demanderang$3$0$1$"), QByteArray("0$"));

    QCOMPARE(ask(terminal, "ec$12$4$1$4$"), QByteArray("OK"));
    QCOMPARE(
        printed(log),
        QStringList{QStringLiteral("printer cuisine: COMMANDE %1 - premier plat: 1 ENTRECOTE (Saignant)").arg(table)});
    QCOMPARE(ask(terminal, "demanderang$12$4$1$"), QByteArray("0$7$"));
    QCOMPARE(statesOf(ask(terminal, "tableocc"), 12), QByteArray("101"));

    // a new drink with its supplement goes to the bar, the coffee to the kitchen
    exchange(terminal, {"3$12$4$1$1$", "943$12$4$1$" + NoChoices});
    QCOMPARE(ask(terminal, "demanderang$12$4$1$"), QByteArray("0$1$7$"));
    QCOMPARE(ask(terminal, "ec$12$4$1$0$"), QByteArray("OK"));
    QCOMPARE(printed(log),
             (QStringList{QStringLiteral("printer bar: COMMANDE %1 - Boissons: 1 KIR, 1 + Sauce").arg(table),
                          QStringLiteral("printer cuisine: COMMANDE %1 - dessert: 1 CAFE").arg(table)}));
    QCOMPARE(ask(terminal, "demanderang$12$4$1$"), QByteArray("0$"));
    QCOMPARE(statesOf(ask(terminal, "tableocc"), 12), QByteArray("100"));
    QCOMPARE(ask(terminal, "ec$12$4$1$0$"), QByteArray("OK"));
    QCOMPARE(printed(log), QStringList());

    // the kitchen holds the dishes (not the drinks) until the waiter asks for them
    QCOMPARE(ask(terminal, "suitesss$12$1$"), QByteArray("1;800;Saignant;~1;9;;"));
    QCOMPARE(ask(terminal, "su$12$4$1$7$~--$1$"), QByteArray("OK"));
    QCOMPARE(printed(log), QStringList{QStringLiteral("printer cuisine: SUITE %1 - dessert: 1 CAFE").arg(table)});
    QCOMPARE(ask(terminal, "suitesss$12$1$"), QByteArray("1;800;Saignant;"));

    QCOMPARE(ask(terminal, "rc$12$4$1$4$~--$1$"), QByteArray("OK"));
    QCOMPARE(printed(log), QStringList{QStringLiteral("printer cuisine: RAPPEL %1 - premier plat: Vite").arg(table)});
    QCOMPARE(ask(terminal, "rc$12$4$1$1$~1$--$"), QByteArray("OK"));
    QCOMPARE(printed(log),
             QStringList{QStringLiteral("printer bar: RAPPEL %1 - Boissons: Envoyez la suite").arg(table)});
    QCOMPARE(ask(terminal, "rc$12$4$1$4$~--$--$"), QByteArray("OK"));
    QCOMPARE(printed(log), QStringList());

    // what the kitchen has is cancelled there; what it has not got goes quietly
    exchange(terminal, {"moinsun$12$4$1$2$", "9$12$4$1$7$", "moinsun$12$4$1$5$"});
    QCOMPARE(printed(log),
             QStringList{
                 QStringLiteral("printer cuisine: ANNULATION %1 - premier plat: 1 ENTRECOTE (Saignant)").arg(table)});
    QCOMPARE(ask(terminal, "suitesss$12$1$"), QByteArray());
    QCOMPARE(ask(terminal, "retour$12$4$1$0$"), QByteArray("OK"));
}

void tst_SimService::withoutPreparationPrinters()
{
    const auto server = startOrderServer({QStringLiteral("--noprinter")});
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());

    QCOMPARE(exchange(terminal, {"ec$12$4$1$0$", "demanderang$12$4$1$", "suitesss$12$1$", "adi$12$4$1$Vite$"}),
             (QByteArrayList{"OK", "0$", "nook", "OK"}));
    QCOMPARE(printed(log), QStringList());
    // the register's own printer and screen still work
    QCOMPARE(exchange(terminal, {"adc$12$4$1$Vite$", "AN$12$4$1$"}), (QByteArrayList{"OK", "OK"}));
    QCOMPARE(printed(log).size(), 2);
}

// Two set menus on table 7, composed dish by dish as the terminal's grid does it.
void tst_SimService::setMenus()
{
    const auto server = startOrderServer();
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());

    QCOMPARE(ask(terminal, "af$3$0$1$"), QByteArray("f;0;"));
    QCOMPARE(ask(terminal, "af$12$4$1$"), QByteArray("f;0;"));
    const QByteArray none = QByteArray("Aucun choix;0;").repeated(4);
    const QByteArray toChoose = "Menu du jour;552;premiere entree ?;0;premier plat ?;0;" + none;
    QCOMPARE(ask(terminal, "af$7$2$2$"), "f;2;" + toChoose + toChoose);

    // column 2 line 2 is the first step; the course sent is the terminal's guess, the step's course wins
    QCOMPARE(ask(terminal, "r$7$2$2$2$2$0$0$"), QByteArray("ru;0"));
    // option list 6 is read as 7 (group 5 is the recall list), list 1 as "1;"
    QCOMPARE(ask(terminal, "r$7$2$2$2$3$1$7$"), QByteArray("ru;7;"));
    QCOMPARE(ask(terminal, "b$7$2$2$7$2$3$~--$1$"), QByteArray("OK"));
    QCOMPARE(ask(terminal, "r$7$2$2$1$3$0$5$"), QByteArray("ru;1;"));
    QCOMPARE(ask(terminal, "b$7$2$2$5$1$3$~1$--$--$"), QByteArray("OK"));
    // a course already chosen is changed on the register only
    QCOMPARE(ask(terminal, "r$7$2$2$1$3$1$4$"), QByteArray());
    QCOMPARE(ask(terminal, "af$7$2$2$"), "f;2;Menu du jour;552;premiere entree ?;0;Entrecote;800;" + none +
                                             "Menu du jour;552;Terrine;100;Glace;801;" + none);

    // a supplement after a dish goes under its set menu, for the dish's course
    QCOMPARE(ask(terminal, "942$7$2$2$" + NoChoices),
             QByteArray("Table 7                 2 couverts~----------------------------------~"
                        "2  Menu                      38,00~   - Entrecote~     Saignant~   - Terrine~   - Glace~"
                        "     Fraise~1  + Frites                   3,50~----------------------------------~"
                        "TOTAL                        41,50"));
    QCOMPARE(exchange(terminal, {"demanderang$7$2$2$", "ec$7$2$2$4$"}), (QByteArrayList{"0$2$4$", "OK"}));
    QCOMPARE(printed(log),
             QStringList{QStringLiteral("printer cuisine: COMMANDE Table 7 (Marc, 2 couverts) - "
                                        "premier plat: 1 ENTRECOTE (Saignant), 1 GLACE (Fraise), 1 + Frites")});
    // the kitchen has the ice cream: its options stay
    QCOMPARE(ask(terminal, "b$7$2$2$7$2$3$~1$--$"), QByteArray());

    // one set menu less: the last one goes, and what the kitchen had of it is cancelled
    QCOMPARE(ask(terminal, "moinsun$7$2$2$1$").contains("1  Menu                      19,00"), true);
    QCOMPARE(printed(log), QStringList{QStringLiteral("printer cuisine: ANNULATION Table 7 (Marc, 2 couverts) - "
                                                      "premier plat: 1 GLACE (Fraise)")});
    QCOMPARE(ask(terminal, "af$7$2$2$"), "f;1;Menu du jour;552;premiere entree ?;0;Entrecote;800;" + none);
    QCOMPARE(ask(terminal, "demanderang$7$2$2$"), QByteArray("0$"));

    // beyond the 30 the terminal shows, the count alone
    exchange(terminal, QByteArrayList(31, "552$3$0$1$0$"));
    QCOMPARE(ask(terminal, "af$3$0$1$"), QByteArray("f;31;"));
}

// A table finalised, printed, paid and freed; a free table paid for nothing.
void tst_SimService::closing()
{
    const auto server = startOrderServer();
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    const QString bill = QStringLiteral("Table 12 (Zoé, 4 couverts): 2 Kir 9,00 | 1 Entrecôte 21,50 | Saignant | "
                                        "1 Café 2,00 | TOTAL 32,50");

    QCOMPARE(ask(terminal, "ntotal$12$4$1$"), QByteArray("32,50 EUR"));
    QCOMPARE(printed(log), QStringList{QStringLiteral("printer caisse: NOTE ") + bill});
    QCOMPARE(ask(terminal, "ntotal$12$4$1$"), QByteArray("total;0;"));
    QCOMPARE(statesOf(ask(terminal, "tableocc"), 12), QByteArray("111"));
    // a finalised ticket waits for its payment: nothing changes it
    QCOMPARE(exchange(terminal, {"3$12$4$1$1$", "moinsun$12$4$1$1$", "offreligne$12$4$1$1$"}),
             (QByteArrayList{Table12, Table12, Table12}));
    // the cheque is not taken here: the table stays open
    QCOMPARE(exchange(terminal, {"ch$12$4$1$", "ademande$"}), (QByteArrayList{"", "7;12;"}));

    QCOMPARE(ask(terminal, "AN$12$4$1$"), QByteArray("OK"));
    QCOMPARE(printed(log), QStringList{QStringLiteral("printer caisse: PRO FORMA ") + bill});
    QCOMPARE(ask(terminal, "cb$12$4$1$"), QByteArray("OK"));
    QCOMPARE(printed(log),
             QStringList{QStringLiteral("printer caisse: TICKET ") + bill + QStringLiteral(" | Carte 32,50 EUR")});
    QCOMPARE(exchange(terminal, {"ademande$", "ad$12$0$1$", "cb$12$4$1$", "AN$12$0$1$", "ntotal$12$0$1$"}),
             (QByteArrayList{"7;", memo("Table 12", {}, "0,00"), "", "NOAN", "0,00 EUR"}));

    // a table opened by its covers alone: no pro-forma, and paying 0,00 frees it
    QCOMPARE(exchange(terminal, {"envcouverts$3$2$1$", "AN$3$2$1$", "ntotal$3$2$1$", "es$3$2$1$", "ademande$"}),
             (QByteArrayList{"2", "NOAN", "0,00 EUR", "OK", "7;"}));

    // a waiter's own account is settled the same way
    QCOMPARE(exchange(terminal, {"9$0$0$2$7$", "ntotal$0$0$2$", "es$0$0$2$", "ad$0$0$2$"}),
             (QByteArrayList{memo("Compte Marc", {item("1", "Cafe", "2,00")}, "2,00"), "2,00 EUR", "OK",
                             memo("Compte Marc", {}, "0,00")}));
}

void tst_SimService::messages_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("printed");

    QTest::newRow("to the register's screen")
        << QByteArray("adc$12$4$1$Client au bar$") << QByteArray("OK")
        << QStringList{"screen: MESSAGE Table 12 (Zoé, 4 couverts): Client au bar"};
    QTest::newRow("to every preparation printer, a $ in the text kept")
        << QByteArray("adi$12$4$1$Sans sel $ vite$") << QByteArray("OK")
        << QStringList{"printer bar: MESSAGE Table 12 (Zoé, 4 couverts): Sans sel $ vite",
                       "printer cuisine: MESSAGE Table 12 (Zoé, 4 couverts): Sans sel $ vite"};
    QTest::newRow("from a waiter's own account")
        << QByteArray("adc$0$0$2$Pause$") << QByteArray("OK") << QStringList{"screen: MESSAGE Compte Marc: Pause"};
    QTest::newRow("from a free table, with the covers sent")
        << QByteArray("adc$3$2$2$Bonjour$") << QByteArray("OK")
        << QStringList{"screen: MESSAGE Table 3 (Marc, 2 couverts): Bonjour"};
    QTest::newRow("an empty box prints nothing") << QByteArray("adi$12$4$1$$") << QByteArray("OK") << QStringList{};
    QTest::newRow("no text field prints nothing") << QByteArray("adc$12$4$1$") << QByteArray("OK") << QStringList{};
    QTest::newRow("a table the restaurant lacks") << QByteArray("adc$44$4$1$Bonjour$") << QByteArray() << QStringList{};
}

void tst_SimService::messages()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, printed);

    const auto server = startOrderServer();
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    QCOMPARE(ask(terminal, request), reply);
    QCOMPARE(::printed(log), printed);
}

void tst_SimService::malformedRequestsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    // the register cannot do it on a table it has: the ticket comes back as it was
    QTest::newRow("an article no keyboard has") << QByteArray("4$12$4$1$1$") << Table12;
    QTest::newRow("article 0") << QByteArray("0$12$4$1$1$") << Table12;
    QTest::newRow("an article number past any integer") << QByteArray("99999999999$12$4$1$1$") << Table12;
    QTest::newRow("a supplement past the list") << "944$12$4$1$" + NoChoices << Table12;
    QTest::newRow("a course past 7") << QByteArray("3$12$4$1$8$") << Table12;
    QTest::newRow("no course") << QByteArray("3$12$4$1$") << Table12;
    QTest::newRow("flags in place of the course") << QByteArray("800$12$4$1$~1$--$") << Table12;
    QTest::newRow("Enlever 1 past the last article line") << QByteArray("moinsun$12$4$1$4$") << Table12;
    QTest::newRow("Enlever 1 on line 0") << QByteArray("moinsun$12$4$1$0$") << Table12;
    QTest::newRow("Enlever 1 without a line") << QByteArray("moinsun$12$4$1$") << Table12;
    QTest::newRow("Enlever 1 on a free table") << QByteArray("moinsun$3$0$1$1$") << FreeTable3;
    QTest::newRow("Offrir a line that is no number") << QByteArray("offreligne$12$4$1$deux$") << Table12;

    // nothing done: an empty line
    QTest::newRow("an article for a table the restaurant lacks") << QByteArray("3$44$4$1$1$") << QByteArray();
    QTest::newRow("an article from waiter 9") << QByteArray("3$12$4$9$1$") << QByteArray();
    QTest::newRow("an article with empty fields") << QByteArray("3$$$$") << QByteArray();
    QTest::newRow("a negative table") << QByteArray("3$-1$4$1$1$") << QByteArray();
    QTest::newRow("Enlever 1 without a table") << QByteArray("moinsun$x$4$1$1$") << QByteArray();
    QTest::newRow("ec$ for course 8") << QByteArray("ec$12$4$1$8$") << QByteArray();
    QTest::newRow("ec$ without its course") << QByteArray("ec$12$4$1$") << QByteArray();
    QTest::newRow("demanderang$ for a table the restaurant lacks") << QByteArray("demanderang$44$0$1$") << QByteArray();
    QTest::newRow("suitesss$ without a waiter") << QByteArray("suitesss$12$$") << QByteArray();
    QTest::newRow("su$ for a table the restaurant lacks") << QByteArray("su$44$4$1$4$~1$") << QByteArray();
    QTest::newRow("rc$ without a table") << QByteArray("rc$$4$1$4$~1$") << QByteArray();
    QTest::newRow("af$ for a table the restaurant lacks") << QByteArray("af$44$0$1$") << QByteArray();
    QTest::newRow("r$ past the set menus of the ticket") << QByteArray("r$7$2$2$3$2$0$2$") << QByteArray();
    QTest::newRow("r$ in column 0") << QByteArray("r$7$2$2$0$2$0$2$") << QByteArray();
    QTest::newRow("r$ on the title line") << QByteArray("r$7$2$2$1$1$0$2$") << QByteArray();
    QTest::newRow("r$ on a line the set menu has no step for") << QByteArray("r$7$2$2$1$4$0$2$") << QByteArray();
    QTest::newRow("r$ past the dishes of the step") << QByteArray("r$7$2$2$1$3$2$4$") << QByteArray();
    QTest::newRow("r$ with a dish that is no number") << QByteArray("r$7$2$2$1$2$x$2$") << QByteArray();
    QTest::newRow("r$ without its course") << QByteArray("r$7$2$2$1$2$0$") << QByteArray();
    QTest::newRow("r$ on a ticket without set menu") << QByteArray("r$12$4$1$1$2$0$2$") << QByteArray();
    QTest::newRow("b$ where no dish is chosen") << QByteArray("b$7$2$2$2$1$2$~1$") << QByteArray();
    QTest::newRow("b$ on line 9") << QByteArray("b$7$2$2$2$1$9$~1$") << QByteArray();
    QTest::newRow("ntotal$ from waiter x") << QByteArray("ntotal$12$4$x$") << QByteArray();
    QTest::newRow("a payment for a table the restaurant lacks") << QByteArray("cb$44$0$1$") << QByteArray();
    QTest::newRow("a payment by cheque, which is not taken") << QByteArray("ch$12$4$1$") << QByteArray();
    QTest::newRow("AN$ for a table the restaurant lacks") << QByteArray("AN$44$4$1$") << QByteArray();
}

// Whatever the request, the service is the same afterwards: tickets, table states, set menus, kitchen.
void tst_SimService::malformedRequestsChangeNothing()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);

    const auto server = startOrderServer();
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    const QByteArrayList service{"ad$12$4$1$",          "ad$3$0$1$",          "ad$7$2$2$",      "tableocc", "af$7$2$2$",
                                 "demanderang$12$4$1$", "demanderang$7$2$2$", "suitesss$12$1$", "ademande$"};
    const QByteArrayList before = exchange(terminal, service);
    QCOMPARE(before.size(), service.size());

    QCOMPARE(ask(terminal, request), reply);
    QCOMPARE(exchange(terminal, service), before);
    QCOMPARE(printed(log), QStringList());
}

void tst_SimService::ticketRepliesNameTheirTable_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("logged"); // after the terminal's address; empty: no ticket line

    QTest::newRow("a table's ticket") << QByteArray("ad$12$4$1$") << "ticket table 12 for ad$12$4$1$";
    QTest::newRow("an article on an account") << QByteArray("3$0$0$2$1$") << "ticket account 2 for 3$0$0$2$1$";
    QTest::newRow("a unit taken back") << QByteArray("moinsun$12$4$1$1$") << "ticket table 12 for moinsun$12$4$1$1$";
    QTest::newRow("a line offered") << QByteArray("offreligne$12$4$1$3$") << "ticket table 12 for offreligne$12$4$1$3$";
    QTest::newRow("a change refused still sends the ticket")
        << QByteArray("moinsun$3$0$1$9$") << "ticket table 3 for moinsun$3$0$1$9$";
    QTest::newRow("no ticket for a table the restaurant lacks") << QByteArray("ad$44$4$1$") << QString();
    QTest::newRow("no ticket for the covers") << QByteArray("couverts$12$") << QString();
}

void tst_SimService::ticketRepliesNameTheirTable()
{
    QFETCH(QByteArray, request);
    QFETCH(QString, logged);

    const auto server = startOrderServer({QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    ask(terminal, request);
    const QStringList tickets = logLines(log).filter(QRegularExpression(QStringLiteral("^\\S+ ticket ")));
    QCOMPARE(tickets, logged.isEmpty() ? QStringList() : QStringList{peerOf(terminal.socket()) + ' ' + logged});
}

QTEST_GUILESS_MAIN(tst_SimService)
#include "tst_simservice.moc"
