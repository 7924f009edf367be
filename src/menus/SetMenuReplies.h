#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;

// The register's replies about the set menus running on a ticket and the dishes chosen in them, read into values,
// and the rules that turn a touched dish into what the register is told.
namespace SetMenuReplies {

constexpr int CellsPerColumn = 7; // the set menu's title, then its six courses
constexpr int MaxColumns = 30;    // the columns the set-menu screen shows

// The text of a course the set menu does not have: its cell is not shown.
QString noChoice();

// The "af$" reply: the set menus of the ticket as the grid shows them.
struct SetMenuList
{
    enum class Kind
    {
        NoneRunning, // exactly "f;0;": no set menu on the ticket
        NoneEntered, // a count of 0 in any other reply
        TooMany,     // more set menus than the screen has columns
        Menus,
    };
    Kind kind = Kind::NoneRunning;
    QStringList cells;   // the text of cells 0 to 7n - 1, column after column
    QList<int> setMenus; // per column, its set menu 1 to 10, or 0 when its article is not one of 552 to 561
};
// Throws FormatError when the count is missing or not a whole number of zero or more, or the reply holds fewer cells
// than it announces (an incomplete reply): nothing of such a reply is shown.
SetMenuList setMenuList(const QString& reply);

// A dish offered in a course row of a set menu.
struct Dish
{
    int position = 0; // its place in the whole row, as the register counts the dishes
    QString name;
    int article = 0; // 0 when the catalogue's entry is not a number
};
// The dishes of a row: the names of `aform`, the article numbers of `ctform`, entry for entry. A place without an
// article number is not offered, and the dishes after it keep their place in the row.
QList<Dish> rowDishes(const QString& names, const QString& articles);

// Whether a course cell shows one of the dishes of its row: that course is chosen already.
bool isChosenDish(const QString& cellText, const QString& names);

// The course a dish is served as: the one its course ranks flag, 0 when none does, and the first of them when
// several do, so that no dish reaches the kitchen after the course it may be served in.
int dishCourse(const Catalogue& catalogue, int article);

// The "r$" reply: whether the register asks for the dish's kitchen options.
struct DishReply
{
    enum class Kind
    {
        Chosen,                   // "ru;0", empty, or no list number: done, the supplements may follow
        ChosenWithoutSupplements, // a list number "0" with more after it
        KitchenOptions,           // the option panel opens
    };
    Kind kind = Kind::Chosen;
    int kitchenList = 0; // for KitchenOptions: `cuis1` to `cuis9`, or 0 for a panel with nothing to tick
};
// A first field of two characters ("ru") has the list read by character position from the fourth character on;
// another first field has it read as the second field's number.
DishReply dishReply(const QString& reply);

} // namespace SetMenuReplies
