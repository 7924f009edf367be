#pragma once

#include <QtGlobal>

namespace sim {

// How long the register takes over each reply (--reply-delay): drawn evenly in [min, max] from the seed and the
// rank of the request among all the simulator received, so the same requests in the same order get the same delays.
class ReplyDelay final
{
public:
    static constexpr int MaxMs = 60000;

    ReplyDelay(quint64 seed, int minMs, int maxMs);

    // The delay of the next request received.
    int next();

private:
    quint64 m_seed;
    int m_minMs;
    int m_maxMs;
    quint64 m_requests = 0;
};

} // namespace sim
