#include "FormuleView.h"

#include "app/Palette.h"

FormuleView::FormuleView(QWidget* parent) : DesignView(QStringLiteral("formule"), QSizeF(366, 603), parent)
{
    setBackground(Palette::Background);
}
