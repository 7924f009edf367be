#include "Restaurant.h"

#include "CatalogueReader.h"
#include "CatalogueReplies.h"
#include "Dialect.h"

#include "WireLine.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QtEndian>

namespace sim {

namespace {

// A decimal number: the terminal compares stamps as text and splits the version reply on "~".
QString stampOf(const QByteArray& bytes)
{
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    return QString::number(qFromBigEndian<quint32>(hash.constData()));
}

// The terminal gives up on a line longer than it can buffer, and with it on the whole catalogue load.
bool fitsOnTheLine(const RestaurantCatalogue& catalogue, QString& error)
{
    for (const auto& [request, builder] : CatalogueReplies::all()) {
        const qsizetype length = builder(catalogue, Dialect()).size();
        if (length > MaxLineLength - 1) {
            error = QStringLiteral("the reply to \"%1\" would be %2 characters long, more than the terminal reads "
                                   "(%3)")
                        .arg(request)
                        .arg(length)
                        .arg(MaxLineLength - 1);
            return false;
        }
    }
    return true;
}

} // namespace

bool Restaurant::load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("%1 is not valid JSON (offset %2): %3")
                    .arg(path)
                    .arg(parseError.offset)
                    .arg(parseError.errorString());
        return false;
    }
    RestaurantCatalogue catalogue;
    QString reason;
    if (!CatalogueReader::read(document.object(), catalogue, reason) || !fitsOnTheLine(catalogue, reason)) {
        error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }

    m_path = path;
    m_catalogue = catalogue;
    m_fileStamp = stampOf(bytes);
    m_stamp = m_fileStamp;
    return true;
}

bool Restaurant::refresh(QString& error)
{
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly) && stampOf(file.readAll()) == m_fileStamp)
        return true;
    return load(m_path, error);
}

} // namespace sim
