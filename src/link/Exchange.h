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
    // When the reply's first byte and the end of its line came, in ms after the request went out; -1 for none. A
    // reply that came during the plan's pause is seen when the pause is over.
    qint64 firstByteMs = -1;
    qint64 lineEndMs = -1;
    bool endedWithCr = false; // the reply line ended with CR LF rather than LF alone

    bool ok() const { return !failed; }
};
