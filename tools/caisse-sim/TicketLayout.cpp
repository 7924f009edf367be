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

QList<LaidLine> layout(const RestaurantCatalogue& catalogue, int table, int waiter, const ServiceState::Ticket* ticket,
                       const Dialect& dialect)
{
    using Choice = Dialect::Choice;
    const QString rule(Width, QLatin1Char('-'));
    const QString heading = title(catalogue, table, waiter);
    const int covers = ticket ? ticket->covers : 0;
    QList<LaidLine> lines;
    if (dialect.is(Choice::TicketHeader, Header::Several)) {
        lines.append({catalogue.name.toUpper()});
        lines.append({heading});
        if (covers > 0)
            lines.append({QStringLiteral("%1 couverts").arg(covers)});
        lines.append({QString()});
    } else if (covers > 0) {
        const QString count = QStringLiteral("%1 couverts").arg(covers);
        lines.append({heading.left(Width - int(count.size()) - 1).leftJustified(Width - int(count.size())) + count});
    } else {
        lines.append({heading});
    }
    lines.append({rule});
    const bool starred = dialect.is(Choice::TicketComments, Comments::Starred);
    const auto under = [starred](const QString& text, int depth) {
        return starred ? QString(2 * depth, QLatin1Char(' ')) + QStringLiteral("* ") + text : indented(text, 2 * depth);
    };
    if (ticket) {
        for (int index = 0; index < ticket->lines.size(); ++index) {
            const ServiceState::Line& line = ticket->lines.at(index);
            const QString name = line.supplement ? QStringLiteral("+ ") + line.name : line.name;
            const QString amount = line.offered ? QStringLiteral("offert") : euros(line.quantity * line.unitPrice);
            const bool zero = line.offered && dialect.is(Choice::TicketOffered, Offered::ZeroQuantity);
            const QString quantity = zero ? QStringLiteral("0") : QString::number(line.quantity);
            const QString shownName = dialect.is(Choice::TicketNames, Names::Whole) && name.size() >= NameWidth
                                          ? name + QLatin1Char(' ')
                                          : name.left(NameWidth - 1).leftJustified(NameWidth);
            lines.append({quantity.leftJustified(QuantityWidth) + shownName + amount.rightJustified(AmountWidth),
                          zero ? -1 : index});
            for (const QString& comment : line.comments)
                lines.append({under(comment, 0)});
            for (const Ticket::Composition& composition : line.menus) {
                for (const std::optional<Ticket::Dish>& dish : composition) {
                    if (!dish)
                        continue;
                    lines.append({under(QStringLiteral("- ") + dish->name, 0)});
                    for (const QString& option : dish->options)
                        lines.append({under(option, 1)});
                }
            }
            if (dialect.is(Choice::TicketBlanks, Blanks::Between))
                lines.append({QString()});
        }
    }
    if (ticket && !ticket->lines.isEmpty())
        lines.append({rule});
    lines.append({QStringLiteral("TOTAL") + euros(ticket ? ticket->total() : 0).rightJustified(Width - 5)});
    return lines;
}

QString text(const RestaurantCatalogue& catalogue, int table, int waiter, const ServiceState::Ticket* ticket,
             const Dialect& dialect)
{
    QStringList texts;
    for (const LaidLine& line : layout(catalogue, table, waiter, ticket, dialect))
        texts.append(line.text);
    return texts.join(QLatin1Char('~'));
}

std::optional<int> lineOfRank(const RestaurantCatalogue& catalogue, int table, int waiter,
                              const ServiceState::Ticket* ticket, const Dialect& dialect, int rank)
{
    int counted = 0;
    for (const LaidLine& line : layout(catalogue, table, waiter, ticket, dialect)) {
        if (line.text.isEmpty() || line.text.at(0) < QLatin1Char('1') || line.text.at(0) > QLatin1Char('9'))
            continue;
        if (++counted == rank)
            return line.line < 0 ? std::nullopt : std::optional<int>(line.line);
    }
    return std::nullopt;
}

} // namespace TicketLayout

} // namespace sim
