#include "TicketMemo.h"

#include "widgets/Palette.h"
#include "widgets/Touch.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

TicketMemo::TicketMemo(const QString& name, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(0);
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

int TicketMemo::linePitch(const QFont& font)
{
    const int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return qMax(1, size);
}

int TicketMemo::scrolledLines() const
{
    // without wrapping a block is one line, and the scroll bar counts blocks
    return verticalScrollBar()->value();
}

void TicketMemo::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    // the font size is set from the window's width at start: a new font must not lose the capitals
    if (event->type() == QEvent::FontChange)
        keepCapitals();
}

void TicketMemo::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const int pitch = linePitch(font());
    const QFontMetrics metrics(font());
    // the glyphs sit in the middle of their band, which may be lower than the face's own line spacing
    const int baseline = (pitch + metrics.ascent() - metrics.descent()) / 2;
    const int x = -horizontalScrollBar()->value();
    QTextBlock block = document()->findBlockByNumber(scrolledLines());
    for (int top = pitch; block.isValid() && top < viewport()->height(); top += pitch, block = block.next())
        painter.drawText(QPoint(x, top + baseline), block.text());
}

void TicketMemo::scrollContentsBy(int dx, int dy)
{
    QPlainTextEdit::scrollContentsBy(dx, dy);
    // the base class moves the pixels by its own line spacing, not by the pitch drawn here
    viewport()->update();
}

void TicketMemo::keepCapitals()
{
    if (font().capitalization() == QFont::AllUppercase)
        return;
    QFont capitals = font();
    capitals.setCapitalization(QFont::AllUppercase);
    setFont(capitals);
}
