#pragma once

#include <QTabWidget>

// A tab control whose tabs all have one size, whatever their captions.
class FixedSizeTabs final : public QTabWidget
{
public:
    explicit FixedSizeTabs(const QSize& tabSize, QWidget* parent = nullptr);
};
