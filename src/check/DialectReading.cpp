#include "DialectReading.h"

#include "link/ReplyText.h"
#include "session/Limits.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace DialectReading {

namespace {

using RegisterCheckReport::DialectChoice;

const QString NotOnTicket = QStringLiteral("se voit sur un ticket, que la vérification ne demande pas");

std::optional<QString> reply(const Replies& replies, const QString& request)
{
    const auto found = replies.byRequest.find(request);
    return found == replies.byRequest.end() ? std::nullopt : std::optional<QString>(found->second);
}

// The six characters before a product list or kitchen labels: "PRIX03", six blanks, "TARIFS", "#;$~:U".
QString leadStyle(const QString& lead, const QString& keyword, const QString& word)
{
    if (lead.size() == 6 && lead.startsWith(keyword) && lead.at(4).isDigit() && lead.at(5).isDigit())
        return keyword.toLower();
    if (lead == QString(6, QLatin1Char(' ')))
        return QStringLiteral("blanks");
    if (lead == word)
        return QStringLiteral("word");
    if (lead == QLatin1String("#;$~:U"))
        return QStringLiteral("signs");
    return QString();
}

// One style over every keyboard's reply, or the first lead no style names.
DialectChoice lead(const Replies& replies, const QString& name, const QString& keyword, const QString& word,
                   const std::function<QString(int)>& request)
{
    DialectChoice choice{name, {}, {}};
    for (int n = 1; n <= Limits::Keyboards; ++n) {
        const std::optional<QString> text = reply(replies, request(n));
        if (!text || text->isEmpty())
            continue;
        const QString lead = text->left(6);
        const QString style = leadStyle(lead, keyword, word);
        if (style.isEmpty() || (!choice.value.isEmpty() && style != choice.value)) {
            choice.value.clear();
            choice.note = QStringLiteral("« %1 » devant « %2 », que le simulateur n'envoie pas").arg(lead, request(n));
            return choice;
        }
        choice.value = style;
    }
    if (choice.value.isEmpty())
        choice.note = QStringLiteral("aucune liste reçue");
    return choice;
}

DialectChoice lineEnd(const Replies& replies)
{
    if (replies.crLfEndings > 0 && replies.lfEndings > 0)
        return {QStringLiteral("line-end"),
                {},
                QStringLiteral("%1 lignes finies par CR LF, %2 par LF seul")
                    .arg(replies.crLfEndings)
                    .arg(replies.lfEndings)};
    if (replies.crLfEndings + replies.lfEndings == 0)
        return {QStringLiteral("line-end"), {}, QStringLiteral("aucune ligne reçue")};
    return {QStringLiteral("line-end"), replies.crLfEndings > 0 ? QStringLiteral("crlf") : QStringLiteral("lf"), {}};
}

DialectChoice kitchenGroups(const Replies& replies)
{
    const std::optional<QString> text = reply(replies, QStringLiteral("nacuistot"));
    if (!text)
        return {QStringLiteral("kitchen-groups"), {}, QStringLiteral("« nacuistot » sans réponse")};
    // the recall messages are group 5: a register that knows five option lists stops there
    const qsizetype groups = Split(*text, QStringLiteral("#")).size();
    return {QStringLiteral("kitchen-groups"), groups <= 6 ? QStringLiteral("six") : QStringLiteral("ten"), {}};
}

DialectChoice supplements(const Replies& replies)
{
    const std::optional<QString> text = reply(replies, QStringLiteral("listesupp"));
    if (!text)
        return {QStringLiteral("supplements"), {}, QStringLiteral("« listesupp » sans réponse")};
    return {QStringLiteral("supplements"), text->isEmpty() ? QStringLiteral("none") : QStringLiteral("listed"), {}};
}

DialectChoice paymentCaptions(const Replies& replies)
{
    const std::optional<QString> text = reply(replies, QStringLiteral("enc$"));
    if (!text || text->isEmpty())
        return {QStringLiteral("payment-captions"), {}, QStringLiteral("« enc$ » sans légende")};
    const QStringList fields = Split(*text, QStringLiteral(";")).mid(0, 4);
    QStringList shown;
    for (const QString& field : fields) {
        if (field != QLatin1String("a"))
            shown.append(field);
    }
    // a register shows only its first mode, or hides its last; else every caption as given or cut to its first word
    QString value;
    if (shown.size() == 1 && fields.size() > 1)
        value = QStringLiteral("one-shown");
    else if (shown.size() < fields.size())
        value = QStringLiteral("one-hidden");
    else if (std::any_of(shown.cbegin(), shown.cend(), [](const QString& c) { return c.contains(QLatin1Char(' ')); }))
        value = QStringLiteral("as-given");
    else
        value = QStringLiteral("one-word");
    return {QStringLiteral("payment-captions"), value, {}};
}

DialectChoice menuRows(const Replies& replies)
{
    const std::optional<QString> text = reply(replies, QStringLiteral("ctnform"));
    if (!text)
        return {QStringLiteral("menu-rows"), {}, QStringLiteral("« ctnform » sans réponse")};
    // by course, a set menu leaves empty the rows of the courses it lacks; by step its rows follow each other
    bool anyMenu = false;
    for (const QString& menu : Split(*text, QStringLiteral("~"))) {
        const QStringList rows = Split(menu, QStringLiteral("$"));
        const auto lastFilled =
            std::find_if(rows.crbegin(), rows.crend(), [](const QString& r) { return !r.isEmpty(); });
        if (lastFilled == rows.crend())
            continue;
        anyMenu = true;
        if (std::any_of(rows.cbegin(), lastFilled.base(), [](const QString& r) { return r.isEmpty(); }))
            return {QStringLiteral("menu-rows"), QStringLiteral("courses"), {}};
    }
    if (!anyMenu)
        return {QStringLiteral("menu-rows"), {}, QStringLiteral("aucune formule")};
    return {QStringLiteral("menu-rows"), QStringLiteral("steps"), {}};
}

} // namespace

QList<DialectChoice> read(const Replies& replies)
{
    QList<DialectChoice> choices;
    // keyboard 1 is asked for as naclav2 and keyboard 2 as naclav1
    choices.append(
        lead(replies, QStringLiteral("product-lead"), QStringLiteral("PRIX"), QStringLiteral("TARIFS"), [](int n) {
            return QStringLiteral("naclav%1_1").arg(n == 1 ? 2 : n == 2 ? 1 : n);
        }));
    choices.append(lead(replies, QStringLiteral("label-lead"), QStringLiteral("CUIS"), QStringLiteral("CUISIN"),
                        [](int n) { return QStringLiteral("stgcuis%1").arg(n); }));
    choices.append(lineEnd(replies));
    choices.append({QStringLiteral("ticket-trailer"), {}, NotOnTicket});
    choices.append(kitchenGroups(replies));
    choices.append(supplements(replies));
    choices.append(paymentCaptions(replies));
    choices.append({QStringLiteral("dish-no-options"),
                    {},
                    QStringLiteral("se voit au choix d'un plat de formule, qui change la caisse")});
    choices.append({QStringLiteral("dispatch-reply"),
                    {},
                    QStringLiteral("se voit à l'envoi en préparation, qui change la caisse")});
    for (const char* name : {"ticket-header", "ticket-comments", "ticket-offered", "ticket-names", "ticket-blanks"})
        choices.append({QString::fromLatin1(name), {}, NotOnTicket});
    const std::optional<QString> names = reply(replies, QStringLiteral("nongletserveur"));
    if (!names) {
        const QString missing = QStringLiteral("« nongletserveur » sans réponse");
        choices.append({QStringLiteral("tab-names"), {}, missing});
        choices.append({QStringLiteral("waiter-names"), {}, missing});
    } else {
        const QStringList pieces = Split(*names, QStringLiteral("#"));
        const QStringList tabs = Split(pieces.value(0), QStringLiteral(";"));
        // a name of one or two characters hides its tab
        const bool shortTab =
            std::any_of(tabs.cbegin(), tabs.cend(), [](const QString& t) { return !t.isEmpty() && t.size() < 3; });
        choices.append(
            {QStringLiteral("tab-names"), shortTab ? QStringLiteral("one-short") : QStringLiteral("as-given"), {}});
        const QStringList waiters = Split(pieces.value(1), QStringLiteral(";"));
        // a waiter who cannot work now is named with blanks or not at all; both hide his key
        const bool blanks = std::any_of(waiters.cbegin(), waiters.cend(),
                                        [](const QString& w) { return !w.isEmpty() && w.trimmed().isEmpty(); });
        choices.append(
            {QStringLiteral("waiter-names"), blanks ? QStringLiteral("blanks") : QStringLiteral("empty"), {}});
    }
    choices.append(menuRows(replies));
    return choices;
}

} // namespace DialectReading
