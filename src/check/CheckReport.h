#pragma once

#include "link/RegisterLink.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What a check of a register found: whether the terminal will start with it, how fast it answers, how it speaks
// where the protocol leaves it the choice, and its catalogue.
namespace RegisterCheckReport {

enum class Verdict
{
    Starts,      // the terminal starts and opens the waiter view
    Closed,      // "clot"
    Refused,     // the register turns the terminal away
    Outdated,    // the register's software is too old
    Unreadable,  // a reply the start cannot read
    Silent,      // a reply the start cannot do without never came
    Unreachable, // no connection to the register
};

// One request as it went, with its reply's pace.
struct RequestPace
{
    QString text;
    int pauseMs = 0;         // the fixed wait after sending, before the read time-out begins
    bool answered = false;   // a reply line came: an empty line is a reply
    qint64 firstByteMs = -1; // after sending; -1 for none
    qint64 lineEndMs = -1;
    int replyLength = 0;
    QString failure; // the link's French text when the exchange failed
};

// A lost packet is sent again after about 200 ms: a register whose reply begins later than this after the pause
// misses the 700 ms read time-out on the first packet a weak Wi-Fi loses.
constexpr qint64 RiskMs = RegisterLink::ReadTimeoutMs - 200;

// The register's pace over the requests that were answered, in ms after sending.
struct Pace
{
    int answered = 0;
    qint64 medianFirstByteMs = 0;
    qint64 p95FirstByteMs = 0;
    qint64 slowestFirstByteMs = 0;
    qint64 medianLineEndMs = 0;
    qint64 p95LineEndMs = 0;
    qint64 slowestLineEndMs = 0;
    QString slowestRequest;
    // The longest the read time-out was waited on: the first byte after the request's pause.
    qint64 longestWaitMs = 0;
    int late = 0; // replies that missed the read time-out and were lost or taken by a second read
    bool atRisk = false;
};
Pace paceOf(const QList<RequestPace>& requests);

// One choice the protocol leaves to the register, in the simulator's words ("line-end", "lf").
struct DialectChoice
{
    QString name;
    QString value; // empty: the check could not see it
    QString note;  // French: why it was not seen, or what the register sent instead of a value the simulator has
};

// A reply the terminal refuses, cuts or does not keep.
struct Finding
{
    QString request;
    QString text; // French
};

struct CatalogueFigures
{
    int waiters = 0; // waiter keys shown
    QStringList waiterNames;
    int keyboards = 0;              // keyboard tabs shown
    std::array<int, 12> products{}; // products of keyboards 1 to 12
    int supplements = 0;
    int kitchenLists = 0; // option lists that offer something
    int recallMessages = 0;
    int setMenus = 0;
    std::array<int, 3> tables{}; // tables shown on rooms 1 to 3
};

// The read-only service requests of one waiter.
struct Service
{
    int waiter = 0;
    QString waiterReply; // French: what the register answered to the waiter key
    std::optional<QStringList> freeTables;
    std::optional<QStringList> busyTables;
    std::optional<std::array<int, 3>> tableStates; // tables flagged in each of the three groups
};

struct Report
{
    QString address; // as checked, "host:port"
    Verdict verdict = Verdict::Unreachable;
    QString reason;      // French: the first reason the terminal would not start; empty when it starts
    bool cached = false; // the download is whole: the next start reads it from the settings
    QList<RequestPace> requests;
    QList<DialectChoice> dialect;
    std::optional<CatalogueFigures> catalogue;
    QList<Finding> findings;
    std::optional<Service> service;

    bool starts() const { return verdict == Verdict::Starts; }
    // 0 the terminal starts, 1 it does not, 2 the register could not be reached
    int exitCode() const;
};

} // namespace RegisterCheckReport
