#pragma once

#include "ChaosPlan.h"

#include "WireLine.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QStringList>

class QTcpSocket;

namespace sim {

class Replay;
class ReplyDelay;
class RequestDispatcher;
struct SimOptions;

// One terminal's connection: cuts the bytes into request lines and answers each in turn, so replies
// leave in the order of the requests, which is all the terminal matches them by. A request that comes while a
// reply is held back (by the register's pace, a chaos delay or a trickle) waits for its turn.
class SimConnection final : public QObject
{
    Q_OBJECT

public:
    // chaos, replay and delay may be null: no faults, replies from the restaurant, and each sent at once.
    SimConnection(QTcpSocket* socket, const RequestDispatcher& dispatcher, const SimOptions& options, ChaosPlan* chaos,
                  Replay* replay, ReplyDelay* delay, QObject* parent = nullptr);

    // "address:port" of the terminal, as every log line of this connection starts
    const QString& peer() const { return m_peer; }

    // Without a delay, each reply goes this long after its request came.
    void setPace(int ms) { m_paceMs = ms; }
    int pace() const { return m_paceMs; }

    // Closes the connection at once, whatever it was sending.
    void abort();

Q_SIGNALS:
    void logged(const QString& line);
    // Faults that reach past this connection: the server stops taking connections for ms milliseconds; a
    // restart also closes every connection and changes the data stamp.
    void refuseRequested(int ms);
    void restartRequested(int ms, const QString& stamp);

private:
    // a request received, and when its reply is due
    struct Waiting
    {
        QString request;
        QDeadlineTimer due;
    };

    void readRequests();
    bool replyOwed() const;
    void answerWaitingRequests();
    void answer(const QString& request);
    void applyFault(const QString& request, const QString& reply, const ChaosPlan::Fault& fault);
    void send(const QString& request, const QString& reply);
    void trickle(const QString& request, const QString& reply, int pieces);
    LineEnd lineEnd() const;
    // The lines sent after the reply: the one a register may send after a ticket (the terminal reads one more
    // line after its ticket request), or those the recording of a replay has there.
    QStringList following(const QString& request, const QString& reply) const;
    // The reply as it goes out, line end and trailing line included.
    QByteArray wireReply(const QString& request, const QString& reply) const;
    void releaseHeldReply();
    void logSent(const QString& request, const QString& reply);
    void logTicket(const QString& request, const QString& reply);
    bool isOpen() const;
    void log(const QString& text);

    QTcpSocket* m_socket;
    const RequestDispatcher& m_dispatcher;
    const SimOptions& m_options;
    ChaosPlan* m_chaos;
    Replay* m_replay;
    ReplyDelay* m_delay;
    int m_paceMs = 0;
    QStringList m_replayed; // the lines the recording has after the reply being sent
    LineReader m_buffer;
    QString m_peer;
    QList<Waiting> m_waiting;   // requests received and not answered yet
    bool m_holding = false;     // a reply is waiting for its time, delayed or trickling
    bool m_partialOwed = false; // the partial line buffered began while a reply was owed
};

} // namespace sim
