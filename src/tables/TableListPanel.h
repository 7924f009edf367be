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

    DesignView* buttonStrip() const { return m_buttonStrip; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* validateButton() const { return m_validateButton; }
    QListWidget* tableList() const { return m_tableList; }

    // The list with those items, none selected; no item leaves the panel closed.
    void showTables(const QStringList& items);
    // The text of the selected item; empty when none is.
    QString selectedTable() const;

private:
    DesignView* m_buttonStrip;
    QPushButton* m_cancelButton;
    QPushButton* m_validateButton;
    QListWidget* m_tableList;
};
