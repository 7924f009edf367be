#include "RequestDispatcher.h"

#include <algorithm>

namespace sim {

QString RequestDispatcher::keyword(const QString& request)
{
    const qsizetype dollar = request.indexOf(QLatin1Char('$'));
    return dollar < 0 ? request : request.left(dollar + 1);
}

void RequestDispatcher::add(const QString& keyword, Handler handler, Reply kind)
{
    m_handlers.insert(keyword, std::move(handler));
    if (kind == Reply::Ticket)
        m_ticketKeywords.insert(keyword);
}

void RequestDispatcher::addArticles(Handler handler)
{
    m_articles = std::move(handler);
}

QString RequestDispatcher::reply(const QString& request) const
{
    const QString word = keyword(request);
    const auto handler = m_handlers.constFind(word);
    if (handler != m_handlers.constEnd())
        return (*handler)(request);
    return m_articles && isArticle(word) ? m_articles(request) : QString();
}

bool RequestDispatcher::repliesWithTicket(const QString& request) const
{
    const QString word = keyword(request);
    return m_ticketKeywords.contains(word) || (m_articles && !m_handlers.contains(word) && isArticle(word));
}

bool RequestDispatcher::isArticle(const QString& keyword)
{
    if (keyword.size() < 2 || !keyword.endsWith(QLatin1Char('$')))
        return false;
    const QStringView number = QStringView(keyword).chopped(1);
    return std::all_of(number.begin(), number.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace sim
