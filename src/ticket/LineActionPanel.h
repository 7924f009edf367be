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

    QLabel* promptLabel() const { return m_promptLabel; }
    QLabel* lineLabel() const { return m_lineLabel; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* removeOneButton() const { return m_removeOneButton; }
    QPushButton* offerLineButton() const { return m_offerLineButton; }
    QPushButton* previousLineButton() const { return m_previousLineButton; }
    QPushButton* nextLineButton() const { return m_nextLineButton; }

private:
    QLabel* m_promptLabel;
    QLabel* m_lineLabel;
    QPushButton* m_cancelButton;
    QPushButton* m_removeOneButton;
    QPushButton* m_offerLineButton;
    QPushButton* m_previousLineButton;
    QPushButton* m_nextLineButton;
};
