#include "TicketTouch.h"

#include "ticket/LineActionPanel.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketText.h"
#include "ticket/TicketView.h"

#include <QTest>

void touchArticleLine(TicketView* ticket, const QString& text)
{
    const QStringList lines = ticket->Memo1()->toPlainText().split(QLatin1Char('\n'));
    int n = 0;
    while (n < lines.size() && !(TicketText::isArticleLine(lines.at(n)) && lines.at(n).contains(text)))
        ++n;
    QVERIFY2(n < lines.size(), qPrintable(text));
    const int pitch = TicketMemo::linePitch(ticket->Memo1()->font());
    QTest::mouseClick(ticket->Memo1()->viewport(), Qt::LeftButton, {}, QPoint(20, (n + 1) * pitch + pitch / 2));
    QVERIFY(ticket->panel_annul()->isVisible());
}
