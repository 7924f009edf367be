#include "TapCaption.h"

#include <QMouseEvent>
#include <QVariant>

TapCaption::TapCaption(const QString& name, int tag, Tap tap, QWidget* parent) : QLabel(parent), m_tap(tap)
{
    setObjectName(name);
    setProperty("tag", tag);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
}

int TapCaption::tag() const
{
    return property("tag").toInt();
}

void TapCaption::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TapCaption::mouseReleaseEvent(QMouseEvent* event)
{
    const bool tap = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (tap && m_tap == Tap::Single)
        Q_EMIT tapped(tag());
}

void TapCaption::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (m_tap == Tap::Double)
        Q_EMIT tapped(tag());
    else
        m_pressed = true; // a quick second tap is a tap of its own
}
