#include "Backdrop.h"

Backdrop::Backdrop(const QString& name, const QColor& colour, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}
