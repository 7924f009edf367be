#pragma once

#include "WireCodec.h"

#include <QString>
#include <QTcpSocket>

struct ExchangeOptions
{
    bool fresh = false;        // close an open connection and connect anew (version exchanges)
    int settleMs = 0;          // wait after the connect step (and before it when fresh)
    bool staleRead = false;    // read and drop one pending line before sending
    int pauseMs = 0;           // wait between sending and reading
    bool secondRead = false;   // read once more when the first reply is empty
    int secondReadPauseMs = 0; // wait before that second read
};

// The one connection to the register. Everything here blocks the calling thread and never processes
// events, so a handler's exchange cannot be cut into by a timer or a touch. Replies carry no request id
// and match requests only by their order: an exchange asked for while another is under way is refused.
class RegisterLink final
{
public:
    static constexpr quint16 Port = 65013;
    static constexpr int ReadTimeoutMs = 700;
    static constexpr int StartConnectTimeoutMs = 700;
    static constexpr int ServiceConnectTimeoutMs = 600000;

    RegisterLink();
    ~RegisterLink();
    RegisterLink(const RegisterLink&) = delete;
    RegisterLink& operator=(const RegisterLink&) = delete;

    void setHost(const QString& host) { m_host = host; }
    QString host() const { return m_host; }
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }
    int connectTimeout() const { return m_connectTimeoutMs; }

    bool connected() const;
    // Each of these throws LinkError on failure.
    void connectToRegister();
    void sendLine(const QString& text);
    QString readLine();
    void disconnect();

    // Connects first when needed; the reply may be empty.
    QString echange(const QString& request, const ExchangeOptions& options = {});
    // While orders are taken a failed exchange is not reported: it reads as an empty reply.
    QString echangeOrEmpty(const QString& request, const ExchangeOptions& options = {});

    static void pause(int ms);

private:
    QTcpSocket m_socket;
    LineBuffer m_buffer;
    QString m_host;
    quint16 m_port = Port;
    int m_connectTimeoutMs = StartConnectTimeoutMs;
    bool m_exchanging = false;
};
