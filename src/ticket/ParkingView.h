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

    // The supplements panel leaves the parking for a view it then fills, in front of the view's controls but hidden
    // until showSupplements().
    void placeSupplementsOver(DesignView& view);
    // Shows the supplements panel in front of the view it was placed over.
    void showSupplements();
    // Hides the supplements panel and keeps it here until it is placed over a view again.
    void parkSupplements();
    // Whether the supplements panel lies over that view.
    bool supplementsOver(const QWidget& view) const;

private:
    ListPanel* m_panelsupp;
    CoursePanel* m_choixrang;
    KitchenDispatchPanel* m_panelenvoicuis;
};
