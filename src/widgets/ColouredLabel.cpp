#include "ColouredLabel.h"

#include <QWidget>

void setTextColour(QWidget* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
