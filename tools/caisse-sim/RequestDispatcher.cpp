#include "RequestDispatcher.h"

#include <algorithm>

QString RequestDispatcher::keyword(const QString& request)
{
    const qsizetype dollar = request.indexOf(QLatin1Char('$'));
    return dollar < 0 ? request : request.left(dollar + 1);
}

void RequestDispatcher::add(const QString& keyword, Handler handler)
{
    m_handlers.insert(keyword, std::move(handler));
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
    if (!m_articles || word.size() < 2 || !word.endsWith(QLatin1Char('$')))
        return QString();
    const QStringView number = QStringView(word).chopped(1);
    const bool digits = std::all_of(number.begin(), number.end(),
                                    [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    return digits ? m_articles(request) : QString();
}
