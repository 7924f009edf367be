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

QString Session::choiceFlags(const QList<bool>& ticked)
{
    QStringList flags;
    for (bool each : ticked)
        flags.append(each ? QStringLiteral("1") : QStringLiteral("--"));
    return QLatin1Char('~') + fields(flags);
}

QString Session::setMenuDish(int column, int line, int position, int course) const
{
    return standardRequest(QStringLiteral("r$")) +
           fields({QString::number(column), QString::number(line), QString::number(position), QString::number(course)});
}

QString Session::setMenuDishOptions(int course, int column, int line, const QList<bool>& ticked) const
{
    return standardRequest(QStringLiteral("b$")) +
           fields({QString::number(course), QString::number(column), QString::number(line)}) + choiceFlags(ticked);
}
