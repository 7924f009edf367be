#include "ListTouch.h"
#include "SimProcess.h"
#include "TerminalFixture.h"
#include "TicketTouch.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "closing/MessageView.h"
#include "closing/PaymentView.h"
#include "link/RegisterLink.h"
#include "tables/CoversPanel.h"
#include "tables/PlanView.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/CoursePanel.h"
#include "ticket/KitchenDispatchPanel.h"
#include "ticket/LineActionPanel.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketText.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/RedKey.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.1");
constexpr int StartMs = 20000;

using ListTouch::touch;

int rowOf(const QListWidget* list, const QString& text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text)
            return row;
    }
    return -1;
}

// A key found as a screen reader finds it: by the caption it reads out.
CatalogueKey* keyReading(const QWidget* view, const QString& caption)
{
    for (CatalogueKey* key : view->findChildren<CatalogueKey*>()) {
        if (key->accessibleName() == caption)
            return key;
    }
    return nullptr;
}

// The printer lines the simulator logged since the log was that long.
QStringList printed(const QString& log, qsizetype from)
{
    QStringList lines;
    for (const QString& line : log.mid(from).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("printer ")) || line.startsWith(QLatin1String("screen: ")))
            lines.append(line);
    }
    return lines;
}

} // namespace

// A service against the register simulator run as its own process, on its sample restaurant.
class tst_ServiceEnd2End : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void waiterLogsInWithHisCodeTypedDigitByDigit();
    void waiterTakesTableFromPlanGivesCoversAndPicksSecondLine();
    void waiterOrdersAndChangesLinesAsTheRegisterHoldsThem();
    void tableIsSentCourseByCourseRecalledFinalisedAndPaidByCard();

private:
    // Logged in as Camille, on the ticket of table 4 with 4 covers.
    void openTable4();
    // The ticket of table 4 as the simulator holds it, asked on a connection of its own.
    QString registerTicket() const;
    void tapProduct(int article);

    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<TerminalFixture> m_terminal;
};

// A terminal whose settings know the register's address and ask covers for a table that has none: its
// activation starts the service on its own. It runs a copy of the sample restaurant whose table 4 is in
// service without covers.
void tst_ServiceEnd2End::init()
{
    m_terminal = std::make_unique<TerminalFixture>(QStringLiteral("[data]\n0=%1\n3=1\n").arg(SimAddress));
    QFile sample(QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QJsonObject restaurant = QJsonDocument::fromJson(sample.readAll()).object();
    QJsonArray rooms = restaurant.value(QStringLiteral("rooms")).toArray();
    QJsonObject salle = rooms.at(0).toObject();
    QJsonArray tables = salle.value(QStringLiteral("tables")).toArray();
    for (int i = 0; i < tables.size(); ++i) {
        QJsonObject table = tables.at(i).toObject();
        if (table.value(QStringLiteral("number")).toInt() != 4)
            continue;
        QJsonObject ticket = table.value(QStringLiteral("ticket")).toObject();
        ticket.insert(QStringLiteral("covers"), 0);
        table.insert(QStringLiteral("ticket"), ticket);
        tables.replace(i, table);
    }
    salle.insert(QStringLiteral("tables"), tables);
    rooms.replace(0, salle);
    restaurant.insert(QStringLiteral("rooms"), rooms);
    QFile data(m_terminal->folder.filePath(QStringLiteral("restaurant.json")));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(QJsonDocument(restaurant).toJson());
    data.close();

    m_sim = std::make_unique<SimProcess>(SimAddress, QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                                                 QStringLiteral("--data"), data.fileName()});
    QVERIFY(m_sim->isListening());
    m_terminal->form->link().setPort(m_sim->port());
    m_terminal->form->show();
    m_terminal->form->activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(m_terminal->form->frontView(), m_terminal->form->findChild<WaiterView*>(), StartMs);
}

void tst_ServiceEnd2End::cleanup()
{
    m_terminal.reset();
    m_sim.reset();
}

void tst_ServiceEnd2End::waiterLogsInWithHisCodeTypedDigitByDigit()
{
    WaiterView* serveur = m_terminal->form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->waiterKey(1), Qt::LeftButton);
    QVERIFY(serveur->codePanel()->isVisible());

    QTest::keyClicks(serveur->codePanel()->codeEdit(), QStringLiteral("4826"));

    TableChoiceView* choixtable = qobject_cast<TableChoiceView*>(m_terminal->form->view(QStringLiteral("choixtable")));
    QCOMPARE(m_terminal->form->frontView(), choixtable);
    QCOMPARE(choixtable->headerLabel()->text(), QStringLiteral("Camille Aucune Table"));
    QCOMPARE(choixtable->logoutButton()->text(), QStringLiteral("Se déconnecter du compte Camille"));
    QCOMPARE(m_terminal->form->session().waiter(), QStringLiteral("1"));
    QCOMPARE(m_terminal->messages, QStringList{});
    const QStringList requests = m_sim->log().split(QLatin1Char('\n')).filter(QStringLiteral(" <- code"));
    QCOMPARE(requests.size(), 5);
    QVERIFY(requests.constLast().endsWith(QStringLiteral("<- code1$1$4826$")));
}

void tst_ServiceEnd2End::waiterTakesTableFromPlanGivesCoversAndPicksSecondLine()
{
    WaiterView* serveur = m_terminal->form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->waiterKey(1), Qt::LeftButton);
    QTest::keyClicks(serveur->codePanel()->codeEdit(), QStringLiteral("4826"));
    TableChoiceView* choixtable = qobject_cast<TableChoiceView*>(m_terminal->form->view(QStringLiteral("choixtable")));
    QCOMPARE(m_terminal->form->frontView(), choixtable);

    QTest::mouseClick(choixtable->roomPlanKey(), Qt::LeftButton);
    QCOMPARE(m_terminal->form->frontView(), qobject_cast<PlanView*>(m_terminal->form->view(QStringLiteral("plan"))));
    // table 4 is in service: coloured, shown in its room
    CatalogueKey* t4 =
        keyReading(qobject_cast<PlanView*>(m_terminal->form->view(QStringLiteral("plan"))), QStringLiteral("T4"));
    QCOMPARE(t4, m_terminal->form->catalogueLoad().tableButtons().key(3));
    QVERIFY(t4->isVisible());
    QTest::mouseClick(t4, Qt::LeftButton);

    // no covers yet: they are asked before the ticket
    QVERIFY(choixtable->coversPanel()->isVisible());
    QListWidget* covers = choixtable->coversPanel()->coversList();
    covers->setCurrentRow(4);
    QTest::mouseClick(choixtable->coversPanel()->validateButton(), Qt::LeftButton);
    QCOMPARE(m_terminal->form->session().covers(), QStringLiteral("4"));

    TicketView* ticket = m_terminal->ticketView();
    QCOMPARE(m_terminal->form->frontView(), ticket);
    const QStringList lines = ticket->ticketMemo()->toPlainText().split(QLatin1Char('\n'));
    QVERIFY2(lines.first().contains(QStringLiteral("Table 4")), qPrintable(lines.first()));
    QVERIFY2(lines.first().contains(QStringLiteral("4 couverts")), qPrintable(lines.first()));

    // the band of the second article line, where a waiter's finger would touch it
    int second = -1;
    for (int n = 0, articles = 0; n < lines.size(); ++n) {
        if (!lines.at(n).isEmpty() && lines.at(n).at(0) >= QLatin1Char('1') && lines.at(n).at(0) <= QLatin1Char('9') &&
            ++articles == 2) {
            second = n;
            break;
        }
    }
    QVERIFY(second > 0);
    const int pitch = TicketMemo::linePitch(ticket->ticketMemo()->font());
    QTest::mouseClick(ticket->ticketMemo()->viewport(), Qt::LeftButton, {},
                      QPoint(20, (second + 1) * pitch + pitch / 2));
    QVERIFY(ticket->lineActionPanel()->isVisible());
    QCOMPARE(ticket->lineActionPanel()->lineLabel()->text(), lines.at(second));
    QCOMPARE(m_terminal->form->ticketDisplay().linenumber(), 2);
    QCOMPARE(m_terminal->messages, QStringList{});

    const QString log = m_sim->log();
    QVERIFY(log.contains(QStringLiteral("<- tableocc")));
    QVERIFY(log.contains(QStringLiteral("<- envcouverts$4$4$1$")));
}

void tst_ServiceEnd2End::openTable4()
{
    WaiterView* serveur = m_terminal->form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->waiterKey(1), Qt::LeftButton);
    QTest::keyClicks(serveur->codePanel()->codeEdit(), QStringLiteral("4826"));
    TableChoiceView* choixtable = qobject_cast<TableChoiceView*>(m_terminal->form->view(QStringLiteral("choixtable")));
    QTest::mouseClick(choixtable->roomPlanKey(), Qt::LeftButton);
    QTest::mouseClick(m_terminal->form->catalogueLoad().tableButtons().key(3), Qt::LeftButton);
    choixtable->coversPanel()->coversList()->setCurrentRow(4);
    QTest::mouseClick(choixtable->coversPanel()->validateButton(), Qt::LeftButton);
    QCOMPARE(m_terminal->form->frontView(), m_terminal->ticketView());
}

QString tst_ServiceEnd2End::registerTicket() const
{
    RegisterLink link;
    link.setHost(SimAddress);
    link.setPort(m_sim->port());
    return TicketText::fromReply(link.exchange(QStringLiteral("ad$4$4$1$")));
}

void tst_ServiceEnd2End::tapProduct(int article)
{
    const int k = m_terminal->form->catalogue().articles(article);
    auto* ticket = m_terminal->ticketView();
    ticket->keyboardTabs()->setCurrentIndex(m_terminal->form->products().numclav(k) - 1);
    QTest::mouseClick(m_terminal->form->catalogueLoad().productKeys().key(k), Qt::LeftButton);
}

void tst_ServiceEnd2End::waiterOrdersAndChangesLinesAsTheRegisterHoldsThem()
{
    openTable4();
    auto* ticket = m_terminal->ticketView();
    auto* poubelle = qobject_cast<ParkingView*>(m_terminal->form->view(QStringLiteral("poubelle")));
    const auto shown = [ticket] { return ticket->ticketMemo()->toPlainText(); };

    // a drink
    tapProduct(2);
    QCOMPARE(ticket->noteLine()->text(), QStringLiteral("1 * Kir royal"));
    QCOMPARE(shown(), registerTicket());

    // a main served as "premier plat", "Saignant"; it takes supplements, none this time
    tapProduct(200);
    QTest::mouseClick(poubelle->coursePanel()->courseKey(4), Qt::LeftButton);
    QCOMPARE(ticket->optionsList()->item(1)->text(), QStringLiteral("Saignant"));
    QTest::mouseClick(ticket->optionsList()->viewport(), Qt::LeftButton, {},
                      ticket->optionsList()->visualItemRect(ticket->optionsList()->item(1)).center());
    QTest::mouseClick(ticket->optionsValidateButton(), Qt::LeftButton);
    QVERIFY(poubelle->supplementsPanel()->isVisible());
    QTest::mouseClick(poubelle->leaveSupplementsButton(), Qt::LeftButton);
    QVERIFY(shown().contains(QStringLiteral("Entrecote 300 g")));
    QVERIFY(shown().contains(QStringLiteral("Saignant")));
    QCOMPARE(shown(), registerTicket());

    // a dessert with two supplements
    tapProduct(302);
    CheckList* supplements = poubelle->supplementsList();
    for (const int row : {7, 8}) {
        supplements->scrollToItem(supplements->item(row));
        QTest::mouseClick(supplements->viewport(), Qt::LeftButton, {},
                          supplements->visualItemRect(supplements->item(row)).center());
    }
    QTest::mouseClick(poubelle->leaveSupplementsButton(), Qt::LeftButton);
    QVERIFY(shown().contains(QStringLiteral("+ Chantilly")));
    QVERIFY(shown().contains(QStringLiteral("+ Boule de glace")));
    QCOMPARE(shown(), registerTicket());

    // one less of the single water: its line goes
    touchArticleLine(m_terminal->ticketView(), QStringLiteral("Eau minerale"));
    QTest::mouseClick(ticket->lineActionPanel()->removeOneButton(), Qt::LeftButton);
    QVERIFY(!shown().contains(QStringLiteral("Eau minerale")));
    QCOMPARE(shown(), registerTicket());

    // the dessert offered
    touchArticleLine(m_terminal->ticketView(), QStringLiteral("Tarte Tatin"));
    QTest::mouseClick(ticket->lineActionPanel()->offerLineButton(), Qt::LeftButton);
    const QStringList tatin = shown().split(QLatin1Char('\n')).filter(QStringLiteral("Tarte Tatin"));
    QCOMPARE(tatin.size(), 1);
    QVERIFY2(tatin.first().endsWith(QStringLiteral("offert")), qPrintable(tatin.first()));
    QCOMPARE(shown(), registerTicket());
    QCOMPARE(m_terminal->messages, QStringList{});
}

void tst_ServiceEnd2End::tableIsSentCourseByCourseRecalledFinalisedAndPaidByCard()
{
    WaiterView* serveur = m_terminal->form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->waiterKey(1), Qt::LeftButton);
    QTest::keyClicks(serveur->codePanel()->codeEdit(), QStringLiteral("4826"));
    TableChoiceView* choixtable = qobject_cast<TableChoiceView*>(m_terminal->form->view(QStringLiteral("choixtable")));
    QTest::mouseClick(choixtable->freeTablesKey(), Qt::LeftButton);
    const int row = rowOf(choixtable->tableListPanel()->tableList(), QStringLiteral("Table 3 Libre"));
    QVERIFY(row >= 0);
    choixtable->tableListPanel()->tableList()->setCurrentRow(row);
    QTest::mouseClick(choixtable->tableListPanel()->validateButton(), Qt::LeftButton);
    choixtable->coversPanel()->coversList()->setCurrentRow(2);
    QTest::mouseClick(choixtable->coversPanel()->validateButton(), Qt::LeftButton);
    TicketView* ticket = m_terminal->ticketView();
    QCOMPARE(m_terminal->form->frontView(), ticket);

    // a kir, a soup as first starter, a choucroute as main course and a crème brûlée, as the product keys order them
    Session& session = m_terminal->form->session();
    for (const auto& [article, course] : {std::pair{2, 1}, {100, 2}, {154, 4}, {300, 7}}) {
        QVERIFY(!m_terminal->form->link().exchange(session.articleRequest(article, course)).reply.isEmpty());
        session.setCourse(course);
    }
    QTest::mouseClick(ticket->refreshKey(), Qt::LeftButton);
    QVERIFY2(ticket->ticketMemo()->toPlainText().contains(QStringLiteral("CHOUCROUTE"), Qt::CaseInsensitive),
             qPrintable(ticket->ticketMemo()->toPlainText()));
    qsizetype logged = m_sim->log().size();

    // course by course: the drinks, the starter, the main course; the dessert left alone goes at once
    KitchenDispatchPanel* panel =
        qobject_cast<ParkingView*>(m_terminal->form->view(QStringLiteral("poubelle")))->dispatchPanel();
    for (int course : {1, 2, 4}) {
        QTest::mouseClick(ticket->sendToKitchenKey(), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QVERIFY(panel->courseKey(course)->isVisible());
        QTest::mouseClick(panel->courseKey(course), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(ticket->noteLine()->text(), QStringLiteral("Envoyé.."));
    }
    QTest::mouseClick(ticket->sendToKitchenKey(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    // the simulator's log comes through the event loop
    QTRY_COMPARE(printed(m_sim->log(), logged).size(), 4);
    QStringList lines = printed(m_sim->log(), logged);
    QVERIFY2(lines.at(0).startsWith(QStringLiteral("printer bar: COMMANDE Table 3")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(0).endsWith(QStringLiteral("Boissons: 1 KIR ROYAL")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).endsWith(QStringLiteral("première entrée: 1 SOUPE OIGNON")), qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).endsWith(QStringLiteral("premier plat: 1 CHOUCROUTE")), qPrintable(lines.at(2)));
    QVERIFY2(lines.at(3).endsWith(QStringLiteral("dessert: 1 CREME BRULEE")), qPrintable(lines.at(3)));
    logged = m_sim->log().size();

    // a recall under the course of the last article, then the main course claimed
    QTest::mouseClick(ticket->recallKey(), Qt::LeftButton);
    CheckList* list = ticket->recallList();
    QCOMPARE(list->count(), 6);
    // the register sends its texts without accents
    const int recall = rowOf(list, QStringLiteral("Client presse"));
    QVERIFY(recall >= 0);
    touch(list, recall);
    QTest::mouseClick(ticket->recallSendButton(), Qt::LeftButton);
    QTest::mouseClick(ticket->nextCourseKey(), Qt::LeftButton);
    QVERIFY(ticket->recallPanel()->isVisible());
    const int mainCourse = rowOf(list, QStringLiteral("1 CHOUCROUTE"));
    QVERIFY2(mainCourse >= 0, qPrintable(QStringLiteral("%1 entries").arg(list->count())));
    touch(list, mainCourse);
    QTest::mouseClick(ticket->recallSendButton(), Qt::LeftButton);

    // a word for the kitchen
    QTest::mouseClick(ticket->registerMessageKey(), Qt::LeftButton);
    MessageView* messages = m_terminal->form->findChild<MessageView*>();
    messages->messageEdit()->insert(QStringLiteral("Sans oignons"));
    QTest::mouseClick(messages->toKitchenPrintersKey(), Qt::LeftButton);
    QCOMPARE(m_terminal->form->frontView(), ticket);

    QTRY_COMPARE(printed(m_sim->log(), logged).size(), 4);
    lines = printed(m_sim->log(), logged);
    QVERIFY2(lines.at(0).contains(QStringLiteral("RAPPEL Table 3")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(0).endsWith(QStringLiteral("dessert: Client pressé")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).contains(QStringLiteral("SUITE Table 3")), qPrintable(lines.at(1)));
    QVERIFY2(lines.at(1).endsWith(QStringLiteral("premier plat: 1 CHOUCROUTE")), qPrintable(lines.at(1)));
    QVERIFY2(lines.constLast().endsWith(QStringLiteral("Sans oignons")), qPrintable(lines.constLast()));
    logged = m_sim->log().size();

    // finalised, paid by card, back to the table choice
    const QString shown = ticket->ticketMemo()->toPlainText();
    QTest::mouseClick(ticket->finaliseKey(), Qt::LeftButton);
    PaymentView* encaissement = m_terminal->form->findChild<PaymentView*>();
    QCOMPARE(m_terminal->form->frontView(), encaissement);
    QCOMPARE(encaissement->billMemo()->toPlainText(), shown);
    // the amount the register asks for is the ticket's total
    const QString total = shown.split(QLatin1Char('\n')).constLast().split(QLatin1Char(' ')).constLast();
    QCOMPARE(encaissement->amountLabel()->text(), QStringLiteral("A régler: ") + total + QStringLiteral(" EUR"));
    QTest::mouseClick(encaissement->paymentMode1Key(), Qt::LeftButton);
    QCOMPARE(m_terminal->form->frontView(), choixtable);
    QTRY_COMPARE(printed(m_sim->log(), logged).size(), 2);
    lines = printed(m_sim->log(), logged);
    QVERIFY2(lines.at(0).contains(QStringLiteral("NOTE Table 3")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).contains(QStringLiteral("TICKET Table 3")), qPrintable(lines.at(1)));
    QVERIFY2(lines.at(1).contains(QStringLiteral("Carte bancaire")), qPrintable(lines.at(1)));
    QCOMPARE(m_terminal->messages, QStringList{});
}

QTEST_MAIN(tst_ServiceEnd2End)
#include "tst_serviceend2end.moc"
