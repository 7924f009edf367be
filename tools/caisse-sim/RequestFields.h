#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sim {

struct RestaurantCatalogue;

// Reading the fields of a request line: everything the terminal sends is "$"-separated decimal numbers and texts.
namespace RequestFields {

// The fields of a "$"-separated text: none for an empty text, and no empty field after a final "$" ("a$$b$" is
// "a", "", "b").
QStringList split(const QString& text);

// The fields after the keyword: "couverts$12$4$2$" gives 12, 4, 2.
QStringList after(const QString& request);

// A decimal number within min and max, nothing otherwise.
std::optional<int> number(const QString& text, int min, int max);

// The fields every order-taking request carries after its keyword: "12$4$3$" is table 12, 4 covers, waiter 3.
struct Standard
{
    int table = 0; // 0: the waiter's own account
    int covers = 0;
    int waiter = 0;
    QStringList rest; // the fields after these three
};

// Nothing for a table the restaurant lacks or a waiter out of 1-8 (a request from no one). Covers that are no
// count read as 0: they only matter when the request opens a table.
std::optional<Standard> standard(const QStringList& fields, const RestaurantCatalogue& catalogue);

// The choice flags that end a request: "~" then "1$" (ticked) or "--$" (not) per entry, in list order.
// No "~" gives no flags; anything but "1" is an entry left unticked.
QList<bool> choiceFlags(const QString& request);

} // namespace RequestFields

} // namespace sim
