// Starts the terminal as main.cpp does and exits once the waiter view is the front view and has been painted.
// Prints the paint report (PaintReport.h). The settings come from $HOME/Documents, as at the restaurant.

#include "PaintReport.h"
#include "app/MainWindow.h"
#include "waiters/WaiterView.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Reports once, from the event loop, after the first paint of the waiter view while it is in front.
class PaintWatch final : public QObject
{
public:
    explicit PaintWatch(MainWindow& form)
        : m_form(form), m_waiterView(form.findChild<WaiterView*>(QStringLiteral("serveur")))
    {
        m_waiterView->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched == m_waiterView && m_waiterView->isVisible() &&
            m_form.frontView() == m_waiterView) {
            m_seen = true;
            // queued: runs once the paint under way has been done
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        reportPainted(m_form.findChildren<QWidget*>().size() + 1);
        QCoreApplication::exit(0);
    }

    MainWindow& m_form;
    WaiterView* m_waiterView;
    bool m_seen = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    PaintWatch watch(window);
    QObject::connect(&window, &MainWindow::applicationEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    window.activateWindow();
    return app.exec();
}
