#pragma once

#include <QColor>
#include <QWidget>

// A plain coloured rectangle laid under a view's controls. It takes no taps itself.
class ColourShape final : public QWidget
{
    Q_OBJECT

public:
    ColourShape(const QString& name, const QColor& colour, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};
