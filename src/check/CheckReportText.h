#pragma once

#include "CheckReport.h"

#include <QByteArray>
#include <QString>

// A register check as a technician reads it, in French, the verdict first; and the same as one JSON document.
namespace CheckReportText {

QString text(const RegisterCheckReport::Report& report);
QByteArray json(const RegisterCheckReport::Report& report);

// The verdict's word in the JSON document: "starts", "closed", "refused", "outdated", "unreadable", "silent",
// "unreachable".
QString verdictName(RegisterCheckReport::Verdict verdict);

} // namespace CheckReportText
