#include "SettingsFormat.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace SettingsFormat {

namespace {

const QString Section = QStringLiteral("data");

// The slot a key names: its number as we write it, without sign, blank or leading zero.
std::optional<int> slotKey(const QString& key)
{
    if (key.isEmpty() || key.size() > 3 || (key.size() > 1 && key.startsWith(QLatin1Char('0'))))
        return std::nullopt;
    int slot = 0;
    for (const QChar c : key) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        slot = slot * 10 + (c.unicode() - u'0');
    }
    if (slot >= SlotCount)
        return std::nullopt;
    return slot;
}

} // namespace

FileSlots readFile(const QByteArray& fileText)
{
    QByteArrayView text(fileText);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    std::array<QString, SlotCount> found;
    FileSlots result;
    bool crlf = false;
    bool inSection = false;
    // line by line, so that a file of countless short lines costs no more than its size
    for (qsizetype begin = 0, lineNumber = 0; begin < text.size(); ++lineNumber) {
        qsizetype end = text.indexOf('\n', begin);
        if (end < 0)
            end = text.size();
        QString line = QString::fromUtf8(text.sliced(begin, end - begin));
        begin = end + 1;
        // we write LF line ends; a file whose header ends in CR LF was edited elsewhere, so its CRs are line ends
        if (lineNumber == 0)
            crlf = line.endsWith(QLatin1Char('\r'));
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
        const std::optional<int> key = slotKey(line.left(equals).trimmed());
        if (!key || result.stored[size_t(*key)])
            continue;
        QString value = line.mid(equals + 1);
        if (value.size() > MaxValueLength) {
            value.truncate(MaxValueLength);
            // never keep half of a character that needs two UTF-16 units
            if (value.back().isHighSurrogate())
                value.chop(1);
        }
        found[size_t(*key)] = value;
        result.stored[size_t(*key)] = true;
    }

    result.values.reserve(SlotCount);
    for (int k = 0; k < SlotCount; ++k)
        result.values.append(result.stored[size_t(k)] ? found[size_t(k)] : QString::number(k));
    return result;
}

QByteArray writeSlots(const QStringList& values)
{
    // written as UTF-8 value by value: the whole file as one string and then its UTF-8 would hold it three times
    QByteArray text = '[' + Section.toUtf8() + "]\n";
    for (int k = 0; k < SlotCount; ++k) {
        QString value = k < values.size() ? values.at(k) : QString();
        // a line break inside a value would end the line; the register never sends one
        value.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += QByteArray::number(k) + '=' + value.toUtf8() + '\n';
    }
    return text;
}

} // namespace SettingsFormat
