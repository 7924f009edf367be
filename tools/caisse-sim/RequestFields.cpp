#include "RequestFields.h"

#include "RestaurantCatalogue.h"

#include "link/ReplyText.h"

namespace RequestFields {

QStringList after(const QString& request)
{
    return Split(request, QStringLiteral("$")).mid(1);
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
    const std::optional<int> table = number(field(fields, 0), 0, RestaurantCatalogue::Tables);
    const std::optional<int> waiter = number(field(fields, 2), 1, RestaurantCatalogue::Waiters);
    if (!table || !waiter || (*table != 0 && !catalogue.table(*table)))
        return std::nullopt;
    return Standard{*table, number(field(fields, 1), 0, 99).value_or(0), *waiter, fields.mid(3)};
}

QList<bool> choiceFlags(const QString& request)
{
    const qsizetype tilde = request.indexOf(QLatin1Char('~'));
    QList<bool> flags;
    if (tilde < 0)
        return flags;
    for (const QString& entry : Split(request.mid(tilde + 1), QStringLiteral("$")))
        flags.append(entry == QLatin1String("1"));
    return flags;
}

} // namespace RequestFields
