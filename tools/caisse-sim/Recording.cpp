#include "Recording.h"

#include <QTextStream>

namespace sim {

namespace Recording {

namespace {

QChar kindMark(Kind kind)
{
    switch (kind) {
    case Kind::Extra:
        return QLatin1Char('+');
    case Kind::Unanswered:
        return QLatin1Char('!');
    default:
        return QLatin1Char('=');
    }
}

} // namespace

QString escaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\t'))
            result += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            result += QStringLiteral("\\x%1").arg(c.unicode() > 0xFF ? 0x3F : c.unicode(), 2, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}

QString unescaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\') || i + 1 == text.size()) {
            result += text.at(i);
            continue;
        }
        const QChar next = text.at(++i);
        bool ok = false;
        const ushort byte = next == QLatin1Char('x') ? text.mid(i + 1, 2).toUShort(&ok, 16) : 0;
        if (next == QLatin1Char('t'))
            result += QLatin1Char('\t');
        else if (ok) {
            result += QChar(byte);
            i += 2;
        } else
            result += next;
    }
    return result;
}

QString masked(const QString& request)
{
    if (!request.startsWith(QLatin1String("code1$")))
        return request;
    QStringList fields = request.split(QLatin1Char('$'));
    if (fields.size() > 2 && !fields.at(2).isEmpty())
        fields[2] = QStringLiteral("****");
    return fields.join(QLatin1Char('$'));
}

QString line(const Entry& entry)
{
    return QStringList{kindMark(entry.kind),
                       QString::number(entry.connection),
                       QString::number(entry.seconds, 'f', 3),
                       entry.kind == Kind::Exchange ? QString::number(entry.ms) : QStringLiteral("-"),
                       escaped(entry.request),
                       escaped(entry.reply)}
        .join(QLatin1Char('\t'));
}

bool parse(const QString& line, Entry& entry)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 6 || fields.at(0).size() != 1)
        return false;
    const QChar mark = fields.at(0).at(0);
    if (mark == QLatin1Char('='))
        entry.kind = Kind::Exchange;
    else if (mark == QLatin1Char('+'))
        entry.kind = Kind::Extra;
    else if (mark == QLatin1Char('!'))
        entry.kind = Kind::Unanswered;
    else
        return false;
    bool ok = false;
    entry.connection = fields.at(1).toInt(&ok);
    if (!ok)
        return false;
    entry.seconds = fields.at(2).toDouble(&ok);
    if (!ok)
        return false;
    entry.ms = fields.at(3).toInt();
    entry.request = unescaped(fields.at(4));
    entry.reply = unescaped(fields.at(5));
    return true;
}

bool read(const QString& path, QList<Entry>& entries, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    Entry entry;
    while (!in.atEnd()) {
        if (parse(in.readLine(), entry))
            entries.append(entry);
    }
    return true;
}

} // namespace Recording

} // namespace sim
