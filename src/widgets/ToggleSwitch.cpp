#include "ToggleSwitch.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

namespace {

const QColor TrackOff = QColor::fromRgba(0xFF5A5A5A);
const QColor Knob = QColor::fromRgba(0xFFF5F5F5);
constexpr int SlideMs = 120;

} // namespace

ToggleSwitch::ToggleSwitch(const QString& name, QWidget* parent)
    : QAbstractButton(parent), m_animation(new QVariantAnimation(this))
{
    setObjectName(name);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    m_animation->setDuration(SlideMs);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_knob = value.toReal();
        update();
    });
    connect(this, &QAbstractButton::toggled, this, &ToggleSwitch::follow);
}

QSize ToggleSwitch::sizeHint() const
{
    return {DesignWidth, DesignHeight};
}

qreal ToggleSwitch::knobPosition() const
{
    if (m_animation->state() == QAbstractAnimation::Running)
        return m_knob;
    return isChecked() ? 1.0 : 0.0;
}

void ToggleSwitch::follow(bool checked)
{
    const qreal target = checked ? 1.0 : 0.0;
    const qreal from = knobPosition() == target ? 1.0 - target : knobPosition();
    m_animation->stop();
    // a switch set while hidden (the settings read) is simply drawn in its new state
    if (!isVisible()) {
        update();
        return;
    }
    m_knob = from;
    m_animation->setStartValue(from);
    m_animation->setEndValue(target);
    m_animation->start();
}

bool ToggleSwitch::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void ToggleSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // the track keeps the 44 × 26 proportions of the design box, centred in the widget
    QRectF track = rect();
    const qreal ratio = qreal(DesignWidth) / DesignHeight;
    if (track.width() > track.height() * ratio)
        track.setWidth(track.height() * ratio);
    else
        track.setHeight(track.width() / ratio);
    track.moveCenter(QRectF(rect()).center());
    track.adjust(1, 1, -1, -1);

    const qreal radius = track.height() / 2;
    const qreal knobAt = knobPosition();
    QColor on = Palette::ActionKey;
    QColor trackColour = QColor::fromRgbF(TrackOff.redF() + (on.redF() - TrackOff.redF()) * knobAt,
                                          TrackOff.greenF() + (on.greenF() - TrackOff.greenF()) * knobAt,
                                          TrackOff.blueF() + (on.blueF() - TrackOff.blueF()) * knobAt);
    QColor knobColour = Knob;
    if (!isEnabled()) {
        trackColour.setAlpha(110);
        knobColour.setAlpha(160);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(trackColour);
    painter.drawRoundedRect(track, radius, radius);

    const qreal margin = qMax<qreal>(2, track.height() / 10);
    const qreal diameter = track.height() - 2 * margin;
    const qreal left = track.left() + margin + (track.width() - 2 * margin - diameter) * knobAt;
    const QRectF knob(left, track.top() + margin, diameter, diameter);
    painter.setBrush(isDown() ? knobColour.darker(115) : knobColour);
    painter.drawEllipse(knob);

    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Palette::Frame, 1));
        painter.drawRoundedRect(track.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    }
}
