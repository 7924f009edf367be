#include "ConfigView.h"

#include "Palette.h"

ConfigView::ConfigView(QWidget* parent) : DesignView(QStringLiteral("config"), QSizeF(366, 603), parent)
{
    setBackground(Palette::Background);
}
