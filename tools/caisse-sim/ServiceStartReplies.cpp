#include "ServiceStartReplies.h"

#include "RequestDispatcher.h"
#include "Restaurant.h"
#include "SimOptions.h"

namespace sim {

ServiceStartReplies::ServiceStartReplies(Restaurant& restaurant, const SimOptions& options, Log log)
    : m_restaurant(restaurant), m_options(options), m_log(std::move(log))
{
}

void ServiceStartReplies::install(RequestDispatcher& dispatcher)
{
    dispatcher.add(QStringLiteral("ve01$"), [this](const QString&) { return ve01(); });
    dispatcher.add(QStringLiteral("ve02$"), [this](const QString&) { return numversion(); });
    dispatcher.add(QStringLiteral("ve04$"), [this](const QString&) { return numversion(); });
    dispatcher.add(QStringLiteral("connect"), [](const QString&) { return QStringLiteral("OK"); });
}

QString ServiceStartReplies::ve01()
{
    if (m_options.clot)
        return QStringLiteral("clot");
    // Every service start looks at the data file again, so an edited restaurant gets a new stamp.
    QString error;
    if (!m_restaurant.refresh(error))
        m_log(QStringLiteral("caisse-sim: keeping the previous data: %1").arg(error));
    const QString accepted = m_options.refuse ? QStringLiteral("0") : QStringLiteral("1");
    return QStringLiteral("caisse~%1~%2").arg(accepted, m_restaurant.stamp());
}

QString ServiceStartReplies::numversion() const
{
    return m_options.outdated ? QStringLiteral("numversion~2~2~2") : QStringLiteral("numversion~2~2~3");
}

} // namespace sim
