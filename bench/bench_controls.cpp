// Times building the catalogue's controls alone (801 product keys, 251 set-menu cells, 100 table buttons) from a
// loaded catalogue, against creating as many plain widgets as they took when each was a body and a caption.
// Usage: bench_controls CAISSE_SIM DATA_FILE [--instructions CONTROLS PLAIN | --once]
// --once builds each a single time after a warm-up, for callgrind to count with
// --toggle-collect='*measuredControls*' --toggle-collect='*measuredPlainWidgets*'; --instructions gives the
// counts it took, to be printed with the times.

#include "SimProcess.h"
#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "settings/SettingsSlots.h"
#include "tables/PlanView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.131");
constexpr int Rounds = 21;
constexpr int PlainWidgets = (801 + 251 + 100) * 2;
constexpr int StartTimeoutMs = 120000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename View> View* view(MainWindow& form, const char* name)
{
    return qobject_cast<View*>(form.view(QLatin1String(name)));
}

void clearControls(MainWindow& form)
{
    CatalogueLoad& load = form.catalogueLoad();
    load.productKeys().clear();
    view<SetMenuView>(form, "formule")->grid().clear();
    load.tableButtons().clear();
}

// What the catalogue load plans, with the arguments it gives, and the controls made from it, as the first showing
// of their views makes them.
void buildControls(MainWindow& form)
{
    CatalogueLoad& load = form.catalogueLoad();
    const QSize start = load.startSize();
    SetMenuGrid& grid = view<SetMenuView>(form, "formule")->grid();
    load.productKeys().plan(form.products(), load.productCount(), start.width(),
                            form.settings()[SettingsSlots::DoubleTap] == QLatin1String("1"));
    grid.plan(start.width(), start.height());
    load.tableButtons().plan(form.catalogue().tablePlan(), start.width(), start.height());
    load.productKeys().make();
    grid.make();
    load.tableButtons().make();
}

// As many plain widgets, laid out and shown on a hidden parent as the controls are on the hidden views.
void createPlainWidgets(QWidget& parent)
{
    for (int i = 0; i < PlainWidgets; ++i) {
        auto* widget = new QWidget(&parent);
        widget->setGeometry(i % 4 * 100, i / 4 * 40, 100, 40);
        widget->show();
    }
}

void clearPlainWidgets(QWidget& parent)
{
    qDeleteAll(parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

[[gnu::noinline]] void measuredControls(MainWindow& form)
{
    buildControls(form);
}

[[gnu::noinline]] void measuredPlainWidgets(QWidget& parent)
{
    createPlainWidgets(parent);
}

// Starts the terminal against the simulator and waits for the waiter view, the catalogue loaded.
void startTerminal(MainWindow& form)
{
    form.show();
    form.activateWindow();
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!qobject_cast<WaiterView*>(form.frontView())) {
        if (deadline.hasExpired())
            throw std::runtime_error("the waiter view did not open");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (form.catalogueLoad().productKeys().count() == 0)
        throw std::runtime_error("the terminal built no product keys");
}

template <typename Step> double timedMs(Step&& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

int run(const QStringList& args)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    SimProcess::Options simOptions;
    simOptions.program = args.at(1);
    simOptions.logPath = folder.filePath(QStringLiteral("caisse-sim.log"));
    const SimProcess sim(SimAddress, {QStringLiteral("--data"), args.at(2)}, simOptions);
    if (!sim.isListening())
        throw std::runtime_error("caisse-sim did not listen: " + sim.log().toStdString());
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("Iquillobrands.dat")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[data]\n0=" + SimAddress.toLatin1() + "\n") < 0)
        throw std::runtime_error("cannot write the settings");
    settings.close();

    MainWindow form(folder.path());
    startTerminal(form);
    QWidget plainParent(&form);
    plainParent.hide();

    // warm-up: the load's own build came first in the process, with fonts and styles still cold
    clearControls(form);
    buildControls(form);
    createPlainWidgets(plainParent);
    clearPlainWidgets(plainParent);

    const bool once = args.contains(QStringLiteral("--once"));
    if (once) {
        clearControls(form);
        measuredControls(form);
        measuredPlainWidgets(plainParent);
        return 0;
    }

    std::vector<double> controlsMs;
    std::vector<double> plainMs;
    for (int round = 0; round < Rounds; ++round) {
        clearControls(form);
        controlsMs.push_back(timedMs([&form] { buildControls(form); }));
        plainMs.push_back(timedMs([&plainParent] { createPlainWidgets(plainParent); }));
        clearPlainWidgets(plainParent);
    }
    const double controls = median(controlsMs);
    const double plain = median(plainMs);

    const qsizetype at = args.indexOf(QStringLiteral("--instructions"));
    QString instructions = QStringLiteral("instructions not counted");
    if (at >= 0 && at + 2 < args.size()) {
        const double controlsIr = args.at(at + 1).toDouble();
        const double plainIr = args.at(at + 2).toDouble();
        instructions = QStringLiteral("%1 M instructions, ratio %2 to %3 M")
                           .arg(controlsIr / 1e6, 0, 'f', 1)
                           .arg(plainIr > 0 ? controlsIr / plainIr : 0, 0, 'f', 2)
                           .arg(plainIr / 1e6, 0, 'f', 1);
    }
    std::printf("build controls: %s; %.2f ms, ratio %.2f to %.2f ms for creating %d plain widgets (medians of %d)\n",
                qPrintable(instructions), controls, controls / plain, plain, PlainWidgets, Rounds);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: bench_controls CAISSE_SIM DATA_FILE [--instructions CONTROLS PLAIN | --once]\n");
        return 2;
    }
    try {
        return run(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_controls: %s\n", error.what());
        return 1;
    }
}
