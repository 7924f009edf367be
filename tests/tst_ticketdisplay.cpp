#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/MainWindow.h"
#include "app/StartView.h"
#include "ticket/LineActionPanel.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketText.h"
#include "ticket/TicketView.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// Article, comment, article of ten, article, zero line, blank, total.
const QString Ticket =
    QStringLiteral("2 CAFE   3,00\n sans sucre\n10 EAU   15,00\n1 TARTE  4,50\n0 OFFERT\n\nTOTAL 22,50");

// A window on a settings folder of its own, started on the ticket, its modal messages collected.
struct Terminal : TerminalFixture
{
    explicit Terminal(const QSize& size = QSize(MainWindow::DesignWidth, MainWindow::DesignHeight))
    {
        form->resize(size);
        QVERIFY(activate());
        form->session().setTable(QStringLiteral("12"));
        form->session().setCovers(QStringLiteral("4"));
        form->session().setWaiter(2);
        form->findChild<StartView*>()->hide();
        ticketView()->show();
    }

    TicketView* ticket() const { return ticketView(); }
    TicketDisplay& display() const { return form->ticketDisplay(); }
    LineActionPanel* panel() const { return ticketView()->lineActionPanel(); }
};

// The middle of the band a touch divides into line n.
int middleOfLine(const MainWindow& form, int n)
{
    const int size = form.findChild<TicketView*>()->ticketMemo()->font().pixelSize();
    return n * size + size / 2;
}

} // namespace

class tst_TicketDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversion_data();
    void conversion();
    void articleLines_data();
    void articleLines();
    void refreshSendsTheTicketRequestAndDropsTheTrailingLine();
    void refreshWaitsOutASingleLineRegister();
    void refreshWithoutRegisterKeepsTheTicket();
    void actualiseTicketRefreshesAndClosesThePanel();
    void touchPicksTheLineUnderTheFinger_data();
    void touchPicksTheLineUnderTheFinger();
    void touchOnAScrolledTicketCountsTheHiddenLines_data();
    void touchOnAScrolledTicketCountsTheHiddenLines();
    void stepping_data();
    void stepping();
    void noteIsHiddenByTimer1();
};

void tst_TicketDisplay::conversion_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("shown");

    QTest::newRow("each tilde breaks the line") << "1 Café~2 Eau"
                                                << "1 Café\n2 Eau";
    QTest::newRow("two tildes leave an empty line") << "1 A~2 B~~TOTAL"
                                                    << "1 A\n2 B\n\nTOTAL";
    QTest::newRow("semicolons are not shown") << "1;A;~;2 B;"
                                              << "1A\n2 B";
    QTest::newRow("trailing breaks and blanks are trimmed") << "  1 A~2 B~~ \t"
                                                            << "1 A\n2 B";
    QTest::newRow("control characters at the ends are trimmed") << "\x01\x1f"
                                                                   "1 A\x7f"
                                                                << "1 A";
    QTest::newRow("blanks inside a line stay") << "1 A    3,00~ comment"
                                               << "1 A    3,00\n comment";
    QTest::newRow("an empty reply empties the ticket") << ""
                                                       << "";
    QTest::newRow("a reply of breaks only is empty") << "~~;~"
                                                     << "";
}

void tst_TicketDisplay::conversion()
{
    QFETCH(QString, reply);
    QFETCH(QString, shown);
    QCOMPARE(TicketText::fromReply(reply), shown);
}

void tst_TicketDisplay::articleLines_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("linenumber"); // 0: the line cannot be picked

    QTest::newRow("the first article is 1") << 1 << 1;
    QTest::newRow("a comment line is not an article") << 2 << 0;
    QTest::newRow("a quantity of 10 is an article, the comment does not count") << 3 << 2;
    QTest::newRow("the next article keeps its rank") << 4 << 3;
    QTest::newRow("a line starting with 0 is not an article") << 5 << 0;
    QTest::newRow("an empty line is not an article") << 6 << 0;
    QTest::newRow("a total line is not an article") << 7 << 0;
    QTest::newRow("below the last line nothing is picked") << 8 << 0;
    QTest::newRow("line 0 is the top band") << 0 << 0;
    QTest::newRow("a negative line is nothing") << -3 << 0;
}

void tst_TicketDisplay::articleLines()
{
    QFETCH(int, n);
    QFETCH(int, linenumber);
    const std::optional<TicketText::PickedLine> picked = TicketText::pickLine(Ticket.split(QLatin1Char('\n')), n);
    QCOMPARE(picked ? picked->linenumber : 0, linenumber);
    if (picked)
        QCOMPARE(picked->text, Ticket.split(QLatin1Char('\n')).at(n - 1));
}

void tst_TicketDisplay::refreshSendsTheTicketRequestAndDropsTheTrailingLine()
{
    ScriptedRegister caisse;
    // a tab is the register's text like any other character
    caisse.replyBytes("1 Caf\xe9;~2 Eau\t3,00~~TOTAL\r\nfin du ticket\r\n");
    caisse.replyLine(QStringLiteral("1 Tarte"));
    Terminal terminal;
    terminal.linkTo(caisse);

    terminal.display().refresh();
    QCOMPARE(caisse.received(), QByteArray("ad$12$4$2$\r\n"));
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), QStringLiteral("1 Caf\uFFFD\n2 Eau\t3,00\n\nTOTAL"));

    // the trailing line was taken by the refresh: the next request gets its own reply
    terminal.form->session().setTable(QStringLiteral("0"));
    terminal.display().refresh();
    QCOMPARE(caisse.received(), QByteArray("ad$12$4$2$\r\nad$0$4$2$\r\n"));
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), QStringLiteral("1 Tarte"));
    QVERIFY(terminal.messages.isEmpty());
}

void tst_TicketDisplay::refreshWaitsOutASingleLineRegister()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 A~2 B"));
    Terminal terminal;
    terminal.linkTo(caisse);

    QElapsedTimer elapsed;
    elapsed.start();
    terminal.display().refresh();
    // the pause, then one read timeout for the line that never comes
    QVERIFY(elapsed.elapsed() >= 100 + RegisterLink::ReadTimeoutMs);
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), QStringLiteral("1 A\n2 B"));
}

void tst_TicketDisplay::refreshWithoutRegisterKeepsTheTicket()
{
    ScriptedRegister gone;
    gone.stopListening();
    Terminal terminal;
    terminal.linkTo(gone);
    terminal.ticket()->ticketMemo()->setPlainText(Ticket);
    terminal.display().refresh();
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), Ticket);
    QVERIFY(terminal.messages.isEmpty());
}

void tst_TicketDisplay::actualiseTicketRefreshesAndClosesThePanel()
{
    ScriptedRegister caisse;
    caisse.replyBytes("\r\n1 A\r\n\r\n");
    Terminal terminal;
    terminal.linkTo(caisse);
    terminal.panel()->show();
    terminal.ticket()->hide();

    // "actualise ticket"; an empty first reply is read again
    Q_EMIT terminal.ticket()->refreshKey()->clicked();
    QCOMPARE(caisse.received(), QByteArray("ad$12$4$2$\r\n"));
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), QStringLiteral("1 A"));
    QVERIFY(terminal.ticket()->isVisible());
    QVERIFY(!terminal.panel()->isVisible());
}

void tst_TicketDisplay::touchPicksTheLineUnderTheFinger_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("label17"); // empty: the panel stays closed
    QTest::addColumn<int>("linenumber");

    const QSize design(403, 651);
    const QSize twice(806, 1302);
    for (const QSize& size : {design, twice}) {
        const QByteArray at = size == design ? " at 403 x 651" : " at 806 x 1302";
        QTest::newRow("the first line is picked as article 1" + at) << size << 1 << "2 CAFE   3,00" << 1;
        QTest::newRow("the article after the comment is article 2" + at) << size << 3 << "10 EAU   15,00" << 2;
        QTest::newRow("the fourth line is article 3" + at) << size << 4 << "1 TARTE  4,50" << 3;
        QTest::newRow("the comment line picks nothing" + at) << size << 2 << "" << 0;
        QTest::newRow("the total line picks nothing" + at) << size << 7 << "" << 0;
        QTest::newRow("below the ticket picks nothing" + at) << size << 9 << "" << 0;
        QTest::newRow("the top band picks nothing" + at) << size << 0 << "" << 0;
    }
}

void tst_TicketDisplay::touchPicksTheLineUnderTheFinger()
{
    QFETCH(QSize, window);
    QFETCH(int, n);
    QFETCH(QString, label17);
    QFETCH(int, linenumber);

    Terminal terminal(window);
    QCOMPARE(terminal.ticket()->ticketMemo()->font().pixelSize(), window.width() / 35);
    terminal.ticket()->showTicket(QString(Ticket).replace(QLatin1Char('\n'), QLatin1Char('~')));
    QPlainTextEdit* memo = terminal.ticket()->ticketMemo();
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(memo->width() / 2, middleOfLine(*terminal.form, n)));

    QCOMPARE(terminal.panel()->isVisible(), !label17.isEmpty());
    if (label17.isEmpty())
        return;
    QCOMPARE(terminal.panel()->lineLabel()->text(), label17);
    QCOMPARE(terminal.display().linenumber(), linenumber);

    // the line picked is the line drawn in that band: the same band of a memo holding that line alone
    const int size = memo->font().pixelSize();
    QStringList alone(n - 1, QString());
    alone.append(label17);
    TicketMemo reference(QStringLiteral("reference"));
    reference.setFont(memo->font());
    reference.resize(memo->size());
    reference.setPlainText(alone.join(QLatin1Char('\n')));
    reference.show();
    const QRect band(0, n * size, memo->viewport()->width(), size);
    const QImage drawn = memo->viewport()->grab(band).toImage();
    QCOMPARE(drawn, reference.viewport()->grab(band).toImage());
    QVERIFY(drawn != memo->viewport()->grab(band.translated(0, -n * size)).toImage());
}

void tst_TicketDisplay::touchOnAScrolledTicketCountsTheHiddenLines_data()
{
    QTest::addColumn<int>("n");           // the band touched
    QTest::addColumn<QString>("label17"); // empty: the panel stays closed
    QTest::addColumn<int>("linenumber");

    QTest::newRow("the first band shows the sixth line") << 1 << "1 ARTICLE 6" << 6;
    QTest::newRow("the third band shows the eighth line") << 3 << "1 ARTICLE 8" << 8;
    QTest::newRow("the top band picks nothing, not the line scrolled out above it") << 0 << "" << 0;
}

void tst_TicketDisplay::touchOnAScrolledTicketCountsTheHiddenLines()
{
    QFETCH(int, n);
    QFETCH(QString, label17);
    QFETCH(int, linenumber);
    Terminal terminal;
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines.append(QStringLiteral("1 ARTICLE %1").arg(i));
    terminal.ticket()->showTicket(lines.join(QLatin1Char('~')));
    QPlainTextEdit* memo = terminal.ticket()->ticketMemo();
    memo->verticalScrollBar()->setValue(5);
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(10, middleOfLine(*terminal.form, n)));
    QCOMPARE(terminal.panel()->isVisible(), !label17.isEmpty());
    if (label17.isEmpty())
        return;
    QCOMPARE(terminal.panel()->lineLabel()->text(), label17);
    QCOMPARE(terminal.display().linenumber(), linenumber);
}

void tst_TicketDisplay::stepping_data()
{
    QTest::addColumn<int>("touched");     // line touched first
    QTest::addColumn<QString>("steps");   // p: Précédent, s: Suivant
    QTest::addColumn<QString>("label17"); // empty: the panel is closed
    QTest::addColumn<int>("linenumber");

    QTest::newRow("Suivant skips nothing: onto the comment it closes") << 1 << "s"
                                                                       << "" << 1;
    QTest::newRow("Suivant twice from line 1 reaches the article of ten") << 1 << "ss"
                                                                          << "10 EAU   15,00" << 2;
    QTest::newRow("Précédent from the first line closes") << 1 << "p"
                                                          << "" << 1;
    QTest::newRow("Suivant from the last article onto a zero line closes") << 4 << "s"
                                                                           << "" << 3;
    QTest::newRow("Précédent from line 4 picks line 3") << 4 << "p"
                                                        << "10 EAU   15,00" << 2;
    QTest::newRow("past the end and back: the position kept counting") << 4 << "sssssspppppp"
                                                                       << "1 TARTE  4,50" << 3;
}

void tst_TicketDisplay::stepping()
{
    QFETCH(int, touched);
    QFETCH(QString, steps);
    QFETCH(QString, label17);
    QFETCH(int, linenumber);

    Terminal terminal;
    terminal.ticket()->showTicket(QString(Ticket).replace(QLatin1Char('\n'), QLatin1Char('~')));
    terminal.display().pickLineAt(middleOfLine(*terminal.form, touched));
    QVERIFY(terminal.panel()->isVisible());
    for (QChar step : steps)
        (step == QLatin1Char('p') ? terminal.panel()->previousLineButton() : terminal.panel()->nextLineButton())
            ->click();
    QCOMPARE(terminal.panel()->isVisible(), !label17.isEmpty());
    if (!label17.isEmpty())
        QCOMPARE(terminal.panel()->lineLabel()->text(), label17);
    QCOMPARE(terminal.display().linenumber(), linenumber);
}

void tst_TicketDisplay::noteIsHiddenByTimer1()
{
    Terminal terminal;
    terminal.ticket()->showNote(QStringLiteral("Envoyé.."));
    QLineEdit* memoart = terminal.ticket()->noteLine();
    QVERIFY(memoart->isVisible());
    QCOMPARE(memoart->text(), QStringLiteral("Envoyé.."));
    QVERIFY(QTest::qWaitFor([memoart] { return !memoart->isVisible(); }, 2000));
    QVERIFY(!terminal.form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

QTEST_MAIN(tst_TicketDisplay)
#include "tst_ticketdisplay.moc"
