#pragma once

#include "widgets/DesignView.h"

class QListWidget;
class QPushButton;

// The free or busy tables the register listed, over the table choice, to take one of them.
class TableListPanel final : public DesignView
{
    Q_OBJECT

public:
    explicit TableListPanel(QWidget* parent = nullptr);

    DesignView* Panel13() const { return m_panel13; }
    QPushButton* Button30() const { return m_button30; }
    QPushButton* Button26() const { return m_button26; }
    QListWidget* ListViewtable() const { return m_listViewtable; }

    // The list with those items, none selected; no item leaves the panel closed.
    void showTables(const QStringList& items);
    // The text of the selected item; empty when none is.
    QString selectedTable() const;

private:
    DesignView* m_panel13;
    QPushButton* m_button30;
    QPushButton* m_button26;
    QListWidget* m_listViewtable;
};
