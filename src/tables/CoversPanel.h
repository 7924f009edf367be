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

    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* currentCoversLabel() const { return m_currentCoversLabel; }
    QListWidget* coversList() const { return m_coversList; }
    QPushButton* validateButton() const { return m_validateButton; }
    QPushButton* leaveButton() const { return m_leaveButton; }

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
    QLabel* m_titleLabel;
    QLabel* m_currentCoversLabel;
    QListWidget* m_coversList;
    QPushButton* m_validateButton;
    QPushButton* m_leaveButton;
};
