#pragma once

#include "app/DesignView.h"

class QPlainTextEdit;

// Payment of the finalised ticket.
class EncaissementView final : public DesignView
{
    Q_OBJECT

public:
    explicit EncaissementView(QWidget* parent = nullptr);

    QPlainTextEdit* Memo3() const { return m_memo3; }

private:
    QPlainTextEdit* m_memo3;
};
