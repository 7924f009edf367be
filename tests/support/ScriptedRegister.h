#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <functional>

class QTcpServer;
class QTcpSocket;

// A register for tests that answers each request line with the next action of its script. It serves
// from its own thread, because the link under test blocks the test's thread while it waits.
class ScriptedRegister final
{
public:
    // On 127.0.0.1 at a port the system picks, so that tests running side by side never collide: point the link
    // at address() and port().
    ScriptedRegister();
    // On that address and port, as a register coming back where an earlier one listened.
    ScriptedRegister(const QString& address, quint16 port);
    ~ScriptedRegister();
    ScriptedRegister(const ScriptedRegister&) = delete;
    ScriptedRegister& operator=(const ScriptedRegister&) = delete;

    bool isListening() const;
    QString address() const { return m_address; }
    // the port listened on, also once listening has stopped
    quint16 port() const;

    // The script: one action per request line received (any connection), taken in order.
    // When the script is exhausted, further requests get no answer.
    // Markers in a script of texts: the register stays silent, or closes the connection.
    static const QString Silent;
    static const QString Dropped;
    // One action per text: a reply line, or one of the markers.
    void script(const QStringList& replies);
    void replyLine(const QString& line);
    void replyBytes(const QByteArray& bytes);
    void ignore();
    void closeConnection();
    // replies, then closes the connection once the reply is out
    void replyThenClose(const QByteArray& bytes);
    // replies, closes the connection and stops listening: a register gone right after its reply
    void replyThenLeave(const QByteArray& bytes);

    void sendNow(const QByteArray& bytes);
    // sends at once, unasked, then closes the connection: a register gone with a line still on its way
    void sendNowThenClose(const QByteArray& bytes);
    void setReplyDelay(int ms);
    void stopListening();

    QByteArray received() const;
    QStringList requests() const;
    int connectionCount() const;
    bool waitForRequests(int count, int timeoutMs = 5000) const;

private:
    struct Action
    {
        enum class Kind
        {
            Reply,
            Ignore,
            Close,
            ReplyThenClose,
            ReplyThenLeave,
        };
        Kind kind = Kind::Ignore;
        QByteArray bytes;
    };

    // Run in the server thread.
    void accept();
    void readFrom(QTcpSocket* socket);
    static void perform(QTcpSocket* socket, const Action& action, int delayMs);
    void runInServerThread(const std::function<void()>& work);
    void append(const Action& action);

    QString m_address;
    QThread m_thread;
    QObject m_context; // lives in m_thread; the server and the connections are its children
    QTcpServer* m_server = nullptr;
    QPointer<QTcpSocket> m_newest;
    QHash<QTcpSocket*, QByteArray> m_partialLines;

    mutable QMutex m_mutex;
    mutable QWaitCondition m_requestArrived;
    bool m_listening = false;
    quint16 m_port = 0;
    QList<Action> m_script;
    int m_replyDelayMs = 0;
    QByteArray m_received;
    QStringList m_requests;
    int m_connectionCount = 0;
};
