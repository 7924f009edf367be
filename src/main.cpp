#include "app/TForm4.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window is portrait by design; rotation is locked by the tablet's own settings where it has any.
    TForm4 window;
    QObject::connect(&window, &TForm4::applicationEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    // a kiosk X server has no window manager to activate the window, and the start waits for activation
    window.activateWindow();
    return app.exec();
}
