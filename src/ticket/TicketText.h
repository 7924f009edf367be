#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The ticket as the register sends it and as the waiter picks its lines. The terminal gives the text no
// structure of its own beyond the article-line rule: columns, prices and totals are the register's.
namespace TicketText {

// Every screen that shows a ticket goes through this: "~" breaks the line, ";" is dropped, and blanks and
// control characters are trimmed at both ends.
QString fromReply(const QString& reply);

// A line the waiter can act on starts with its quantity, so with "1" to "9" (a quantity of 10 starts with "1").
bool isArticleLine(const QString& line);

// The line a touch position picks: the largest whole number not above it (line 1 is the first line).
int lineAt(float lignes);

struct PickedLine
{
    int linenumber = 0; // rank among the article lines: how the register names the line
    QString text;
};

// Line n (1-based) of the ticket, when it exists and is an article line.
std::optional<PickedLine> pickLine(const QStringList& lines, int n);
// The article line of that rank (from 1); none when the ticket has fewer.
std::optional<QString> articleLine(const QStringList& lines, int linenumber);

} // namespace TicketText
