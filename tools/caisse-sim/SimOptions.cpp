#include "SimOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sim {

bool SimOptions::parse(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays the restaurant's cash register for the Commande terminal."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption addressOption(QStringLiteral("address"), QStringLiteral("Address to listen on."),
                                           QStringLiteral("A"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free port)."),
                                        QStringLiteral("P"), QString::number(DefaultPort));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Restaurant data file (JSON)."),
                                        QStringLiteral("FILE"), sampleDataPath());
    const QCommandLineOption clotOption(QStringLiteral("clot"), QStringLiteral("Act as a closed register."));
    const QCommandLineOption refuseOption(QStringLiteral("refuse"), QStringLiteral("Refuse the terminal."));
    const QCommandLineOption outdatedOption(QStringLiteral("outdated"), QStringLiteral("Act as an outdated register."));
    const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption dropOption(QStringLiteral("drop"),
                                        QStringLiteral("Close the connection as soon as a request arrives."));
    const QCommandLineOption noprinterOption(QStringLiteral("noprinter"),
                                             QStringLiteral("Act as a register without preparation printers."));
    const QCommandLineOption chaosOption(QStringLiteral("chaos"),
                                         QStringLiteral("Inject faults into the replies, drawn from the seed."),
                                         QStringLiteral("SEED"));
    const QCommandLineOption chaosRateOption(QStringLiteral("chaos-rate"),
                                             QStringLiteral("Probability of a fault per request (default 0.1)."),
                                             QStringLiteral("P"));
    const QCommandLineOption replyDelayOption(
        QStringLiteral("reply-delay"),
        QStringLiteral("Send each reply this long after its request came, or a time drawn in MIN-MAX."),
        QStringLiteral("MS"));
    const QCommandLineOption dialectOption(
        QStringLiteral("dialect"),
        QStringLiteral("Make every choice the protocol leaves to the register from the seed (0: the plain register)."),
        QStringLiteral("SEED"));
    const QCommandLineOption dialectChoiceOption(QStringLiteral("dialect-choice"),
                                                 QStringLiteral("Force one choice of the dialect, as NAME=VALUE "
                                                                "(repeatable; applied after --dialect)."),
                                                 QStringLiteral("NAME=VALUE"));
    const QCommandLineOption relayOption(QStringLiteral("relay"),
                                         QStringLiteral("Forward every connection to this register and record the "
                                                        "exchanges (needs --record)."),
                                         QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption recordOption(QStringLiteral("record"), QStringLiteral("Recording written by --relay."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption recordCodesOption(QStringLiteral("record-codes"),
                                               QStringLiteral("Keep the waiter codes in the recording."));
    const QCommandLineOption replayOption(QStringLiteral("replay"), QStringLiteral("Answer from a recording."),
                                          QStringLiteral("FILE"));
    parser.addOptions({addressOption, portOption, dataOption, clotOption, refuseOption, outdatedOption, silentOption,
                       dropOption, noprinterOption, chaosOption, chaosRateOption, replyDelayOption, dialectOption,
                       dialectChoiceOption, relayOption, recordOption, recordCodesOption, replayOption});
    parser.process(arguments);

    if (!address.setAddress(parser.value(addressOption))) {
        error = QStringLiteral("invalid address %1").arg(parser.value(addressOption));
        return false;
    }
    bool ok = false;
    const uint portNumber = parser.value(portOption).toUInt(&ok);
    if (!ok || portNumber > 65535) {
        error = QStringLiteral("invalid port %1").arg(parser.value(portOption));
        return false;
    }
    port = static_cast<quint16>(portNumber);
    dataPath = parser.value(dataOption);
    clot = parser.isSet(clotOption);
    refuse = parser.isSet(refuseOption);
    outdated = parser.isSet(outdatedOption);
    silent = parser.isSet(silentOption);
    drop = parser.isSet(dropOption);
    noprinter = parser.isSet(noprinterOption);
    if (parser.isSet(chaosOption)) {
        chaosSeed = parser.value(chaosOption).toULongLong(&ok);
        if (!ok) {
            error = QStringLiteral("invalid chaos seed %1").arg(parser.value(chaosOption));
            return false;
        }
    }
    if (parser.isSet(chaosRateOption)) {
        chaosRate = parser.value(chaosRateOption).toDouble(&ok);
        if (!ok || !(chaosRate >= 0 && chaosRate <= 1)) {
            error = QStringLiteral("invalid chaos rate %1 (0 to 1)").arg(parser.value(chaosRateOption));
            return false;
        }
        if (!chaosSeed) {
            error = QStringLiteral("--chaos-rate needs --chaos");
            return false;
        }
    }
    if (parser.isSet(replyDelayOption) && !parseReplyDelay(parser.value(replyDelayOption))) {
        error = QStringLiteral("invalid reply delay %1 (MS or MIN-MAX, 0 to %2)")
                    .arg(parser.value(replyDelayOption))
                    .arg(ReplyDelay::MaxMs);
        return false;
    }
    if (parser.isSet(dialectOption)) {
        const quint64 seed = parser.value(dialectOption).toULongLong(&ok);
        if (!ok) {
            error = QStringLiteral("invalid dialect seed %1").arg(parser.value(dialectOption));
            return false;
        }
        dialect = Dialect(seed);
    }
    for (const QString& assignment : parser.values(dialectChoiceOption)) {
        if (!dialect.force(assignment, error))
            return false;
    }
    if (parser.isSet(relayOption)) {
        const QString target = parser.value(relayOption);
        relayHost = target.section(QLatin1Char(':'), 0, 0);
        const QString relayPortText = target.section(QLatin1Char(':'), 1);
        const uint number = relayPortText.isEmpty() ? DefaultPort : relayPortText.toUInt(&ok);
        if (relayHost.isEmpty() || (!relayPortText.isEmpty() && (!ok || number == 0 || number > 65535))) {
            error = QStringLiteral("invalid register %1 for --relay").arg(target);
            return false;
        }
        relayPort = static_cast<quint16>(number);
        if (!parser.isSet(recordOption)) {
            error = QStringLiteral("--relay needs --record");
            return false;
        }
    }
    recordPath = parser.value(recordOption);
    recordCodes = parser.isSet(recordCodesOption);
    if (!recordPath.isEmpty() && relayHost.isEmpty()) {
        error = QStringLiteral("--record needs --relay");
        return false;
    }
    replayPath = parser.value(replayOption);
    if (!replayPath.isEmpty() && !relayHost.isEmpty()) {
        error = QStringLiteral("--replay and --relay do not go together");
        return false;
    }
    return true;
}

bool SimOptions::parseReplyDelay(const QString& text)
{
    const QStringList bounds = text.split(QLatin1Char('-'));
    bool minOk = false;
    bool maxOk = false;
    const int minMs = bounds.first().toInt(&minOk);
    const int maxMs = bounds.size() == 2 ? bounds.last().toInt(&maxOk) : minMs;
    if (!minOk || (bounds.size() == 2 && !maxOk) || bounds.size() > 2 || minMs < 0 || maxMs < minMs ||
        maxMs > ReplyDelay::MaxMs)
        return false;
    replyDelayMinMs = minMs;
    replyDelayMaxMs = maxMs;
    return true;
}

QString SimOptions::sampleDataPath()
{
    // beside the executable, where it was installed, then in the source tree it was built from
    const QDir executableDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {executableDir.filePath(QStringLiteral("restaurant.json")),
                                     executableDir.filePath(QStringLiteral("../share/commande/restaurant.json"))}) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json");
}

} // namespace sim
