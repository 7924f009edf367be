#include "Logo.h"

#include "Fonts.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

Logo::Logo(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
}

void Logo::drawPad(QPainter& painter, const QRectF& pad, qreal unit)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::ActionKey);
    painter.drawRoundedRect(pad, unit, unit);
    painter.setPen(QPen(Palette::Caption, unit * 0.5, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const qreal y = pad.top() + unit * (2 + 1.6 * line);
        painter.drawLine(QPointF(pad.left() + unit, y), QPointF(pad.right() - unit, y));
    }
}

void Logo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = height();
    const qreal unit = h / 10.0;

    // the order pad
    const QRectF pad(width() / 2.0 - 3.4 * h / 2.0, unit, 2.2 * unit * 2.6 / 2.0 + unit, 8 * unit);
    drawPad(painter, pad, unit);

    // the wordmark
    painter.setPen(Palette::Caption);
    QFont font = Fonts::handwriting(qMax(8, qRound(4.2 * unit)), true, false);
    painter.setFont(font);
    const QRectF text(pad.right() + unit, 0, width() - pad.right() - unit, h);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Commande"));
}
