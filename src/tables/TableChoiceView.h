#pragma once

#include "widgets/DesignView.h"

class QLabel;
class QListWidget;
class QPushButton;
class RedKey;

// Table choice, covers and the way to the room plan.
class TableChoiceView final : public DesignView
{
    Q_OBJECT

public:
    static constexpr int MaxCouverts = 25;

    explicit TableChoiceView(QWidget* parent = nullptr);

    QLabel* Label12() const { return m_label12; }
    RedKey* button5() const { return m_button5; }
    RedKey* button19() const { return m_button19; }
    RedKey* button20() const { return m_button20; }
    RedKey* button25() const { return m_button25; }
    RedKey* button24() const { return m_button24; }
    QPushButton* Quitter() const { return m_quitter; }
    QLabel* Label20() const { return m_label20; }
    QPushButton* Button17() const { return m_button17; }

    DesignView* Panel9() const { return m_panel9; }
    DesignView* Panel13() const { return m_panel13; }
    QPushButton* Button30() const { return m_button30; }
    QPushButton* Button26() const { return m_button26; }
    QListWidget* ListViewtable() const { return m_listViewtable; }

    DesignView* Panelcouv() const { return m_panelcouv; }
    QLabel* Label10() const { return m_label10; }
    QLabel* Label11() const { return m_label11; }
    QListWidget* ListBox1() const { return m_listBox1; }
    QPushButton* Button15() const { return m_button15; }
    QPushButton* Button31() const { return m_button31; }
    QPushButton* quitButton() const { return m_quitter; }

    // The waiter just logged in: his name over "Aucune Table" and on the logout button.
    void showWaiter(const QString& name);
    // The table header.
    void showHeader(const QString& text);
    // The table list with those items; none leaves it closed.
    void showTableList(const QStringList& items);
    void closeTableList();
    // The text of the selected item of the table list; empty when none is.
    QString selectedTable() const;

    void openCoversPanel();
    void closeCoversPanel();
    void showCoversPrompt(const QString& text);
    // "Actuellement, N couvert(s)"
    void showCurrentCovers(const QString& count);
    // Selects the entry of that count; -1 selects none.
    void selectCovers(int count);
    // The count chosen in the list, -1 for none.
    int chosenCovers() const;
    // "Valider N couvert(s)" for the chosen count.
    void showChosenCovers();

private:
    void buildPanel9();
    void buildPanelcouv();

    QLabel* m_label12;
    RedKey* m_button5;
    RedKey* m_button19;
    RedKey* m_button20;
    RedKey* m_button25;
    RedKey* m_button24;
    QPushButton* m_quitter;
    QLabel* m_label20;
    QPushButton* m_button17;

    DesignView* m_panel9;
    DesignView* m_panel13;
    QPushButton* m_button30;
    QPushButton* m_button26;
    QListWidget* m_listViewtable;

    DesignView* m_panelcouv;
    QLabel* m_label10;
    QLabel* m_label11;
    QListWidget* m_listBox1;
    QPushButton* m_button15;
    QPushButton* m_button31;
};
