#include "WindowPlacement.h"

#include "CheckCommand.h"
#include "ConsoleOptions.h"
#include "MainWindow.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

WindowPlacement WindowPlacement::fromArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prise de commande à distance, reliée à la caisse du restaurant."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"), QStringLiteral("Remplir l'écran."));
    const QCommandLineOption window(QStringLiteral("window"), QStringLiteral("Fenêtre de cette taille."),
                                    QStringLiteral("LxH"));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("Pixels de l'écran par unité de dessin (par défaut : choisi pour que l'écran plein "
                       "mesure environ 403 x 651 unités sur une tablette)."),
        QStringLiteral("F"));
    parser.addOptions({fullScreen, window, scale});
    // listed by the help; a line that holds one of them is the check's, which never comes here
    parser.addOptions(CheckCommand::options());
    ConsoleOptions::acceptToolkitOptions(parser);
    ConsoleOptions::parseOrLeave(parser, arguments);

    WindowPlacement placement;
    if (parser.isSet(window)) {
        const std::optional<QSize> size = parseSize(parser.value(window));
        if (!size)
            ConsoleOptions::fail(QStringLiteral("--window veut une taille LxH, par exemple 403x651"));
        placement.m_mode = Mode::Window;
        placement.m_windowSize = *size;
    }
    if (parser.isSet(fullScreen))
        placement.m_mode = Mode::FullScreen;
    if (parser.isSet(scale)) {
        placement.m_scale = parseScale(parser.value(scale));
        if (!placement.m_scale)
            ConsoleOptions::fail(QStringLiteral("--scale veut un nombre entre 0.5 et 8, par exemple 2 ou 1.5"));
    }
    return placement;
}

std::optional<qreal> WindowPlacement::parseScale(const QString& text)
{
    bool isNumber = false;
    const double factor = QLocale::c().toDouble(text, &isNumber);
    if (!isNumber || !(factor >= 0.5 && factor <= 8))
        return std::nullopt;
    return factor;
}

std::optional<QSize> WindowPlacement::parseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

bool WindowPlacement::fillsScreen(const QScreen* screen) const
{
    switch (m_mode) {
    case Mode::FullScreen:
        return true;
    case Mode::Window:
        return false;
    case Mode::Automatic:
        break;
    }
    if (!screen)
        return false;
    const QSize size = screen->size();
    return size.height() > size.width();
}

void WindowPlacement::show(QWidget& window) const
{
    const QScreen* screen = window.screen();
    if (fillsScreen(screen)) {
        // a kiosk X server has no window manager to honour the full-screen state: the window takes the screen's
        // size itself
        if (screen)
            window.setGeometry(screen->geometry());
        window.showFullScreen();
        return;
    }
    window.resize(m_mode == Mode::Window ? m_windowSize : QSize(MainWindow::DesignWidth, MainWindow::DesignHeight));
    window.show();
}
