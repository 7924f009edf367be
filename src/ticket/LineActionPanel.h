#pragma once

#include "widgets/DesignView.h"

class QLabel;
class QPushButton;

// What to do with the ticket line the waiter touched: take one off, offer it, or move to another line.
class LineActionPanel final : public DesignView
{
    Q_OBJECT

public:
    explicit LineActionPanel(QWidget* parent = nullptr);

    QLabel* Label16() const { return m_label16; }
    QLabel* Label17() const { return m_label17; }
    QPushButton* Button33() const { return m_button33; }
    QPushButton* Button34() const { return m_button34; }
    QPushButton* Button35() const { return m_button35; }
    QPushButton* Button36() const { return m_button36; }
    QPushButton* Button37() const { return m_button37; }

private:
    QLabel* m_label16;
    QLabel* m_label17;
    QPushButton* m_button33;
    QPushButton* m_button34;
    QPushButton* m_button35;
    QPushButton* m_button36;
    QPushButton* m_button37;
};
