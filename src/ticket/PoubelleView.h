#pragma once

#include "app/DesignView.h"

// Always hidden: holds the floating panels while no view shows them.
class PoubelleView final : public DesignView
{
    Q_OBJECT

public:
    explicit PoubelleView(QWidget* parent = nullptr);
};
