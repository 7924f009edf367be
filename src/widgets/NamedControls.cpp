#include "NamedControls.h"

#include "ColouredLabel.h"

#include <QLabel>
#include <QPushButton>

QPushButton* namedButton(const QString& name, const QString& caption, const QFont& font)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setFont(font);
    return button;
}

QLabel* namedLabel(const QString& name, const QString& text, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    setTextColour(label, colour);
    return label;
}
