#pragma once

#include <QLineEdit>

// The waiter's personal code box: up to four digits 1 to 9 typed on a numeric keypad whose return key sends.
class CodeEdit final : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 4;

    explicit CodeEdit(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};
