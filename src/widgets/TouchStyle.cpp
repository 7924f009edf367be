#include "TouchStyle.h"

int TouchStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const
{
    if (hint == SH_RequestSoftwareInputPanel)
        return RSIP_OnMouseClick;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
