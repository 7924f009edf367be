#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The register simulator run as its own process, the way a restaurant runs it.
class SimProcess final
{
public:
    // Starts caisse-sim (path from the CAISSE_SIM environment variable) on address:65013 with the
    // extra arguments, and waits for its listening line.
    SimProcess(const QString& address, const QStringList& arguments = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool isListening() const { return m_listening; }
    // Everything the simulator logged so far.
    QString log();

private:
    QProcess m_process;
    QString m_log;
    bool m_listening = false;
};
