#pragma once

#include <QColor>
#include <QWidget>

// A filled rectangle: the body of a product key, a set-menu cell or a table. It takes no taps itself.
class ColourShape final : public QWidget
{
    Q_OBJECT

public:
    // a new shape is white until its colour is set
    ColourShape(const QString& name, int tag, QWidget* parent);
    // a plain coloured rectangle laid under a view's controls
    ColourShape(const QString& name, const QColor& colour, QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    QColor colour() const { return m_colour; }
    int tag() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour = Qt::white;
};
