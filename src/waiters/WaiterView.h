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
    QLabel* Label1() const { return m_label1; }
    RedKey* s1() const { return m_keys[0]; }
    RedKey* s2() const { return m_keys[1]; }
    RedKey* s3() const { return m_keys[2]; }
    RedKey* s4() const { return m_keys[3]; }
    RedKey* s5() const { return m_keys[4]; }
    RedKey* s6() const { return m_keys[5]; }
    RedKey* s7() const { return m_keys[6]; }
    RedKey* s8() const { return m_keys[7]; }
    // the waiter keys in waiter order, s1 first
    const std::array<RedKey*, Limits::Waiters>& waiterKeys() const { return m_keys; }
    CodePanel* Rectangle11() const { return m_rectangle11; }

    // The code panel over the waiter keys, empty and ready for typing.
    void openCodePanel();
    void closeCodePanel();
    QString typedCode() const;
    void clearCode();

private:
    QLabel* m_label1;
    std::array<RedKey*, Limits::Waiters> m_keys;
    CodePanel* m_rectangle11;
};
