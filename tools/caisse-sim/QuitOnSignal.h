#pragma once

#include <QObject>

class QSocketNotifier;

namespace sim {

// Ends the event loop on SIGTERM or SIGINT rather than letting the signal kill the process, so that main can
// report before it exits. One at a time in a process.
class QuitOnSignal final : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    static void notify(int signal);

    static int s_pipe[2]; // the handler may only write to a file descriptor; the event loop reads the other end
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sim
