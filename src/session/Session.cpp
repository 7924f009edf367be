#include "Session.h"

#include "Limits.h"

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

QString Session::articleRequest(int article, int course) const
{
    return fields({QString::number(article), m_table, m_covers, m_waiter, QString::number(course)});
}

QString Session::articleRequest(int article, int course, const QList<bool>& options) const
{
    // a product whose list is empty is ordered without flags
    return articleRequest(article, course) + (options.isEmpty() ? QString() : choiceFlags(options));
}

QString Session::choiceFlags(const QList<bool>& ticked)
{
    QStringList flags;
    for (const bool tick : ticked)
        flags.append(tick ? QStringLiteral("1") : QStringLiteral("--"));
    return QLatin1Char('~') + fields(flags);
}

QString Session::supplementRequest(int position) const
{
    return fields({QString::number(Limits::FirstSupplementArticle + position), m_table, m_covers, m_waiter}) +
           choiceFlags(QList<bool>(Limits::SupplementOptionFlags, false));
}

QString Session::lineRemoval(int linenumber) const
{
    return standardRequest(QStringLiteral("moinsun$")) + fields({QString::number(linenumber)});
}

QString Session::lineOffer(int linenumber) const
{
    return standardRequest(QStringLiteral("offreligne$")) + fields({QString::number(linenumber)});
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
