#include "PoubelleView.h"

#include "ChoixRangPanel.h"
#include "EnvoiCuisinePanel.h"
#include "ListPanel.h"
#include "app/Palette.h"

PoubelleView::PoubelleView(QWidget* parent)
    : DesignView(QStringLiteral("poubelle"), QSizeF(320, 510), parent),
      m_panelsupp(new ListPanel({QStringLiteral("Panelsupp"), QSizeF(320, 510), QStringLiteral("Button23"),
                                 QStringLiteral("Quitter les suppléments"), 49, QStringLiteral("ListViewsupp")})),
      m_choixrang(new ChoixRangPanel), m_panelenvoicuis(new EnvoiCuisinePanel)
{
    setBackground(Palette::Background);
    m_panelsupp->hide();
    fill(m_panelsupp);
    fill(m_choixrang);
    m_panelenvoicuis->hide();
    fill(m_panelenvoicuis);
}

QPushButton* PoubelleView::Button23() const
{
    return m_panelsupp->button();
}

CheckList* PoubelleView::ListViewsupp() const
{
    return m_panelsupp->list();
}
