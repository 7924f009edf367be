#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace sim {

// Which fault, if any, the register's reply to each request suffers, drawn from a seed: the n-th request handled
// gets the same fault whenever the same seed meets the same requests in the same order. The faults only touch
// the reply and the connections; the request itself is always carried out once. Each connection also gets a pace,
// drawn from the seed and its rank: a register slow to answer, but in time.
class ChaosPlan final
{
public:
    enum class Kind
    {
        None,
        Delay,         // the reply held past the terminal's read time-out
        Drop,          // the connection closed instead of a reply
        Twice,         // the reply sent twice
        Trickle,       // the reply sent a few bytes at a time
        Garbage,       // random bytes instead of the reply
        LongLine,      // a line longer than the terminal reads instead of the reply
        MissingFields, // the reply cut before one of its separators
        Refuse,        // the connection closed and new ones refused for a while
        Restart,       // every connection closed, new ones refused for a while, a new data stamp
    };
    static constexpr int KindCount = 9; // the faults, None left out

    static constexpr double DefaultRate = 0.1;
    static constexpr int DelayMinMs = 750; // the terminal gives up reading after 700 ms
    static constexpr int DelayMaxMs = 1500;
    static constexpr int TrickleIntervalMs = 3;
    static constexpr int TrickleMaxPieces = 200; // so a trickle lasts 0.6 s at most, however long the reply
    static constexpr int GarbageMaxBytes = 200;
    static constexpr int LongLineLength = 20000;
    static constexpr int RefuseMinMs = 200;
    static constexpr int RefuseMaxMs = 1500;
    static constexpr int RestartMinMs = 200;
    static constexpr int RestartMaxMs = 1000;
    // Half the connections answer at once, the others each reply this long after its request. The terminal reads
    // up to 700 ms after its pause, which is 0 for many requests: the pace alone must stay under 700 ms, and 250 ms
    // more are left to the timers of a loaded machine, so that a paced reply is never late by the machine's doing.
    static constexpr int PaceMinMs = 50;
    static constexpr int PaceMaxMs = 450;

    struct Fault
    {
        Kind kind = Kind::None;
        int ms = 0;          // Delay: how long the reply is held; Refuse, Restart: how long connections are refused
        int pieces = 0;      // Trickle: how many writes the reply is cut into
        QByteArray line;     // Garbage, LongLine, MissingFields: what is sent instead of the reply, CR LF included
        QString stamp;       // Restart: the data stamp "ve01$" reports from then on
        QString description; // for the log: "delay 1200 ms", "missing-fields 2 of 5"
    };

    // rate: the probability, 0 to 1, that a request's reply suffers a fault.
    explicit ChaosPlan(quint64 seed, double rate = DefaultRate);

    // The fault for the next request handled, whose reply goes out as replyLine (CR LF included).
    Fault next(const QByteArray& replyLine);

    // The pace of the next connection accepted, in milliseconds; 0 for a register that answers at once.
    int nextPace();

    static QString name(Kind kind);
    int requests() const { return m_requests; }
    int count(Kind kind) const { return m_counts.at(static_cast<size_t>(kind)); }
    // "chaos: summary requests=120 faults=12 delay=1 drop=2 ...", every fault kind named
    QString summary() const;

private:
    quint64 m_seed;
    double m_rate;
    int m_requests = 0;
    int m_connections = 0;
    std::array<int, KindCount + 1> m_counts{};
};

} // namespace sim
