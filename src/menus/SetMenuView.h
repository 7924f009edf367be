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

    DesignView* Panel10() const { return m_panel10; }
    QPushButton* CornerButton1() const { return m_cornerButton1; }
    QWidget* Panel11() const { return m_panel11; }
    // the set-menu grid goes on the scroll box's widget
    QScrollArea* HorzScrollBox1() const { return m_horzScrollBox1; }
    SetMenuGrid& grid() const { return *m_grid; }
    ListPanel* Panel12() const { return m_panel12; }
    QPushButton* Button29() const;
    CheckList* choixform() const;
    ListPanel* Panel16() const { return m_panel16; }
    QPushButton* Button32() const;
    CheckList* ListView1() const;

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
    DesignView* m_panel10;
    QPushButton* m_cornerButton1;
    QWidget* m_panel11;
    QScrollArea* m_horzScrollBox1;
    ListPanel* m_panel12;
    ListPanel* m_panel16;
    SetMenuGrid* m_grid;
};
