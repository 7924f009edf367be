#pragma once

#include "widgets/DesignView.h"

class QLabel;
class QListWidget;
class QPushButton;

// The number of covers at the table, chosen in a list of 0 to the most a table seats.
class CoversPanel final : public DesignView
{
    Q_OBJECT

public:
    explicit CoversPanel(QWidget* parent = nullptr);

    QLabel* Label10() const { return m_label10; }
    QLabel* Label11() const { return m_label11; }
    QListWidget* ListBox1() const { return m_listBox1; }
    QPushButton* Button15() const { return m_button15; }
    QPushButton* Button31() const { return m_button31; }

    void showPrompt(const QString& text);
    // "Actuellement, N couvert(s)"
    void showCurrentCovers(const QString& count);
    // Selects the entry of that count; -1 selects none.
    void selectCovers(int count);
    // The count chosen in the list, -1 for none.
    int chosenCovers() const;
    // "Valider N couvert(s)" for the chosen count.
    void showChosenCovers();

private:
    QLabel* m_label10;
    QLabel* m_label11;
    QListWidget* m_listBox1;
    QPushButton* m_button15;
    QPushButton* m_button31;
};
