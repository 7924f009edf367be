#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace sim {

// The habits of one register: each choice the protocol leaves to the register, made once for the whole run (a
// restaurant's register does not change its habits mid-evening). Value 0 of every choice is the plain register
// of --dialect 0; a seed draws the others. The choices and their values are listed in one table (Dialect.cpp).
class Dialect final
{
public:
    enum class Choice
    {
        ProductLead,     // the six characters before a first-half product list
        LabelLead,       // the six characters before a keyboard's kitchen labels
        LineEnd,         // how a reply line ends
        TicketTrailer,   // a line after the ticket in a reply to "ad$"
        KitchenGroups,   // the groups of "nacuistot"
        Supplements,     // whether "listesupp" lists anything
        PaymentCaptions, // the captions of "enc$"
        DishNoOptions,   // the reply to "r$" for a dish without kitchen options
        DispatchReply,   // the reply to "demanderang$"
        TicketHeader,    // the lines above a ticket's articles
        TicketComments,  // how kitchen options and dishes sit under their article
        TicketOffered,   // how an offered line is laid out
        TicketNames,     // whether long names are cut to the ticket's width
        TicketBlanks,    // blank lines in a ticket
        TabNames,        // tab names the terminal hides
        WaiterNames,     // names of the waiters who cannot work now
        MenuRows,        // how a set menu's steps sit in its column of cells
    };
    static constexpr int ChoiceCount = 17;

    // Every choice at 0.
    Dialect() = default;
    // The choices drawn from the seed; seed 0 gives every choice 0.
    explicit Dialect(quint64 seed);

    quint64 seed() const { return m_seed; }
    int value(Choice choice) const { return m_values.at(static_cast<size_t>(choice)); }
    bool is(Choice choice, int value) const { return this->value(choice) == value; }

    // "line-end=lf": forces one choice; false with the reason in error for an unknown name or value.
    bool force(const QString& assignment, QString& error);

    // "product-lead=prix label-lead=blanks ...", every choice in table order, in the form force() reads.
    QString describe() const;

    static QString name(Choice choice);
    // The names of the choice's values, value 0 first.
    static QStringList values(Choice choice);

private:
    quint64 m_seed = 0;
    std::array<int, ChoiceCount> m_values{};
};

// The values of each choice, as value() returns them.
namespace Lead {
enum : int
{
    Keyword, // "PRIX" or "CUIS" and the keyboard on two digits
    Blanks,
    Word,
    Signs,
};
}
namespace LineEnding {
enum : int
{
    CrLf,
    Lf,
};
}
namespace Trailer {
enum : int
{
    None,
    Empty,
    Ok,
    Text,
};
}
namespace KitchenGroupCount {
enum : int
{
    Ten,
    Six,
};
}
namespace SupplementList {
enum : int
{
    Listed,
    None,
};
}
namespace Captions {
enum : int
{
    AsGiven,
    OneWord,
    OneHidden,
    OneShown,
};
}
namespace NoOptions {
enum : int
{
    RuZero,
    Empty,
};
}
namespace Dispatch {
enum : int
{
    AllFirst,      // "0$" then the courses waiting; "0$" when none waits
    AllFirstEmpty, // the same, but an empty line when none waits
    CoursesOnly,   // the courses waiting alone; an empty line when none waits
};
}
namespace Header {
enum : int
{
    OneLine,
    Several,
};
}
namespace Comments {
enum : int
{
    Indented,
    Starred,
};
}
namespace Offered {
enum : int
{
    Amount,
    ZeroQuantity,
};
}
namespace Names {
enum : int
{
    Cut,
    Whole,
};
}
namespace Blanks {
enum : int
{
    None,
    Between,
};
}
namespace Tabs {
enum : int
{
    AsGiven,
    OneShort,
};
}
namespace Waiters {
enum : int
{
    Empty,
    Blanks,
};
}
namespace Rows {
enum : int
{
    Steps,
    Courses,
};
}

} // namespace sim
