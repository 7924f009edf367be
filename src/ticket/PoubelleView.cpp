#include "PoubelleView.h"

#include "app/Palette.h"

PoubelleView::PoubelleView(QWidget* parent) : DesignView(QStringLiteral("poubelle"), QSizeF(320, 510), parent)
{
    setBackground(Palette::Background);
}
