#include "CatalogueScript.h"

#include "ScriptedRegister.h"

namespace CatalogueScript {

namespace {

// keyboard 1 is asked for as naclav2 and keyboard 2 as naclav1
int listNumber(int keyboard)
{
    return keyboard == 1 ? 2 : keyboard == 2 ? 1 : keyboard;
}

} // namespace

QStringList catalogueRequests()
{
    QStringList requests{QStringLiteral("nongletserveur"), QStringLiteral("enc$"), QStringLiteral("listesupp"),
                         QStringLiteral("supplement")};
    for (int n = 1; n <= 12; ++n) {
        requests << QStringLiteral("naclav%1_1").arg(listNumber(n)) << QStringLiteral("naclav%1_2").arg(listNumber(n))
                 << QStringLiteral("stgcuis%1").arg(n);
    }
    requests << QStringLiteral("limp") << QStringLiteral("nacuistot") << QStringLiteral("ctnform");
    for (int n = 1; n <= 7; ++n)
        requests << QStringLiteral("rang%1").arg(n);
    for (int n = 1; n <= 10; ++n)
        requests << QStringLiteral("aform%1").arg(n);
    requests << QStringLiteral("tablepos$");
    return requests;
}

QByteArray unlisted(const QString& request)
{
    for (int n = 1; n <= 12; ++n) {
        const QByteArray number = QByteArray::number(n).rightJustified(2, '0');
        if (request == QStringLiteral("naclav%1_1").arg(listNumber(n)))
            return "PRIX" + number;
        if (request == QStringLiteral("stgcuis%1").arg(n))
            return "CUIS" + number;
    }
    return QByteArray();
}

void script(ScriptedRegister& caisse, const Replies& replies)
{
    for (const QString& request : catalogueRequests()) {
        const QByteArray reply = replies.contains(request) ? replies.value(request) : unlisted(request);
        if (reply == Close)
            caisse.closeConnection();
        else if (reply == Silent)
            caisse.ignore();
        else
            caisse.replyBytes(reply + "\r\n");
    }
}

} // namespace CatalogueScript
