#include "SimTest.h"

#include "Restaurant.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QTest>

#include <utility>

using namespace sim;

namespace SimTest {

Terminal::Terminal(quint16 port, const QString& address)
{
    m_socket.connectToHost(QHostAddress(address), port);
}

bool Terminal::waitConnected()
{
    return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, WaitMs);
}

void Terminal::send(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

QByteArray Terminal::lines(int count)
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

QByteArray Terminal::receivedWithin(int ms)
{
    QTest::qWait(ms);
    m_received += m_socket.readAll();
    return std::exchange(m_received, {});
}

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

void verifyRefused(const QStringList& arguments, const QString& message)
{
    SimOptions options;
    QString error;
    QVERIFY(!options.parse(QStringList{QStringLiteral("caisse-sim")} + arguments, error));
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

} // namespace SimTest
