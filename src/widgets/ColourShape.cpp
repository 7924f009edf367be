#include "ColourShape.h"

#include <QPainter>

ColourShape::ColourShape(const QString& name, const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColourShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}
