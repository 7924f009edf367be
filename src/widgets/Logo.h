#pragma once

#include <QWidget>

class QPainter;

// The terminal's logo, drawn rather than shipped so it stays sharp at any size: an order pad and a fork.
class Logo final : public QWidget
{
    Q_OBJECT

public:
    explicit Logo(QWidget* parent = nullptr);

    // The order pad alone, its lines spaced by unit: the logo's mark, and the application's icon.
    static void drawPad(QPainter& painter, const QRectF& pad, qreal unit);

protected:
    void paintEvent(QPaintEvent* event) override;
};
