#include "AsciiText.h"
#include "CatalogueReplies.h"
#include "ChaosPlan.h"
#include "Restaurant.h"
#include "ServiceState.h"
#include "SimOptions.h"
#include "SimServer.h"
#include "TicketLayout.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "link/RegisterLink.h"
#include "link/WireCodec.h"

#include <QRect>

#include <algorithm>
#include <csignal>
#include <map>
#include <memory>
#include <utility>

using namespace sim;

namespace {

const QString SimAddress = QStringLiteral("127.0.0.1");
constexpr int WaitMs = 5000;

// The terminal's end of the line. It waits through the event loop, so a server in this thread answers meanwhile.
class Terminal final
{
public:
    explicit Terminal(quint16 port, const QString& address = SimAddress)
    {
        m_socket.connectToHost(QHostAddress(address), port);
    }

    bool waitConnected()
    {
        return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, WaitMs);
    }

    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }

    // The next count lines exactly as received, CR LF included; fewer if they do not come in time.
    QByteArray lines(int count)
    {
        const bool complete = QTest::qWaitFor(
            [this, count] {
                m_received += m_socket.readAll();
                return m_received.count('\n') >= count;
            },
            WaitMs);
        if (!complete)
            return std::exchange(m_received, {});
        qsizetype end = 0;
        for (int i = 0; i < count; ++i)
            end = m_received.indexOf('\n', end) + 1;
        const QByteArray taken = m_received.left(end);
        m_received.remove(0, end);
        return taken;
    }

    // Everything received in the next ms milliseconds.
    QByteArray receivedWithin(int ms)
    {
        QTest::qWait(ms);
        m_received += m_socket.readAll();
        return std::exchange(m_received, {});
    }

    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

SimOptions optionsFor(const QStringList& switches)
{
    SimOptions options;
    QString error;
    const QStringList arguments = QStringList{QStringLiteral("caisse-sim"), QStringLiteral("--address"), SimAddress,
                                              QStringLiteral("--port"), QStringLiteral("0")} +
                                  switches;
    if (!options.parse(arguments, error))
        qWarning("%s", qPrintable(error));
    return options;
}

std::unique_ptr<SimServer> startServer(const SimOptions& options)
{
    Restaurant restaurant;
    QString error;
    if (!restaurant.load(options.dataPath, error)) {
        qWarning("%s", qPrintable(error));
        return nullptr;
    }
    auto server = std::make_unique<SimServer>(options, restaurant);
    if (!server->listen(error)) {
        qWarning("%s", qPrintable(error));
        return nullptr;
    }
    return server;
}

QString sampleStamp()
{
    Restaurant restaurant;
    QString error;
    restaurant.load(SimOptions::sampleDataPath(), error);
    return restaurant.stamp();
}

QString stampIn(const QByteArray& ve01Reply)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\Acaisse~1~([0-9]+)\r\n\\z")).match(QString::fromLatin1(ve01Reply));
    return match.captured(1);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The terminal's splitter: a separator that ends the text adds no empty entry, an empty text gives none.
QStringList terminalSplit(const QString& text, QChar separator)
{
    if (text.isEmpty())
        return {};
    QStringList parts = text.split(separator);
    if (text.endsWith(separator))
        parts.removeLast();
    return parts;
}

// count ";"-separated flags, "1" at the given positions counted from 1 and "0" elsewhere
QByteArray flags(int count, const QList<int>& set)
{
    QByteArrayList entries(count, "0");
    for (const int position : set)
        entries[position - 1] = "1";
    return entries.join(';');
}

// one group of the table plan: the entries of table 1 and table 100, "0" for the 98 tables between
QByteArray tableGroup(const QByteArray& table1, const QByteArray& table100)
{
    QByteArrayList entries(100, "0");
    entries.first() = table1;
    entries.last() = table100;
    return entries.join(';');
}

// The "tableocc" reply: three groups of 100 flags, "1" for the tables given.
QByteArray tableStates(const QList<int>& occupied, const QList<int>& billed, const QList<int>& waiting)
{
    return flags(100, occupied) + 'U' + flags(100, billed) + 'U' + flags(100, waiting);
}

// A data file with that many products, shared out between the first keyboards.
QByteArray withProducts(int count, int keyboards, const QString& name)
{
    QJsonArray keyboardList;
    for (int keyboard = 1; keyboard <= keyboards; ++keyboard) {
        QJsonArray products;
        for (int article = keyboard; article <= count; article += keyboards) {
            products.append(QJsonObject{{"article", article},
                                        {"name", QStringLiteral("%1 %2").arg(name).arg(article)},
                                        {"colour", "xFF000000"}});
        }
        keyboardList.append(QJsonObject{{"number", keyboard}, {"name", "Tout"}, {"products", products}});
    }
    return QJsonDocument(QJsonObject{{"restaurant", "Chez Paul"}, {"keyboards", keyboardList}}).toJson();
}

// The rectangle the terminal draws a table in, on the 600 x 800 plan seen from the top: 1.2 times the table's
// size, its left edge at left + width, its top edge at 800 - top - height.
QRectF drawn(int left, int top, int width, int height)
{
    return QRectF(left + width, 800 - top - height, 1.2 * width, 1.2 * height);
}

// what the supplement request carries after the waiter: "~" and fifteen unticked choices
const QByteArray NoChoices = "~" + QByteArray("--$").repeated(15);

// A ticket as the terminal receives it: header, rule, lines, rule (when there are lines), total.
QByteArray memo(const QByteArray& header, const QByteArrayList& lines, const QByteArray& total)
{
    const QByteArray rule(34, '-');
    QByteArrayList all{header, rule};
    all += lines;
    if (!lines.isEmpty())
        all << rule;
    all << "TOTAL" + total.rightJustified(29);
    return all.join('~');
}

QByteArray header(const QByteArray& title, int covers)
{
    if (covers == 0)
        return title;
    const QByteArray count = QByteArray::number(covers) + " couverts";
    return title.leftJustified(34 - count.size()) + count;
}

// an article line: quantity, name and amount in their columns
QByteArray item(const QByteArray& quantity, const QByteArray& name, const QByteArray& amount)
{
    return quantity.leftJustified(3) + name.leftJustified(22) + amount.rightJustified(9);
}

QByteArray under(const QByteArray& text)
{
    return "   " + text;
}

// Table 12 as the fixture opens it.
QByteArray table12(const QByteArrayList& lines, const QByteArray& total)
{
    return memo(header("Table 12", 4), lines, total);
}
const QByteArrayList Table12Lines{item("2", "Kir", "9,00"), item("1", "Entrecote", "21,50"), under("Saignant"),
                                  item("1", "Cafe", "2,00")};
const QByteArray Table12 = table12(Table12Lines, "32,50");
const QByteArray FreeTable3 = memo("Table 3", {}, "0,00");

// The replies to requests sent together, without their CR LF.
QByteArrayList exchange(Terminal& terminal, const QByteArrayList& requests)
{
    terminal.send(requests.join("\r\n") + "\r\n");
    QByteArrayList replies = terminal.lines(int(requests.size())).split('\n');
    replies.removeLast();
    for (QByteArray& reply : replies)
        reply.chop(1);
    return replies;
}

QByteArray ask(Terminal& terminal, const QByteArray& request)
{
    return exchange(terminal, {request}).value(0);
}

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

namespace {

// The longest refusal or delay a test on the line waits through: seeds are picked for it.
constexpr int LongestFaultMs = 800;

// The first seed whose plan gives the first request a fault of that kind, lasting LongestFaultMs at most, and
// the next two none, at that rate.
quint64 seedFor(ChaosPlan::Kind kind, double rate)
{
    for (quint64 seed = 1; seed < 100000; ++seed) {
        ChaosPlan plan(seed, rate);
        const ChaosPlan::Fault first = plan.next("OK\r\n");
        if (first.kind == kind && first.ms <= LongestFaultMs && plan.next("OK\r\n").kind == ChaosPlan::Kind::None &&
            plan.next("OK\r\n").kind == ChaosPlan::Kind::None)
            return seed;
    }
    return 0;
}

QStringList chaosSwitches(quint64 seed, double rate)
{
    return {QStringLiteral("--port"),       QStringLiteral("0"),  QStringLiteral("--chaos"), QString::number(seed),
            QStringLiteral("--chaos-rate"), QString::number(rate)};
}

QStringList logLines(const QSignalSpy& log)
{
    QStringList lines;
    for (const QList<QVariant>& entry : log)
        lines << entry.at(0).toString();
    return lines;
}

QString peerOf(const QTcpSocket& socket)
{
    return QStringLiteral("%1:%2").arg(socket.localAddress().toString()).arg(socket.localPort());
}

// Connected, or turned away: whichever comes first.
bool connects(Terminal& terminal)
{
    const QTcpSocket& socket = terminal.socket();
    const bool settled = QTest::qWaitFor(
        [&socket] {
            return socket.state() == QAbstractSocket::ConnectedState ||
                   socket.state() == QAbstractSocket::UnconnectedState;
        },
        WaitMs);
    return settled && socket.state() == QAbstractSocket::ConnectedState;
}

// A terminal that tries again, as the terminal does, while the server refuses connections.
std::unique_ptr<Terminal> connectOnceListening(quint16 port)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ChaosPlan::RefuseMaxMs + WaitMs) {
        auto terminal = std::make_unique<Terminal>(port);
        if (connects(*terminal))
            return terminal;
        QTest::qWait(20);
    }
    return nullptr;
}

// The tickets, the kitchen and the table states.
QByteArrayList serviceOf(SimServer& server, const QList<int>& tables)
{
    QByteArrayList service{server.reply(QStringLiteral("tableocc")).toLatin1()};
    for (const int table : tables) {
        service << server.reply(QStringLiteral("ad$%1$2$1$").arg(table)).toLatin1()
                << server.reply(QStringLiteral("suitesss$%1$1$").arg(table)).toLatin1();
    }
    return service;
}

// Sends each request on a connection of its own and leaves once the server has received it (it carries a request
// out as it logs it), whatever the reply. Gives the faults logged, without the terminal, and the service
// afterwards.
bool serve(const QStringList& switches, const QByteArrayList& requests, const QList<int>& tables, QStringList& faults,
           QByteArrayList& service)
{
    const auto server = startServer(optionsFor(switches));
    if (!server)
        return false;
    QSignalSpy log(server.get(), &SimServer::logged);
    for (const QByteArray& request : requests) {
        const std::unique_ptr<Terminal> terminal = connectOnceListening(server->port());
        if (!terminal)
            return false;
        const QString received = peerOf(terminal->socket()) + QStringLiteral(" <- ") + QString::fromLatin1(request);
        terminal->send(request + "\r\n");
        if (!QTest::qWaitFor([&log, &received] { return logLines(log).contains(received); }, WaitMs))
            return false;
    }
    const QRegularExpression from(QStringLiteral(" from [0-9.:]+$"));
    faults = logLines(log).filter(QRegularExpression(QStringLiteral("^chaos: "))).replaceInStrings(from, QString());
    service = serviceOf(*server, tables);
    return true;
}

// One waiter's service at a table of the sample restaurant: covers, drinks, a dish with a supplement and one
// with options, a unit taken back, the order sent to the kitchen, a dessert after it, the ticket and the kitchen.
QByteArrayList serviceAt(int table, int waiter)
{
    const QByteArray fields = QByteArray::number(table) + "$2$" + QByteArray::number(waiter) + "$";
    return {"envcouverts$" + fields,
            "2$" + fields + "1$",
            "150$" + fields + "4$",
            "942$" + fields + NoChoices,
            "155$" + fields + "4$~1$--$--$--$",
            "2$" + fields + "1$",
            "moinsun$" + fields + "1$",
            "ec$" + fields + "0$",
            "100$" + fields + "2$",
            "ad$" + fields,
            "suitesss$" + QByteArray::number(table) + "$" + QByteArray::number(waiter) + "$"};
}

struct TerminalRun
{
    QString peer;
    QByteArrayList replies;
};

// A terminal on a thread of its own, blocking as the terminal's link does: each request waits for its reply.
TerminalRun runBlocking(quint16 port, const QByteArrayList& requests)
{
    TerminalRun run;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(SimAddress), port);
    if (!socket.waitForConnected(WaitMs))
        return run;
    run.peer = peerOf(socket);
    QByteArray received;
    for (const QByteArray& request : requests) {
        socket.write(request + "\r\n");
        if (!socket.waitForBytesWritten(WaitMs))
            return run;
        while (!received.contains('\n')) {
            if (!socket.waitForReadyRead(WaitMs))
                return run;
            received += socket.readAll();
        }
        const qsizetype end = received.indexOf('\n');
        run.replies << received.left(end).chopped(1); // CR LF
        received.remove(0, end + 1);
    }
    return run;
}

} // namespace

Q_DECLARE_METATYPE(ChaosPlan::Kind)

class tst_CaisseSim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void replies_data();
    void replies();
    void requestCutAcrossWrites();
    void silentNeverAnswers();
    void dropClosesAtFirstRequest();
    void overlongRequestClosesTheConnection();
    void connectionsAnswerIndependently();
    void stampFollowsTheDataFile();
    void catalogueReplies_data();
    void catalogueReplies();
    void dataFilesServeTheWholeCatalogue_data();
    void dataFilesServeTheWholeCatalogue();
    void loadRejects_data();
    void loadRejects();
    void asciiText_data();
    void asciiText();
    void serviceReplies_data();
    void serviceReplies();
    void coversChangeTheTablesForEveryTerminal();
    void sampleTicketsFitTheMemo();
    void executableServesTerminals();
    void executableFails_data();
    void executableFails();
    void executablePrintsItsVersion();
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
    void chaosPlanRepeatsFromItsSeed();
    void chaosPlanDrawsEveryFaultWithinItsBounds();
    void faultsOnTheLine_data();
    void faultsOnTheLine();
    void chaosLeavesTheServiceAsWithout();
    void chaosSummaryAtExit_data();
    void chaosSummaryAtExit();
    void interleavedRequestsAreLogged_data();
    void interleavedRequestsAreLogged();
    void ticketRepliesNameTheirTable_data();
    void ticketRepliesNameTheirTable();
    void twentyTerminalsOrderAtOnce();

private:
    std::unique_ptr<SimServer> startOrderServer(const QStringList& switches = {}) const;

    QTemporaryDir m_dir;
    // A small restaurant with the awkward cases: keyboards and waiters missing, an empty kitchen label, an article
    // beyond 800, option lists past the recall group, set menus 1 and 10 only, tables 1 and 100.
    QString m_fixture;
    // A restaurant in service: a waiter with a code, one without, one not clocked in; table 12 open with a line
    // not yet sent to the kitchen, table 5 open with its bill printed, tables 3 and 100 free.
    QString m_serviceFixture;
    // A restaurant taking orders: table 12 has its drinks with the kitchen and a main course (with its option) and a
    // coffee not yet sent; table 7 has two set menus with no dish chosen; table 3 is free. Cheques and luncheon
    // vouchers are not taken.
    QString m_orderFixture;
};

void tst_CaisseSim::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_fixture = QFINDTESTDATA("data/sim-small.json");
    m_serviceFixture = QFINDTESTDATA("data/sim-service.json");
    m_orderFixture = QFINDTESTDATA("data/sim-orders.json");
    QVERIFY(!m_fixture.isEmpty() && !m_serviceFixture.isEmpty() && !m_orderFixture.isEmpty());
}

void tst_CaisseSim::replies_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QByteArray>("requests");
    QTest::addColumn<QByteArray>("expected"); // STAMP stands for the sample restaurant's stamp

    QTest::newRow("ve01$ accepts the terminal and gives the data stamp")
        << QStringList{} << QByteArray("ve01$\r\n") << QByteArray("caisse~1~STAMP\r\n");
    QTest::newRow("ve02$ gives the current version")
        << QStringList{} << QByteArray("ve02$\r\n") << QByteArray("numversion~2~2~3\r\n");
    QTest::newRow("ve04$ gives the current version")
        << QStringList{} << QByteArray("ve04$\r\n") << QByteArray("numversion~2~2~3\r\n");
    QTest::newRow("connect answers the link probe")
        << QStringList{} << QByteArray("connect\r\n") << QByteArray("OK\r\n");
    QTest::newRow("an unknown request gets an empty line")
        << QStringList{} << QByteArray("inconnu$12$2$1$\r\n") << QByteArray("\r\n");
    QTest::newRow("a bare unknown word gets an empty line")
        << QStringList{} << QByteArray("connecte\r\n") << QByteArray("\r\n");
    QTest::newRow("a request ended by LF alone is answered")
        << QStringList{} << QByteArray("ve02$\n") << QByteArray("numversion~2~2~3\r\n");
    QTest::newRow("fields after the keyword do not change the handler")
        << QStringList{} << QByteArray("ve01$12$2$1$\r\n") << QByteArray("caisse~1~STAMP\r\n");
    QTest::newRow("a byte above 0x7F is no letter of a keyword")
        << QStringList{} << QByteArray("ve0\xb1$\r\n") << QByteArray("\r\n");
    QTest::newRow("an empty request gets an empty line") << QStringList{} << QByteArray("\r\n") << QByteArray("\r\n");
    QTest::newRow("requests sent together are answered in their order")
        << QStringList{} << QByteArray("ve02$\r\nconnect\r\nve01$\nxyz\r\n")
        << QByteArray("numversion~2~2~3\r\nOK\r\ncaisse~1~STAMP\r\n\r\n");
    QTest::newRow("--clot closes the register")
        << QStringList{"--clot"} << QByteArray("ve01$\r\n") << QByteArray("clot\r\n");
    QTest::newRow("--clot leaves the version and the probe alone")
        << QStringList{"--clot"} << QByteArray("ve04$\r\nconnect\r\n") << QByteArray("numversion~2~2~3\r\nOK\r\n");
    QTest::newRow("--refuse puts 0 in field 1")
        << QStringList{"--refuse"} << QByteArray("ve01$\r\n") << QByteArray("caisse~0~STAMP\r\n");
    QTest::newRow("--outdated gives an older version to ve02$ and ve04$")
        << QStringList{"--outdated"} << QByteArray("ve02$\r\nve04$\r\n")
        << QByteArray("numversion~2~2~2\r\nnumversion~2~2~2\r\n");
    QTest::newRow("--outdated still accepts the terminal")
        << QStringList{"--outdated"} << QByteArray("ve01$\r\n") << QByteArray("caisse~1~STAMP\r\n");
}

void tst_CaisseSim::replies()
{
    QFETCH(QStringList, switches);
    QFETCH(QByteArray, requests);
    QFETCH(QByteArray, expected);
    expected.replace("STAMP", sampleStamp().toLatin1());

    const auto server = startServer(optionsFor(switches));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send(requests);
    QCOMPARE(terminal.lines(int(expected.count('\n'))), expected);
    QCOMPARE(terminal.receivedWithin(50), QByteArray());
}

void tst_CaisseSim::requestCutAcrossWrites()
{
    const auto server = startServer(optionsFor({}));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send("ve0");
    QCOMPARE(terminal.receivedWithin(50), QByteArray());
    terminal.send("4$\r");
    QCOMPARE(terminal.receivedWithin(50), QByteArray());
    terminal.send("\nconn");
    QCOMPARE(terminal.lines(1), QByteArray("numversion~2~2~3\r\n"));
    terminal.send("ect\r\n");
    QCOMPARE(terminal.lines(1), QByteArray("OK\r\n"));
}

void tst_CaisseSim::silentNeverAnswers()
{
    const auto server = startServer(optionsFor({QStringLiteral("--silent")}));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send("ve01$\r\nconnect\r\n");
    QCOMPARE(terminal.receivedWithin(300), QByteArray());
    QCOMPARE(terminal.socket().state(), QAbstractSocket::ConnectedState);
    QVERIFY(log.count() >= 3); // connected and both requests, so the requests did arrive
}

void tst_CaisseSim::dropClosesAtFirstRequest()
{
    const auto server = startServer(optionsFor({QStringLiteral("--drop")}));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    QCOMPARE(terminal.receivedWithin(100), QByteArray());
    QCOMPARE(terminal.socket().state(), QAbstractSocket::ConnectedState);
    terminal.send("connect\r\nve01$\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(terminal.socket().state(), QAbstractSocket::UnconnectedState, WaitMs);
    QCOMPARE(terminal.receivedWithin(0), QByteArray());
}

void tst_CaisseSim::overlongRequestClosesTheConnection()
{
    const auto server = startServer(optionsFor({}));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send(QByteArray(16000, 'a') + "\r\n");
    QCOMPARE(terminal.lines(1), QByteArray("\r\n"));
    terminal.send(QByteArray(20000, 'a'));
    QTRY_COMPARE_WITH_TIMEOUT(terminal.socket().state(), QAbstractSocket::UnconnectedState, WaitMs);
}

void tst_CaisseSim::connectionsAnswerIndependently()
{
    const auto server = startServer(optionsFor({}));
    QVERIFY(server);
    Terminal first(server->port());
    Terminal second(server->port());
    QVERIFY(first.waitConnected());
    QVERIFY(second.waitConnected());

    first.send("ve01$\r\n");
    second.send("connect\r\n");
    first.send("ve04$\r\n");
    second.send("inconnu\r\nve02$\r\n");

    const QByteArray stamp = sampleStamp().toLatin1();
    QCOMPARE(first.lines(2), "caisse~1~" + stamp + "\r\nnumversion~2~2~3\r\n");
    QCOMPARE(second.lines(3), QByteArray("OK\r\n\r\nnumversion~2~2~3\r\n"));

    // one terminal leaving does not disturb the other
    first.socket().disconnectFromHost();
    second.send("connect\r\n");
    QCOMPARE(second.lines(1), QByteArray("OK\r\n"));
}

void tst_CaisseSim::stampFollowsTheDataFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString data = dir.filePath(QStringLiteral("restaurant.json"));
    const QByteArray original = readFile(SimOptions::sampleDataPath());
    QVERIFY(!original.isEmpty());
    QVERIFY(writeFile(data, original));

    const auto server = startServer(optionsFor({QStringLiteral("--data"), data}));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());

    terminal.send("ve01$\r\n");
    const QString first = stampIn(terminal.lines(1));
    QVERIFY(!first.isEmpty());

    QByteArray edited = original;
    edited.replace("Crème brûlée\", \"price\": 800", "Crème brûlée\", \"price\": 850");
    QVERIFY(edited != original);
    QVERIFY(writeFile(data, edited));
    terminal.send("ve01$\r\n");
    const QString second = stampIn(terminal.lines(1));
    QVERIFY(!second.isEmpty());
    QVERIFY(second != first);

    // a file broken while the simulator runs is reported and the last good data stays in service
    QVERIFY(writeFile(data, "{ \"restaurant\": "));
    terminal.send("ve01$\r\n");
    QCOMPARE(stampIn(terminal.lines(1)), second);
    QVERIFY(std::any_of(log.cbegin(), log.cend(), [](const QList<QVariant>& line) {
        return line.at(0).toString().contains(QLatin1String("keeping the previous data"));
    }));

    QVERIFY(writeFile(data, original));
    terminal.send("ve01$\r\n");
    QCOMPARE(stampIn(terminal.lines(1)), first);
}

void tst_CaisseSim::catalogueReplies_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("expected"); // without the line's CR LF

    QTest::newRow("nongletserveur: twelve tabs, eight waiters, absent ones empty")
        << QByteArray("nongletserveur") << QByteArray("Aperos;Plats;;;;;;;;;;Menus;#Zoe;;Marc;;;;;;");
    QTest::newRow("enc$: cb, ch, ba, es in that order, a for a mode not taken")
        << QByteArray("enc$") << QByteArray("Carte;a;a;Especes");
    QTest::newRow("listesupp: code and name pairs") << QByteArray("listesupp") << QByteArray("4;Frites;9;Creme");
    QTest::newRow("supplement: 800 flags") << QByteArray("supplement") << flags(800, {800});
    QTest::newRow("keyboard 1 is naclav2, cut inside a record")
        << QByteArray("naclav2_1") << QByteArray("PRIX01Kir;0;0;xFFF8BBD0;3;Bie");
    QTest::newRow("keyboard 1 second half ends with the empty record")
        << QByteArray("naclav2_2") << QByteArray("re;0;0;xFFFFE082;1;;;;;;");
    QTest::newRow("keyboard 2 is naclav1, with its option list groups")
        << QByteArray("naclav1_1") << QByteArray("PRIX02Entrecote;1;0;xFF8D6E63;800;");
    QTest::newRow("keyboard 2 second half") << QByteArray("naclav1_2") << QByteArray("Glace;1;6;x00FFFFFF;801;;;;;;");
    QTest::newRow("keyboard 12 first half")
        << QByteArray("naclav12_1") << QByteArray("PRIX12Menu du jour;0;0;xFF80CBC4;552;Me");
    QTest::newRow("keyboard 12 second half")
        << QByteArray("naclav12_2") << QByteArray("nu enfant;0;0;xFF80CBC4;561;;;;;;");
    QTest::newRow("a keyboard the restaurant lacks: the empty record alone")
        << QByteArray("naclav5_1\r\nnaclav5_2") << QByteArray("PRIX05;;\r\n;;;");
    QTest::newRow("there is no keyboard 13") << QByteArray("naclav13_1") << QByteArray();
    QTest::newRow("stgcuis1 keeps an empty label in its place") << QByteArray("stgcuis1") << QByteArray("CUIS01KIR;");
    QTest::newRow("stgcuis2 is keyboard 2") << QByteArray("stgcuis2") << QByteArray("CUIS02ENTRECOTE;GLACE");
    QTest::newRow("stgcuis of a keyboard the restaurant lacks") << QByteArray("stgcuis5") << QByteArray("CUIS05");
    QTest::newRow("limp") << QByteArray("limp") << QByteArray("1$0$2");
    // the terminal shows every recall entry but the last, so the list ends with an empty one
    QTest::newRow("nacuistot: ten groups, the recall messages in group 5 closed by an empty entry")
        << QByteArray("nacuistot") << QByteArray("Saignant;A point#####Suite;Vite;;#Vanille###Oui;Non#");
    QTest::newRow("ctnform: ten groups, rows of article numbers")
        << QByteArray("ctnform") << QByteArray("800;3$801~~~~~~~~~1~");
    QTest::newRow("rang1 covers up to the highest article") << QByteArray("rang1") << flags(801, {1, 3});
    QTest::newRow("rang4") << QByteArray("rang4") << flags(801, {800});
    QTest::newRow("rang6 marks nothing") << QByteArray("rang6") << flags(801, {});
    QTest::newRow("rang7 marks article 801") << QByteArray("rang7") << flags(801, {801});
    QTest::newRow("aform1: rows of dish names") << QByteArray("aform1") << QByteArray("Entrecote;Kir:Glace");
    QTest::newRow("aform2: no such set menu") << QByteArray("aform2") << QByteArray();
    QTest::newRow("aform10 is article 561") << QByteArray("aform10") << QByteArray("Biere");
    QTest::newRow("tablepos$: left, top, height, width, plan, visibility for 100 tables")
        << QByteArray("tablepos$")
        << tableGroup("10", "500") + '$' + tableGroup("20", "700") + '$' + tableGroup("40", "60") + '$' +
               tableGroup("30", "50") + '$' + tableGroup("2", "3") + '$' + tableGroup("1", "1");
}

void tst_CaisseSim::catalogueReplies()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, expected);

    const auto server = startServer(optionsFor({QStringLiteral("--data"), m_fixture}));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send(request + "\r\n");
    QCOMPARE(terminal.lines(int(request.count('\n')) + 1), expected + "\r\n");
}

void tst_CaisseSim::dataFilesServeTheWholeCatalogue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("products");
    QTest::addColumn<int>("tables");

    QTest::newRow("sample") << SimOptions::sampleDataPath() << 151 << 40;
    QTest::newRow("limits") << QStringLiteral(CAISSE_SIM_DATA_DIR "/limits.json") << 801 << 100;
}

// Reads every reply back the way the terminal does.
void tst_CaisseSim::dataFilesServeTheWholeCatalogue()
{
    QFETCH(QString, path);
    QFETCH(int, products);
    QFETCH(int, tables);

    Restaurant restaurant;
    QString error;
    QVERIFY2(restaurant.load(path, error), qPrintable(error));
    const RestaurantCatalogue& catalogue = restaurant.catalogue();

    QHash<QString, QString> replies;
    for (const auto& [request, builder] : CatalogueReplies::all()) {
        const QString reply = builder(catalogue, Dialect());
        QVERIFY2(reply.size() < WireCodec::MaxLineLength, qPrintable(request));
        QVERIFY2(std::all_of(reply.cbegin(), reply.cend(), [](QChar c) { return c.unicode() <= 0x7F; }),
                 qPrintable(request));
        replies.insert(request, reply);
    }
    // the terminal caches ":" + reply in 2000 characters and reads the cache at its next start
    for (int menu = 1; menu <= RestaurantCatalogue::SetMenus; ++menu)
        QVERIFY(replies.value(QStringLiteral("aform%1").arg(menu)).size() < 2000);

    const QStringList tabs = terminalSplit(replies.value(QStringLiteral("nongletserveur")), QLatin1Char('#'));
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(terminalSplit(tabs.at(0), QLatin1Char(';')).size(), 12);
    QCOMPARE(terminalSplit(tabs.at(1), QLatin1Char(';')).size(), 8);
    QCOMPARE(terminalSplit(replies.value(QStringLiteral("nacuistot")), QLatin1Char('#')).size(), 10);
    QCOMPARE(terminalSplit(QLatin1Char('~') + replies.value(QStringLiteral("ctnform")), QLatin1Char('~')).size(), 11);

    // both halves together, the first without its header, read record by record to the empty one
    int read = 0;
    for (int keyboard = 1; keyboard <= RestaurantCatalogue::Keyboards; ++keyboard) {
        const QString q = QString::number(keyboard == 1 ? 2 : keyboard == 2 ? 1 : keyboard);
        const QString list = replies.value(QStringLiteral("naclav%1_1").arg(q)).mid(6) +
                             replies.value(QStringLiteral("naclav%1_2").arg(q));
        const QStringList fields = terminalSplit(list, QLatin1Char(';'));
        const RestaurantCatalogue::Keyboard* data = catalogue.keyboard(keyboard);
        QVERIFY(data);
        qsizetype i = 0;
        for (const RestaurantCatalogue::Product& product : data->products) {
            QVERIFY(i + 4 < fields.size());
            QCOMPARE(fields.at(i), sim::asciiText(product.name));
            QCOMPARE(fields.at(i + 4).toInt(), product.article);
            i += 5;
        }
        QCOMPARE(fields.mid(i), QStringList(5, QString()));
        const QString labels = replies.value(QStringLiteral("stgcuis%1").arg(keyboard));
        QCOMPARE(terminalSplit(labels.mid(6) + QString(103, QLatin1Char(';')), QLatin1Char(';')).size(),
                 data->products.size() + 102);
        read += int(data->products.size());
    }
    QCOMPARE(read, products);

    const QStringList groups = terminalSplit(replies.value(QStringLiteral("tablepos$")), QLatin1Char('$'));
    QCOMPARE(groups.size(), 6);
    QList<QStringList> entries;
    for (const QString& group : groups) {
        entries.append(terminalSplit(group, QLatin1Char(';')));
        QCOMPARE(entries.constLast().size(), 100);
    }
    QCOMPARE(entries.at(5).count(QStringLiteral("1")), tables);
    // as the terminal draws them, the tables of one room stay on the plan and apart
    const QRectF plan(0, 0, 600, 800);
    for (int a = 0; a < 100; ++a) {
        if (entries.at(5).at(a) != QLatin1String("1"))
            continue;
        const QRectF table =
            drawn(entries[0][a].toInt(), entries[1][a].toInt(), entries[3][a].toInt(), entries[2][a].toInt());
        QVERIFY2(plan.contains(table), qPrintable(QStringLiteral("table %1").arg(a + 1)));
        for (int b = a + 1; b < 100; ++b) {
            if (entries.at(5).at(b) != QLatin1String("1") || entries[4][a] != entries[4][b])
                continue;
            const QRectF other =
                drawn(entries[0][b].toInt(), entries[1][b].toInt(), entries[3][b].toInt(), entries[2][b].toInt());
            QVERIFY2(!table.intersects(other), qPrintable(QStringLiteral("tables %1 and %2").arg(a + 1).arg(b + 1)));
        }
    }
}

void tst_CaisseSim::loadRejects_data()
{
    QTest::addColumn<QByteArray>("content"); // no content: the file does not exist
    QTest::addColumn<QString>("reason");

    QTest::newRow("a missing file") << QByteArray() << QStringLiteral("cannot read");
    QTest::newRow("broken JSON") << QByteArray("{\"restaurant\": \"Chez Paul\",") << QStringLiteral("not valid JSON");
    QTest::newRow("an array at the top") << QByteArray("[{\"restaurant\": \"Chez Paul\"}]")
                                         << QStringLiteral("no \"restaurant\" name");
    QTest::newRow("no restaurant name") << QByteArray("{\"waiters\": []}") << QStringLiteral("no \"restaurant\" name");
    QTest::newRow("an empty restaurant name")
        << QByteArray("{\"restaurant\": \"\"}") << QStringLiteral("no \"restaurant\" name");

    // what the terminal could not read, each named by where it is in the file
    const auto fixtureWith = [this](const char* from, const char* to) {
        QByteArray changed = readFile(m_fixture);
        return changed.replace(from, to);
    };
    QTest::newRow("an article used twice") << fixtureWith("\"article\": 1,", "\"article\": 3,")
                                           << QStringLiteral("keyboards[0].products[1].article: 3 is used twice");
    QTest::newRow("an article in the supplements' range")
        << fixtureWith("\"article\": 1,", "\"article\": 942,") << QStringLiteral("keyboards[0].products[1].article");
    QTest::newRow("a colour without its alpha")
        << fixtureWith("xFFF8BBD0", "xF8BBD0") << QStringLiteral("keyboards[0].products[0].colour");
    QTest::newRow("a separator in a name")
        << fixtureWith("\"Kir\"", "\"Kir; royal\"") << QStringLiteral("products[0].name: \"Kir; royal\" holds \";\"");
    QTest::newRow("a product naming an option list that does not exist")
        << fixtureWith("\"kitchenOptions\": 6", "\"kitchenOptions\": 7") << QStringLiteral("no option list 7");
    QTest::newRow("supplements past article 800")
        << fixtureWith("\"kitchenOptions\": 6", "\"kitchenOptions\": 6, \"supplements\": true")
        << QStringLiteral("keyboards[1].products[1].supplements");
    QTest::newRow("a set menu outside 552-561")
        << fixtureWith("{\"article\": 561, \"name\": \"Menu enfant\", \"steps\"",
                       "{\"article\": 562, \"name\": \"Menu enfant\", \"steps\"")
        << QStringLiteral("setMenus[1].article");
    QTest::newRow("a set menu that is on no keyboard")
        << fixtureWith("\"article\": 561, \"name\": \"Menu enfant\", \"colour\"",
                       "\"article\": 560, \"name\": \"Menu enfant\", \"colour\"")
        << QStringLiteral("setMenus[1].article: 561 is on no keyboard");
    QTest::newRow("a dish that is on no keyboard")
        << fixtureWith("[800, 3]", "[800, 4]") << QStringLiteral("setMenus[0].steps[0].articles[1]");
    QTest::newRow("a table past 100") << fixtureWith("\"number\": 100", "\"number\": 101")
                                      << QStringLiteral("rooms[1].tables[0].number");
    QTest::newRow("a table past the plan's edge")
        << fixtureWith("\"left\": 500", "\"left\": 560") << QStringLiteral("rooms[1].tables[0].width");
    QTest::newRow("a waiter code holding a 0")
        << fixtureWith("\"code\": \"1234\"", "\"code\": \"1204\"") << QStringLiteral("waiters[0].code");
    QTest::newRow("a waiter code of three digits")
        << fixtureWith("\"code\": \"1234\"", "\"code\": \"123\"") << QStringLiteral("waiters[0].code");
    QTest::newRow("a ticket line of an article on no keyboard")
        << fixtureWith("\"width\": 30, \"height\": 40}",
                       "\"width\": 30, \"height\": 40, \"ticket\": {\"waiter\": 1, \"lines\": [{\"article\": 2}]}}")
        << QStringLiteral("rooms[0].tables[0].ticket.lines[0].article: 2 is on no keyboard");
    QTest::newRow("a ticket without its waiter")
        << fixtureWith("\"width\": 30, \"height\": 40}", "\"width\": 30, \"height\": 40, \"ticket\": {}}")
        << QStringLiteral("rooms[0].tables[0].ticket.waiter");
    QTest::newRow("802 products") << withProducts(802, 2, QStringLiteral("Plat"))
                                  << QStringLiteral("keyboards[1].products: more than 801 products in all");
    QTest::newRow("a product list too long for one line")
        << withProducts(801, 1, QStringLiteral("Plat du jour avec un nom assez long pour tout remplir"))
        << QStringLiteral("the reply to \"naclav2_1\" would be");
}

void tst_CaisseSim::loadRejects()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("restaurant.json"));
    if (!content.isEmpty())
        QVERIFY(writeFile(path, content));

    Restaurant restaurant;
    QString error;
    QVERIFY(!restaurant.load(path, error));
    QVERIFY2(error.contains(reason) && error.contains(path), qPrintable(error));
}

void tst_CaisseSim::asciiText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("accents are dropped") << QStringLiteral("Crème brûlée, café, Île flottante, Noël")
                                         << QStringLiteral("Creme brulee, cafe, Ile flottante, Noel");
    QTest::newRow("c cedilla") << QStringLiteral("Façon garçon") << QStringLiteral("Facon garcon");
    QTest::newRow("ligatures are spelt out")
        << QStringLiteral("Bœuf, Œufs, ex æquo") << QStringLiteral("Boeuf, OEufs, ex aequo");
    QTest::newRow("French quotes and no-break spaces")
        << QStringLiteral("«\u00A0Menu\u00A0» à 29\u202F€") << QStringLiteral("\" Menu \" a 29 EUR");
    QTest::newRow("typographic apostrophe and dash")
        << QStringLiteral("Jus d’orange – pressé") << QStringLiteral("Jus d'orange - presse");
    QTest::newRow("ASCII and the separators pass unchanged")
        << QStringLiteral("1 Cafe~2 Eau;$#:U 12.50") << QStringLiteral("1 Cafe~2 Eau;$#:U 12.50");
    QTest::newRow("what has no ASCII form becomes ?") << QStringLiteral("寿司 \uFFFD") << QStringLiteral("?? ?");
    QTest::newRow("empty") << QString() << QString();
}

void tst_CaisseSim::asciiText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(sim::asciiText(text), expected);
}

void tst_CaisseSim::serviceReplies_data()
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

void tst_CaisseSim::serviceReplies()
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
void tst_CaisseSim::coversChangeTheTablesForEveryTerminal()
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
void tst_CaisseSim::sampleTicketsFitTheMemo()
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

void tst_CaisseSim::executableServesTerminals()
{
    const QString program = qEnvironmentVariable("CAISSE_SIM");
    if (program.isEmpty())
        QSKIP("CAISSE_SIM is not set (ctest sets it)");

    QProcess sim;
    sim.start(program, {QStringLiteral("--address"), QStringLiteral("127.0.0.123")});
    QVERIFY2(sim.waitForStarted(WaitMs), qPrintable(sim.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), WaitMs);
    QCOMPARE(sim.readLine(), QByteArray("caisse-sim: listening on 127.0.0.123:65013\n"));

    Terminal terminal(SimOptions::DefaultPort, QStringLiteral("127.0.0.123"));
    QVERIFY(terminal.waitConnected());
    terminal.send("ve01$\r\n");
    const QString stamp = stampIn(terminal.lines(1));
    QCOMPARE(stamp, sampleStamp());

    // the log names the terminal and shows the request and the reply as sent
    const QString peer =
        QStringLiteral("%1:%2").arg(terminal.socket().localAddress().toString()).arg(terminal.socket().localPort());
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT((log += sim.readAllStandardOutput()).contains("-> caisse"), WaitMs);
    QVERIFY2(log.contains((peer + QStringLiteral(" <- ve01$\n")).toLatin1()), log.constData());
    QVERIFY2(log.contains((peer + QStringLiteral(" -> caisse~1~") + stamp + '\n').toLatin1()), log.constData());

    sim.terminate();
    QVERIFY(sim.waitForFinished(WaitMs));
}

void tst_CaisseSim::executableFails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("an unreadable data file")
        << QStringList{"--address", "127.0.0.124", "--data", "/nonexistent/restaurant.json"} << "cannot read";
    QTest::newRow("an address already taken")
        << QStringList{"--address", "127.0.0.1", "--port", "squatted"} << "cannot listen on";
    QTest::newRow("a port out of range") << QStringList{"--address", "127.0.0.124", "--port", "70000"}
                                         << "invalid port";
    QTest::newRow("a bad address") << QStringList{"--address", "caisse.local"} << "invalid address";
    QTest::newRow("an unknown switch") << QStringList{"--address", "127.0.0.124", "--ferme"} << "ferme";
    QTest::newRow("a chaos seed that is no number")
        << QStringList{"--address", "127.0.0.124", "--chaos", "-1"} << "invalid chaos seed";
    QTest::newRow("a chaos rate above 1")
        << QStringList{"--address", "127.0.0.124", "--chaos", "1", "--chaos-rate", "1.5"} << "invalid chaos rate";
    QTest::newRow("a chaos rate without a seed")
        << QStringList{"--address", "127.0.0.124", "--chaos-rate", "0.5"} << "--chaos-rate needs --chaos";
}

void tst_CaisseSim::executableFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString program = qEnvironmentVariable("CAISSE_SIM");
    if (program.isEmpty())
        QSKIP("CAISSE_SIM is not set (ctest sets it)");

    QTcpServer squatter; // holds the port of the row that needs it taken
    QVERIFY(squatter.listen(QHostAddress(SimAddress)));
    arguments.replaceInStrings(QStringLiteral("squatted"), QString::number(squatter.serverPort()));

    QProcess sim;
    sim.start(program, arguments);
    QVERIFY(sim.waitForFinished(WaitMs));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 1);
    const QByteArray err = sim.readAllStandardError();
    QVERIFY2(err.contains(message.toLatin1()), err.constData());
    QCOMPARE(sim.readAllStandardOutput(), QByteArray());
}

void tst_CaisseSim::executablePrintsItsVersion()
{
    const QString program = qEnvironmentVariable("CAISSE_SIM");
    if (program.isEmpty())
        QSKIP("CAISSE_SIM is not set (ctest sets it)");
    QProcess sim;
    sim.start(program, {QStringLiteral("--version")});
    QVERIFY(sim.waitForFinished(WaitMs));
    QCOMPARE(sim.exitCode(), 0);
    const QString out = QString::fromLatin1(sim.readAllStandardOutput());
    QVERIFY2(QRegularExpression(QStringLiteral("\\Acaisse-sim \\d+\\.\\d+\\S*\n\\z")).match(out).hasMatch(),
             qPrintable(out));
}

std::unique_ptr<SimServer> tst_CaisseSim::startOrderServer(const QStringList& switches) const
{
    return startServer(optionsFor(QStringList{QStringLiteral("--data"), m_orderFixture} + switches));
}

void tst_CaisseSim::orders_data()
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

void tst_CaisseSim::orders()
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
void tst_CaisseSim::kitchenDispatch()
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

void tst_CaisseSim::withoutPreparationPrinters()
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
void tst_CaisseSim::setMenus()
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
void tst_CaisseSim::closing()
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

void tst_CaisseSim::messages_data()
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

void tst_CaisseSim::messages()
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

void tst_CaisseSim::malformedRequestsChangeNothing_data()
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
void tst_CaisseSim::malformedRequestsChangeNothing()
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

// The same seed over the same replies gives the same faults, byte for byte; another seed gives others.
void tst_CaisseSim::chaosPlanRepeatsFromItsSeed()
{
    const QByteArrayList replies{"caisse~1~413005644\r\n", "OK\r\n", "\r\n", "3;5;12;\r\n", Table12 + "\r\n"};
    const auto faults = [&replies](quint64 seed, double rate) {
        ChaosPlan plan(seed, rate);
        QStringList drawn;
        for (int i = 0; i < 300; ++i) {
            const ChaosPlan::Fault fault = plan.next(replies.at(i % replies.size()));
            drawn << fault.description + QLatin1Char(' ') + QString::fromLatin1(fault.line.toHex());
        }
        return drawn;
    };
    QCOMPARE(faults(7, 0.3), faults(7, 0.3));
    QVERIFY(faults(7, 0.3) != faults(8, 0.3));
    QCOMPARE(faults(7, 0).filter(QRegularExpression(QStringLiteral("\\S"))), QStringList());
    QCOMPARE(faults(7, 1).filter(QRegularExpression(QStringLiteral("^ "))), QStringList());
}

void tst_CaisseSim::chaosPlanDrawsEveryFaultWithinItsBounds()
{
    const QByteArrayList replies{"caisse~1~413005644\r\n", "OK\r\n", "\r\n", "3;5;12;\r\n", Table12 + "\r\n"};
    const int draws = 500;
    ChaosPlan plan(11, 1);
    for (int i = 0; i < draws; ++i) {
        const QByteArray& reply = replies.at(i % replies.size());
        const ChaosPlan::Fault fault = plan.next(reply);
        const QByteArray kept = fault.line.chopped(2);
        switch (fault.kind) {
        case ChaosPlan::Kind::None:
            QFAIL("a rate of 1 leaves no reply alone");
        case ChaosPlan::Kind::Drop:
        case ChaosPlan::Kind::Twice:
            break;
        case ChaosPlan::Kind::Delay:
            QVERIFY(fault.ms > RegisterLink::ReadTimeoutMs && fault.ms <= ChaosPlan::DelayMaxMs);
            break;
        case ChaosPlan::Kind::Trickle:
            QVERIFY(fault.pieces > 1 && fault.pieces <= reply.size());
            QVERIFY(fault.pieces * ChaosPlan::TrickleIntervalMs <= 600);
            break;
        case ChaosPlan::Kind::Garbage:
            QVERIFY(fault.line.size() > 2 && fault.line.size() <= ChaosPlan::GarbageMaxBytes + 2);
            QCOMPARE(fault.line.count('\n'), 1);
            QVERIFY(fault.line.endsWith("\r\n"));
            break;
        case ChaosPlan::Kind::LongLine:
            QCOMPARE(kept.size(), 20000);
            QVERIFY(kept.size() > WireCodec::MaxLineLength);
            QVERIFY(std::all_of(kept.begin(), kept.end(), [](char c) { return c >= ' ' && c <= '~'; }));
            QVERIFY(fault.line.endsWith("\r\n"));
            break;
        case ChaosPlan::Kind::MissingFields: {
            // cut before a separator, keeping the first field when there are others
            const QByteArray separators("~;$#:");
            const QByteArray text = reply.chopped(2);
            QVERIFY2(text.startsWith(kept) && (kept.size() < text.size() || text.isEmpty()), kept.constData());
            if (!kept.isEmpty())
                QVERIFY(separators.contains(text.at(kept.size())));
            const QByteArray inner = text.isEmpty() ? text : text.chopped(1); // a final separator ends a field
            QCOMPARE(kept.isEmpty(), std::none_of(inner.begin(), inner.end(),
                                                  [&separators](char c) { return separators.contains(c); }));
            QVERIFY(fault.line.endsWith("\r\n"));
            break;
        }
        case ChaosPlan::Kind::Refuse:
            QVERIFY(fault.ms >= ChaosPlan::RefuseMinMs && fault.ms <= ChaosPlan::RefuseMaxMs);
            break;
        case ChaosPlan::Kind::Restart: {
            QVERIFY(fault.ms >= ChaosPlan::RestartMinMs && fault.ms <= ChaosPlan::RestartMaxMs);
            bool decimal = false;
            fault.stamp.toUInt(&decimal);
            QVERIFY(decimal);
            break;
        }
        }
    }

    QString counts;
    int total = 0;
    for (int kind = 1; kind <= ChaosPlan::KindCount; ++kind) {
        const ChaosPlan::Kind faultKind = static_cast<ChaosPlan::Kind>(kind);
        QVERIFY2(plan.count(faultKind) > 0, qPrintable(ChaosPlan::name(faultKind)));
        counts += QStringLiteral(" %1=%2").arg(ChaosPlan::name(faultKind)).arg(plan.count(faultKind));
        total += plan.count(faultKind);
    }
    QCOMPARE(total, draws);
    QCOMPARE(plan.summary(), QStringLiteral("chaos: summary requests=%1 faults=%1").arg(draws) + counts);

    // the rate is a probability per request
    ChaosPlan tenth(11, 0.1);
    for (int i = 0; i < 2000; ++i)
        tenth.next("OK\r\n");
    QVERIFY2(tenth.count(ChaosPlan::Kind::None) > 1750 && tenth.count(ChaosPlan::Kind::None) < 1850,
             qPrintable(tenth.summary()));
}

void tst_CaisseSim::faultsOnTheLine_data()
{
    QTest::addColumn<ChaosPlan::Kind>("kind");
    QTest::newRow("a delayed reply comes after the terminal's read time-out") << ChaosPlan::Kind::Delay;
    QTest::newRow("a dropped connection closes without a reply") << ChaosPlan::Kind::Drop;
    QTest::newRow("a reply comes twice") << ChaosPlan::Kind::Twice;
    QTest::newRow("a trickled reply comes in pieces") << ChaosPlan::Kind::Trickle;
    QTest::newRow("garbage comes instead of the reply") << ChaosPlan::Kind::Garbage;
    QTest::newRow("a line too long for the terminal comes instead of the reply") << ChaosPlan::Kind::LongLine;
    QTest::newRow("the reply lacks its last fields") << ChaosPlan::Kind::MissingFields;
    QTest::newRow("a refusal closes the connection and turns new ones away for a while") << ChaosPlan::Kind::Refuse;
    QTest::newRow("a restart closes every connection and changes the stamp") << ChaosPlan::Kind::Restart;
}

// What the plan draws for a seed is what the terminal receives.
void tst_CaisseSim::faultsOnTheLine()
{
    QFETCH(ChaosPlan::Kind, kind);
    const double rate = 0.5;
    const quint64 seed = seedFor(kind, rate);
    QVERIFY(seed != 0);
    const QByteArray reply = "caisse~1~" + sampleStamp().toLatin1() + "\r\n";
    const ChaosPlan::Fault fault = ChaosPlan(seed, rate).next(reply);

    const auto server = startServer(optionsFor(chaosSwitches(seed, rate)));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal bystander(server->port());
    Terminal terminal(server->port());
    QVERIFY(bystander.waitConnected());
    QVERIFY(terminal.waitConnected());
    const QString peer = peerOf(terminal.socket());
    QElapsedTimer clock;
    clock.start();
    terminal.send("ve01$\r\n");

    switch (kind) {
    case ChaosPlan::Kind::None:
        QFAIL("no fault to test");
    case ChaosPlan::Kind::Delay:
        QCOMPARE(terminal.lines(1), reply);
        QVERIFY(clock.elapsed() >= fault.ms);
        break;
    case ChaosPlan::Kind::Drop:
        QTRY_COMPARE_WITH_TIMEOUT(terminal.socket().state(), QAbstractSocket::UnconnectedState, WaitMs);
        QCOMPARE(terminal.receivedWithin(0), QByteArray());
        break;
    case ChaosPlan::Kind::Twice:
        QCOMPARE(terminal.lines(2), reply + reply);
        break;
    case ChaosPlan::Kind::Trickle: {
        int reads = 0;
        QByteArray received;
        QVERIFY(QTest::qWaitFor(
            [&terminal, &reads, &received] {
                const QByteArray bytes = terminal.socket().readAll();
                reads += bytes.isEmpty() ? 0 : 1;
                received += bytes;
                return received.endsWith('\n');
            },
            WaitMs));
        QCOMPARE(received, reply);
        QVERIFY2(reads > 1, QByteArray::number(reads).constData());
        break;
    }
    case ChaosPlan::Kind::Garbage:
    case ChaosPlan::Kind::LongLine:
    case ChaosPlan::Kind::MissingFields:
        QCOMPARE(terminal.lines(1), fault.line);
        break;
    case ChaosPlan::Kind::Refuse:
    case ChaosPlan::Kind::Restart: {
        QTRY_COMPARE_WITH_TIMEOUT(terminal.socket().state(), QAbstractSocket::UnconnectedState, WaitMs);
        Terminal turnedAway(server->port());
        QVERIFY(!connects(turnedAway));
        QCOMPARE(turnedAway.socket().error(), QAbstractSocket::ConnectionRefusedError);
        const std::unique_ptr<Terminal> later = connectOnceListening(server->port());
        QVERIFY(later);
        QVERIFY(clock.elapsed() >= fault.ms);
        later->send("ve01$\r\n");
        if (kind == ChaosPlan::Kind::Refuse) {
            QCOMPARE(later->lines(1), reply);
            bystander.send("connect\r\n");
            QCOMPARE(bystander.lines(1), QByteArray("OK\r\n"));
        } else {
            QCOMPARE(later->lines(1), "caisse~1~" + fault.stamp.toLatin1() + "\r\n");
            QCOMPARE(bystander.socket().state(), QAbstractSocket::UnconnectedState);
        }
        break;
    }
    }
    const QString logged = QStringLiteral("chaos: %1 after \"ve01$\" from %2").arg(fault.description, peer);
    QVERIFY2(logLines(log).contains(logged), qPrintable(logLines(log).join(QLatin1Char('\n'))));
}

// Whatever the faults, every request that reaches the register is carried out once: the service ends as it would
// without them. And the same seed brings the same faults.
void tst_CaisseSim::chaosLeavesTheServiceAsWithout()
{
    const QList<int> tables{3, 5};
    QByteArrayList requests{"ve01$"};
    for (const int table : tables)
        requests << serviceAt(table, 1);
    Restaurant sample;
    QString error;
    QVERIFY(sample.load(SimOptions::sampleDataPath(), error));
    SimServer alone(optionsFor({}), sample);
    for (const QByteArray& request : std::as_const(requests))
        alone.reply(QString::fromLatin1(request));
    const QByteArrayList reference = serviceOf(alone, tables);

    // seeds that bring a restart or a refusal among other faults, short ones to keep the test quick
    const double rate = 0.3;
    QStringList first;
    QByteArrayList service;
    QVERIFY(serve(chaosSwitches(6, rate), requests, tables, first, service));
    QCOMPARE(service, reference);
    QVERIFY(first.size() > 3);

    QStringList again;
    QVERIFY(serve(chaosSwitches(6, rate), requests, tables, again, service));
    QCOMPARE(again, first);
    QCOMPARE(service, reference);

    QStringList other;
    QVERIFY(serve(chaosSwitches(33, rate), requests, tables, other, service));
    QVERIFY(other != first);
    QCOMPARE(service, reference);
}

void tst_CaisseSim::chaosSummaryAtExit_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

// The process ends its log with the count of each fault it injected.
void tst_CaisseSim::chaosSummaryAtExit()
{
    QFETCH(int, signal);
    const QString program = qEnvironmentVariable("CAISSE_SIM");
    if (program.isEmpty())
        QSKIP("CAISSE_SIM is not set (ctest sets it)");

    QProcess sim;
    sim.start(program, QStringList{QStringLiteral("--address"), SimAddress} + chaosSwitches(3, 1));
    QVERIFY2(sim.waitForStarted(WaitMs), qPrintable(sim.errorString()));
    QByteArray output;
    QVERIFY(QTest::qWaitFor([&] { return (output += sim.readAllStandardOutput()).contains("stamp "); }, WaitMs));
    const QRegularExpressionMatch listening =
        QRegularExpression(QStringLiteral("listening on [0-9.]+:(\\d+)")).match(QString::fromLatin1(output));
    QVERIFY(listening.hasMatch());
    const quint16 port = listening.captured(1).toUShort();

    const QByteArrayList requests{"connect", "ve02$", "ad$12$4$1$", "tableocc", "ve04$", "connect"};
    for (const QByteArray& request : requests) {
        const std::unique_ptr<Terminal> terminal = connectOnceListening(port);
        QVERIFY(terminal);
        const QByteArray received = (peerOf(terminal->socket()) + QStringLiteral(" <- ")).toLatin1() + request;
        terminal->send(request + "\r\n");
        QVERIFY(QTest::qWaitFor([&] { return (output += sim.readAllStandardOutput()).contains(received); }, WaitMs));
    }
    QCOMPARE(::kill(static_cast<pid_t>(sim.processId()), signal), 0);
    QVERIFY(sim.waitForFinished(WaitMs));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);

    const QStringList lines = QString::fromLatin1(output + sim.readAllStandardOutput()).split(QLatin1Char('\n'));
    QString counts;
    for (int kind = 1; kind <= ChaosPlan::KindCount; ++kind) {
        const QString name = ChaosPlan::name(static_cast<ChaosPlan::Kind>(kind));
        const QRegularExpression logged(QStringLiteral("^chaos: %1 .*after \"").arg(name));
        counts += QStringLiteral(" %1=%2").arg(name).arg(lines.filter(logged).size());
    }
    QCOMPARE(lines.value(lines.size() - 2), // before the final LF
             QStringLiteral("chaos: summary requests=%1 faults=%1").arg(requests.size()) + counts);
}

void tst_CaisseSim::interleavedRequestsAreLogged_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QByteArrayList>("writes"); // each sent 150 ms after the one before
    QTest::addColumn<QByteArray>("replies");
    QTest::addColumn<QStringList>("interleaved");

    const QStringList plain{QStringLiteral("--port"), QStringLiteral("0")};
    QTest::newRow("one request at a time") << plain << QByteArrayList{"connect\r\n", "ve02$\r\n"}
                                           << QByteArray("OK\r\nnumversion~2~2~3\r\n") << QStringList{};
    QTest::newRow("two requests in one write") << plain << QByteArrayList{"connect\r\nve02$\r\n"}
                                               << QByteArray("OK\r\nnumversion~2~2~3\r\n") << QStringList{"ve02$"};
    QTest::newRow("a request begun before the reply to the one before")
        << plain << QByteArrayList{"connect\r\nve0", "2$\r\n"} << QByteArray("OK\r\nnumversion~2~2~3\r\n")
        << QStringList{"ve02$"};
    QTest::newRow("a request sent while a delayed reply is held waits for its turn")
        << chaosSwitches(seedFor(ChaosPlan::Kind::Delay, 0.5), 0.5) << QByteArrayList{"connect\r\n", "ve02$\r\n"}
        << QByteArray("OK\r\nnumversion~2~2~3\r\n") << QStringList{"ve02$"};
}

void tst_CaisseSim::interleavedRequestsAreLogged()
{
    QFETCH(QStringList, switches);
    QFETCH(QByteArrayList, writes);
    QFETCH(QByteArray, replies);
    QFETCH(QStringList, interleaved);

    const auto server = startServer(optionsFor(switches));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    for (const QByteArray& bytes : writes) {
        terminal.send(bytes);
        QTest::qWait(150);
    }
    QCOMPARE(terminal.lines(int(replies.count('\n'))), replies);
    const QString prefix = peerOf(terminal.socket()) + QStringLiteral(" interleaved <- ");
    QCOMPARE(logLines(log).filter(QStringLiteral(" interleaved ")).replaceInStrings(prefix, QString()), interleaved);
}

void tst_CaisseSim::ticketRepliesNameTheirTable_data()
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

void tst_CaisseSim::ticketRepliesNameTheirTable()
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

// Twenty terminals, each on its own connection and thread, order at twenty tables at once: each gets every reply
// as if it were alone, the kitchen gets every order once, and nothing is seen interleaved.
void tst_CaisseSim::twentyTerminalsOrderAtOnce()
{
    const QList<int> tables{1, 2, 3, 5, 6, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24};
    const auto server = startServer(optionsFor({QStringLiteral("--port"), QStringLiteral("0")}));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Restaurant sample;
    QString error;
    QVERIFY(sample.load(SimOptions::sampleDataPath(), error));
    SimServer alone(optionsFor({}), sample); // answers the same requests one table after the other
    QSignalSpy aloneLog(&alone, &SimServer::logged);

    std::vector<TerminalRun> runs(size_t(tables.size()));
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < tables.size(); ++i) {
        const QByteArrayList requests = serviceAt(tables.at(i), 1 + i % 4);
        threads.emplace_back(QThread::create(
            [&runs, i, requests, port = server->port()] { runs[size_t(i)] = runBlocking(port, requests); }));
        threads.back()->start();
    }
    const bool finished = QTest::qWaitFor(
        [&threads] {
            return std::all_of(threads.begin(), threads.end(), [](const auto& t) { return t->isFinished(); });
        },
        30000);
    for (const auto& thread : threads)
        thread->wait();
    QVERIFY(finished);

    for (int i = 0; i < tables.size(); ++i) {
        const QByteArrayList requests = serviceAt(tables.at(i), 1 + i % 4);
        QByteArrayList expected;
        for (const QByteArray& request : requests)
            expected << alone.reply(QString::fromLatin1(request)).toLatin1();
        QCOMPARE(runs[size_t(i)].replies, expected);
        const QString ticket =
            QStringLiteral("%1 ticket table %2 for %3").arg(runs[size_t(i)].peer).arg(tables.at(i)).arg(requests.at(9));
        QVERIFY2(logLines(log).contains(ticket), qPrintable(ticket));
    }
    QCOMPARE(server->reply(QStringLiteral("tableocc")), alone.reply(QStringLiteral("tableocc")));
    const auto printouts = [](const QSignalSpy& spy) {
        QStringList lines = logLines(spy).filter(QRegularExpression(QStringLiteral("^printer ")));
        lines.sort();
        return lines;
    };
    QCOMPARE(printouts(log), printouts(aloneLog));
    QCOMPARE(logLines(log).filter(QStringLiteral(" interleaved ")), QStringList());
}

QTEST_GUILESS_MAIN(tst_CaisseSim)
#include "tst_caissesim.moc"
