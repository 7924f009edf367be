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

    QWidget* Panel15() const { return m_panel15; }
    QTabWidget* TabControl1() const { return m_tabControl1; }
    // the rooms, on which the catalogue places the table keys
    QWidget* TabItem9() const { return m_tabItem9; }
    QWidget* TabItem10() const { return m_tabItem10; }
    QWidget* TabItem11() const { return m_tabItem11; }
    QPushButton* Button16() const { return m_button16; }

private:
    QWidget* m_panel15;
    QTabWidget* m_tabControl1;
    QWidget* m_tabItem9;
    QWidget* m_tabItem10;
    QWidget* m_tabItem11;
    QPushButton* m_button16;
};
