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

Replies sample()
{
    return {
        {QStringLiteral("nongletserveur"),
         "Aperitifs;Softs;Bieres;Vins;Entrees;Plats;Desserts;Cafes;ab;;Extra;Formules;#Camille;Paul;;  ;Lea;Marc;Zoe;"
         "Patron;"},
        {QStringLiteral("enc$"), "Carte bancaire;a;Bon achat;Especes"},
        {QStringLiteral("listesupp"), "1;Frites;2;Salade;3"},
        {QStringLiteral("supplement"), "0;1;;0"},
        {QStringLiteral("naclav2_1"), "PRIX01Pastis;0;0;xFFFF0000;10;Kir;1;2;xFF00FF00;1"},
        {QStringLiteral("naclav2_2"), "1;;;;;;"},
        {QStringLiteral("stgcuis1"), "CUIS01Pastis cuisine;Kir cuisine"},
        {QStringLiteral("naclav1_1"), "PRIX02Coca;0;0;x00FF00;20;;;;;"},
        {QStringLiteral("stgcuis2"), "CUIS02Coca cuisine"},
        {QStringLiteral("limp"), "1$1$0"},
        {QStringLiteral("nacuistot"), "Saignant;A point#####Vite;Doucement####"},
        {QStringLiteral("ctnform"), "10;11$20~~~~~~~~~"},
        {QStringLiteral("rang1"), "0;0;0;0;0;0;0;0;0;1;1"},
        {QStringLiteral("aform1"), "Pastis;Kir:Coca"},
        {QStringLiteral("tablepos$"), "100;0$200;0$100;0$50;0$1;2$1;0"},
    };
}

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
