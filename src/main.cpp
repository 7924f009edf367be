#include "app/MainWindow.h"
#include "app/WindowPlacement.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("commande"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COMMANDE_VERSION));
    const WindowPlacement placement = WindowPlacement::fromArguments(QCoreApplication::arguments());
    MainWindow window;
    QObject::connect(&window, &MainWindow::applicationEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    placement.show(window);
    // a kiosk X server has no window manager to activate the window, and the start waits for activation
    window.activateWindow();
    return app.exec();
}
