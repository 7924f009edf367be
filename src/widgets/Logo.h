#pragma once

#include <QWidget>

// The terminal's logo, drawn rather than shipped so it stays sharp at any size: an order pad and a fork.
class Logo final : public QWidget
{
    Q_OBJECT

public:
    explicit Logo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
