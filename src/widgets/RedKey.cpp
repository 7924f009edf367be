#include "RedKey.h"

#include "ColouredLabel.h"
#include "Palette.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

RedKey::RedKey(const QString& name, const QString& captionName, const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(new QLabel(caption, this)), m_colour(Palette::ActionKey)
{
    setObjectName(name);
    m_caption->setObjectName(captionName);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setWordWrap(true);
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextColour(m_caption, Palette::Caption);
}

void RedKey::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void RedKey::press()
{
    if (isEnabled() && isVisible())
        Q_EMIT clicked();
}

void RedKey::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor colour = m_pressed ? m_colour.darker(130) : m_colour;
    if (!isEnabled())
        colour.setAlpha(110);
    painter.fillRect(rect(), colour);
}

void RedKey::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void RedKey::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void RedKey::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_caption->setGeometry(rect());
}

void RedKey::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
