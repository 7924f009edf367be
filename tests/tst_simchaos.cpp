#include "ChaosPlan.h"
#include "SimServer.h"
#include "SimTest.h"
#include "SimTickets.h"

#include "link/RegisterLink.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <csignal>
#include <memory>

using namespace sim;
using namespace SimTest;
using namespace SimTickets;

namespace {

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

} // namespace

Q_DECLARE_METATYPE(ChaosPlan::Kind)

// caisse-sim's chaos mode: faults drawn from a seed, within their bounds, the service left as without them.
class tst_SimChaos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chaosPlanRepeatsFromItsSeed();
    void chaosPlanDrawsEveryFaultWithinItsBounds();
    void faultsOnTheLine_data();
    void faultsOnTheLine();
    void chaosPacesConnectionsWithinTheReadTimeout();
    void chaosLeavesTheServiceAsWithout();
    void chaosSummaryAtExit_data();
    void chaosSummaryAtExit();
};

// The same seed over the same replies gives the same faults, byte for byte; another seed gives others.
void tst_SimChaos::chaosPlanRepeatsFromItsSeed()
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

void tst_SimChaos::chaosPlanDrawsEveryFaultWithinItsBounds()
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

void tst_SimChaos::faultsOnTheLine_data()
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
void tst_SimChaos::faultsOnTheLine()
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

// Half the connections get a pace, slow but within the terminal's read time-out, drawn apart from the faults.
void tst_SimChaos::chaosPacesConnectionsWithinTheReadTimeout()
{
    const auto paces = [](quint64 seed) {
        ChaosPlan plan(seed);
        QList<int> drawn;
        for (int i = 0; i < 400; ++i)
            drawn << plan.nextPace();
        return drawn;
    };
    const QList<int> drawn = paces(1);
    QCOMPARE(paces(1), drawn);
    QVERIFY(paces(2) != drawn);
    const auto paced = std::count_if(drawn.begin(), drawn.end(), [](int ms) { return ms > 0; });
    QVERIFY2(paced > 150 && paced < 250, QByteArray::number(paced).constData());
    for (const int ms : drawn)
        QVERIFY(ms == 0 || (ms >= ChaosPlan::PaceMinMs && ms <= ChaosPlan::PaceMaxMs));
    QVERIFY(ChaosPlan::PaceMaxMs < RegisterLink::ReadTimeoutMs);

    const QByteArray reply = "caisse~1~" + sampleStamp().toLatin1() + "\r\n";
    ChaosPlan plain(1, 0.5);
    ChaosPlan withPaces(1, 0.5);
    for (int i = 0; i < 5; ++i)
        withPaces.nextPace();
    QCOMPARE(withPaces.next(reply).description, plain.next(reply).description);

    // on the line (seed 1 paces the first four connections 357, 0, 245 and 0 ms): each connection's pace logged as it
    // connects, and its replies that late
    const auto server = startServer(optionsFor(chaosSwitches(1, 0)));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    for (const int ms : drawn.mid(0, 4)) {
        Terminal terminal(server->port());
        QVERIFY(terminal.waitConnected());
        const QString peer = peerOf(terminal.socket());
        QVERIFY(QTest::qWaitFor([&] { return logLines(log).contains(peer + QStringLiteral(" connected")); }, WaitMs));
        const QStringList lines = logLines(log);
        QCOMPARE(lines.value(lines.indexOf(peer + QStringLiteral(" connected")) + 1),
                 peer + QStringLiteral(" pace %1 ms").arg(ms));
        QElapsedTimer clock;
        clock.start();
        terminal.send("ve01$\r\n");
        QCOMPARE(terminal.lines(1), reply);
        QVERIFY2(clock.elapsed() >= ms && clock.elapsed() < ms + 400, qPrintable(QString::number(clock.elapsed())));
    }
}

// Whatever the faults, every request that reaches the register is carried out once: the service ends as it would
// without them. And the same seed brings the same faults.
void tst_SimChaos::chaosLeavesTheServiceAsWithout()
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

void tst_SimChaos::chaosSummaryAtExit_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

// The process ends its log with the count of each fault it injected.
void tst_SimChaos::chaosSummaryAtExit()
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

QTEST_GUILESS_MAIN(tst_SimChaos)
#include "tst_simchaos.moc"
