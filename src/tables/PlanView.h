#pragma once

#include "widgets/DesignView.h"

class QPushButton;
class QTabWidget;

// The room plan: three rooms of table keys coloured by table state.
class PlanView final : public DesignView
{
    Q_OBJECT

public:
    explicit PlanView(QWidget* parent = nullptr);

    QWidget* planPanel() const { return m_planPanel; }
    QTabWidget* roomTabs() const { return m_roomTabs; }
    // the rooms, on which the catalogue places the table keys
    QWidget* room1Page() const { return m_room1Page; }
    QWidget* room2Page() const { return m_room2Page; }
    QWidget* room3Page() const { return m_room3Page; }
    QPushButton* closeButton() const { return m_closeButton; }

private:
    QWidget* m_planPanel;
    QTabWidget* m_roomTabs;
    QWidget* m_room1Page;
    QWidget* m_room2Page;
    QWidget* m_room3Page;
    QPushButton* m_closeButton;
};
