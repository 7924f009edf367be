#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/MainWindow.h"
#include "closing/MessageView.h"
#include "closing/PaymentView.h"
#include "tables/TableChoiceView.h"
#include "ticket/LineActionPanel.h"
#include "ticket/TicketView.h"
#include "widgets/RedKey.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString Ticket = QStringLiteral("Table 12~1  Cafe   2,50~TOTAL  2,50");

// A window on the ticket of table 12, 4 covers, waiter 2, linked to a scripted register.
struct Terminal : TerminalFixture
{
    explicit Terminal(const ScriptedRegister& caisse, const QSize& size = QSize(403, 651))
    {
        form->resize(size);
        QVERIFY(activate());
        linkTo(caisse);
        openTicketOfTable12();
        ticket()->showTicket(Ticket);
    }

    TicketView* ticket() const { return ticketView(); }
    // made now when the flow has not opened them yet
    PaymentView* encaissement() const { return qobject_cast<PaymentView*>(form->view(QStringLiteral("encaissement"))); }
    MessageView* messagesView() const { return qobject_cast<MessageView*>(form->view(QStringLiteral("messages"))); }
    QLabel* notice() const { return form->findChild<QLabel*>(QStringLiteral("Textmess")); }
};

// What the transient notice showed while a handler ran, and over which control.
struct NoticeWatch
{
    QString seen;
    QRect where;
    QTimer timer;

    explicit NoticeWatch(const Terminal& terminal)
    {
        timer.setInterval(50);
        QObject::connect(&timer, &QTimer::timeout, [this, &terminal] {
            if (terminal.notice()->isVisible()) {
                seen = terminal.notice()->text();
                where = terminal.notice()->geometry();
            }
        });
        timer.start();
    }
};

} // namespace

class tst_Closing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void finalise_data();
    void finalise();
    void finaliseAndProformaWaitForTheTicketScreen();
    void finaliseWithTheRegisterOutOfReachShowsNoCurtain();
    void payment_data();
    void payment();
    void proforma_data();
    void proforma();
    void messageViewIsLaidOutForTheWindow_data();
    void messageViewIsLaidOutForTheWindow();
    void message_data();
    void message();
    void messageCancelledSendsNothingAndKeepsTheText();
};

void tst_Closing::finalise_data()
{
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<bool>("payment");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QSize>("window");

    const QSize tablet(403, 651);
    QTest::newRow("the amount to pay beside the ticket") << QStringList{"2,50 EUR"} << true << "A régler: 2,50 EUR"
                                                         << "" << QStringList{} << tablet;
    QTest::newRow("an empty first reply is read again")
        << QStringList{"\r\n2;,50 EUR TTC"} << true << "A régler: 2,50 EUR"
        << "" << QStringList{} << tablet;
    QTest::newRow("a table finalised already stays on its ticket")
        << QStringList{"total;0;"} << false << ""
        << "Impossible\nCette table  est déjà finalisée" << QStringList{} << tablet;
    // the notice is 91 high whatever the window: its text keeps its size
    QTest::newRow("a table finalised already, on a larger window, gets the same notice")
        << QStringList{"total;0;"} << false << ""
        << "Impossible\nCette table  est déjà finalisée" << QStringList{} << QSize(800, 1280);
    QTest::newRow("a silent register opens the payment with an empty band")
        << QStringList{ScriptedRegister::Silent} << true << ""
        << "" << QStringList{} << tablet;
    QTest::newRow("a lost connection leaves the waiter on his ticket, told why")
        << QStringList{ScriptedRegister::Dropped} << false << ""
        << "" << QStringList{QStringLiteral("Connexion fermée par la caisse")} << tablet;
}

void tst_Closing::finalise()
{
    QFETCH(QStringList, replies);
    QFETCH(bool, payment);
    QFETCH(QString, amount);
    QFETCH(QString, notice);
    QFETCH(QStringList, messages);
    QFETCH(QSize, window);

    ScriptedRegister caisse;
    if (replies.first().startsWith(QLatin1String("\r\n")))
        caisse.replyBytes(replies.first().toLatin1() + "\r\n");
    else
        caisse.script(replies);
    Terminal terminal(caisse, window);
    terminal.ticket()->lineActionPanel()->show();
    NoticeWatch watch(terminal);

    QTest::mouseClick(terminal.ticket()->finaliseKey(), Qt::LeftButton);
    QCOMPARE(caisse.received(), QByteArray("ntotal$12$4$2$\r\n"));
    QVERIFY(!terminal.ticket()->curtain()->isVisible());
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QCOMPARE(watch.seen, notice);
    if (!notice.isEmpty()) {
        QCOMPARE(watch.where.center().y(), terminal.ticket()->ticketMemo()->geometry().center().y());
        QCOMPARE(watch.where.height(), 91);
    }
    if (payment) {
        QCOMPARE(terminal.form->frontView(), terminal.encaissement());
        QCOMPARE(terminal.encaissement()->billMemo()->toPlainText(), terminal.ticket()->ticketMemo()->toPlainText());
        QCOMPARE(terminal.encaissement()->amountLabel()->text(), amount);
    } else {
        QCOMPARE(terminal.form->frontView(), terminal.ticket());
        QVERIFY(!terminal.encaissement()->isVisible());
    }
    QCOMPARE(terminal.messages, messages);
}

void tst_Closing::finaliseAndProformaWaitForTheTicketScreen()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.ticket()->hide();
    Q_EMIT terminal.ticket()->finaliseKey()->clicked();
    Q_EMIT terminal.ticket()->proformaKey()->clicked();
    QCOMPARE(caisse.connectionCount(), 0);
    QVERIFY(!terminal.encaissement()->isVisible());
}

void tst_Closing::finaliseWithTheRegisterOutOfReachShowsNoCurtain()
{
    ScriptedRegister caisse;
    caisse.stopListening();
    Terminal terminal(caisse);
    terminal.ticket()->lineActionPanel()->show();
    int curtainShown = 0;
    struct ShowCount : QObject
    {
        int& count;
        explicit ShowCount(int& counter) : count(counter) {}
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                ++count;
            return QObject::eventFilter(watched, event);
        }
    } watch(curtainShown);
    terminal.ticket()->curtain()->installEventFilter(&watch);

    QTest::mouseClick(terminal.ticket()->finaliseKey(), Qt::LeftButton);

    QCOMPARE(curtainShown, 0);
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QCOMPARE(terminal.messages, QStringList{});
}

void tst_Closing::payment_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reply"); // Silent, Dropped, or none: the register is out of reach
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("reads"); // when the register stays silent

    const QString silent = ScriptedRegister::Silent;
    QTest::newRow("cb") << "cb" << silent << QByteArray("cb$12$4$2$\r\n") << 1;
    QTest::newRow("ch") << "ch" << silent << QByteArray("ch$12$4$2$\r\n") << 1;
    QTest::newRow("ba reads twice") << "ba" << silent << QByteArray("ba$12$4$2$\r\n") << 2;
    QTest::newRow("es reads twice") << "es" << silent << QByteArray("es$12$4$2$\r\n") << 2;
    QTest::newRow("cb with the link dropped") << "cb" << ScriptedRegister::Dropped << QByteArray("cb$12$4$2$\r\n") << 0;
    QTest::newRow("es with the register out of reach") << "es" << QString() << QByteArray() << 0;
}

void tst_Closing::payment()
{
    QFETCH(QString, key);
    QFETCH(QString, reply);
    QFETCH(QByteArray, sent);
    QFETCH(int, reads);

    ScriptedRegister caisse;
    caisse.script({"2,50 EUR"});
    if (!reply.isEmpty())
        caisse.script({reply});
    Terminal terminal(caisse);
    QTest::mouseClick(terminal.ticket()->finaliseKey(), Qt::LeftButton);
    QCOMPARE(terminal.form->frontView(), terminal.encaissement());
    if (reply.isEmpty()) {
        terminal.form->link().disconnect();
        caisse.stopListening();
    }

    QElapsedTimer elapsed;
    elapsed.start();
    QTest::mouseClick(terminal.encaissement()->findChild<RedKey*>(key), Qt::LeftButton);
    if (reads > 0)
        QVERIFY(elapsed.elapsed() >= 100 + reads * RegisterLink::ReadTimeoutMs);
    QCOMPARE(caisse.received(), "ntotal$12$4$2$\r\n" + sent);
    QCOMPARE(terminal.messages, QStringList{});
    // whatever the register made of it, the waiter is back on the table choice
    QCOMPARE(terminal.form->frontView(), terminal.form->view(QStringLiteral("choixtable")));
    QVERIFY(!terminal.ticket()->isVisible());
    QVERIFY(!terminal.encaissement()->isVisible());
    QCOMPARE(terminal.form->session().table(), QStringLiteral("12"));
}

void tst_Closing::proforma_data()
{
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<QString>("notice");

    QTest::newRow("the register prints it") << QStringList{"OK"} << "";
    QTest::newRow("no ticket") << QStringList{"NOAN"} << "Impossible\nAucun ticket en cours";
    QTest::newRow("no ticket, once the semicolons are dropped")
        << QStringList{"NO;AN;"} << "Impossible\nAucun ticket en cours";
    QTest::newRow("a silent register shows nothing") << QStringList{ScriptedRegister::Silent} << "";
    QTest::newRow("a lost connection shows nothing") << QStringList{ScriptedRegister::Dropped} << "";
}

void tst_Closing::proforma()
{
    QFETCH(QStringList, replies);
    QFETCH(QString, notice);

    ScriptedRegister caisse;
    caisse.script(replies);
    Terminal terminal(caisse);
    terminal.ticket()->lineActionPanel()->show();
    NoticeWatch watch(terminal);

    QTest::mouseClick(terminal.ticket()->proformaKey(), Qt::LeftButton);
    QCOMPARE(caisse.received(), QByteArray("AN$12$4$2$\r\n"));
    QCOMPARE(watch.seen, notice);
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QCOMPARE(terminal.messages, QStringList{});
}

void tst_Closing::messageViewIsLaidOutForTheWindow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("design size") << QSize(403, 651);
    QTest::newRow("tablet") << QSize(800, 1280);
}

void tst_Closing::messageViewIsLaidOutForTheWindow()
{
    QFETCH(QSize, window);

    ScriptedRegister caisse;
    Terminal terminal(caisse, window);
    QCOMPARE(terminal.form->size(), window);
    MessageView* messages = terminal.messagesView();
    messages->messageEdit()->setText(QStringLiteral("texte d'avant"));
    // the box keeps the top and the height it has on the screen
    const QRect edit = messages->scaledBox(QRectF(3.8, 130.4, 384.9, 32));
    terminal.ticket()->lineActionPanel()->show();

    QTest::mouseClick(terminal.ticket()->registerMessageKey(), Qt::LeftButton);
    QCOMPARE(terminal.form->frontView(), messages);
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QCOMPARE(messages->messageEdit()->text(), QString());
    QCOMPARE(messages->focusWidget(), messages->messageEdit());

    const qreal w = window.width();
    const qreal h = window.height();
    QCOMPARE(messages->messageEdit()->geometry(), QRect(5, edit.y(), window.width() - 10, edit.height()));
    QCOMPARE(messages->toRegisterScreenKey()->geometry(), QRectF(w * 0.05, h * 0.4, w * 0.4, h * 0.1).toRect());
    QCOMPARE(messages->toKitchenPrintersKey()->geometry(), QRectF(w * 0.55, h * 0.4, w * 0.4, h * 0.1).toRect());
    QCOMPARE(messages->cancelButton()->geometry().topLeft(), QPointF(w * 0.6, 0).toPoint());
    QCOMPARE(messages->cancelButton()->width(), qRound(w * 0.4));
    QCOMPARE(caisse.connectionCount(), 0);
}

void tst_Closing::message_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("left"); // in the box afterwards

    QTest::newRow("to the register's screen")
        << "cornerbutton2"
        << "Client au bar" << QStringList{"OK"} << QByteArray("adc$12$4$2$Client au bar$\r\n") << "";
    QTest::newRow("to the preparation printers, a $ as typed")
        << "cornerbutton3"
        << "10$ pour la 5" << QStringList{"OK"} << QByteArray("adi$12$4$2$10$ pour la 5$\r\n") << "";
    QTest::newRow("accents go out as ?") << "cornerbutton3"
                                         << "Crème brûlée" << QStringList{"\r\nOK"}
                                         << QByteArray("adi$12$4$2$Cr?me br?l?e$\r\n") << "";
    QTest::newRow("an empty box is sent too") << "cornerbutton2"
                                              << "" << QStringList{"OK"} << QByteArray("adc$12$4$2$$\r\n") << "";
    QTest::newRow("a silent register had the text")
        << "cornerbutton2"
        << "Vite" << QStringList{ScriptedRegister::Silent} << QByteArray("adc$12$4$2$Vite$\r\n") << "";
}

void tst_Closing::message()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QStringList, replies);
    QFETCH(QByteArray, sent);
    QFETCH(QString, left);

    ScriptedRegister caisse;
    if (replies.first().startsWith(QLatin1String("\r\n")))
        caisse.replyBytes(replies.first().toLatin1() + "\r\n");
    else
        caisse.script(replies);
    Terminal terminal(caisse);
    QTest::mouseClick(terminal.ticket()->registerMessageKey(), Qt::LeftButton);
    // typed on the device's keyboard, accents included
    terminal.messagesView()->messageEdit()->insert(text);

    QTest::mouseClick(terminal.messagesView()->findChild<RedKey*>(key), Qt::LeftButton);
    QCOMPARE(caisse.received(), sent);
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QVERIFY(!terminal.messagesView()->isVisible());
    QCOMPARE(terminal.messagesView()->messageEdit()->text(), left);
}

void tst_Closing::messageCancelledSendsNothingAndKeepsTheText()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    QTest::mouseClick(terminal.ticket()->registerMessageKey(), Qt::LeftButton);
    QTest::keyClicks(terminal.messagesView()->messageEdit(), QStringLiteral("Vite"));
    QTest::mouseClick(terminal.messagesView()->cancelButton(), Qt::LeftButton);
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QCOMPARE(terminal.messagesView()->messageEdit()->text(), QStringLiteral("Vite"));

    // a register that cannot be reached keeps the text too
    caisse.stopListening();
    QTest::mouseClick(terminal.ticket()->registerMessageKey(), Qt::LeftButton);
    QCOMPARE(terminal.messagesView()->messageEdit()->text(), QString());
    QTest::keyClicks(terminal.messagesView()->messageEdit(), QStringLiteral("Encore"));
    QTest::mouseClick(terminal.messagesView()->toKitchenPrintersKey(), Qt::LeftButton);
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QCOMPARE(terminal.messagesView()->messageEdit()->text(), QStringLiteral("Encore"));
    QCOMPARE(caisse.received(), QByteArray());
}

QTEST_MAIN(tst_Closing)
#include "tst_closing.moc"
