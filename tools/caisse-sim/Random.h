#pragma once

#include <QtGlobal>

namespace sim {

// splitmix64: the same numbers from the same seed with every compiler and library, which the standard
// distributions do not promise.
class Random final
{
public:
    explicit Random(quint64 state) : m_state(state) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // in [0, 1)
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // in [min, max]
    int between(int min, int max) { return min + static_cast<int>(next() % static_cast<quint64>(max - min + 1)); }

    // A stream of its own for the rank-th draw of a seed: what one draw consumes never shifts the next.
    static Random stream(quint64 seed, quint64 rank) { return Random(Random(seed).next() ^ Random(rank).next()); }

private:
    quint64 m_state;
};

} // namespace sim
