#pragma once

#include <QString>

// The waiter identification dialogue with the register: the two requests and what their replies mean.
// The register keeps the codes; the terminal only passes on what the waiter typed.
namespace Identification {

// Reply to "code$": the waiter must clock in at the register first.
inline const QString MustClockIn = QStringLiteral("Travail");
// Reply to "code$": the waiter types a personal code.
inline const QString CodeRequired = QStringLiteral("code;1;");
// Reply to "code1$": the code is the waiter's.
inline const QString CodeAccepted = QStringLiteral("code1;1;");

enum class WaiterReply
{
    None,         // nothing came, not even after the second read
    MustClockIn,  // "Travail"
    CodeRequired, // "code;1;"
    MayWork,      // any other line: the register lets the waiter in as he is
};

WaiterReply readWaiterReply(const QString& reply);
bool codeAccepted(const QString& reply);

} // namespace Identification
