#pragma once

#include "widgets/DesignView.h"

class QLabel;
class QPlainTextEdit;
class RedKey;

// Payment of the finalised ticket.
class PaymentView final : public DesignView
{
    Q_OBJECT

public:
    explicit PaymentView(QWidget* parent = nullptr);

    QPlainTextEdit* Memo3() const { return m_memo3; }
    void setMemoFontSize(int pixelSize);
    DesignView* Rectangle1() const { return m_rectangle1; }
    QLabel* Label2() const { return m_label2; }
    RedKey* cb() const { return m_cb; }
    RedKey* ba() const { return m_ba; }
    RedKey* ch() const { return m_ch; }
    RedKey* es() const { return m_es; }

    // The finalised ticket as the ticket screen showed it, and the amount to pay (empty: the band stays blank).
    void showBill(const QString& ticket, const QString& amountDue);

private:
    QPlainTextEdit* m_memo3;
    DesignView* m_rectangle1;
    QLabel* m_label2;
    RedKey* m_cb;
    RedKey* m_ba;
    RedKey* m_ch;
    RedKey* m_es;
};
