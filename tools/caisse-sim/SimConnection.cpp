#include "SimConnection.h"

#include "AsciiText.h"
#include "Replay.h"
#include "ReplyDelay.h"
#include "RequestDispatcher.h"
#include "RequestFields.h"
#include "SimOptions.h"

#include <QTcpSocket>
#include <QTimer>

namespace sim {

SimConnection::SimConnection(QTcpSocket* socket, const RequestDispatcher& dispatcher, const SimOptions& options,
                             ChaosPlan* chaos, Replay* replay, ReplyDelay* delay, QObject* parent)
    : QObject(parent), m_socket(socket), m_dispatcher(dispatcher), m_options(options), m_chaos(chaos), m_replay(replay),
      m_delay(delay), m_peer(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()))
{
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &SimConnection::readRequests);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        // what the register received is carried out, though the replies held for their time can no longer go
        while (!m_waiting.isEmpty())
            answer(m_waiting.takeFirst().request);
        log(QStringLiteral("closed"));
        deleteLater();
    });
}

void SimConnection::abort()
{
    m_socket->abort();
}

void SimConnection::readRequests()
{
    // The terminal sends a request only once it has read the reply to the one before: a request that comes while
    // a reply is still owed shows two requests interleaved on the terminal's side.
    bool owed = m_partialOwed || replyOwed();
    m_buffer.append(m_socket->readAll());
    QString request;
    for (;;) {
        switch (m_buffer.takeLine(request)) {
        case LineReader::Status::NeedMore:
            m_partialOwed = owed && !m_buffer.isEmpty();
            return;
        case LineReader::Status::TooLong:
            log(QStringLiteral("request line too long, closing"));
            m_socket->abort();
            return;
        case LineReader::Status::Line:
            break;
        }
        if (owed)
            log(QStringLiteral("interleaved <- %1").arg(request));
        log(QStringLiteral("<- %1").arg(request));
        if (m_options.drop) {
            log(QStringLiteral("dropping the connection"));
            m_socket->disconnectFromHost();
            return;
        }
        if (m_options.silent)
            continue;
        // timed from its arrival, however long the replies before it are held
        m_waiting.append({request, QDeadlineTimer(m_delay ? m_delay->next() : m_paceMs, Qt::PreciseTimer)});
        owed = true; // the lines that came with this one were sent before its reply could be read
        answerWaitingRequests();
        if (!isOpen())
            return;
    }
}

// From the moment a request is complete until the last byte of its reply has gone to the network.
bool SimConnection::replyOwed() const
{
    return !m_waiting.isEmpty() || m_holding || m_socket->bytesToWrite() > 0;
}

void SimConnection::answerWaitingRequests()
{
    while (!m_holding && !m_waiting.isEmpty() && isOpen()) {
        const qint64 leftNs = m_waiting.first().due.remainingTimeNSecs();
        if (leftNs > 0) {
            m_holding = true;
            // rounded up: a reply is never sent before its time
            const int leftMs = int((leftNs + 999999) / 1000000);
            QTimer::singleShot(leftMs, Qt::PreciseTimer, this, &SimConnection::releaseHeldReply);
            return;
        }
        answer(m_waiting.takeFirst().request);
    }
}

void SimConnection::answer(const QString& request)
{
    QString reply;
    m_replayed.clear();
    if (m_replay) {
        const Replay::Answer recorded =
            m_replay->answer(request, [this, &request] { return asciiText(m_dispatcher.reply(request)); });
        if (!recorded.answered) {
            log(QStringLiteral("no reply, as recorded"));
            return;
        }
        reply = recorded.reply;
        m_replayed = recorded.following;
    } else {
        reply = asciiText(m_dispatcher.reply(request));
    }
    if (!m_chaos) {
        send(request, reply);
        return;
    }
    // a reply line takes the same 7-bit form and CR LF ending as a request
    const ChaosPlan::Fault fault = m_chaos->next(encodeLine(reply));
    if (fault.kind != ChaosPlan::Kind::None)
        Q_EMIT logged(QStringLiteral("chaos: %1 after \"%2\" from %3").arg(fault.description, request, m_peer));
    applyFault(request, reply, fault);
}

void SimConnection::applyFault(const QString& request, const QString& reply, const ChaosPlan::Fault& fault)
{
    switch (fault.kind) {
    case ChaosPlan::Kind::None:
        send(request, reply);
        break;
    case ChaosPlan::Kind::Delay:
        m_holding = true;
        QTimer::singleShot(fault.ms, this, [this, request, reply] {
            send(request, reply);
            releaseHeldReply();
        });
        break;
    case ChaosPlan::Kind::Drop:
        m_socket->abort();
        break;
    case ChaosPlan::Kind::Twice:
        send(request, reply);
        send(request, reply);
        break;
    case ChaosPlan::Kind::Trickle:
        trickle(request, reply, fault.pieces);
        break;
    case ChaosPlan::Kind::Garbage:
    case ChaosPlan::Kind::LongLine:
        // described by the chaos line alone: not text a log line can hold
        if (isOpen())
            m_socket->write(fault.line);
        break;
    case ChaosPlan::Kind::MissingFields:
        if (!isOpen())
            break;
        m_socket->write(encodeLine(QString::fromLatin1(fault.line.chopped(2)), lineEnd()));
        log(QStringLiteral("-> %1").arg(QString::fromLatin1(fault.line.chopped(2))));
        break;
    case ChaosPlan::Kind::Refuse:
        Q_EMIT refuseRequested(fault.ms);
        m_socket->abort();
        break;
    case ChaosPlan::Kind::Restart:
        Q_EMIT restartRequested(fault.ms, fault.stamp); // closes this connection with the others
        break;
    }
}

void SimConnection::send(const QString& request, const QString& reply)
{
    if (!isOpen())
        return;
    m_socket->write(wireReply(request, reply));
    logSent(request, reply);
}

void SimConnection::trickle(const QString& request, const QString& reply, int pieces)
{
    m_holding = true;
    // without Nagle's wait, so that each piece leaves as a segment of its own
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const QByteArray bytes = wireReply(request, reply);
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, timer, request, reply, bytes, pieces, piece = 0]() mutable {
        if (!isOpen()) {
            timer->deleteLater();
            return;
        }
        const qsizetype from = bytes.size() * piece / pieces;
        ++piece;
        m_socket->write(bytes.mid(from, bytes.size() * piece / pieces - from));
        if (piece < pieces)
            return;
        timer->stop();
        timer->deleteLater();
        logSent(request, reply);
        releaseHeldReply();
    });
    timer->start(ChaosPlan::TrickleIntervalMs);
}

LineEnd SimConnection::lineEnd() const
{
    return m_options.dialect.is(Dialect::Choice::LineEnd, LineEnding::Lf) ? LineEnd::Lf : LineEnd::CrLf;
}

QStringList SimConnection::following(const QString& request, const QString& reply) const
{
    if (m_replay)
        return m_replayed;
    if (reply.isEmpty() || RequestDispatcher::keyword(request) != QLatin1String("ad$"))
        return {};
    switch (m_options.dialect.value(Dialect::Choice::TicketTrailer)) {
    case Trailer::Empty:
        return {QString()};
    case Trailer::Ok:
        return {QStringLiteral("OK")};
    case Trailer::Text:
        return {QStringLiteral("FIN DU TICKET")};
    default:
        return {};
    }
}

QByteArray SimConnection::wireReply(const QString& request, const QString& reply) const
{
    QByteArray bytes = encodeLine(reply, lineEnd());
    for (const QString& line : following(request, reply))
        bytes += encodeLine(line, lineEnd());
    return bytes;
}

void SimConnection::releaseHeldReply()
{
    m_holding = false;
    answerWaitingRequests();
}

void SimConnection::logSent(const QString& request, const QString& reply)
{
    log(QStringLiteral("-> %1").arg(reply));
    logTicket(request, reply);
    for (const QString& line : following(request, reply))
        log(QStringLiteral("trailer -> %1").arg(line));
}

void SimConnection::logTicket(const QString& request, const QString& reply)
{
    if (reply.isEmpty() || !m_dispatcher.repliesWithTicket(request))
        return;
    // which table the ticket is for, so that a reader of the log need not pair replies with requests
    const QStringList fields = RequestFields::after(request);
    const int table = fields.value(0).toInt();
    log(table == 0 ? QStringLiteral("ticket account %1 for %2").arg(fields.value(2).toInt()).arg(request)
                   : QStringLiteral("ticket table %1 for %2").arg(table).arg(request));
}

bool SimConnection::isOpen() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

void SimConnection::log(const QString& text)
{
    Q_EMIT logged(QStringLiteral("%1 %2").arg(m_peer, text));
}

} // namespace sim
