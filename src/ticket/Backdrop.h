#pragma once

#include <QColor>
#include <QWidget>

// A plain coloured rectangle laid under a view's controls.
class Backdrop final : public QWidget
{
public:
    Backdrop(const QString& name, const QColor& colour, QWidget* parent = nullptr);
};
