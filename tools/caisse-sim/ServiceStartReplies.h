#pragma once

#include <QString>

#include <functional>

namespace sim {

class Restaurant;
class RequestDispatcher;
struct SimOptions;

// What the register answers when a terminal starts its service: the version handshake and the link probe.
class ServiceStartReplies final
{
public:
    using Log = std::function<void(const QString& line)>;

    ServiceStartReplies(Restaurant& restaurant, const SimOptions& options, Log log);

    void install(RequestDispatcher& dispatcher);

private:
    QString ve01();
    QString numversion() const;

    Restaurant& m_restaurant;
    const SimOptions& m_options;
    Log m_log;
};

} // namespace sim
