#include "QuitOnSignal.h"
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
    sim::Restaurant restaurant;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), error) || !restaurant.load(options.dataPath, error)) {
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
    if (!server.chaos())
        return QCoreApplication::exec();
    // the counts of faults close the log, however the simulator is stopped short of a kill
    const sim::QuitOnSignal quitOnSignal;
    const int code = QCoreApplication::exec();
    out << server.chaos()->summary() << Qt::endl;
    return code;
}
