#include "QuitOnSignal.h"
#include "Relay.h"
#include "Restaurant.h"
#include "SimOptions.h"
#include "SimServer.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("caisse-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COMMANDE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    sim::SimOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), error)) {
        err << "caisse-sim: " << error << Qt::endl;
        return 1;
    }
    if (!options.relayHost.isEmpty()) {
        sim::Relay relay(options);
        QObject::connect(&relay, &sim::Relay::logged, &app, [&out](const QString& line) { out << line << Qt::endl; });
        if (!relay.start(error)) {
            err << "caisse-sim: " << error << Qt::endl;
            return 1;
        }
        out << "caisse-sim: listening on " << relay.address().toString() << ':' << relay.port() << Qt::endl;
        out << "caisse-sim: relay to " << options.relayHost << ':' << options.relayPort << ", recording "
            << options.recordPath << Qt::endl;
        const sim::QuitOnSignal quitOnSignal;
        return QCoreApplication::exec();
    }
    sim::Restaurant restaurant;
    if (!restaurant.load(options.dataPath, error)) {
        err << "caisse-sim: " << error << Qt::endl;
        return 1;
    }
    sim::SimServer server(options, restaurant);
    // flushed line by line: tests and tail -f read the log while the simulator runs
    QObject::connect(&server, &sim::SimServer::logged, &app, [&out](const QString& line) { out << line << Qt::endl; });
    if (!server.listen(error)) {
        err << "caisse-sim: " << error << Qt::endl;
        return 1;
    }
    out << "caisse-sim: listening on " << server.address().toString() << ':' << server.port() << Qt::endl;
    out << "caisse-sim: " << restaurant.name() << ", data " << restaurant.path() << ", stamp " << restaurant.stamp()
        << Qt::endl;
    out << "caisse-sim: dialect " << options.dialect.seed() << ": " << options.dialect.describe() << Qt::endl;
    if (options.replyDelayMaxMs > 0) {
        out << "caisse-sim: reply delay " << options.replyDelayMinMs;
        if (options.replyDelayMaxMs > options.replyDelayMinMs)
            out << '-' << options.replyDelayMaxMs;
        out << " ms" << Qt::endl;
    }
    if (!server.chaos())
        return QCoreApplication::exec();
    // the counts of faults close the log, however the simulator is stopped short of a kill
    const sim::QuitOnSignal quitOnSignal;
    const int code = QCoreApplication::exec();
    out << server.chaos()->summary() << Qt::endl;
    return code;
}
