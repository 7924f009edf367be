#pragma once

#include "widgets/DesignView.h"

class CodeEdit;
class QLabel;
class RedKey;

// The waiter's code, asked for over the waiter keys when the register wants one.
class CodePanel final : public DesignView
{
    Q_OBJECT

public:
    explicit CodePanel(const QSizeF& designSize, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_titleLabel; }
    CodeEdit* codeEdit() const { return m_codeEdit; }
    RedKey* validateKey() const { return m_validateKey; }

    // Over the waiter keys, empty and ready for typing.
    void open();
    QString typedCode() const;
    void clearCode();

private:
    QLabel* m_titleLabel;
    CodeEdit* m_codeEdit;
    RedKey* m_validateKey;
};
