#pragma once

#include "ChaosPlan.h"
#include "Dialect.h"
#include "ReplyDelay.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

namespace sim {

// How the simulator runs: where it listens, which restaurant it serves and the misbehaviours tests ask for.
struct SimOptions
{
    static constexpr quint16 DefaultPort = 65013;

    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = DefaultPort;
    QString dataPath;
    bool clot = false;                // the register is closed: "ve01$" gets "clot"
    bool refuse = false;              // the register turns the terminal away: field 1 of the "ve01$" reply is "0"
    bool outdated = false;            // the register's software is too old for the terminal
    bool silent = false;              // nothing is ever answered
    bool drop = false;                // the connection is closed as soon as a request arrives
    bool noprinter = false;           // the register has no preparation printer: "suitesss$" gets "nook"
    std::optional<quint64> chaosSeed; // faults are injected into the replies (ChaosPlan)
    double chaosRate = ChaosPlan::DefaultRate; // the probability of a fault per request
    // each reply sent this long after its request came, drawn in the range (ReplyDelay); 0-0: at once
    int replyDelayMinMs = 0;
    int replyDelayMaxMs = 0;
    QString relayHost; // not empty: relay every connection to this register (Relay)
    quint16 relayPort = DefaultPort;
    QString recordPath;       // where the relay records the exchanges
    bool recordCodes = false; // the recording keeps the waiter codes
    QString replayPath;       // not empty: answer from this recording (Replay)
    Dialect dialect;          // the register's habits, where the protocol leaves them to it

    // Parses the command line; --help and unknown options end the process as usual.
    // On a bad value returns false with the reason in error.
    bool parse(const QStringList& arguments, QString& error);

    // A delay in milliseconds, "MS" or "MIN-MAX"; whether it is one.
    bool parseReplyDelay(const QString& text);

    // The sample restaurant: a copy next to the executable first, else the one in the source tree.
    static QString sampleDataPath();
};

} // namespace sim
