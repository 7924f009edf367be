#include "CheckReport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace RegisterCheckReport {

namespace {

// nearest rank: the smallest value at or above that share of the values
qint64 percentile(std::vector<qint64> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(share * double(values.size())));
    return values.at(std::clamp<size_t>(rank, 1, values.size()) - 1);
}

} // namespace

Pace paceOf(const QList<RequestPace>& requests)
{
    Pace pace;
    std::vector<qint64> firstBytes;
    std::vector<qint64> lineEnds;
    for (const RequestPace& request : requests) {
        if (request.firstByteMs < 0 || request.lineEndMs < 0)
            continue;
        firstBytes.push_back(request.firstByteMs);
        lineEnds.push_back(request.lineEndMs);
        if (request.lineEndMs >= pace.slowestLineEndMs) {
            pace.slowestLineEndMs = request.lineEndMs;
            pace.slowestRequest = request.text;
        }
        const qint64 waited = std::max<qint64>(0, request.firstByteMs - request.pauseMs);
        pace.longestWaitMs = std::max(pace.longestWaitMs, waited);
        if (waited >= RegisterLink::ReadTimeoutMs)
            ++pace.late;
    }
    for (const RequestPace& request : requests) {
        // nothing came in time, nor in the second read when there is one
        if (request.failure.isEmpty() && !request.answered && request.firstByteMs < 0)
            ++pace.late;
    }
    pace.answered = int(firstBytes.size());
    pace.medianFirstByteMs = percentile(firstBytes, 0.5);
    pace.p95FirstByteMs = percentile(firstBytes, 0.95);
    pace.slowestFirstByteMs = percentile(firstBytes, 1.0);
    pace.medianLineEndMs = percentile(lineEnds, 0.5);
    pace.p95LineEndMs = percentile(lineEnds, 0.95);
    pace.atRisk = pace.late > 0 || pace.longestWaitMs >= RiskMs;
    return pace;
}

int Report::exitCode() const
{
    if (verdict == Verdict::Starts)
        return 0;
    return verdict == Verdict::Unreachable ? 2 : 1;
}

} // namespace RegisterCheckReport
