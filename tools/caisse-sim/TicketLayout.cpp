#include "TicketLayout.h"

#include <QStringList>

#include <cstdlib>

namespace sim {

namespace TicketLayout {

namespace {

// a line under an article: never a digit first, so the terminal does not count it as an article line
QString indented(const QString& text, int more)
{
    return (QString(QuantityWidth + more, QLatin1Char(' ')) + text).left(Width);
}

} // namespace

QString euros(int cents)
{
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const int value = std::abs(cents);
    return sign + QString::number(value / 100) + QLatin1Char(',') +
           QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
}

QString title(const RestaurantCatalogue& catalogue, int table, int waiter)
{
    if (table != 0)
        return QStringLiteral("Table %1").arg(table);
    const RestaurantCatalogue::Waiter* known = catalogue.waiter(waiter);
    return QStringLiteral("Compte ") + (known ? known->name : QStringLiteral("serveur %1").arg(waiter));
}

QString text(const QString& title, const ServiceState::Ticket* ticket)
{
    const QString rule(Width, QLatin1Char('-'));
    QStringList lines;
    QString header = title;
    if (ticket && ticket->covers > 0) {
        const QString covers = QStringLiteral("%1 couverts").arg(ticket->covers);
        header = title.left(Width - int(covers.size()) - 1).leftJustified(Width - int(covers.size())) + covers;
    }
    lines << header << rule;
    if (ticket) {
        for (const ServiceState::Line& line : ticket->lines) {
            const QString name = line.supplement ? QStringLiteral("+ ") + line.name : line.name;
            const QString amount = line.offered ? QStringLiteral("offert") : euros(line.quantity * line.unitPrice);
            lines << QString::number(line.quantity).leftJustified(QuantityWidth) +
                         name.left(NameWidth - 1).leftJustified(NameWidth) + amount.rightJustified(AmountWidth);
            for (const QString& comment : line.comments)
                lines << indented(comment, 0);
            for (const Ticket::Composition& composition : line.menus) {
                for (const std::optional<Ticket::Dish>& dish : composition) {
                    if (!dish)
                        continue;
                    lines << indented(QStringLiteral("- ") + dish->name, 0);
                    for (const QString& option : dish->options)
                        lines << indented(option, 2);
                }
            }
        }
    }
    if (ticket && !ticket->lines.isEmpty())
        lines << rule;
    lines << QStringLiteral("TOTAL") + euros(ticket ? ticket->total() : 0).rightJustified(Width - 5);
    return lines.join(QLatin1Char('~'));
}

} // namespace TicketLayout

} // namespace sim
