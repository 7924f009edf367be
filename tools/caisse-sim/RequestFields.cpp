#include "RequestFields.h"

#include "RestaurantCatalogue.h"

namespace sim {

namespace RequestFields {

QStringList split(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList fields = text.split(QLatin1Char('$'));
    if (text.endsWith(QLatin1Char('$')))
        fields.removeLast();
    return fields;
}

QStringList after(const QString& request)
{
    return split(request).mid(1);
}

std::optional<int> number(const QString& text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<Standard> standard(const QStringList& fields, const RestaurantCatalogue& catalogue)
{
    const std::optional<int> table = number(fields.value(0), 0, RestaurantCatalogue::Tables);
    const std::optional<int> waiter = number(fields.value(2), 1, RestaurantCatalogue::Waiters);
    if (!table || !waiter || (*table != 0 && !catalogue.table(*table)))
        return std::nullopt;
    return Standard{*table, number(fields.value(1), 0, 99).value_or(0), *waiter, fields.mid(3)};
}

QList<bool> choiceFlags(const QString& request)
{
    const qsizetype tilde = request.indexOf(QLatin1Char('~'));
    QList<bool> flags;
    if (tilde < 0)
        return flags;
    for (const QString& entry : split(request.mid(tilde + 1)))
        flags.append(entry == QLatin1String("1"));
    return flags;
}

} // namespace RequestFields

} // namespace sim
