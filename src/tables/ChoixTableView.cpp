#include "ChoixTableView.h"

#include "app/Palette.h"

ChoixTableView::ChoixTableView(QWidget* parent)
    : DesignView(QStringLiteral("choixtable"), QSizeF(298, 423), parent),
      m_panelcouv(new DesignView(QStringLiteral("Panelcouv"), QSizeF(298, 423)))
{
    setBackground(Palette::Background);
    m_panelcouv->setBackground(Palette::Background);
    fill(m_panelcouv);
}
