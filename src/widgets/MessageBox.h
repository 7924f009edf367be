#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// Every modal message of the terminal goes through here, so that tests can take them without a click.
class MessageBox final
{
public:
    // The smallest button a finger takes, in units.
    static constexpr int ButtonWidth = 120;
    static constexpr int ButtonHeight = 44;

    static void show(QWidget* parent, const QString& text);

    // The dialog show() runs: in the window's font, with a button sized for a finger.
    static std::unique_ptr<QMessageBox> dialog(QWidget* parent, const QString& text);

    // While a handler is set, messages go to it instead of a dialog.
    static void setHandler(std::function<void(const QString&)> handler);

private:
    static std::function<void(const QString&)>& handler();
};
