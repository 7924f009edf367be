#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

class QTcpSocket;

// A port on 127.0.0.1 where connection requests go unanswered, as at a register gone from the network: its waiting
// queue is full, so the system drops every new request and a connect ends only at its timeout.
class UnansweringHost final
{
public:
    UnansweringHost();
    ~UnansweringHost();
    UnansweringHost(const UnansweringHost&) = delete;
    UnansweringHost& operator=(const UnansweringHost&) = delete;

    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    quint16 m_port = 0;
    std::vector<std::unique_ptr<QTcpSocket>> m_queued;
};
