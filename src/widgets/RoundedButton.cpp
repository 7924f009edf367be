#include "RoundedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

RoundedButton::RoundedButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setStyleSheet(QStringLiteral("QPushButton { border: 1px solid #a9a9a9; border-radius: 3px; padding: 2px;"
                                 " background-color: #efefef; color: black; }"
                                 " QPushButton:pressed { background-color: #c8c8c8; }"));
}

void RoundedButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // the style draws the frame; the caption is drawn here so that it may wrap
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect captionBox = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextWordWrap, text());
}
