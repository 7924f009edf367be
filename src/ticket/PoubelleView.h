#pragma once

#include "app/DesignView.h"

class ChoixRangPanel;
class CheckList;
class EnvoiCuisinePanel;
class ListPanel;
class QPushButton;

// Always hidden: holds the floating panels while no view shows them.
class PoubelleView final : public DesignView
{
    Q_OBJECT

public:
    explicit PoubelleView(QWidget* parent = nullptr);

    ListPanel* Panelsupp() const { return m_panelsupp; }
    QPushButton* Button23() const;
    CheckList* ListViewsupp() const;
    ChoixRangPanel* choixrang() const { return m_choixrang; }
    EnvoiCuisinePanel* panelenvoicuis() const { return m_panelenvoicuis; }

private:
    ListPanel* m_panelsupp;
    ChoixRangPanel* m_choixrang;
    EnvoiCuisinePanel* m_panelenvoicuis;
};
