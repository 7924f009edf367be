#include "CatalogueScript.h"
#include "ScriptedRegister.h"
#include "SimProcess.h"

#include "check/CheckReport.h"
#include "check/CheckReportText.h"
#include "check/RegisterCheck.h"
#include "link/RegisterLink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace RegisterCheckReport;

namespace {

const QString SimAddress = QStringLiteral("127.0.0.1");
constexpr int CheckMs = 60000;

struct CommandRun
{
    int exitCode = -1;
    QByteArray output;
};

// commande --check as a technician runs it, with no display
CommandRun runCheck(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(COMMANDE_BIN), QStringList{QStringLiteral("--check")} + arguments);
    CommandRun run;
    if (!process.waitForFinished(CheckMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.output = process.readAllStandardOutput();
    return run;
}

// "caisse-sim: dialect 7: product-lead=signs label-lead=cuis ..." as a map of the choices
QMap<QString, QString> simulatorChoices(const QString& log)
{
    QMap<QString, QString> choices;
    const QString line = log.section(QStringLiteral("caisse-sim: dialect "), 1).section(QLatin1Char('\n'), 0, 0);
    for (const QString& choice : line.section(QStringLiteral(": "), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        choices.insert(choice.section(QLatin1Char('='), 0, 0), choice.section(QLatin1Char('='), 1));
    return choices;
}

// the requests the simulator received, in order
QStringList simulatorRequests(const QString& log)
{
    static const QRegularExpression received(QStringLiteral("^\\S+ <- (.*)$"), QRegularExpression::MultilineOption);
    QStringList requests;
    for (QRegularExpressionMatchIterator it = received.globalMatch(log); it.hasNext();)
        requests.append(it.next().captured(1));
    return requests;
}

} // namespace

// A technician's check of a register, as "commande --check" runs it against the simulator and as the check reads a
// register that answers what no simulator sends.
class tst_RegisterCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void simulatedRegister_data();
    void simulatedRegister();
    void serviceChangesNothing();
    void unreachableRegister();
    void badCommandLine_data();
    void badCommandLine();
    void hostileRegister_data();
    void hostileRegister();
    void paceAgainstTheReadTimeOut_data();
    void paceAgainstTheReadTimeOut();
};

void tst_RegisterCheck::simulatedRegister_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("the plain register lets the terminal start") << QStringList{} << "starts" << 0;
    // the seeds the dialect tests play: between them every value of every choice
    for (const int seed : {1, 2, 4, 5, 6, 101, 118, 265})
        QTest::addRow("the register of dialect %d lets the terminal start", seed)
            << QStringList{QStringLiteral("--dialect"), QString::number(seed)} << "starts" << 0;
    // a slow register answers in time: each reply's first byte comes when the register sends it, or after the pause
    QTest::newRow("a register answering in 250 ms lets it start")
        << QStringList{QStringLiteral("--reply-delay"), QStringLiteral("250")} << "starts" << 0;
    QTest::newRow("a register answering in 50 to 350 ms lets it start")
        << QStringList{QStringLiteral("--reply-delay"), QStringLiteral("50-350")} << "starts" << 0;
    QTest::newRow("a closed register stops it") << QStringList{QStringLiteral("--clot")} << "closed" << 1;
    QTest::newRow("a register that refuses the terminal stops it")
        << QStringList{QStringLiteral("--refuse")} << "refused" << 1;
    QTest::newRow("an outdated register stops it") << QStringList{QStringLiteral("--outdated")} << "outdated" << 1;
    QTest::newRow("a silent register stops it") << QStringList{QStringLiteral("--silent")} << "silent" << 1;
}

void tst_RegisterCheck::simulatedRegister()
{
    QFETCH(QStringList, switches);
    QFETCH(QString, verdict);
    QFETCH(int, exitCode);
    const SimProcess sim(SimAddress, QStringList{QStringLiteral("--port"), QStringLiteral("0")} + switches);
    QVERIFY(sim.isListening());

    const CommandRun run =
        runCheck({QStringLiteral("%1:%2").arg(SimAddress).arg(sim.port()), QStringLiteral("--json")});
    QCOMPARE(run.exitCode, exitCode);
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(run.output, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(report.value(QStringLiteral("verdict")).toString(), verdict);
    QCOMPARE(report.value(QStringLiteral("starts")).toBool(), exitCode == 0);
    if (exitCode != 0) {
        QVERIFY(!report.value(QStringLiteral("reason")).toString().isEmpty());
        return;
    }

    // every choice the start shows is the one the simulator made
    const QMap<QString, QString> made = simulatorChoices(sim.log());
    QCOMPARE(made.size(), 17);
    const QJsonObject read = report.value(QStringLiteral("dialect")).toObject();
    for (const char* name : {"product-lead", "label-lead", "line-end", "kitchen-groups", "supplements",
                             "payment-captions", "tab-names", "waiter-names", "menu-rows"})
        QVERIFY2(read.contains(QLatin1String(name)), name);
    for (auto it = read.constBegin(); it != read.constEnd(); ++it)
        QCOMPARE(it.key() + QLatin1Char('=') + it.value().toString(),
                 it.key() + QLatin1Char('=') + made.value(it.key()));
    QCOMPARE(read.size() + report.value(QStringLiteral("unseen")).toObject().size(), 17);

    // the sample restaurant in numbers, and a register on loopback far from the read time-out
    const QJsonObject catalogue = report.value(QStringLiteral("catalogue")).toObject();
    QCOMPARE(catalogue.value(QStringLiteral("setMenus")).toInt(), 6);
    QCOMPARE(catalogue.value(QStringLiteral("supplements")).toInt(),
             made.value(QStringLiteral("supplements")) == QLatin1String("none") ? 0 : 10);
    int products = 0;
    for (const QJsonValue count : catalogue.value(QStringLiteral("products")).toArray())
        products += count.toInt();
    QCOMPARE(products, 151);
    int tables = 0;
    for (const QJsonValue count : catalogue.value(QStringLiteral("tables")).toArray())
        tables += count.toInt();
    QCOMPARE(tables, 40);
    QVERIFY(report.value(QStringLiteral("cached")).toBool());
    const QJsonObject pace = report.value(QStringLiteral("pace")).toObject();
    QCOMPARE(pace.value(QStringLiteral("answered")).toInt(), report.value(QStringLiteral("requests")).toArray().size());
    QCOMPARE(pace.value(QStringLiteral("late")).toInt(), 0);
    QVERIFY(!pace.value(QStringLiteral("atRisk")).toBool());
    const qsizetype delayAt = switches.indexOf(QStringLiteral("--reply-delay"));
    const QString delay = delayAt >= 0 ? switches.at(delayAt + 1) : QStringLiteral("0");
    const int fastest = delay.section(QLatin1Char('-'), 0, 0).toInt();
    const int slowest = delay.section(QLatin1Char('-'), -1).toInt();
    for (const QJsonValue value : report.value(QStringLiteral("requests")).toArray()) {
        const QJsonObject request = value.toObject();
        const int pauseMs = request.value(QStringLiteral("pauseMs")).toInt();
        const int firstByteMs = request.value(QStringLiteral("firstByteMs")).toInt();
        const QString name = request.value(QStringLiteral("request")).toString();
        QVERIFY2(firstByteMs >= qMax(fastest, pauseMs) - 5, qPrintable(name));
        QVERIFY2(firstByteMs < qMax(slowest, pauseMs) + 150, qPrintable(name));
        QVERIFY2(request.value(QStringLiteral("lineEndMs")).toInt() >= firstByteMs, qPrintable(name));
    }
    QVERIFY(pace.value(QStringLiteral("medianFirstByteMs")).toInt() <=
            pace.value(QStringLiteral("slowestFirstByteMs")).toInt());
}

// With a waiter, only the requests that change nothing at the register go out, and the report reads in French.
void tst_RegisterCheck::serviceChangesNothing()
{
    const SimProcess sim(SimAddress, {QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(sim.isListening());
    const CommandRun run = runCheck(
        {QStringLiteral("%1:%2").arg(SimAddress).arg(sim.port()), QStringLiteral("--service"), QStringLiteral("1")});
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromUtf8(run.output);
    QVERIFY2(text.startsWith(QStringLiteral("Caisse %1:%2 : le terminal démarre.").arg(SimAddress).arg(sim.port())),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Service du serveur 1 :")));
    QVERIFY(text.contains(QStringLiteral("code$1$ : « code;1; » : la caisse demande son code")));

    static const QRegularExpression readOnly(QStringLiteral(
        "^(ve0[124]\\$|nongletserveur|enc\\$|listesupp|supplement|naclav\\d+_[12]|stgcuis\\d+|limp|nacuistot|ctnform|"
        "rang[1-7]|aform\\d+|tablepos\\$|code\\$1\\$|ademandelibre\\$|ademande\\$|tableocc)$"));
    const QStringList requests = simulatorRequests(sim.log());
    for (const QString& request : requests)
        QVERIFY2(readOnly.match(request).hasMatch(), qPrintable(request));
    for (const char* asked : {"code$1$", "ademandelibre$", "ademande$", "tableocc"})
        QVERIFY2(requests.contains(QLatin1String(asked)), asked);
}

void tst_RegisterCheck::unreachableRegister()
{
    quint16 port = 0;
    {
        ScriptedRegister gone;
        port = gone.port();
    }
    const CommandRun run = runCheck({QStringLiteral("%1:%2").arg(SimAddress).arg(port)});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(QString::fromUtf8(run.output)
                 .startsWith(QStringLiteral("Caisse %1:%2 injoignable : ").arg(SimAddress).arg(port)),
             run.output.constData());
}

void tst_RegisterCheck::badCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("a port that is none") << QStringList{"--check", "127.0.0.1:99999"} << "--check veut une adresse";
    QTest::newRow("no address") << QStringList{"--check", ":65013"} << "--check veut une adresse";
    QTest::newRow("a waiter out of 1 to 8")
        << QStringList{"--check", "127.0.0.1", "--service", "9"} << "--service veut un numéro de serveur de 1 à 8";
    QTest::newRow("--json without --check") << QStringList{"--json"} << "--service et --json vont avec --check";
}

// A mistake on the line is told on the error stream, before anything is sent.
void tst_RegisterCheck::badCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QProcess process;
    process.start(QStringLiteral(COMMANDE_BIN), arguments);
    QVERIFY(process.waitForFinished(CheckMs));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QString error = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(error.contains(message), qPrintable(error));
}

void tst_RegisterCheck::hostileRegister_data()
{
    QTest::addColumn<QStringList>("versionReplies");
    QTest::addColumn<CatalogueScript::Replies>("changed");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("reason");  // what the reason names
    QTest::addColumn<QString>("finding"); // the request of a reply the terminal refuses, cuts or does not keep
    QTest::addColumn<bool>("cached");

    const QStringList opening{QStringLiteral("caisse~1~57"), QStringLiteral("caisse~1~57"),
                              QStringLiteral("numversion~2~2~3")};
    QTest::newRow("the scripted brasserie starts and is cached")
        << opening << CatalogueScript::Replies{} << int(Verdict::Starts) << QString() << QString() << true;
    QTest::newRow("a version reply without its stamp is unreadable")
        << QStringList{QStringLiteral("caisse~1~57"), QStringLiteral("caisse~1")} << CatalogueScript::Replies{}
        << int(Verdict::Unreadable) << "« caisse~1 »" << QString() << false;
    QTest::newRow("an article number that is no number stops the load at its keyboard")
        << opening << CatalogueScript::Replies{{QStringLiteral("naclav1_1"), "PRIX02Coca;0;0;x00FF00;2O;;;;;"}}
        << int(Verdict::Unreadable) << "du clavier 2" << QString() << false;
    QTest::newRow("a connection closed on the printing options stops the load")
        << opening << CatalogueScript::Replies{{QStringLiteral("limp"), CatalogueScript::Close}}
        << int(Verdict::Unreadable) << "« limp »" << QString() << false;
    QTest::newRow("no waiter names abandons the load")
        << opening << CatalogueScript::Replies{{QStringLiteral("nongletserveur"), CatalogueScript::Silent}}
        << int(Verdict::Silent) << "« nongletserveur »" << QString() << false;
    QTest::newRow("a table position that is no number stops the load")
        << opening
        << CatalogueScript::Replies{{QStringLiteral("tablepos$"), QByteArray("100;0$2\x01"
                                                                             "00")}}
        << int(Verdict::Unreadable) << "« tablepos$ »" << QString() << false;
    QTest::newRow("a garbled table plan is no reply: served, not cached")
        << opening
        << CatalogueScript::Replies{{QStringLiteral("tablepos$"), QByteArray("100;0$2") + '\0' + QByteArray("00")}}
        << int(Verdict::Starts) << QString() << "tablepos$" << false;
    QTest::newRow("records after an empty field are not read")
        << opening << CatalogueScript::Replies{{QStringLiteral("naclav1_2"), ";;;;;Eau;0;0;x00FF00;21;"}}
        << int(Verdict::Starts) << QString() << "naclav1_1" << true;
    QTest::newRow("a tab name of two characters hides its keyboard's products")
        << opening
        << CatalogueScript::Replies{{QStringLiteral("nongletserveur"), "Ap;Softs;Bieres;Vins;#Camille;Paul;"}}
        << int(Verdict::Starts) << QString() << "nongletserveur" << true;
    QTest::newRow("a set-menu list past 2000 characters is cached cut")
        << opening << CatalogueScript::Replies{{QStringLiteral("aform2"), QByteArray(2500, 'x')}}
        << int(Verdict::Starts) << QString() << "aform2" << true;
}

void tst_RegisterCheck::hostileRegister()
{
    QFETCH(QStringList, versionReplies);
    QFETCH(CatalogueScript::Replies, changed);
    QFETCH(int, verdict);
    QFETCH(QString, reason);
    QFETCH(QString, finding);
    QFETCH(bool, cached);

    ScriptedRegister caisse;
    caisse.script(versionReplies);
    CatalogueScript::Replies replies = CatalogueScript::sample();
    for (auto it = changed.constBegin(); it != changed.constEnd(); ++it)
        replies.insert(it.key(), it.value());
    CatalogueScript::script(caisse, replies);

    RegisterLink link;
    RegisterCheck check(link);
    check.setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(15, 0)); });
    const Report report = check.run({caisse.address(), caisse.port(), std::nullopt});
    QCOMPARE(int(report.verdict), verdict);
    QCOMPARE(report.exitCode(), verdict == int(Verdict::Starts) ? 0 : 1);
    QVERIFY2(report.reason.contains(reason), qPrintable(report.reason));
    QCOMPARE(report.reason.isEmpty(), reason.isEmpty());
    if (verdict == int(Verdict::Starts))
        QCOMPARE(report.cached, cached);
    QStringList found;
    for (const Finding& f : report.findings)
        found.append(f.request);
    if (finding.isEmpty() && verdict == int(Verdict::Starts))
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char(' '))));
    else if (!finding.isEmpty())
        QVERIFY2(found.contains(finding), qPrintable(found.join(QLatin1Char(' '))));

    // the start's requests exactly as the terminal sends them, and none after a stop
    const QStringList sent = caisse.requests();
    QCOMPARE(sent.mid(0, 3), (QStringList{"ve01$", "ve01$", "ve04$"}.mid(0, qMin<qsizetype>(3, sent.size()))));
    if (verdict == int(Verdict::Starts))
        QCOMPARE(sent.mid(3), CatalogueScript::catalogueRequests());
    QCOMPARE(report.requests.size(), sent.size());
}

void tst_RegisterCheck::paceAgainstTheReadTimeOut_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("atRisk");
    QTest::addColumn<int>("late");

    QTest::newRow("a register answering in 250 ms is safe") << 250 << false << 0;
    QTest::newRow("one answering 660 ms after a pause of 20 ms is named a risk") << 680 << true << 0;
    // the probe times out, the first version query takes it in its second read, the second query times out
    QTest::newRow("one answering past the read time-out is not heard in time") << 900 << true << 3;
}

// The start's version exchanges of a slow register: each reply's first byte when the register sent it.
void tst_RegisterCheck::paceAgainstTheReadTimeOut()
{
    QFETCH(int, delayMs);
    QFETCH(bool, atRisk);
    QFETCH(int, late);
    ScriptedRegister caisse;
    caisse.setReplyDelay(delayMs);
    caisse.script({QStringLiteral("caisse~1~57"), QStringLiteral("caisse~1~57"), QStringLiteral("numversion~2~2~3"),
                   ScriptedRegister::Dropped});

    RegisterLink link;
    RegisterCheck check(link);
    const Report report = check.run({caisse.address(), caisse.port(), std::nullopt});
    QVERIFY(report.requests.size() >= 3);
    for (const RequestPace& request : report.requests.mid(0, 3)) {
        if (request.firstByteMs < 0)
            continue; // read past its time-outs
        QVERIFY2(qAbs(request.firstByteMs - delayMs) < 100, qPrintable(request.text));
        QVERIFY(request.lineEndMs >= request.firstByteMs);
    }
    const Pace pace = paceOf(report.requests);
    QCOMPARE(pace.atRisk, atRisk);
    QCOMPARE(pace.late, late);
    QCOMPARE(CheckReportText::text(report).contains(QStringLiteral("RISQUE")), atRisk);
    if (late == 0)
        QVERIFY(pace.slowestFirstByteMs >= delayMs && pace.slowestFirstByteMs < delayMs + 100);
}

QTEST_GUILESS_MAIN(tst_RegisterCheck)
#include "tst_registercheck.moc"
