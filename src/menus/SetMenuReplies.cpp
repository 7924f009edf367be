#include "SetMenuReplies.h"

#include "catalogue/Catalogue.h"
#include "catalogue/DecimalField.h"
#include "link/FormatError.h"
#include "link/ReplyText.h"
#include "session/Limits.h"

#include <algorithm>

namespace SetMenuReplies {

namespace {

const QString Separator = QStringLiteral(";");

// each cell is a pair (text; value) after "f" and the count
int textField(int cell)
{
    return 2 + 2 * cell;
}

int setMenuOfArticle(const QString& value)
{
    bool ok = false;
    const int article = value.toInt(&ok);
    const int menu = article - Limits::FirstSetMenuArticle + 1;
    return ok && menu >= 1 && menu <= Limits::SetMenus ? menu : 0;
}

// "1;" is `cuis1`, "10" `cuis9`; otherwise one digit, 2 to 5 for `cuis2` to `cuis5` and 7 to 9 for `cuis6` to
// `cuis8`: 6 is the recall list
int listAtFourthCharacter(QStringView text)
{
    if (text.startsWith(u"1;"))
        return 1;
    if (text.startsWith(u"10"))
        return 9;
    const char16_t digit = text.isEmpty() ? u'\0' : text.at(0).unicode();
    if (digit >= u'2' && digit <= u'5')
        return digit - u'0';
    if (digit >= u'7' && digit <= u'9')
        return digit - u'1';
    return 0;
}

} // namespace

QString noChoice()
{
    return QStringLiteral("Aucun choix");
}

SetMenuList setMenuList(const QString& reply)
{
    SetMenuList list;
    if (reply == QLatin1String("f;0;"))
        return list;
    const QStringList fields = Split(reply, Separator);
    const QString countField = field(fields, 1);
    // no count at all: the register's answer never came whole, which says more than an empty number would
    if (countField.isEmpty())
        throw FormatError::incompleteReply();
    int count = 0;
    try {
        count = decimalField(countField);
    } catch (const FormatError&) {
        // digits past what a number holds still count set menus, and far too many
        const bool digits = std::all_of(countField.cbegin(), countField.cend(),
                                        [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; });
        if (!digits)
            throw;
        list.kind = SetMenuList::Kind::TooMany;
        return list;
    }
    if (count < 0)
        throw FormatError(countField);
    if (count == 0) {
        list.kind = SetMenuList::Kind::NoneEntered;
        return list;
    }
    if (count > MaxColumns) {
        list.kind = SetMenuList::Kind::TooMany;
        return list;
    }
    const int cells = count * CellsPerColumn;
    // the value of the last cell is never read, and a final empty one leaves no field after the last ";"
    if (fields.size() <= textField(cells - 1))
        throw FormatError::incompleteReply();
    list.kind = SetMenuList::Kind::Menus;
    for (int cell = 0; cell < cells; ++cell)
        list.cells.append(fields.at(textField(cell)));
    for (int column = 0; column < count; ++column)
        list.setMenus.append(setMenuOfArticle(field(fields, textField(column * CellsPerColumn) + 1)));
    return list;
}

QList<Dish> rowDishes(const QString& names, const QString& articles)
{
    const QStringList nameList = Split(names, Separator);
    const QStringList articleList = Split(articles, Separator);
    QList<Dish> dishes;
    for (int position = 0; position < articleList.size(); ++position) {
        if (articleList.at(position).isEmpty())
            continue;
        dishes.append({position, nameList.value(position), articleList.at(position).toInt()});
    }
    return dishes;
}

bool isChosenDish(const QString& cellText, const QString& names)
{
    return Split(names, Separator).contains(cellText);
}

int dishCourse(const Catalogue& catalogue, int article)
{
    for (int course = 1; course <= Limits::Courses; ++course) {
        if (catalogue.servedAs(article, course))
            return course;
    }
    return 0;
}

DishReply dishReply(const QString& reply)
{
    DishReply dish;
    if (reply.isEmpty() || reply == QLatin1String("ru;0"))
        return dish;
    const QStringList fields = Split(reply, Separator);
    if (fields.size() < 2)
        return dish;
    const QString& list = fields.at(1);
    if (list == QLatin1String("0")) {
        dish.kind = DishReply::Kind::ChosenWithoutSupplements;
        return dish;
    }
    dish.kind = DishReply::Kind::KitchenOptions;
    // "ru;": the list is read from the fourth character on, by position, as the register writes it
    if (fields.at(0).size() == 2) {
        dish.kitchenList = listAtFourthCharacter(QStringView(reply).mid(3));
        return dish;
    }
    // the register numbers the groups of the kitchen lists reply from 1; the sixth group is the recall list
    const int group = list.toInt();
    if (list != QString::number(group))
        return dish;
    if (group >= 1 && group <= 5)
        dish.kitchenList = group;
    else if (group >= 7 && group <= 10)
        dish.kitchenList = group - 1;
    return dish;
}

} // namespace SetMenuReplies
