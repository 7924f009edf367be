#include "CatalogueReplies.h"

#include "CatalogueText.h"
#include "RequestDispatcher.h"
#include "Restaurant.h"

namespace sim {

namespace {

// The register asks its first two keyboards the other way round.
int productListNumber(int keyboard)
{
    switch (keyboard) {
    case 1:
        return 2;
    case 2:
        return 1;
    default:
        return keyboard;
    }
}

QList<std::pair<QString, CatalogueReplies::Builder>> builders()
{
    using namespace CatalogueText;
    QList<std::pair<QString, CatalogueReplies::Builder>> result{
        {QStringLiteral("nongletserveur"), tabsAndWaiters},
        {QStringLiteral("enc$"), paymentCaptions},
        {QStringLiteral("listesupp"), supplementList},
        {QStringLiteral("supplement"), supplementFlags},
    };
    for (int keyboard = 1; keyboard <= RestaurantCatalogue::Keyboards; ++keyboard) {
        const QString productList = QStringLiteral("naclav%1_").arg(productListNumber(keyboard));
        result.append({productList + QLatin1Char('1'), [keyboard](const RestaurantCatalogue& c, const Dialect& d) {
                           return productListHalf(c, d, keyboard, 1);
                       }});
        result.append({productList + QLatin1Char('2'), [keyboard](const RestaurantCatalogue& c, const Dialect& d) {
                           return productListHalf(c, d, keyboard, 2);
                       }});
        result.append(
            {QStringLiteral("stgcuis%1").arg(keyboard),
             [keyboard](const RestaurantCatalogue& c, const Dialect& d) { return kitchenLabels(c, d, keyboard); }});
    }
    result.append({QStringLiteral("limp"), printingOptions});
    result.append({QStringLiteral("nacuistot"), kitchenLists});
    result.append({QStringLiteral("ctnform"), setMenuContents});
    for (int course = 1; course <= RestaurantCatalogue::Courses; ++course)
        result.append({QStringLiteral("rang%1").arg(course),
                       [course](const RestaurantCatalogue& c, const Dialect& d) { return courseRank(c, d, course); }});
    for (int menu = 1; menu <= RestaurantCatalogue::SetMenus; ++menu)
        result.append({QStringLiteral("aform%1").arg(menu),
                       [menu](const RestaurantCatalogue& c, const Dialect& d) { return setMenuChoices(c, d, menu); }});
    result.append({QStringLiteral("tablepos$"), tablePlan});
    return result;
}

} // namespace

CatalogueReplies::CatalogueReplies(const Restaurant& restaurant, const Dialect& dialect)
    : m_restaurant(restaurant), m_dialect(dialect)
{
}

const QList<std::pair<QString, CatalogueReplies::Builder>>& CatalogueReplies::all()
{
    static const QList<std::pair<QString, Builder>> replies = builders();
    return replies;
}

void CatalogueReplies::install(RequestDispatcher& dispatcher)
{
    for (const auto& [request, builder] : all())
        dispatcher.add(request, [this, builder = builder](const QString&) {
            return builder(m_restaurant.catalogue(), m_dialect);
        });
}

} // namespace sim
