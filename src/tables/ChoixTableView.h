#pragma once

#include "app/DesignView.h"

// Table choice, covers and the way to the room plan.
class ChoixTableView final : public DesignView
{
    Q_OBJECT

public:
    explicit ChoixTableView(QWidget* parent = nullptr);

    DesignView* Panelcouv() const { return m_panelcouv; }

private:
    DesignView* m_panelcouv;
};
