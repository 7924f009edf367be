#pragma once

#include "CheckReport.h"

#include <QString>

#include <map>

// Reads, from the replies of a start, the choices a register made where the protocol leaves them to it, named as the
// register simulator names them, so that it can play this register: "line-end=lf", "kitchen-groups=six".
// A choice seen only on a ticket, a set-menu dish or a kitchen dispatch is not read: the check never asks for them.
namespace DialectReading {

struct Replies
{
    std::map<QString, QString> byRequest; // the last reply to each request answered
    int crLfEndings = 0;                  // reply lines ended with CR LF
    int lfEndings = 0;                    // and with LF alone
};

// Every choice, in the simulator's order; a choice the replies do not show has no value.
QList<RegisterCheckReport::DialectChoice> read(const Replies& replies);

} // namespace DialectReading
