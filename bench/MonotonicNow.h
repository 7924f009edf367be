#pragma once

#include <chrono>

// Nanoseconds on the steady clock, which every process of the machine shares: a program's moment can be set
// against the moment another started it.
inline long long monotonicNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
