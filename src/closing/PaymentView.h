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

    QPlainTextEdit* billMemo() const { return m_billMemo; }
    void setMemoFontSize(int pixelSize);
    DesignView* amountBand() const { return m_amountBand; }
    QLabel* amountLabel() const { return m_amountLabel; }
    RedKey* paymentMode1Key() const { return m_paymentMode1Key; }
    RedKey* paymentMode3Key() const { return m_paymentMode3Key; }
    RedKey* paymentMode2Key() const { return m_paymentMode2Key; }
    RedKey* paymentMode4Key() const { return m_paymentMode4Key; }

    // The finalised ticket as the ticket screen showed it, and the amount to pay (empty: the band stays blank).
    void showBill(const QString& ticket, const QString& amountDue);

private:
    QPlainTextEdit* m_billMemo;
    DesignView* m_amountBand;
    QLabel* m_amountLabel;
    RedKey* m_paymentMode1Key;
    RedKey* m_paymentMode3Key;
    RedKey* m_paymentMode2Key;
    RedKey* m_paymentMode4Key;
};
