#pragma once

#include "ProductTable.h"
#include "session/Limits.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// Pure parsers of the catalogue replies: reply text in, value out. The same text comes from the register
// or from its cached settings slot, so both paths give the same result.
// Throughout, a field past the end of a split reply is absent: absent text reads as empty and an absent
// number as 0 or false, never as an error. A number field that is there must be a decimal integer
// (decimalField), or FormatError is thrown.
namespace CatalogueParse {
constexpr int MaxSupplements = ProductTable::SupplementCount - 1;
constexpr int KitchenListCount = 9;

// The six characters the register puts before a first-half product list and before the kitchen labels: what they
// mean belongs to the register, the terminal only drops them.
QString stripLead(const QString& reply);

// "nongletserveur"
struct TabsAndWaiters
{
    std::array<std::optional<QString>, Limits::Keyboards> tabs; // caption of tab i; none hides the tab
    std::array<QString, Limits::Waiters> serv;                  // `serv`[1..8] at 0..7
    std::array<bool, Limits::Waiters> waiterShown{};            // a shown button's label is its name as received
};
TabsAndWaiters parseTabsAndWaiters(const QString& reply);

// "enc$": the caption of each payment button; none hides the button.
struct PaymentCaptions
{
    std::optional<QString> cb;
    std::optional<QString> ch;
    std::optional<QString> ba;
    std::optional<QString> es;
};
// An empty reply gives none: the four buttons stay as they are.
std::optional<PaymentCaptions> parsePaymentCaptions(const QString& reply);

// "listesupp": code;name pairs, at most 50, a lone last code ignored. Pairs past the 50th are not read.
std::vector<Supplement> parseSupplements(const QString& reply);

// "supplement": by article number, flags of articles 1..800; an empty field sets its flag, an absent one does not.
std::array<bool, ProductTable::ArticleCount> parseSuppFlags(const QString& reply);

// One keyboard: the first-half list (already stripped) followed without separator by the second half,
// and the kitchen labels (already stripped). Records of five fields, name;cuis;menucuis;colour;article,
// up to the first record with an empty or absent field.
std::vector<Product> parseKeyboard(const QString& firstHalf, const QString& secondHalf, const QString& kitchenLabels,
                                   int numclav);

// "limp": three integers separated by "$"; their meaning belongs to the register.
using PrintingOptions = std::array<int, 3>;
PrintingOptions parsePrintingOptions(const QString& reply);

// "nacuistot": groups on "#", 0..4 and 6..9 the option lists `cuis1`..`cuis9`, 5 the recall list.
struct KitchenLists
{
    std::array<QStringList, KitchenListCount> kitchenOptionLists; // `cuis1`..`cuis9` at 0..8
    QStringList rappel;
};
KitchenLists parseKitchenLists(const QString& reply);

// "ctnform": "~" + reply, cached in slots 43, 44, 45 as 1000, 1000 and the rest.
using SetMenuContents = std::array<QStringList, Limits::SetMenus>; // `ctform1`..`ctform10`, entry 0 empty
struct SetMenuContentsReply
{
    std::array<QString, 3> slots;
    SetMenuContents ctform;
};
SetMenuContentsReply parseSetMenuContentsReply(const QString& reply);
SetMenuContents parseSetMenuContentsSlots(const QString& slot43, const QString& slot44, const QString& slot45);

// "rang1".."rang7": entry a-1 is "1" when article a may be served as that course.
QStringList parseCourseRank(const QString& reply);

// "aform1".."aform10": ":" + reply, split on ":". Only its first 2000 characters are cached, in two slots,
// so a longer reply gives a shorter list from the cache.
struct SetMenuListReply
{
    std::array<QString, 2> slots;
    QStringList aform;
};
SetMenuListReply parseSetMenuListReply(const QString& reply);
QStringList parseSetMenuListSlots(const QString& first, const QString& second);

// "tablepos$": six "$" groups of ";" lists, entry z for table z+1. The numbers are converted per table
// by CatalogueGeometry::tableButton, so the tables before a bad entry still exist.
struct TablePlan
{
    QStringList tableleft;
    QStringList tabletop;
    QStringList tableh;
    QStringList tablew;
    QStringList tableplan;
    QStringList tablevisible;
};
TablePlan parseTablePlan(const QString& reply);

} // namespace CatalogueParse
