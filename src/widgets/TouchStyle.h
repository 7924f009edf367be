#pragma once

#include <QProxyStyle>

// The platform's look, with what a touch screen needs: a tap on a text box brings up the on-screen keyboard at
// once, not only at the second tap as with a mouse.
class TouchStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
