#include "CatalogueKey.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTextOption>

#include <utility>

CatalogueKey::CatalogueKey(const QString& name, int tag, TapHandler onTap, QWidget* parent)
    : QWidget(parent), m_tag(tag), m_onTap(std::move(onTap))
{
    setObjectName(name);
}

void CatalogueKey::press()
{
    if (isEnabled() && isVisible())
        m_onTap(m_tag);
}

void CatalogueKey::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void CatalogueKey::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    // a hidden key is named when it is shown: naming builds its accessible interface, a thousand times at a load
    if (isVisible())
        setAccessibleName(text);
    captionChanged();
}

void CatalogueKey::setCaptionFont(const QFont& font)
{
    m_font = font;
    captionChanged();
}

void CatalogueKey::setCaptionBox(const QRect& box)
{
    update(m_captionBox);
    m_captionBox = box;
    captionChanged();
}

void CatalogueKey::captionChanged()
{
    m_caption.reset();
    update(m_captionBox);
}

bool CatalogueKey::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PolishRequest:
        // a key laid in a box the waiter cannot see is polished when it is shown, not a thousand times over now
        if (!isVisible())
            return true;
        break;
    case QEvent::Show:
        if (accessibleName() != m_text)
            setAccessibleName(m_text);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CatalogueKey::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    const QColor ink = palette().color(QPalette::WindowText);
    if (m_text.isEmpty() || ink.alpha() == 0)
        return;
    if (!m_caption) {
        m_caption.emplace(m_text);
        m_caption->setTextFormat(Qt::PlainText);
        m_caption->setTextOption(QTextOption(Qt::AlignHCenter));
        m_caption->setTextWidth(m_captionBox.width());
        m_caption->prepare(QTransform(), m_font);
    }
    // what does not fit the caption's box is cut off, as a label of that size would
    painter.setClipRect(m_captionBox);
    painter.setPen(ink);
    painter.setFont(m_font);
    const qreal top = m_captionBox.top() + (m_captionBox.height() - m_caption->size().height()) / 2;
    painter.drawStaticText(QPointF(m_captionBox.left(), top), *m_caption);
}

bool CatalogueKey::onCaption(const QMouseEvent* event) const
{
    return m_captionBox.contains(event->position().toPoint()) && rect().contains(event->position().toPoint());
}

void CatalogueKey::mousePressEvent(QMouseEvent* event)
{
    // the border around the caption takes no tap: the press goes on to what lies under the key
    const bool onIt = onCaption(event);
    m_pressed = onIt && event->button() == Qt::LeftButton;
    if (m_pressed)
        m_pressedAt = event->timestamp();
    event->setAccepted(onIt);
}

void CatalogueKey::mouseReleaseEvent(QMouseEvent* event)
{
    const bool tap = m_pressed && event->button() == Qt::LeftButton && onCaption(event);
    event->setAccepted(m_pressed || onCaption(event));
    m_pressed = false;
    if (tap && m_tap == Tap::Single)
        tapped(event);
}

void CatalogueKey::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!onCaption(event)) {
        event->ignore();
        return;
    }
    event->accept();
    // The first click went to what lay over the key then, a panel its release closed: the second one was aimed at
    // that panel too, not at the key it uncovered.
    const bool firstClickHere =
        m_pressedAt && event->timestamp() >= *m_pressedAt &&
        event->timestamp() - *m_pressedAt <= quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (event->button() != Qt::LeftButton || !firstClickHere)
        return;
    if (m_tap == Tap::Double)
        tapped(event);
    else
        m_pressed = true; // a quick second tap is a tap of its own
}

void CatalogueKey::tapped(const QMouseEvent* event)
{
    m_tapPoint = event->position().toPoint();
    m_onTap(m_tag);
}
