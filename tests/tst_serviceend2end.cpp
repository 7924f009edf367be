#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "tables/PlanView.h"
#include "tables/TableChoiceView.h"
#include "ticket/LineActionPanel.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/WaiterView.h"
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

private:
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

QTEST_MAIN(tst_ServiceEnd2End)
#include "tst_serviceend2end.moc"
