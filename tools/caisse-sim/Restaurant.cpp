#include "Restaurant.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QtEndian>

namespace {

// A decimal number: the terminal compares stamps as text and splits the version reply on "~".
QString stampOf(const QByteArray& bytes)
{
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    return QString::number(qFromBigEndian<quint32>(hash.constData()));
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
    const QString name = document.object().value(QLatin1String("restaurant")).toString();
    if (name.isEmpty()) {
        error = QStringLiteral("%1 has no \"restaurant\" name").arg(path);
        return false;
    }

    m_path = path;
    m_name = name;
    m_stamp = stampOf(bytes);
    return true;
}

bool Restaurant::refresh(QString& error)
{
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly) && stampOf(file.readAll()) == m_stamp)
        return true;
    return load(m_path, error);
}
