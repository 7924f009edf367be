#pragma once

// Held by a handler for as long as its exchanges and screen changes run: the local start, a waiter's login, a
// table or ticket handler. Such a handler lets pending UI events run on the way (a notice's rounds, a repaint), so
// a touch may be handled in the middle: whatever screen it comes from, it must not start a second sequence whose
// requests and screens would come between this one's. There is one for the whole terminal.
class ExchangeSequence final
{
public:
    ExchangeSequence();
    ~ExchangeSequence();
    ExchangeSequence(const ExchangeSequence&) = delete;
    ExchangeSequence& operator=(const ExchangeSequence&) = delete;

    // False when another sequence was already under way: the handler leaves at once.
    bool started() const { return m_started; }

    static bool running() { return s_running; }

private:
    bool m_started;
    static bool s_running;
};
