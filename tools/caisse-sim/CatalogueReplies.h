#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

namespace sim {

class Dialect;

struct RestaurantCatalogue;
class Restaurant;
class RequestDispatcher;

// What the register answers to the requests of the terminal's catalogue load, built from the restaurant's
// data at every request, so that an edited data file is served at the terminal's next download.
class CatalogueReplies final
{
public:
    using Builder = std::function<QString(const RestaurantCatalogue& catalogue, const Dialect& dialect)>;

    CatalogueReplies(const Restaurant& restaurant, const Dialect& dialect);

    // Every catalogue request with the builder of its reply, in the order the terminal sends them.
    // The replies are 7-bit already: the product lists are cut in two on their final text.
    static const QList<std::pair<QString, Builder>>& all();

    void install(RequestDispatcher& dispatcher);

private:
    const Restaurant& m_restaurant;
    const Dialect& m_dialect;
};

} // namespace sim
