#include "PlanView.h"

#include "app/Palette.h"

PlanView::PlanView(QWidget* parent) : DesignView(QStringLiteral("plan"), QSizeF(383, 613), parent)
{
    setBackground(Palette::Background);
}
