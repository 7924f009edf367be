#pragma once

#include "session/Limits.h"

#include <QString>
#include <QStringList>

#include <array>

// The register's replies about tables and covers, read into values, and the table header built from them.
namespace TableReplies {

// A free- or occupied-tables reply: the table numbers in the register's order, up to the first empty field
// or the end of the reply. A field with a blank in it is left out: it cannot name a table to the register; nor can
// one that would not go back out in a request as it came.
QStringList tableList(const QString& reply);

// The table of a list item "Table <n> Libre" or "Table <n> Occupée": its second word.
QString tableOfItem(const QString& itemText);

// The header of the table choice once a table is taken from a list, with the waiter's name.
QString headerFromList(const QString& name, const QString& numserveur, const QString& numtable,
                       const QString& nbcouverts);
// The same from the room plan, which shows the waiter's number instead.
QString headerFromPlan(const QString& numserveur, const QString& numtable, const QString& nbcouverts);

// A reply to the covers query, as the covers list can show it.
struct CoversReply
{
    enum class Kind
    {
        None,    // empty, or not a whole number: the register told nothing the list can show
        Entry,   // 0 to 25: the list's entry of that position
        TooMany, // a whole number above 25: true, but no entry stands for it
    };
    Kind kind = Kind::None;
    int count = 0; // the entry's position, for an Entry
};
CoversReply coversReply(const QString& reply);
// Whether a reply to a covers query may become the covers count, which goes out in every later request: a whole
// number, or empty when the register said nothing.
bool isCoversCount(const QString& reply);

// The "tableocc" reply: three groups of one flag per table, table 1 first.
struct TableStates
{
    static constexpr int Groups = 3;
    // a group or a flag the reply lacks reads as not set
    std::array<std::array<bool, Limits::Tables>, Groups> flags{};
};
TableStates tableStates(const QString& reply);

} // namespace TableReplies
