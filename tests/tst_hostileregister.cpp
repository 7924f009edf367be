#include "ScriptedRegister.h"
#include "TerminalFixture.h"
#include "UnansweringHost.h"

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
#include <QPushButton>
#include <QTest>

#include <atomic>
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
    void trickledTicketHoldsNoTapLong();
};

void tst_HostileRegister::vanishedRegisterHoldsNoTapLong_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("firstRequest");

    QTest::newRow("a table taken from the list") << "list"
                                                 << "couverts$12$";
    QTest::newRow("a table taken on the plan") << "plan"
                                               << "couverts$5$2$1$";
    QTest::newRow("Retour menu") << "retour"
                                 << "ec$12$2$1$0$";
}

void tst_HostileRegister::vanishedRegisterHoldsNoTapLong()
{
    QFETCH(QString, way);
    QFETCH(QString, firstRequest);
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    // the Wi-Fi fails: the open connection goes silent and new connection requests are lost
    const UnansweringHost gone;
    terminal.form->link().setPort(gone.port());

    const qint64 held = terminal.tap(way);

    QVERIFY2(held < HoldBoundMs, qPrintable(QString::number(held)));
    QCOMPARE(caisse.requests(), QStringList({QStringLiteral("connect"), firstRequest}));
    QVERIFY(terminal.messages.isEmpty());
    // the probe knows the register is gone: no connect of its own, the start view at once
    QElapsedTimer probe;
    probe.start();
    terminal.form->linkProbe().probe();
    QCOMPARE_LT(probe.elapsed(), 300);
    QCOMPARE(terminal.form->frontView(), terminal.startView());
}

void tst_HostileRegister::trickledTicketHoldsNoTapLong()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    caisse.replyLine(QStringLiteral("4"));
    // every ticket comes one byte at a time and never ends
    std::atomic<bool> stop{false};
    std::thread trickle([&] {
        while (!stop) {
            if (caisse.requests().size() >= 3)
                caisse.sendNow("x");
            QThread::msleep(100);
        }
    });

    const qint64 held = terminal.tap(QStringLiteral("plan"));
    stop = true;
    trickle.join();

    QVERIFY2(held < HoldBoundMs, qPrintable(QString::number(held)));
    // the refresh never got its line: the plan's own ticket request was not even tried
    QCOMPARE(caisse.requests(),
             QStringList({QStringLiteral("connect"), QStringLiteral("couverts$5$2$1$"), QStringLiteral("ad$5$4$1$")}));
    QCOMPARE(terminal.form->session().covers(), QStringLiteral("4"));
    QVERIFY(terminal.messages.isEmpty());
}

QTEST_MAIN(tst_HostileRegister)

#include "tst_hostileregister.moc"
