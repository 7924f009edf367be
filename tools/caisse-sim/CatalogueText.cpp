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

} // namespace

QString tabsAndWaiters(const RestaurantCatalogue& catalogue)
{
    QString reply;
    for (int number = 1; number <= RestaurantCatalogue::Keyboards; ++number) {
        const RestaurantCatalogue::Keyboard* keyboard = catalogue.keyboard(number);
        reply += (keyboard ? asciiText(keyboard->name) : QString()) + Semicolon;
    }
    reply += QLatin1Char('#');
    for (int number = 1; number <= RestaurantCatalogue::Waiters; ++number) {
        const auto waiter = std::find_if(catalogue.waiters.cbegin(), catalogue.waiters.cend(),
                                         [number](const RestaurantCatalogue::Waiter& w) { return w.number == number; });
        reply += (waiter == catalogue.waiters.cend() ? QString() : asciiText(waiter->name)) + Semicolon;
    }
    return reply;
}

QString paymentCaptions(const RestaurantCatalogue& catalogue)
{
    QStringList captions;
    for (const char* command : {"cb$", "ch$", "ba$", "es$"}) {
        const auto mode = std::find_if(
            catalogue.paymentModes.cbegin(), catalogue.paymentModes.cend(),
            [command](const RestaurantCatalogue::PaymentMode& m) { return m.command == QLatin1String(command); });
        captions.append(mode == catalogue.paymentModes.cend() ? QStringLiteral("a") : asciiText(mode->caption));
    }
    return captions.join(Semicolon);
}

QString supplementList(const RestaurantCatalogue& catalogue)
{
    QStringList fields;
    for (const RestaurantCatalogue::Supplement& supplement : catalogue.supplements)
        fields << QString::number(supplement.code) << asciiText(supplement.name);
    return fields.join(Semicolon);
}

QString supplementFlags(const RestaurantCatalogue& catalogue)
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

QString productList(const RestaurantCatalogue& catalogue, int keyboard)
{
    QString list;
    for (const RestaurantCatalogue::Product& product : productsOf(catalogue, keyboard)) {
        const bool options = product.kitchenOptions != 0;
        list += QStringList{asciiText(product.name), options ? QStringLiteral("1") : QStringLiteral("0"),
                            QString::number(options ? kitchenGroup(product.kitchenOptions) : 0), product.colour,
                            QString::number(product.article)}
                    .join(Semicolon) +
                Semicolon;
    }
    return list + QStringLiteral(";;;;;");
}

QString productListHalf(const RestaurantCatalogue& catalogue, int keyboard, int half)
{
    const QString list = productList(catalogue, keyboard);
    const qsizetype middle = list.size() / 2;
    if (half == 1)
        return QStringLiteral("PRIX%1").arg(keyboard, 2, 10, QLatin1Char('0')) + list.left(middle);
    return list.mid(middle);
}

QString kitchenLabels(const RestaurantCatalogue& catalogue, int keyboard)
{
    QList<QString> labels;
    for (const RestaurantCatalogue::Product& product : productsOf(catalogue, keyboard))
        labels.append(product.kitchenLabel);
    return QStringLiteral("CUIS%1").arg(keyboard, 2, 10, QLatin1Char('0')) + texts(labels);
}

QString printingOptions(const RestaurantCatalogue& catalogue)
{
    const std::array<int, 3>& options = catalogue.printingOptions;
    return QStringLiteral("%1$%2$%3").arg(options[0]).arg(options[1]).arg(options[2]);
}

QString kitchenLists(const RestaurantCatalogue& catalogue)
{
    std::array<QString, 10> groups;
    // the terminal lists every recall entry but the last: an empty one closes the list so that all are shown
    groups[5] = texts(catalogue.recallMessages + QList<QString>{QString(), QString()});
    for (const RestaurantCatalogue::KitchenOptionList& list : catalogue.kitchenOptions)
        groups[size_t(kitchenGroup(list.list))] = texts(list.choices);
    QString reply;
    for (const QString& group : groups)
        reply += group + QLatin1Char('#');
    return reply;
}

QString setMenuContents(const RestaurantCatalogue& catalogue)
{
    QString reply;
    for (int menu = 1; menu <= RestaurantCatalogue::SetMenus; ++menu) {
        QStringList rows;
        if (const RestaurantCatalogue::SetMenu* setMenu =
                catalogue.setMenu(RestaurantCatalogue::FirstSetMenu - 1 + menu)) {
            for (const RestaurantCatalogue::SetMenuStep& step : setMenu->steps)
                rows.append(numbers(step.articles));
        }
        reply += rows.join(QLatin1Char('$')) + QLatin1Char('~');
    }
    return reply;
}

QString courseRank(const RestaurantCatalogue& catalogue, int course)
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

QString setMenuChoices(const RestaurantCatalogue& catalogue, int menu)
{
    const RestaurantCatalogue::SetMenu* setMenu = catalogue.setMenu(RestaurantCatalogue::FirstSetMenu - 1 + menu);
    if (!setMenu)
        return QString();
    QStringList rows;
    for (const RestaurantCatalogue::SetMenuStep& step : setMenu->steps) {
        QList<QString> names;
        for (const int article : step.articles)
            names.append(catalogue.product(article)->name);
        rows.append(texts(names));
    }
    return rows.join(QLatin1Char(':'));
}

QString tablePlan(const RestaurantCatalogue& catalogue)
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
