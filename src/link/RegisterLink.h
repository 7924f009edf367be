#pragma once

#include "Exchange.h"
#include "Request.h"
#include "WireCodec.h"

#include <QElapsedTimer>
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
    // The bounds of every wait, so that no tap holds the screen more than 4.5 s (TapWaitBoundMs). The register answers
    // on the local network within a few milliseconds and sends each line in one piece; on a weak Wi-Fi link a lost
    // packet is sent again after about 200 ms and a lost connection request after 1 s, then 3 s.
    // A reply that has not begun within this time is empty.
    static constexpr int ReadTimeoutMs = 700;
    // the link log shows this much of each reply
    static constexpr int LoggedReplyLength = 200;
    // A whole reply line: the longest, 16384 bytes, takes 1.3 s even at 100 kbit/s, and the first byte 700 ms at most.
    static constexpr int LineDeadlineMs = 3000;
    // Connecting at the start, where a wrong address must be told at once.
    static constexpr int StartConnectTimeoutMs = 700;
    // Connecting in service and for the link probe: two lost connection requests, sent again at 1 s and 3 s, still
    // get through, and a register gone from the network holds the screen 4 s at most.
    static constexpr int ServiceConnectTimeoutMs = 4000;
    // All the waits on the register of one tap together (connects, reads, sends; not the fixed pauses): with the
    // pauses and the drawing, no tap holds the screen more than 4.5 s whatever the register does. A register that
    // answers spends a few milliseconds of it, two stale-line reads and a trailing read 2.1 s.
    static constexpr int TapWaitBoundMs = 3800;

    // While it lives, the exchanges of one tap share one bound, and once one of them finds the register unreachable
    // (a connect that fails, a line that never ends, the bound spent) the others fail at once. Taps may nest: the
    // outermost one counts.
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
    // Told of every exchange once it is over, one that raised included: a check of the register reads them all.
    using Watcher = std::function<void(const Request& request, const Exchange& done)>;
    void setWatcher(Watcher watcher) { m_watcher = std::move(watcher); }
    // The same for a request text and a plan of the caller's own: tests and benchmarks.
    QString exchange(const QString& request, const ExchangePlan& plan = {});
    // The last exchange got no reply line: it failed, its reads timed out, or what came was transmission garbage.
    // An empty line is a reply.
    bool lastExchangeUnanswered() const { return m_unanswered; }
    // The register was last found unreachable (a connect that failed, a line that never ended, a tap's bound spent)
    // and no connect has succeeded since: the link probe knows it is gone without connecting again.
    bool registerLost() const { return m_lost; }

    static void pause(int ms);

private:
    void connectToRegister();
    void ensureConnected();
    void sendLine(const QString& text);
    // The next line; none when the read timed out with nothing received.
    std::optional<QString> readLine();
    // Drops, without waiting, what the register has sent so far; whether there was anything.
    bool dropPending();
    // the link is out of step with the register: drop the connection so the next exchange starts afresh
    [[noreturn]] void fail(const QString& text);
    // the register does not answer: the rest of the tap does without it
    [[noreturn]] void failUnreachable(const QString& text);
    // What a wait of ms may last within the tap's bound; none when the bound is spent.
    int waitBudget(int ms) const;
    // Waits on the socket at most ms, counted against the tap's bound.
    template <typename Wait> bool timedWait(int ms, Wait&& wait);
    // How far an exchange went before it failed.
    struct Progress
    {
        bool connected = false;
        bool sent = false;
    };
    QString exchangeRaising(const QString& request, const ExchangePlan& plan, Progress& progress);
    // The plan's wait between sending and reading, with the pause work in it when there is some.
    void waitForReply(int ms);
    // Fills in how far the exchange went and when its reply came, and tells the watcher.
    void settle(const Request& request, Exchange& done, const Progress& progress) const;

    QTcpSocket m_socket;
    LineBuffer m_buffer;
    QString m_host;
    quint16 m_port = Port;
    bool m_replyOwed = false; // the last reply never came in time
    int m_connectTimeoutMs = StartConnectTimeoutMs;
    bool m_unanswered = false;
    bool m_lost = false;
    int m_tapDepth = 0;
    qint64 m_tapWaitedMs = 0;
    bool m_tapUnreachable = false;
    std::function<void()> m_pauseWork;
    // when the reply to the request sent last began and ended
    struct ReplyTiming
    {
        QElapsedTimer sent;
        qint64 firstByteMs = -1;
        qint64 lineEndMs = -1;
        bool endedWithCr = false;
    };
    ReplyTiming m_timing;
    Watcher m_watcher;
};
