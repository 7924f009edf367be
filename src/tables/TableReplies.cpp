#include "TableReplies.h"

#include "link/ReplyText.h"
#include "session/Limits.h"

#include <algorithm>

namespace TableReplies {

QStringList tableList(const QString& reply)
{
    QStringList tables;
    // the register may or may not end its list with ";": the appended one closes it either way
    for (const QString& table : Split(reply + QLatin1Char(';'), QStringLiteral(";"))) {
        if (table.isEmpty())
            break;
        const bool blank = std::any_of(table.cbegin(), table.cend(), [](QChar c) { return c.isSpace(); });
        if (!blank && fitsRequestField(table))
            tables.append(table);
    }
    return tables;
}

QString tableOfItem(const QString& itemText)
{
    return field(Split(itemText, QStringLiteral(" ")), 1);
}

QString headerFromList(const QString& name, const QString& numserveur, const QString& numtable,
                       const QString& nbcouverts)
{
    if (numtable == QLatin1String("0"))
        return name + QLatin1Char(' ') + numserveur + QStringLiteral(" Aucune Table");
    if (nbcouverts == QLatin1String("0"))
        return name + QStringLiteral(" Table ") + numtable;
    return name + QStringLiteral(" Table ") + numtable + QLatin1Char(' ') + nbcouverts + QStringLiteral("Couv");
}

QString headerFromPlan(const QString& numserveur, const QString& numtable, const QString& nbcouverts)
{
    QString header = QStringLiteral("Serveur ") + numserveur + QStringLiteral(" Table ") + numtable;
    if (nbcouverts == QLatin1String("0"))
        return header;
    return header + QLatin1Char(' ') + nbcouverts + QStringLiteral("Couv");
}

bool isCoversCount(const QString& reply)
{
    return std::all_of(reply.cbegin(), reply.cend(), [](QChar c) { return c.isDigit() && c.unicode() < 0x80; });
}

CoversReply coversReply(const QString& reply)
{
    const QString text = reply.trimmed();
    const bool digits = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                                       [](QChar c) { return c.isDigit() && c.unicode() < 0x80; });
    if (!digits)
        return {};
    bool fits = false;
    const int count = text.toInt(&fits);
    if (!fits || count > Limits::MaxCovers)
        return {CoversReply::Kind::TooMany, 0};
    return {CoversReply::Kind::Entry, count};
}

TableStates tableStates(const QString& reply)
{
    TableStates states;
    const QStringList groups = Split(reply, QStringLiteral("U"));
    for (int g = 0; g < TableStates::Groups; ++g) {
        const QStringList flags = Split(field(groups, g), QStringLiteral(";"));
        for (int table = 0; table < Limits::Tables; ++table)
            states.flags.at(g).at(table) = field(flags, table) == QLatin1String("1");
    }
    return states;
}

} // namespace TableReplies
