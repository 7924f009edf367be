#include "SimServer.h"

#include "SimConnection.h"

#include <QTcpServer>

SimServer::SimServer(const SimOptions& options, const Restaurant& restaurant, QObject* parent)
    : QObject(parent), m_options(options), m_restaurant(restaurant), m_state(m_restaurant.catalogue()),
      m_serviceStart(m_restaurant, m_options, [this](const QString& line) { Q_EMIT logged(line); }),
      m_catalogueReplies(m_restaurant), m_waiterReplies(m_restaurant), m_roomReplies(m_restaurant, m_state),
      m_printers(!m_options.noprinter, [this](const QString& line) { Q_EMIT logged(line); }),
      m_orderReplies(m_restaurant, m_state, m_printers), m_kitchenReplies(m_restaurant, m_state, m_printers),
      m_setMenuReplies(m_restaurant, m_state), m_closingReplies(m_restaurant, m_state, m_printers),
      m_server(new QTcpServer(this))
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
}

bool SimServer::listen(QString& error)
{
    if (m_server->listen(m_options.address, m_options.port))
        return true;
    error = QStringLiteral("cannot listen on %1:%2: %3")
                .arg(m_options.address.toString())
                .arg(m_options.port)
                .arg(m_server->errorString());
    return false;
}

QHostAddress SimServer::address() const
{
    return m_server->serverAddress();
}

quint16 SimServer::port() const
{
    return m_server->serverPort();
}

void SimServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        auto* connection = new SimConnection(socket, m_dispatcher, m_options, this);
        connect(connection, &SimConnection::logged, this, &SimServer::logged);
        Q_EMIT logged(QStringLiteral("%1 connected").arg(connection->peer()));
    }
}
