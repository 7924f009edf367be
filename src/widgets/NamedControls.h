#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPushButton;

// Controls as the views make them: named for automation, in a font of the design.
QPushButton* namedButton(const QString& name, const QString& caption, const QFont& font);
// A label centred in its box, its text in that colour.
QLabel* namedLabel(const QString& name, const QString& text, const QFont& font, const QColor& colour);
