#include "ScriptedRegister.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

ScriptedRegister::ScriptedRegister() : ScriptedRegister(QStringLiteral("127.0.0.1"), 0) {}

ScriptedRegister::ScriptedRegister(const QString& address, quint16 port) : m_address(address)
{
    m_context.moveToThread(&m_thread);
    m_thread.start();
    runInServerThread([this, address, port] {
        m_server = new QTcpServer(&m_context);
        QObject::connect(m_server, &QTcpServer::newConnection, &m_context, [this] { accept(); });
        const bool listening = m_server->listen(QHostAddress(address), port);
        const QMutexLocker lock(&m_mutex);
        m_listening = listening;
        m_port = listening ? m_server->serverPort() : port;
    });
}

ScriptedRegister::~ScriptedRegister()
{
    // sockets must die in the thread that owns their notifiers
    runInServerThread([this] {
        const QObjectList children = m_context.children();
        qDeleteAll(children);
    });
    m_thread.quit();
    m_thread.wait();
}

bool ScriptedRegister::isListening() const
{
    const QMutexLocker lock(&m_mutex);
    return m_listening;
}

quint16 ScriptedRegister::port() const
{
    const QMutexLocker lock(&m_mutex);
    return m_port;
}

void ScriptedRegister::replyLine(const QString& line)
{
    append({Action::Kind::Reply, line.toLatin1() + "\r\n"});
}

void ScriptedRegister::replyBytes(const QByteArray& bytes)
{
    append({Action::Kind::Reply, bytes});
}

void ScriptedRegister::ignore()
{
    append({Action::Kind::Ignore, {}});
}

void ScriptedRegister::closeConnection()
{
    append({Action::Kind::Close, {}});
}

void ScriptedRegister::replyThenClose(const QByteArray& bytes)
{
    append({Action::Kind::ReplyThenClose, bytes});
}

void ScriptedRegister::replyThenLeave(const QByteArray& bytes)
{
    append({Action::Kind::ReplyThenLeave, bytes});
}

void ScriptedRegister::sendNow(const QByteArray& bytes)
{
    runInServerThread([this, bytes] {
        if (!m_newest)
            return;
        m_newest->write(bytes);
        m_newest->flush();
    });
}

void ScriptedRegister::sendNowThenClose(const QByteArray& bytes)
{
    runInServerThread([this, bytes] {
        if (!m_newest)
            return;
        m_newest->write(bytes);
        m_newest->flush();
        m_newest->disconnectFromHost();
    });
}

void ScriptedRegister::setReplyDelay(int ms)
{
    const QMutexLocker lock(&m_mutex);
    m_replyDelayMs = ms;
}

void ScriptedRegister::stopListening()
{
    runInServerThread([this] { m_server->close(); });
    const QMutexLocker lock(&m_mutex);
    m_listening = false;
}

QByteArray ScriptedRegister::received() const
{
    const QMutexLocker lock(&m_mutex);
    return m_received;
}

QStringList ScriptedRegister::requests() const
{
    const QMutexLocker lock(&m_mutex);
    return m_requests;
}

int ScriptedRegister::connectionCount() const
{
    const QMutexLocker lock(&m_mutex);
    return m_connectionCount;
}

bool ScriptedRegister::waitForRequests(int count, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_mutex);
    while (m_requests.size() < count) {
        if (!m_requestArrived.wait(&m_mutex, deadline))
            return m_requests.size() >= count;
    }
    return true;
}

void ScriptedRegister::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        // parented to the context, not the server, so that stopListening() leaves open connections alone
        socket->setParent(&m_context);
        m_newest = socket;
        QObject::connect(socket, &QTcpSocket::readyRead, &m_context, [this, socket] { readFrom(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, &m_context, [this, socket] {
            m_partialLines.remove(socket);
            socket->deleteLater();
        });
        const QMutexLocker lock(&m_mutex);
        ++m_connectionCount;
    }
}

void ScriptedRegister::readFrom(QTcpSocket* socket)
{
    const QByteArray bytes = socket->readAll();
    QByteArray& pending = m_partialLines[socket];
    pending += bytes;

    QList<Action> actions;
    int delayMs = 0;
    {
        const QMutexLocker lock(&m_mutex);
        m_received += bytes;
        for (qsizetype lf = pending.indexOf('\n'); lf >= 0; lf = pending.indexOf('\n')) {
            QByteArray line = pending.left(lf);
            pending.remove(0, lf + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            m_requests.append(QString::fromLatin1(line));
            actions.append(m_script.isEmpty() ? Action{} : m_script.takeFirst());
        }
        delayMs = m_replyDelayMs;
        m_requestArrived.wakeAll();
    }
    for (const Action& action : actions) {
        perform(socket, action, delayMs);
        if (action.kind == Action::Kind::ReplyThenLeave) {
            m_server->close();
            const QMutexLocker lock(&m_mutex);
            m_listening = false;
        }
    }
}

void ScriptedRegister::perform(QTcpSocket* socket, const Action& action, int delayMs)
{
    if (action.kind == Action::Kind::Ignore)
        return;
    const auto run = [socket, action] {
        if (action.kind == Action::Kind::Close) {
            socket->disconnectFromHost();
            return;
        }
        socket->write(action.bytes);
        socket->flush();
        // the pending bytes go out before the connection closes
        if (action.kind == Action::Kind::ReplyThenClose || action.kind == Action::Kind::ReplyThenLeave)
            socket->disconnectFromHost();
    };
    if (delayMs > 0)
        QTimer::singleShot(delayMs, socket, run);
    else
        run();
}

void ScriptedRegister::runInServerThread(const std::function<void()>& work)
{
    QMetaObject::invokeMethod(&m_context, work, Qt::BlockingQueuedConnection);
}

void ScriptedRegister::append(const Action& action)
{
    const QMutexLocker lock(&m_mutex);
    m_script.append(action);
}

const QString ScriptedRegister::Silent = QStringLiteral("<silent>");
const QString ScriptedRegister::Dropped = QStringLiteral("<dropped>");

void ScriptedRegister::script(const QStringList& replies)
{
    for (const QString& reply : replies) {
        if (reply == Silent)
            ignore();
        else if (reply == Dropped)
            closeConnection();
        else
            replyLine(reply);
    }
}
