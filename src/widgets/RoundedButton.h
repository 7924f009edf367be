#pragma once

#include <QPushButton>

// A push button with slightly rounded corners whose caption wraps onto more lines when the button is narrow.
class RoundedButton final : public QPushButton
{
    Q_OBJECT

public:
    RoundedButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
