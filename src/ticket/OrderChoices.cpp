#include "OrderChoices.h"

#include "catalogue/Catalogue.h"
#include "session/Limits.h"

namespace OrderChoices {

CourseChoice courseChoice(const Catalogue& catalogue, int article)
{
    QList<int> flagged;
    for (int course = 1; course <= Limits::Courses; ++course) {
        if (catalogue.servedAs(article, course))
            flagged.append(course);
    }
    CourseChoice choice;
    const bool setMenu = article >= Limits::FirstSetMenuArticle && article <= Limits::LastSetMenuArticle;
    if (flagged.size() >= 2 && !setMenu)
        choice.offered = flagged;
    else if (!flagged.isEmpty())
        choice.course = flagged.constLast();
    return choice;
}

QStringList kitchenOptions(const Catalogue& catalogue, int menucuis)
{
    if (menucuis >= 0 && menucuis <= 4)
        return catalogue.kitchenOptionList(menucuis + 1);
    if (menucuis >= 6 && menucuis <= 9)
        return catalogue.kitchenOptionList(menucuis);
    return {};
}

} // namespace OrderChoices
