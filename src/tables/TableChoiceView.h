#pragma once

#include "widgets/DesignView.h"

class CoversPanel;
class QLabel;
class QPushButton;
class RedKey;
class TableListPanel;

// Table choice, covers and the way to the room plan.
class TableChoiceView final : public DesignView
{
    Q_OBJECT

public:
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

    TableListPanel* Panel9() const { return m_panel9; }
    CoversPanel* Panelcouv() const { return m_panelcouv; }

    // The waiter just logged in: his name over "Aucune Table" and on the logout button.
    void showWaiter(const QString& name);
    // The table header.
    void showHeader(const QString& text);
    // The table list with those items; none leaves it closed.
    void showTableList(const QStringList& items);
    void closeTableList();
    // The text of the selected item of the table list; empty when none is.
    QString selectedTable() const;

    // The covers panel over the view, its list and texts as the handler leaves them.
    void openCoversPanel();
    void closeCoversPanel();

private:
    QLabel* m_label12;
    RedKey* m_button5;
    RedKey* m_button19;
    RedKey* m_button20;
    RedKey* m_button25;
    RedKey* m_button24;
    QPushButton* m_quitter;
    QLabel* m_label20;
    QPushButton* m_button17;

    TableListPanel* m_panel9;
    CoversPanel* m_panelcouv;
};
