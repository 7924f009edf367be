#include "ReplyDelay.h"

#include "Random.h"

namespace sim {

ReplyDelay::ReplyDelay(quint64 seed, int minMs, int maxMs) : m_seed(seed), m_minMs(minMs), m_maxMs(maxMs) {}

int ReplyDelay::next()
{
    return Random::stream(m_seed, m_requests++).between(m_minMs, m_maxMs);
}

} // namespace sim
