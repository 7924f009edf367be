#pragma once

#include <QSize>
#include <QStringList>

#include <optional>

class QScreen;
class QWidget;

// How the terminal's window takes its screen: full screen on a portrait screen (a tablet), at the design size on
// a landscape one (a desktop trying it out), unless the command line says otherwise.
class WindowPlacement final
{
public:
    enum class Mode
    {
        Automatic,
        FullScreen,
        Window,
    };

    // The command line: "--fullscreen", "--window WxH", "--scale F", "--help" and "--version" (these two print and
    // exit). A bad size, scale or option prints the reason and exits too. Needs no application object.
    static WindowPlacement fromArguments(const QStringList& arguments);
    static std::optional<QSize> parseSize(const QString& text);
    static std::optional<qreal> parseScale(const QString& text);

    Mode mode() const { return m_mode; }
    QSize windowSize() const { return m_windowSize; }
    // The screen pixels per design unit asked for on the command line, if any.
    std::optional<qreal> scale() const { return m_scale; }
    // Whether the window fills that screen.
    bool fillsScreen(const QScreen* screen) const;
    // Shows the window as the placement says.
    void show(QWidget& window) const;

private:
    Mode m_mode = Mode::Automatic;
    QSize m_windowSize;
    std::optional<qreal> m_scale;
};
