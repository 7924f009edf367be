#pragma once

#include "app/DesignView.h"

// The room plan: three rooms of table keys coloured by table state.
class PlanView final : public DesignView
{
    Q_OBJECT

public:
    explicit PlanView(QWidget* parent = nullptr);
};
