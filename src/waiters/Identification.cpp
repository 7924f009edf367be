#include "Identification.h"

namespace Identification {

WaiterReply readWaiterReply(const QString& reply)
{
    if (reply.isEmpty())
        return WaiterReply::None;
    if (reply == MustClockIn)
        return WaiterReply::MustClockIn;
    if (reply == CodeRequired)
        return WaiterReply::CodeRequired;
    return WaiterReply::MayWork;
}

bool codeAccepted(const QString& reply)
{
    return reply == CodeAccepted;
}

} // namespace Identification
