#pragma once

#include "widgets/DesignView.h"

class QLabel;

// The full-window notice shown when the register's software is too old for this terminal.
class NoticeView final : public DesignView
{
    Q_OBJECT

public:
    explicit NoticeView(QWidget* parent = nullptr);

    QLabel* noticeLabel() const { return m_noticeLabel; }

    void setText(const QString& text);

private:
    QLabel* m_noticeLabel;
};
