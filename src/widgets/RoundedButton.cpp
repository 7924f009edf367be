#include "RoundedButton.h"

#include <QPainter>

namespace {

const QColor PressedFace = QColor::fromRgba(0xFFC8C8C8);
constexpr qreal Radius = 3;
// the frame's width and the space between frame and caption
constexpr int Inset = 1 + 2;

} // namespace

RoundedButton::RoundedButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

void RoundedButton::setColours(const QColor& frame, const QColor& face)
{
    m_frame = frame;
    m_face = face;
    update();
}

void RoundedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_frame);
    painter.setBrush(isDown() ? PressedFace : m_face);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(Inset, Inset, -Inset, -Inset), Qt::AlignCenter | Qt::TextWordWrap, text());
}
