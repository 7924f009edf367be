#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueGeometry.h"
#include "catalogue/CatalogueParse.h"
#include "catalogue/ProductTable.h"
#include "link/FormatError.h"
#include "link/WireCodec.h"
#include "session/Limits.h"

#include <cstdint>
#include <cstdlib>

using namespace CatalogueParse;

namespace {

volatile qsizetype sink;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void keyboards(const QStringList& pieces)
{
    ProductTable prod;
    int next = 0;
    for (int n = 1; n <= 12; ++n) {
        const std::vector<Product> products = parseKeyboard(pieces.value(0), pieces.value(1), pieces.value(2), n);
        for (const Product& product : products)
            check(!product.texte.isEmpty() && !product.couleur.isEmpty() && product.numclav == n);
        next = prod.addKeyboard(next, products);
    }
    Catalogue catalogue;
    catalogue.indexArticles(prod);
    for (const int p : CatalogueGeometry::keyPositions(prod, next))
        check(CatalogueGeometry::productKey(405, p).body.y() <= 900);
    for (int k = 0; k < ProductTable::ProductCount; ++k)
        sink = CatalogueGeometry::keyColour(prod.couleur(k)).value_or(0);
}

void tablePlan(const QString& reply)
{
    const TablePlan plan = parseTablePlan(reply);
    for (int z = 0; z < Limits::Tables; ++z) {
        const CatalogueGeometry::TableButton button = CatalogueGeometry::tableButton(plan, z, 600, 800, 49);
        check(!button.planTab || (*button.planTab >= 0 && *button.planTab <= 2));
    }
}

void parse(uint8_t which, const QString& reply)
{
    switch (which % 11) {
    case 0:
        for (const auto& tab : parseTabsAndWaiters(reply).tabs)
            check(!tab || tab->size() >= 3);
        break;
    case 1:
        sink = parsePaymentCaptions(reply).has_value();
        break;
    case 2:
        check(parseSupplements(reply).size() <= size_t(MaxSupplements));
        break;
    case 3: {
        const auto flags = parseSuppFlags(reply);
        check(!flags[0] && !flags[ProductTable::FlaggedArticles + 1]);
        break;
    }
    case 4:
        // a reply line never holds a line feed, so it divides the two halves and the labels here
        sink = stripLead(reply).size();
        keyboards(reply.split(QLatin1Char('\n')));
        break;
    case 5:
        sink = parsePrintingOptions(reply)[2];
        break;
    case 6:
        sink = parseKitchenLists(reply).rappel.size();
        break;
    case 7: {
        const SetMenuContentsReply contents = parseSetMenuContentsReply(reply);
        check(parseSetMenuContentsSlots(contents.slots[0], contents.slots[1], contents.slots[2]) == contents.ctform);
        for (const QStringList& rows : contents.ctform)
            check(!rows.isEmpty() && rows.first().isEmpty());
        break;
    }
    case 8:
        sink = parseCourseRank(reply).size();
        break;
    case 9: {
        const SetMenuListReply list = parseSetMenuListReply(reply);
        check(!list.aform.isEmpty() && list.aform.first().isEmpty());
        check(list.slots[0] + list.slots[1] == (QLatin1Char(':') + reply).left(2000));
        sink = parseSetMenuListSlots(list.slots[0], list.slots[1]).size();
        break;
    }
    default:
        tablePlan(reply);
        break;
    }
}

} // namespace

// The first byte picks the parser, the rest is the reply line as the link decodes it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QString reply =
        WireCodec::decodeLine(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    try {
        parse(data[0], reply);
    } catch (const FormatError& error) {
        check(!error.text().isEmpty());
    }
    return 0;
}
