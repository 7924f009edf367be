#pragma once

#include "app/DesignView.h"

// Waiter choice and identification.
class ServeurView final : public DesignView
{
    Q_OBJECT

public:
    explicit ServeurView(QWidget* parent = nullptr);

    QWidget* Rectangle11() const { return m_rectangle11; }

private:
    QWidget* m_rectangle11;
};
