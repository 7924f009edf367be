#pragma once

#include <QString>

// What one exchange came to. A failure the plan does not raise ends here, for the handler to read.
struct Exchange
{
    QString reply;          // empty when none came
    bool connected = false; // the register was reached
    bool sent = false;      // the request went out
    bool answered = false;  // a reply line came: an empty line is a reply
    bool failed = false;
    QString error; // the failure's French text

    bool ok() const { return !failed; }
};
