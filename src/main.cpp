#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window is portrait by design; rotation is locked by the tablet's own settings where it has any.
    MainWindow window;
    QObject::connect(&window, &MainWindow::applicationEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    // a kiosk X server has no window manager to activate the window, and the start waits for activation
    window.activateWindow();
    return app.exec();
}
