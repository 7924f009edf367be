#include "CheckReportText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace RegisterCheckReport;

namespace CheckReportText {

namespace {

QString verdictLine(const Report& report)
{
    switch (report.verdict) {
    case Verdict::Starts:
        return QStringLiteral("Caisse %1 : le terminal démarre.").arg(report.address);
    case Verdict::Unreachable:
        return QStringLiteral("Caisse %1 injoignable : %2.").arg(report.address, report.reason);
    default:
        return QStringLiteral("Caisse %1 : le terminal ne démarre pas : %2.").arg(report.address, report.reason);
    }
}

QString ms(qint64 value)
{
    return value < 0 ? QStringLiteral("-") : QString::number(value);
}

QStringList paceLines(const Report& report)
{
    const Pace pace = paceOf(report.requests);
    QStringList lines{QStringLiteral("Rythme : %1 requêtes, %2 réponses ; délai de lecture %3 ms après la pause")
                          .arg(report.requests.size())
                          .arg(pace.answered)
                          .arg(RegisterLink::ReadTimeoutMs)};
    if (pace.answered == 0)
        return lines;
    lines << QStringLiteral("  premier octet : médiane %1 ms, 95 % %2 ms, la plus lente %3 ms")
                 .arg(pace.medianFirstByteMs)
                 .arg(pace.p95FirstByteMs)
                 .arg(pace.slowestFirstByteMs);
    lines << QStringLiteral("  fin de ligne : médiane %1 ms, 95 % %2 ms, la plus lente %3 ms (%4)")
                 .arg(pace.medianLineEndMs)
                 .arg(pace.p95LineEndMs)
                 .arg(pace.slowestLineEndMs)
                 .arg(pace.slowestRequest);
    if (pace.late > 0)
        lines << QStringLiteral("  RISQUE : %1 réponses hors du délai de %2 ms")
                     .arg(pace.late)
                     .arg(RegisterLink::ReadTimeoutMs);
    else if (pace.atRisk)
        lines << QStringLiteral("  RISQUE : une réponse commence %1 ms après la pause, près du délai de %2 ms ; un "
                                "paquet perdu sur le Wi-Fi la fera manquer")
                     .arg(pace.longestWaitMs)
                     .arg(RegisterLink::ReadTimeoutMs);
    else
        lines << QStringLiteral("  sûr : la réponse la plus tardive commence %1 ms après la pause, sur %2")
                     .arg(pace.longestWaitMs)
                     .arg(RegisterLink::ReadTimeoutMs);
    lines << QStringLiteral("  %1 %2 %3 %4")
                 .arg(QStringLiteral("requête"), -18)
                 .arg(QStringLiteral("pause"), 6)
                 .arg(QStringLiteral("1er octet"), 10)
                 .arg(QStringLiteral("fin de ligne"), 13);
    for (const RequestPace& request : report.requests) {
        QString line = QStringLiteral("  %1 %2 %3 %4")
                           .arg(request.text.left(18), -18)
                           .arg(request.pauseMs, 6)
                           .arg(ms(request.firstByteMs), 10)
                           .arg(ms(request.lineEndMs), 13);
        if (!request.failure.isEmpty())
            line += QStringLiteral("  échec : ") + request.failure;
        else if (!request.answered)
            line += QStringLiteral("  sans réponse");
        lines << line;
    }
    return lines;
}

QStringList dialectLines(const Report& report)
{
    QStringList lines{QStringLiteral("Choix de la caisse (dans les mots de caisse-sim --dialect-choice) :")};
    QStringList forced;
    for (const DialectChoice& choice : report.dialect) {
        if (choice.value.isEmpty()) {
            lines << QStringLiteral("  %1 : non vu, %2").arg(choice.name, choice.note);
        } else {
            lines << QStringLiteral("  %1=%2").arg(choice.name, choice.value);
            forced << QStringLiteral("--dialect-choice %1=%2").arg(choice.name, choice.value);
        }
    }
    if (!forced.isEmpty())
        lines << QStringLiteral("  pour la jouer : caisse-sim ") + forced.join(QLatin1Char(' '));
    return lines;
}

QStringList catalogueLines(const Report& report)
{
    if (!report.catalogue)
        return {QStringLiteral("Catalogue : non lu")};
    const CatalogueFigures& c = *report.catalogue;
    QStringList products;
    for (const int count : c.products)
        products << QString::number(count);
    return {
        QStringLiteral("Catalogue :"),
        QStringLiteral("  serveurs : %1 (%2)").arg(c.waiters).arg(c.waiterNames.join(QStringLiteral(", "))),
        QStringLiteral("  claviers : %1 ; produits des claviers 1 à 12 : %2")
            .arg(c.keyboards)
            .arg(products.join(QLatin1Char(' '))),
        QStringLiteral("  suppléments : %1").arg(c.supplements),
        QStringLiteral("  listes d'options cuisine : %1 ; messages de rappel : %2")
            .arg(c.kitchenLists)
            .arg(c.recallMessages),
        QStringLiteral("  formules : %1").arg(c.setMenus),
        QStringLiteral("  tables : salle 1 : %1, salle 2 : %2, salle 3 : %3")
            .arg(c.tables[0])
            .arg(c.tables[1])
            .arg(c.tables[2]),
        QStringLiteral("  gardé en cache pour la mise en route suivante : %1")
            .arg(report.cached ? QStringLiteral("oui") : QStringLiteral("non")),
    };
}

QStringList findingLines(const Report& report)
{
    QStringList lines{QStringLiteral("Réponses refusées ou coupées :")};
    if (report.findings.isEmpty())
        lines << QStringLiteral("  aucune");
    for (const Finding& finding : report.findings)
        lines << (finding.request.isEmpty() ? QStringLiteral("  %1").arg(finding.text)
                                            : QStringLiteral("  %1 : %2").arg(finding.request, finding.text));
    return lines;
}

QString tableList(const std::optional<QStringList>& tables)
{
    if (!tables)
        return QStringLiteral("échec de la requête");
    return tables->isEmpty() ? QStringLiteral("aucune")
                             : QStringLiteral("%1 (%2)").arg(tables->size()).arg(tables->join(QStringLiteral(", ")));
}

QStringList serviceLines(const Service& service)
{
    QStringList lines{QStringLiteral("Service du serveur %1 :").arg(service.waiter),
                      QStringLiteral("  code$%1$ : %2").arg(service.waiter).arg(service.waiterReply),
                      QStringLiteral("  tables libres : ") + tableList(service.freeTables),
                      QStringLiteral("  tables occupées : ") + tableList(service.busyTables)};
    if (service.tableStates) {
        const std::array<int, 3>& states = *service.tableStates;
        lines << QStringLiteral("  plan de salle : groupe 1 (bleu) %1 tables, groupe 2 (gris) %2, groupe 3 (rouge) %3")
                     .arg(states[0])
                     .arg(states[1])
                     .arg(states[2]);
    } else {
        lines << QStringLiteral("  plan de salle : échec de la requête");
    }
    return lines;
}

QJsonArray numbers(const std::array<int, 12>& values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

} // namespace

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Starts:
        return QStringLiteral("starts");
    case Verdict::Closed:
        return QStringLiteral("closed");
    case Verdict::Refused:
        return QStringLiteral("refused");
    case Verdict::Outdated:
        return QStringLiteral("outdated");
    case Verdict::Unreadable:
        return QStringLiteral("unreadable");
    case Verdict::Silent:
        return QStringLiteral("silent");
    case Verdict::Unreachable:
        break;
    }
    return QStringLiteral("unreachable");
}

QString text(const Report& report)
{
    QStringList lines{verdictLine(report), QString()};
    lines << paceLines(report) << QString() << dialectLines(report) << QString() << catalogueLines(report) << QString()
          << findingLines(report);
    if (report.service)
        lines << QString() << serviceLines(*report.service);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray json(const Report& report)
{
    const Pace pace = paceOf(report.requests);
    QJsonArray requests;
    for (const RequestPace& request : report.requests) {
        QJsonObject entry{
            {QStringLiteral("request"), request.text},        {QStringLiteral("pauseMs"), request.pauseMs},
            {QStringLiteral("answered"), request.answered},   {QStringLiteral("firstByteMs"), request.firstByteMs},
            {QStringLiteral("lineEndMs"), request.lineEndMs}, {QStringLiteral("replyLength"), request.replyLength}};
        if (!request.failure.isEmpty())
            entry.insert(QStringLiteral("failure"), request.failure);
        requests.append(entry);
    }
    QJsonObject dialect;
    QJsonObject unseen;
    for (const DialectChoice& choice : report.dialect) {
        if (choice.value.isEmpty())
            unseen.insert(choice.name, choice.note);
        else
            dialect.insert(choice.name, choice.value);
    }
    QJsonArray findings;
    for (const Finding& finding : report.findings)
        findings.append(
            QJsonObject{{QStringLiteral("request"), finding.request}, {QStringLiteral("text"), finding.text}});
    QJsonObject document{
        {QStringLiteral("address"), report.address},
        {QStringLiteral("verdict"), verdictName(report.verdict)},
        {QStringLiteral("starts"), report.starts()},
        {QStringLiteral("reason"), report.reason},
        {QStringLiteral("text"), verdictLine(report)},
        {QStringLiteral("pace"), QJsonObject{{QStringLiteral("readTimeoutMs"), RegisterLink::ReadTimeoutMs},
                                             {QStringLiteral("answered"), pace.answered},
                                             {QStringLiteral("medianFirstByteMs"), pace.medianFirstByteMs},
                                             {QStringLiteral("p95FirstByteMs"), pace.p95FirstByteMs},
                                             {QStringLiteral("slowestFirstByteMs"), pace.slowestFirstByteMs},
                                             {QStringLiteral("medianLineEndMs"), pace.medianLineEndMs},
                                             {QStringLiteral("p95LineEndMs"), pace.p95LineEndMs},
                                             {QStringLiteral("slowestLineEndMs"), pace.slowestLineEndMs},
                                             {QStringLiteral("slowestRequest"), pace.slowestRequest},
                                             {QStringLiteral("longestWaitMs"), pace.longestWaitMs},
                                             {QStringLiteral("late"), pace.late},
                                             {QStringLiteral("atRisk"), pace.atRisk}}},
        {QStringLiteral("requests"), requests},
        {QStringLiteral("dialect"), dialect},
        {QStringLiteral("unseen"), unseen},
        {QStringLiteral("findings"), findings},
        {QStringLiteral("cached"), report.cached},
    };
    if (report.catalogue) {
        const CatalogueFigures& c = *report.catalogue;
        document.insert(QStringLiteral("catalogue"),
                        QJsonObject{{QStringLiteral("waiters"), c.waiters},
                                    {QStringLiteral("waiterNames"), QJsonArray::fromStringList(c.waiterNames)},
                                    {QStringLiteral("keyboards"), c.keyboards},
                                    {QStringLiteral("products"), numbers(c.products)},
                                    {QStringLiteral("supplements"), c.supplements},
                                    {QStringLiteral("kitchenLists"), c.kitchenLists},
                                    {QStringLiteral("recallMessages"), c.recallMessages},
                                    {QStringLiteral("setMenus"), c.setMenus},
                                    {QStringLiteral("tables"), QJsonArray{c.tables[0], c.tables[1], c.tables[2]}}});
    }
    if (report.service) {
        const Service& s = *report.service;
        QJsonObject service{{QStringLiteral("waiter"), s.waiter}, {QStringLiteral("waiterReply"), s.waiterReply}};
        if (s.freeTables)
            service.insert(QStringLiteral("freeTables"), QJsonArray::fromStringList(*s.freeTables));
        if (s.busyTables)
            service.insert(QStringLiteral("busyTables"), QJsonArray::fromStringList(*s.busyTables));
        if (s.tableStates)
            service.insert(QStringLiteral("tableStates"),
                           QJsonArray{(*s.tableStates)[0], (*s.tableStates)[1], (*s.tableStates)[2]});
        document.insert(QStringLiteral("service"), service);
    }
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace CheckReportText
