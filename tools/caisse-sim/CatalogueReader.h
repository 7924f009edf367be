#pragma once

#include "RestaurantCatalogue.h"

#include <QJsonObject>
#include <QString>

namespace sim {

// Reads the restaurant's data file into a catalogue and turns away what the terminal could not take:
// numbers out of the ranges it knows, duplicates, and texts holding a separator of the line protocol.
class CatalogueReader final
{
public:
    // On failure returns false with error naming the faulty entry, e.g. "keyboards[2].products[5].colour".
    static bool read(const QJsonObject& data, RestaurantCatalogue& catalogue, QString& error);
};

} // namespace sim
