#include "RegisterLink.h"

#include "LinkError.h"
#include "LinkLog.h"

#include <QElapsedTimer>
#include <QThread>

#include <utility>

namespace {

QString errorText(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Connexion refusée par la caisse");
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("Connexion fermée par la caisse");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("Adresse de la caisse introuvable");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("La caisse ne répond pas");
    case QAbstractSocket::NetworkError:
        return QStringLiteral("Réseau inaccessible");
    default:
        return QStringLiteral("Erreur de liaison avec la caisse");
    }
}

} // namespace

RegisterLink::Tap::Tap(RegisterLink& link) : m_link(link)
{
    if (m_link.m_tapDepth++ == 0) {
        m_link.m_tapFoundGone = false;
        m_link.m_silentInRow = 0;
    }
}

RegisterLink::Tap::~Tap()
{
    // the next tap tries the register again
    if (--m_link.m_tapDepth == 0) {
        m_link.m_lastTapFoundGone = std::exchange(m_link.m_tapFoundGone, false);
        m_link.m_silentInRow = 0;
    }
}

RegisterLink::PauseWork::PauseWork(RegisterLink& link, std::function<void()> work) : m_link(link)
{
    m_link.m_pauseWork = std::move(work);
}

RegisterLink::PauseWork::~PauseWork()
{
    // work that found no wait is not done later, in an exchange it was not meant for
    m_link.m_pauseWork = nullptr;
}

RegisterLink::RegisterLink() = default;

RegisterLink::~RegisterLink()
{
    disconnect();
}

bool RegisterLink::connected() const
{
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

void RegisterLink::connectToRegister()
{
    disconnect();
    if (m_host.isEmpty())
        throw LinkError(QStringLiteral("Adresse de la caisse vide"));
    qCDebug(linkLog, "connect to %s:%u", qUtf8Printable(m_host), unsigned(m_port));
    m_socket.connectToHost(m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
    if (!m_socket.waitForConnected(m_connectTimeoutMs)) {
        const QAbstractSocket::SocketError error = m_socket.error();
        m_socket.abort();
        m_connectFailed = true;
        findRegisterGone();
        throw LinkError(errorText(error));
    }
    m_connectFailed = false;
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

void RegisterLink::ensureConnected()
{
    // a close by the register is only seen when the socket is read: look before reusing the connection
    if (connected())
        m_socket.waitForReadyRead(0);
    if (!connected())
        connectToRegister();
}

void RegisterLink::sendLine(const QString& text)
{
    if (!connected())
        throw LinkError(errorText(QAbstractSocket::RemoteHostClosedError));
    const QByteArray bytes = WireCodec::encodeRequest(text);
    if (m_socket.write(bytes) != bytes.size())
        fail(errorText(m_socket.error()));
    // a request fits the socket's send buffer: written at once, it needs no wait to become writable
    m_socket.flush();
    while (m_socket.bytesToWrite() > 0) {
        if (!m_socket.waitForBytesWritten(ReadTimeoutMs)) {
            // nothing of it could go out in a read's time: no register takes it any more
            findRegisterGone();
            fail(errorText(m_socket.error()));
        }
    }
}

std::optional<QString> RegisterLink::readLine()
{
    QString line;
    for (;;) {
        switch (m_buffer.takeLine(line)) {
        case LineBuffer::Status::Line:
            m_lineRead = true;
            if (m_timing.sent.isValid() && m_timing.lineEndMs < 0) {
                m_timing.lineEndMs = m_timing.sent.elapsed();
                m_timing.endedWithCr = m_buffer.lastLineEndedWithCr();
            }
            // a NUL is no character of the register's: the line is transmission garbage, never an answer
            if (WireCodec::isGarbled(line)) {
                qCDebug(linkLog, "dropped a garbled line");
                return std::nullopt;
            }
            return line;
        case LineBuffer::Status::TooLong:
            // the rest of that line would be taken for the next reply: start again on a new connection
            fail(QStringLiteral("Ligne trop longue reçue de la caisse"));
        case LineBuffer::Status::NeedMore:
            break;
        }
        if (m_socket.bytesAvailable() > 0) {
            if (m_timing.sent.isValid() && m_timing.firstByteMs < 0)
                m_timing.firstByteMs = m_timing.sent.elapsed();
            m_buffer.append(m_socket.readAll());
            continue;
        }
        if (!connected())
            fail(errorText(QAbstractSocket::RemoteHostClosedError));
        // each wait lasts the read timeout at most: a line read on while its bytes keep coming
        if (m_socket.waitForReadyRead(ReadTimeoutMs) || m_socket.bytesAvailable() > 0)
            continue;
        if (!connected())
            fail(errorText(QAbstractSocket::RemoteHostClosedError));
        if (m_socket.error() != QAbstractSocket::SocketTimeoutError)
            fail(errorText(m_socket.error()));
        if (m_buffer.isEmpty())
            return std::nullopt; // a timed-out read is an empty reply, not an error
        // the register stopped in the middle of a line: its end, if it ever comes, would begin the next reply
        fail(QStringLiteral("Réponse incomplète reçue de la caisse"));
    }
}

bool RegisterLink::dropPending(bool lookAgain)
{
    // take in what has arrived by now, and no more: a flood must not hold the exchange
    if (lookAgain && connected())
        m_socket.waitForReadyRead(0);
    m_buffer.append(m_socket.readAll());
    if (m_buffer.isEmpty())
        return false;
    QString line;
    while (m_buffer.takeLine(line) == LineBuffer::Status::Line) {
    }
    // a line still coming is read to its end: its tail would otherwise be taken for this request's reply
    if (!m_buffer.isEmpty())
        readLine();
    return true;
}

void RegisterLink::fail(const QString& text)
{
    disconnect();
    throw LinkError(text);
}

void RegisterLink::findRegisterGone()
{
    m_tapFoundGone = m_tapDepth > 0;
}

void RegisterLink::disconnect()
{
    m_socket.abort();
    m_buffer.clear();
}

bool RegisterLink::reach()
{
    try {
        ensureConnected();
        return true;
    } catch (const LinkError&) {
        return false;
    }
}

Exchange RegisterLink::exchange(const Request& request, const ReplyShown& shown)
{
    const ExchangePlan& plan = request.plan;
    Progress progress;
    Exchange done;
    m_unanswered = true;
    m_lineRead = false;
    QElapsedTimer elapsed;
    elapsed.start();
    try {
        done.reply = exchangeRaising(request.text, plan, progress);
        qCDebug(linkLog, "%s -> %s (pause %d ms, %lld ms in all)", qUtf8Printable(request.text),
                qUtf8Printable(done.reply.left(LoggedReplyLength)), plan.pauseMs, elapsed.elapsed());
    } catch (const LinkError& error) {
        qCDebug(linkLog, "%s failed %s: %s (%lld ms)", qUtf8Printable(request.text),
                progress.sent ? "after sending" : "before sending", qUtf8Printable(error.text()), elapsed.elapsed());
        countSilence(progress.sent);
        done.failed = true;
        done.error = error.text();
        if (plan.onError == OnError::Raise || (plan.onError == OnError::RaiseUnsent && !progress.sent)) {
            settle(request, done, progress);
            throw;
        }
    }
    settle(request, done, progress);
    if (shown)
        shown(done);
    if (plan.trailingRead && done.answered) {
        // the reply is in: a link lost after it is for the next exchange to find, and a line that never comes is
        // not owed, as a register may send none. Without a reply there is no line after it to wait for.
        try {
            readLine();
        } catch (const LinkError&) {
        }
    }
    return done;
}

void RegisterLink::settle(const Request& request, Exchange& done, const Progress& progress) const
{
    done.connected = progress.connected;
    done.sent = progress.sent;
    done.answered = !m_unanswered;
    if (progress.sent) {
        done.firstByteMs = m_timing.firstByteMs;
        done.lineEndMs = m_timing.lineEndMs;
        done.endedWithCr = m_timing.endedWithCr;
    }
    if (m_watcher)
        m_watcher(request, done);
}

QString RegisterLink::exchange(const QString& request, const ExchangePlan& plan)
{
    return exchange(Request{request, plan}).reply;
}

QString RegisterLink::exchangeRaising(const QString& request, const ExchangePlan& plan, Progress& progress)
{
    // the tap already found the register gone: every later exchange of it would wait for nothing
    if (m_tapFoundGone)
        throw LinkError(errorText(QAbstractSocket::SocketTimeoutError));
    if (plan.fresh) {
        pause(plan.settleMs);
        connectToRegister();
    } else {
        ensureConnected();
    }
    progress.connected = true;
    pause(plan.settleMs);
    // nothing the register sent before this request can answer it: a reply that came after its read timed out, a
    // line sent twice, a trailing line; a stale-line read has nothing left to wait for when there was one. The
    // socket was just looked at when reused: another look costs a system call per exchange and finds nothing new.
    if (dropPending(plan.fresh || plan.settleMs > 0))
        qCDebug(linkLog, "dropped what came before %s", qUtf8Printable(request));
    else if (plan.staleRead && !readLine().value_or(QString()).isEmpty())
        qCDebug(linkLog, "dropped a stale line before %s", qUtf8Printable(request));
    sendLine(request);
    m_timing = {};
    m_timing.sent.start();
    progress.sent = true;
    waitForReply(plan.pauseMs);
    std::optional<QString> reply = readLine();
    if (plan.secondRead && reply.value_or(QString()).isEmpty()) {
        pause(plan.secondReadPauseMs);
        const std::optional<QString> second = readLine();
        // an empty line answered the request: a second read that times out after it owes nothing
        if (second || reply)
            reply = second.value_or(QString());
    }
    m_unanswered = !reply;
    // the register answers every request, if late: until it has, the connection is out of step, and closed it lets
    // the link probe try the register on a connection of its own
    if (!reply)
        disconnect();
    countSilence(true);
    return reply.value_or(QString());
}

void RegisterLink::countSilence(bool sent)
{
    // a line in any read of the request shows the register there, however slow; reads not sent for say nothing
    if (m_lineRead)
        m_silentInRow = 0;
    else if (sent && ++m_silentInRow >= SilentRequestsInRow)
        findRegisterGone();
}

void RegisterLink::waitForReply(int ms)
{
    if (ms <= 0 || !m_pauseWork) {
        pause(ms);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    std::exchange(m_pauseWork, nullptr)();
    pause(ms - int(clock.elapsed()));
}

void RegisterLink::pause(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}
