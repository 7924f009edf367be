#include "MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>

void MessageBox::show(QWidget* parent, const QString& text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    dialog(parent, text)->exec();
}

std::unique_ptr<QMessageBox> MessageBox::dialog(QWidget* parent, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    // the platform gives dialogs a font and buttons of its own, sized for a mouse
    if (parent)
        box->setFont(parent->window()->font());
    for (QAbstractButton* button : box->buttons())
        button->setMinimumSize(ButtonWidth, ButtonHeight);
    return box;
}

void MessageBox::setHandler(std::function<void(const QString&)> handler)
{
    MessageBox::handler() = std::move(handler);
}

std::function<void(const QString&)>& MessageBox::handler()
{
    static std::function<void(const QString&)> current;
    return current;
}
