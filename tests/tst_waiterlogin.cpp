#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "app/StartView.h"
#include "tables/TableChoice.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterLogin.h"
#include "waiters/WaiterView.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {

const QString MustClockIn = QStringLiteral("Ce serveur doit pointer avant d'utiliser la caisse");
const QString EmptyCode = QStringLiteral("Vous devez entrer votre code d'identification");
const QString WrongCode = QStringLiteral("Mauvais code!!");

// One scripted action: the bytes of a reply (one line or more), no answer at all, or the line closed.
struct Reply
{
    enum class Kind
    {
        Bytes,
        Silence,
        Close,
    };
    Kind kind = Kind::Bytes;
    QByteArray bytes;
};

Reply line(const QByteArray& text)
{
    return {Reply::Kind::Bytes, text + "\r\n"};
}
// two lines sent together, as an answer to one request
Reply lines(const QByteArray& first, const QByteArray& second)
{
    return {Reply::Kind::Bytes, first + "\r\n" + second + "\r\n"};
}
const Reply Silence{Reply::Kind::Silence, {}};
const Reply Close{Reply::Kind::Close, {}};

using Replies = QList<Reply>;

void script(ScriptedRegister& caisse, const Replies& replies)
{
    for (const Reply& reply : replies) {
        switch (reply.kind) {
        case Reply::Kind::Bytes:
            caisse.replyBytes(reply.bytes);
            break;
        case Reply::Kind::Silence:
            caisse.ignore();
            break;
        case Reply::Kind::Close:
            caisse.closeConnection();
            break;
        }
    }
}

// A started terminal on the waiter keys, as the local start leaves it, with the waiters' names loaded and
// its modal messages collected instead of shown.
struct Terminal : TerminalFixture
{
    explicit Terminal(const ScriptedRegister& caisse)
    {
        QVERIFY(activate());
        CatalogueParse::TabsAndWaiters names;
        names.serv = {"Camille", "Julien", "Sophie", "Mehdi", "Léa", "Antoine", "Inès", "Patron"};
        form->catalogue().setTabsAndWaiters(names);
        linkTo(caisse);
        qobject_cast<WaiterView*>(form->view(QStringLiteral("serveur")))->show();
        form->findChild<StartView*>()->hide();
    }

    WaiterView* serveur() const { return qobject_cast<WaiterView*>(form->view(QStringLiteral("serveur"))); }
    TableChoiceView* choixtable() const
    {
        return qobject_cast<TableChoiceView*>(form->view(QStringLiteral("choixtable")));
    }
    QString front() const { return form->frontView() ? form->frontView()->objectName() : QString(); }

    // A touch on a control, through the same path as the waiter's finger.
    static void tap(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Waiter 3 touched, the register asking for his code: the code panel is open.
    void openCodePanel(ScriptedRegister& caisse)
    {
        caisse.replyLine(QStringLiteral("code;1;"));
        tap(serveur()->waiterKey(3));
        QVERIFY(serveur()->codePanel()->isVisible());
    }

    // Waiter 3 types a wrong code and touches "Valider"; touches runs while "Mauvais code!!" is up.
    void wrongCodeWith(ScriptedRegister& caisse, const std::function<void()>& touches)
    {
        openCodePanel(caisse);
        caisse.replyLine(QStringLiteral("code1;0;"));
        onMessage = touches;
        serveur()->codePanel()->codeEdit()->setText(QStringLiteral("4827"));
        tap(serveur()->codePanel()->validateKey());
        onMessage = nullptr;
    }
};

} // namespace

class tst_WaiterLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waiterKey_data();
    void waiterKey();
    void requestCarriesThePreviousWaiter();
    void valider_data();
    void valider();
    void codeTypedDigitByDigitLogsInAtTheLastDigit();
    void wrongCodeWhileTypingIsSilent();
    void keysThatAddNoDigit_data();
    void keysThatAddNoDigit();
    void loginShowsTheFirstKeyboardTab();
    void logoutGoesBackToTheWaiterKeys();
    void linkDownReachesTheGeneralErrorDisplay_data();
    void linkDownReachesTheGeneralErrorDisplay();
    void touchWhileALoginRunsStartsNothing();
    void tableTouchWhileALoginRunsStartsNothing();
    void touchDuringTheTableChoicePaintIsDropped();
};

void tst_WaiterLogin::waiterKey_data()
{
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QString>("front");
    QTest::addColumn<bool>("codePanel");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("header");

    const QString header = QStringLiteral("Sophie Aucune Table");
    QTest::newRow("a waiter who may work lands on the table choice")
        << Replies{line("code;0;")} << "choixtable" << false << QStringList{} << header;
    QTest::newRow("any other line lets the waiter in too")
        << Replies{line("ok")} << "choixtable" << false << QStringList{} << header;
    QTest::newRow("Travail makes the waiter clock in first")
        << Replies{line("Travail")} << "serveur" << false << QStringList{MustClockIn} << QString();
    QTest::newRow("code;1; opens the code panel")
        << Replies{line("code;1;")} << "serveur" << true << QStringList{} << QString();
    QTest::newRow("an empty first line is read again")
        << Replies{lines("", "code;1;")} << "serveur" << true << QStringList{} << QString();
    QTest::newRow("no reply at all leaves the waiter keys, silently")
        << Replies{Silence} << "serveur" << false << QStringList{} << QString();
    QTest::newRow("the register closing the line counts as no reply")
        << Replies{Close} << "serveur" << false << QStringList{} << QString();
    QTest::newRow("a near miss of the code word is a plain go-ahead")
        << Replies{line("code;1")} << "choixtable" << false << QStringList{} << header;
    // transmission garbage, not a go-ahead: the waiter is never let in without his code
    QTest::newRow("code;1; with a NUL inside counts as no reply") << Replies{line(QByteArray("code;\0"
                                                                                             "1;",
                                                                                             8))}
                                                                  << "serveur" << false << QStringList{} << QString();
}

void tst_WaiterLogin::waiterKey()
{
    QFETCH(Replies, replies);
    QFETCH(QString, front);
    QFETCH(bool, codePanel);
    QFETCH(QStringList, messages);
    QFETCH(QString, header);

    ScriptedRegister caisse;
    QVERIFY(caisse.isListening());
    script(caisse, replies);
    Terminal t(caisse);
    Terminal::tap(t.serveur()->waiterKey(3));

    QCOMPARE(caisse.received(), QByteArray("code$3$\r\n"));
    QCOMPARE(t.front(), front);
    QCOMPARE(t.serveur()->codePanel()->isVisible(), codePanel);
    QCOMPARE(t.messages, messages);
    QCOMPARE(t.form->session().waiter(), QStringLiteral("3"));
    if (codePanel) {
        QVERIFY(t.serveur()->codePanel()->codeEdit()->text().isEmpty());
        QVERIFY(t.serveur()->codePanel()->codeEdit()->hasFocus());
    }
    if (!header.isEmpty()) {
        QCOMPARE(t.choixtable()->headerLabel()->text(), header);
        QCOMPARE(t.choixtable()->logoutButton()->text(), QStringLiteral("Se déconnecter du compte Sophie"));
        QVERIFY(!t.serveur()->isVisible());
        QVERIFY(!t.choixtable()->tableListPanel()->isVisible());
    }
}

void tst_WaiterLogin::requestCarriesThePreviousWaiter()
{
    ScriptedRegister caisse;
    script(caisse, {line("Travail"), line("code;1;"), line("code1;1;")});
    Terminal t(caisse);
    Terminal::tap(t.serveur()->waiterKey(5));
    Terminal::tap(t.serveur()->waiterKey(2));
    // the code is checked for the waiter whose key opened the panel
    t.serveur()->codePanel()->codeEdit()->setText(QStringLiteral("7351"));
    Terminal::tap(t.serveur()->codePanel()->validateKey());

    QCOMPARE(caisse.received(), QByteArray("code$5$\r\ncode$2$\r\ncode1$2$7351$\r\n"));
    QCOMPARE(t.choixtable()->headerLabel()->text(), QStringLiteral("Julien Aucune Table"));
}

void tst_WaiterLogin::valider_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("front");
    QTest::addColumn<bool>("codePanel");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("box");

    QTest::newRow("the right code opens the table choice")
        << "4826" << Replies{line("code1;1;")} << QByteArray("code1$3$4826$\r\n") << "choixtable" << false
        << QStringList{} << "";
    QTest::newRow("a code accepted at the second read opens the table choice")
        << "4826" << Replies{lines("", "code1;1;")} << QByteArray("code1$3$4826$\r\n") << "choixtable" << false
        << QStringList{} << "";
    QTest::newRow("a wrong code closes the panel with a message")
        << "4827" << Replies{line("code1;0;")} << QByteArray("code1$3$4827$\r\n") << "serveur" << false
        << QStringList{WrongCode} << "";
    QTest::newRow("no reply is a wrong code") << "48" << Replies{Silence} << QByteArray("code1$3$48$\r\n") << "serveur"
                                              << false << QStringList{WrongCode} << "";
    QTest::newRow("an empty box sends nothing and keeps the panel")
        << "" << Replies{} << QByteArray() << "serveur" << true << QStringList{EmptyCode} << "";
}

void tst_WaiterLogin::valider()
{
    QFETCH(QString, code);
    QFETCH(Replies, replies);
    QFETCH(QByteArray, sent);
    QFETCH(QString, front);
    QFETCH(bool, codePanel);
    QFETCH(QStringList, messages);
    QFETCH(QString, box);

    ScriptedRegister caisse;
    Terminal t(caisse);
    t.openCodePanel(caisse);
    script(caisse, replies);
    t.serveur()->codePanel()->codeEdit()->setText(code);
    Terminal::tap(t.serveur()->codePanel()->validateKey());

    QCOMPARE(caisse.received(), QByteArray("code$3$\r\n") + sent);
    QCOMPARE(t.front(), front);
    QCOMPARE(t.serveur()->codePanel()->isVisible(), codePanel);
    QCOMPARE(t.messages, messages);
    QCOMPARE(t.serveur()->codePanel()->codeEdit()->text(), box);
    if (front == QLatin1String("choixtable"))
        QCOMPARE(t.choixtable()->headerLabel()->text(), QStringLiteral("Sophie Aucune Table"));
}

void tst_WaiterLogin::codeTypedDigitByDigitLogsInAtTheLastDigit()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    t.openCodePanel(caisse);
    script(caisse, {line("code1;0;"), line("code1;0;"), line("code1;0;"), line("code1;1;")});
    QTest::keyClicks(t.serveur()->codePanel()->codeEdit(), QStringLiteral("4826"));

    QCOMPARE(caisse.received(),
             QByteArray("code$3$\r\ncode1$3$4$\r\ncode1$3$48$\r\ncode1$3$482$\r\ncode1$3$4826$\r\n"));
    QCOMPARE(t.front(), QStringLiteral("choixtable"));
    QCOMPARE(t.choixtable()->headerLabel()->text(), QStringLiteral("Sophie Aucune Table"));
    QVERIFY(!t.serveur()->codePanel()->isVisible());
    // the last digit is used up by the login: the box is left empty for the next waiter
    QCOMPARE(t.serveur()->codePanel()->codeEdit()->text(), QString());
    QCOMPARE(t.messages, QStringList{});
}

void tst_WaiterLogin::wrongCodeWhileTypingIsSilent()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    t.openCodePanel(caisse);
    // a register that does not answer a candidate is no reason to stop the waiter typing
    script(caisse, {line("code1;0;"), Silence, line("code1;0;"), line("code1;0;")});
    QTest::keyClicks(t.serveur()->codePanel()->codeEdit(), QStringLiteral("1111"));

    QCOMPARE(caisse.requests(), (QStringList{"code$3$", "code1$3$1$", "code1$3$11$", "code1$3$111$", "code1$3$1111$"}));
    QCOMPARE(t.messages, QStringList{});
    QVERIFY(t.serveur()->codePanel()->isVisible());
    QCOMPARE(t.serveur()->codePanel()->codeEdit()->text(), QStringLiteral("1111"));
}

void tst_WaiterLogin::keysThatAddNoDigit_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QString>("after");

    QTest::newRow("Backspace asks for the box as it stands")
        << "48" << int(Qt::Key_Backspace) << QStringList{"code1$3$48$"} << "4";
    QTest::newRow("Backspace in an empty box sends nothing") << "" << int(Qt::Key_Backspace) << QStringList{} << "";
    QTest::newRow("a 0, which the box refuses, is still asked for")
        << "48" << int(Qt::Key_0) << QStringList{"code1$3$480$"} << "48";
    QTest::newRow("a fifth digit is asked for and not kept")
        << "4826" << int(Qt::Key_5) << QStringList{"code1$3$48265$"} << "4826";
}

void tst_WaiterLogin::keysThatAddNoDigit()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QStringList, requests);
    QFETCH(QString, after);

    ScriptedRegister caisse;
    Terminal t(caisse);
    t.openCodePanel(caisse);
    caisse.replyLine(QStringLiteral("code1;0;"));
    t.serveur()->codePanel()->codeEdit()->setText(box);
    QTest::keyClick(t.serveur()->codePanel()->codeEdit(), Qt::Key(key));

    QCOMPARE(caisse.requests(), QStringList{"code$3$"} + requests);
    QCOMPARE(t.serveur()->codePanel()->codeEdit()->text(), after);
    QVERIFY(t.serveur()->codePanel()->isVisible());
}

void tst_WaiterLogin::loginShowsTheFirstKeyboardTab()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("code;0;"));
    Terminal t(caisse);
    QTabWidget* tabs = t.ticketView()->keyboardTabs();
    QVERIFY(tabs->count() > 3);
    tabs->setCurrentIndex(3);
    Terminal::tap(t.serveur()->waiterKey(1));
    QCOMPARE(tabs->currentIndex(), 0);
}

void tst_WaiterLogin::logoutGoesBackToTheWaiterKeys()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("code;0;"));
    Terminal t(caisse);
    Terminal::tap(t.serveur()->waiterKey(8));
    QCOMPARE(t.choixtable()->logoutButton()->text(), QStringLiteral("Se déconnecter du compte Patron"));
    t.choixtable()->logoutButton()->click();

    QCOMPARE(t.front(), QStringLiteral("serveur"));
    QVERIFY(!t.choixtable()->isVisible());
    QCOMPARE(t.form->session().waiter(), QStringLiteral("8"));
    QVERIFY(caisse.waitForRequests(1));
    QTest::qWait(50);
    QCOMPARE(caisse.requests(), QStringList{"code$8$"});
}

void tst_WaiterLogin::linkDownReachesTheGeneralErrorDisplay_data()
{
    QTest::addColumn<QString>("action"); // "key", "valider" or "digit"

    QTest::newRow("a waiter key") << "key";
    QTest::newRow("Valider") << "valider";
    QTest::newRow("a digit typed") << "digit";
}

// The register gone: the connection's error text is shown and nothing else changes.
void tst_WaiterLogin::linkDownReachesTheGeneralErrorDisplay()
{
    QFETCH(QString, action);

    ScriptedRegister gone;
    gone.stopListening();
    Terminal t(gone);
    WaiterView* serveur = t.serveur();
    if (action != QLatin1String("key")) {
        serveur->codePanel()->show();
        serveur->codePanel()->codeEdit()->setText(QStringLiteral("48"));
    }
    if (action == QLatin1String("key"))
        Terminal::tap(serveur->waiterKey(4));
    else if (action == QLatin1String("valider"))
        Terminal::tap(serveur->codePanel()->validateKey());
    else
        QTest::keyClick(serveur->codePanel()->codeEdit(), Qt::Key_2);

    QCOMPARE(t.messages, QStringList{QStringLiteral("Connexion refusée par la caisse")});
    QCOMPARE(t.front(), QStringLiteral("serveur"));
    // the waiter key's waiter does not become current when his request could not go out
    QCOMPARE(t.form->session().waiter(), QStringLiteral("1"));
    QCOMPARE(serveur->codePanel()->isVisible(), action != QLatin1String("key"));
    QVERIFY(!t.form->guard().busy());
}

void tst_WaiterLogin::touchWhileALoginRunsStartsNothing()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    // touches that reach the handlers while "Mauvais code!!" is up
    t.wrongCodeWith(caisse, [&t] {
        QVERIFY(t.form->guard().busy());
        Terminal::tap(t.serveur()->waiterKey(1));
        Terminal::tap(t.serveur()->codePanel()->validateKey());
        QTest::keyClick(t.serveur()->codePanel()->codeEdit(), Qt::Key_1);
        t.choixtable()->logoutButton()->click();
    });

    QCOMPARE(t.messages, QStringList{WrongCode});
    QTest::qWait(50);
    QCOMPARE(caisse.requests(), (QStringList{"code$3$", "code1$3$4827$"}));
    QCOMPARE(t.form->session().waiter(), QStringLiteral("3"));
    QVERIFY(!t.form->guard().busy());
}

void tst_WaiterLogin::tableTouchWhileALoginRunsStartsNothing()
{
    ScriptedRegister caisse;
    Terminal t(caisse);
    // a table handler reached while "Mauvais code!!" is up
    t.wrongCodeWith(caisse, [&t] {
        Terminal::tap(t.choixtable()->freeTablesKey());
        Q_EMIT t.form->catalogueLoad().tableButtons().tableTapped(4);
    });

    QCOMPARE(t.messages, QStringList{WrongCode});
    QTest::qWait(50);
    QCOMPARE(caisse.requests(), (QStringList{"code$3$", "code1$3$4827$"}));
    QCOMPARE(t.form->session().table(), QStringLiteral("0"));
}

void tst_WaiterLogin::touchDuringTheTableChoicePaintIsDropped()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("code;0;"));
    Terminal t(caisse);
    // a second finger on another waiter's key, already queued when the first login paints the table choice
    RedKey* other = t.serveur()->waiterKey(6);
    const QPoint centre = other->rect().center();
    QCoreApplication::postEvent(other, new QMouseEvent(QEvent::MouseButtonPress, centre, other->mapToGlobal(centre),
                                                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(other, new QMouseEvent(QEvent::MouseButtonRelease, centre, other->mapToGlobal(centre),
                                                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    t.form->waiterLogin().chooseWaiter(2);
    QCoreApplication::processEvents();

    QCOMPARE(t.front(), QStringLiteral("choixtable"));
    QCOMPARE(t.choixtable()->headerLabel()->text(), QStringLiteral("Julien Aucune Table"));
    QTest::qWait(50);
    QCOMPARE(caisse.requests(), QStringList{"code$2$"});
    QCOMPARE(t.form->session().waiter(), QStringLiteral("2"));
}

QTEST_MAIN(tst_WaiterLogin)
#include "tst_waiterlogin.moc"
