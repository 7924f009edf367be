#include "RoomReplies.h"

#include "Dialect.h"
#include "RequestDispatcher.h"
#include "RequestFields.h"
#include "Restaurant.h"
#include "ServiceState.h"
#include "TicketLayout.h"

#include <QStringList>

#include <optional>
#include <set>

namespace sim {

namespace {

using RequestFields::number;

std::optional<int> waiterIn(const QString& text)
{
    return number(text, 1, RestaurantCatalogue::Waiters);
}

} // namespace

RoomReplies::RoomReplies(const Restaurant& restaurant, ServiceState& state, const Dialect& dialect)
    : m_restaurant(restaurant), m_dialect(dialect), m_state(state)
{
}

void RoomReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.add(QStringLiteral("ademandelibre$"), [this](const QString&) { return tables(false); });
    dispatcher.add(QStringLiteral("ademande$"), [this](const QString&) { return tables(true); });
    dispatcher.add(QStringLiteral("couverts$"), [this](const QString& request) { return couverts(request); });
    dispatcher.add(QStringLiteral("envcouverts$"), [this](const QString& request) { return envcouverts(request); });
    dispatcher.add(QStringLiteral("tableocc"), [this](const QString&) { return tableocc(); });
    dispatcher.add(
        QStringLiteral("ad$"), [this](const QString& request) { return ad(request); },
        RequestDispatcher::Reply::Ticket);
}

QString RoomReplies::tables(bool occupied) const
{
    std::set<int> numbers;
    for (const RestaurantCatalogue::Room& room : m_restaurant.catalogue().rooms) {
        for (const RestaurantCatalogue::Table& table : room.tables) {
            if (m_state.isOpen(table.number) == occupied)
                numbers.insert(table.number);
        }
    }
    QString reply;
    for (const int table : numbers)
        reply += QString::number(table) + QLatin1Char(';');
    return reply;
}

// "couverts$T$", "couverts$T$W$" and "couverts$T$N$W$": the table comes first, the waiter last.
QString RoomReplies::couverts(const QString& request) const
{
    const QStringList fields = RequestFields::after(request);
    const std::optional<int> table = number(fields.value(0), 0, RestaurantCatalogue::Tables);
    if (!table)
        return QString();
    if (*table == 0) {
        const std::optional<int> waiter = fields.size() >= 2 ? waiterIn(fields.constLast()) : std::nullopt;
        return waiter ? QString::number(m_state.covers(0, *waiter)) : QString();
    }
    return hasTable(*table) ? QString::number(m_state.covers(*table, 0)) : QString();
}

QString RoomReplies::envcouverts(const QString& request)
{
    const QStringList fields = RequestFields::after(request);
    const std::optional<int> table = number(fields.value(0), 0, RestaurantCatalogue::Tables);
    const std::optional<int> waiter = waiterIn(fields.value(2));
    if (!table || !waiter || (*table != 0 && !hasTable(*table)))
        return QString();
    // a count the register cannot take leaves the recorded one, which it gives back
    if (const std::optional<int> covers = number(fields.value(1), 0, 99))
        m_state.setCovers(*table, *waiter, *covers);
    return QString::number(m_state.covers(*table, *waiter));
}

QString RoomReplies::tableocc() const
{
    QStringList occupied;
    QStringList billed;
    QStringList waiting;
    for (int table = 1; table <= RestaurantCatalogue::Tables; ++table) {
        const ServiceState::Ticket* ticket = hasTable(table) ? m_state.ticket(table, 0) : nullptr;
        occupied << QString::number(ticket ? 1 : 0);
        billed << QString::number(ticket && (ticket->proforma || ticket->finalised) ? 1 : 0);
        waiting << QString::number(ticket && ticket->waitingForKitchen() ? 1 : 0);
    }
    const QString separator = QStringLiteral(";");
    return QStringList{occupied.join(separator), billed.join(separator), waiting.join(separator)}.join(
        QLatin1Char('U'));
}

QString RoomReplies::ad(const QString& request) const
{
    const QStringList fields = RequestFields::after(request);
    const std::optional<int> table = number(fields.value(0), 0, RestaurantCatalogue::Tables);
    if (!table)
        return QString();
    if (*table == 0) {
        const std::optional<int> waiter = waiterIn(fields.value(2));
        if (!waiter)
            return QString();
        return TicketLayout::text(m_restaurant.catalogue(), 0, *waiter, m_state.ticket(0, *waiter), m_dialect);
    }
    if (!hasTable(*table))
        return QString();
    return TicketLayout::text(m_restaurant.catalogue(), *table, 0, m_state.ticket(*table, 0), m_dialect);
}

bool RoomReplies::hasTable(int table) const
{
    return m_restaurant.catalogue().table(table) != nullptr;
}

} // namespace sim
