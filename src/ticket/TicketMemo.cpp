#include "TicketMemo.h"

#include "app/Palette.h"
#include "app/Touch.h"

#include <QEvent>

TicketMemo::TicketMemo(const QString& name, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    // one ticket line is one screen line: a touch picks a line by its height
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Palette::Background);
    palette.setColor(QPalette::Text, Palette::Caption);
    setPalette(palette);
    enableTouchPanning(this);
    keepCapitals();
}

void TicketMemo::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    // the font size is set from the window's width at start: a new font must not lose the capitals
    if (event->type() == QEvent::FontChange)
        keepCapitals();
}

void TicketMemo::keepCapitals()
{
    if (font().capitalization() == QFont::AllUppercase)
        return;
    QFont capitals = font();
    capitals.setCapitalization(QFont::AllUppercase);
    setFont(capitals);
}
