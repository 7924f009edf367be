#pragma once

#include "app/DesignView.h"

class QLineEdit;
class QPlainTextEdit;

// The order ticket and the product keys.
class TicketView final : public DesignView
{
    Q_OBJECT

public:
    explicit TicketView(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1() const { return m_memo1; }
    QLineEdit* Memoart() const { return m_memoart; }
    DesignView* panel_annul() const { return m_panelAnnul; }
    DesignView* panel_env_cuis() const { return m_panelEnvCuis; }
    DesignView* Panel2() const { return m_panel2; }

private:
    QPlainTextEdit* m_memo1;
    QLineEdit* m_memoart;
    DesignView* m_panelAnnul;
    DesignView* m_panelEnvCuis;
    DesignView* m_panel2;
};
