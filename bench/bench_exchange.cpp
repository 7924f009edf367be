// Times RegisterLink::exchange against caisse-sim, with a bare blocking socket round trip as the baseline, and
// exchanges through caisse-sim --relay in front of it, with the same exchanges made directly as the baseline: the
// bare "connect" shows what the relay adds, a waiter key's exchange with its wait what a waiter feels of it.
// Usage: bench_exchange [path-to-caisse-sim]   (default: caisse-sim next to this program)

#include "SimProcess.h"

#include "link/RegisterLink.h"
#include "session/Session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int Exchanges = 2000;
constexpr int Rounds = 7;
constexpr double Goal = 1.15;
constexpr double RelayGoal = 1.2;
const QString SimAddress = QStringLiteral("127.0.0.90");
const QString BareRequest = QStringLiteral("connect");
constexpr int ServiceExchanges = 30;

// Microseconds per exchange over one batch.
double timeLink(RegisterLink& link)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Exchanges; ++i) {
        if (link.exchange(BareRequest).isEmpty())
            throw std::runtime_error("empty reply through RegisterLink");
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / Exchanges;
}

// Milliseconds per waiter key exchange over one batch.
double timeServiceLink(RegisterLink& link)
{
    // a waiter key as the terminal sends it: the shortest wait of a request that a tap makes in service
    const Request request = Session::waiterQuery(1);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < ServiceExchanges; ++i) {
        if (link.exchange(request).reply.isEmpty())
            throw std::runtime_error("empty reply to a waiter key");
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / ServiceExchanges;
}

void bareRoundTrip(QTcpSocket& socket, QByteArray& pending)
{
    socket.write("connect\r\n");
    socket.flush();
    qsizetype lf;
    while ((lf = pending.indexOf('\n')) < 0) {
        if (!socket.waitForReadyRead(1000))
            throw std::runtime_error("no reply on the bare socket");
        pending += socket.readAll();
    }
    pending.remove(0, lf + 1);
}

double timeBare(QTcpSocket& socket)
{
    QByteArray pending;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Exchanges; ++i)
        bareRoundTrip(socket, pending);
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / Exchanges;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The simulator on a free port of its own, its log in a file; extra arguments after the port.
std::unique_ptr<SimProcess> startSimulator(const QString& program, const QStringList& extra = {})
{
    SimProcess::Options options;
    options.program = program;
    // port 0: the simulator picks a free port and tells it in its listening line
    auto sim = std::make_unique<SimProcess>(
        SimAddress, QStringList{QStringLiteral("--port"), QStringLiteral("0")} + extra, options);
    if (!sim->isListening())
        throw std::runtime_error("caisse-sim did not report listening on " + SimAddress.toStdString());
    return sim;
}

int run(const QString& simProgram)
{
    QTemporaryDir recordDir;
    const std::unique_ptr<SimProcess> sim = startSimulator(simProgram);

    RegisterLink link;
    link.setHost(SimAddress);
    link.setPort(sim->port());
    link.exchange(BareRequest);

    // the relay in front of the same simulator, recording as a technician's capture does
    const std::unique_ptr<SimProcess> relay = startSimulator(
        simProgram, {QStringLiteral("--relay"), SimAddress + QLatin1Char(':') + QString::number(sim->port()),
                     QStringLiteral("--record"), recordDir.filePath(QStringLiteral("relay.rec"))});
    RegisterLink relayLink;
    relayLink.setHost(SimAddress);
    relayLink.setPort(relay->port());
    relayLink.exchange(BareRequest);

    QTcpSocket socket;
    socket.connectToHost(QHostAddress(SimAddress), sim->port());
    if (!socket.waitForConnected(2000))
        throw std::runtime_error("bare socket cannot connect");
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QByteArray warmUp;
    bareRoundTrip(socket, warmUp);

    // the two are alternated, each going first in turn, so a slow spell of the machine weighs on both alike
    std::vector<double> linkTimes;
    std::vector<double> bareTimes;
    std::vector<double> relayTimes;
    std::vector<double> serviceTimes;
    std::vector<double> relayServiceTimes;
    for (int round = 0; round < Rounds; ++round) {
        if (round % 2) {
            relayTimes.push_back(timeLink(relayLink));
            relayServiceTimes.push_back(timeServiceLink(relayLink));
            bareTimes.push_back(timeBare(socket));
            linkTimes.push_back(timeLink(link));
            serviceTimes.push_back(timeServiceLink(link));
        } else {
            linkTimes.push_back(timeLink(link));
            serviceTimes.push_back(timeServiceLink(link));
            bareTimes.push_back(timeBare(socket));
            relayTimes.push_back(timeLink(relayLink));
            relayServiceTimes.push_back(timeServiceLink(relayLink));
        }
    }
    relayLink.disconnect();
    socket.abort();
    link.disconnect();

    const double linkUs = median(linkTimes);
    const double bareUs = median(bareTimes);
    std::printf("exchange: %.1f us per exchange, ratio %.2f to a bare socket round trip (goal <= %.1f)\n", linkUs,
                linkUs / bareUs, Goal);
    std::printf("bare round trip: %.1f us per round trip\n", bareUs);
    const double relayUs = median(relayTimes);
    std::printf("relay, bare exchange: %.1f us through caisse-sim --relay, %.1f us added, %.2f x a bare round trip\n",
                relayUs, relayUs - linkUs, (relayUs - linkUs) / bareUs);
    const double serviceMs = median(serviceTimes);
    const double relayServiceMs = median(relayServiceTimes);
    std::printf("relay, waiter key exchange: %.2f ms through caisse-sim --relay, ratio %.3f to a direct one "
                "(goal <= %.1f)\n",
                relayServiceMs, relayServiceMs / serviceMs, RelayGoal);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString simProgram =
        args.size() > 1 ? args.at(1) : QCoreApplication::applicationDirPath() + QStringLiteral("/caisse-sim");
    try {
        return run(simProgram);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_exchange: %s\n", error.what());
        return 1;
    }
}
