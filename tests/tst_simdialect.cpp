#include "Dialect.h"
#include "SimServer.h"
#include "SimTest.h"

#include <QRegularExpression>
#include <QSet>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace sim;

namespace {

// The simulator on the sample restaurant, with these dialect choices forced over --dialect 0.
std::unique_ptr<SimServer> serverSpeaking(const QStringList& choices)
{
    QStringList switches;
    for (const QString& choice : choices)
        switches << QStringLiteral("--dialect-choice") << choice;
    return SimTest::startServer(SimTest::optionsFor(switches));
}

// The bytes a terminal receives in answer to the request lines, within a short while.
QByteArray receivedFor(quint16 port, const QByteArray& requests)
{
    QTcpSocket socket;
    socket.connectToHost(SimTest::SimAddress, port);
    if (!QTest::qWaitFor([&socket] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000))
        return {};
    socket.write(requests);
    QTest::qWait(300);
    return socket.readAll();
}

} // namespace

// The registers that caisse-sim plays besides its plain one: what each choice of a dialect changes in the replies,
// and how a dialect is drawn and replayed.
class tst_SimDialect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choicesShapeTheReplies_data();
    void choicesShapeTheReplies();
    void linesAsTheDialectEndsThem_data();
    void linesAsTheDialectEndsThem();
    void seedIsReplayedFromItsDescription();
    void badChoicesAreRefused_data();
    void badChoicesAreRefused();
};

void tst_SimDialect::choicesShapeTheReplies_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QString>("expected"); // a pattern the whole reply to the last request matches

    const QStringList none;
    const QString set = QStringLiteral("552$3$2$1$0$");
    QTest::newRow("product lists start with PRIX and the keyboard by default")
        << none << QStringList{"naclav2_1"} << "PRIX01Kir vin blanc;0;0;.*";
    QTest::newRow("six blanks may lead a product list")
        << QStringList{"product-lead=blanks"} << QStringList{"naclav2_1"} << " {6}Kir vin blanc;0;0;.*";
    QTest::newRow("a word may lead a product list")
        << QStringList{"product-lead=word"} << QStringList{"naclav1_1"} << "TARIFSEau minerale 50 cl;.*";
    QTest::newRow("separators may lead a product list")
        << QStringList{"product-lead=signs"} << QStringList{"naclav2_1"} << "#;\\$~:UKir vin blanc;.*";
    QTest::newRow("a word may lead the kitchen labels")
        << QStringList{"label-lead=word"} << QStringList{"stgcuis1"} << "CUISINKIR;KIR ROYAL;.*";
    QTest::newRow("a register of five option lists sends six groups")
        << QStringList{"kitchen-groups=six"} << QStringList{"nacuistot"} << "([^#]*#){6}";
    QTest::newRow("a register of five option lists ignores the flags of list 6")
        << QStringList{"kitchen-groups=six"} << QStringList{"306$3$2$1$7$~1$--$--$--$--$--$"}
        << "Table 3 +2 couverts~-{34}~1  Coupe de glace deux b +6,50~-{34}~TOTAL +6,50";
    QTest::newRow("the supplement list may be empty")
        << QStringList{"supplements=none"} << QStringList{"listesupp"} << "";
    QTest::newRow("payment captions of one word")
        << QStringList{"payment-captions=one-word"} << QStringList{"enc$"} << "Carte;Cheque;Titre-restaurant;Especes";
    QTest::newRow("the last payment mode hidden") << QStringList{"payment-captions=one-hidden"} << QStringList{"enc$"}
                                                  << "Carte bancaire;Cheque;Titre-restaurant;a";
    QTest::newRow("a hidden payment mode is refused")
        << QStringList{"payment-captions=one-hidden"} << QStringList{"2$3$2$1$1$", "ntotal$3$2$1$", "es$3$2$1$"} << "";
    QTest::newRow("every payment mode hidden but the first")
        << QStringList{"payment-captions=one-shown"} << QStringList{"enc$"} << "Carte bancaire;a;a;a";
    QTest::newRow("a dish without options gets ru;0 by default")
        << none << QStringList{set, "r$3$2$1$1$2$0$2$"} << "ru;0";
    QTest::newRow("a dish without options may get an empty line")
        << QStringList{"dish-no-options=empty"} << QStringList{set, "r$3$2$1$1$2$0$2$"} << "";
    QTest::newRow("nothing to dispatch gives 0$ by default") << none << QStringList{"demanderang$3$0$1$"} << "0\\$";
    QTest::newRow("nothing to dispatch may give an empty line")
        << QStringList{"dispatch-reply=all-first-empty"} << QStringList{"demanderang$3$0$1$"} << "";
    QTest::newRow("the courses waiting may come without 0$")
        << QStringList{"dispatch-reply=courses-only"} << QStringList{"2$3$2$1$1$", "demanderang$3$2$1$"} << "1\\$";
    QTest::newRow("a tab name of two characters")
        << QStringList{"tab-names=one-short"} << QStringList{"nongletserveur"} << "Aperitifs;So;Bieres;.*";
    QTest::newRow("waiters who cannot work named with blanks")
        << QStringList{"waiter-names=blanks"} << QStringList{"nongletserveur"}
        << ".*#Camille;Julien;Sophie;Mehdi; {3}; {3}; {3};Patron;";
    QTest::newRow("set-menu rows by course leave gaps in the contents")
        << QStringList{"menu-rows=courses"} << QStringList{"ctnform"}
        << "100;103;104;108\\$\\$160;152;153;157\\$\\$\\$300;301;304;311~.*";
    QTest::newRow("set-menu rows by course leave gaps in the dish names")
        << QStringList{"menu-rows=courses"} << QStringList{"aform1"} << "[^:]+::[^:]+:::[^:]+";
    QTest::newRow("set-menu rows by course show Aucun choix between the courses")
        << QStringList{"menu-rows=courses"} << QStringList{set, "r$3$2$1$1$4$0$4$", "af$3$2$1$"}
        << "f;1;Formule midi;552;premiere entree \\?;0;Aucun choix;0;Plat du jour;160;Aucun choix;0;Aucun choix;0;"
           "dessert \\?;0;";
    QTest::newRow("a header of several lines, one of them counted as an article line by the terminal")
        << QStringList{"ticket-header=several"} << QStringList{"envcouverts$3$2$1$", "ad$3$2$1$"}
        << "BRASSERIE DU VIEUX MARCHE~Table 3~2 couverts~~-{34}~TOTAL +0,00";
    QTest::newRow("line ranks skip the header line and an offered line of quantity 0")
        << QStringList{"ticket-header=several", "ticket-offered=zero-quantity"}
        << QStringList{"envcouverts$3$2$1$", "2$3$2$1$1$", "100$3$2$1$2$", "offreligne$3$2$1$2$", "moinsun$3$2$1$2$"}
        << "BRASSERIE DU VIEUX MARCHE~Table 3~2 couverts~~-{34}~0  Kir royal +offert~-{34}~TOTAL +0,00";
    QTest::newRow("options at the left edge, long names whole, a blank line after each article")
        << QStringList{"ticket-comments=starred", "ticket-names=whole", "ticket-blanks=between"}
        << QStringList{"200$3$2$1$4$~--$1$--$--$", "100$3$2$1$2$"}
        << "Table 3 +2 couverts~-{34}~1  Entrecote 300 g +26,00~\\* Saignant~~1  Soupe a l'oignon gratinee +9,50~~"
           "-{34}~TOTAL +35,50";
}

void tst_SimDialect::choicesShapeTheReplies()
{
    QFETCH(QStringList, choices);
    QFETCH(QStringList, requests);
    QFETCH(QString, expected);

    const auto server = serverSpeaking(choices);
    QVERIFY(server);
    QString reply;
    for (const QString& request : requests)
        reply = server->reply(request);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(expected)).match(reply).hasMatch(),
             qPrintable(reply.left(400)));
}

void tst_SimDialect::linesAsTheDialectEndsThem_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QByteArray>("requests");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray ticket = "Table 3~----------------------------------~TOTAL                         0,00";
    QTest::newRow("CR LF by default, nothing after a ticket")
        << QStringList{} << QByteArray("ad$3$0$1$\r\nconnect\r\n") << ticket + "\r\nOK\r\n";
    QTest::newRow("LF alone") << QStringList{"line-end=lf"} << QByteArray("connect\r\nve02$\r\n")
                              << QByteArray("OK\nnumversion~2~2~3\n");
    QTest::newRow("a line after each ticket, and after nothing else")
        << QStringList{"ticket-trailer=text"} << QByteArray("ad$3$0$1$\r\nconnect\r\n")
        << ticket + "\r\nFIN DU TICKET\r\nOK\r\n";
    QTest::newRow("an empty line after a ticket, ended as the others")
        << QStringList{"ticket-trailer=empty", "line-end=lf"} << QByteArray("ad$3$0$1$\n") << ticket + "\n\n";
    QTest::newRow("no line after an empty reply to a ticket request")
        << QStringList{"ticket-trailer=ok"} << QByteArray("ad$101$0$1$\r\nconnect\r\n") << QByteArray("\r\nOK\r\n");
}

void tst_SimDialect::linesAsTheDialectEndsThem()
{
    QFETCH(QStringList, choices);
    QFETCH(QByteArray, requests);
    QFETCH(QByteArray, expected);

    const auto server = serverSpeaking(choices);
    QVERIFY(server);
    QCOMPARE(receivedFor(server->port(), requests), expected);
}

// A failing seed is replayed choice by choice from the line the simulator logs.
void tst_SimDialect::seedIsReplayedFromItsDescription()
{
    QVERIFY(!Dialect().describe().isEmpty());
    QCOMPARE(Dialect(0).describe(), Dialect().describe());
    for (quint64 seed = 1; seed <= 50; ++seed) {
        const Dialect drawn(seed);
        QCOMPARE(Dialect(seed).describe(), drawn.describe());
        Dialect replayed;
        QString error;
        for (const QString& choice : drawn.describe().split(QLatin1Char(' ')))
            QVERIFY2(replayed.force(choice, error), qPrintable(error));
        QCOMPARE(replayed.describe(), drawn.describe());
    }
    // the seeds of a day are of every kind: each value of each choice comes up among the first twenty
    for (int choice = 0; choice < Dialect::ChoiceCount; ++choice) {
        const auto which = static_cast<Dialect::Choice>(choice);
        QSet<int> drawn;
        for (quint64 seed = 1; seed <= 20; ++seed)
            drawn.insert(Dialect(seed).value(which));
        QVERIFY2(drawn.size() == Dialect::values(which).size(), qPrintable(Dialect::name(which)));
    }
}

void tst_SimDialect::badChoicesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("an unknown choice") << QStringList{"--dialect-choice", "couleur=rouge"}
                                       << "unknown dialect choice couleur";
    QTest::newRow("an unknown value") << QStringList{"--dialect-choice", "line-end=cr"}
                                      << "unknown value cr for the dialect choice line-end (crlf|lf)";
    QTest::newRow("no value") << QStringList{"--dialect-choice", "line-end"} << "unknown value";
    QTest::newRow("a seed that is no number") << QStringList{"--dialect", "sept"} << "invalid dialect seed sept";
}

void tst_SimDialect::badChoicesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    SimTest::verifyRefused(arguments, message);
}

QTEST_GUILESS_MAIN(tst_SimDialect)
#include "tst_simdialect.moc"
