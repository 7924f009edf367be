#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every modal message of the terminal goes through here, so that tests can take them without a click.
class MessageBox final
{
public:
    static void show(QWidget* parent, const QString& text);

    // While a handler is set, messages go to it instead of a dialog.
    static void setHandler(std::function<void(const QString&)> handler);

private:
    static std::function<void(const QString&)>& handler();
};
