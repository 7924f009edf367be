#include "MessagesView.h"

#include "app/Palette.h"

MessagesView::MessagesView(QWidget* parent) : DesignView(QStringLiteral("messages"), QSizeF(403, 651), parent)
{
    setBackground(Palette::Background);
}
