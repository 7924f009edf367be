#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class ScriptedRegister;

// A catalogue download as a scripted register answers it: a reply for each request, in the order they come.
namespace CatalogueScript {

using Replies = QMap<QString, QByteArray>;

// a reply the script turns into a closed connection
inline const QByteArray Close = QByteArrayLiteral("<close>");
// a reply the script turns into no answer at all
inline const QByteArray Silent = QByteArrayLiteral("<silent>");

// A small brasserie: keyboard 1 has two products whose second record is cut between its two halves, keyboard 2 one,
// the others none; the other requests are left out.
Replies sample();
// Every request of a download, in the order the register receives them.
QStringList catalogueRequests();
// What a register sends for a request the script leaves out: a keyboard's lists hold only their lead, as they do
// for a keyboard without products; any other reply is an empty line.
QByteArray unlisted(const QString& request);
// Scripts the whole download: the reply given for each request, or the unlisted one.
void script(ScriptedRegister& caisse, const Replies& replies);

} // namespace CatalogueScript
