#pragma once

#include <QLabel>

// The caption of a key built from the catalogue: it carries the key's tag and reports the taps on it.
class TapCaption final : public QLabel
{
    Q_OBJECT

public:
    enum class Tap
    {
        Single,
        Double,
    };

    TapCaption(const QString& name, int tag, Tap tap, QWidget* parent);

    int tag() const;
    Tap tap() const { return m_tap; }

Q_SIGNALS:
    void tapped(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Tap m_tap;
    bool m_pressed = false;
};
