#include "Identification.h"

namespace Identification {

QString codeRequest(int waiter)
{
    return QStringLiteral("code$") + QString::number(waiter) + QLatin1Char('$');
}

QString code1Request(const QString& numserveur, const QString& code)
{
    return QStringLiteral("code1$") + numserveur + QLatin1Char('$') + code + QLatin1Char('$');
}

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
