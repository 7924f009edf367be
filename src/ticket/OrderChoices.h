#pragma once

#include <QList>
#include <QStringList>

class Catalogue;

// What the catalogue asks of the waiter before an article goes to the register: its course and its kitchen
// options. Every read is bounded: an article past a course list, or a list number the catalogue lacks, reads
// as nothing flagged and no option.
namespace OrderChoices {

struct CourseChoice
{
    QList<int> offered; // two courses or more: the waiter chooses among these, 1 to 7 in order
    int course = 0;     // otherwise the course sent: the highest flagged, 0 for none
};

// The courses article a may be served as: those whose rank list holds "1" at a - 1. A set menu (552 to 561) is
// never asked for: it is sent as the highest course flagged.
CourseChoice courseChoice(const Catalogue& catalogue, int article);

// The entries of kitchen option list menucuis: 0 to 4 give `cuis1` to `cuis5`, 6 to 9 give `cuis6` to `cuis9`.
// 5 is the recall list and any other value no list: both give no entry. The same lists whether or not a course
// was chosen first.
QStringList kitchenOptions(const Catalogue& catalogue, int menucuis);

} // namespace OrderChoices
