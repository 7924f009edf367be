#pragma once

#include "app/DesignView.h"

// The set menus running on the ticket and the choice of their dishes.
class FormuleView final : public DesignView
{
    Q_OBJECT

public:
    explicit FormuleView(QWidget* parent = nullptr);
};
