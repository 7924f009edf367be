#include "WaiterReplies.h"

#include "RequestDispatcher.h"
#include "RequestFields.h"
#include "Restaurant.h"

namespace sim {

namespace {

const RestaurantCatalogue::Waiter* waiterOf(const Restaurant& restaurant, const QString& request)
{
    bool ok = false;
    const int number = RequestFields::split(request).value(1).toInt(&ok);
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
        return QStringLiteral("Travail");
    return waiter->code.isEmpty() ? QStringLiteral("code;0;") : QStringLiteral("code;1;");
}

QString WaiterReplies::code1(const QString& request) const
{
    const RestaurantCatalogue::Waiter* waiter = waiterOf(m_restaurant, request);
    if (!waiter)
        return QString();
    const QString typed = RequestFields::split(request).value(2);
    const bool accepted = waiter->clockedIn && !waiter->code.isEmpty() && typed == waiter->code;
    return accepted ? QStringLiteral("code1;1;") : QStringLiteral("code1;0;");
}

} // namespace sim
