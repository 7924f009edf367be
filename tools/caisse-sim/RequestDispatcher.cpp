#include "RequestDispatcher.h"

QString RequestDispatcher::keyword(const QString& request)
{
    const qsizetype dollar = request.indexOf(QLatin1Char('$'));
    return dollar < 0 ? request : request.left(dollar + 1);
}

void RequestDispatcher::add(const QString& keyword, Handler handler)
{
    m_handlers.insert(keyword, std::move(handler));
}

QString RequestDispatcher::reply(const QString& request) const
{
    const auto handler = m_handlers.constFind(keyword(request));
    return handler == m_handlers.constEnd() ? QString() : (*handler)(request);
}
