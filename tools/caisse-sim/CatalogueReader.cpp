#include "CatalogueReader.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QRegularExpression>
#include <QSet>

#include <cmath>
#include <optional>

namespace sim {

namespace {

struct DataError
{
    QString message;
};

[[noreturn]] void fail(const QString& where, const QString& what)
{
    throw DataError{QStringLiteral("%1: %2").arg(where, what)};
}

QString at(const QString& where, const char* key)
{
    const QString name = QLatin1String(key);
    return where.isEmpty() ? name : where + QLatin1Char('.') + name;
}

QString at(const QString& where, qsizetype index)
{
    return QStringLiteral("%1[%2]").arg(where).arg(index);
}

// These would cut a reply into the wrong fields.
const QString Separators = QStringLiteral(";$#~:");

QString text(const QJsonValue& value, const QString& where, bool required)
{
    if (value.isUndefined() && !required)
        return QString();
    if (!value.isString())
        fail(where, QStringLiteral("a text is expected"));
    const QString result = value.toString();
    if (required && result.trimmed().isEmpty())
        fail(where, QStringLiteral("must not be empty"));
    for (const QChar c : result) {
        if (Separators.contains(c))
            fail(where, QStringLiteral("\"%1\" holds \"%2\", a separator of the line protocol").arg(result, c));
    }
    return result;
}

QString text(const QJsonObject& object, const char* key, const QString& where, bool required = true)
{
    return text(object.value(QLatin1String(key)), at(where, key), required);
}

int integer(const QJsonValue& value, const QString& where, int min, int max)
{
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || number < min || number > max)
        fail(where, QStringLiteral("a whole number from %1 to %2 is expected").arg(min).arg(max));
    return static_cast<int>(number);
}

int integer(const QJsonObject& object, const char* key, const QString& where, int min, int max,
            std::optional<int> fallback = std::nullopt)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() && fallback)
        return *fallback;
    return integer(value, at(where, key), min, max);
}

bool boolean(const QJsonObject& object, const char* key, const QString& where, bool fallback)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        fail(at(where, key), QStringLiteral("true or false is expected"));
    return value.toBool();
}

// A missing list is an empty one, so that a small data file can leave out what it does not need.
QJsonArray array(const QJsonObject& object, const char* key, const QString& where, qsizetype maxSize)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        fail(at(where, key), QStringLiteral("a list is expected"));
    const QJsonArray result = value.toArray();
    if (result.size() > maxSize)
        fail(at(where, key), QStringLiteral("at most %1 entries").arg(maxSize));
    return result;
}

QJsonObject object(const QJsonValue& value, const QString& where)
{
    if (!value.isObject())
        fail(where, QStringLiteral("an object is expected"));
    return value.toObject();
}

// Reads each entry of the list under key as an object, with the place it stands at for the error messages.
template <typename Read>
void eachObject(const QJsonObject& parent, const char* key, const QString& where, qsizetype maxSize, Read read)
{
    const QJsonArray entries = array(parent, key, where, maxSize);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString entryWhere = at(at(where, key), i);
        read(object(entries.at(i), entryWhere), entryWhere);
    }
}

void claim(QSet<int>& taken, int number, const QString& where)
{
    if (taken.contains(number))
        fail(where, QStringLiteral("%1 is used twice").arg(number));
    taken.insert(number);
}

QList<RestaurantCatalogue::Waiter> waiters(const QJsonObject& data)
{
    QList<RestaurantCatalogue::Waiter> result;
    QSet<int> numbers;
    eachObject(data, "waiters", QString(), RestaurantCatalogue::Waiters,
               [&](const QJsonObject& entry, const QString& where) {
                   RestaurantCatalogue::Waiter waiter;
                   waiter.number = integer(entry, "number", where, 1, RestaurantCatalogue::Waiters);
                   claim(numbers, waiter.number, at(where, "number"));
                   waiter.name = text(entry, "name", where);
                   waiter.code = text(entry, "code", where, false);
                   // the terminal's code box takes four digits 1 to 9 and nothing else
                   static const QRegularExpression codePattern(QStringLiteral("\\A[1-9]{4}\\z"));
                   if (!waiter.code.isEmpty() && !codePattern.match(waiter.code).hasMatch())
                       fail(at(where, "code"), QStringLiteral("four digits 1 to 9 are expected"));
                   waiter.clockedIn = boolean(entry, "clockedIn", where, true);
                   result.append(waiter);
               });
    return result;
}

QList<RestaurantCatalogue::PaymentMode> paymentModes(const QJsonObject& data)
{
    static const QStringList commands{QStringLiteral("cb$"), QStringLiteral("ch$"), QStringLiteral("ba$"),
                                      QStringLiteral("es$")};
    QList<RestaurantCatalogue::PaymentMode> result;
    QSet<int> taken;
    eachObject(data, "paymentModes", QString(), commands.size(), [&](const QJsonObject& entry, const QString& where) {
        const QJsonValue command = entry.value(QLatin1String("command"));
        const qsizetype index = commands.indexOf(command.toString());
        if (index < 0)
            fail(at(where, "command"), QStringLiteral("one of %1 is expected").arg(commands.join(QLatin1Char(' '))));
        claim(taken, int(index), at(where, "command"));
        result.append({commands.at(index), text(entry, "caption", where)});
    });
    return result;
}

std::array<int, 3> printingOptions(const QJsonObject& data)
{
    std::array<int, 3> result{};
    const QJsonArray entries = array(data, "printingOptions", QString(), int(result.size()));
    if (!entries.isEmpty() && entries.size() != qsizetype(result.size()))
        fail(QStringLiteral("printingOptions"), QStringLiteral("three numbers are expected"));
    for (qsizetype i = 0; i < entries.size(); ++i)
        result.at(size_t(i)) = integer(entries.at(i), at(QStringLiteral("printingOptions"), i), 0, 999999);
    return result;
}

QList<QString> texts(const QJsonObject& data, const char* key, const QString& where, qsizetype maxSize)
{
    QList<QString> result;
    const QJsonArray entries = array(data, key, where, maxSize);
    for (qsizetype i = 0; i < entries.size(); ++i)
        result.append(text(entries.at(i), at(at(where, key), i), true));
    return result;
}

QList<RestaurantCatalogue::KitchenOptionList> kitchenOptions(const QJsonObject& data)
{
    QList<RestaurantCatalogue::KitchenOptionList> result;
    QSet<int> lists;
    eachObject(data, "kitchenOptions", QString(), 9, [&](const QJsonObject& entry, const QString& where) {
        RestaurantCatalogue::KitchenOptionList list;
        list.list = integer(entry, "list", where, 1, 9);
        claim(lists, list.list, at(where, "list"));
        list.name = text(entry, "name", where);
        list.choices = texts(entry, "choices", where, 1000);
        result.append(list);
    });
    return result;
}

QList<RestaurantCatalogue::Supplement> supplements(const QJsonObject& data)
{
    QList<RestaurantCatalogue::Supplement> result;
    QSet<int> codes;
    eachObject(data, "supplements", QString(), RestaurantCatalogue::MaxSupplements,
               [&](const QJsonObject& entry, const QString& where) {
                   RestaurantCatalogue::Supplement supplement;
                   supplement.code = integer(entry, "code", where, 0, 999999);
                   claim(codes, supplement.code, at(where, "code"));
                   supplement.name = text(entry, "name", where);
                   supplement.price = integer(entry, "price", where, 0, 99999999, 0);
                   result.append(supplement);
               });
    return result;
}

RestaurantCatalogue::Product product(const QJsonObject& entry, const QString& where,
                                     const RestaurantCatalogue& catalogue)
{
    static const QRegularExpression colourPattern(QStringLiteral("\\A.[0-9A-Fa-f]{8}\\z"));
    RestaurantCatalogue::Product product;
    product.article = integer(entry, "article", where, 1, RestaurantCatalogue::LastProductArticle);
    product.name = text(entry, "name", where);
    product.price = integer(entry, "price", where, 0, 99999999, 0);
    product.colour = text(entry, "colour", where);
    if (!colourPattern.match(product.colour).hasMatch())
        fail(at(where, "colour"), QStringLiteral("one character then eight hex digits AARRGGBB is expected"));
    product.kitchenLabel = text(entry, "kitchenLabel", where, false);
    const QJsonArray courses = array(entry, "courses", where, RestaurantCatalogue::Courses);
    for (qsizetype i = 0; i < courses.size(); ++i)
        product.courses.append(integer(courses.at(i), at(at(where, "courses"), i), 1, RestaurantCatalogue::Courses));
    product.kitchenOptions = integer(entry, "kitchenOptions", where, 1, 9, 0);
    if (product.kitchenOptions != 0 && !catalogue.kitchenOptionList(product.kitchenOptions))
        fail(at(where, "kitchenOptions"), QStringLiteral("no option list %1").arg(product.kitchenOptions));
    product.supplements = boolean(entry, "supplements", where, false);
    if (product.supplements && product.article > RestaurantCatalogue::SupplementFlags)
        fail(at(where, "supplements"),
             QStringLiteral("only articles 1 to %1 can take supplements").arg(RestaurantCatalogue::SupplementFlags));
    return product;
}

QList<RestaurantCatalogue::Keyboard> keyboards(const QJsonObject& data, const RestaurantCatalogue& catalogue)
{
    QList<RestaurantCatalogue::Keyboard> result;
    QSet<int> numbers;
    QSet<int> articles;
    qsizetype productCount = 0;
    eachObject(data, "keyboards", QString(), RestaurantCatalogue::Keyboards,
               [&](const QJsonObject& entry, const QString& where) {
                   RestaurantCatalogue::Keyboard keyboard;
                   keyboard.number = integer(entry, "number", where, 1, RestaurantCatalogue::Keyboards);
                   claim(numbers, keyboard.number, at(where, "number"));
                   keyboard.name = text(entry, "name", where);
                   const QJsonArray products = array(entry, "products", where, RestaurantCatalogue::MaxProducts);
                   productCount += products.size();
                   if (productCount > RestaurantCatalogue::MaxProducts)
                       fail(at(where, "products"),
                            QStringLiteral("more than %1 products in all").arg(RestaurantCatalogue::MaxProducts));
                   for (qsizetype p = 0; p < products.size(); ++p) {
                       const QString productWhere = at(at(where, "products"), p);
                       keyboard.products.append(product(object(products.at(p), productWhere), productWhere, catalogue));
                       claim(articles, keyboard.products.constLast().article, at(productWhere, "article"));
                   }
                   result.append(keyboard);
               });
    return result;
}

QList<RestaurantCatalogue::SetMenu> setMenus(const QJsonObject& data, const RestaurantCatalogue& catalogue)
{
    QList<RestaurantCatalogue::SetMenu> result;
    QSet<int> articles;
    eachObject(data, "setMenus", QString(), RestaurantCatalogue::SetMenus,
               [&](const QJsonObject& entry, const QString& where) {
                   RestaurantCatalogue::SetMenu menu;
                   menu.article = integer(entry, "article", where, RestaurantCatalogue::FirstSetMenu,
                                          RestaurantCatalogue::FirstSetMenu + RestaurantCatalogue::SetMenus - 1);
                   claim(articles, menu.article, at(where, "article"));
                   if (!catalogue.product(menu.article))
                       fail(at(where, "article"), QStringLiteral("%1 is on no keyboard").arg(menu.article));
                   menu.name = text(entry, "name", where);
                   eachObject(
                       entry, "steps", where, RestaurantCatalogue::SetMenuSteps,
                       [&](const QJsonObject& stepEntry, const QString& stepWhere) {
                           RestaurantCatalogue::SetMenuStep step;
                           step.course = integer(stepEntry, "course", stepWhere, 1, RestaurantCatalogue::Courses);
                           const QJsonArray dishes =
                               array(stepEntry, "articles", stepWhere, RestaurantCatalogue::MaxProducts);
                           if (dishes.isEmpty())
                               fail(at(stepWhere, "articles"), QStringLiteral("a step offers at least one dish"));
                           for (qsizetype d = 0; d < dishes.size(); ++d) {
                               const QString dishWhere = at(at(stepWhere, "articles"), d);
                               const int article =
                                   integer(dishes.at(d), dishWhere, 1, RestaurantCatalogue::LastProductArticle);
                               if (!catalogue.product(article))
                                   fail(dishWhere, QStringLiteral("%1 is on no keyboard").arg(article));
                               step.articles.append(article);
                           }
                           menu.steps.append(step);
                       });
                   result.append(menu);
               });
    return result;
}

RestaurantCatalogue::OpenTicket ticket(const QJsonObject& entry, const QString& where,
                                       const RestaurantCatalogue& catalogue)
{
    RestaurantCatalogue::OpenTicket ticket;
    ticket.covers = integer(entry, "covers", where, 0, 99, 0);
    ticket.waiter = integer(entry, "waiter", where, 1, RestaurantCatalogue::Waiters);
    ticket.proforma = boolean(entry, "proforma", where, false);
    eachObject(entry, "lines", where, 200, [&](const QJsonObject& lineEntry, const QString& lineWhere) {
        RestaurantCatalogue::TicketLine line;
        line.article = integer(lineEntry, "article", lineWhere, 1, RestaurantCatalogue::LastProductArticle);
        if (!catalogue.product(line.article))
            fail(at(lineWhere, "article"), QStringLiteral("%1 is on no keyboard").arg(line.article));
        line.quantity = integer(lineEntry, "quantity", lineWhere, 1, 99, 1);
        line.comments = texts(lineEntry, "comments", lineWhere, 20);
        line.sent = boolean(lineEntry, "sent", lineWhere, true);
        // as the terminal orders it when the product has a single course; the first of several otherwise
        const QList<int>& courses = catalogue.product(line.article)->courses;
        line.course = integer(lineEntry, "course", lineWhere, 0, RestaurantCatalogue::Courses,
                              courses.isEmpty() ? 0 : courses.constFirst());
        ticket.lines.append(line);
    });
    return ticket;
}

QList<RestaurantCatalogue::Room> rooms(const QJsonObject& data, const RestaurantCatalogue& catalogue)
{
    QList<RestaurantCatalogue::Room> result;
    QSet<int> plans;
    QSet<int> numbers;
    eachObject(data, "rooms", QString(), 3, [&](const QJsonObject& entry, const QString& where) {
        RestaurantCatalogue::Room room;
        room.plan = integer(entry, "plan", where, 1, 3);
        claim(plans, room.plan, at(where, "plan"));
        room.name = text(entry, "name", where);
        eachObject(entry, "tables", where, RestaurantCatalogue::Tables,
                   [&](const QJsonObject& tableEntry, const QString& tableWhere) {
                       RestaurantCatalogue::Table table;
                       table.number = integer(tableEntry, "number", tableWhere, 1, RestaurantCatalogue::Tables);
                       claim(numbers, table.number, at(tableWhere, "number"));
                       table.covers = integer(tableEntry, "covers", tableWhere, 1, 99, 1);
                       table.left = integer(tableEntry, "left", tableWhere, 0, 599);
                       table.top = integer(tableEntry, "top", tableWhere, 0, 799);
                       table.width = integer(tableEntry, "width", tableWhere, 1, 600 - table.left);
                       table.height = integer(tableEntry, "height", tableWhere, 1, 800 - table.top);
                       const QJsonValue open = tableEntry.value(QLatin1String("ticket"));
                       if (!open.isUndefined())
                           table.ticket =
                               ticket(object(open, at(tableWhere, "ticket")), at(tableWhere, "ticket"), catalogue);
                       room.tables.append(table);
                   });
        result.append(room);
    });
    return result;
}

} // namespace

bool CatalogueReader::read(const QJsonObject& data, RestaurantCatalogue& catalogue, QString& error)
{
    if (data.value(QLatin1String("restaurant")).toString().isEmpty()) {
        error = QStringLiteral("no \"restaurant\" name");
        return false;
    }
    try {
        RestaurantCatalogue read;
        read.name = text(data, "restaurant", QString());
        read.address = data.value(QLatin1String("address")).toString();
        read.waiters = waiters(data);
        read.paymentModes = paymentModes(data);
        read.printingOptions = printingOptions(data);
        read.kitchenOptions = kitchenOptions(data);
        read.recallMessages = texts(data, "recallMessages", QString(), 1000);
        read.supplements = supplements(data);
        read.keyboards = keyboards(data, read);
        read.setMenus = setMenus(data, read);
        read.rooms = rooms(data, read);
        catalogue = read;
        return true;
    } catch (const DataError& e) {
        error = e.message;
        return false;
    }
}

} // namespace sim
