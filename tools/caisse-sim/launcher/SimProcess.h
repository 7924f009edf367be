#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct SimProcessOptions
{
    QString program;     // the simulator; empty: the CAISSE_SIM environment variable
    QString logPath;     // empty: a file of its own, removed with it
    int startMs = 10000; // how long it may take to report that it listens
};

// The register simulator run as its own process, the way a restaurant runs it: for the end-to-end tests and the
// benchmarks. Its log goes to a file, so that a full pipe can never block it.
class SimProcess final
{
public:
    using Options = SimProcessOptions;

    // Starts the simulator on address with the extra arguments and waits for its listening line.
    explicit SimProcess(const QString& address, const QStringList& arguments = {}, const Options& options = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool isListening() const { return m_port != 0; }
    // The port it listens on, as it reported it ("--port 0" picks a free one); 0 when it does not listen.
    quint16 port() const { return m_port; }
    // Everything the simulator logged so far.
    QString log() const;

private:
    QTemporaryDir m_folder;
    QString m_logPath;
    QProcess m_process;
    quint16 m_port = 0;
};
