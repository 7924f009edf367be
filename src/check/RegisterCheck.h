#pragma once

#include "CheckReport.h"
#include "DialectReading.h"
#include "link/RegisterLink.h"
#include "settings/SettingsStore.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

struct Exchange;
struct LoadedCatalogue;
struct Request;

// A technician's check of a register: the start's version exchanges and the whole catalogue download, made as the
// terminal makes them, then, for a waiter, the service requests that change nothing at the register. It tells
// whether the terminal will start, how fast and how the register answers, and what of its catalogue the terminal
// refuses or cuts. Nothing is read from or written to the settings file.
class RegisterCheck final
{
public:
    struct Target
    {
        QString host;
        quint16 port = RegisterLink::Port;
        std::optional<int> waiter; // 1 to 8: ask the service requests of this waiter too
    };

    explicit RegisterCheck(RegisterLink& link);

    // Seam for tests: the local clock that chooses the second version request.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    RegisterCheckReport::Report run(const Target& target);

private:
    void note(const Request& request, const Exchange& done);
    // the start's version exchanges; false when the start stops there
    bool checkVersion();
    bool loadCatalogue();
    void readCatalogue(const LoadedCatalogue& loaded);
    void checkService(int waiter);
    bool stop(RegisterCheckReport::Verdict verdict, const QString& reason);
    // the last request sent, for a failure that names none
    QString lastRequest() const;

    RegisterLink& m_link;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    // the catalogue source reads no slot of it when it downloads, and the check never saves it
    SettingsStore m_nothingStored{QString()};
    RegisterCheckReport::Report m_report;
    DialectReading::Replies m_replies;
};
