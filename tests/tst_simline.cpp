#include "SimServer.h"
#include "SimTest.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>
#include <vector>

using namespace sim;
using namespace SimTest;

namespace {

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

// caisse-sim on the line: how it reads requests and answers them, its connections, the executable and its log.
class tst_SimLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replies_data();
    void replies();
    void requestCutAcrossWrites();
    void silentNeverAnswers();
    void dropClosesAtFirstRequest();
    void overlongRequestClosesTheConnection();
    void connectionsAnswerIndependently();
    void executableServesTerminals();
    void executableFails_data();
    void executableFails();
    void executablePrintsItsVersion();
    void interleavedRequestsAreLogged_data();
    void interleavedRequestsAreLogged();
    void replyDelay_data();
    void replyDelay();
    void twentyTerminalsOrderAtOnce();
};

void tst_SimLine::replies_data()
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

void tst_SimLine::replies()
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

void tst_SimLine::requestCutAcrossWrites()
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

void tst_SimLine::silentNeverAnswers()
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

void tst_SimLine::dropClosesAtFirstRequest()
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

void tst_SimLine::overlongRequestClosesTheConnection()
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

void tst_SimLine::connectionsAnswerIndependently()
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

void tst_SimLine::executableServesTerminals()
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

void tst_SimLine::executableFails_data()
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
    QTest::newRow("a reply delay range upside down")
        << QStringList{"--address", "127.0.0.124", "--reply-delay", "300-100"} << "invalid reply delay";
    QTest::newRow("a reply delay that is no number")
        << QStringList{"--address", "127.0.0.124", "--reply-delay", "1s"} << "invalid reply delay";
}

void tst_SimLine::executableFails()
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

void tst_SimLine::executablePrintsItsVersion()
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

void tst_SimLine::interleavedRequestsAreLogged_data()
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

void tst_SimLine::interleavedRequestsAreLogged()
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

void tst_SimLine::replyDelay_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QByteArrayList>("requests");  // each sent 60 ms after the one before
    QTest::addColumn<QByteArrayList>("following"); // lines after the reply to the last request
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    QTest::newRow("a fixed delay") << QStringList{"--reply-delay", "200"} << QByteArrayList{"connect", "ve02$"}
                                   << QByteArrayList{} << 200 << 200;
    // seed 0 draws 333, 342, 306, 378, 161 and 120 ms: the last two are due before the fourth reply goes
    QTest::newRow("a delay drawn in a range, replies in the order of the requests")
        << QStringList{"--reply-delay", "100-400"}
        << QByteArrayList{"connect", "ve02$", "ve04$", "connect", "ve02$", "connect"} << QByteArrayList{} << 100 << 400;
    QTest::newRow("the line after a ticket follows the ticket")
        << QStringList{"--reply-delay", "150", "--dialect-choice", "ticket-trailer=text"}
        << QByteArrayList{"ad$12$4$1$"} << QByteArrayList{"FIN DU TICKET"} << 150 << 150;
}

// Each reply leaves its delay after its request came, and never before the reply to the request before it.
void tst_SimLine::replyDelay()
{
    QFETCH(QStringList, switches);
    QFETCH(QByteArrayList, requests);
    QFETCH(QByteArrayList, following);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);
    constexpr int GapMs = 60;
    constexpr int MarginMs = 400; // the timers of a loaded machine running tests side by side

    const auto server = startServer(optionsFor(switches));
    QVERIFY(server);
    QByteArrayList expected;
    for (const QByteArray& request : requests)
        expected << server->reply(QString::fromLatin1(request)).toLatin1();
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());

    QElapsedTimer clock;
    QByteArray received;
    QByteArrayList lines;
    QList<qint64> arrivals;
    connect(&terminal.socket(), &QTcpSocket::readyRead, this, [&] {
        received += terminal.socket().readAll();
        for (qsizetype end = received.indexOf('\n'); end >= 0; end = received.indexOf('\n')) {
            lines << received.left(end).chopped(1);
            arrivals << clock.elapsed();
            received.remove(0, end + 1);
        }
    });
    QList<qint64> sent;
    clock.start();
    for (const QByteArray& request : requests) {
        if (!sent.isEmpty())
            QTest::qWait(GapMs);
        sent << clock.elapsed();
        terminal.send(request + "\r\n");
    }
    QVERIFY(QTest::qWaitFor([&] { return lines.size() >= requests.size() + following.size(); }, WaitMs));
    QTest::qWait(50);

    QCOMPARE(lines, expected + following);
    qint64 previous = 0;
    for (int i = 0; i < requests.size(); ++i) {
        const qint64 took = arrivals.at(i) - sent.at(i);
        QVERIFY2(took >= minMs, qPrintable(QStringLiteral("reply %1 after %2 ms").arg(i).arg(took)));
        QVERIFY2(took <= std::max<qint64>(maxMs, previous - sent.at(i)) + MarginMs,
                 qPrintable(QStringLiteral("reply %1 after %2 ms").arg(i).arg(took)));
        previous = arrivals.at(i);
    }
    for (int i = requests.size(); i < lines.size(); ++i)
        QVERIFY(arrivals.at(i) - previous <= MarginMs);
}

// Twenty terminals, each on its own connection and thread, order at twenty tables at once: each gets every reply
// as if it were alone, the kitchen gets every order once, and nothing is seen interleaved.
void tst_SimLine::twentyTerminalsOrderAtOnce()
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

QTEST_GUILESS_MAIN(tst_SimLine)
#include "tst_simline.moc"
