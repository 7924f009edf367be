#pragma once

#include "session/Limits.h"
#include "widgets/DesignView.h"

#include <array>

class CodePanel;
class QLabel;
class RedKey;

// Waiter choice and identification.
class WaiterView final : public DesignView
{
    Q_OBJECT

public:
    explicit WaiterView(QWidget* parent = nullptr);
    QLabel* titleLabel() const { return m_titleLabel; }
    // waiter 1 to 8
    RedKey* waiterKey(int waiter) const { return m_keys.at(waiter - 1); }
    // the waiter keys in waiter order, waiter 1 first
    const std::array<RedKey*, Limits::Waiters>& waiterKeys() const { return m_keys; }
    CodePanel* codePanel() const { return m_codePanel; }

    // The code panel over the waiter keys, empty and ready for typing.
    void openCodePanel();
    void closeCodePanel();
    QString typedCode() const;
    void clearCode();

private:
    QLabel* m_titleLabel;
    std::array<RedKey*, Limits::Waiters> m_keys;
    CodePanel* m_codePanel;
};
