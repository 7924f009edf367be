#pragma once

#include "RestaurantCatalogue.h"

#include <QString>

namespace sim {

// The restaurant the simulator plays the register of, read from its JSON data file.
class Restaurant final
{
public:
    // Reads and checks the file; on failure the current data stays and error says why.
    bool load(const QString& path, QString& error);

    // Reads the file again if its content changed since the last load, so that an edit reaches the
    // terminal at its next service start. An invalid file keeps the current data.
    bool refresh(QString& error);

    const QString& path() const { return m_path; }
    const QString& name() const { return m_catalogue.name; }
    const RestaurantCatalogue& catalogue() const { return m_catalogue; }

    // Changes with every change of the file's bytes; the terminal downloads its catalogue again when it
    // differs from the one it cached.
    const QString& stamp() const { return m_stamp; }
    // A register restarted with other data reports another stamp, though the file is the same.
    void setStamp(const QString& stamp) { m_stamp = stamp; }

private:
    QString m_path;
    RestaurantCatalogue m_catalogue;
    QString m_fileStamp; // of the bytes last loaded, to see an edit
    QString m_stamp;
};

} // namespace sim
