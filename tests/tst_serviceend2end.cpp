#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "link/RegisterLink.h"
#include "tables/PlanView.h"
#include "tables/TableChoiceView.h"
#include "ticket/CoursePanel.h"
#include "ticket/LineActionPanel.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketText.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/WaiterView.h"
#include "widgets/CheckList.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"
#include "widgets/TapCaption.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.126");
constexpr int StartMs = 20000;

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

private:
    // Logged in as Camille, on the ticket of table 4 with 4 covers.
    void openTable4();
    // The ticket of table 4 as the simulator holds it, asked on a connection of its own.
    QString registerTicket() const;
    void tapProduct(int article);
    void touchLineContaining(const QString& text);

    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindow> m_form;
    QStringList m_messages;
};

// A terminal whose settings know the register's address and ask covers for a table that has none: its
// activation starts the service on its own. It runs a copy of the sample restaurant whose table 4 is in
// service without covers.
void tst_ServiceEnd2End::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
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
    QFile data(m_folder->filePath(QStringLiteral("restaurant.json")));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(QJsonDocument(restaurant).toJson());
    data.close();

    m_sim = std::make_unique<SimProcess>(SimAddress, QStringList{QStringLiteral("--data"), data.fileName()});
    QVERIFY(m_sim->isListening());
    QFile file(m_folder->filePath(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[data]\n0=" + SimAddress.toLatin1() + "\n3=1\n");
    file.close();
    m_messages.clear();
    MessageBox::setHandler([this](const QString& text) { m_messages.append(text); });
    m_form = std::make_unique<MainWindow>(m_folder->path());
    m_form->show();
    m_form->activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(m_form->frontView(), m_form->findChild<WaiterView*>(), StartMs);
}

void tst_ServiceEnd2End::cleanup()
{
    m_form.reset();
    MessageBox::setHandler({});
    m_sim.reset();
}

void tst_ServiceEnd2End::waiterLogsInWithHisCodeTypedDigitByDigit()
{
    WaiterView* serveur = m_form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->s1(), Qt::LeftButton);
    QVERIFY(serveur->Rectangle11()->isVisible());

    QTest::keyClicks(serveur->Edit3(), QStringLiteral("4826"));

    TableChoiceView* choixtable = m_form->findChild<TableChoiceView*>();
    QCOMPARE(m_form->frontView(), choixtable);
    QCOMPARE(choixtable->Label12()->text(), QStringLiteral("Camille Aucune Table"));
    QCOMPARE(choixtable->Button17()->text(), QStringLiteral("Se déconnecter du compte Camille"));
    QCOMPARE(m_form->session().waiter(), QStringLiteral("1"));
    QCOMPARE(m_messages, QStringList{});
    const QStringList requests = m_sim->log().split(QLatin1Char('\n')).filter(QStringLiteral(" <- code"));
    QCOMPARE(requests.size(), 5);
    QVERIFY(requests.constLast().endsWith(QStringLiteral("<- code1$1$4826$")));
}

void tst_ServiceEnd2End::waiterTakesTableFromPlanGivesCoversAndPicksSecondLine()
{
    WaiterView* serveur = m_form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->s1(), Qt::LeftButton);
    QTest::keyClicks(serveur->Edit3(), QStringLiteral("4826"));
    TableChoiceView* choixtable = m_form->findChild<TableChoiceView*>();
    QCOMPARE(m_form->frontView(), choixtable);

    QTest::mouseClick(choixtable->button20(), Qt::LeftButton);
    QCOMPARE(m_form->frontView(), m_form->findChild<PlanView*>());
    // table 4 is in service: coloured, shown in its room
    TapCaption* t4 = m_form->catalogueLoad().tableButtons().ltable(3);
    QVERIFY(t4->isVisible());
    QCOMPARE(t4->text(), QStringLiteral("T4"));
    QTest::mouseClick(t4, Qt::LeftButton);

    // no covers yet: they are asked before the ticket
    QVERIFY(choixtable->Panelcouv()->isVisible());
    QListWidget* covers = choixtable->ListBox1();
    covers->setCurrentRow(4);
    QTest::mouseClick(choixtable->Button15(), Qt::LeftButton);
    QCOMPARE(m_form->session().covers(), QStringLiteral("4"));

    TicketView* ticket = m_form->findChild<TicketView*>();
    QCOMPARE(m_form->frontView(), ticket);
    const QStringList lines = ticket->Memo1()->toPlainText().split(QLatin1Char('\n'));
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
    const int pitch = TicketMemo::linePitch(ticket->Memo1()->font());
    QTest::mouseClick(ticket->Memo1()->viewport(), Qt::LeftButton, {}, QPoint(20, (second + 1) * pitch + pitch / 2));
    QVERIFY(ticket->panel_annul()->isVisible());
    QCOMPARE(ticket->panel_annul()->Label17()->text(), lines.at(second));
    QCOMPARE(m_form->ticketDisplay().linenumber(), 2);
    QCOMPARE(m_messages, QStringList{});

    const QString log = m_sim->log();
    QVERIFY(log.contains(QStringLiteral("<- tableocc")));
    QVERIFY(log.contains(QStringLiteral("<- envcouverts$4$4$1$")));
}

void tst_ServiceEnd2End::openTable4()
{
    WaiterView* serveur = m_form->findChild<WaiterView*>();
    QTest::mouseClick(serveur->s1(), Qt::LeftButton);
    QTest::keyClicks(serveur->Edit3(), QStringLiteral("4826"));
    TableChoiceView* choixtable = m_form->findChild<TableChoiceView*>();
    QTest::mouseClick(choixtable->button20(), Qt::LeftButton);
    QTest::mouseClick(m_form->catalogueLoad().tableButtons().ltable(3), Qt::LeftButton);
    choixtable->ListBox1()->setCurrentRow(4);
    QTest::mouseClick(choixtable->Button15(), Qt::LeftButton);
    QCOMPARE(m_form->frontView(), m_form->findChild<TicketView*>());
}

QString tst_ServiceEnd2End::registerTicket() const
{
    RegisterLink link;
    link.setHost(SimAddress);
    return TicketText::fromReply(link.exchange(QStringLiteral("ad$4$4$1$")));
}

void tst_ServiceEnd2End::tapProduct(int article)
{
    const int k = m_form->catalogue().articles(article);
    auto* ticket = m_form->findChild<TicketView*>();
    ticket->TabControl()->setCurrentIndex(m_form->products().numclav(k) - 1);
    QTest::mouseClick(m_form->catalogueLoad().productKeys().labeltouche(k), Qt::LeftButton);
}

void tst_ServiceEnd2End::touchLineContaining(const QString& text)
{
    auto* ticket = m_form->findChild<TicketView*>();
    const QStringList lines = ticket->Memo1()->toPlainText().split(QLatin1Char('\n'));
    int n = 0;
    while (n < lines.size() && !(TicketText::isArticleLine(lines.at(n)) && lines.at(n).contains(text)))
        ++n;
    QVERIFY2(n < lines.size(), qPrintable(text));
    const int pitch = TicketMemo::linePitch(ticket->Memo1()->font());
    QTest::mouseClick(ticket->Memo1()->viewport(), Qt::LeftButton, {}, QPoint(20, (n + 1) * pitch + pitch / 2));
    QVERIFY(ticket->panel_annul()->isVisible());
}

void tst_ServiceEnd2End::waiterOrdersAndChangesLinesAsTheRegisterHoldsThem()
{
    openTable4();
    auto* ticket = m_form->findChild<TicketView*>();
    auto* poubelle = m_form->findChild<ParkingView*>();
    const auto shown = [ticket] { return ticket->Memo1()->toPlainText(); };

    // a drink
    tapProduct(2);
    QCOMPARE(ticket->Memoart()->text(), QStringLiteral("1 * Kir royal"));
    QCOMPARE(shown(), registerTicket());

    // a main served as "premier plat", "Saignant"; it takes supplements, none this time
    tapProduct(200);
    QTest::mouseClick(poubelle->choixrang()->btnr(4), Qt::LeftButton);
    QCOMPARE(ticket->ListViewcuis()->item(1)->text(), QStringLiteral("Saignant"));
    QTest::mouseClick(ticket->ListViewcuis()->viewport(), Qt::LeftButton, {},
                      ticket->ListViewcuis()->visualItemRect(ticket->ListViewcuis()->item(1)).center());
    QTest::mouseClick(ticket->Button21(), Qt::LeftButton);
    QVERIFY(poubelle->Panelsupp()->isVisible());
    QTest::mouseClick(poubelle->Button23(), Qt::LeftButton);
    QVERIFY(shown().contains(QStringLiteral("Entrecote 300 g")));
    QVERIFY(shown().contains(QStringLiteral("Saignant")));
    QCOMPARE(shown(), registerTicket());

    // a dessert with two supplements
    tapProduct(302);
    CheckList* supplements = poubelle->ListViewsupp();
    for (const int row : {7, 8}) {
        supplements->scrollToItem(supplements->item(row));
        QTest::mouseClick(supplements->viewport(), Qt::LeftButton, {},
                          supplements->visualItemRect(supplements->item(row)).center());
    }
    QTest::mouseClick(poubelle->Button23(), Qt::LeftButton);
    QVERIFY(shown().contains(QStringLiteral("+ Chantilly")));
    QVERIFY(shown().contains(QStringLiteral("+ Boule de glace")));
    QCOMPARE(shown(), registerTicket());

    // one less of the single water: its line goes
    touchLineContaining(QStringLiteral("Eau minerale"));
    QTest::mouseClick(ticket->panel_annul()->Button34(), Qt::LeftButton);
    QVERIFY(!shown().contains(QStringLiteral("Eau minerale")));
    QCOMPARE(shown(), registerTicket());

    // the dessert offered
    touchLineContaining(QStringLiteral("Tarte Tatin"));
    QTest::mouseClick(ticket->panel_annul()->Button35(), Qt::LeftButton);
    const QStringList tatin = shown().split(QLatin1Char('\n')).filter(QStringLiteral("Tarte Tatin"));
    QCOMPARE(tatin.size(), 1);
    QVERIFY2(tatin.first().endsWith(QStringLiteral("offert")), qPrintable(tatin.first()));
    QCOMPARE(shown(), registerTicket());
    QCOMPARE(m_messages, QStringList{});
}

QTEST_MAIN(tst_ServiceEnd2End)
#include "tst_serviceend2end.moc"
