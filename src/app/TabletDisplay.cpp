#include "TabletDisplay.h"

#include "WindowPlacement.h"
#include "widgets/DesignView.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVector>
#include <QWindow>

#include <cmath>

qreal TabletDisplay::scaleFor(const QSize& screen)
{
    const QSize design = DesignView::DesignWindow;
    const qreal fit = std::min(qreal(screen.width()) / design.width(), qreal(screen.height()) / design.height());
    if (fit < SmallestScale)
        return 1;
    return std::floor(fit / ScaleStep + 1e-9) * ScaleStep;
}

QSize TabletDisplay::unitsOf(const QSize& screen, qreal scale)
{
    return {qRound(screen.width() / scale), qRound(screen.height() / scale)};
}

void TabletDisplay::setScale(qreal scale)
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

void TabletDisplay::prepare(const WindowPlacement& placement, int argc, char** argv)
{
    bool fillsScreen = false;
    QSize screenSize;
    if (placement.mode() != WindowPlacement::Mode::Window) {
        // the application object strips the toolkit's options from what it is given: it gets a copy
        QVector<char*> arguments(argv, argv + argc);
        int count = argc;
        QGuiApplication probe(count, arguments.data());
        const QScreen* screen = QGuiApplication::primaryScreen();
        fillsScreen = placement.fillsScreen(screen);
        if (screen)
            screenSize = screen->size();
    }

    const qreal scale = placement.scale().value_or(fillsScreen ? scaleFor(screenSize) : 1);
    if (placement.scale() || !qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        setScale(scale);
    // a tablet has no keyboard of its own
    if (fillsScreen && !qEnvironmentVariableIsSet("QT_IM_MODULE"))
        qputenv("QT_IM_MODULE", "qtvirtualkeyboard");
}

void TabletDisplay::closeKeyboard()
{
    // the keyboard is the one window the toolkit's scene graph draws; the terminal's windows are widgets
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->inherits("QQuickWindow"))
            window->destroy();
    }
}
