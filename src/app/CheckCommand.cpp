#include "CheckCommand.h"

#include "ConsoleOptions.h"
#include "check/CheckReportText.h"
#include "check/RegisterCheck.h"
#include "link/RegisterLink.h"
#include "session/Limits.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace CheckCommand {

namespace {

const QString Check = QStringLiteral("check");
const QString Service = QStringLiteral("service");
const QString Json = QStringLiteral("json");

// "192.168.1.20" or "192.168.1.20:65013"; none for a port that is not one
std::optional<RegisterCheck::Target> target(const QString& text)
{
    RegisterCheck::Target target;
    target.host = text;
    target.port = RegisterLink::Port;
    if (text.count(QLatin1Char(':')) == 1) {
        bool isNumber = false;
        const uint port = text.section(QLatin1Char(':'), 1).toUInt(&isNumber);
        if (!isNumber || port == 0 || port > 65535)
            return std::nullopt;
        target.host = text.section(QLatin1Char(':'), 0, 0);
        target.port = quint16(port);
    }
    if (target.host.isEmpty())
        return std::nullopt;
    return target;
}

} // namespace

QList<QCommandLineOption> options()
{
    return {
        QCommandLineOption(Check,
                           QStringLiteral("Vérifier la caisse à cette adresse sans ouvrir d'écran : si le terminal "
                                          "démarrera, son rythme, ses choix, son catalogue (code de sortie 0 : il "
                                          "démarre, 1 : non, 2 : caisse injoignable)."),
                           QStringLiteral("ADRESSE[:PORT]")),
        QCommandLineOption(Service,
                           QStringLiteral("Avec --check, faire aussi les demandes de service qui ne changent rien "
                                          "à la caisse, pour ce serveur (1 à 8)."),
                           QStringLiteral("SERVEUR")),
        QCommandLineOption(Json, QStringLiteral("Avec --check, écrire le rapport en un document JSON.")),
    };
}

bool isAsked(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        for (const QString& name : {Check, Service, Json}) {
            const QString option = QStringLiteral("--") + name;
            if (argument == option || argument.startsWith(option + QLatin1Char('=')))
                return true;
        }
    }
    return false;
}

int run(const QStringList& arguments)
{
    QByteArray program = arguments.value(0, QCoreApplication::applicationName()).toLocal8Bit();
    char* argv[] = {program.data(), nullptr};
    int argc = 1;
    // a console application: the sockets need one, a display is never opened
    QCoreApplication console(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(options());
    ConsoleOptions::parseOrLeave(parser, arguments);
    if (!parser.isSet(Check))
        ConsoleOptions::fail(QStringLiteral("--service et --json vont avec --check ADRESSE"));
    std::optional<RegisterCheck::Target> checked = target(parser.value(Check));
    if (!checked)
        ConsoleOptions::fail(QStringLiteral("--check veut une adresse, suivie ou non de :PORT"));
    if (parser.isSet(Service)) {
        bool isNumber = false;
        const int waiter = parser.value(Service).toInt(&isNumber);
        if (!isNumber || waiter < 1 || waiter > Limits::Waiters)
            ConsoleOptions::fail(QStringLiteral("--service veut un numéro de serveur de 1 à 8"));
        checked->waiter = waiter;
    }

    RegisterLink link;
    const RegisterCheckReport::Report report = RegisterCheck(link).run(*checked);
    const QByteArray printed =
        parser.isSet(Json) ? CheckReportText::json(report) : CheckReportText::text(report).toUtf8();
    std::fwrite(printed.constData(), 1, size_t(printed.size()), stdout);
    std::fflush(stdout);
    return report.exitCode();
}

} // namespace CheckCommand
