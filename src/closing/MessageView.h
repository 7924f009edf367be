#pragma once

#include "widgets/DesignView.h"

class QLineEdit;
class QPushButton;
class RedKey;

// A free-text message to the register's screen or its preparation printers.
class MessageView final : public DesignView
{
    Q_OBJECT

public:
    explicit MessageView(QWidget* parent = nullptr);

    QPushButton* cancelButton() const { return m_cancelButton; }
    QLineEdit* messageEdit() const { return m_messageEdit; }
    RedKey* toRegisterScreenKey() const { return m_toRegisterScreenKey; }
    RedKey* toKitchenPrintersKey() const { return m_toKitchenPrintersKey; }

    // Lays the box and the keys out for the window's size, empties the box and gives it the focus: run once shown.
    void open();
    QString text() const;
    void clearText();

private:
    QPushButton* m_cancelButton;
    QLineEdit* m_messageEdit;
    RedKey* m_toRegisterScreenKey;
    RedKey* m_toKitchenPrintersKey;
};
