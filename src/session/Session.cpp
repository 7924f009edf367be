#include "Session.h"

void Session::reset()
{
    m_waiter = QStringLiteral("1");
    m_table = QStringLiteral("0");
    m_covers = QStringLiteral("0");
    m_course = 0;
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
    for (bool tick : ticked)
        flags.append(tick ? QStringLiteral("1") : QStringLiteral("--"));
    return QLatin1Char('~') + fields(flags);
}

QString Session::kitchenDispatch(int course) const
{
    return standardRequest(QStringLiteral("ec$")) + fields({QString::number(course)});
}

QString Session::leaveTableNotice() const
{
    return standardRequest(QStringLiteral("retour$")) + fields({QStringLiteral("0")});
}

QString Session::recallMessages(const QList<bool>& ticked) const
{
    return standardRequest(QStringLiteral("rc$")) + fields({QString::number(m_course)}) + choiceFlags(ticked);
}

QString Session::nextCourseQuery() const
{
    return QStringLiteral("suitesss$") + fields({m_table, m_waiter});
}

QString Session::nextCourseClaim(const QList<bool>& ticked) const
{
    return standardRequest(QStringLiteral("su$")) + fields({QString::number(m_course)}) + choiceFlags(ticked);
}

QString Session::registerScreenMessage(const QString& text) const
{
    return standardRequest(QStringLiteral("adc$")) + fields({text});
}

QString Session::kitchenPrintersMessage(const QString& text) const
{
    return standardRequest(QStringLiteral("adi$")) + fields({text});
}
