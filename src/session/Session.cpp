#include "Session.h"

#include "ExchangePlans.h"
#include "Limits.h"
#include "link/VersionCheck.h"

#include <array>

namespace {

// payment modes 1 to 4, with their plans
struct PaymentMode
{
    const char* keyword;
    const ExchangePlan& plan;
};

const std::array<PaymentMode, Session::PaymentModes> Payments{{
    {"cb$", ExchangePlans::Payment},
    {"ch$", ExchangePlans::Payment},
    {"ba$", ExchangePlans::LatePayment},
    {"es$", ExchangePlans::LatePayment},
}};

} // namespace

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

Request Session::versionProbe()
{
    return {VersionCheck::FirstRequest, ExchangePlans::VersionProbe};
}

Request Session::versionQuery()
{
    return {VersionCheck::FirstRequest, ExchangePlans::VersionQuery};
}

Request Session::versionDateQuery(const QDateTime& localNow)
{
    return {VersionCheck::secondRequest(localNow), ExchangePlans::VersionDate};
}

Request Session::linkProbe()
{
    return {QStringLiteral("connect"), ExchangePlans::LinkProbe};
}

Request Session::catalogueList(const QString& keyword)
{
    return {keyword, ExchangePlans::CatalogueList};
}

Request Session::catalogueListSettled(const QString& keyword)
{
    return {keyword, ExchangePlans::CatalogueListSettled};
}

Request Session::ticketRefresh() const
{
    return {standardRequest(QStringLiteral("ad$")), ExchangePlans::TicketRefresh};
}

Request Session::ticketRefreshLeavingTrailingLine() const
{
    return {standardRequest(QStringLiteral("ad$")), ExchangePlans::TicketRefreshLeavingTrailingLine};
}

Request Session::planTicketRequest() const
{
    return {QStringLiteral("ad$") + fields({m_table, QStringLiteral("0"), m_waiter}), ExchangePlans::PlanTicket};
}

Request Session::freeTablesQuery()
{
    return {QStringLiteral("ademandelibre$"), ExchangePlans::FreeTables};
}

Request Session::busyTablesQuery()
{
    return {QStringLiteral("ademande$"), ExchangePlans::BusyTables};
}

Request Session::tableStatesQuery()
{
    return {QStringLiteral("tableocc"), ExchangePlans::TableStates};
}

Request Session::listCoversQuery() const
{
    return {QStringLiteral("couverts$") + fields({m_table}), ExchangePlans::TakenTableCovers};
}

Request Session::planCoversQuery() const
{
    return {standardRequest(QStringLiteral("couverts$")), ExchangePlans::TakenTableCovers};
}

Request Session::coversPanelQuery() const
{
    return {QStringLiteral("couverts$") + fields({m_table, m_waiter}), ExchangePlans::CoversPanel};
}

Request Session::coversUpdate() const
{
    return {standardRequest(QStringLiteral("envcouverts$")), ExchangePlans::CoversPanel};
}

Request Session::waiterQuery(int waiter)
{
    return {QStringLiteral("code$") + fields({QString::number(waiter)}), ExchangePlans::WaiterKey};
}

Request Session::codeCheck(const QString& code) const
{
    return {QStringLiteral("code1$") + fields({m_waiter, code}), ExchangePlans::CodeCheck};
}

Request Session::codeCheckWhileTyping(const QString& code) const
{
    return {QStringLiteral("code1$") + fields({m_waiter, code}), ExchangePlans::CodeCheckWhileTyping};
}

Request Session::articleRequest(int article, int course) const
{
    return {fields({QString::number(article), m_table, m_covers, m_waiter, QString::number(course)}),
            ExchangePlans::ArticleOrder};
}

Request Session::articleRequestAfterCourse(int article, int course) const
{
    return {articleRequest(article, course).text, ExchangePlans::ArticleOrderAfterCourse};
}

Request Session::articleRequest(int article, int course, const QList<bool>& options) const
{
    // a product whose list is empty is ordered without flags
    return {articleRequest(article, course).text + (options.isEmpty() ? QString() : choiceFlags(options)),
            ExchangePlans::ArticleWithKitchenOptions};
}

QString Session::choiceFlags(const QList<bool>& ticked)
{
    QStringList flags;
    for (const bool tick : ticked)
        flags.append(tick ? QStringLiteral("1") : QStringLiteral("--"));
    return QLatin1Char('~') + fields(flags);
}

Request Session::supplementRequest(int position) const
{
    return {fields({QString::number(Limits::FirstSupplementArticle + position), m_table, m_covers, m_waiter}) +
                choiceFlags(QList<bool>(Limits::SupplementOptionFlags, false)),
            ExchangePlans::Supplement};
}

Request Session::lineRemoval(int linenumber) const
{
    return {standardRequest(QStringLiteral("moinsun$")) + fields({QString::number(linenumber)}),
            ExchangePlans::LineChange};
}

Request Session::lineOffer(int linenumber) const
{
    return {standardRequest(QStringLiteral("offreligne$")) + fields({QString::number(linenumber)}),
            ExchangePlans::LineChange};
}

Request Session::waitingCoursesQuery() const
{
    return {standardRequest(QStringLiteral("demanderang$")), ExchangePlans::WaitingCourses};
}

Request Session::kitchenDispatch(int course) const
{
    return {standardRequest(QStringLiteral("ec$")) + fields({QString::number(course)}), ExchangePlans::KitchenDispatch};
}

Request Session::leaveTableNotice() const
{
    return {standardRequest(QStringLiteral("retour$")) + fields({QStringLiteral("0")}), ExchangePlans::LeaveTable};
}

Request Session::recallMessages(const QList<bool>& ticked) const
{
    return {standardRequest(QStringLiteral("rc$")) + fields({QString::number(m_course)}) + choiceFlags(ticked),
            ExchangePlans::KitchenMessages};
}

Request Session::nextCourseQuery() const
{
    return {QStringLiteral("suitesss$") + fields({m_table, m_waiter}), ExchangePlans::NextCourseQuery};
}

Request Session::nextCourseClaim(const QList<bool>& ticked) const
{
    return {standardRequest(QStringLiteral("su$")) + fields({QString::number(m_course)}) + choiceFlags(ticked),
            ExchangePlans::KitchenMessages};
}

Request Session::totalQuery() const
{
    return {standardRequest(QStringLiteral("ntotal$")), ExchangePlans::Total};
}

Request Session::proformaRequest() const
{
    return {standardRequest(QStringLiteral("AN$")), ExchangePlans::Proforma};
}

Request Session::payment(int mode) const
{
    const PaymentMode& chosen = Payments.at(size_t(mode - 1));
    return {standardRequest(QLatin1String(chosen.keyword)), chosen.plan};
}

Request Session::registerScreenMessage(const QString& text) const
{
    return {standardRequest(QStringLiteral("adc$")) + fields({text}), ExchangePlans::Message};
}

Request Session::kitchenPrintersMessage(const QString& text) const
{
    return {standardRequest(QStringLiteral("adi$")) + fields({text}), ExchangePlans::Message};
}

Request Session::setMenuList() const
{
    return {standardRequest(QStringLiteral("af$")), ExchangePlans::SetMenuList};
}

Request Session::setMenuDish(int column, int line, int position, int course) const
{
    return {standardRequest(QStringLiteral("r$")) + fields({QString::number(column), QString::number(line),
                                                            QString::number(position), QString::number(course)}),
            ExchangePlans::SetMenuDish};
}

Request Session::setMenuDishOptions(int course, int column, int line, const QList<bool>& ticked) const
{
    return {standardRequest(QStringLiteral("b$")) +
                fields({QString::number(course), QString::number(column), QString::number(line)}) + choiceFlags(ticked),
            ExchangePlans::SetMenuDishOptions};
}
