#include "TicketTouch.h"

#include "ticket/LineActionPanel.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketText.h"
#include "ticket/TicketView.h"

#include <QTest>

void touchArticleLine(TicketView* ticket, const QString& text)
{
    const QStringList lines = ticket->ticketMemo()->toPlainText().split(QLatin1Char('\n'));
    int n = 0;
    while (n < lines.size() && !(TicketText::isArticleLine(lines.at(n)) && lines.at(n).contains(text)))
        ++n;
    QVERIFY2(n < lines.size(), qPrintable(text));
    const int pitch = TicketMemo::linePitch(ticket->ticketMemo()->font());
    QTest::mouseClick(ticket->ticketMemo()->viewport(), Qt::LeftButton, {}, QPoint(20, (n + 1) * pitch + pitch / 2));
    QVERIFY(ticket->lineActionPanel()->isVisible());
}
