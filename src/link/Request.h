#pragma once

#include <QString>

// What an exchange does when the link fails.
enum class OnError
{
    Raise,       // throw LinkError: the waiter is told
    Quiet,       // the failure comes back in the exchange's result, for the handler to read
    RaiseUnsent, // throw only while the request has not gone out; a failed read after it is an empty reply
};

// How a request is exchanged: its waits, its extra reads, and what a failure does.
struct ExchangePlan
{
    bool fresh = false;        // close an open connection and connect anew (version exchanges)
    int settleMs = 0;          // wait after the connect step (and before it when fresh)
    bool staleRead = false;    // read and drop one pending line before sending
    int pauseMs = 0;           // wait between sending and reading
    bool secondRead = false;   // read once more when the first reply is empty
    int secondReadPauseMs = 0; // wait before that second read
    bool trailingRead = false; // the register follows the reply with one more line: read and drop it
    OnError onError = OnError::Raise;

    constexpr ExchangePlan connectingAnew() const
    {
        ExchangePlan plan = *this;
        plan.fresh = true;
        return plan;
    }
    constexpr ExchangePlan settling(int ms) const
    {
        ExchangePlan plan = *this;
        plan.settleMs = ms;
        return plan;
    }
    constexpr ExchangePlan droppingStaleLine() const
    {
        ExchangePlan plan = *this;
        plan.staleRead = true;
        return plan;
    }
    constexpr ExchangePlan pausing(int ms) const
    {
        ExchangePlan plan = *this;
        plan.pauseMs = ms;
        return plan;
    }
    constexpr ExchangePlan readingTwice(int pauseMs = 0) const
    {
        ExchangePlan plan = *this;
        plan.secondRead = true;
        plan.secondReadPauseMs = pauseMs;
        return plan;
    }
    constexpr ExchangePlan droppingTrailingLine() const
    {
        ExchangePlan plan = *this;
        plan.trailingRead = true;
        return plan;
    }
    constexpr ExchangePlan failing(OnError onError) const
    {
        ExchangePlan plan = *this;
        plan.onError = onError;
        return plan;
    }
};

// A request as it goes out, and how it is exchanged.
struct Request
{
    QString text;
    ExchangePlan plan;
};
