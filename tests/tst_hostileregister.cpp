#include "GoneRegister.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/LinkProbe.h"
#include "app/StartView.h"
#include "catalogue/Catalogue.h"
#include "session/Limits.h"
#include "settings/SettingsSlots.h"
#include "tables/PlanView.h"
#include "tables/TableButtons.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/TicketView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/RedKey.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <thread>

namespace {

// No tap may hold the screen longer, whatever the register does.
constexpr qint64 HoldBoundMs = 4500;

// Waiter 1 on the table choice, tables 1 to 6 on the plan, the link open to the register as in service.
struct Terminal : TerminalFixture
{
    explicit Terminal(ScriptedRegister& caisse)
    {
        QVERIFY(activate());
        linkTo(caisse);
        form->link().setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
        form->session().setWaiter(1);
        form->session().setCovers(QStringLiteral("2"));
        form->settings()[SettingsSlots::AskCovers] = QStringLiteral("0");
        CatalogueParse::TablePlan plan;
        for (int z = 0; z < Limits::Tables; ++z) {
            plan.tableleft.append(QString::number(z * 60));
            plan.tabletop.append(QStringLiteral("600"));
            plan.tableh.append(QStringLiteral("60"));
            plan.tablew.append(QStringLiteral("50"));
            plan.tableplan.append(z < 6 ? QStringLiteral("1") : QString());
            plan.tablevisible.append(z < 6 ? QStringLiteral("1") : QStringLiteral("0"));
        }
        form->catalogueLoad().tableButtons().plan(plan, form->catalogueLoad().startSize().width(),
                                                  form->catalogueLoad().startSize().height());
        startView()->hide();
        choixtable()->show();
        // one exchange in service: the connection stays open
        caisse.replyLine(QStringLiteral("OK"));
        QCOMPARE(form->link().exchange(QStringLiteral("connect")), QStringLiteral("OK"));
    }

    TableChoiceView* choixtable() const
    {
        return qobject_cast<TableChoiceView*>(form->view(QStringLiteral("choixtable")));
    }
    PlanView* planView() const { return qobject_cast<PlanView*>(form->view(QStringLiteral("plan"))); }
    StartView* startView() const { return form->findChild<StartView*>(); }
    TicketView* ticket() const { return ticketView(); }

    // The tap; how long it held the screen.
    qint64 tap(const QString& way)
    {
        QElapsedTimer held;
        held.start();
        if (way == QLatin1String("list")) {
            QListWidget* list = choixtable()->tableListPanel()->tableList();
            list->addItem(QStringLiteral("Table 12 Libre"));
            list->setCurrentRow(0);
            choixtable()->tableListPanel()->show();
            held.restart();
            choixtable()->tableListPanel()->validateButton()->click();
        } else if (way == QLatin1String("plan")) {
            planView()->show();
            CatalogueKey* t5 = form->catalogueLoad().tableButtons().key(4);
            held.restart();
            QTest::mouseClick(t5, Qt::LeftButton, {}, t5->rect().center());
        } else {
            form->session().setTable(QStringLiteral("12"));
            ticket()->show();
            held.restart();
            Q_EMIT ticket()->sendAllAndLeaveKey()->clicked();
        }
        return held.elapsed();
    }
};

} // namespace

class tst_HostileRegister : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vanishedRegisterHoldsNoTapLong_data();
    void vanishedRegisterHoldsNoTapLong();
    void slowLineIsNoLinkError();
};

void tst_HostileRegister::vanishedRegisterHoldsNoTapLong_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("firstRequest");
    QTest::addColumn<QString>("gone");

    const QList<std::array<QString, 3>> ways{
        {QStringLiteral("a table taken from the list"), QStringLiteral("list"), QStringLiteral("couverts$12$")},
        {QStringLiteral("a table taken on the plan"), QStringLiteral("plan"), QStringLiteral("couverts$5$2$1$")},
        {QStringLiteral("Retour menu"), QStringLiteral("retour"), QStringLiteral("ec$12$2$1$0$")},
    };
    for (const QString& gone : GoneRegister::ways()) {
        for (const auto& [name, way, firstRequest] : ways)
            QTest::newRow(qPrintable(name + QStringLiteral(", ") + gone)) << way << firstRequest << gone;
    }
}

void tst_HostileRegister::vanishedRegisterHoldsNoTapLong()
{
    QFETCH(QString, way);
    QFETCH(QString, firstRequest);
    QFETCH(QString, gone);
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    const GoneRegister goneRegister(caisse, gone);
    terminal.form->link().setPort(goneRegister.port());
    terminal.ticket()->ticketMemo()->setPlainText(QStringLiteral("1 CAFE"));

    const qint64 held = terminal.tap(way);

    QVERIFY2(held < HoldBoundMs, qPrintable(QString::number(held)));
    QCOMPARE(caisse.requests().mid(0, 2), QStringList({QStringLiteral("connect"), firstRequest}));
    QVERIFY(terminal.messages.isEmpty());
    // the screen stays as it stood: the ticket of the table left, or none under a table taken
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(),
             way == QLatin1String("retour") ? QStringLiteral("1 CAFE") : QString());
    QVERIFY(!terminal.form->link().connected());

    // the probe takes a connect that just failed for its own; a register that took the connection is tried
    QElapsedTimer probe;
    probe.start();
    terminal.form->linkProbe().probe();
    if (!goneRegister.refusesConnections()) {
        QCOMPARE(caisse.requests().last(), QStringLiteral("connect"));
        QCOMPARE_GE(probe.elapsed(), RegisterLink::ReadTimeoutMs - 50);
    } else {
        QCOMPARE_LT(probe.elapsed(), 300);
    }
    QCOMPARE(terminal.form->frontView(), terminal.startView());
}

void tst_HostileRegister::slowLineIsNoLinkError()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    caisse.replyLine(QStringLiteral("4"));
    caisse.ignore();
    caisse.replyLine(QStringLiteral("2 CAFE~TOTAL 9,00"));
    // the ticket comes a byte every 100 ms, over more than 3 s, then ends
    const QByteArray ticket("1 CAFE~1 EAU~1 TARTE~TOTAL 17,00 EUR");
    std::thread trickle([&] {
        caisse.waitForRequests(3);
        for (const char byte : ticket + "\r\n") {
            caisse.sendNow(QByteArray(1, byte));
            QThread::msleep(100);
        }
    });

    const qint64 held = terminal.tap(QStringLiteral("plan"));
    trickle.join();

    QCOMPARE_GE(held, 3600);
    // read whole, on the same connection: the plan's own ticket request came after it
    QCOMPARE(caisse.requests(), QStringList({QStringLiteral("connect"), QStringLiteral("couverts$5$2$1$"),
                                             QStringLiteral("ad$5$4$1$"), QStringLiteral("ad$5$0$1$")}));
    QCOMPARE(caisse.connectionCount(), 1);
    QCOMPARE(terminal.form->session().covers(), QStringLiteral("4"));
    QCOMPARE(terminal.ticket()->ticketMemo()->toPlainText(), QStringLiteral("2 CAFE\nTOTAL 9,00"));
    QVERIFY(terminal.messages.isEmpty());
    QVERIFY(terminal.startView()->isHidden());
}

QTEST_MAIN(tst_HostileRegister)

#include "tst_hostileregister.moc"
