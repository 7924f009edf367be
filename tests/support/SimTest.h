#pragma once

#include "ChaosPlan.h"
#include "SimOptions.h"
#include "SimServer.h"

#include <QByteArrayList>
#include <QSignalSpy>
#include <QStringList>
#include <QTcpSocket>

#include <memory>

// What the simulator's tests share: a terminal's end of the line, a server started in the test, and the requests
// of one waiter's service.
namespace SimTest {

inline const QString SimAddress = QStringLiteral("127.0.0.1");
constexpr int WaitMs = 5000;
// The longest refusal or delay a test on the line waits through: seeds are picked for it.
constexpr int LongestFaultMs = 800;

// The terminal's end of the line. It waits through the event loop, so a server in this thread answers meanwhile.
class Terminal final
{
public:
    explicit Terminal(quint16 port, const QString& address = SimAddress);

    bool waitConnected();
    void send(const QByteArray& bytes);
    // The next count lines exactly as received, CR LF included; fewer if they do not come in time.
    QByteArray lines(int count);
    // Everything received in the next ms milliseconds.
    QByteArray receivedWithin(int ms);

    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

sim::SimOptions optionsFor(const QStringList& switches);
std::unique_ptr<sim::SimServer> startServer(const sim::SimOptions& options);
QString sampleStamp();
QString stampIn(const QByteArray& ve01Reply);

// The replies to requests sent together, without their CR LF.
QByteArrayList exchange(Terminal& terminal, const QByteArrayList& requests);
QByteArray ask(Terminal& terminal, const QByteArray& request);

QStringList logLines(const QSignalSpy& log);
QString peerOf(const QTcpSocket& socket);

// The first seed whose plan gives the first request a fault of that kind, lasting LongestFaultMs at most, and
// the next two none, at that rate.
quint64 seedFor(sim::ChaosPlan::Kind kind, double rate);
QStringList chaosSwitches(quint64 seed, double rate);

// what the supplement request carries after the waiter: "~" and fifteen unticked choices
inline const QByteArray NoChoices = "~" + QByteArray("--$").repeated(15);

// One waiter's service at a table of the sample restaurant: covers, drinks, a dish with a supplement and one
// with options, a unit taken back, the order sent to the kitchen, a dessert after it, the ticket and the kitchen.
QByteArrayList serviceAt(int table, int waiter);

// Checks that caisse-sim refuses these arguments with an error that starts with message.
void verifyRefused(const QStringList& arguments, const QString& message);

} // namespace SimTest
