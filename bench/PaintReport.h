#pragma once

#include "MonotonicNow.h"

#include <sys/resource.h>

#include <cstdio>

// The line the start benchmark's programs print once painted: "painted <steady-clock ns> <peak RSS kB> <widgets>",
// the moment, the process's peak memory so far and how many widgets its window holds then.
inline void reportPaintedAt(long long paintedNs, long long widgets)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("painted %lld %ld %lld\n", paintedNs, usage.ru_maxrss, widgets);
    std::fflush(stdout);
}

inline void reportPainted(long long widgets)
{
    reportPaintedAt(monotonicNowNs(), widgets);
}
