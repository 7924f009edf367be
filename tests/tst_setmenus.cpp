#include "RequestsAtBirth.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "menus/SetMenus.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/ListPanel.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QThread>

namespace {

const QString Midi = QStringLiteral("Formule midi;552;Terrine;104;premier plat ?;0;dessert ?;0;Aucun choix;0;"
                                    "Aucun choix;0;Aucun choix;0;");
const QString Enfant = QStringLiteral("Menu enfant;553;boisson ?;0;Aucun choix;0;Aucun choix;0;Aucun choix;0;"
                                      "Aucun choix;0;Aucun choix;0;");
const QString TwoMenus = QStringLiteral("f;2;") + Midi + Enfant;
const QString Table12 = QStringLiteral("12$4$2$");
// a reply script marker: the register sends a line unasked and goes before the options are sent
const QString GoneBeforeTheSend = QStringLiteral("<gone before the send>");

// A window on the ticket of table 12 (4 covers, waiter 2), whose catalogue knows two set menus, at a scripted
// register. Formule midi: starters Soupe, an entry without article, Terrine, Oeufs (courses 2 and 3); mains Plat du
// jour and Saumon (courses 4 and 5, with supplements; Saumon's options are list 3); desserts Creme and Mousse.
struct Terminal : TerminalFixture
{
    explicit Terminal(ScriptedRegister& caisse)
    {
        form->resize(MainWindow::DesignWidth, MainWindow::DesignHeight);
        QVERIFY(activate());
        linkTo(caisse);
        openTicketOfTable12();

        Catalogue& catalogue = form->catalogue();
        catalogue.setAform(1, {"", "Soupe;Sans article;Terrine;Oeufs", "Plat du jour;Saumon", "Creme;Mousse"});
        catalogue.setAform(2, {"", "Sirop;Diabolo"});
        CatalogueParse::SetMenuContents contents;
        contents[0] = QStringList{"", "100;;104;103", "160;157", "300;301"};
        contents[1] = QStringList{"", "29;30"};
        catalogue.setCtform(contents);
        QStringList starters(400, QStringLiteral("0"));
        for (int article : {100, 103, 104})
            starters[article - 1] = QStringLiteral("1");
        catalogue.setRang(2, starters);
        catalogue.setRang(3, starters);
        QStringList mains(400, QStringLiteral("0"));
        mains[159] = mains[156] = QStringLiteral("1");
        catalogue.setRang(4, mains);
        catalogue.setRang(5, mains);
        CatalogueParse::KitchenLists kitchen;
        kitchen.kitchenOptionLists[2] = QStringList{"Nacré", "À point", "Bien cuit"};
        kitchen.rappel = QStringList{"Suite"};
        catalogue.setKitchenLists(kitchen);
        std::array<bool, ProductTable::ArticleCount> supplements{};
        supplements[157] = supplements[160] = true;
        form->products().setSuppFlags(supplements);
        grid().plan(410, 660);
    }

    TicketView* ticket() const { return ticketView(); }
    SetMenuView* formule() const { return qobject_cast<SetMenuView*>(form->view(QStringLiteral("formule"))); }
    ParkingView* poubelle() const { return qobject_cast<ParkingView*>(form->view(QStringLiteral("poubelle"))); }
    SetMenuGrid& grid() const { return formule()->grid(); }
    ListPanel* supplementsPanel() const { return poubelle()->supplementsPanel(); }

    void touchCell(int z) const { QTest::mouseClick(grid().cell(z), Qt::LeftButton); }
    static void touchEntry(CheckList* list, int entry)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(entry)).center());
    }
    static QStringList entries(const CheckList* list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }
    static QList<bool> ticks(const CheckList* list)
    {
        QList<bool> ticked;
        for (int i = 0; i < list->count(); ++i)
            ticked.append(list->item(i)->checkState() == Qt::Checked);
        return ticked;
    }
    QList<int> shownCells() const
    {
        QList<int> shown;
        for (int z = 0; z < grid().count(); ++z) {
            if (grid().cell(z)->isVisibleTo(formule()))
                shown.append(z);
        }
        return shown;
    }
    // The grid of two set menus opened from "Contenu formules".
    void openTwoMenus(ScriptedRegister& caisse) const
    {
        caisse.replyLine(TwoMenus);
        Q_EMIT ticket()->setMenusKey()->clicked();
        QCOMPARE(form->frontView(), formule());
    }
};

QByteArray lines(const QStringList& requests)
{
    return (requests.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

} // namespace

class tst_SetMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noSetMenuRunningShowsTheNoticeOverTheTicket();
    void countsTheScreenCannotShowGiveAMessage_data();
    void countsTheScreenCannotShowGiveAMessage();
    void twoSetMenusFillTwoColumns();
    void failuresOfTheListReachTheErrorDisplay_data();
    void failuresOfTheListReachTheErrorDisplay();
    void touchingACell_data();
    void touchingACell();
    void choosingADish_data();
    void choosingADish();
    void validatingOptions_data();
    void validatingOptions();
    void validatingWithoutRegisterKeepsThePanelAndTheTicks();
    void recallAfterADishGoesUnderItsCourse();
    void leavingForTheTicket();
};

void tst_SetMenus::noSetMenuRunningShowsTheNoticeOverTheTicket()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    caisse.replyLine(QStringLiteral("f;0;"));
    terminal.ticket()->showNote(QStringLiteral("1 * Café"));

    Q_EMIT terminal.ticket()->setMenusKey()->clicked();
    QCOMPARE(caisse.received(), lines({"af$" + Table12}));
    QVERIFY(!terminal.ticket()->noteLine()->isVisible());
    QCOMPARE(terminal.ticket()->keyboardTabs()->currentWidget()->objectName(), QStringLiteral("TabItem8"));
    auto* notice = terminal.find<QLabel>(QStringLiteral("Textmess"));
    QCOMPARE(notice->text(), QStringLiteral("Aucune Formule\nActuellement en cours"));
    QVERIFY(!notice->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QVERIFY(!terminal.formule()->isVisible());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_SetMenus::countsTheScreenCannotShowGiveAMessage_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("message");

    QTest::newRow("a count of 0") << "f;0;;"
                                  << "Aucune formule n'a été entrée";
    QTest::newRow("31 set menus") << "f;31;"
                                  << "La tablette ne peut gérer plus de 30 menus";
}

void tst_SetMenus::countsTheScreenCannotShowGiveAMessage()
{
    QFETCH(QString, reply);
    QFETCH(QString, message);

    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.openTwoMenus(caisse);
    caisse.replyLine(reply);
    terminal.form->setMenus().fetch();
    QCOMPARE(terminal.messages, QStringList{message});
    // the grid stays as it was, and so do the set menus a touch reads
    QCOMPARE(terminal.grid().cellText(0), QStringLiteral("Formule midi"));
    QCOMPARE(terminal.shownCells().size(), 6);
    terminal.touchCell(2);
    QCOMPARE(Terminal::entries(terminal.formule()->dishList()), (QStringList{"Plat du jour", "Saumon"}));
}

void tst_SetMenus::twoSetMenusFillTwoColumns()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.formule()->optionsPanel()->show();
    terminal.openTwoMenus(caisse);

    QCOMPARE(caisse.received(), lines({"af$" + Table12}));
    QVERIFY(!terminal.formule()->optionsPanel()->isVisible());
    QVERIFY(!terminal.formule()->dishPanel()->isVisible());
    // the title and the courses the set menus have; "Aucun choix" and the columns after the second are hidden
    QCOMPARE(terminal.shownCells(), (QList<int>{0, 1, 2, 3, 7, 8}));
    const QStringList texts{"Formule midi", "Terrine", "premier plat ?", "dessert ?"};
    for (int z = 0; z < texts.size(); ++z) {
        QCOMPARE(terminal.grid().cellText(z), texts.at(z));
        // what a screen reader reads out
        QCOMPARE(terminal.grid().cell(z)->accessibleName(), texts.at(z));
    }
    QCOMPARE(terminal.grid().cellText(7), QStringLiteral("Menu enfant"));
    QCOMPARE(terminal.grid().cellText(8), QStringLiteral("boisson ?"));

    // one set menu the next time: the second column goes
    caisse.replyLine(QStringLiteral("f;1;") + Midi);
    terminal.form->setMenus().fetch();
    QCOMPARE(terminal.shownCells(), (QList<int>{0, 1, 2, 3}));
    QVERIFY(terminal.messages.isEmpty());
}

void tst_SetMenus::failuresOfTheListReachTheErrorDisplay_data()
{
    QTest::addColumn<bool>("registerThere");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("message");

    QTest::newRow("no register") << false << ""
                                 << "Connexion refusée par la caisse";
    QTest::newRow("a count that is no number") << true << "f;deux;"
                                               << "Valeur non numérique reçue de la caisse : « deux »";
    QTest::newRow("fewer cells than announced") << true << "f;2;" + Midi << "Réponse incomplète reçue de la caisse";
    QTest::newRow("an empty reply") << true << ""
                                    << "Réponse incomplète reçue de la caisse";
}

void tst_SetMenus::failuresOfTheListReachTheErrorDisplay()
{
    QFETCH(bool, registerThere);
    QFETCH(QString, reply);
    QFETCH(QString, message);

    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.openTwoMenus(caisse);
    if (registerThere) {
        caisse.replyLine(reply);
    } else {
        terminal.form->link().disconnect();
        caisse.stopListening();
    }
    Q_EMIT terminal.ticket()->setMenusKey()->clicked();
    QCOMPARE(terminal.messages, QStringList{message});
    QCOMPARE(terminal.shownCells().size(), 6);
    QVERIFY(!terminal.form->guard().busy());
}

void tst_SetMenus::touchingACell_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("dishes"); // empty and no message: the list stays closed

    QTest::newRow("the title does nothing") << 0 << "" << QStringList{};
    QTest::newRow("a course already chosen is changed on the register")
        << 1 << "Cet article est à modifier sur la caisse centrale" << QStringList{};
    QTest::newRow("a course lists its dishes; an entry without article is left out")
        << 1 << "" << QStringList{"Soupe", "Terrine", "Oeufs"};
    QTest::newRow("the second course of the first set menu") << 2 << "" << QStringList{"Plat du jour", "Saumon"};
    QTest::newRow("the first course of the second set menu") << 8 << "" << QStringList{"Sirop", "Diabolo"};
}

void tst_SetMenus::touchingACell()
{
    QFETCH(int, cell);
    QFETCH(QString, message);
    QFETCH(QStringList, dishes);

    ScriptedRegister caisse;
    Terminal terminal(caisse);
    // the first course still to choose in the third row
    caisse.replyLine(QString(TwoMenus).replace(QStringLiteral("Terrine;104"),
                                               message.isEmpty() ? QStringLiteral("entrée ?;0") : "Terrine;104"));
    Q_EMIT terminal.ticket()->setMenusKey()->clicked();

    terminal.touchCell(cell);
    QCOMPARE(terminal.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(terminal.formule()->dishPanel()->isVisible(), !dishes.isEmpty());
    if (!dishes.isEmpty()) {
        QVERIFY(terminal.formule()->dishList()->isVisible());
        QCOMPARE(Terminal::entries(terminal.formule()->dishList()), dishes);
        QCOMPARE(Terminal::ticks(terminal.formule()->dishList()), QList<bool>(dishes.size(), false));
        terminal.formule()->dishCancelButton()->click();
        QVERIFY(!terminal.formule()->dishPanel()->isVisible());
    }
    QCOMPARE(caisse.requests().size(), 1);
}

void tst_SetMenus::choosingADish_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("fetched");
    QTest::addColumn<QStringList>("options"); // shown in Panel16; none: the panel stays closed
    QTest::addColumn<bool>("supplements");    // Panelsupp shown over the set menus

    // Oeufs is listed second but lies third in its row, after the entry without article; courses 2 and 3: 2
    QTest::newRow("a starter sent by its place in the row, as course 2")
        << 1 << 2 << "ru;0"
        << "r$12$4$2$1$2$3$2$" << true << QStringList{} << false;
    QTest::newRow("ru;0 for a dish with supplements: the grid, then the supplements")
        << 2 << 0 << "ru;0"
        << "r$12$4$2$1$3$0$4$" << true << QStringList{} << true;
    QTest::newRow("no reply reads as ru;0") << 2 << 0 << ""
                                            << "r$12$4$2$1$3$0$4$" << true << QStringList{} << true;
    QTest::newRow("ru;0; for a dish with supplements: the grid alone")
        << 2 << 0 << "ru;0;"
        << "r$12$4$2$1$3$0$4$" << true << QStringList{} << false;
    QTest::newRow("ru;3; asks for the options of list 3")
        << 2 << 1 << "ru;3;"
        << "r$12$4$2$1$3$1$4$" << false << QStringList{"Nacré", "À point", "Bien cuit"} << false;
    QTest::newRow("ru;6; opens the options with nothing to tick")
        << 3 << 1 << "ru;6;"
        << "r$12$4$2$1$4$1$0$" << false << QStringList{} << false;
    QTest::newRow("a dish of no course is sent as course 0") << 8 << 1 << "ru;0"
                                                             << "r$12$4$2$2$2$1$0$" << true << QStringList{} << false;
}

void tst_SetMenus::choosingADish()
{
    QFETCH(int, cell);
    QFETCH(int, entry);
    QFETCH(QString, reply);
    QFETCH(QString, request);
    QFETCH(bool, fetched);
    QFETCH(QStringList, options);
    QFETCH(bool, supplements);

    ScriptedRegister caisse;
    Terminal terminal(caisse);
    caisse.replyLine(QString(TwoMenus).replace(QStringLiteral("Terrine;104"), QStringLiteral("entrée ?;0")));
    Q_EMIT terminal.ticket()->setMenusKey()->clicked();
    terminal.touchCell(cell);
    if (reply.isEmpty())
        caisse.ignore();
    else
        caisse.replyLine(reply);
    if (fetched)
        caisse.replyLine(TwoMenus);
    RequestsAtBirth births(*terminal.form, caisse);

    Terminal::touchEntry(terminal.formule()->dishList(), entry);
    QStringList expected{"af$" + Table12, request};
    if (fetched)
        expected.append("af$" + Table12);
    QCOMPARE(caisse.received(), lines(expected));
    // the mains of cell 2 take supplements: their panel's view is made on the tap, before the dish goes
    const auto* parking = terminal.form->findChild<ParkingView*>();
    QCOMPARE(parking != nullptr, cell == 2);
    if (parking)
        QCOMPARE(births.at(parking), 1);
    QVERIFY(!terminal.formule()->dishPanel()->isVisible());
    QVERIFY(!terminal.formule()->dishList()->isVisible());
    QCOMPARE(Terminal::ticks(terminal.formule()->dishList()).value(entry), true);

    const bool optionPanel = !fetched;
    QCOMPARE(terminal.formule()->optionsPanel()->isVisible(), optionPanel);
    if (optionPanel) {
        QCOMPARE(Terminal::entries(terminal.formule()->optionsList()), options);
        QCOMPARE(Terminal::ticks(terminal.formule()->optionsList()), QList<bool>(options.size(), false));
    }
    QCOMPARE(terminal.supplementsPanel()->isVisible(), supplements);
    if (supplements)
        QCOMPARE(terminal.supplementsPanel()->parentWidget(), terminal.formule());
    QCOMPARE(terminal.form->frontView(), terminal.formule());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_SetMenus::validatingOptions_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("dishReply");
    QTest::addColumn<QList<int>>("touched");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("supplements");
    QTest::addColumn<bool>("kept"); // the panel stays open with its ticks, for the waiter to try again

    QTest::newRow("the first of three ticked, then the supplements") << 1 << "ru;3;" << QList<int>{0} << "OK"
                                                                     << "b$12$4$2$4$1$3$~1$--$--$" << true << false;
    QTest::newRow("a tick touched twice is cleared") << 1 << "ru;3;" << QList<int>{0, 2, 0} << "OK"
                                                     << "b$12$4$2$4$1$3$~--$--$1$" << true << false;
    QTest::newRow("no reply: the grid, without the supplements")
        << 1 << "ru;3;" << QList<int>{1} << ScriptedRegister::Silent << "b$12$4$2$4$1$3$~--$1$--$" << false << false;
    QTest::newRow("an empty list sends the tilde alone") << 0 << "ru;6;" << QList<int>{} << "OK"
                                                         << "b$12$4$2$4$1$3$~" << true << false;
    QTest::newRow("a link broken after the send: the panel stays, the supplements and the grid come")
        << 1 << "ru;3;" << QList<int>{1} << ScriptedRegister::Dropped << "b$12$4$2$4$1$3$~--$1$--$" << true << true;
    QTest::newRow("a link broken before the send: the panel stays, the supplements and the grid come")
        << 1 << "ru;3;" << QList<int>{1} << GoneBeforeTheSend << QString() << true << true;
}

void tst_SetMenus::validatingOptions()
{
    QFETCH(int, entry);
    QFETCH(QString, dishReply);
    QFETCH(QList<int>, touched);
    QFETCH(QString, reply);
    QFETCH(QString, request);
    QFETCH(bool, supplements);
    QFETCH(bool, kept);

    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.openTwoMenus(caisse);
    terminal.touchCell(2);
    caisse.replyLine(dishReply);
    Terminal::touchEntry(terminal.formule()->dishList(), entry);
    QVERIFY(terminal.formule()->optionsPanel()->isVisible());
    // the supplements wait behind the options
    QCOMPARE(terminal.supplementsPanel()->parentWidget(), terminal.formule());
    QVERIFY(!terminal.supplementsPanel()->isVisible());

    for (int option : touched)
        Terminal::touchEntry(terminal.formule()->optionsList(), option);
    const QList<bool> ticks = Terminal::ticks(terminal.formule()->optionsList());
    if (reply == GoneBeforeTheSend) {
        caisse.script({TwoMenus});
        caisse.sendNowThenClose("plus tard\r\n");
        // both reach the terminal while it serves no event: the line is taken before the close is seen
        QThread::msleep(200);
    } else {
        caisse.script({reply, TwoMenus});
    }
    terminal.formule()->optionsValidateButton()->click();

    QCOMPARE(caisse.requests().mid(2),
             (request.isEmpty() ? QStringList{"af$" + Table12} : QStringList{request, "af$" + Table12}));
    QCOMPARE(terminal.formule()->optionsPanel()->isVisible(), kept);
    QCOMPARE(Terminal::ticks(terminal.formule()->optionsList()), kept ? ticks : QList<bool>(ticks.size(), false));
    QCOMPARE(terminal.supplementsPanel()->isVisible(), supplements);
    QCOMPARE(terminal.form->frontView(), terminal.formule());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_SetMenus::validatingWithoutRegisterKeepsThePanelAndTheTicks()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.openTwoMenus(caisse);
    terminal.touchCell(2);
    caisse.replyLine(QStringLiteral("ru;3;"));
    Terminal::touchEntry(terminal.formule()->dishList(), 1);
    Terminal::touchEntry(terminal.formule()->optionsList(), 2);
    terminal.form->link().disconnect();
    caisse.stopListening();

    terminal.formule()->optionsValidateButton()->click();
    QVERIFY(terminal.formule()->optionsPanel()->isVisible());
    QCOMPARE(Terminal::ticks(terminal.formule()->optionsList()), (QList<bool>{false, false, true}));
    QVERIFY(!terminal.supplementsPanel()->isVisible());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_SetMenus::recallAfterADishGoesUnderItsCourse()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    caisse.replyLine(QString(TwoMenus).replace(QStringLiteral("Terrine;104"), QStringLiteral("entrée ?;0")));
    Q_EMIT terminal.ticket()->setMenusKey()->clicked();
    terminal.touchCell(1);
    caisse.script({"ru;0", TwoMenus, "OK"});
    // Oeufs, of courses 2 and 3, goes as course 2
    Terminal::touchEntry(terminal.formule()->dishList(), 2);
    terminal.formule()->leaveButton()->click();
    QCOMPARE(terminal.form->frontView(), terminal.ticket());

    // the recall list of one message lists none: nothing to tick, the flags are the "~" alone
    Q_EMIT terminal.ticket()->recallKey()->clicked();
    QVERIFY(terminal.ticket()->recallPanel()->isVisible());
    terminal.ticket()->recallSendButton()->click();
    QCOMPARE(caisse.requests().mid(1), (QStringList{"r$12$4$2$1$2$3$2$", "af$" + Table12, "rc$12$4$2$2$~"}));
    QVERIFY(!terminal.ticket()->recallPanel()->isVisible());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_SetMenus::leavingForTheTicket()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("1 Formule midi"));
    terminal.openTwoMenus(caisse);
    terminal.touchCell(2);
    caisse.replyLine(QStringLiteral("ru;3;"));
    Terminal::touchEntry(terminal.formule()->dishList(), 1);

    // the options are validated first
    terminal.formule()->leaveButton()->click();
    QCOMPARE(terminal.form->frontView(), terminal.formule());

    caisse.replyLine(QStringLiteral("OK"));
    caisse.replyLine(TwoMenus);
    terminal.formule()->optionsValidateButton()->click();
    QCOMPARE(terminal.supplementsPanel()->parentWidget(), terminal.formule());
    terminal.ticket()->optionsPanel()->show();
    terminal.formule()->leaveButton()->click();

    QCOMPARE(terminal.form->frontView(), terminal.ticket());
    QVERIFY(!terminal.formule()->isVisible());
    QVERIFY(!terminal.ticket()->optionsPanel()->isVisible());
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), QStringLiteral("1 Formule midi"));
    // the supplements panel is parked again, and laid out there
    QCOMPARE(terminal.supplementsPanel()->parentWidget(), terminal.poubelle());
    QVERIFY(terminal.supplementsPanel()->isHidden());
    terminal.poubelle()->show();
    terminal.poubelle()->resize(300, 400);
    QCOMPARE(terminal.supplementsPanel()->geometry(), QRect(0, 0, 300, 400));
    terminal.formule()->show();
    terminal.formule()->resize(200, 300);
    QCOMPARE(terminal.supplementsPanel()->geometry(), QRect(0, 0, 300, 400));
    QCOMPARE(caisse.requests().size(), 4);
}

QTEST_MAIN(tst_SetMenus)
#include "tst_setmenus.moc"
