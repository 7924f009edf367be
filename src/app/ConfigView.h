#pragma once

#include "DesignView.h"

// The configuration of the terminal: four switches, saved on demand.
class ConfigView final : public DesignView
{
    Q_OBJECT

public:
    explicit ConfigView(QWidget* parent = nullptr);
};
