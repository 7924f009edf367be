#pragma once

#include "app/DesignView.h"

// A free-text message to the register's screen or its preparation printers.
class MessagesView final : public DesignView
{
    Q_OBJECT

public:
    explicit MessagesView(QWidget* parent = nullptr);
};
