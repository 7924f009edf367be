#include "app/Navigator.h"
#include "widgets/ViewSlot.h"

#include <QKeyEvent>
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
    QWidget* ticket = view(QStringLiteral("ticket"));
    Navigator navigator{
        {start, config, outdatedNotice, waiter, tableChoice, plan, ticket, payment, setMenu, message, parking}};

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

    // What the waiter sees: the visible view latest in the stack order, which a raise changes.
    QString front() const
    {
        const QObjectList& views = window.children();
        for (auto it = views.crbegin(); it != views.crend(); ++it) {
            const auto* view = qobject_cast<QWidget*>(*it);
            if (view && view->isVisible())
                return view->objectName();
        }
        return QString();
    }

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
};

using Intents = std::function<void(Navigation&)>;

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
}

void tst_Navigator::screens()
{
    QFETCH(Intents, intents);
    QFETCH(QString, front);
    QFETCH(QStringList, visible);

    Window window;
    intents(window.navigator);
    QCOMPARE(window.front(), front);
    QCOMPARE(window.visible(), visible);
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
        auto* view = new QWidget(&window.window);
        view->setObjectName(QStringLiteral("latePayment"));
        view->setGeometry(0, 0, 200, 300);
        view->hide();
        return view;
    });
    Navigator navigator({window.start, window.config, window.outdatedNotice, window.waiter, window.tableChoice,
                         window.plan, window.ticket, payment, window.setMenu, window.message, window.parking});
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
