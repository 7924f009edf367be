#include "Ticket.h"

#include <algorithm>

namespace sim {

namespace {

constexpr int MaxQuantity = 99; // the ticket's quantity column holds two digits

QString labelOf(const QString& kitchenLabel, const QString& name)
{
    return kitchenLabel.isEmpty() ? name : kitchenLabel;
}

KitchenItem itemOf(const Ticket::Line& line, int quantity)
{
    return {line.article, line.course, quantity, labelOf(line.kitchenLabel, line.name), line.comments, line.supplement};
}

KitchenItem itemOf(const Ticket::Dish& dish)
{
    return {dish.article, dish.course, 1, labelOf(dish.kitchenLabel, dish.name), dish.options, false};
}

// One thing the kitchen prepares: a line, or a dish of a set menu line.
struct KitchenEntry
{
    Ticket::Line* line;
    Ticket::Dish* dish; // null for the line itself

    bool sent() const { return dish ? dish->sent : line->sent; }
    int course() const { return dish ? dish->course : line->course; }
    KitchenItem item() const { return dish ? itemOf(*dish) : itemOf(*line, line->quantity); }
};

QList<KitchenEntry> kitchenEntries(QList<Ticket::Line>& lines)
{
    QList<KitchenEntry> entries;
    for (Ticket::Line& line : lines) {
        if (line.menus.isEmpty()) {
            entries.append({&line, nullptr});
            continue;
        }
        for (Ticket::Composition& composition : line.menus) {
            for (std::optional<Ticket::Dish>& slot : composition) {
                if (slot)
                    entries.append({&line, &*slot});
            }
        }
    }
    return entries;
}

// The entries the next-course request offers, by course: the kitchen has them and waits for the word.
QList<KitchenEntry> heldEntries(QList<Ticket::Line>& lines)
{
    QList<KitchenEntry> held;
    for (const KitchenEntry& entry : kitchenEntries(lines)) {
        const bool claimed = entry.dish ? entry.dish->claimed : entry.line->claimed;
        if (entry.sent() && !claimed && entry.course() != 1 && !entry.line->supplement)
            held.append(entry);
    }
    std::stable_sort(held.begin(), held.end(),
                     [](const KitchenEntry& a, const KitchenEntry& b) { return a.course() < b.course(); });
    return held;
}

} // namespace

Ticket::Line Ticket::lineFor(const RestaurantCatalogue::Product& product, int course, const QList<QString>& options,
                             const RestaurantCatalogue::SetMenu* menu)
{
    Line line;
    line.article = product.article;
    line.name = product.name;
    line.unitPrice = product.price;
    line.comments = options;
    line.kitchenLabel = product.kitchenLabel;
    line.course = course;
    line.sent = menu != nullptr;
    if (menu)
        line.menus.append(Composition(menu->steps.size()));
    return line;
}

void Ticket::add(const RestaurantCatalogue::Product& product, int course, const QList<QString>& options,
                 const RestaurantCatalogue::SetMenu* menu)
{
    m_lastCourse = course;
    for (int i = 0; i < lines.size() && !menu; ++i) {
        Line& line = lines[i];
        const bool hasSupplements = i + 1 < lines.size() && lines.at(i + 1).supplement;
        if (line.article == product.article && !line.sent && !line.offered && !line.supplement &&
            line.course == course && line.comments == options && line.quantity < MaxQuantity && !hasSupplements) {
            ++line.quantity;
            m_lastLine = i;
            return;
        }
    }
    lines.append(lineFor(product, course, options, menu));
    m_lastLine = int(lines.size()) - 1;
}

void Ticket::addSupplement(int article, const RestaurantCatalogue::Supplement& supplement)
{
    int at = int(lines.size());
    int course = 0;
    if (m_lastLine >= 0) {
        at = m_lastLine + 1;
        course = m_lastCourse;
        for (; at < lines.size() && lines.at(at).supplement; ++at) {
            Line& same = lines[at];
            if (same.article == article && !same.sent && !same.offered && same.course == course &&
                same.quantity < MaxQuantity) {
                ++same.quantity;
                return;
            }
        }
    }
    Line line;
    line.article = article;
    line.name = supplement.name;
    line.unitPrice = supplement.price;
    line.sent = false;
    line.course = course;
    line.supplement = true;
    lines.insert(at, line);
    if (m_lastLine >= at)
        ++m_lastLine;
}

std::optional<QList<KitchenItem>> Ticket::reduce(int rank)
{
    if (rank < 1 || rank > lines.size())
        return std::nullopt;
    const int index = rank - 1;
    Line& line = lines[index];
    QList<KitchenItem> cancelled;
    if (!line.menus.isEmpty()) {
        for (const std::optional<Dish>& dish : line.menus.takeLast()) {
            if (dish && dish->sent)
                cancelled.append(itemOf(*dish));
        }
    } else if (line.sent) {
        cancelled.append(itemOf(line, 1));
    }
    if (--line.quantity > 0)
        return cancelled;
    int end = index + 1;
    for (; !line.supplement && end < lines.size() && lines.at(end).supplement; ++end) {
        if (lines.at(end).sent)
            cancelled.append(itemOf(lines.at(end), lines.at(end).quantity));
    }
    removeLines(index, end - index);
    return cancelled;
}

bool Ticket::offer(int rank)
{
    if (rank < 1 || rank > lines.size())
        return false;
    lines[rank - 1].offered = true;
    return true;
}

int Ticket::total() const
{
    int cents = 0;
    for (const Line& line : lines) {
        if (!line.offered)
            cents += line.quantity * line.unitPrice;
    }
    return cents;
}

bool Ticket::waitingForKitchen() const
{
    return !waitingCourses().isEmpty();
}

QList<int> Ticket::waitingCourses() const
{
    QList<Line> copy = lines; // the entries point into the lines they are read from
    QList<int> courses;
    for (const KitchenEntry& entry : kitchenEntries(copy)) {
        if (!entry.sent() && !courses.contains(entry.course()))
            courses.append(entry.course());
    }
    std::sort(courses.begin(), courses.end());
    return courses;
}

QList<KitchenItem> Ticket::send(int course)
{
    QList<KitchenItem> sent;
    for (const KitchenEntry& entry : kitchenEntries(lines)) {
        if (entry.sent() || (course != 0 && entry.course() != course))
            continue;
        sent.append(entry.item());
        (entry.dish ? entry.dish->sent : entry.line->sent) = true;
    }
    return sent;
}

QList<KitchenItem> Ticket::nextCourses() const
{
    QList<Line> copy = lines; // the entries point into the lines they are read from
    QList<KitchenItem> items;
    for (const KitchenEntry& entry : heldEntries(copy))
        items.append(entry.item());
    return items;
}

QList<KitchenItem> Ticket::claim(const QList<bool>& ticks)
{
    const QList<KitchenEntry> held = heldEntries(lines);
    QList<KitchenItem> claimed;
    for (int i = 0; i < held.size() && i < ticks.size(); ++i) {
        if (!ticks.at(i))
            continue;
        claimed.append(held.at(i).item());
        (held.at(i).dish ? held.at(i).dish->claimed : held.at(i).line->claimed) = true;
    }
    return claimed;
}

QList<Ticket::MenuColumn> Ticket::menuColumns() const
{
    QList<MenuColumn> columns;
    for (int line = 0; line < lines.size(); ++line) {
        for (int unit = 0; unit < lines.at(line).menus.size(); ++unit)
            columns.append({line, unit});
    }
    return columns;
}

std::optional<Ticket::Dish>* Ticket::menuStep(int column, int step)
{
    const QList<MenuColumn> columns = menuColumns();
    if (column < 0 || column >= columns.size())
        return nullptr;
    Composition& composition = lines[columns.at(column).line].menus[columns.at(column).unit];
    return step >= 0 && step < composition.size() ? &composition[step] : nullptr;
}

void Ticket::dishChosen(int column, int course)
{
    const QList<MenuColumn> columns = menuColumns();
    if (column < 0 || column >= columns.size())
        return;
    m_lastLine = columns.at(column).line;
    m_lastCourse = course;
}

void Ticket::removeLines(int first, int count)
{
    lines.remove(first, count);
    if (m_lastLine >= first + count)
        m_lastLine -= count;
    else if (m_lastLine >= first)
        m_lastLine = -1;
}

} // namespace sim
