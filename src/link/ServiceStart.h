#pragma once

#include <QDateTime>

#include <functional>

class TForm4;

// The local start: the two version exchanges that open a service, then the catalogue load.
class ServiceStart final
{
public:
    static constexpr int NoticeMs = 10000;

    explicit ServiceStart(TForm4& form);

    // "Utilisation en local". A link error of the catalogue load is left to the caller.
    void lanceappli();
    // At activation, when a register address is known. Silent on every failure.
    void automaticStart();

    // Seams for tests: the local clock and the time the outdated-register notice stays up.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setNoticeMs(int ms) { m_noticeMs = ms; }

private:
    bool firstExchange();
    bool secondExchange();
    void showOutdatedNotice();

    TForm4& m_form;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    int m_noticeMs = NoticeMs;
};
