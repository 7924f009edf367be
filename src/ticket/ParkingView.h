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

    ListPanel* supplementsPanel() const { return m_supplementsPanel; }
    QPushButton* leaveSupplementsButton() const;
    CheckList* supplementsList() const;
    CoursePanel* coursePanel() const { return m_coursePanel; }
    KitchenDispatchPanel* dispatchPanel() const { return m_dispatchPanel; }

    // "A servir en tant que" over the screen, with a key for each course offered.
    void openCourses(DesignView& screen, const QList<int>& courses);
    // Back in the parking, where it no longer shows, and hidden: two steps, as each course key orders them.
    void parkCourses();
    void hideCourses();
    // The supplements over the screen, ticked as they were left.
    void openSupplements(DesignView& screen);
    void parkSupplements();
    // Whether each supplement is ticked, in list order.
    QList<bool> supplementTicks() const;

    // The supplements panel leaves the parking for a view it then fills, in front of the view's controls but hidden
    // until showSupplements().
    void placeSupplementsOver(DesignView& view);
    // Shows the supplements panel in front of the view it was placed over.
    void showSupplements();
    // Whether the supplements panel lies over that view.
    bool supplementsOver(const QWidget& view) const;

protected:
    // it is never shown; a touch on it would only hide it again
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ListPanel* m_supplementsPanel;
    CoursePanel* m_coursePanel;
    KitchenDispatchPanel* m_dispatchPanel;
};
