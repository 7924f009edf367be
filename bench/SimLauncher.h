#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The register simulator run as its own process for a benchmark, its log in a file so that a full pipe can
// never block it.
class SimLauncher final
{
public:
    // Starts the simulator on address:65013 with the extra arguments and waits for its listening line;
    // throws std::runtime_error when it does not listen.
    SimLauncher(const QString& program, const QString& address, const QStringList& arguments, const QString& logPath);
    ~SimLauncher();
    SimLauncher(const SimLauncher&) = delete;
    SimLauncher& operator=(const SimLauncher&) = delete;

    // Everything the simulator logged so far.
    QString log() const;

private:
    QProcess m_process;
    QString m_logPath;
};
