#include "ColourShape.h"

#include <QPainter>
#include <QVariant>

ColourShape::ColourShape(const QString& name, int tag, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setProperty("tag", tag);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ColourShape::ColourShape(const QString& name, const QColor& colour, QWidget* parent) : ColourShape(name, 0, parent)
{
    m_colour = colour;
}

void ColourShape::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

int ColourShape::tag() const
{
    return property("tag").toInt();
}

void ColourShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}
