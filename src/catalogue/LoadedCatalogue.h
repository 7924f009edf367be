#pragma once

#include "Catalogue.h"
#include "ProductTable.h"

#include <QString>

#include <map>
#include <vector>

// One whole catalogue as a load gives it, to be taken on at once: a catalogue half old and half new would order the
// wrong articles.
struct LoadedCatalogue
{
    ProductTable products;
    int productCount = 0;
    std::vector<Supplement> supplements; // in list order, for the supplements panel
    Catalogue catalogue;                 // `articles` indexed from `products`
    std::map<int, QString> slots;        // the replies to cache, by settings slot; none from the cache
    // Every request of a download was answered. A download that lost a request it could do without still serves
    // this service, but is never cached: the next start downloads again.
    bool complete = true;
};
