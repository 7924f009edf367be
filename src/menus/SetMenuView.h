#pragma once

#include "widgets/DesignView.h"

class CheckList;
class ListPanel;
class QPushButton;
class QScrollArea;
class SetMenuGrid;

// The set menus running on the ticket and the choice of their dishes.
class SetMenuView final : public DesignView
{
    Q_OBJECT

public:
    explicit SetMenuView(QWidget* parent = nullptr);

    DesignView* topStrip() const { return m_topStrip; }
    QPushButton* leaveButton() const { return m_leaveButton; }
    QWidget* gridBackground() const { return m_gridBackground; }
    // the set-menu grid goes on the scroll box's widget
    QScrollArea* gridScrollBox() const { return m_gridScrollBox; }
    SetMenuGrid& grid() const { return *m_grid; }
    ListPanel* dishPanel() const { return m_dishPanel; }
    QPushButton* dishCancelButton() const;
    CheckList* dishList() const;
    ListPanel* optionsPanel() const { return m_optionsPanel; }
    QPushButton* optionsValidateButton() const;
    CheckList* optionsList() const;

    // The dishes of a course, over the grid, none ticked.
    void openDishList(const QStringList& dishes);
    // The touched dish ticked, then the list closed.
    void tickDish(int entry);
    void closeDishList();

    // The kitchen options of the dish just chosen, over the grid, none ticked.
    void openOptions(const QStringList& options);
    bool optionsOpen() const;
    QList<bool> tickedOptions() const;
    void clearOptionTicks();
    void closeOptions();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DesignView* m_topStrip;
    QPushButton* m_leaveButton;
    QWidget* m_gridBackground;
    QScrollArea* m_gridScrollBox;
    ListPanel* m_dishPanel;
    ListPanel* m_optionsPanel;
    SetMenuGrid* m_grid;
};
