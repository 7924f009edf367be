#include "ClosingReplies.h"

#include "link/ReplyText.h"

ClosingReplies::ClosingReplies(const QString& reply)
    : m_text(trimReply(StrReplace(QStringLiteral(";"), QString(), reply))), m_words(Split(m_text, QStringLiteral(" ")))
{
}

bool ClosingReplies::alreadyFinalised() const
{
    return m_text == QLatin1String("total0");
}

QString ClosingReplies::amountDue() const
{
    if (m_words.size() < 2)
        return QString();
    return QStringLiteral("A régler: ") + m_words.at(0) + QLatin1Char(' ') + m_words.at(1);
}

bool ClosingReplies::noTicket() const
{
    return field(m_words, 0) == QLatin1String("NOAN");
}
