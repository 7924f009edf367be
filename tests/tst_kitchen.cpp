#include "ListTouch.h"
#include "RequestsAtBirth.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "link/RegisterLink.h"
#include "session/Session.h"
#include "tables/TableChoiceView.h"
#include "ticket/KitchenDispatchPanel.h"
#include "ticket/KitchenMessages.h"
#include "ticket/LineActionPanel.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "widgets/CheckList.h"
#include "widgets/HandlerGuard.h"
#include "widgets/ListPanel.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using namespace ListTouch;

// A window on the ticket of table 12, 4 covers, waiter 2, linked to a scripted register.
struct Terminal : TerminalFixture
{
    explicit Terminal(const ScriptedRegister& caisse)
    {
        QVERIFY(activate());
        linkTo(caisse);
        openTicketOfTable12();
    }

    TicketView* ticket() const { return ticketView(); }
    KitchenDispatchPanel* dispatchPanel() const
    {
        return qobject_cast<ParkingView*>(form->view(QStringLiteral("poubelle")))->dispatchPanel();
    }
    bool noteShown() const { return ticket()->noteLine()->isVisible(); }

    // the dispatch keys the waiter can see
    QStringList offeredKeys() const
    {
        QStringList keys;
        for (RedKey* key : dispatchPanel()->findChildren<RedKey*>()) {
            if (key->isVisibleTo(dispatchPanel()))
                keys.append(key->objectName());
        }
        keys.sort();
        return keys;
    }
};

// The kitchen list on a ticket screen of its own, where a test decides whether the register answers "Demande
// Suite"; its link goes to the scripted register. Article 200 is a steak, 150 a confit.
struct KitchenList
{
    explicit KitchenList(const ScriptedRegister& caisse)
    {
        link.setHost(caisse.address());
        link.setPort(caisse.port());
        session.setTable(QStringLiteral("12"));
        session.setCovers(QStringLiteral("4"));
        session.setWaiter(2);
        session.setCourse(4);
        Product steak;
        steak.art = 200;
        steak.textecuis = QStringLiteral("ENTRECOTE");
        Product confit;
        confit.art = 150;
        confit.textecuis = QStringLiteral("CONFIT");
        products.setProduct(0, steak);
        products.setProduct(1, confit);
        catalogue.indexArticles(products);
        CatalogueParse::KitchenLists lists;
        lists.rappel =
            QStringList{QStringLiteral("Client pressé"), QStringLiteral("Vite"), QStringLiteral("Suite"), QString()};
        catalogue.setKitchenLists(lists);
        MessageBox::setHandler([this](const QString& text) { messages.append(text); });
        view.resize(403, 651);
        ticket.get();
        view.show();
    }
    ~KitchenList() { MessageBox::setHandler({}); }

    CheckList* list() const { return view.recallList(); }

    RegisterLink link;
    Session session;
    Catalogue catalogue;
    ProductTable products;
    HandlerGuard guard{nullptr, link};
    TicketView view;
    ViewSlot<TicketView> ticket{[this] { return &view; }};
    bool nextCourseSupported = true;
    KitchenMessages kitchen{link, session, catalogue, products, guard, ticket, [this] { return nextCourseSupported; }};
    QStringList messages;
};

} // namespace

class tst_Kitchen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sendToKitchen_data();
    void sendToKitchen();
    void aLineLeftOverByTheRegisterIsNotTakenForTheCourses();
    void courseKeySendsItsCourseAndClosesThePanel_data();
    void courseKeySendsItsCourseAndClosesThePanel();
    void retourMenuSendsEverythingAndLeavesForTheTableChoice_data();
    void retourMenuSendsEverythingAndLeavesForTheTableChoice();
    void recallListShowsAllButTheLastMessageAndSendsTheTicked();
    void nextCourseListClaimsTheTickedDishesInTheRegistersOrder();
    void nextCourseMessages_data();
    void nextCourseMessages();
};

void tst_Kitchen::sendToKitchen_data()
{
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("keys"); // empty: the panel stays closed
    QTest::addColumn<bool>("note");
    QTest::addColumn<QStringList>("messages");

    const QByteArray ask = "demanderang$12$4$2$\r\n";
    const QByteArray all = "ec$12$4$2$0$\r\n";
    QTest::newRow("three courses waiting open the panel with their keys")
        << QStringList{"1$4$5$"} << ask << QStringList{"btn_env1", "btn_env4", "btn_env5", "button39"} << false
        << QStringList{};
    QTest::newRow("two fields send everything at once")
        << QStringList{"0$4$", "OK"} << ask + all << QStringList{} << true << QStringList{};
    QTest::newRow("a silent register gets everything at once")
        << QStringList{ScriptedRegister::Silent, "OK"} << ask + all << QStringList{} << true << QStringList{};
    QTest::newRow("a lost connection sends nothing, and says why")
        << QStringList{ScriptedRegister::Dropped} << ask << QStringList{} << false
        << QStringList{QStringLiteral("Connexion fermée par la caisse")};
}

void tst_Kitchen::sendToKitchen()
{
    QFETCH(QStringList, replies);
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, keys);
    QFETCH(bool, note);
    QFETCH(QStringList, messages);

    ScriptedRegister caisse;
    caisse.script(replies);
    Terminal terminal(caisse);
    terminal.ticket()->lineActionPanel()->show();
    QVERIFY(!terminal.form->findChild<ParkingView*>());
    RequestsAtBirth births(*terminal.form, caisse);
    QTest::mouseClick(terminal.ticket()->sendToKitchenKey(), Qt::LeftButton);

    QCOMPARE(caisse.received(), sent);
    // the view that holds the panel is made on the tap, before the query
    QCOMPARE(births.at(terminal.form->findChild<ParkingView*>()), 0);
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QCOMPARE(terminal.dispatchPanel()->isVisible(), !keys.isEmpty());
    if (!keys.isEmpty()) {
        QCOMPARE(terminal.dispatchPanel()->parentWidget(), terminal.ticket());
        QCOMPARE(terminal.offeredKeys(), keys);
    }
    QCOMPARE(terminal.noteShown(), note);
    if (note)
        QCOMPARE(terminal.ticket()->noteLine()->text(), QStringLiteral("Envoyé.."));
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QCOMPARE(terminal.messages, messages);
}

void tst_Kitchen::aLineLeftOverByTheRegisterIsNotTakenForTheCourses()
{
    ScriptedRegister caisse;
    caisse.script({"0$4$", "OK"});
    Terminal terminal(caisse);
    // a late reply of another exchange waits on the connection
    terminal.form->link().exchange(QStringLiteral("connect"));
    caisse.sendNow("0$1$2$3$\r\n");
    QTest::mouseClick(terminal.ticket()->sendToKitchenKey(), Qt::LeftButton);
    QVERIFY(!terminal.dispatchPanel()->isVisible());
    QVERIFY(caisse.received().endsWith("ec$12$4$2$0$\r\n"));
}

void tst_Kitchen::courseKeySendsItsCourseAndClosesThePanel_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("note");

    QTest::newRow("the desserts") << "btn_env7"
                                  << "OK" << QByteArray("ec$12$4$2$7$\r\n") << true;
    QTest::newRow("the drinks") << "btn_env1"
                                << "OK" << QByteArray("ec$12$4$2$1$\r\n") << true;
    QTest::newRow("everything") << "button39"
                                << "OK" << QByteArray("ec$12$4$2$0$\r\n") << true;
    QTest::newRow("a lost connection says nothing was sent")
        << "btn_env7" << ScriptedRegister::Dropped << QByteArray("ec$12$4$2$7$\r\n") << false;
}

void tst_Kitchen::courseKeySendsItsCourseAndClosesThePanel()
{
    QFETCH(QString, key);
    QFETCH(QString, reply);
    QFETCH(QByteArray, sent);
    QFETCH(bool, note);

    ScriptedRegister caisse;
    caisse.script({"0$1$7$", reply});
    Terminal terminal(caisse);
    QTest::mouseClick(terminal.ticket()->sendToKitchenKey(), Qt::LeftButton);
    QVERIFY(terminal.dispatchPanel()->isVisible());

    QTest::mouseClick(terminal.dispatchPanel()->findChild<RedKey*>(key), Qt::LeftButton);
    QCOMPARE(caisse.received(), "demanderang$12$4$2$\r\n" + sent);
    QVERIFY(!terminal.dispatchPanel()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QCOMPARE(terminal.noteShown(), note);
}

void tst_Kitchen::retourMenuSendsEverythingAndLeavesForTheTableChoice_data()
{
    QTest::addColumn<QStringList>("replies");

    QTest::newRow("both answered") << QStringList{"OK", "OK"};
    QTest::newRow("the link dropped on ec$: retour$ still goes") << QStringList{ScriptedRegister::Dropped, "OK"};
    QTest::newRow("no answer at all") << QStringList{ScriptedRegister::Silent, ScriptedRegister::Silent};
}

void tst_Kitchen::retourMenuSendsEverythingAndLeavesForTheTableChoice()
{
    QFETCH(QStringList, replies);

    ScriptedRegister caisse;
    caisse.script(replies);
    Terminal terminal(caisse);
    terminal.ticket()->lineActionPanel()->show();

    QTest::mouseClick(terminal.ticket()->sendAllAndLeaveKey(), Qt::LeftButton);
    QCOMPARE(caisse.received(), QByteArray("ec$12$4$2$0$\r\nretour$12$4$2$0$\r\n"));
    QCOMPARE(terminal.form->frontView(), terminal.form->view(QStringLiteral("choixtable")));
    QVERIFY(!terminal.ticket()->isVisible());
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    // the table stays until the waiter chooses another
    QCOMPARE(terminal.form->session().table(), QStringLiteral("12"));
    QCOMPARE(terminal.messages, QStringList{});
}

void tst_Kitchen::recallListShowsAllButTheLastMessageAndSendsTheTicked()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("OK"));
    KitchenList kitchen(caisse);
    kitchen.view.lineActionPanel()->show();

    QTest::mouseClick(kitchen.view.recallKey(), Qt::LeftButton);
    QVERIFY(kitchen.view.recallPanel()->isVisible());
    QVERIFY(!kitchen.view.lineActionPanel()->isVisible());
    QCOMPARE(texts(kitchen.list()), (QStringList{"Client pressé", "Vite", "Suite"}));
    touch(kitchen.list(), 1);
    touch(kitchen.list(), 2);
    touch(kitchen.list(), 2); // a second touch takes the mark off again
    QCOMPARE(kitchen.list()->ticks(), (QList<bool>{false, true, false}));

    QTest::mouseClick(kitchen.view.recallSendButton(), Qt::LeftButton);
    QCOMPARE(caisse.received(), QByteArray("rc$12$4$2$4$~--$1$--$\r\n"));
    QVERIFY(!kitchen.view.recallPanel()->isVisible());
    QCOMPARE(kitchen.list()->ticks(), (QList<bool>{false, false, false}));
}

void tst_Kitchen::nextCourseListClaimsTheTickedDishesInTheRegistersOrder()
{
    ScriptedRegister caisse;
    // an entry the terminal cannot read still holds its place among those the register numbers
    caisse.script({"1;200;Saignant;~Vite~2;150;;", "OK", "OK"});
    KitchenList kitchen(caisse);

    QTest::mouseClick(kitchen.view.nextCourseKey(), Qt::LeftButton);
    QCOMPARE(caisse.received(), QByteArray("suitesss$12$2$\r\n"));
    QVERIFY(kitchen.view.recallPanel()->isVisible());
    QCOMPARE(texts(kitchen.list()), (QStringList{"1 ENTRECOTE (Saignant)", "Vite", "2 CONFIT"}));
    touch(kitchen.list(), 2);
    QTest::mouseClick(kitchen.view.recallSendButton(), Qt::LeftButton);
    QVERIFY(caisse.received().endsWith("su$12$4$2$4$~--$--$1$\r\n"));

    // the recall list opened next is answered as recall messages
    QTest::mouseClick(kitchen.view.recallKey(), Qt::LeftButton);
    QTest::mouseClick(kitchen.view.recallSendButton(), Qt::LeftButton);
    QVERIFY(caisse.received().endsWith("rc$12$4$2$4$~--$--$--$\r\n"));
    QCOMPARE(kitchen.messages, QStringList{});
}

void tst_Kitchen::nextCourseMessages_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<QString>("message");

    QTest::newRow("nothing held") << "" << true << "Aucune suite à réclamer";
    QTest::newRow("an older register never answers")
        << "" << false << "Votre version de Quillobrand n'est pas compatible";
    QTest::newRow("a lost connection is nothing held")
        << ScriptedRegister::Dropped << true << "Aucune suite à réclamer";
    QTest::newRow("no preparation printer") << "nook" << true << "Aucune imprimante déportée!";
    QTest::newRow("no preparation printer, with blanks") << " nook " << false << "Aucune imprimante déportée!";
}

void tst_Kitchen::nextCourseMessages()
{
    QFETCH(QString, reply);
    QFETCH(bool, supported);
    QFETCH(QString, message);

    ScriptedRegister caisse;
    caisse.script({reply});
    KitchenList kitchen(caisse);
    kitchen.nextCourseSupported = supported;
    kitchen.view.lineActionPanel()->show();

    QTest::mouseClick(kitchen.view.nextCourseKey(), Qt::LeftButton);
    QCOMPARE(caisse.received(), QByteArray("suitesss$12$2$\r\n"));
    QCOMPARE(kitchen.messages, QStringList{message});
    QVERIFY(!kitchen.view.recallPanel()->isVisible());
    // the list that was not opened does not decide the next "Envoyer"
    QVERIFY(!kitchen.kitchen.listHoldsNextCourses());
}

QTEST_MAIN(tst_Kitchen)
#include "tst_kitchen.moc"
