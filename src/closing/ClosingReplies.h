#pragma once

#include <QString>
#include <QStringList>

// The replies to "ntotal$" and "AN$", read the one way both are: ";" dropped, trimmed, cut into words at each blank.
class ClosingReplies final
{
public:
    explicit ClosingReplies(const QString& reply);

    // "total;0;": the register finalised this table already and waits for its payment.
    bool alreadyFinalised() const;
    // "A régler: " and the first two words as the register wrote them; empty when it gave fewer.
    QString amountDue() const;
    // "NOAN": the table has no ticket to print a pro-forma of.
    bool noTicket() const;

private:
    QString m_text;
    QStringList m_words;
};
