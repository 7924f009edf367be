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

    QLabel* Label71() const { return m_label71; }
    CodeEdit* Edit3() const { return m_edit3; }
    RedKey* Rectangle13() const { return m_rectangle13; }

    // Over the waiter keys, empty and ready for typing.
    void open();
    QString typedCode() const;
    void clearCode();

private:
    QLabel* m_label71;
    CodeEdit* m_edit3;
    RedKey* m_rectangle13;
};
