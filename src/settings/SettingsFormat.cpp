#include "SettingsFormat.h"

#include <QHash>
#include <QString>

namespace SettingsFormat {

namespace {

const QString Section = QStringLiteral("data");

} // namespace

QStringList readSlots(const QByteArray& fileText)
{
    QString text = QString::fromUtf8(fileText);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    // we write LF line ends; a file whose header ends in CR LF was edited elsewhere, so its CRs are line ends
    const bool crlf = !lines.isEmpty() && lines.first().endsWith(QLatin1Char('\r'));

    QHash<int, QString> found;
    bool inSection = false;
    for (QString line : lines) {
        if (crlf && line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            inSection = trimmed.mid(1, trimmed.size() - 2).trimmed().compare(Section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals < 0)
            continue;
        bool isNumber = false;
        const int key = line.left(equals).trimmed().toInt(&isNumber);
        if (!isNumber || key < 0 || key >= SlotCount || found.contains(key))
            continue;
        QString value = line.mid(equals + 1);
        if (value.size() > MaxValueLength) {
            value.truncate(MaxValueLength);
            // never keep half of a character that needs two UTF-16 units
            if (value.back().isHighSurrogate())
                value.chop(1);
        }
        found.insert(key, value);
    }

    QStringList slots;
    slots.reserve(SlotCount);
    for (int k = 0; k < SlotCount; ++k)
        slots.append(found.value(k, QString::number(k)));
    return slots;
}

QByteArray writeSlots(const QStringList& values)
{
    QString text = QLatin1Char('[') + Section + QStringLiteral("]\n");
    for (int k = 0; k < SlotCount; ++k) {
        QString value = k < values.size() ? values.at(k) : QString();
        // a line break inside a value would end the line; the register never sends one
        value.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += QString::number(k) + QLatin1Char('=') + value + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace SettingsFormat
