// The baseline of the start benchmark: a bare Qt program that starts, creates as many plain widgets as the
// terminal holds once its waiter view is up, paints its window once and quits.
// Usage: baseline_widgets WIDGETS
// Prints its paint report (PaintReport.h), as bench_start does.

#include "PaintReport.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int Width = 403;
constexpr int Height = 651;
constexpr int Columns = 4;
constexpr int CellWidth = Width / Columns;
constexpr int CellHeight = 40;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok = false;
    const int count = args.size() > 1 ? args.at(1).toInt(&ok) : 0;
    if (!ok || count < 1) {
        std::fprintf(stderr, "usage: baseline_widgets WIDGETS\n");
        return 1;
    }

    QWidget window;
    window.resize(Width, Height);
    // the window itself is one of the widgets
    for (int i = 1; i < count; ++i) {
        auto* widget = new QWidget(&window);
        widget->setGeometry(i % Columns * CellWidth, i / Columns * CellHeight % Height, CellWidth, CellHeight);
    }
    window.show();
    const QPixmap painted = window.grab();

    reportPainted(window.findChildren<QWidget*>().size() + 1);
    return painted.isNull() ? 1 : 0;
}
