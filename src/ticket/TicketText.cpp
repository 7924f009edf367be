#include "TicketText.h"

#include "link/ReplyText.h"

#include <cmath>

namespace TicketText {

QString fromReply(const QString& reply)
{
    return trimReply(
        StrReplace(QStringLiteral(";"), QString(), StrReplace(QStringLiteral("~"), QStringLiteral("\n"), reply)));
}

bool isArticleLine(const QString& line)
{
    return !line.isEmpty() && line.at(0) >= QLatin1Char('1') && line.at(0) <= QLatin1Char('9');
}

int lineAt(float lignes)
{
    // a position far outside the memo (a cancelled touch is reported there) picks no line
    if (!std::isfinite(lignes) || lignes < 0)
        return 0;
    if (lignes > 1e9F)
        return 1000000000;
    return static_cast<int>(std::floor(lignes));
}

std::optional<PickedLine> pickLine(const QStringList& lines, int n)
{
    if (n < 1 || n > lines.size() || !isArticleLine(lines.at(n - 1)))
        return std::nullopt;
    PickedLine picked;
    for (int i = 0; i < n; ++i) {
        if (isArticleLine(lines.at(i)))
            ++picked.linenumber;
    }
    picked.text = lines.at(n - 1);
    return picked;
}

std::optional<QString> articleLine(const QStringList& lines, int linenumber)
{
    int rank = 0;
    for (const QString& line : lines) {
        if (isArticleLine(line) && ++rank == linenumber)
            return line;
    }
    return std::nullopt;
}

} // namespace TicketText
