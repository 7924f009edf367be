#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class CatalogueLoad;
class Navigation;
class NoticeView;
class RegisterLink;
class SettingsStore;
class StartView;

// The local start: the two version exchanges that open a service, then the catalogue load and the waiter keys.
class ServiceStart final : public QObject
{
    Q_OBJECT

public:
    static constexpr int NoticeMs = 10000;

    ServiceStart(RegisterLink& link, SettingsStore& settings, CatalogueLoad& catalogueLoad, StartView& startView,
                 NoticeView& outdatedNotice, Navigation& screens);

    // "Utilisation en local". A link error of the catalogue load is left to the caller.
    void startLocally();
    // At activation, when a register address is known. A link or number error of the catalogue load escapes as for
    // the local start: run it through HandlerGuard::runSilently, as nobody asked for it.
    void startAutomatically();

    // "Quitter" during the start: the start sends nothing after the exchange in progress and opens no service.
    void end();

    // Whether the register answers "Demande Suite", as the last start found.
    bool nextCourseSupported() const { return m_nextCourseSupported; }

    // Seams for tests: the local clock and the time the outdated-register notice stays up.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setNoticeMs(int ms) { m_noticeMs = ms; }

Q_SIGNALS:
    // the register is too old and nothing was left to go back to
    void applicationEnded();

private:
    // "ve01$": the register's catalogue stamp; none when the start is over.
    std::optional<QString> checkRegister();
    bool checkVersion(QString& reply);
    void showOutdatedNotice();

    RegisterLink& m_link;
    SettingsStore& m_settings;
    CatalogueLoad& m_catalogueLoad;
    StartView& m_startView;
    NoticeView& m_outdatedNotice;
    Navigation& m_screens;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    int m_noticeMs = NoticeMs;
    bool m_nextCourseSupported = false;
    bool m_ending = false;
};
