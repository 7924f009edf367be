#pragma once

#include <QString>

namespace sim {

class Restaurant;
class RequestDispatcher;

// What the register answers when a waiter identifies himself at a terminal. A waiter the restaurant does not
// have gets an empty line.
//
//   "code$" N "$"              "Travail" when not clocked in, "code;1;" when he has a code, "code;0;" otherwise
//   "code1$" N "$" C "$"       "code1;1;" when C is his code (and he is clocked in), "code1;0;" otherwise
class WaiterReplies final
{
public:
    explicit WaiterReplies(const Restaurant& restaurant);

    void install(RequestDispatcher& dispatcher);

private:
    QString code(const QString& request) const;
    QString code1(const QString& request) const;

    const Restaurant& m_restaurant;
};

} // namespace sim
