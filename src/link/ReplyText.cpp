#include "ReplyText.h"

#include <algorithm>

QStringList Split(const QString& text, const QString& separator)
{
    if (separator.isEmpty())
        return text.isEmpty() ? QStringList() : QStringList{text};
    const QList<QStringView> pieces = splitViews(text, separator);
    QStringList result;
    result.reserve(pieces.size());
    for (const QStringView piece : pieces)
        result.append(piece.toString());
    return result;
}

QList<QStringView> splitViews(QStringView text, QStringView separator)
{
    QList<QStringView> result;
    if (text.isEmpty())
        return result;
    if (separator.isEmpty())
        return {text};
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype found = text.indexOf(separator, start);
        if (found < 0) {
            result.append(text.sliced(start));
            break;
        }
        result.append(text.sliced(start, found - start));
        start = found + separator.size();
    }
    return result;
}

QString StrReplace(const QString& substring, const QString& replacement, const QString& text)
{
    if (substring.isEmpty())
        return text;
    QString result = text;
    return result.replace(substring, replacement, Qt::CaseSensitive);
}

QString field(const QStringList& fields, int index)
{
    return index >= 0 && index < fields.size() ? fields.at(index) : QString();
}

QStringView field(const QList<QStringView>& fields, int index)
{
    return index >= 0 && index < fields.size() ? fields.at(index) : QStringView();
}

QString trimReply(const QString& text)
{
    const auto trimmable = [](QChar c) { return c.unicode() <= 0x20 || c.unicode() == 0x7F || c.isSpace(); };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && trimmable(text.at(first)))
        ++first;
    while (last > first && trimmable(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

bool fitsRequestField(QStringView value)
{
    return std::none_of(value.begin(), value.end(),
                        [](QChar c) { return c == QLatin1Char('$') || c.unicode() < 0x20 || c.unicode() >= 0x7F; });
}
