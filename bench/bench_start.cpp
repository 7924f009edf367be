// Starts the terminal as main.cpp does and exits once the waiter view is the front view and has been painted.
// Prints the paint report (PaintReport.h). The settings come from $HOME/Documents, as at the restaurant.
// Usage: bench_start [--all-views | --open-views]
//   --all-views: the report counts the widgets once every view has been opened, as a whole service makes them.
//   --open-views: then opens each view the start leaves hidden, one after the other, and prints for each
//   "opened <name> <ms>", from its showing to its first paint, before the paint report.

#include "PaintReport.h"
#include "app/MainWindow.h"
#include "ticket/CoursePanel.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

enum class Mode
{
    Start,
    AllViews,
    OpenViews,
};

// The views the start leaves hidden, by object name, in the order a service first opens them; "choixrang" is the
// course panel, opened over the ticket.
const QStringList HiddenViews{QStringLiteral("choixtable"), QStringLiteral("ticket"),  QStringLiteral("choixrang"),
                              QStringLiteral("plan"),       QStringLiteral("formule"), QStringLiteral("encaissement"),
                              QStringLiteral("messages"),   QStringLiteral("config")};

// Waits in the event loop until the watched widget has been painted, and then until that paint is over.
class PaintWait final : public QObject
{
public:
    explicit PaintWait(QWidget* watched) : m_watched(watched) { m_watched->installEventFilter(this); }
    ~PaintWait() override { m_watched->removeEventFilter(this); }

    void wait() { m_loop.exec(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == m_watched && !m_seen) {
            m_seen = true;
            // queued: runs once the paint under way has been done
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_watched;
    QEventLoop m_loop;
    bool m_seen = false;
};

// Opens each hidden view alone in front, as a tap that leads to it would, and returns the milliseconds from its
// showing to the end of its first paint.
class ViewOpener
{
public:
    explicit ViewOpener(MainWindow& form) : m_form(form) {}

    double open(const QString& name)
    {
        auto* ticket = m_form.findChild<TicketView*>(QStringLiteral("ticket"));
        if (name == QLatin1String("choixrang")) {
            showAlone(ticket);
            // the parking view that holds the panel is made within the opening, as the tap would make it
            QElapsedTimer timer;
            timer.start();
            auto* parking = qobject_cast<ParkingView*>(m_form.view(QStringLiteral("poubelle")));
            PaintWait paint(parking->coursePanel());
            parking->openCourses(*ticket, {1, 2, 3});
            paint.wait();
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            parking->parkCourses();
            return ms;
        }
        showAlone(nullptr);
        // a view the start left unmade is made within its opening, as a tap would make it
        QElapsedTimer timer;
        timer.start();
        QWidget* view = m_form.view(name);
        PaintWait paint(view);
        view->show();
        paint.wait();
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }

private:
    void showAlone(QWidget* view)
    {
        for (QObject* child : m_form.children()) {
            if (auto* widget = qobject_cast<QWidget*>(child); widget && widget != view)
                widget->hide();
        }
        if (view && !view->isVisible()) {
            view->show();
            PaintWait(view).wait();
        }
    }

    MainWindow& m_form;
};

// Reports once, from the event loop, after the first paint of the waiter view while it is in front. The view is
// made during the start: its paints are watched for from the application.
class PaintWatch final : public QObject
{
public:
    PaintWatch(MainWindow& form, Mode mode) : m_form(form), m_mode(mode) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && qobject_cast<WaiterView*>(watched) &&
            m_form.frontView() == watched) {
            m_seen = true;
            // queued: runs once the paint under way has been done
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        const qsizetype widgets = m_form.findChildren<QWidget*>().size() + 1;
        if (m_mode == Mode::Start) {
            reportPainted(widgets);
        } else {
            const long long paintedNs = monotonicNowNs();
            ViewOpener opener(m_form);
            for (const QString& name : HiddenViews) {
                const double ms = opener.open(name);
                if (m_mode == Mode::OpenViews)
                    std::printf("opened %s %.3f\n", qPrintable(name), ms);
            }
            reportPaintedAt(paintedNs, m_mode == Mode::AllViews ? m_form.findChildren<QWidget*>().size() + 1 : widgets);
        }
        QCoreApplication::exit(0);
    }

    MainWindow& m_form;
    Mode m_mode;
    bool m_seen = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    Mode mode = Mode::Start;
    if (args.contains(QStringLiteral("--all-views")))
        mode = Mode::AllViews;
    else if (args.contains(QStringLiteral("--open-views")))
        mode = Mode::OpenViews;
    MainWindow window;
    PaintWatch watch(window, mode);
    QObject::connect(&window, &MainWindow::applicationEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    window.activateWindow();
    return app.exec();
}
