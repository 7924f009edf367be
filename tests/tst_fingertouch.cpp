// A waiter's finger on a tablet: taps and drags delivered by the X server (XTest, through xdotool) to the terminal
// at the tablet's scale, on an X server of the test's own, against the register simulator. Each case checks what
// the register received. The screen is chosen by COMMANDE_TOUCH_SCREEN (WxH, default 800x1280).

#include "SimProcess.h"
#include "TerminalFixture.h"

#include "app/TabletDisplay.h"
#include "app/WindowPlacement.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "tables/CoversPanel.h"
#include "tables/PlanView.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/ListPanel.h"
#include "widgets/RedKey.h"
#include "widgets/TouchStyle.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.1");
constexpr int StartMs = 30000;
// set menus ordered on one ticket, more than the set-menu grid shows side by side
constexpr int SetMenusOrdered = 8;
constexpr int CellsPerSetMenu = 7;
// products added to the first keyboard so that it holds more keys than its page
constexpr int LongKeyboardExtra = 30;
constexpr int FirstExtraArticle = 700;
// on the second keyboard, within its page: a product with kitchen options and one followed by the supplements
constexpr int OptionsArticle = 690;
constexpr int SupplementsArticle = 691;
// more kitchen options and supplements than their panels show
constexpr int KitchenChoices = 40;
constexpr int SupplementCount = 50;

// An X server of the test's own, at the tablet's screen size: parallel tests never share one.
class VirtualScreen final
{
public:
    explicit VirtualScreen(const QSize& size)
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            m_problem = QStringLiteral("Xvfb is not installed (Debian package xvfb): the taps need an X server");
            return;
        }
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            m_problem = QStringLiteral("no pipe for Xvfb");
            return;
        }
        const QByteArray program = xvfb.toLocal8Bit();
        const QByteArray fd = QByteArray::number(pipeEnds[1]);
        const QByteArray screen = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height()) + "x24";
        m_pid = fork();
        if (m_pid == 0) {
            close(pipeEnds[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            execl(program.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", screen.constData(),
                  "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        // the server writes its display number once it accepts clients
        QByteArray number;
        pollfd reader{pipeEnds[0], POLLIN, 0};
        char c = 0;
        while (poll(&reader, 1, 10000) > 0 && read(pipeEnds[0], &c, 1) == 1 && c != '\n')
            number.append(c);
        close(pipeEnds[0]);
        if (number.isEmpty()) {
            m_problem = QStringLiteral("Xvfb did not start");
            return;
        }
        qputenv("DISPLAY", ':' + number);
    }

    ~VirtualScreen()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }

    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    // Why there is no X server; empty when there is one.
    QString problem() const { return m_problem; }

private:
    pid_t m_pid = -1;
    QString m_problem;
};

// A finger on the screen: the X server's test extension moves the pointer and presses, in the screen's pixels.
class Finger final
{
public:
    explicit Finger(qreal scale) : m_scale(scale) {}

    void tap(const QWidget* widget) { tap(widget, QRectF(widget->rect()).center()); }

    void tap(const QWidget* widget, const QPointF& at)
    {
        const QPoint point = screenPoint(widget, at);
        run({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    }

    void doubleTap(const QWidget* widget)
    {
        const QPoint point = screenPoint(widget, QRectF(widget->rect()).center());
        run({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
             QStringLiteral("120"), QStringLiteral("1")});
    }

    // Drags from one point of the widget to another in small steps, holds still, then lifts.
    void drag(const QWidget* widget, const QPointF& from, const QPointF& to)
    {
        constexpr int Steps = 12;
        const QPoint start = screenPoint(widget, from);
        const QPoint end = screenPoint(widget, to);
        QStringList arguments{QStringLiteral("mousemove"), QString::number(start.x()), QString::number(start.y()),
                              QStringLiteral("mousedown"), QStringLiteral("1")};
        for (int step = 1; step <= Steps; ++step) {
            const QPoint point = start + (end - start) * step / Steps;
            arguments << QStringLiteral("sleep") << QStringLiteral("0.03") << QStringLiteral("mousemove")
                      << QString::number(point.x()) << QString::number(point.y());
        }
        arguments << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mouseup")
                  << QStringLiteral("1");
        run(arguments);
    }

private:
    QPoint screenPoint(const QWidget* widget, const QPointF& at) const
    {
        return (widget->mapToGlobal(at) * m_scale).toPoint();
    }

    // xdotool runs while the terminal goes on handling what it delivers
    static void run(const QStringList& arguments)
    {
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), arguments);
        QVERIFY(xdotool.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(xdotool.exitCode(), 0);
        QTest::qWait(50);
    }

    qreal m_scale;
};

bool isInside(const QRect& rect, const QWidget* area)
{
    return area->rect().contains(rect);
}

// Waits until the scroll box's content has come to rest after a finger let it go.
void waitForRest(QWidget* viewport)
{
    QScroller* scroller = QScroller::scroller(viewport);
    QVERIFY(QTest::qWaitFor([scroller] { return scroller->state() == QScroller::Inactive; }, 10000));
    QTest::qWait(50);
}

// The restaurant of the simulator's sample, with a first keyboard of more keys than its page, a first product on each
// keyboard that one tap orders and, when given, other keyboard names.
QByteArray restaurant(const QStringList& keyboardNames)
{
    QFile sample(QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json"));
    if (!sample.open(QIODevice::ReadOnly))
        return {};
    QJsonObject data = QJsonDocument::fromJson(sample.readAll()).object();
    QJsonArray keyboards = data.value(QStringLiteral("keyboards")).toArray();
    QJsonObject first = keyboards.at(0).toObject();
    QJsonArray products = first.value(QStringLiteral("products")).toArray();
    for (int i = 0; i < LongKeyboardExtra; ++i) {
        products.append(QJsonObject{{QStringLiteral("article"), FirstExtraArticle + i},
                                    {QStringLiteral("name"), QStringLiteral("Cocktail %1").arg(i + 1)},
                                    {QStringLiteral("price"), 900},
                                    {QStringLiteral("colour"), QStringLiteral("xFFB3E5FC")},
                                    {QStringLiteral("kitchenLabel"), QStringLiteral("COCKTAIL %1").arg(i + 1)},
                                    {QStringLiteral("courses"), QJsonArray{1}}});
    }
    first.insert(QStringLiteral("products"), products);
    keyboards.replace(0, first);
    for (int i = 0; i < keyboards.size(); ++i) {
        QJsonObject keyboard = keyboards.at(i).toObject();
        if (i < keyboardNames.size())
            keyboard.insert(QStringLiteral("name"), keyboardNames.at(i));
        // the first product of each keyboard is ordered by one tap: one course, no option, no supplement
        QJsonArray products = keyboard.value(QStringLiteral("products")).toArray();
        QJsonObject product = products.at(0).toObject();
        const QJsonArray courses = product.value(QStringLiteral("courses")).toArray();
        if (courses.size() > 1)
            product.insert(QStringLiteral("courses"), QJsonArray{courses.at(0)});
        product.remove(QStringLiteral("kitchenOptions"));
        product.remove(QStringLiteral("supplements"));
        products.replace(0, product);
        keyboard.insert(QStringLiteral("products"), products);
        keyboards.replace(i, keyboard);
    }
    QJsonObject second = keyboards.at(1).toObject();
    QJsonArray softs = second.value(QStringLiteral("products")).toArray();
    const auto plain = [](int article, const QString& name) {
        return QJsonObject{{QStringLiteral("article"), article},
                           {QStringLiteral("name"), name},
                           {QStringLiteral("price"), 1500},
                           {QStringLiteral("colour"), QStringLiteral("xFFFFCC80")},
                           {QStringLiteral("kitchenLabel"), name.toUpper()},
                           {QStringLiteral("courses"), QJsonArray{4}}};
    };
    QJsonObject withOptions = plain(OptionsArticle, QStringLiteral("Pavé du chef"));
    withOptions.insert(QStringLiteral("kitchenOptions"), 1);
    softs.append(withOptions);
    QJsonObject withSupplements = plain(SupplementsArticle, QStringLiteral("Burger du chef"));
    withSupplements.insert(QStringLiteral("supplements"), true);
    softs.append(withSupplements);
    second.insert(QStringLiteral("products"), softs);
    keyboards.replace(1, second);
    data.insert(QStringLiteral("keyboards"), keyboards);

    QJsonArray options = data.value(QStringLiteral("kitchenOptions")).toArray();
    QJsonObject firstList = options.at(0).toObject();
    QJsonArray choices;
    for (int i = 1; i <= KitchenChoices; ++i)
        choices.append(QStringLiteral("Cuisson %1").arg(i));
    firstList.insert(QStringLiteral("choices"), choices);
    options.replace(0, firstList);
    data.insert(QStringLiteral("kitchenOptions"), options);
    QJsonArray supplements;
    for (int code = 1; code <= SupplementCount; ++code) {
        supplements.append(QJsonObject{{QStringLiteral("code"), code},
                                       {QStringLiteral("name"), QStringLiteral("Supplément %1").arg(code)},
                                       {QStringLiteral("price"), 100 + code}});
    }
    data.insert(QStringLiteral("supplements"), supplements);
    // the first course of the first set menu offers every cocktail: more dishes than its list shows
    QJsonArray setMenus = data.value(QStringLiteral("setMenus")).toArray();
    QJsonObject firstSetMenu = setMenus.at(0).toObject();
    QJsonArray steps = firstSetMenu.value(QStringLiteral("steps")).toArray();
    QJsonObject firstStep = steps.at(0).toObject();
    QJsonArray dishes;
    for (int i = 0; i < LongKeyboardExtra; ++i)
        dishes.append(FirstExtraArticle + i);
    firstStep.insert(QStringLiteral("articles"), dishes);
    steps.replace(0, firstStep);
    firstSetMenu.insert(QStringLiteral("steps"), steps);
    setMenus.replace(0, firstSetMenu);
    data.insert(QStringLiteral("setMenus"), setMenus);
    return QJsonDocument(data).toJson();
}

// The article of the first product of keyboard N (1 to 12) of the sample.
int firstArticle(int keyboard)
{
    QFile sample(QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json"));
    if (!sample.open(QIODevice::ReadOnly))
        return 0;
    const QJsonObject keyboardData = QJsonDocument::fromJson(sample.readAll())
                                         .object()
                                         .value(QStringLiteral("keyboards"))
                                         .toArray()
                                         .at(keyboard - 1)
                                         .toObject();
    return keyboardData.value(QStringLiteral("products"))
        .toArray()
        .at(0)
        .toObject()
        .value(QStringLiteral("article"))
        .toInt();
}

// The longest names a register may send that the terminal keeps: the tab-and-waiter reply is cached in a settings
// value read back up to 2047 characters, so twelve names of 150 with the waiters' still fit.
QStringList longestKeyboardNames()
{
    QStringList names;
    for (int i = 1; i <= 12; ++i) {
        QString name = QStringLiteral("Clavier%1").arg(i);
        // the first eight tabs wrap their captions on words; a word longer than a line cannot wrap
        const QString word = i % 2 ? QStringLiteral(" Desserts") : QStringLiteral("Desserts");
        while (name.size() + word.size() <= 150)
            name += word;
        names.append(name);
    }
    return names;
}

} // namespace

class tst_FingerTouch : public QObject
{
    Q_OBJECT

public:
    tst_FingerTouch(const QString& displayProblem, const QSize& screen)
        : m_displayProblem(displayProblem), m_screen(screen), m_finger(TabletDisplay::scaleFor(screen))
    {
    }

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void listRows_data();
    void listRows();
    void checkListRows_data();
    void checkListRows();
    void keyOnTheSecondPage();
    void doubleTapOnTheSecondPage();
    void setMenuCells_data();
    void setMenuCells();
    void everyTab_data();
    void everyTab();

private:
    // A terminal in service against a simulator of the restaurant, logged in as Camille, on the table choice.
    // With doubleTap, the keys order on a double tap, as settings slot 4 "1" asks.
    void startService(const QStringList& keyboardNames = {}, bool doubleTap = false);
    // From the table choice or the ticket, the ticket of the waiter's account.
    void openTicket();
    // Taps the tab of keyboard N (1 to 12), the arrows first when it is out of view.
    void showKeyboard(int keyboard);
    void logIn();
    // Drags the list until the row shows whole, then taps it.
    void tapRow(QListWidget* list, int row);
    // Drags the scroll box until the widget on its page shows whole, then taps it.
    void tapInScrollBox(QScrollArea* box, QWidget* target);
    // The requests the register received since the log was that long.
    QStringList requestsSince(qsizetype from) const;
    TicketView* ticketView() const { return m_terminal->ticketView(); }
    TableChoiceView* tableChoiceView() const
    {
        return qobject_cast<TableChoiceView*>(m_terminal->form->view(QStringLiteral("choixtable")));
    }

    QString m_displayProblem;
    QSize m_screen;
    Finger m_finger;
    QStringList m_keyboardNames;
    bool m_setMenusOrdered = false;
    bool m_doubleTap = false;
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<TerminalFixture> m_terminal;
};

void tst_FingerTouch::initTestCase()
{
    if (!m_displayProblem.isEmpty())
        QSKIP(qPrintable(m_displayProblem));
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed (Debian package xdotool): the taps go through it");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void tst_FingerTouch::cleanup()
{
    // a failed case leaves the terminal wherever it stopped: the next one starts afresh
    if (QTest::currentTestFailed()) {
        m_terminal.reset();
        m_sim.reset();
    }
}

void tst_FingerTouch::startService(const QStringList& keyboardNames, bool doubleTap)
{
    if (m_terminal && m_sim && keyboardNames == m_keyboardNames && doubleTap == m_doubleTap)
        return;
    m_terminal.reset();
    m_sim.reset();
    m_keyboardNames = keyboardNames;
    m_setMenusOrdered = false;
    m_doubleTap = doubleTap;
    // the register's address is known and covers are asked for a table that has none
    m_terminal = std::make_unique<TerminalFixture>(
        QStringLiteral("[data]\n0=%1\n3=1\n4=%2\n").arg(SimAddress, doubleTap ? QStringLiteral("1") : QString()));
    QFile data(m_terminal->folder.filePath(QStringLiteral("restaurant.json")));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(restaurant(keyboardNames));
    data.close();
    m_sim = std::make_unique<SimProcess>(SimAddress, QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                                                 QStringLiteral("--data"), data.fileName()});
    QVERIFY(m_sim->isListening());
    m_terminal->form->link().setPort(m_sim->port());
    m_terminal->form->showFullScreen();
    m_terminal->form->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_terminal->form.get()));
    QTRY_COMPARE_WITH_TIMEOUT(m_terminal->form->frontView(), m_terminal->form->findChild<WaiterView*>(), StartMs);
    logIn();
}

void tst_FingerTouch::logIn()
{
    auto* serveur = m_terminal->form->findChild<WaiterView*>();
    m_finger.tap(serveur->waiterKey(1));
    QTRY_VERIFY(serveur->codePanel()->isVisible());
    m_finger.tap(serveur->codePanel()->codeEdit());
    // the code box has the focus: its digits come from the X server's keyboard as from the on-screen one
    QProcess typing;
    typing.start(QStringLiteral("xdotool"),
                 {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("4826")});
    QVERIFY(QTest::qWaitFor([&] { return typing.state() == QProcess::NotRunning; }, 20000));
    QTRY_COMPARE_WITH_TIMEOUT(m_terminal->form->frontView(), tableChoiceView(), 10000);
}

QStringList tst_FingerTouch::requestsSince(qsizetype from) const
{
    QStringList requests;
    for (const QString& line : m_sim->log().mid(from).split(QLatin1Char('\n'))) {
        const qsizetype arrow = line.indexOf(QLatin1String(" <- "));
        if (arrow >= 0)
            requests.append(line.mid(arrow + 4));
    }
    return requests;
}

void tst_FingerTouch::tapRow(QListWidget* list, int row)
{
    QWidget* viewport = list->viewport();
    for (int drags = 0; drags < 20 && !isInside(list->visualItemRect(list->item(row)), viewport); ++drags) {
        const QRect rect = list->visualItemRect(list->item(row));
        const qreal reach = viewport->height() * 0.4;
        const qreal dy = std::clamp<qreal>(viewport->rect().center().y() - rect.center().y(), -reach, reach);
        const QPointF middle = QRectF(viewport->rect()).center();
        m_finger.drag(viewport, middle, middle + QPointF(0, dy));
        waitForRest(viewport);
    }
    QVERIFY2(isInside(list->visualItemRect(list->item(row)), viewport), "the row never came whole into view");
    m_finger.tap(viewport, QRectF(list->visualItemRect(list->item(row))).center());
}

void tst_FingerTouch::tapInScrollBox(QScrollArea* box, QWidget* target)
{
    QWidget* viewport = box->viewport();
    const auto placeOf = [&] { return QRect(target->mapTo(viewport, QPoint(0, 0)), target->size()); };
    for (int drags = 0; drags < 20 && !isInside(placeOf(), viewport); ++drags) {
        const QPointF reach = QPointF(viewport->width(), viewport->height()) * 0.4;
        const QPoint away = viewport->rect().center() - placeOf().center();
        // along the directions the box scrolls: a swipe mostly across them does not scroll it
        const QPointF move(
            box->horizontalScrollBar()->maximum() > 0 ? std::clamp<qreal>(away.x(), -reach.x(), reach.x()) : 0,
            box->verticalScrollBar()->maximum() > 0 ? std::clamp<qreal>(away.y(), -reach.y(), reach.y()) : 0);
        const QPointF middle = QRectF(viewport->rect()).center();
        m_finger.drag(viewport, middle, middle + move);
        waitForRest(viewport);
    }
    QVERIFY2(isInside(placeOf(), viewport), "the key never came whole into view");
    m_finger.tap(target);
}

void tst_FingerTouch::listRows_data()
{
    QTest::addColumn<QString>("tableRow"); // first, middle or last
    QTest::addColumn<QString>("coversRow");

    QTest::newRow("first rows") << "first"
                                << "first";
    QTest::newRow("middle rows") << "middle"
                                 << "middle";
    QTest::newRow("last rows") << "last"
                               << "last";
}

// "Tables libres", then the covers of the table taken: each list scrolled by the finger until the row shows.
void tst_FingerTouch::listRows()
{
    QFETCH(QString, tableRow);
    QFETCH(QString, coversRow);
    startService();
    if (QTest::currentTestFailed())
        return;
    TableChoiceView* choixtable = tableChoiceView();
    if (m_terminal->form->frontView() == ticketView()) {
        // "Choisir table" opens the room plan, whose "Quitter" leaves it for the table choice
        m_finger.tap(ticketView()->chooseTableKey());
        auto* plan = qobject_cast<PlanView*>(m_terminal->form->view(QStringLiteral("plan")));
        QTRY_COMPARE(m_terminal->form->frontView(), plan);
        m_finger.tap(plan->closeButton());
        QTRY_COMPARE(m_terminal->form->frontView(), choixtable);
    }
    const auto rowAt = [](const QListWidget* list, const QString& where) {
        return where == QLatin1String("first")    ? 0
               : where == QLatin1String("middle") ? list->count() / 2
                                                  : list->count() - 1;
    };

    qsizetype logged = m_sim->log().size();
    m_finger.tap(choixtable->freeTablesKey());
    QTRY_VERIFY(choixtable->tableListPanel()->isVisible());
    auto* tables = choixtable->tableListPanel()->findChild<QListWidget*>(QStringLiteral("ListViewtable"));
    QVERIFY(tables->count() > 1);
    QCOMPARE(requestsSince(logged).value(0), QStringLiteral("ademandelibre$"));
    const int row = rowAt(tables, tableRow);
    // the text the waiter reads on the row: "Table 12 Libre"
    const QString table = tables->item(row)->text().section(QLatin1Char(' '), 1, 1);
    tapRow(tables, row);
    logged = m_sim->log().size();
    m_finger.tap(choixtable->tableListPanel()->validateButton());
    QTRY_VERIFY2(requestsSince(logged).contains(QStringLiteral("couverts$%1$").arg(table)),
                 qPrintable(requestsSince(logged).join(QLatin1Char(' '))));

    CoversPanel* covers = choixtable->coversPanel();
    QTRY_VERIFY(covers->isVisible());
    const int count = rowAt(covers->coversList(), coversRow);
    tapRow(covers->coversList(), count);
    logged = m_sim->log().size();
    m_finger.tap(covers->validateButton());
    QTRY_VERIFY2(requestsSince(logged).contains(QStringLiteral("envcouverts$%1$%2$1$").arg(table).arg(count)),
                 qPrintable(requestsSince(logged).join(QLatin1Char(' '))));
    QTRY_COMPARE(m_terminal->form->frontView(), ticketView());
}

void tst_FingerTouch::openTicket()
{
    TableChoiceView* choixtable = tableChoiceView();
    if (m_terminal->form->frontView() == choixtable) {
        m_finger.tap(choixtable->waiterAccountKey());
        QTRY_COMPARE(m_terminal->form->frontView(), ticketView());
    }
    QCOMPARE(m_terminal->form->frontView(), ticketView());
}

void tst_FingerTouch::showKeyboard(int keyboard)
{
    QTabBar* bar = ticketView()->keyboardTabs()->tabBar();
    QToolButton* left = nullptr;
    QToolButton* right = nullptr;
    for (QToolButton* arrow : bar->findChildren<QToolButton*>())
        (arrow->arrowType() == Qt::LeftArrow ? left : right) = arrow;
    QVERIFY(left && right);
    // the part of the row the arrows leave to the tabs
    const auto visibleRow = [&] {
        return right->isVisible() ? QRect(0, 0, std::min(left->x(), right->x()), bar->height()) : bar->rect();
    };
    const int tab = keyboard - 1;
    int taps = 0;
    for (; taps < 30 && !visibleRow().contains(bar->tabRect(tab)); ++taps)
        m_finger.tap(bar->tabRect(tab).left() < 0 ? left : right);
    QVERIFY2(visibleRow().contains(bar->tabRect(tab)),
             qPrintable(QStringLiteral("tab %1 at %3..%4 not whole in the row's %5 units after %2 taps on the arrows")
                            .arg(keyboard)
                            .arg(taps)
                            .arg(bar->tabRect(tab).left())
                            .arg(bar->tabRect(tab).right())
                            .arg(visibleRow().width())));
    m_finger.tap(bar, QRectF(bar->tabRect(tab)).center());
    QTRY_COMPARE(bar->currentIndex(), tab);
}

void tst_FingerTouch::checkListRows_data()
{
    QTest::addColumn<int>("article"); // the product whose key opens the list
    QTest::addColumn<QString>("where");

    for (const char* where : {"first", "middle", "last"}) {
        QTest::addRow("kitchen options, %s row", where) << OptionsArticle << where;
        QTest::addRow("supplements, %s row", where) << SupplementsArticle << where;
    }
}

// The kitchen options of a product and the supplements after one: the row ticked by the finger goes to the register.
void tst_FingerTouch::checkListRows()
{
    QFETCH(int, article);
    QFETCH(QString, where);
    startService();
    if (QTest::currentTestFailed())
        return;
    openTicket();
    showKeyboard(2);
    if (QTest::currentTestFailed())
        return;
    QScrollArea* box = ticketView()->keyboardScrollBox(2);
    QList<CatalogueKey*> keys = box->widget()->findChildren<CatalogueKey*>();
    std::sort(keys.begin(), keys.end(), [](const CatalogueKey* a, const CatalogueKey* b) {
        return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
    });
    // the two products follow the keyboard's own, in that order
    CatalogueKey* key = keys.at(keys.size() - (article == OptionsArticle ? 2 : 1));
    qsizetype logged = m_sim->log().size();
    tapInScrollBox(box, key);

    const bool options = article == OptionsArticle;
    CheckList* list =
        options ? ticketView()->optionsList() : m_terminal->form->findChild<CheckList*>(QStringLiteral("ListViewsupp"));
    QVERIFY(list);
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(list->count(), options ? KitchenChoices : SupplementCount);
    // the supplements stay ticked as they were left; the kitchen options start afresh
    QList<bool> ticked = options ? QList<bool>(list->count(), false) : list->ticks();
    QCOMPARE(list->ticks(), ticked);
    const int row = where == QLatin1String("first")    ? 0
                    : where == QLatin1String("middle") ? list->count() / 2
                                                       : list->count() - 1;
    QVERIFY(!ticked.at(row));
    tapRow(list, row);
    ticked[row] = true;
    QTRY_COMPARE(list->ticks(), ticked);
    if (options)
        logged = m_sim->log().size();
    auto* panel = qobject_cast<ListPanel*>(list->parentWidget());
    QVERIFY(panel);
    m_finger.tap(panel->button());
    if (options) {
        QString flags = QStringLiteral("~");
        for (const bool tick : ticked)
            flags += tick ? QStringLiteral("1$") : QStringLiteral("--$");
        QTRY_VERIFY2(!requestsSince(logged).isEmpty() && requestsSince(logged).first().endsWith(flags),
                     qPrintable(requestsSince(logged).join(QLatin1Char(' '))));
        QVERIFY(requestsSince(logged).first().startsWith(QStringLiteral("%1$").arg(OptionsArticle)));
    } else {
        const auto supplementRequests = [&] {
            return requestsSince(logged).filter(QRegularExpression(QStringLiteral("^9[4-9][0-9]\\$")));
        };
        QStringList expected;
        for (int position = 0; position < ticked.size(); ++position) {
            if (ticked.at(position))
                expected.append(QStringLiteral("%1$").arg(942 + position));
        }
        QTRY_COMPARE(supplementRequests().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(supplementRequests().at(i).startsWith(expected.at(i)), qPrintable(supplementRequests().at(i)));
    }
    QTRY_VERIFY(!list->isVisible());
}

// The first keyboard holds more keys than its page: its last key is reached by dragging the page.
void tst_FingerTouch::keyOnTheSecondPage()
{
    startService();
    if (QTest::currentTestFailed())
        return;
    openTicket();
    showKeyboard(1);
    QScrollArea* box = ticketView()->keyboardScrollBox(1);
    const QList<CatalogueKey*> keys = box->widget()->findChildren<CatalogueKey*>();
    CatalogueKey* last = nullptr;
    for (CatalogueKey* key : keys) {
        if (key->accessibleName() == QStringLiteral("Cocktail %1").arg(LongKeyboardExtra))
            last = key;
    }
    QVERIFY(last);
    QVERIFY2(!isInside(QRect(last->mapTo(box->viewport(), QPoint(0, 0)), last->size()), box->viewport()),
             "the keyboard fits its page: nothing to scroll");
    // a swipe across the keys neither scrolls the keyboard nor orders what lies under the finger
    qsizetype logged = m_sim->log().size();
    const int scrolled = box->verticalScrollBar()->value();
    const qreal across = box->viewport()->height() / 3.0;
    m_finger.drag(box->viewport(), QPointF(box->viewport()->width() * 0.1, across),
                  QPointF(box->viewport()->width() * 0.9, across));
    waitForRest(box->viewport());
    QTest::qWait(300);
    QCOMPARE(box->verticalScrollBar()->value(), scrolled);
    QCOMPARE(requestsSince(logged), QStringList());

    logged = m_sim->log().size();
    tapInScrollBox(box, last);
    QTRY_VERIFY(requestsSince(logged)
                    .join(QLatin1Char('\n'))
                    .startsWith(QStringLiteral("%1$").arg(FirstExtraArticle + LongKeyboardExtra - 1)));
}

// Keys set to order on a double tap: a key past the first page is ordered by two quick taps, not by one.
void tst_FingerTouch::doubleTapOnTheSecondPage()
{
    startService({}, true);
    if (QTest::currentTestFailed())
        return;
    openTicket();
    showKeyboard(1);
    QScrollArea* box = ticketView()->keyboardScrollBox(1);
    CatalogueKey* last = nullptr;
    for (CatalogueKey* key : box->widget()->findChildren<CatalogueKey*>()) {
        if (key->accessibleName() == QStringLiteral("Cocktail %1").arg(LongKeyboardExtra))
            last = key;
    }
    QVERIFY(last);
    qsizetype logged = m_sim->log().size();
    tapInScrollBox(box, last);
    QTest::qWait(300);
    QCOMPARE(requestsSince(logged), QStringList());
    m_finger.doubleTap(last);
    QTRY_VERIFY2(requestsSince(logged)
                     .join(QLatin1Char('\n'))
                     .startsWith(QStringLiteral("%1$").arg(FirstExtraArticle + LongKeyboardExtra - 1)),
                 qPrintable(requestsSince(logged).join(QLatin1Char(' '))));
    QTest::qWait(300);
    const QRegularExpression articleRequest(QStringLiteral("^\\d+\\$"));
    QCOMPARE(requestsSince(logged).filter(articleRequest).size(), 1);

    // on a keyboard that fits its page the double click is the toolkit's own: one order still
    showKeyboard(2);
    QScrollArea* fitting = ticketView()->keyboardScrollBox(2);
    QCOMPARE(fitting->verticalScrollBar()->maximum(), 0);
    // its first product, which one touch orders
    CatalogueKey* key = nullptr;
    for (CatalogueKey* candidate : fitting->widget()->findChildren<CatalogueKey*>()) {
        if (!key || std::make_pair(candidate->y(), candidate->x()) < std::make_pair(key->y(), key->x()))
            key = candidate;
    }
    QVERIFY(key);
    logged = m_sim->log().size();
    m_finger.doubleTap(key);
    QTRY_VERIFY(!requestsSince(logged).filter(articleRequest).isEmpty());
    QTest::qWait(300);
    QCOMPARE(requestsSince(logged).filter(articleRequest).size(), 1);
}

void tst_FingerTouch::setMenuCells_data()
{
    QTest::addColumn<QString>("where"); // the set menu's column and the dish's row

    QTest::newRow("first set menu, first dish") << "first";
    QTest::newRow("middle set menu, middle dish") << "middle";
    QTest::newRow("last set menu, last dish") << "last";
}

// Set menus side by side past the grid's width: the finger drags the grid to a set menu's first course, and the
// dish list to a dish.
void tst_FingerTouch::setMenuCells()
{
    QFETCH(QString, where);
    startService();
    if (QTest::currentTestFailed())
        return;
    openTicket();
    if (!m_setMenusOrdered) {
        showKeyboard(12);
        QScrollArea* box = ticketView()->keyboardScrollBox(12);
        QList<CatalogueKey*> keys = box->widget()->findChildren<CatalogueKey*>();
        std::sort(keys.begin(), keys.end(), [](const CatalogueKey* a, const CatalogueKey* b) {
            return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
        });
        for (int i = 0; i < SetMenusOrdered; ++i) {
            const qsizetype logged = m_sim->log().size();
            tapInScrollBox(box, keys.first());
            QTRY_VERIFY(requestsSince(logged).join(QLatin1Char('\n')).startsWith(QStringLiteral("552$")));
        }
        m_setMenusOrdered = true;
    }
    auto* formule = qobject_cast<SetMenuView*>(m_terminal->form->view(QStringLiteral("formule")));
    m_finger.tap(ticketView()->setMenusKey());
    QTRY_COMPARE(m_terminal->form->frontView(), formule);
    SetMenuGrid& grid = formule->grid();
    const auto at = [&where](int count) {
        return where == QLatin1String("first") ? 0 : where == QLatin1String("middle") ? count / 2 : count - 1;
    };
    const int column = at(SetMenusOrdered);
    const int z = column * CellsPerSetMenu + 1;
    QTRY_COMPARE(grid.cellText(z), QStringLiteral("premiere entree ?"));
    QWidget* gridViewport = formule->gridScrollBox()->viewport();
    if (column == SetMenusOrdered - 1)
        QVERIFY2(!isInside(QRect(grid.cell(z)->mapTo(gridViewport, QPoint(0, 0)), grid.cell(z)->size()), gridViewport),
                 "the set menus fit the grid: nothing to scroll");
    tapInScrollBox(formule->gridScrollBox(), grid.cell(z));
    CheckList* dishes = formule->dishList();
    QTRY_VERIFY(dishes->isVisible());
    QCOMPARE(dishes->count(), LongKeyboardExtra);
    const int row = at(dishes->count());
    const qsizetype logged = m_sim->log().size();
    tapRow(dishes, row);
    // the set menu's column, its first course's line, the dish's place in the list from 0 and its course: a cocktail's
    const QRegularExpression dishRequest(
        QStringLiteral("^r\\$\\d+\\$\\d+\\$\\d+\\$%1\\$2\\$%2\\$1\\$$").arg(column + 1).arg(row));
    QTRY_VERIFY2(requestsSince(logged).indexOf(dishRequest) >= 0,
                 qPrintable(requestsSince(logged).join(QLatin1Char(' '))));
    QTRY_COMPARE(grid.cellText(z), QStringLiteral("Cocktail %1").arg(row + 1));
    m_finger.tap(formule->leaveButton());
    QTRY_COMPARE(m_terminal->form->frontView(), ticketView());
}

void tst_FingerTouch::everyTab_data()
{
    QTest::addColumn<QStringList>("names"); // empty: the sample's
    QTest::addColumn<int>("from");          // the keyboard shown first
    QTest::addColumn<int>("keyboard");

    for (int keyboard = 1; keyboard <= 12; ++keyboard) {
        QTest::addRow("the sample's names, from 1 to %d", keyboard) << QStringList() << 1 << keyboard;
        QTest::addRow("the sample's names, from 7 to %d", keyboard) << QStringList() << 7 << keyboard;
        QTest::addRow("the longest names, from 1 to %d", keyboard) << longestKeyboardNames() << 1 << keyboard;
    }
}

// From a keyboard, taps on the tab row's arrows bring another's tab whole into view; a tap on it shows its keys, and
// its first key orders that keyboard's first product.
void tst_FingerTouch::everyTab()
{
    QFETCH(QStringList, names);
    QFETCH(int, from);
    QFETCH(int, keyboard);
    startService(names);
    if (QTest::currentTestFailed())
        return;
    openTicket();
    showKeyboard(from);
    showKeyboard(keyboard);
    if (QTest::currentTestFailed())
        return;

    QScrollArea* box = ticketView()->keyboardScrollBox(keyboard);
    QTRY_VERIFY(box->isVisible());
    // the keys in the keyboard's order: four to a row
    QList<CatalogueKey*> keys = box->widget()->findChildren<CatalogueKey*>();
    std::sort(keys.begin(), keys.end(), [](const CatalogueKey* a, const CatalogueKey* b) {
        return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
    });
    QVERIFY(!keys.isEmpty());
    const qsizetype logged = m_sim->log().size();
    tapInScrollBox(box, keys.first());
    QTRY_VERIFY2(
        requestsSince(logged).join(QLatin1Char('\n')).startsWith(QStringLiteral("%1$").arg(firstArticle(keyboard))),
        qPrintable(requestsSince(logged).join(QLatin1Char(' '))));
}

int main(int argc, char* argv[])
{
    const std::optional<QSize> screen =
        WindowPlacement::parseSize(qEnvironmentVariable("COMMANDE_TOUCH_SCREEN", QStringLiteral("800x1280")));
    if (!screen) {
        fprintf(stderr, "COMMANDE_TOUCH_SCREEN: a size WxH\n");
        return 2;
    }
    const VirtualScreen display(*screen);
    qputenv("QT_QPA_PLATFORM", display.problem().isEmpty() ? "xcb" : "offscreen");
    TabletDisplay::setScale(TabletDisplay::scaleFor(*screen));
    QApplication app(argc, argv);
    QApplication::setStyle(new TouchStyle);
    tst_FingerTouch test(display.problem(), *screen);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fingertouch.moc"
