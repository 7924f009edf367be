#pragma once

#include "Recording.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QObject>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace sim {

struct SimOptions;

// Stands between terminals and a real register: listens as a register, forwards each connection to the register
// byte for byte, both ways, as the bytes come, and records every exchange it sees to a file.
class Relay final : public QObject
{
    Q_OBJECT

public:
    explicit Relay(const SimOptions& options, QObject* parent = nullptr);

    // Opens the recording and listens; false with the reason in error.
    bool start(QString& error);
    QHostAddress address() const;
    quint16 port() const;

    void record(const Recording::Entry& entry);
    double seconds() const { return m_clock.elapsed() / 1000.0; }
    bool recordsCodes() const { return m_recordCodes; }

Q_SIGNALS:
    void logged(const QString& line);

private:
    void acceptConnections();

    QString m_host;
    quint16 m_registerPort;
    QHostAddress m_address;
    quint16 m_port;
    bool m_recordCodes;
    QFile m_file;
    QTcpServer* m_server;
    QTimer* m_flush; // writes the recording out a moment after its last line
    QElapsedTimer m_clock;
    int m_connections = 0;
};

// One terminal's connection through the relay, and the register connection opened for it.
class RelayConnection final : public QObject
{
    Q_OBJECT

public:
    RelayConnection(QTcpSocket* terminal, int number, const QString& host, quint16 port, Relay& relay);

Q_SIGNALS:
    void logged(const QString& line);

private:
    void fromTerminal();
    void fromRegister();
    void close();
    // The complete lines of the buffer, as Latin-1 text without their CR LF; what is left waits for its LF.
    static QStringList takeLines(QByteArray& buffer);
    void log(const QString& text);

    struct Pending
    {
        QString request;
        double seconds = 0;
    };

    QTcpSocket* m_terminal;
    QTcpSocket* m_register;
    int m_number;
    Relay& m_relay;
    QString m_peer;
    QByteArray m_unsent; // what the terminal sent before the register connection was open
    QByteArray m_requests;
    QByteArray m_replies;
    QList<Pending> m_pending;
    bool m_closed = false;
};

} // namespace sim
