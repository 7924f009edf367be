#include "SimServer.h"

#include "AsciiText.h"
#include "SimConnection.h"

#include <QTcpServer>
#include <QTimer>

#include <algorithm>

namespace sim {

SimServer::SimServer(const SimOptions& options, const Restaurant& restaurant, QObject* parent)
    : QObject(parent), m_options(options), m_restaurant(restaurant), m_state(m_restaurant.catalogue()),
      m_serviceStart(m_restaurant, m_options, [this](const QString& line) { Q_EMIT logged(line); }),
      m_catalogueReplies(m_restaurant, m_options.dialect), m_waiterReplies(m_restaurant),
      m_roomReplies(m_restaurant, m_state, m_options.dialect),
      m_printers(!m_options.noprinter, [this](const QString& line) { Q_EMIT logged(line); }),
      m_orderReplies(m_restaurant, m_state, m_printers, m_options.dialect),
      m_kitchenReplies(m_restaurant, m_state, m_printers, m_options.dialect),
      m_setMenuReplies(m_restaurant, m_state, m_options.dialect),
      m_closingReplies(m_restaurant, m_state, m_printers, m_options.dialect),
      m_chaos(m_options.chaosSeed ? std::make_unique<ChaosPlan>(*m_options.chaosSeed, m_options.chaosRate) : nullptr),
      m_delay(m_options.replyDelayMaxMs > 0
                  ? std::make_unique<ReplyDelay>(m_options.chaosSeed.value_or(0), m_options.replyDelayMinMs,
                                                 m_options.replyDelayMaxMs)
                  : nullptr),
      m_server(new QTcpServer(this)), m_refusal(new QTimer(this))
{
    m_serviceStart.install(m_dispatcher);
    m_catalogueReplies.install(m_dispatcher);
    m_waiterReplies.install(m_dispatcher);
    m_roomReplies.install(m_dispatcher);
    m_orderReplies.install(m_dispatcher);
    m_kitchenReplies.install(m_dispatcher);
    m_setMenuReplies.install(m_dispatcher);
    m_closingReplies.install(m_dispatcher);
    connect(m_server, &QTcpServer::newConnection, this, &SimServer::acceptConnections);
    m_refusal->setSingleShot(true);
    connect(m_refusal, &QTimer::timeout, this, &SimServer::listenAgain);
}

bool SimServer::listen(QString& error)
{
    if (!m_options.replayPath.isEmpty()) {
        m_replay = std::make_unique<Replay>([this](const QString& line) { Q_EMIT logged(line); });
        if (!m_replay->load(m_options.replayPath, error))
            return false;
    }
    if (!m_server->listen(m_options.address, m_options.port)) {
        error = QStringLiteral("cannot listen on %1:%2: %3")
                    .arg(m_options.address.toString())
                    .arg(m_options.port)
                    .arg(m_server->errorString());
        return false;
    }
    // the port it got, to listen there again after a time of refused connections
    m_address = m_server->serverAddress();
    m_port = m_server->serverPort();
    return true;
}

QString SimServer::reply(const QString& request)
{
    return asciiText(m_dispatcher.reply(request));
}

void SimServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        auto* connection =
            new SimConnection(socket, m_dispatcher, m_options, m_chaos.get(), m_replay.get(), m_delay.get(), this);
        connect(connection, &SimConnection::logged, this, &SimServer::logged);
        connect(connection, &SimConnection::refuseRequested, this, &SimServer::refuseConnections);
        connect(connection, &SimConnection::restartRequested, this, &SimServer::restart);
        Q_EMIT logged(QStringLiteral("%1 connected").arg(connection->peer()));
        // --reply-delay paces every connection alike
        if (m_chaos && !m_delay) {
            connection->setPace(m_chaos->nextPace());
            Q_EMIT logged(QStringLiteral("%1 pace %2 ms").arg(connection->peer()).arg(connection->pace()));
        }
    }
}

// Closing the listening socket, rather than pausing accepts, makes a connection attempt fail at once as it does
// with a register that is down.
void SimServer::refuseConnections(int ms)
{
    m_server->close();
    m_refusal->start(std::max(ms, m_refusal->isActive() ? m_refusal->remainingTime() : 0));
}

void SimServer::restart(int ms, const QString& stamp)
{
    refuseConnections(ms);
    // the tickets stay: the register keeps its service across a restart
    m_restaurant.setStamp(stamp);
    for (SimConnection* connection : findChildren<SimConnection*>(Qt::FindDirectChildrenOnly))
        connection->abort();
}

void SimServer::listenAgain()
{
    if (!m_server->listen(m_address, m_port)) {
        Q_EMIT logged(QStringLiteral("caisse-sim: cannot listen again on %1:%2 yet: %3")
                          .arg(m_address.toString())
                          .arg(m_port)
                          .arg(m_server->errorString()));
        m_refusal->start(100);
        return;
    }
    Q_EMIT logged(QStringLiteral("caisse-sim: listening again on %1:%2").arg(m_address.toString()).arg(m_port));
}

} // namespace sim
