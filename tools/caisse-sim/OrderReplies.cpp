#include "OrderReplies.h"

#include "CatalogueText.h"
#include "Dialect.h"
#include "PrinterLog.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "ServiceState.h"
#include "TicketLayout.h"

namespace sim {

namespace {

constexpr int FirstSupplement = RestaurantCatalogue::LastProductArticle + 1; // supplement i is 942 + i

} // namespace

OrderReplies::OrderReplies(const Restaurant& restaurant, ServiceState& state, PrinterLog& printers,
                           const Dialect& dialect)
    : m_restaurant(restaurant), m_dialect(dialect), m_state(state), m_printers(printers)
{
}

void OrderReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.addArticles([this](const QString& request) { return article(request); });
    dispatcher.add(
        QStringLiteral("moinsun$"), [this](const QString& request) { return moinsun(request); },
        RequestDispatcher::Reply::Ticket);
    dispatcher.add(
        QStringLiteral("offreligne$"), [this](const QString& request) { return offreligne(request); },
        RequestDispatcher::Reply::Ticket);
}

QString OrderReplies::article(const QString& request)
{
    const RestaurantCatalogue& catalogue = m_restaurant.catalogue();
    const QStringList fields = RequestFields::split(request);
    const std::optional<RequestFields::Standard> standard = RequestFields::standard(fields.mid(1), catalogue);
    if (!standard)
        return QString();
    const Ticket* current = m_state.ticket(standard->table, standard->waiter);
    if (current && current->finalised)
        return ticketText(*standard);

    const int article = RequestFields::number(fields.value(0), 1, 99999).value_or(0);
    const int supplement = article - FirstSupplement;
    if (supplement >= 0 && supplement < catalogue.supplements.size()) {
        m_state.open(standard->table, standard->waiter, standard->covers)
            .addSupplement(article, catalogue.supplements.at(supplement));
        return ticketText(*standard);
    }
    const RestaurantCatalogue::Product* product = catalogue.product(article);
    const std::optional<int> course = RequestFields::number(standard->rest.value(0), 0, RestaurantCatalogue::Courses);
    if (!product || !course)
        return ticketText(*standard);
    m_state.open(standard->table, standard->waiter, standard->covers)
        .add(*product, *course, options(*product, request), catalogue.setMenu(article));
    return ticketText(*standard);
}

QString OrderReplies::moinsun(const QString& request)
{
    const RestaurantCatalogue& catalogue = m_restaurant.catalogue();
    const std::optional<RequestFields::Standard> standard =
        RequestFields::standard(RequestFields::after(request), catalogue);
    if (!standard)
        return QString();
    Ticket* ticket = m_state.ticket(standard->table, standard->waiter);
    const std::optional<int> line = lineOf(*standard, ticket);
    if (!ticket || ticket->finalised || !line)
        return ticketText(*standard);
    if (const std::optional<QList<KitchenItem>> cancelled = ticket->reduce(*line + 1))
        m_printers.kitchen(QStringLiteral("ANNULATION"),
                           PrinterLog::who(catalogue, standard->table, standard->waiter, ticket->covers), *cancelled);
    return ticketText(*standard);
}

QString OrderReplies::offreligne(const QString& request)
{
    const std::optional<RequestFields::Standard> standard =
        RequestFields::standard(RequestFields::after(request), m_restaurant.catalogue());
    if (!standard)
        return QString();
    Ticket* ticket = m_state.ticket(standard->table, standard->waiter);
    const std::optional<int> line = lineOf(*standard, ticket);
    if (ticket && !ticket->finalised && line)
        ticket->offer(*line + 1);
    return ticketText(*standard);
}

QList<QString> OrderReplies::options(const RestaurantCatalogue::Product& product, const QString& request) const
{
    // flags for a list the register does not offer tick nothing
    if (CatalogueText::offeredOptionList(product, m_dialect) == 0)
        return {};
    return m_restaurant.catalogue().tickedOptions(product, RequestFields::choiceFlags(request));
}

std::optional<int> OrderReplies::lineOf(const RequestFields::Standard& fields, const Ticket* ticket) const
{
    const std::optional<int> rank = RequestFields::number(fields.rest.value(0), 1, 9999);
    if (!ticket || !rank)
        return std::nullopt;
    return TicketLayout::lineOfRank(m_restaurant.catalogue(), fields.table, fields.waiter, ticket, m_dialect, *rank);
}

QString OrderReplies::ticketText(const RequestFields::Standard& fields) const
{
    return TicketLayout::text(m_restaurant.catalogue(), fields.table, fields.waiter,
                              m_state.ticket(fields.table, fields.waiter), m_dialect);
}

} // namespace sim
