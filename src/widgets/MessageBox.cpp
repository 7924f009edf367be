#include "MessageBox.h"

#include <QMessageBox>

void MessageBox::show(QWidget* parent, const QString& text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box.exec();
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
