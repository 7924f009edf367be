#include "Session.h"

void Session::reset()
{
    m_waiter = QStringLiteral("1");
    m_table = QStringLiteral("0");
    m_covers = QStringLiteral("0");
}

QString Session::fields(const QStringList& values)
{
    QString text;
    for (const QString& value : values)
        text += value + QLatin1Char('$');
    return text;
}

QString Session::standardFields() const
{
    return fields({m_table, m_covers, m_waiter});
}

QString Session::planTicketRequest() const
{
    return QStringLiteral("ad$") + fields({m_table, QStringLiteral("0"), m_waiter});
}

QString Session::listCoversQuery() const
{
    return QStringLiteral("couverts$") + fields({m_table});
}

QString Session::coversPanelQuery() const
{
    return QStringLiteral("couverts$") + fields({m_table, m_waiter});
}

QString Session::waiterQuery(int waiter)
{
    return QStringLiteral("code$") + fields({QString::number(waiter)});
}

QString Session::codeCheck(const QString& code) const
{
    return QStringLiteral("code1$") + fields({m_waiter, code});
}
