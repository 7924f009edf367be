#include "Dialect.h"

namespace sim {

namespace {

struct ChoiceEntry
{
    Dialect::Choice choice;
    const char* name;
    QStringList values; // value 0 first
};

// Every choice, with the option value that forces each of its values: "--dialect-choice line-end=lf".
const std::array<ChoiceEntry, Dialect::ChoiceCount>& table()
{
    using C = Dialect::Choice;
    static const std::array<ChoiceEntry, Dialect::ChoiceCount> entries{{
        {C::ProductLead, "product-lead", {"prix", "blanks", "word", "signs"}},
        {C::LabelLead, "label-lead", {"cuis", "blanks", "word", "signs"}},
        {C::LineEnd, "line-end", {"crlf", "lf"}},
        {C::TicketTrailer, "ticket-trailer", {"none", "empty", "ok", "text"}},
        {C::KitchenGroups, "kitchen-groups", {"ten", "six"}},
        {C::Supplements, "supplements", {"listed", "none"}},
        {C::PaymentCaptions, "payment-captions", {"as-given", "one-word", "one-hidden", "one-shown"}},
        {C::DishNoOptions, "dish-no-options", {"ru0", "empty"}},
        {C::DispatchReply, "dispatch-reply", {"all-first", "all-first-empty", "courses-only"}},
        {C::TicketHeader, "ticket-header", {"one-line", "several"}},
        {C::TicketComments, "ticket-comments", {"indented", "starred"}},
        {C::TicketOffered, "ticket-offered", {"amount", "zero-quantity"}},
        {C::TicketNames, "ticket-names", {"cut", "whole"}},
        {C::TicketBlanks, "ticket-blanks", {"none", "between"}},
        {C::TabNames, "tab-names", {"as-given", "one-short"}},
        {C::WaiterNames, "waiter-names", {"empty", "blanks"}},
        {C::MenuRows, "menu-rows", {"steps", "courses"}},
    }};
    return entries;
}

// SplitMix64: a well-spread draw from the seed and the choice, the same on every platform.
quint64 mixed(quint64 value)
{
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

} // namespace

Dialect::Dialect(quint64 seed) : m_seed(seed)
{
    if (seed == 0)
        return;
    for (const ChoiceEntry& entry : table()) {
        const auto index = static_cast<size_t>(entry.choice);
        m_values[index] = static_cast<int>(mixed(mixed(seed) + index) % quint64(entry.values.size()));
    }
}

bool Dialect::force(const QString& assignment, QString& error)
{
    const QString name = assignment.section(QLatin1Char('='), 0, 0);
    const QString value = assignment.section(QLatin1Char('='), 1);
    for (const ChoiceEntry& entry : table()) {
        if (name != QLatin1String(entry.name))
            continue;
        const qsizetype index = entry.values.indexOf(value);
        if (index < 0) {
            error = QStringLiteral("unknown value %1 for the dialect choice %2 (%3)")
                        .arg(value, name, entry.values.join(QLatin1Char('|')));
            return false;
        }
        m_values[static_cast<size_t>(entry.choice)] = static_cast<int>(index);
        return true;
    }
    error = QStringLiteral("unknown dialect choice %1").arg(name);
    return false;
}

QString Dialect::describe() const
{
    QStringList choices;
    for (const ChoiceEntry& entry : table())
        choices.append(QStringLiteral("%1=%2").arg(QLatin1String(entry.name), entry.values.at(value(entry.choice))));
    return choices.join(QLatin1Char(' '));
}

QString Dialect::name(Choice choice)
{
    return QLatin1String(table().at(static_cast<size_t>(choice)).name);
}

QStringList Dialect::values(Choice choice)
{
    return table().at(static_cast<size_t>(choice)).values;
}

} // namespace sim
