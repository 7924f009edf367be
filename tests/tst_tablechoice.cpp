#include "ListTouch.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "app/StartView.h"
#include "catalogue/CatalogueGeometry.h"
#include "link/FormatError.h"
#include "session/Limits.h"
#include "settings/SettingsSlots.h"
#include "tables/Covers.h"
#include "tables/CoversPanel.h"
#include "tables/PlanView.h"
#include "tables/RoomPlan.h"
#include "tables/TableChoice.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "tables/TableReplies.h"
#include "ticket/LineActionPanel.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterLogin.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

using namespace ListTouch;

// Waiter 1, "Paul", on the table choice after his login, his messages collected.
struct Terminal : TerminalFixture
{
    explicit Terminal(const ScriptedRegister& caisse)
    {
        QVERIFY(activate());
        linkTo(caisse);
        CatalogueParse::TabsAndWaiters names;
        names.serv.at(0) = QStringLiteral("Paul");
        form->catalogue().setTabsAndWaiters(names);
        form->session().setWaiter(1);
        form->findChild<StartView*>()->hide();
        choixtable()->show();
        choixtable()->headerLabel()->setText(QStringLiteral("Paul Aucune Table"));
    }

    TableChoiceView* choixtable() const
    {
        return qobject_cast<TableChoiceView*>(form->view(QStringLiteral("choixtable")));
    }
    // made now when the flow has not opened it yet
    PlanView* plan() const { return qobject_cast<PlanView*>(form->view(QStringLiteral("plan"))); }

    // A list as "Tables libres" leaves it, with one table selected.
    void listWithSelected(const QString& item)
    {
        choixtable()->tableListPanel()->tableList()->addItem(QStringLiteral("Table 3 Libre"));
        choixtable()->tableListPanel()->tableList()->addItem(item);
        choixtable()->tableListPanel()->tableList()->setCurrentRow(1);
        choixtable()->tableListPanel()->show();
    }

    // Tables 1 to 7 in room 1, table 7 hidden by the catalogue.
    void buildTables()
    {
        CatalogueParse::TablePlan plan;
        for (int z = 0; z < Limits::Tables; ++z) {
            plan.tableleft.append(QString::number(z * 60));
            plan.tabletop.append(QStringLiteral("600"));
            plan.tableh.append(QStringLiteral("60"));
            plan.tablew.append(QStringLiteral("50"));
            plan.tableplan.append(z < 7 ? QStringLiteral("1") : QString());
            plan.tablevisible.append(z < 6 ? QStringLiteral("1") : QStringLiteral("0"));
        }
        form->catalogueLoad().tableButtons().plan(plan, form->catalogueLoad().startSize().width(),
                                                  form->catalogueLoad().startSize().height());
    }
};

// What the transient notice showed while a handler ran.
struct NoticeWatch
{
    QString seen;
    QTimer timer;

    explicit NoticeWatch(const MainWindow& form)
    {
        timer.setInterval(50);
        QObject::connect(&timer, &QTimer::timeout, [this, &form] {
            if (form.findChild<QLabel*>(QStringLiteral("Textmess"))->isVisible())
                seen = form.findChild<QLabel*>(QStringLiteral("Textmess"))->text();
        });
        timer.start();
    }
};

// The columns of the tests in which the waiter takes a table.
void addTakeColumns()
{
    QTest::addColumn<QString>("askCovers"); // settings slot 3
    QTest::addColumn<QString>("covers");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("coversPanel");
}

} // namespace

class tst_TableChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableLists_data();
    void tableLists();
    void noticeRefusesASecondExchange();
    void noticeRefusesALogin();
    void validerTakesTheSelectedTable_data();
    void validerTakesTheSelectedTable();
    void validerWithNothingSelectedStaysOnTheList();
    void planTableTakesTheTable_data();
    void planTableTakesTheTable();
    void workingWithoutATable();
    void tableTakenWhileTheRegisterIsGoneShowsNoOtherTicket_data();
    void tableTakenWhileTheRegisterIsGoneShowsNoOtherTicket();
    void coversQuery_data();
    void coversQuery();
    void coversValider();
    void coversValiderWithNothingSelectedSendsNothing();
    void coversSortir();
    void tableColours_data();
    void tableColours();
    void aPlanEntryThatIsNotANumberStopsThePlanAfterTheTablesBeforeIt();
    void choisirTableOpensThePlanOverTheTableChoice();
};

void tst_TableChoice::tableLists_data()
{
    QTest::addColumn<bool>("free");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("notice"); // empty: the list opens

    const QString noFree = QStringLiteral("Aucune table libre actuellement");
    const QString noneUsed = QStringLiteral("Aucune table utilisée");
    QTest::newRow("3;5;12; lists three free tables in order")
        << true << "3;5;12;" << QStringList{"Table 3 Libre", "Table 5 Libre", "Table 12 Libre"} << "";
    QTest::newRow("a last field without ; is still listed, nothing past it")
        << true << "3;5;12" << QStringList{"Table 3 Libre", "Table 5 Libre", "Table 12 Libre"} << "";
    QTest::newRow("an empty field ends the list") << true << "3;;5" << QStringList{"Table 3 Libre"} << "";
    QTest::newRow("a field with a blank is left out")
        << true << "3;1 2;5;" << QStringList{"Table 3 Libre", "Table 5 Libre"} << "";
    QTest::newRow("an empty reply shows the free-table notice") << true << "" << QStringList{} << noFree;
    QTest::newRow("a leading ; is an empty list") << true << ";3;" << QStringList{} << noFree;
    QTest::newRow("no answer shows the notice") << true << ScriptedRegister::Silent << QStringList{} << noFree;
    // none of these could go back out in the covers request as the register sent them
    QTest::newRow("a field with $ or a byte above 0x7F is left out")
        << true << QString::fromLatin1("3;5$7;9\xFF;12;") << QStringList{"Table 3 Libre", "Table 12 Libre"} << "";
    QTest::newRow("a field with a tab is left out, the others listed")
        << true << "3\t;5;" << QStringList{"Table 5 Libre"} << "";
    QTest::newRow("a line with a NUL is no answer")
        << true << QString::fromLatin1("3;\0;5;", 6) << QStringList{} << noFree;
    QTest::newRow("occupied tables end in Occupée")
        << false << "7;8" << QStringList{"Table 7 Occupée", "Table 8 Occupée"} << "";
    QTest::newRow("no occupied table shows its notice") << false << "" << QStringList{} << noneUsed;
}

void tst_TableChoice::tableLists()
{
    QFETCH(bool, free);
    QFETCH(QString, reply);
    QFETCH(QStringList, items);
    QFETCH(QString, notice);

    ScriptedRegister caisse;
    caisse.script({reply});
    Terminal terminal(caisse);
    terminal.plan()->show();
    const NoticeWatch watch(*terminal.form);

    if (free)
        Q_EMIT terminal.choixtable()->freeTablesKey()->clicked();
    else
        Q_EMIT terminal.choixtable()->busyTablesKey()->clicked();

    QCOMPARE(caisse.received(), free ? QByteArray("ademandelibre$\r\n") : QByteArray("ademande$\r\n"));
    QListWidget* list = terminal.choixtable()->tableListPanel()->tableList();
    QCOMPARE(texts(list), items);
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(terminal.choixtable()->tableListPanel()->isVisible(), notice.isEmpty());
    QCOMPARE(watch.seen, notice);
    QVERIFY(!terminal.form->findChild<QLabel*>(QStringLiteral("Textmess"))->isVisible());
    // "Tables occupées" closes the plan; "Tables libres" leaves it
    QCOMPARE(terminal.plan()->isVisible(), free);
    QVERIFY(terminal.choixtable()->isVisible());
}

void tst_TableChoice::noticeRefusesASecondExchange()
{
    ScriptedRegister caisse;
    caisse.script({QString(), QStringLiteral("7")});
    Terminal terminal(caisse);
    // touches while the notice is up: another list, a plan table
    QTimer::singleShot(300, terminal.choixtable()->busyTablesKey(), &RedKey::clicked);
    QTimer::singleShot(400, terminal.form.get(),
                       [&terminal] { Q_EMIT terminal.form->catalogueLoad().tableButtons().tableTapped(4); });
    Q_EMIT terminal.choixtable()->freeTablesKey()->clicked();
    QCOMPARE(caisse.received(), QByteArray("ademandelibre$\r\n"));
    QCOMPARE(terminal.form->session().table(), QStringLiteral("0"));
    QVERIFY(!terminal.choixtable()->tableListPanel()->isVisible());
}

void tst_TableChoice::noticeRefusesALogin()
{
    ScriptedRegister caisse;
    caisse.script({QString(), QStringLiteral("7")});
    Terminal terminal(caisse);
    qobject_cast<WaiterView*>(terminal.form->view(QStringLiteral("serveur")))
        ->codePanel()
        ->codeEdit()
        ->setText(QStringLiteral("4827"));
    // touches while the notice is up: another waiter's key, the code panel's "Valider"
    QTimer::singleShot(300, qobject_cast<WaiterView*>(terminal.form->view(QStringLiteral("serveur")))->waiterKey(2),
                       &RedKey::clicked);
    QTimer::singleShot(
        400, qobject_cast<WaiterView*>(terminal.form->view(QStringLiteral("serveur")))->codePanel()->validateKey(),
        &RedKey::clicked);
    Q_EMIT terminal.choixtable()->freeTablesKey()->clicked();
    QCOMPARE(caisse.received(), QByteArray("ademandelibre$\r\n"));
    QCOMPARE(terminal.form->session().waiter(), QStringLiteral("1"));
    QVERIFY(terminal.choixtable()->isVisible());
}

void tst_TableChoice::validerTakesTheSelectedTable_data()
{
    addTakeColumns();

    QTest::newRow("4 covers → Paul Table 12 4Couv, the ticket")
        << "1"
        << "4" << QByteArray("couverts$12$\r\nad$12$4$1$\r\n") << "Paul Table 12 4Couv" << false;
    QTest::newRow("no covers while they are asked for → Paul Table 12, the covers panel")
        << "1"
        << "0" << QByteArray("couverts$12$\r\n") << "Paul Table 12" << true;
    QTest::newRow("no covers while they are not asked for → the ticket")
        << "0"
        << "0" << QByteArray("couverts$12$\r\nad$12$0$1$\r\n") << "Paul Table 12" << false;
    QTest::newRow("no answer → nothing before Couv, the ticket")
        << "1" << ScriptedRegister::Silent << QByteArray("couverts$12$\r\nad$12$$1$\r\n") << "Paul Table 12 Couv"
        << false;
    // as a count it would add a field to every later request, and the register would file them under waiter 7; nor
    // may the earlier table's 4 covers stand for this one's
    QTest::newRow("4$7 is no count: no answer")
        << "1"
        << "4$7" << QByteArray("couverts$12$\r\nad$12$$1$\r\n") << "Paul Table 12 Couv" << false;
}

void tst_TableChoice::validerTakesTheSelectedTable()
{
    QFETCH(QString, askCovers);
    QFETCH(QString, covers);
    QFETCH(QByteArray, sent);
    QFETCH(QString, header);
    QFETCH(bool, coversPanel);

    ScriptedRegister caisse;
    caisse.script({covers});
    caisse.replyBytes("1 CAFE~TOTAL\r\n\r\n");
    Terminal terminal(caisse);
    terminal.form->settings()[SettingsSlots::AskCovers] = askCovers;
    terminal.ticketView()->ticketMemo()->setPlainText(QStringLiteral("ticket of the earlier table"));
    terminal.form->session().setCovers(QStringLiteral("4"));
    terminal.listWithSelected(QStringLiteral("Table 12 Libre"));

    terminal.choixtable()->tableListPanel()->validateButton()->click();

    QCOMPARE(caisse.received(), sent);
    QCOMPARE(terminal.form->session().table(), QStringLiteral("12"));
    QCOMPARE(terminal.choixtable()->headerLabel()->text(), header);
    QVERIFY(!terminal.choixtable()->tableListPanel()->isVisible());
    if (coversPanel) {
        QCOMPARE(terminal.form->frontView(), terminal.choixtable());
        QVERIFY(terminal.choixtable()->coversPanel()->isVisible());
        QCOMPARE(terminal.choixtable()->coversPanel()->currentCoversLabel()->text(),
                 QStringLiteral("Entrez le nombre de couverts"));
        QCOMPARE(terminal.choixtable()->coversPanel()->coversList()->currentRow(), 0);
        QCOMPARE(terminal.choixtable()->coversPanel()->validateButton()->text(),
                 QStringLiteral("Valider 0 couvert(s)"));
    } else {
        QCOMPARE(terminal.form->frontView(), terminal.ticketView());
        QVERIFY(!terminal.choixtable()->isVisible());
        QCOMPARE(terminal.ticketView()->ticketMemo()->toPlainText(), QStringLiteral("1 CAFE\nTOTAL"));
    }
}

void tst_TableChoice::validerWithNothingSelectedStaysOnTheList()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.choixtable()->tableListPanel()->tableList()->addItem(QStringLiteral("Table 12 Libre"));
    terminal.choixtable()->tableListPanel()->show();
    terminal.choixtable()->tableListPanel()->validateButton()->click();
    QVERIFY(caisse.received().isEmpty());
    QVERIFY(terminal.choixtable()->tableListPanel()->isVisible());
    QCOMPARE(terminal.form->session().table(), QStringLiteral("0"));

    terminal.choixtable()->tableListPanel()->cancelButton()->click();
    QVERIFY(!terminal.choixtable()->tableListPanel()->isVisible());
}

void tst_TableChoice::planTableTakesTheTable_data()
{
    addTakeColumns();

    QTest::newRow("4 covers → Serveur 1 Table 5 4Couv, the ticket, fetched twice")
        << "1"
        << "4" << QByteArray("couverts$5$2$1$\r\nad$5$4$1$\r\nad$5$0$1$\r\n") << "Serveur 1 Table 5 4Couv" << false;
    QTest::newRow("no covers while they are asked for → the covers panel, the ticket fetched once")
        << "1"
        << "0" << QByteArray("couverts$5$2$1$\r\nad$5$0$1$\r\n") << "Serveur 1 Table 5" << true;
    QTest::newRow("4$7 is no count: no answer")
        << "1"
        << "4$7" << QByteArray("couverts$5$2$1$\r\nad$5$$1$\r\nad$5$0$1$\r\n") << "Serveur 1 Table 5 Couv" << false;
}

void tst_TableChoice::planTableTakesTheTable()
{
    QFETCH(QString, askCovers);
    QFETCH(QString, covers);
    QFETCH(QByteArray, sent);
    QFETCH(QString, header);
    QFETCH(bool, coversPanel);

    ScriptedRegister caisse;
    caisse.script({covers});
    if (!coversPanel)
        caisse.replyBytes("1 VIN~TOTAL\r\n\r\n");
    caisse.replyLine(QStringLiteral("2 EAU~TOTAL;"));
    Terminal terminal(caisse);
    terminal.form->settings()[SettingsSlots::AskCovers] = askCovers;
    terminal.form->session().setCovers(QStringLiteral("2"));
    terminal.buildTables();
    terminal.plan()->show();

    // the waiter touches "T5" on the plan
    CatalogueKey* t5 = terminal.form->catalogueLoad().tableButtons().key(4);
    QTest::mouseClick(t5, Qt::LeftButton, {}, t5->rect().center());

    QCOMPARE(caisse.received(), sent);
    QCOMPARE(terminal.form->session().table(), QStringLiteral("5"));
    QCOMPARE(terminal.form->session().covers(), covers.contains(QLatin1Char('$')) ? QString() : covers);
    QCOMPARE(terminal.choixtable()->headerLabel()->text(), header);
    QVERIFY(!terminal.plan()->isVisible());
    QCOMPARE(terminal.ticketView()->ticketMemo()->toPlainText(), QStringLiteral("2 EAU\nTOTAL"));
    QCOMPARE(terminal.choixtable()->coversPanel()->isVisible(), coversPanel);
    QCOMPARE(terminal.form->frontView(),
             coversPanel ? static_cast<QWidget*>(terminal.choixtable()) : terminal.ticketView());
}

void tst_TableChoice::workingWithoutATable()
{
    ScriptedRegister caisse;
    caisse.replyBytes("1 BIERE\r\n\r\n");
    Terminal terminal(caisse);
    terminal.form->session().setTable(QStringLiteral("12"));
    terminal.form->session().setCovers(QStringLiteral("4"));
    terminal.choixtable()->tableListPanel()->show();

    Q_EMIT terminal.choixtable()->waiterAccountKey()->clicked();

    QCOMPARE(caisse.received(), QByteArray("ad$0$4$1$\r\n"));
    QCOMPARE(terminal.form->session().table(), QStringLiteral("0"));
    QCOMPARE(terminal.form->frontView(), terminal.ticketView());
    QVERIFY(!terminal.choixtable()->isVisible());
    QVERIFY(!terminal.choixtable()->tableListPanel()->isVisible());
    QCOMPARE(terminal.choixtable()->headerLabel()->text(), QStringLiteral("Paul Aucune Table"));
    QCOMPARE(terminal.ticketView()->ticketMemo()->toPlainText(), QStringLiteral("1 BIERE"));
}

void tst_TableChoice::tableTakenWhileTheRegisterIsGoneShowsNoOtherTicket_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("table");
    QTest::newRow("from the list") << "list"
                                   << "12";
    QTest::newRow("on the plan") << "plan"
                                 << "5";
    QTest::newRow("without a table") << "account"
                                     << "0";
}

void tst_TableChoice::tableTakenWhileTheRegisterIsGoneShowsNoOtherTicket()
{
    QFETCH(QString, way);
    QFETCH(QString, table);

    // no request gets out: the ticket of the table taken never comes
    ScriptedRegister caisse;
    caisse.stopListening();
    Terminal terminal(caisse);
    terminal.form->session().setTable(QStringLiteral("3"));
    auto* memo = terminal.ticketView()->ticketMemo();
    memo->setPlainText(QStringLiteral("Table 3                 2 couverts\n1  Cafe                       2,00"));

    if (way == QLatin1String("list")) {
        terminal.listWithSelected(QStringLiteral("Table 12 Libre"));
        terminal.choixtable()->tableListPanel()->validateButton()->click();
    } else if (way == QLatin1String("plan")) {
        terminal.buildTables();
        terminal.plan()->show();
        CatalogueKey* t5 = terminal.form->catalogueLoad().tableButtons().key(4);
        QTest::mouseClick(t5, Qt::LeftButton, {}, t5->rect().center());
    } else {
        Q_EMIT terminal.choixtable()->waiterAccountKey()->clicked();
    }

    QCOMPARE(terminal.form->session().table(), table);
    QCOMPARE(terminal.form->frontView(), terminal.ticketView());
    QCOMPARE(memo->toPlainText(), QString());
}

void tst_TableChoice::coversQuery_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("selected"); // -1: no entry
    QTest::addColumn<QString>("label11");
    QTest::addColumn<QString>("valider");

    const QString before = QStringLiteral("Actuellement, 2 couvert(s)");
    QTest::newRow("4 → entry 4 selected, Actuellement, 4 couvert(s)") << "4" << 4 << "Actuellement, 4 couvert(s)"
                                                                      << "Valider 4 couvert(s)";
    QTest::newRow("25 → the last entry") << "25" << 25 << "Actuellement, 25 couvert(s)"
                                         << "Valider 25 couvert(s)";
    QTest::newRow("no answer → the panel as it was")
        << ScriptedRegister::Silent << 2 << before << "Valider 2 couvert(s)";
    QTest::newRow("not a number → the panel as it was") << "quatre" << 2 << before << "Valider 2 couvert(s)";
    QTest::newRow("a negative count → the panel as it was") << "-1" << 2 << before << "Valider 2 couvert(s)";
    QTest::newRow("30 → shown as the register's count, no entry taken for it")
        << "30" << -1 << "Actuellement, 30 couvert(s)"
        << "Valider";
}

void tst_TableChoice::coversQuery()
{
    QFETCH(QString, reply);
    QFETCH(int, selected);
    QFETCH(QString, label11);
    QFETCH(QString, valider);

    ScriptedRegister caisse;
    caisse.script({reply});
    Terminal terminal(caisse);
    terminal.form->session().setTable(QStringLiteral("12"));
    terminal.form->session().setCovers(QStringLiteral("2"));
    terminal.choixtable()->coversPanel()->coversList()->setCurrentRow(2);
    terminal.choixtable()->coversPanel()->currentCoversLabel()->setText(QStringLiteral("Actuellement, 2 couvert(s)"));

    Q_EMIT terminal.choixtable()->coversKey()->clicked();

    QCOMPARE(caisse.received(), QByteArray("couverts$12$1$\r\n"));
    QVERIFY(terminal.choixtable()->coversPanel()->isVisible());
    const QList<QListWidgetItem*> items = terminal.choixtable()->coversPanel()->coversList()->selectedItems();
    QCOMPARE(items.isEmpty() ? -1 : terminal.choixtable()->coversPanel()->coversList()->row(items.first()), selected);
    QCOMPARE(terminal.choixtable()->coversPanel()->currentCoversLabel()->text(), label11);
    QCOMPARE(terminal.choixtable()->coversPanel()->validateButton()->text(), valider);
    QCOMPARE(terminal.form->session().covers(), QStringLiteral("2"));
}

void tst_TableChoice::coversValider()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("15"));
    caisse.replyBytes("1 MENU~TOTAL\r\n\r\n");
    Terminal terminal(caisse);
    terminal.form->session().setTable(QStringLiteral("12"));
    terminal.form->covers().askForNewTable();
    QListWidget* list = terminal.choixtable()->coversPanel()->coversList();
    QCOMPARE(list->count(), 26);
    QCOMPARE(list->item(25)->text(), QStringLiteral("25"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(15)).center());
    QCOMPARE(terminal.choixtable()->coversPanel()->validateButton()->text(), QStringLiteral("Valider 15 couvert(s)"));
    terminal.choixtable()->coversPanel()->validateButton()->click();

    // the count, then the chosen table's ticket
    QCOMPARE(caisse.received(), QByteArray("envcouverts$12$15$1$\r\nad$12$15$1$\r\n"));
    QCOMPARE(terminal.form->session().covers(), QStringLiteral("15"));
    QCOMPARE(terminal.choixtable()->coversPanel()->currentCoversLabel()->text(),
             QStringLiteral("Actuellement, 15 couvert(s)"));
    QVERIFY(!terminal.choixtable()->coversPanel()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.ticketView());
    QCOMPARE(terminal.ticketView()->ticketMemo()->toPlainText(), QStringLiteral("1 MENU\nTOTAL"));
}

void tst_TableChoice::coversValiderWithNothingSelectedSendsNothing()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.choixtable()->coversPanel()->show();
    terminal.choixtable()->coversPanel()->validateButton()->click();
    QVERIFY(caisse.received().isEmpty());
    QVERIFY(terminal.choixtable()->coversPanel()->isVisible());
    QCOMPARE(terminal.form->session().covers(), QStringLiteral("0"));
}

void tst_TableChoice::coversSortir()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.form->covers().askForNewTable();
    terminal.choixtable()->hide();
    terminal.choixtable()->coversPanel()->leaveButton()->click();
    QVERIFY(caisse.received().isEmpty());
    QVERIFY(!terminal.choixtable()->coversPanel()->isVisible());
    QCOMPARE(terminal.form->frontView(), terminal.choixtable());
    QCOMPARE(terminal.form->session().covers(), QStringLiteral("0"));
}

void tst_TableChoice::tableColours_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("table");
    QTest::addColumn<quint32>("body");
    QTest::addColumn<quint32>("caption");

    const quint32 created = 0x55FF0000;
    const quint32 blue = 0xFF0000FF;
    const quint32 grey = 0xFFB6B6B6;
    const quint32 red = 0xFFFF0000;
    const quint32 white = 0xFFFFFFFF;
    // tables:          1 2 3 4 5 6 7
    const QString all = QStringLiteral("1;1;1;0;0;x;1U0;1;0;1;0;0;1U0;0;1;0;0;0;1");
    QTest::newRow("group 1 only → blue") << all << 1 << blue << white;
    QTest::newRow("groups 1 and 2 → grey") << all << 2 << grey << white;
    QTest::newRow("groups 1 and 3 → red") << all << 3 << red << white;
    QTest::newRow("group 2 only → grey with a white caption") << all << 4 << grey << white;
    QTest::newRow("no flag → the creation colour, white caption") << all << 5 << created << white;
    QTest::newRow("a flag other than 1 is not set") << all << 6 << created << white;
    QTest::newRow("a hidden table keeps its colours") << all << 7 << created << 0x00000000u;
    QTest::newRow("one group only → the others read as not set") << "1;1" << 2 << blue << white;
    QTest::newRow("flags end early → the tables after them are not set") << "1;1U1" << 3 << created << white;
    QTest::newRow("empty reply → colours kept, captions white") << "" << 1 << created << white;
}

void tst_TableChoice::tableColours()
{
    QFETCH(QString, reply);
    QFETCH(int, table);
    QFETCH(quint32, body);
    QFETCH(quint32, caption);

    ScriptedRegister caisse;
    caisse.replyLine(reply);
    Terminal terminal(caisse);
    terminal.buildTables();

    Q_EMIT terminal.choixtable()->roomPlanKey()->clicked();

    QCOMPARE(caisse.received(), QByteArray("tableocc\r\n"));
    QCOMPARE(terminal.form->frontView(), terminal.plan());
    TableButtons& tables = terminal.form->catalogueLoad().tableButtons();
    QCOMPARE(tables.key(table - 1)->colour().rgba(), body);
    QCOMPARE(tables.key(table - 1)->palette().color(QPalette::WindowText).rgba(), caption);
}

void tst_TableChoice::aPlanEntryThatIsNotANumberStopsThePlanAfterTheTablesBeforeIt()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    CatalogueParse::TablePlan plan;
    for (int z = 0; z < 3; ++z) {
        plan.tableleft.append(QString::number(z * 60));
        plan.tabletop.append(QStringLiteral("600"));
        plan.tableh.append(QStringLiteral("60"));
        plan.tablew.append(QStringLiteral("50"));
        plan.tableplan.append(QStringLiteral("1"));
        plan.tablevisible.append(QStringLiteral("1"));
    }
    plan.tabletop[2] = QStringLiteral("6O0");
    TableButtons& tables = terminal.form->catalogueLoad().tableButtons();

    QVERIFY_THROWS_EXCEPTION(FormatError, tables.plan(plan, 403, 651));
    // the plan is read at once, laid out only when its view is shown
    QVERIFY(!terminal.form->findChild<PlanView*>());
    QCOMPARE(tables.count(), 2);
    terminal.plan()->show();
    const double tabHeight = terminal.plan()->roomTabs()->tabBar()->sizeHint().height();
    for (int z = 0; z < 2; ++z)
        QCOMPARE(tables.key(z)->geometry(), CatalogueGeometry::tableButton(plan, z, 403, 651, tabHeight).body.toRect());
    QVERIFY(!tables.key(2));
}

void tst_TableChoice::choisirTableOpensThePlanOverTheTableChoice()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1U0U0"));
    Terminal terminal(caisse);
    terminal.buildTables();
    TicketView* ticket = terminal.ticketView();
    terminal.choixtable()->hide();
    ticket->show();
    ticket->lineActionPanel()->show();

    Q_EMIT ticket->chooseTableKey()->clicked();

    QCOMPARE(caisse.received(), QByteArray("tableocc\r\n"));
    QCOMPARE(terminal.form->frontView(), terminal.plan());
    QVERIFY(terminal.choixtable()->isVisible());
    QVERIFY(!ticket->isVisible());
    QVERIFY(!ticket->curtain()->isVisibleTo(ticket));
    QVERIFY(!ticket->lineActionPanel()->isVisibleTo(ticket));
    QCOMPARE(terminal.form->catalogueLoad().tableButtons().key(0)->colour().rgba(), 0xFF0000FFu);

    terminal.plan()->closeButton()->click();
    QCOMPARE(terminal.form->frontView(), terminal.choixtable());
}

QTEST_MAIN(tst_TableChoice)
#include "tst_tablechoice.moc"
