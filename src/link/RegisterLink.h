#pragma once

#include "Exchange.h"
#include "Request.h"
#include "WireCodec.h"

#include <QString>
#include <QTcpSocket>

#include <functional>
#include <optional>

// The one connection to the register. An exchange blocks the calling thread and never processes events, so
// nothing can cut into it; handlers that pump events between exchanges are kept apart by HandlerGuard. Replies
// carry no request id and match requests only by their order.
class RegisterLink final
{
public:
    static constexpr quint16 Port = 65013;
    // A register answers each request within this time after the pause; a read that gets nothing in it is empty. A
    // line keeps being read as long as its bytes keep coming, each wait lasting this long at most.
    static constexpr int ReadTimeoutMs = 700;
    // the link log shows this much of each reply
    static constexpr int LoggedReplyLength = 200;
    // Connecting at the start, where a wrong address must be told at once.
    static constexpr int StartConnectTimeoutMs = 700;
    // Connecting in service and for the link probe: a connection request lost on a weak Wi-Fi link is sent again
    // after 1 s and still gets through, while a register gone from the network, found silent on its open
    // connection first (2.5 s at most for the longest request), holds the screen less than 4.5 s in all.
    static constexpr int ServiceConnectTimeoutMs = 2000;
    // A register that answers in time never leaves a request without a line; this many in a row within one tap, and
    // the register is taken for gone until the tap ends. One lost reply on a bad Wi-Fi evening does not end a tap.
    static constexpr int SilentRequestsInRow = 2;

    // While it lives, the exchanges belong to one tap: once one of them finds the register gone (a connect that
    // fails or times out, or SilentRequestsInRow requests in a row without a line) the others fail at once, before
    // connecting, so the screen stays as it stands. A register that answers is never cut short, however slow.
    // Taps may nest: the outermost one counts.
    class Tap final
    {
    public:
        explicit Tap(RegisterLink& link);
        ~Tap();
        Tap(const Tap&) = delete;
        Tap& operator=(const Tap&) = delete;

    private:
        RegisterLink& m_link;
    };

    // Work the caller would otherwise do after the exchange, done while the register prepares its reply: the start
    // reads its cache in the version query's fixed wait. While it lives, the work runs once, whole, in the wait for
    // the reply of the next exchange that has one, and that wait lasts only what remains of its time after it.
    class PauseWork final
    {
    public:
        PauseWork(RegisterLink& link, std::function<void()> work);
        ~PauseWork();
        PauseWork(const PauseWork&) = delete;
        PauseWork& operator=(const PauseWork&) = delete;

    private:
        RegisterLink& m_link;
    };

    RegisterLink();
    ~RegisterLink();
    RegisterLink(const RegisterLink&) = delete;
    RegisterLink& operator=(const RegisterLink&) = delete;

    void setHost(const QString& host) { m_host = host; }
    QString host() const { return m_host; }
    // Always the register's port in service; tests and benchmarks point it at a register of their own.
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }
    int connectTimeout() const { return m_connectTimeoutMs; }

    bool connected() const;
    // Connects when the connection is not open, as an exchange does first: for a handler that shows something
    // between finding the register and asking it. Whether the register was reached.
    bool reach();
    void disconnect();

    // Given the exchange as soon as its reply is known, before the trailing read: a screen shows it there rather
    // than after the link is free again.
    using ReplyShown = std::function<void(const Exchange& done)>;
    // Connects first when needed; the reply may be empty. Throws LinkError where the plan's onError says so.
    Exchange exchange(const Request& request, const ReplyShown& shown = {});
    // The same for a request text and a plan of the caller's own: tests and benchmarks.
    QString exchange(const QString& request, const ExchangePlan& plan = {});
    // The last exchange got no reply line: it failed, its reads timed out, or what came was transmission garbage.
    // An empty line is a reply.
    bool lastExchangeUnanswered() const { return m_unanswered; }
    // The last connect failed (refused, timed out, unreachable) and none has succeeded since: the link probe takes it
    // for its own failed attempt rather than hold the screen to connect again.
    bool connectFailed() const { return m_connectFailed; }
    // The last tap found the register gone: taps queued behind it would each wait for nothing.
    bool lastTapFoundRegisterGone() const { return m_lastTapFoundGone; }

    static void pause(int ms);

private:
    void connectToRegister();
    void ensureConnected();
    void sendLine(const QString& text);
    // The next line; none when a wait ended with nothing received.
    std::optional<QString> readLine();
    // Drops, without waiting, what the register has sent so far, looking at the socket again when asked; whether
    // there was anything.
    bool dropPending(bool lookAgain);
    // the link is out of step with the register: drop the connection so the next exchange starts afresh
    [[noreturn]] void fail(const QString& text);
    // the register is gone: the rest of the tap does without it
    void findRegisterGone();
    // Counts a request that got no line in any of its reads, once it went out.
    void countSilence(bool sent);
    // How far an exchange went before it failed.
    struct Progress
    {
        bool connected = false;
        bool sent = false;
    };
    QString exchangeRaising(const QString& request, const ExchangePlan& plan, Progress& progress);
    // The plan's wait between sending and reading, with the pause work in it when there is some.
    void waitForReply(int ms);

    QTcpSocket m_socket;
    LineBuffer m_buffer;
    QString m_host;
    quint16 m_port = Port;
    int m_connectTimeoutMs = StartConnectTimeoutMs;
    bool m_unanswered = false;
    bool m_connectFailed = false;
    bool m_lineRead = false; // a line came in the exchange under way
    int m_silentInRow = 0;
    int m_tapDepth = 0;
    bool m_tapFoundGone = false;
    bool m_lastTapFoundGone = false;
    std::function<void()> m_pauseWork;
};
