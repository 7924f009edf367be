#include "UnansweringHost.h"

#include <QTcpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

UnansweringHost::UnansweringHost()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_listener < 0)
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(m_listener, 0) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    // never accepted: these fill the queue
    for (int i = 0; i < 3; ++i) {
        m_queued.push_back(std::make_unique<QTcpSocket>());
        m_queued.back()->connectToHost(QStringLiteral("127.0.0.1"), m_port);
        m_queued.back()->waitForConnected(100);
    }
}

UnansweringHost::~UnansweringHost()
{
    m_queued.clear();
    if (m_listener >= 0)
        ::close(m_listener);
}
