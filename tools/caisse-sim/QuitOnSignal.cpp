#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {

int QuitOnSignal::s_pipe[2] = {-1, -1};

QuitOnSignal::QuitOnSignal(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pipe) != 0)
        return; // the signals keep their default action
    m_notifier = new QSocketNotifier(s_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [] {
        char signal = 0;
        [[maybe_unused]] const ssize_t read = ::read(s_pipe[1], &signal, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = &QuitOnSignal::notify;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal()
{
    if (!m_notifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
}

void QuitOnSignal::notify(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[0], &byte, 1);
}

} // namespace sim
