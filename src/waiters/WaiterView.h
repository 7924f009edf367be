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
    RedKey* waiterKey(1) const { return m_keys[0]; }
    RedKey* waiterKey(2) const { return m_keys[1]; }
    RedKey* waiterKey(3) const { return m_keys[2]; }
    RedKey* waiterKey(4) const { return m_keys[3]; }
    RedKey* waiterKey(5) const { return m_keys[4]; }
    RedKey* waiterKey(6) const { return m_keys[5]; }
    RedKey* waiterKey(7) const { return m_keys[6]; }
    RedKey* waiterKey(8) const { return m_keys[7]; }
    // the waiter keys in waiter order, s1 first
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
