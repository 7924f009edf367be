#include "CatalogueText.h"

#include "AsciiText.h"
#include "RestaurantCatalogue.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace sim {

namespace CatalogueText {

namespace {

const QLatin1Char Semicolon(';');

QString numbers(const QList<int>& values)
{
    QStringList texts;
    for (const int value : values)
        texts.append(QString::number(value));
    return texts.join(Semicolon);
}

QString texts(const QList<QString>& values)
{
    QStringList result;
    for (const QString& value : values)
        result.append(asciiText(value));
    return result.join(Semicolon);
}

// The group the terminal reads option list 1-9 from: group 5 holds the recall messages.
int kitchenGroup(int list)
{
    return list <= 5 ? list - 1 : list;
}

int highestArticle(const RestaurantCatalogue& catalogue)
{
    int highest = RestaurantCatalogue::SupplementFlags;
    for (const RestaurantCatalogue::Keyboard& keyboard : catalogue.keyboards) {
        for (const RestaurantCatalogue::Product& product : keyboard.products)
            highest = std::max(highest, product.article);
    }
    return highest;
}

QList<RestaurantCatalogue::Product> productsOf(const RestaurantCatalogue& catalogue, int keyboard)
{
    const RestaurantCatalogue::Keyboard* found = catalogue.keyboard(keyboard);
    return found ? found->products : QList<RestaurantCatalogue::Product>();
}

// The keyboard whose tab a register with short tab names hides.
constexpr int ShortTab = 2;

// The six characters the terminal drops: the keyword and the keyboard on two digits, or another text of the
// register's own.
QString lead(int style, const QString& keyword, int keyboard)
{
    switch (style) {
    case Lead::Blanks:
        return QString(6, QLatin1Char(' '));
    case Lead::Word:
        return keyword == QLatin1String("PRIX") ? QStringLiteral("TARIFS") : QStringLiteral("CUISIN");
    case Lead::Signs:
        return QStringLiteral("#;$~:U");
    default:
        return keyword + QStringLiteral("%1").arg(keyboard, 2, 10, QLatin1Char('0'));
    }
}

} // namespace

int offeredOptionList(const RestaurantCatalogue::Product& product, const Dialect& dialect)
{
    const bool fiveLists = dialect.is(Dialect::Choice::KitchenGroups, KitchenGroupCount::Six);
    return fiveLists && product.kitchenOptions > 5 ? 0 : product.kitchenOptions;
}

QList<int> menuRows(const RestaurantCatalogue::SetMenu& menu, const Dialect& dialect)
{
    QList<int> rows;
    for (int step = 0; step < menu.steps.size(); ++step)
        rows.append(step);
    if (!dialect.is(Dialect::Choice::MenuRows, Rows::Courses))
        return rows;
    // one row per course from the first starter to the dessert, when each step has a course of its own there
    QList<int> byCourse(RestaurantCatalogue::SetMenuSteps, -1);
    for (int step = 0; step < menu.steps.size(); ++step) {
        const int row = menu.steps.at(step).course - 2;
        if (row < 0 || row >= byCourse.size() || byCourse.at(row) >= 0)
            return rows;
        byCourse[row] = step;
    }
    while (!byCourse.isEmpty() && byCourse.constLast() < 0)
        byCourse.removeLast();
    return byCourse;
}

QString tabsAndWaiters(const RestaurantCatalogue& catalogue, const Dialect& dialect)
{
    QString reply;
    for (int number = 1; number <= RestaurantCatalogue::Keyboards; ++number) {
        const RestaurantCatalogue::Keyboard* keyboard = catalogue.keyboard(number);
        QString name = keyboard ? asciiText(keyboard->name) : QString();
        // a name of two characters hides its tab on the terminal
        if (number == ShortTab && dialect.is(Dialect::Choice::TabNames, Tabs::OneShort))
            name.truncate(2);
        reply += name + Semicolon;
    }
    reply += QLatin1Char('#');
    const QString blanks =
        dialect.is(Dialect::Choice::WaiterNames, Waiters::Blanks) ? QStringLiteral("   ") : QString();
    for (int number = 1; number <= RestaurantCatalogue::Waiters; ++number) {
        const RestaurantCatalogue::Waiter* waiter = catalogue.waiter(number);
        // a register may name a waiter who cannot work now with blanks, which hide his key as an empty name does
        const bool absent = !waiter || (!waiter->clockedIn && number != 1);
        reply += (absent && !blanks.isEmpty() ? blanks : waiter ? asciiText(waiter->name) : QString()) + Semicolon;
    }
    return reply;
}

QString paymentCaption(const RestaurantCatalogue& catalogue, const Dialect& dialect, const QString& command)
{
    QStringList taken;
    for (const char* mode : {"cb$", "ch$", "ba$", "es$"}) {
        if (std::any_of(catalogue.paymentModes.cbegin(), catalogue.paymentModes.cend(),
                        [mode](const RestaurantCatalogue::PaymentMode& m) { return m.command == QLatin1String(mode); }))
            taken.append(QLatin1String(mode));
    }
    const qsizetype position = taken.indexOf(command);
    const int captions = dialect.value(Dialect::Choice::PaymentCaptions);
    if (position < 0 || (captions == Captions::OneHidden && taken.size() > 1 && position == taken.size() - 1) ||
        (captions == Captions::OneShown && position > 0))
        return QString();
    const auto mode =
        std::find_if(catalogue.paymentModes.cbegin(), catalogue.paymentModes.cend(),
                     [&command](const RestaurantCatalogue::PaymentMode& m) { return m.command == command; });
    const QString caption = asciiText(mode->caption).simplified();
    return captions == Captions::OneWord ? caption.section(QLatin1Char(' '), 0, 0) : caption;
}

QString paymentCaptions(const RestaurantCatalogue& catalogue, const Dialect& dialect)
{
    QStringList captions;
    for (const char* command : {"cb$", "ch$", "ba$", "es$"}) {
        const QString caption = paymentCaption(catalogue, dialect, QLatin1String(command));
        captions.append(caption.isEmpty() ? QStringLiteral("a") : caption);
    }
    return captions.join(Semicolon);
}

QString supplementList(const RestaurantCatalogue& catalogue, const Dialect& dialect)
{
    if (dialect.is(Dialect::Choice::Supplements, SupplementList::None))
        return QString();
    QStringList fields;
    for (const RestaurantCatalogue::Supplement& supplement : catalogue.supplements)
        fields << QString::number(supplement.code) << asciiText(supplement.name);
    return fields.join(Semicolon);
}

QString supplementFlags(const RestaurantCatalogue& catalogue, const Dialect& /*dialect*/)
{
    QStringList flags(RestaurantCatalogue::SupplementFlags, QStringLiteral("0"));
    for (const RestaurantCatalogue::Keyboard& keyboard : catalogue.keyboards) {
        for (const RestaurantCatalogue::Product& product : keyboard.products) {
            if (product.supplements)
                flags[product.article - 1] = QStringLiteral("1");
        }
    }
    return flags.join(Semicolon);
}

QString productList(const RestaurantCatalogue& catalogue, const Dialect& dialect, int keyboard)
{
    QString list;
    for (const RestaurantCatalogue::Product& product : productsOf(catalogue, keyboard)) {
        const int optionList = offeredOptionList(product, dialect);
        list += QStringList{asciiText(product.name), optionList != 0 ? QStringLiteral("1") : QStringLiteral("0"),
                            QString::number(optionList != 0 ? kitchenGroup(optionList) : 0), product.colour,
                            QString::number(product.article)}
                    .join(Semicolon) +
                Semicolon;
    }
    return list + QStringLiteral(";;;;;");
}

QString productListHalf(const RestaurantCatalogue& catalogue, const Dialect& dialect, int keyboard, int half)
{
    const QString list = productList(catalogue, dialect, keyboard);
    const qsizetype middle = list.size() / 2;
    if (half == 1)
        return lead(dialect.value(Dialect::Choice::ProductLead), QStringLiteral("PRIX"), keyboard) + list.left(middle);
    return list.mid(middle);
}

QString kitchenLabels(const RestaurantCatalogue& catalogue, const Dialect& dialect, int keyboard)
{
    QList<QString> labels;
    for (const RestaurantCatalogue::Product& product : productsOf(catalogue, keyboard))
        labels.append(product.kitchenLabel);
    return lead(dialect.value(Dialect::Choice::LabelLead), QStringLiteral("CUIS"), keyboard) + texts(labels);
}

QString printingOptions(const RestaurantCatalogue& catalogue, const Dialect& /*dialect*/)
{
    const std::array<int, 3>& options = catalogue.printingOptions;
    return QStringLiteral("%1$%2$%3").arg(options[0]).arg(options[1]).arg(options[2]);
}

QString kitchenLists(const RestaurantCatalogue& catalogue, const Dialect& dialect)
{
    std::array<QString, 10> groups;
    // the terminal lists every recall entry but the last: an empty one closes the list so that all are shown
    groups[5] = texts(catalogue.recallMessages + QList<QString>{QString(), QString()});
    for (const RestaurantCatalogue::KitchenOptionList& list : catalogue.kitchenOptions)
        groups[size_t(kitchenGroup(list.list))] = texts(list.choices);
    // a register that knows five option lists sends the recall group last
    const size_t count = dialect.is(Dialect::Choice::KitchenGroups, KitchenGroupCount::Six) ? 6 : groups.size();
    QString reply;
    for (size_t group = 0; group < count; ++group)
        reply += groups.at(group) + QLatin1Char('#');
    return reply;
}

QString setMenuContents(const RestaurantCatalogue& catalogue, const Dialect& dialect)
{
    QString reply;
    for (int menu = 1; menu <= RestaurantCatalogue::SetMenus; ++menu) {
        QStringList rows;
        if (const RestaurantCatalogue::SetMenu* setMenu =
                catalogue.setMenu(RestaurantCatalogue::FirstSetMenu - 1 + menu)) {
            for (const int step : menuRows(*setMenu, dialect))
                rows.append(step < 0 ? QString() : numbers(setMenu->steps.at(step).articles));
        }
        reply += rows.join(QLatin1Char('$')) + QLatin1Char('~');
    }
    return reply;
}

QString courseRank(const RestaurantCatalogue& catalogue, const Dialect& /*dialect*/, int course)
{
    QStringList flags(highestArticle(catalogue), QStringLiteral("0"));
    for (const RestaurantCatalogue::Keyboard& keyboard : catalogue.keyboards) {
        for (const RestaurantCatalogue::Product& product : keyboard.products) {
            if (product.courses.contains(course))
                flags[product.article - 1] = QStringLiteral("1");
        }
    }
    return flags.join(Semicolon);
}

QString setMenuChoices(const RestaurantCatalogue& catalogue, const Dialect& dialect, int menu)
{
    const RestaurantCatalogue::SetMenu* setMenu = catalogue.setMenu(RestaurantCatalogue::FirstSetMenu - 1 + menu);
    if (!setMenu)
        return QString();
    QStringList rows;
    for (const int step : menuRows(*setMenu, dialect)) {
        QList<QString> names;
        for (const int article : step < 0 ? QList<int>() : setMenu->steps.at(step).articles)
            names.append(catalogue.product(article)->name);
        rows.append(texts(names));
    }
    return rows.join(QLatin1Char(':'));
}

QString tablePlan(const RestaurantCatalogue& catalogue, const Dialect& /*dialect*/)
{
    // left, top, height, width, plan, visibility
    std::array<QStringList, 6> groups;
    for (QStringList& group : groups)
        group = QStringList(RestaurantCatalogue::Tables, QStringLiteral("0"));
    for (const RestaurantCatalogue::Room& room : catalogue.rooms) {
        for (const RestaurantCatalogue::Table& table : room.tables) {
            const qsizetype z = table.number - 1;
            groups[0][z] = QString::number(table.left);
            groups[1][z] = QString::number(table.top);
            groups[2][z] = QString::number(table.height);
            groups[3][z] = QString::number(table.width);
            groups[4][z] = QString::number(room.plan);
            groups[5][z] = QStringLiteral("1");
        }
    }
    QStringList joined;
    for (const QStringList& group : groups)
        joined.append(group.join(Semicolon));
    return joined.join(QLatin1Char('$'));
}

} // namespace CatalogueText

} // namespace sim
