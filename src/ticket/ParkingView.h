#pragma once

#include "widgets/DesignView.h"

class CoursePanel;
class CheckList;
class KitchenDispatchPanel;
class ListPanel;
class QPushButton;

// Always hidden: holds the floating panels while no view shows them.
class ParkingView final : public DesignView
{
    Q_OBJECT

public:
    explicit ParkingView(QWidget* parent = nullptr);

    ListPanel* Panelsupp() const { return m_panelsupp; }
    QPushButton* Button23() const;
    CheckList* ListViewsupp() const;
    CoursePanel* choixrang() const { return m_choixrang; }
    KitchenDispatchPanel* panelenvoicuis() const { return m_panelenvoicuis; }

private:
    ListPanel* m_panelsupp;
    CoursePanel* m_choixrang;
    KitchenDispatchPanel* m_panelenvoicuis;
};
