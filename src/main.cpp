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
    // read before any display is opened, so that --help and --version answer over SSH
    const WindowPlacement placement = WindowPlacement::fromArguments(ConsoleOptions::fromArgv(argc, argv));
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
