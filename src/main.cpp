#include "app/CheckCommand.h"
#include "app/ConsoleOptions.h"
#include "app/MainWindow.h"
#include "app/TabletDisplay.h"
#include "app/WindowPlacement.h"
#include "widgets/TouchStyle.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("commande"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COMMANDE_VERSION));
    // read before any display is opened, so that --help, --version and a register's check answer over SSH
    const QStringList arguments = ConsoleOptions::fromArgv(argc, argv);
    if (CheckCommand::isAsked(arguments))
        return CheckCommand::run(arguments);
    const WindowPlacement placement = WindowPlacement::fromArguments(arguments);
    TabletDisplay::prepare(placement, argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(new TouchStyle);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &TabletDisplay::closeKeyboard);
    MainWindow window;
    QObject::connect(&window, &MainWindow::applicationEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    placement.show(window);
    // a kiosk X server has no window manager to activate the window, and the start waits for activation
    window.activateWindow();
    return app.exec();
}
