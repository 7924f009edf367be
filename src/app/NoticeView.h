#pragma once

#include "DesignView.h"

class QLabel;

// The full-window notice shown when the register's software is too old for this terminal.
class NoticeView final : public DesignView
{
    Q_OBJECT

public:
    explicit NoticeView(QWidget* parent = nullptr);

    QLabel* Labelmess() const { return m_labelmess; }

private:
    QLabel* m_labelmess;
};
