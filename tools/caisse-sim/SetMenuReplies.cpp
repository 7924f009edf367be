#include "SetMenuReplies.h"

#include "CatalogueText.h"
#include "Dialect.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "ServiceState.h"

namespace sim {

namespace {

// The terminal shows at most 30 set menus; beyond, it reads the count alone to say so.
constexpr int ShownSetMenus = 30;

QString cell(const QString& text, int value)
{
    return QStringLiteral("%1;%2;").arg(text).arg(value);
}

// The option list group the terminal reads from the characters after "ru;": 1-5 for lists 1-5, 7-10 for 6-9
// (group 5 is the recall list).
int optionGroup(int list)
{
    return list <= 5 ? list : list + 1;
}

} // namespace

SetMenuReplies::SetMenuReplies(const Restaurant& restaurant, ServiceState& state, const Dialect& dialect)
    : m_restaurant(restaurant), m_dialect(dialect), m_state(state)
{
}

void SetMenuReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.add(QStringLiteral("af$"), [this](const QString& request) { return af(request); });
    dispatcher.add(QStringLiteral("r$"), [this](const QString& request) { return r(request); });
    dispatcher.add(QStringLiteral("b$"), [this](const QString& request) { return b(request); });
}

QString SetMenuReplies::af(const QString& request) const
{
    const RestaurantCatalogue& catalogue = m_restaurant.catalogue();
    const std::optional<RequestFields::Standard> fields =
        RequestFields::standard(RequestFields::after(request), catalogue);
    if (!fields)
        return QString();
    const Ticket* ticket = m_state.ticket(fields->table, fields->waiter);
    const QList<Ticket::MenuColumn> columns = ticket ? ticket->menuColumns() : QList<Ticket::MenuColumn>();
    QString reply = QStringLiteral("f;%1;").arg(columns.size());
    if (columns.size() > ShownSetMenus)
        return reply;
    for (const Ticket::MenuColumn& column : columns) {
        const Ticket::Line& line = ticket->lines.at(column.line);
        const RestaurantCatalogue::SetMenu* menu = catalogue.setMenu(line.article);
        const Ticket::Composition& composition = line.menus.at(column.unit);
        reply += cell(menu ? menu->name : line.name, line.article);
        const QList<int> rows = menu ? CatalogueText::menuRows(*menu, m_dialect) : QList<int>();
        for (int row = 0; row < RestaurantCatalogue::SetMenuSteps; ++row) {
            const int step = rows.value(row, -1);
            if (!menu || step < 0 || step >= composition.size())
                reply += cell(QStringLiteral("Aucun choix"), 0);
            else if (const std::optional<Ticket::Dish>& dish = composition.at(step))
                reply += cell(dish->name, dish->article);
            else
                reply += cell(RestaurantCatalogue::courseName(menu->steps.at(step).course) + QStringLiteral(" ?"), 0);
        }
    }
    return reply;
}

QString SetMenuReplies::r(const QString& request)
{
    const RestaurantCatalogue& catalogue = m_restaurant.catalogue();
    const std::optional<RequestFields::Standard> fields =
        RequestFields::standard(RequestFields::after(request), catalogue);
    if (!fields)
        return QString();
    const std::optional<int> column = RequestFields::number(fields->rest.value(0), 1, 9999);
    const std::optional<int> line = RequestFields::number(fields->rest.value(1), 2, 7);
    const std::optional<int> position = RequestFields::number(fields->rest.value(2), 0, 9999);
    const bool course = RequestFields::number(fields->rest.value(3), 0, RestaurantCatalogue::Courses).has_value();
    Ticket* ticket = changeable(*fields);
    if (!ticket || !column || !line || !position || !course)
        return QString();
    const std::optional<int> stepIndex = stepOf(*ticket, *column, *line);
    std::optional<Ticket::Dish>* slot = stepIndex ? ticket->menuStep(*column - 1, *stepIndex) : nullptr;
    if (!slot || slot->has_value())
        return QString();
    const RestaurantCatalogue::SetMenu* menu =
        catalogue.setMenu(ticket->lines.at(ticket->menuColumns().at(*column - 1).line).article);
    const RestaurantCatalogue::SetMenuStep& step = menu->steps.at(*stepIndex);
    const RestaurantCatalogue::Product* product =
        *position < step.articles.size() ? catalogue.product(step.articles.at(*position)) : nullptr;
    if (!product)
        return QString();
    // the set menu says which course its step is; the terminal's guess from the dish's courses may differ
    *slot = Ticket::Dish{product->article, product->name, product->kitchenLabel, step.course, {}, false, false};
    ticket->dishChosen(*column - 1, step.course);
    const int options = CatalogueText::offeredOptionList(*product, m_dialect);
    if (options != 0)
        return QStringLiteral("ru;%1;").arg(optionGroup(options));
    return m_dialect.is(Dialect::Choice::DishNoOptions, NoOptions::Empty) ? QString() : QStringLiteral("ru;0");
}

QString SetMenuReplies::b(const QString& request)
{
    const RestaurantCatalogue& catalogue = m_restaurant.catalogue();
    const std::optional<RequestFields::Standard> fields =
        RequestFields::standard(RequestFields::after(request), catalogue);
    if (!fields)
        return QString();
    const bool course = RequestFields::number(fields->rest.value(0), 0, RestaurantCatalogue::Courses).has_value();
    const std::optional<int> column = RequestFields::number(fields->rest.value(1), 1, 9999);
    const std::optional<int> line = RequestFields::number(fields->rest.value(2), 2, 7);
    Ticket* ticket = changeable(*fields);
    if (!ticket || !course || !column || !line)
        return QString();
    const std::optional<int> stepIndex = stepOf(*ticket, *column, *line);
    std::optional<Ticket::Dish>* slot = stepIndex ? ticket->menuStep(*column - 1, *stepIndex) : nullptr;
    if (!slot || !slot->has_value() || (*slot)->sent)
        return QString();
    const RestaurantCatalogue::Product* product = catalogue.product((*slot)->article);
    if (!product)
        return QString();
    (*slot)->options = CatalogueText::offeredOptionList(*product, m_dialect) == 0
                           ? QList<QString>()
                           : catalogue.tickedOptions(*product, RequestFields::choiceFlags(request));
    return QStringLiteral("OK");
}

std::optional<int> SetMenuReplies::stepOf(const Ticket& ticket, int column, int line) const
{
    const QList<Ticket::MenuColumn> columns = ticket.menuColumns();
    if (column < 1 || column > columns.size())
        return std::nullopt;
    const RestaurantCatalogue::SetMenu* menu =
        m_restaurant.catalogue().setMenu(ticket.lines.at(columns.at(column - 1).line).article);
    const int step = menu ? CatalogueText::menuRows(*menu, m_dialect).value(line - 2, -1) : -1;
    return step < 0 ? std::nullopt : std::optional<int>(step);
}

Ticket* SetMenuReplies::changeable(const RequestFields::Standard& fields)
{
    Ticket* ticket = m_state.ticket(fields.table, fields.waiter);
    return ticket && !ticket->finalised ? ticket : nullptr;
}

} // namespace sim
