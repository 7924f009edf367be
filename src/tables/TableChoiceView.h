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

    QLabel* headerLabel() const { return m_headerLabel; }
    RedKey* waiterAccountKey() const { return m_waiterAccountKey; }
    RedKey* coversKey() const { return m_coversKey; }
    RedKey* roomPlanKey() const { return m_roomPlanKey; }
    RedKey* busyTablesKey() const { return m_busyTablesKey; }
    RedKey* freeTablesKey() const { return m_freeTablesKey; }
    QPushButton* quitButton() const { return m_quitButton; }
    QLabel* footerLabel() const { return m_footerLabel; }
    QPushButton* logoutButton() const { return m_logoutButton; }

    TableListPanel* tableListPanel() const { return m_tableListPanel; }
    CoversPanel* coversPanel() const { return m_coversPanel; }

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
    QLabel* m_headerLabel;
    RedKey* m_waiterAccountKey;
    RedKey* m_coversKey;
    RedKey* m_roomPlanKey;
    RedKey* m_busyTablesKey;
    RedKey* m_freeTablesKey;
    QPushButton* m_quitButton;
    QLabel* m_footerLabel;
    QPushButton* m_logoutButton;

    TableListPanel* m_tableListPanel;
    CoversPanel* m_coversPanel;
};
