#pragma once

#include "Catalogue.h"
#include "ProductTable.h"

#include <QString>

#include <exception>
#include <map>
#include <vector>

// A catalogue as a load gives it, to be taken on at once. A load that stopped before its end holds what it read over
// the catalogue it started from, as far as it got; its products and `articles` always come together, so that no key
// orders another product's article.
struct LoadedCatalogue
{
    enum class Stop
    {
        None,      // the load went to its end
        Abandoned, // the register was lost on a request the start cannot do without
        Failed,    // an error the load does not catch: `failure`, for the caller once what was read is shown
        Ended,     // the terminal is ending: nothing more is asked for, nothing is shown
    };

    ProductTable products;
    int productCount = 0;
    std::vector<Supplement> supplements; // in list order, for the supplements panel
    Catalogue catalogue;                 // `articles` indexed from `products`
    std::map<int, QString> slots;        // the replies to cache, by settings slot; none from the cache
    // Every request of a download was answered. A download that lost a request it could do without still serves
    // this service, but is never cached: the next start downloads again.
    bool complete = true;
    Stop stop = Stop::None; // a load that stopped is never cached either
    std::exception_ptr failure;
    bool namesRead = false;     // the tab and waiter names were read: the screens are sized
    bool keyboardsRead = false; // every keyboard was read: the product keys are built
};
