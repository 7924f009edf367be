#include "AsciiText.h"
#include "Restaurant.h"
#include "SimOptions.h"
#include "SimServer.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.40");
constexpr int WaitMs = 5000;

// The terminal's end of the line. It waits through the event loop, so a server in this thread answers meanwhile.
class Terminal final
{
public:
    explicit Terminal(const QString& address = SimAddress)
    {
        m_socket.connectToHost(QHostAddress(address), SimOptions::DefaultPort);
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
    const QStringList arguments =
        QStringList{QStringLiteral("caisse-sim"), QStringLiteral("--address"), SimAddress} + switches;
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

} // namespace

class tst_CaisseSim : public QObject
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
    void stampFollowsTheDataFile();
    void loadRejects_data();
    void loadRejects();
    void asciiText_data();
    void asciiText();
    void executableServesTerminals();
    void executableFails_data();
    void executableFails();
};

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
    Terminal terminal;
    QVERIFY(terminal.waitConnected());
    terminal.send(requests);
    QCOMPARE(terminal.lines(int(expected.count('\n'))), expected);
    QCOMPARE(terminal.receivedWithin(50), QByteArray());
}

void tst_CaisseSim::requestCutAcrossWrites()
{
    const auto server = startServer(optionsFor({}));
    QVERIFY(server);
    Terminal terminal;
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
    Terminal terminal;
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
    Terminal terminal;
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
    Terminal terminal;
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
    Terminal first;
    Terminal second;
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
    Terminal terminal;
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
    QCOMPARE(::asciiText(text), expected);
}

void tst_CaisseSim::executableServesTerminals()
{
    const QString program = qEnvironmentVariable("CAISSE_SIM");
    if (program.isEmpty())
        QSKIP("CAISSE_SIM is not set (ctest sets it)");

    QProcess sim;
    sim.start(program, {QStringLiteral("--address"), QStringLiteral("127.0.0.41")});
    QVERIFY2(sim.waitForStarted(WaitMs), qPrintable(sim.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), WaitMs);
    QCOMPARE(sim.readLine(), QByteArray("caisse-sim: listening on 127.0.0.41:65013\n"));

    Terminal terminal(QStringLiteral("127.0.0.41"));
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
        << QStringList{"--address", "127.0.0.42", "--data", "/nonexistent/restaurant.json"} << "cannot read";
    QTest::newRow("an address already taken") << QStringList{"--address", "127.0.0.43"} << "cannot listen on";
    QTest::newRow("a port out of range") << QStringList{"--address", "127.0.0.42", "--port", "70000"} << "invalid port";
    QTest::newRow("a bad address") << QStringList{"--address", "caisse.local"} << "invalid address";
    QTest::newRow("an unknown switch") << QStringList{"--address", "127.0.0.42", "--ferme"} << "ferme";
}

void tst_CaisseSim::executableFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString program = qEnvironmentVariable("CAISSE_SIM");
    if (program.isEmpty())
        QSKIP("CAISSE_SIM is not set (ctest sets it)");

    QTcpServer squatter; // holds 127.0.0.43:65013 for the row that needs it taken
    QVERIFY(squatter.listen(QHostAddress(QStringLiteral("127.0.0.43")), SimOptions::DefaultPort));

    QProcess sim;
    sim.start(program, arguments);
    QVERIFY(sim.waitForFinished(WaitMs));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 1);
    const QByteArray err = sim.readAllStandardError();
    QVERIFY2(err.contains(message.toLatin1()), err.constData());
    QCOMPARE(sim.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(tst_CaisseSim)
#include "tst_caissesim.moc"
