#pragma once

#include <QColor>

class QWidget;

// Sets the colour a label or a caption draws its text in.
void setTextColour(QWidget* label, const QColor& colour);
