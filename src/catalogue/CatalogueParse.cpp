#include "CatalogueParse.h"

#include "DecimalField.h"
#include "link/ReplyText.h"
#include "session/Limits.h"

namespace CatalogueParse {

namespace {

constexpr qsizetype LeadLength = 6;
constexpr qsizetype SlotLength = 1000;
// shorter tab-and-waiter replies and product lists carry nothing the register meant
constexpr qsizetype MinUsefulReply = 9;
constexpr int MinTabName = 3;
// padding that gives products past the last kitchen label an empty one
constexpr int PaddedLabels = 103;
constexpr int RecordFields = 5;

// Blanks and control characters: everything up to the space.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= u' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

int numberAt(const QStringList& fields, int index)
{
    return index < fields.size() ? decimalField(fields.at(index)) : 0;
}

SetMenuContents parseContents(const QString& text)
{
    // text starts with the "~" the load adds, so group N of the reply is G[N]
    const QStringList groups = Split(text, QStringLiteral("~"));
    SetMenuContents result;
    for (int n = 1; n <= Limits::SetMenus; ++n)
        result[static_cast<size_t>(n - 1)] = Split(QLatin1Char('$') + field(groups, n), QStringLiteral("$"));
    return result;
}

} // namespace

QString stripLead(const QString& reply)
{
    return reply.mid(LeadLength);
}

TabsAndWaiters parseTabsAndWaiters(const QString& reply)
{
    const QStringList pieces = Split(reply, QStringLiteral("#"));
    const QStringList tabNames = Split(field(pieces, 0), QStringLiteral(";"));
    const QStringList waiterNames = Split(field(pieces, 1), QStringLiteral(";"));

    TabsAndWaiters result;
    for (int i = 0; i < Limits::Keyboards; ++i) {
        const QString name = field(tabNames, i);
        if (name.size() >= MinTabName && reply.size() >= MinUsefulReply)
            result.tabs[static_cast<size_t>(i)] = name;
    }
    for (int i = 0; i < Limits::Waiters; ++i) {
        const QString name = field(waiterNames, i);
        result.serv[static_cast<size_t>(i)] = name;
        // waiter 1 is hidden only by a truly empty name, the others by blanks too
        result.waiterShown[static_cast<size_t>(i)] = i == 0 ? !name.isEmpty() : !trimBlanks(name).isEmpty();
    }
    return result;
}

std::optional<PaymentCaptions> parsePaymentCaptions(const QString& reply)
{
    if (reply.isEmpty())
        return std::nullopt;
    const QStringList fields = Split(reply, QStringLiteral(";"));
    const auto caption = [&](int index) -> std::optional<QString> {
        const QString text = field(fields, index);
        if (text == QLatin1String("a"))
            return std::nullopt;
        return text;
    };
    return PaymentCaptions{caption(0), caption(1), caption(2), caption(3)};
}

std::vector<Supplement> parseSupplements(const QString& reply)
{
    const QStringList fields = Split(reply, QStringLiteral(";"));
    std::vector<Supplement> result;
    for (qsizetype i = 1; i < fields.size() && result.size() < size_t(MaxSupplements); i += 2)
        result.push_back({decimalField(fields.at(i - 1)), fields.at(i)});
    return result;
}

std::array<bool, ProductTable::ArticleCount> parseSuppFlags(const QString& reply)
{
    const QList<QStringView> fields = splitViews(reply, u";");
    std::array<bool, ProductTable::ArticleCount> flags{};
    for (int a = 1; a <= ProductTable::FlaggedArticles && a <= fields.size(); ++a)
        flags[static_cast<size_t>(a)] = fields.at(a - 1) != u"0";
    return flags;
}

std::vector<Product> parseKeyboard(const QString& firstHalf, const QString& secondHalf, const QString& kitchenLabels,
                                   int numclav)
{
    // a record may be cut anywhere between the two halves
    const QString list = firstHalf + secondHalf;
    const QString paddedLabels = kitchenLabels + QString(PaddedLabels, QLatin1Char(';'));
    const QList<QStringView> labels = splitViews(paddedLabels, u";");
    const QList<QStringView> fields = splitViews(list, u";");

    std::vector<Product> products;
    if (list.size() < MinUsefulReply)
        return products;
    for (int i = 0, y = 0;; i += RecordFields, ++y) {
        for (int f = i; f < i + RecordFields; ++f) {
            if (field(fields, f).isEmpty())
                return products;
        }
        Product product;
        product.texte = fields.at(i).toString();
        product.textecuis = y < labels.size() ? labels.at(y).toString() : product.texte;
        product.kitchenOptionFlag = decimalField(fields.at(i + 1));
        product.menucuis = decimalField(fields.at(i + 2));
        product.couleur = fields.at(i + 3).toString();
        product.art = decimalField(fields.at(i + 4));
        product.numclav = numclav;
        products.push_back(product);
    }
}

PrintingOptions parsePrintingOptions(const QString& reply)
{
    const QStringList fields = Split(reply, QStringLiteral("$"));
    return {numberAt(fields, 0), numberAt(fields, 1), numberAt(fields, 2)};
}

KitchenLists parseKitchenLists(const QString& reply)
{
    constexpr int RecallGroup = 5;
    const QStringList groups = Split(reply, QStringLiteral("#"));
    KitchenLists result;
    for (int g = 0, n = 0; g <= KitchenListCount; ++g) {
        const QStringList entries = Split(field(groups, g), QStringLiteral(";"));
        if (g == RecallGroup)
            result.rappel = entries;
        else
            result.kitchenOptionLists[static_cast<size_t>(n++)] = entries;
    }
    return result;
}

SetMenuContentsReply parseSetMenuContentsReply(const QString& reply)
{
    const QString text = QLatin1Char('~') + reply;
    return {{text.left(SlotLength), text.mid(SlotLength, SlotLength), text.mid(2 * SlotLength)}, parseContents(text)};
}

SetMenuContents parseSetMenuContentsSlots(const QString& slot43, const QString& slot44, const QString& slot45)
{
    return parseContents(slot43 + slot44 + slot45);
}

QStringList parseCourseRank(const QString& reply)
{
    // nearly every entry is "0" or "1": the list shares those two texts rather than holding hundreds of copies
    const QString no = QStringLiteral("0");
    const QString yes = QStringLiteral("1");
    const QList<QStringView> entries = splitViews(reply, u";");
    QStringList rank;
    rank.reserve(entries.size());
    for (const QStringView entry : entries)
        rank.append(entry == yes ? yes : entry == no ? no : entry.toString());
    return rank;
}

SetMenuListReply parseSetMenuListReply(const QString& reply)
{
    const QString text = QLatin1Char(':') + reply;
    return {{text.left(SlotLength), text.mid(SlotLength, SlotLength)}, Split(text, QStringLiteral(":"))};
}

QStringList parseSetMenuListSlots(const QString& first, const QString& second)
{
    return Split(first + second, QStringLiteral(":"));
}

TablePlan parseTablePlan(const QString& reply)
{
    const QStringList groups = Split(reply, QStringLiteral("$"));
    const auto group = [&](int index) { return Split(field(groups, index), QStringLiteral(";")); };
    // the register sends heights before widths
    return {group(0), group(1), group(2), group(3), group(4), group(5)};
}

} // namespace CatalogueParse
