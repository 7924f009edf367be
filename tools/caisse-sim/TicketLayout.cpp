#include "TicketLayout.h"

#include <QStringList>

#include <cstdlib>

namespace TicketLayout {

QString euros(int cents)
{
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const int value = std::abs(cents);
    return sign + QString::number(value / 100) + QLatin1Char(',') +
           QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
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
    int total = 0;
    if (ticket) {
        for (const ServiceState::Line& line : ticket->lines) {
            const int amount = line.quantity * line.unitPrice;
            total += amount;
            lines << QString::number(line.quantity).leftJustified(QuantityWidth) +
                         line.name.left(NameWidth - 1).leftJustified(NameWidth) +
                         euros(amount).rightJustified(AmountWidth);
            for (const QString& comment : line.comments)
                lines << (QString(QuantityWidth, QLatin1Char(' ')) + comment).left(Width);
        }
    }
    if (ticket && !ticket->lines.isEmpty())
        lines << rule;
    lines << QStringLiteral("TOTAL") + euros(total).rightJustified(Width - 5);
    return lines.join(QLatin1Char('~'));
}

} // namespace TicketLayout
