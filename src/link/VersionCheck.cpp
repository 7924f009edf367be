#include "VersionCheck.h"

#include "ReplyText.h"

namespace VersionCheck {

QString secondRequest(const QDateTime& localNow)
{
    static const QDateTime threshold(QDate(2021, 2, 18), QTime(0, 0));
    return localNow < threshold ? QStringLiteral("ve02$") : QStringLiteral("ve04$");
}

FirstReply parseFirstReply(const QString& reply)
{
    const QStringList info = Split(reply, QStringLiteral("~"));
    if (info.size() < 3)
        return {};
    return {true, info.at(1) == QLatin1String("1"), info.at(2)};
}

} // namespace VersionCheck
