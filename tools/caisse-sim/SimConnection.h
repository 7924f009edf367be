#pragma once

#include "link/WireCodec.h"

#include <QObject>

class QTcpSocket;
class RequestDispatcher;
struct SimOptions;

// One terminal's connection: cuts the bytes into request lines and answers each in turn, so replies
// leave in the order of the requests, which is all the terminal matches them by.
class SimConnection final : public QObject
{
    Q_OBJECT

public:
    SimConnection(QTcpSocket* socket, const RequestDispatcher& dispatcher, const SimOptions& options,
                  QObject* parent = nullptr);

    // "address:port" of the terminal, as every log line of this connection starts
    const QString& peer() const { return m_peer; }

Q_SIGNALS:
    void logged(const QString& line);

private:
    void readRequests();
    void log(const QString& text);

    QTcpSocket* m_socket;
    const RequestDispatcher& m_dispatcher;
    const SimOptions& m_options;
    LineBuffer m_buffer;
    QString m_peer;
};
