#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The two version exchanges that open a service.
namespace VersionCheck {

inline const QString FirstRequest = QStringLiteral("ve01$");
inline const QString Closed = QStringLiteral("clot");
inline const QString Compatible = QStringLiteral("numversion~2~2~3");

// Registers older than 18 February 2021 are asked "ve02$", newer ones "ve04$".
QString secondRequest(const QDateTime& localNow);

struct FirstReply
{
    bool valid = false;    // at least the flag and the data stamp
    bool accepted = false; // field 1 is "1"
    QString stamp;         // field 2
};

// A reply without a flag and a stamp is not a version reply: it is handled as a failed exchange.
FirstReply parseFirstReply(const QString& reply);

} // namespace VersionCheck
