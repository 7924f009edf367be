#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/LinkProbe.h"
#include "app/Navigator.h"
#include "widgets/RedKey.h"
#include "widgets/ViewSlot.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

// A window of plain views in the terminal's stack order, back to front.
struct Window
{
    QWidget window;
    QWidget* outdatedNotice = view(QStringLiteral("outdatedNotice"));
    QWidget* tableChoice = view(QStringLiteral("tableChoice"));
    QWidget* config = view(QStringLiteral("config"));
    QWidget* payment = view(QStringLiteral("payment"));
    QWidget* setMenu = view(QStringLiteral("setMenu"));
    QWidget* start = view(QStringLiteral("start"));
    QWidget* message = view(QStringLiteral("message"));
    QWidget* plan = view(QStringLiteral("plan"));
    QWidget* parking = view(QStringLiteral("parking"));
    QWidget* waiter = view(QStringLiteral("waiter"));
    QWidget* notice = view(QStringLiteral("notice"));
    QWidget* ticket = view(QStringLiteral("ticket"));
    Navigator navigator{
        {start, config, outdatedNotice, waiter, tableChoice, plan, ticket, payment, setMenu, message, parking, notice}};

    Window()
    {
        window.resize(200, 300);
        window.show();
    }

    QWidget* view(const QString& name)
    {
        auto* widget = new QWidget(&window);
        widget->setObjectName(name);
        widget->setGeometry(0, 0, 200, 300);
        return widget;
    }

    // What the waiter sees: the visible view latest in the stack order as the window paints it, the notice aside.
    QString front() const
    {
        const QObjectList& views = window.children();
        for (auto it = views.crbegin(); it != views.crend(); ++it) {
            const auto* view = qobject_cast<QWidget*>(*it);
            if (view && view->isVisible() && view != notice)
                return view->objectName();
        }
        return QString();
    }

    // The visible views as the window stacks them, back to front.
    QStringList visible() const
    {
        QStringList names;
        for (const QObject* child : window.children()) {
            const auto* view = qobject_cast<const QWidget*>(child);
            if (view && view->isVisible())
                names.append(view->objectName());
        }
        return names;
    }

    // The same, as the navigator keeps its order: both must agree.
    QStringList visibleInOrder() const
    {
        QStringList names;
        for (const QWidget* view : navigator.visibleViews())
            names.append(view->objectName());
        return names;
    }
};

QWidget* plainView(QWidget* window, const QString& name)
{
    auto* view = new QWidget(window);
    view->setObjectName(name);
    view->setGeometry(0, 0, 200, 300);
    view->hide();
    return view;
}

using Intents = std::function<void(Navigation&)>;

// A terminal installed afresh, its catalogue cached under the register's stamp, driven by a waiter's finger: each
// step is what he reads on the control he touches.
class Waiter
{
public:
    Waiter() : m_terminal(TerminalFixture::cachedCatalogue(QStringLiteral("57"))) {}

    bool activate() { return m_terminal.activate(); }
    MainWindow& form() const { return *m_terminal.form; }

    void perform(const QString& step)
    {
        if (step == QLatin1String("adresse")) {
            QTest::keyClicks(m_terminal.find<QLineEdit>(QStringLiteral("Edit1")), m_caisse.address());
        } else if (step == QLatin1String("la sonde ne trouve plus la caisse")) {
            m_caisse.replyLine(QStringLiteral("non"));
            form().linkProbe().probe();
        } else if (step == QLatin1String("Utilisation en local")) {
            m_caisse.replyLine(QStringLiteral("caisse~1~57"));
            m_caisse.replyLine(QStringLiteral("numversion~2~2~3"));
            // the settings the configuration read again gave the link the register's own port
            form().link().setPort(m_caisse.port());
            tap(step);
        } else if (step == QLatin1String("Camille")) {
            m_caisse.replyLine(QStringLiteral("1"));
            tap(step);
        } else if (step == QLatin1String("Plan de salle") || step == QLatin1String("Choisir table")) {
            m_caisse.replyLine(QString());
            tap(step);
        } else if (step == QLatin1String("Travailler sans table sur le compte serveur")) {
            m_caisse.replyBytes("Camille~1 CAFE\n\n");
            tap(step);
        } else {
            tap(step);
        }
    }

    // The views the window shows, back to front, by their object names.
    QStringList visible() const
    {
        QStringList names;
        for (const QWidget* view : form().visibleViews())
            names.append(view->objectName());
        return names;
    }

    // The view a finger in the middle of the window reaches: the one it paints in front.
    QString reached() const
    {
        QWidget* hit = form().childAt(form().rect().center());
        while (hit && hit->parentWidget() != &form())
            hit = hit->parentWidget();
        return hit ? hit->objectName() : QString();
    }

private:
    // The control reading that caption where the finger lands on it, should the window show it there.
    void tap(const QString& caption)
    {
        for (QWidget* control : form().findChildren<QWidget*>()) {
            if (!control->isVisible() || captionOf(control) != caption)
                continue;
            QWidget* hit = form().childAt(control->mapTo(&form(), control->rect().center()));
            if (hit != control && !control->isAncestorOf(hit))
                continue;
            QTest::mouseClick(control, Qt::LeftButton);
            return;
        }
        QFAIL(qPrintable(QStringLiteral("no control reading \"%1\" within reach").arg(caption)));
    }

    static QString captionOf(const QWidget* control)
    {
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            return button->text();
        if (const auto* key = qobject_cast<const RedKey*>(control))
            return key->caption()->text();
        return QString();
    }

    ScriptedRegister m_caisse;
    TerminalFixture m_terminal;
};

} // namespace

Q_DECLARE_METATYPE(Intents)

class tst_Navigator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheStartViewIsUpAtCreation();
    void screens_data();
    void screens();
    void closingThePlanSaysWhetherItWasUp();
    void aLateViewIsMadeByTheFirstIntentThatShowsIt();
    void aLateViewTakesThePlaceTheOrderGivesIt();
    void tapSequences_data();
    void tapSequences();
    void paintingServesOrDropsTheInputMeanwhile();
};

void tst_Navigator::onlyTheStartViewIsUpAtCreation()
{
    const Window window;
    QCOMPARE(window.visible(), QStringList{QStringLiteral("start")});
}

void tst_Navigator::screens_data()
{
    QTest::addColumn<Intents>("intents");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QStringList>("visible"); // in stack order

    const auto serving = [](Navigation& to) {
        to.enterService();
        to.leaveWaiterKeys();
    };
    const auto onTicket = [serving](Navigation& to) {
        serving(to);
        to.openTicket();
    };
    QTest::newRow("the configuration stands in front of the start view it replaces")
        << Intents([](Navigation& to) { to.openConfiguration(); }) << "config" << QStringList{"config"};
    QTest::newRow("leaving the configuration brings the start view back") << Intents([](Navigation& to) {
        to.openConfiguration();
        to.closeConfiguration();
    }) << "start" << QStringList{"start"};
    QTest::newRow("the service replaces the start view by the waiter keys")
        << Intents([](Navigation& to) { to.enterService(); }) << "waiter" << QStringList{"waiter"};
    QTest::newRow("the table choice replaces the waiter keys")
        << Intents(serving) << "tableChoice" << QStringList{"tableChoice"};
    QTest::newRow("logging out goes back to the waiter keys") << Intents([serving](Navigation& to) {
        serving(to);
        to.showWaiterKeys();
    }) << "waiter" << QStringList{"waiter"};
    QTest::newRow("a table's ticket replaces the table choice")
        << Intents(onTicket) << "ticket" << QStringList{"ticket"};
    QTest::newRow("the plan from the ticket has the table choice behind it") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showPlanFromTicket();
    }) << "plan" << QStringList{"tableChoice", "plan"};
    QTest::newRow("the plan closed leaves the table choice") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showPlanFromTicket();
        to.closePlan();
    }) << "tableChoice" << QStringList{"tableChoice"};
    QTest::newRow("the payment, made before the ticket, still comes in front of it")
        << Intents([onTicket](Navigation& to) {
               onTicket(to);
               to.showPayment();
           })
        << "payment" << QStringList{"ticket", "payment"};
    QTest::newRow("a payment leaves the ticket and the payment for the table choice")
        << Intents([onTicket](Navigation& to) {
               onTicket(to);
               to.showPayment();
               to.leaveTicket();
           })
        << "tableChoice" << QStringList{"tableChoice"};
    QTest::newRow("the set-menu grid comes in front of the ticket") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showSetMenus();
    }) << "setMenu" << QStringList{"ticket", "setMenu"};
    QTest::newRow("leaving the set-menu grid shows the ticket alone") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showSetMenus();
        to.leaveSetMenus();
    }) << "ticket" << QStringList{"ticket"};
    QTest::newRow("the ticket brought forward stands in front of a raised grid") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showSetMenus();
        to.bringTicketForward();
    }) << "ticket" << QStringList{"setMenu", "ticket"};
    QTest::newRow("the lost register brings the start view over the ticket") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.bringStartForward();
    }) << "start" << QStringList{"ticket", "start"};
    QTest::newRow("the start view brought forward stays over the plan shown after it")
        << Intents([serving](Navigation& to) {
               serving(to);
               to.bringStartForward();
               to.showPlan();
           })
        << "start" << QStringList{"tableChoice", "plan", "start"};
    QTest::newRow("a configuration brought forward does not cover the plan once closed")
        << Intents([serving](Navigation& to) {
               to.openConfiguration();
               to.closeConfiguration();
               serving(to);
               to.showPlan();
           })
        << "plan" << QStringList{"tableChoice", "plan"};
    QTest::newRow("the message entry comes in front of the ticket") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.openMessageEntry();
    }) << "message" << QStringList{"ticket", "message"};
    QTest::newRow("the message entry left shows the ticket alone") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.openMessageEntry();
        to.closeMessageEntry();
    }) << "ticket" << QStringList{"ticket"};
    QTest::newRow("the notice stands over the ticket it is laid on") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showNotice();
    }) << "ticket" << QStringList{"ticket", "notice"};
    QTest::newRow("the notice gone leaves the ticket") << Intents([onTicket](Navigation& to) {
        onTicket(to);
        to.showNotice();
        to.hideNotice();
    }) << "ticket" << QStringList{"ticket"};
    QTest::newRow("the outdated-register notice covers the start view")
        << Intents([](Navigation& to) { to.showOutdatedNotice(); }) << "outdatedNotice"
        << QStringList{"start", "outdatedNotice"};
    QTest::newRow("the outdated-register notice gone leaves the start view") << Intents([](Navigation& to) {
        to.showOutdatedNotice();
        to.hideOutdatedNotice();
    }) << "start" << QStringList{"start"};
}

void tst_Navigator::screens()
{
    QFETCH(Intents, intents);
    QFETCH(QString, front);
    QFETCH(QStringList, visible);

    Window window;
    intents(window.navigator);
    QCOMPARE(window.front(), front);
    QCOMPARE(window.navigator.frontView()->objectName(), front);
    QCOMPARE(window.visible(), visible);
    QCOMPARE(window.visibleInOrder(), visible);
}

void tst_Navigator::closingThePlanSaysWhetherItWasUp()
{
    Window window;
    window.navigator.enterService();
    window.navigator.leaveWaiterKeys();
    QVERIFY(!window.navigator.closePlanIfOpen());
    QCOMPARE(window.front(), QStringLiteral("tableChoice"));
    window.navigator.showPlan();
    QVERIFY(window.navigator.closePlanIfOpen());
    QCOMPARE(window.front(), QStringLiteral("tableChoice"));
}

void tst_Navigator::aLateViewIsMadeByTheFirstIntentThatShowsIt()
{
    Window window;
    int made = 0;
    LazyWidget payment([&] {
        ++made;
        return plainView(&window.window, QStringLiteral("latePayment"));
    });
    Navigator navigator({window.start, window.config, window.outdatedNotice, window.waiter, window.tableChoice,
                         window.plan, window.ticket, payment, window.setMenu, window.message, window.parking,
                         window.notice});
    navigator.enterService();
    navigator.leaveWaiterKeys();
    navigator.openTicket();
    // leaving a ticket hides a payment that was never made without making it
    navigator.leaveTicket();
    QCOMPARE(made, 0);
    navigator.openTicket();
    navigator.showPayment();
    QCOMPARE(made, 1);
    QCOMPARE(window.front(), QStringLiteral("latePayment"));
    navigator.leaveTicket();
    QVERIFY(!payment.widgetIfMade()->isVisible());
    navigator.openTicket();
    navigator.showPayment();
    QCOMPARE(made, 1);
    QCOMPARE(window.front(), QStringLiteral("latePayment"));
}

// The table choice and the plan are made after the configuration was brought to the front: they stand where the
// order puts them, not under the first view made after them.
void tst_Navigator::aLateViewTakesThePlaceTheOrderGivesIt()
{
    QWidget window;
    window.resize(200, 300);
    window.show();
    QWidget* outdatedNotice = plainView(&window, QStringLiteral("outdatedNotice"));
    LazyWidget tableChoice([&] { return plainView(&window, QStringLiteral("tableChoice")); });
    LazyWidget config([&] { return plainView(&window, QStringLiteral("config")); });
    QWidget* start = plainView(&window, QStringLiteral("start"));
    start->show();
    LazyWidget plan([&] { return plainView(&window, QStringLiteral("plan")); });
    LazyWidget waiter([&] { return plainView(&window, QStringLiteral("waiter")); });
    QWidget* notice = plainView(&window, QStringLiteral("notice"));
    LazyWidget ticket([&] { return plainView(&window, QStringLiteral("ticket")); });
    QWidget* payment = plainView(&window, QStringLiteral("payment"));
    QWidget* setMenu = plainView(&window, QStringLiteral("setMenu"));
    QWidget* message = plainView(&window, QStringLiteral("message"));
    QWidget* parking = plainView(&window, QStringLiteral("parking"));
    Navigator navigator(
        {start, config, outdatedNotice, waiter, tableChoice, plan, ticket, payment, setMenu, message, parking, notice});

    navigator.openConfiguration();
    navigator.closeConfiguration();
    navigator.enterService();
    navigator.leaveWaiterKeys();
    navigator.showPlan();

    QCOMPARE(navigator.frontView(), plan.widgetIfMade());
    // the window paints the same stack: the plan is what a finger at its middle reaches
    QCOMPARE(window.childAt(100, 150), plan.widgetIfMade());
    navigator.closePlan();
    QCOMPARE(window.childAt(100, 150), tableChoice.widgetIfMade());
}

void tst_Navigator::tapSequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QStringList>("visible"); // in stack order

    const QStringList service{"Configuration", "Quitter sans sauvegarder la configuration", "adresse",
                              "Utilisation en local"};
    const QStringList tableChoice = service + QStringList{"Camille"};
    const QStringList ticket = tableChoice + QStringList{"Travailler sans table sur le compte serveur"};
    QTest::newRow("after the configuration left, the room plan is seen")
        << tableChoice + QStringList{"Plan de salle"} << "plan" << QStringList{"choixtable", "plan"};
    QTest::newRow("the room plan closed shows the table choice")
        << tableChoice + QStringList{"Plan de salle", "Quitter"} << "choixtable" << QStringList{"choixtable"};
    QTest::newRow("the probe before the first identification, then the room plan")
        << QStringList{"adresse", "Utilisation en local", "la sonde ne trouve plus la caisse", "Utilisation en local",
                       "Camille", "Plan de salle"}
        << "plan" << QStringList{"choixtable", "plan"};
    QTest::newRow("the probe brings the start view over the waiter keys")
        << QStringList{"adresse", "Utilisation en local", "la sonde ne trouve plus la caisse"} << "init"
        << QStringList{"serveur", "init"};
    QTest::newRow("the room plan from the ticket is seen")
        << ticket + QStringList{"Choisir table"} << "plan" << QStringList{"choixtable", "plan"};
    QTest::newRow("the room plan from the ticket closed shows the table choice")
        << ticket + QStringList{"Choisir table", "Quitter"} << "choixtable" << QStringList{"choixtable"};
    QTest::newRow("the configuration opened and closed twice leaves the start view")
        << QStringList{"Configuration", "Quitter sans sauvegarder la configuration", "Configuration",
                       "Sauvegarder la configuration"}
        << "init" << QStringList{"init"};
    QTest::newRow("the configuration opened twice, then the service and its room plan")
        << QStringList{"Configuration", "Sauvegarder la configuration"} + tableChoice + QStringList{"Plan de salle"}
        << "plan" << QStringList{"choixtable", "plan"};
}

void tst_Navigator::tapSequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, front);
    QFETCH(QStringList, visible);

    Waiter waiter;
    QVERIFY(waiter.activate());
    for (const QString& step : steps) {
        waiter.perform(step);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(waiter.form().frontView()->objectName(), front);
    QCOMPARE(waiter.reached(), front);
    QCOMPARE(waiter.visible(), visible);
}

// A key pressed while the screen paints is served, unless it was aimed at the screen being left.
void tst_Navigator::paintingServesOrDropsTheInputMeanwhile()
{
    Window window;
    int keys = 0;
    struct KeyCounter : QObject
    {
        int& count;
        explicit KeyCounter(int& counted) : count(counted) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress)
                ++count;
            return false;
        }
    } counter(keys);
    window.start->installEventFilter(&counter);

    QCoreApplication::postEvent(window.start, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier));
    window.navigator.paintDroppingInput();
    QCOMPARE(keys, 0);
    QCoreApplication::postEvent(window.start, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier));
    window.navigator.paintNow();
    QCOMPARE(keys, 1);
}

QTEST_MAIN(tst_Navigator)
#include "tst_navigator.moc"
