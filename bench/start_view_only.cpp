// The least a start can cost: reads the settings as the terminal does, creates the start view alone in a window of
// the design size and paints it. The terminal shows this view, with its status, before it asks the register
// anything, so no start gets below this whatever it builds in the handshake's waits.
// Prints its paint report (PaintReport.h), as bench_start does.

#include "PaintReport.h"
#include "app/StartView.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "widgets/DesignView.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SettingsStore settings;
    if (!settings.read())
        return 1;
    QWidget window;
    window.resize(DesignView::DesignWindow);
    auto* view = new StartView(&window);
    view->setGeometry(window.rect());
    view->setAddress(settings[SettingsSlots::Address]);
    window.show();
    const QPixmap painted = window.grab();

    reportPainted(window.findChildren<QWidget*>().size() + 1);
    return painted.isNull() ? 1 : 0;
}
