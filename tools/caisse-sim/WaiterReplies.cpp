#include "WaiterReplies.h"

#include "RequestDispatcher.h"
#include "Restaurant.h"

#include "link/ReplyText.h"
#include "waiters/Identification.h"

namespace {

const RestaurantCatalogue::Waiter* waiterOf(const Restaurant& restaurant, const QString& request)
{
    bool ok = false;
    const int number = field(Split(request, QStringLiteral("$")), 1).toInt(&ok);
    return ok ? restaurant.catalogue().waiter(number) : nullptr;
}

} // namespace

WaiterReplies::WaiterReplies(const Restaurant& restaurant) : m_restaurant(restaurant) {}

void WaiterReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.add(QStringLiteral("code$"), [this](const QString& request) { return code(request); });
    dispatcher.add(QStringLiteral("code1$"), [this](const QString& request) { return code1(request); });
}

QString WaiterReplies::code(const QString& request) const
{
    const RestaurantCatalogue::Waiter* waiter = waiterOf(m_restaurant, request);
    if (!waiter)
        return QString();
    if (!waiter->clockedIn)
        return Identification::MustClockIn;
    return waiter->code.isEmpty() ? QStringLiteral("code;0;") : Identification::CodeRequired;
}

QString WaiterReplies::code1(const QString& request) const
{
    const RestaurantCatalogue::Waiter* waiter = waiterOf(m_restaurant, request);
    if (!waiter)
        return QString();
    const QString typed = field(Split(request, QStringLiteral("$")), 2);
    const bool accepted = waiter->clockedIn && !waiter->code.isEmpty() && typed == waiter->code;
    return accepted ? Identification::CodeAccepted : QStringLiteral("code1;0;");
}
