#include "ClosingReplies.h"

#include "CatalogueText.h"
#include "PrinterLog.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "ServiceState.h"
#include "TicketLayout.h"

#include <algorithm>

namespace sim {

namespace {

const QString Done = QStringLiteral("OK");

// The terminal shows the first two words after "A régler: ".
QString amount(int cents)
{
    return TicketLayout::euros(cents) + QStringLiteral(" EUR");
}

} // namespace

ClosingReplies::ClosingReplies(const Restaurant& restaurant, ServiceState& state, PrinterLog& printers,
                               const Dialect& dialect)
    : m_restaurant(restaurant), m_dialect(dialect), m_state(state), m_printers(printers)
{
}

void ClosingReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.add(QStringLiteral("ntotal$"), [this](const QString& request) { return ntotal(request); });
    for (const QString& mode :
         {QStringLiteral("cb$"), QStringLiteral("ch$"), QStringLiteral("ba$"), QStringLiteral("es$")})
        dispatcher.add(mode, [this](const QString& request) { return payment(request); });
    dispatcher.add(QStringLiteral("AN$"), [this](const QString& request) { return proforma(request); });
    dispatcher.add(QStringLiteral("adc$"), [this](const QString& request) { return message(request, false); });
    dispatcher.add(QStringLiteral("adi$"), [this](const QString& request) { return message(request, true); });
}

QString ClosingReplies::ntotal(const QString& request)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    Ticket* ticket = m_state.ticket(fields->table, fields->waiter);
    if (!ticket)
        return amount(0);
    if (ticket->finalised)
        return QStringLiteral("total;0;");
    ticket->finalised = true;
    m_printers.bill(QStringLiteral("NOTE"), who(*fields), ticketText(*fields));
    return amount(ticket->total());
}

QString ClosingReplies::payment(const QString& request)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    const QString caption =
        CatalogueText::paymentCaption(m_restaurant.catalogue(), m_dialect, RequestDispatcher::keyword(request));
    const Ticket* ticket = m_state.ticket(fields->table, fields->waiter);
    // the terminal hides a mode the register does not take: one asked for anyway is refused
    if (!ticket || caption.isEmpty())
        return QString();
    m_printers.bill(QStringLiteral("TICKET"), who(*fields), ticketText(*fields),
                    QStringLiteral("%1 %2").arg(caption, amount(ticket->total())));
    m_state.close(fields->table, fields->waiter);
    return Done;
}

QString ClosingReplies::proforma(const QString& request)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    Ticket* ticket = m_state.ticket(fields->table, fields->waiter);
    if (!ticket || ticket->lines.isEmpty())
        return QStringLiteral("NOAN");
    ticket->proforma = true;
    m_printers.bill(QStringLiteral("PRO FORMA"), who(*fields), ticketText(*fields));
    return Done;
}

// The text is everything after the waiter's field, sent as typed: a "$" in it is no separator.
QString ClosingReplies::message(const QString& request, bool toPrinters)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    qsizetype end = -1;
    for (int separator = 0; separator < 4; ++separator) {
        end = request.indexOf(QLatin1Char('$'), end + 1);
        if (end < 0)
            return Done; // no text field at all
    }
    QString text = request.mid(end + 1);
    if (text.endsWith(QLatin1Char('$')))
        text.chop(1);
    // an empty box is sent too; there is nothing to print
    if (text.isEmpty())
        return Done;
    if (toPrinters)
        m_printers.message(who(*fields), text);
    else
        m_printers.screen(who(*fields), text);
    return Done;
}

std::optional<RequestFields::Standard> ClosingReplies::standard(const QString& request) const
{
    return RequestFields::standard(RequestFields::after(request), m_restaurant.catalogue());
}

QString ClosingReplies::who(const RequestFields::Standard& fields) const
{
    const Ticket* ticket = m_state.ticket(fields.table, fields.waiter);
    return PrinterLog::who(m_restaurant.catalogue(), fields.table, fields.waiter,
                           ticket ? ticket->covers : fields.covers);
}

QString ClosingReplies::ticketText(const RequestFields::Standard& fields) const
{
    return TicketLayout::text(m_restaurant.catalogue(), fields.table, fields.waiter,
                              m_state.ticket(fields.table, fields.waiter), m_dialect);
}

} // namespace sim
