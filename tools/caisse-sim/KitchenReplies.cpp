#include "KitchenReplies.h"

#include "Dialect.h"
#include "PrinterLog.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "ServiceState.h"

namespace sim {

namespace {

const QString Done = QStringLiteral("OK");

} // namespace

KitchenReplies::KitchenReplies(const Restaurant& restaurant, ServiceState& state, PrinterLog& printers,
                               const Dialect& dialect)
    : m_restaurant(restaurant), m_dialect(dialect), m_state(state), m_printers(printers)
{
}

void KitchenReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.add(QStringLiteral("demanderang$"), [this](const QString& request) { return demanderang(request); });
    dispatcher.add(QStringLiteral("ec$"), [this](const QString& request) { return ec(request); });
    dispatcher.add(QStringLiteral("retour$"), [this](const QString& request) { return retour(request); });
    dispatcher.add(QStringLiteral("rc$"), [this](const QString& request) { return rc(request); });
    dispatcher.add(QStringLiteral("suitesss$"), [this](const QString& request) { return suitesss(request); });
    dispatcher.add(QStringLiteral("su$"), [this](const QString& request) { return su(request); });
}

QString KitchenReplies::demanderang(const QString& request) const
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    QString courses;
    if (const Ticket* ticket = m_state.ticket(fields->table, fields->waiter)) {
        for (const int course : ticket->waitingCourses()) {
            if (course != 0)
                courses += QString::number(course) + QLatin1Char('$');
        }
    }
    // "0" stands first for everything at once, so one course waiting makes two fields and is sent at once; a
    // register may leave it out, or answer with nothing when nothing waits
    switch (m_dialect.value(Dialect::Choice::DispatchReply)) {
    case Dispatch::AllFirstEmpty:
        return courses.isEmpty() ? QString() : QStringLiteral("0$") + courses;
    case Dispatch::CoursesOnly:
        return courses;
    default:
        return QStringLiteral("0$") + courses;
    }
}

QString KitchenReplies::ec(const QString& request)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    const std::optional<int> course =
        fields ? RequestFields::number(fields->rest.value(0), 0, RestaurantCatalogue::Courses) : std::nullopt;
    if (!course)
        return QString();
    if (Ticket* ticket = m_state.ticket(fields->table, fields->waiter))
        m_printers.kitchen(QStringLiteral("COMMANDE"), who(*fields, ticket), ticket->send(*course));
    return Done;
}

QString KitchenReplies::retour(const QString& request) const
{
    return standard(request) ? Done : QString();
}

QString KitchenReplies::rc(const QString& request)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    const QList<QString>& recallMessages = m_restaurant.catalogue().recallMessages;
    const QList<bool> ticks = RequestFields::choiceFlags(request);
    QList<QString> messages;
    for (qsizetype i = 0; i < recallMessages.size() && i < ticks.size(); ++i) {
        if (ticks.at(i))
            messages.append(recallMessages.at(i));
    }
    // the course is that of the article added last: it only heads the printout
    const int course = RequestFields::number(fields->rest.value(0), 0, RestaurantCatalogue::Courses).value_or(0);
    m_printers.recall(who(*fields, m_state.ticket(fields->table, fields->waiter)), course, messages);
    return Done;
}

// The table and the waiter only: "suitesss$12$3$".
QString KitchenReplies::suitesss(const QString& request) const
{
    const QStringList after = RequestFields::after(request);
    const std::optional<RequestFields::Standard> fields =
        RequestFields::standard({after.value(0), QString(), after.value(1)}, m_restaurant.catalogue());
    if (!fields)
        return QString();
    if (!m_printers.hasPreparationPrinters())
        return QStringLiteral("nook");
    const Ticket* ticket = m_state.ticket(fields->table, fields->waiter);
    if (!ticket)
        return QString();
    QStringList entries;
    // the third field always ends with ";", so that even an empty one is a field
    for (const KitchenItem& item : ticket->nextCourses())
        entries.append(QStringLiteral("%1;%2;%3;")
                           .arg(item.quantity)
                           .arg(item.article)
                           .arg(item.options.join(QStringLiteral(", "))));
    return entries.join(QLatin1Char('~'));
}

QString KitchenReplies::su(const QString& request)
{
    const std::optional<RequestFields::Standard> fields = standard(request);
    if (!fields)
        return QString();
    if (Ticket* ticket = m_state.ticket(fields->table, fields->waiter))
        m_printers.kitchen(QStringLiteral("SUITE"), who(*fields, ticket),
                           ticket->claim(RequestFields::choiceFlags(request)));
    return Done;
}

std::optional<RequestFields::Standard> KitchenReplies::standard(const QString& request) const
{
    return RequestFields::standard(RequestFields::after(request), m_restaurant.catalogue());
}

QString KitchenReplies::who(const RequestFields::Standard& fields, const Ticket* ticket) const
{
    return PrinterLog::who(m_restaurant.catalogue(), fields.table, fields.waiter,
                           ticket ? ticket->covers : fields.covers);
}

} // namespace sim
