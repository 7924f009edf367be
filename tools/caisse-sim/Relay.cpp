#include "Relay.h"

#include "SimOptions.h"

#include <QDateTime>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace sim {

Relay::Relay(const SimOptions& options, QObject* parent)
    : QObject(parent), m_host(options.relayHost), m_registerPort(options.relayPort), m_address(options.address),
      m_port(options.port), m_recordCodes(options.recordCodes), m_file(options.recordPath),
      m_server(new QTcpServer(this)), m_flush(new QTimer(this))
{
    m_flush->setSingleShot(true);
    m_flush->setInterval(100);
    connect(m_flush, &QTimer::timeout, this, [this] { m_file.flush(); });
    connect(m_server, &QTcpServer::newConnection, this, &Relay::acceptConnections);
}

bool Relay::start(QString& error)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        error = QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    if (!m_server->listen(m_address, m_port)) {
        error = QStringLiteral("cannot listen on %1:%2: %3")
                    .arg(m_address.toString())
                    .arg(m_port)
                    .arg(m_server->errorString());
        return false;
    }
    m_file.write(QStringLiteral("# caisse-sim recording of the register %1:%2, begun %3%4\n"
                                "# kind\tconnection\tseconds\tms\trequest\treply\n")
                     .arg(m_host)
                     .arg(m_registerPort)
                     .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
                          m_recordCodes ? QStringLiteral(", waiter codes included") : QString())
                     .toLatin1());
    m_file.flush();
    m_clock.start();
    return true;
}

QHostAddress Relay::address() const
{
    return m_server->serverAddress();
}

quint16 Relay::port() const
{
    return m_server->serverPort();
}

void Relay::record(const Recording::Entry& entry)
{
    Recording::Entry written = entry;
    if (!m_recordCodes)
        written.request = Recording::masked(entry.request);
    m_file.write((Recording::line(written) + QLatin1Char('\n')).toLatin1());
    // written out within a moment rather than at each line, which would cost the relay a write per exchange: a relay
    // killed short loses a tenth of a second of the evening at most
    if (!m_flush->isActive())
        m_flush->start();
}

void Relay::acceptConnections()
{
    while (QTcpSocket* terminal = m_server->nextPendingConnection()) {
        auto* connection = new RelayConnection(terminal, ++m_connections, m_host, m_registerPort, *this);
        connection->setParent(this);
        connect(connection, &RelayConnection::logged, this, &Relay::logged);
    }
}

RelayConnection::RelayConnection(QTcpSocket* terminal, int number, const QString& host, quint16 port, Relay& relay)
    : m_terminal(terminal), m_register(new QTcpSocket(this)), m_number(number), m_relay(relay),
      m_peer(QStringLiteral("%1:%2").arg(terminal->peerAddress().toString()).arg(terminal->peerPort()))
{
    m_terminal->setParent(this);
    // each piece goes on at once, as it would without the relay
    m_terminal->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_terminal, &QTcpSocket::readyRead, this, &RelayConnection::fromTerminal);
    connect(m_terminal, &QTcpSocket::disconnected, this, &RelayConnection::close);
    connect(m_register, &QTcpSocket::connected, this, [this] {
        m_register->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_register->write(std::exchange(m_unsent, {}));
    });
    connect(m_register, &QTcpSocket::readyRead, this, &RelayConnection::fromRegister);
    connect(m_register, &QTcpSocket::disconnected, this, &RelayConnection::close);
    connect(m_register, &QTcpSocket::errorOccurred, this, &RelayConnection::close);
    m_register->connectToHost(host, port);
    // the log line comes once the server has connected this object's signal
    QMetaObject::invokeMethod(
        this, [this] { log(QStringLiteral("connected, connection %1").arg(m_number)); }, Qt::QueuedConnection);
}

void RelayConnection::fromTerminal()
{
    const QByteArray bytes = m_terminal->readAll();
    if (m_register->state() == QAbstractSocket::ConnectedState)
        m_register->write(bytes);
    else
        m_unsent += bytes;
    m_requests += bytes;
    // the exchanges go to the recording only: a console line each would cost the relay as much again
    for (const QString& request : takeLines(m_requests))
        m_pending.append({request, m_relay.seconds()});
}

void RelayConnection::fromRegister()
{
    const QByteArray bytes = m_register->readAll();
    m_terminal->write(bytes);
    m_replies += bytes;
    for (const QString& reply : takeLines(m_replies)) {
        const double now = m_relay.seconds();
        if (m_pending.isEmpty()) {
            m_relay.record({Recording::Kind::Extra, m_number, now, 0, QString(), reply});
            continue;
        }
        const Pending answered = m_pending.takeFirst();
        m_relay.record({Recording::Kind::Exchange, m_number, answered.seconds,
                        int((now - answered.seconds) * 1000 + 0.5), answered.request, reply});
    }
}

void RelayConnection::close()
{
    if (!m_closed) {
        m_closed = true;
        for (const Pending& pending : std::as_const(m_pending))
            m_relay.record({Recording::Kind::Unanswered, m_number, pending.seconds, 0, pending.request, QString()});
        m_pending.clear();
        // what is still on its way goes before the close, as it would on a direct connection
        m_terminal->disconnectFromHost();
        m_register->disconnectFromHost();
        log(QStringLiteral("closed"));
    }
    if (m_terminal->state() == QAbstractSocket::UnconnectedState &&
        m_register->state() == QAbstractSocket::UnconnectedState)
        deleteLater();
}

QStringList RelayConnection::takeLines(QByteArray& buffer)
{
    QStringList lines;
    qsizetype lf;
    while ((lf = buffer.indexOf('\n')) >= 0) {
        QByteArray line = buffer.left(lf);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(QString::fromLatin1(line));
        buffer.remove(0, lf + 1);
    }
    return lines;
}

void RelayConnection::log(const QString& text)
{
    Q_EMIT logged(QStringLiteral("%1 %2").arg(m_peer, text));
}

} // namespace sim
