#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// The configuration switches: a checkable button drawn as a rounded track with a round knob that slides to the
// right when the switch is on. It fills the box it is given (44 × 26 at design size); `toggled(bool)` reports every
// change, made by a tap or by setChecked().
class ToggleSwitch final : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = 44;
    static constexpr int DesignHeight = 26;

    explicit ToggleSwitch(const QString& name, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Where the knob is drawn, from 0 (off end) to 1 (on end): the state's end, or on its way there while the
    // knob slides after a change seen on screen.
    qreal knobPosition() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void follow(bool checked);

    QVariantAnimation* m_animation;
    qreal m_knob = 0;
};
