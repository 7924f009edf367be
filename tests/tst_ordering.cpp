#include "FingerTouch.h"
#include "GoneRegister.h"
#include "RequestsAtBirth.h"
#include "ScriptedRegister.h"
#include "TerminalFixture.h"
#include "UnansweringHost.h"

#include "app/CatalogueLoad.h"
#include "app/LinkProbe.h"
#include "app/MainWindow.h"
#include "app/StartView.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "session/ExchangePlans.h"
#include "session/Limits.h"
#include "ticket/ArticleOrder.h"
#include "ticket/CoursePanel.h"
#include "ticket/LineActionPanel.h"
#include "ticket/ParkingView.h"
#include "ticket/ProductKeys.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/ListPanel.h"
#include "widgets/RedKey.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString Supplement15 = QStringLiteral("~--$--$--$--$--$--$--$--$--$--$--$--$--$--$--$");

// The products of the tests, all on keyboard 1: what each one makes the terminal ask.
struct TestProduct
{
    const char* name;
    int article;
    QList<int> courses;
    int menucuis = -1; // -1: no kitchen options
    bool supplements = false;
};

const QList<TestProduct> Products{
    {"KIR", 10, {1}},                    // 0: one course
    {"SALADE", 20, {2, 5}},              // 1: two courses
    {"TARTE", 30, {7}, -1, true},        // 2: dessert, takes supplements
    {"PAIN", 40, {}},                    // 3: no course
    {"FORMULE", 552, {2, 5}},            // 4: a set menu of two courses
    {"CAFE", 900, {}},                   // 5: past the end of the course lists
    {"MAGRET", 90, {4}, 0},              // 6: kitchen list 1
    {"BURGER", 60, {4}, 5},              // 7: list 5, the recall list
    {"GLACE", 70, {7}, 7},               // 8: kitchen list 7
    {"STEAK", 80, {4, 5}, 7},            // 9: two courses, then kitchen list 7
    {"BROCHETTE", 95, {4}, 12},          // 10: a list number past 9
    {"ENTRECOTE", 200, {4, 5}, 0, true}, // 11: two courses, kitchen list 1, supplements
    {"CHEVRE", 50, {6, 7}},              // 12: cheese or dessert
};
constexpr int CourseListLength = 600;

QByteArray wire(const QStringList& requests)
{
    QByteArray bytes;
    for (const QString& request : requests)
        bytes += request.toLatin1() + "\r\n";
    return bytes;
}

// A window on the ticket of table 12 (4 covers, waiter 2), its catalogue made of the products above, talking to a
// scripted register. With listSupplements, the parking view is made now to list four supplements.
struct Terminal : TerminalFixture
{
    explicit Terminal(ScriptedRegister& caisse, bool listSupplements = true)
    {
        QVERIFY(activate());
        linkTo(caisse);
        form->session().setTable(QStringLiteral("12"));
        form->session().setCovers(QStringLiteral("4"));
        form->session().setWaiter(2);

        std::array<QStringList, 7> rang;
        rang.fill(QStringList(CourseListLength, QStringLiteral("0")));
        std::array<bool, ProductTable::ArticleCount> supp{};
        for (int k = 0; k < Products.size(); ++k) {
            const TestProduct& product = Products.at(k);
            Product p;
            p.texte = QLatin1String(product.name);
            p.art = product.article;
            p.numclav = 1;
            p.kitchenOptionFlag = product.menucuis >= 0 ? 1 : 0;
            p.menucuis = std::max(product.menucuis, 0);
            form->products().setProduct(k, p);
            for (const int course : product.courses)
                rang.at(size_t(course - 1))[product.article - 1] = QStringLiteral("1");
            supp.at(size_t(product.article)) = product.supplements;
        }
        // a product of no keyboard gets no key
        form->products().setProduct(int(Products.size()), {QStringLiteral("HORS CLAVIER"), {}, 0, 0, {}, 41, 13});
        form->products().setSuppFlags(supp);
        for (int course = 1; course <= 7; ++course)
            form->catalogue().setRang(course, rang.at(size_t(course - 1)));
        CatalogueParse::KitchenLists lists;
        lists.kitchenOptionLists.at(0) =
            QStringList{QStringLiteral("Saignant"), QStringLiteral("A point"), QStringLiteral("Bien cuit")};
        lists.kitchenOptionLists.at(6) = QStringList{QStringLiteral("Vanille"), QStringLiteral("Chocolat")};
        lists.rappel = QStringList{QStringLiteral("Vite")};
        form->catalogue().setKitchenLists(lists);
        form->catalogueLoad().productKeys().plan(form->products(), int(Products.size()) + 1, 403, false);
        if (listSupplements) {
            parking()->supplementsList()->setEntries({QStringLiteral("Frites"), QStringLiteral("Salade"),
                                                      QStringLiteral("Chantilly"), QStringLiteral("Glace")});
        }

        form->findChild<StartView*>()->hide();
        ticket()->show();
        ticket()->showFirstKeyboard();
    }

    TicketView* ticket() const { return ticketView(); }
    ParkingView* parking() const { return qobject_cast<ParkingView*>(form->view(QStringLiteral("poubelle"))); }
    CoursePanel* coursePanel() const { return parking()->coursePanel(); }
    ListPanel* panelsupp() const { return parking()->supplementsPanel(); }
    CatalogueKey* key(int k) const { return form->catalogueLoad().productKeys().key(k); }
    QString memo() const { return ticket()->ticketMemo()->toPlainText(); }

    void tap(int k) const { QTest::mouseClick(key(k), Qt::LeftButton); }
    static void touchEntries(CheckList* list, const QList<int>& rows)
    {
        for (const int row : rows)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    static QStringList entries(const CheckList* list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }
    QList<int> offeredCourses() const
    {
        QList<int> courses;
        for (int course = 1; course <= Limits::Courses; ++course) {
            if (coursePanel()->courseKey(course)->isVisible())
                courses.append(course);
        }
        return courses;
    }
};

// When a widget is first shown, on the clock given.
class ShowWatch final : public QObject
{
public:
    ShowWatch(QWidget* widget, const QElapsedTimer& clock) : m_clock(clock) { widget->installEventFilter(this); }
    qint64 shownAtMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && shownAtMs < 0)
            shownAtMs = m_clock.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
};

// The first paint of the ticket memo showing the awaited text, and when it came; painted runs then.
class PaintWatch final : public QObject
{
public:
    PaintWatch(QPlainTextEdit* memo, const QString& awaited, std::function<void()> painted = {})
        : m_memo(memo), m_awaited(awaited), m_painted(std::move(painted))
    {
        m_clock.start();
        memo->viewport()->installEventFilter(this);
    }
    qint64 paintedAtMs = -1;
    QElapsedTimer m_clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintedAtMs < 0 && m_memo->toPlainText() == m_awaited) {
            paintedAtMs = m_clock.elapsed();
            if (m_painted)
                m_painted();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPlainTextEdit* m_memo;
    QString m_awaited;
    std::function<void()> m_painted;
};

} // namespace

class tst_Ordering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyGoesAtOnce_data();
    void keyGoesAtOnce();
    void parkingViewIsMadeOnTheTapBeforeAnyExchange_data();
    void parkingViewIsMadeOnTheTapBeforeAnyExchange();
    void courseIsChosenFirst_data();
    void courseIsChosenFirst();
    void secondTouchOnACourseKeyOrdersNothing_data();
    void secondTouchOnACourseKeyOrdersNothing();
    void kitchenOptions_data();
    void kitchenOptions();
    void tapWithoutProductOrdersNothing_data();
    void tapWithoutProductOrdersNothing();
    void tapsWhileAHandlerRunsOrderInTurn_data();
    void tapsWhileAHandlerRunsOrderInTurn();
    void tapCoveredByThePanelTheFirstOpenedIsDropped();
    void tapsWaitingWhenTheRegisterIsFoundGoneAreDropped();
    void lostArticleReply_data();
    void lostArticleReply();
    void kitchenOptionsFailures_data();
    void kitchenOptionsFailures();
    void refreshedTicketIsPaintedBeforeTheTrailingRead();
    void noteStartsWithTheTicketOnScreen_data();
    void noteStartsWithTheTicketOnScreen();
    void kitchenOptionsRefreshLeavesTheTrailingLineToTheNextRequest();
    void kitchenOptionsWithoutRegisterSendNothing();
    void lineOperations_data();
    void lineOperations();
    void lineOperationThatFailsKeepsTheTicket_data();
    void lineOperationThatFailsKeepsTheTicket();
    void supplements_data();
    void supplements();
    void supplementsOnARegisterGoneKeepTheTicket_data();
    void supplementsOnARegisterGoneKeepTheTicket();
    void supplementTicksStayForTheNextArticle();
};

void tst_Ordering::keyGoesAtOnce_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("supplements");

    QTest::newRow("a drink of one course goes as that course")
        << 0 << QByteArray("1 KIR 4,00~TOTAL 4,00\r\n") << "10$12$4$2$1$" << false;
    QTest::newRow("an article of dessert only goes as course 7 and opens the supplements")
        << 2 << QByteArray("1 TARTE 6,00~TOTAL 6,00\r\n") << "30$12$4$2$7$" << true;
    QTest::newRow("an article of no course goes as course 0; an empty reply is read again")
        << 3 << QByteArray("\r\n1 PAIN 1,00~TOTAL 1,00\r\n") << "40$12$4$2$0$" << false;
    QTest::newRow("set menu 552 of two courses asks nothing and goes as the higher")
        << 4 << QByteArray("1 FORMULE 19,00~TOTAL 19,00\r\n") << "552$12$4$2$5$" << false;
    QTest::newRow("an article past the end of the course lists goes as course 0")
        << 5 << QByteArray("1 CAFE 2,00~TOTAL 2,00\r\n") << "900$12$4$2$0$" << false;
}

void tst_Ordering::keyGoesAtOnce()
{
    QFETCH(int, k);
    QFETCH(QByteArray, reply);
    QFETCH(QString, request);
    QFETCH(bool, supplements);
    ScriptedRegister caisse;
    caisse.replyBytes(reply);
    Terminal terminal(caisse);
    terminal.ticket()->openLinePanel(QStringLiteral("1 KIR"));
    const QColor captionColour = terminal.key(k)->palette().color(QPalette::WindowText);
    QVERIFY(!terminal.form->linkProbe().isActive());

    terminal.tap(k);

    QCOMPARE(caisse.received(), wire({request}));
    QCOMPARE(terminal.memo(), QString::fromLatin1(reply).trimmed().replace(QLatin1Char('~'), QLatin1Char('\n')));
    QVERIFY(terminal.ticket()->noteLine()->isVisible());
    QCOMPARE(terminal.ticket()->noteLine()->text(), QStringLiteral("1 * ") + QLatin1String(Products.at(k).name));
    QCOMPARE(terminal.key(k)->palette().color(QPalette::WindowText), captionColour);
    QVERIFY(terminal.form->linkProbe().isActive());
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QVERIFY(!terminal.coursePanel()->isVisible());
    QCOMPARE(terminal.panelsupp()->isVisible(), supplements);
    if (supplements)
        QCOMPARE(terminal.panelsupp()->parentWidget(), terminal.ticket());
    QCOMPARE(terminal.form->articleOrder().artencours(), Products.at(k).article);
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::parkingViewIsMadeOnTheTapBeforeAnyExchange_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("made");

    QTest::newRow("two courses: the course panel") << 1 << true;
    QTest::newRow("supplements, after the article request") << 2 << true;
    QTest::newRow("neither: the view stays unmade") << 3 << false;
}

void tst_Ordering::parkingViewIsMadeOnTheTapBeforeAnyExchange()
{
    QFETCH(int, k);
    QFETCH(bool, made);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 TARTE 6,00~TOTAL 6,00"));
    Terminal terminal(caisse, false);
    QVERIFY(!terminal.form->findChild<ParkingView*>());
    RequestsAtBirth births(*terminal.form, caisse);

    terminal.tap(k);

    const auto* parking = terminal.form->findChild<ParkingView*>();
    QCOMPARE(parking != nullptr, made);
    if (made)
        QCOMPARE(births.at(parking), 0);
    QCOMPARE(caisse.requests().size(), k == 2 || k == 3 ? 1 : 0);
}

void tst_Ordering::courseIsChosenFirst_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("panelUpWithTheTicket"); // the panel goes only once the article is in

    QTest::newRow("second plat sends course 5, then the panel goes") << 1 << 5 << "20$12$4$2$5$" << true;
    QTest::newRow("première entrée sends course 2 once the panel is gone") << 1 << 2 << "20$12$4$2$2$" << false;
    QTest::newRow("fromage sends course 6 once the panel is gone") << 12 << 6 << "50$12$4$2$6$" << false;
    QTest::newRow("dessert sends course 7 once the panel is gone") << 12 << 7 << "50$12$4$2$7$" << false;
}

void tst_Ordering::courseIsChosenFirst()
{
    QFETCH(int, k);
    QFETCH(int, chosen);
    QFETCH(QString, request);
    QFETCH(bool, panelUpWithTheTicket);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 ARTICLE 8,00~TOTAL 8,00"));
    caisse.replyBytes("1 ARTICLE 8,00~TOTAL 8,00\r\nfin\r\n");
    Terminal terminal(caisse);

    terminal.tap(k);
    QVERIFY(terminal.coursePanel()->isVisible());
    QCOMPARE(terminal.coursePanel()->parentWidget(), terminal.ticket());
    QCOMPARE(terminal.coursePanel()->titleLabel()->text(), QStringLiteral("A servir en tant que"));
    QCOMPARE(terminal.offeredCourses(), Products.at(k).courses);
    QCOMPARE(caisse.connectionCount(), 0);
    bool panelUp = false;
    PaintWatch watch(terminal.ticket()->ticketMemo(), QStringLiteral("1 ARTICLE 8,00\nTOTAL 8,00"),
                     [&] { panelUp = terminal.coursePanel()->isVisible(); });

    QTest::mouseClick(terminal.coursePanel()->courseKey(chosen), Qt::LeftButton);

    QCOMPARE(caisse.received(), wire({request, QStringLiteral("ad$12$4$2$")}));
    QVERIFY(watch.paintedAtMs >= 0);
    QCOMPARE(panelUp, panelUpWithTheTicket);
    QCOMPARE(terminal.memo(), QStringLiteral("1 ARTICLE 8,00\nTOTAL 8,00"));
    QCOMPARE(terminal.ticket()->noteLine()->text(), QStringLiteral("1 * ") + QLatin1String(Products.at(k).name));
    QVERIFY(!terminal.coursePanel()->isVisible());
    QCOMPARE(terminal.coursePanel()->parentWidget(), terminal.parking());
    QCOMPARE(terminal.form->articleOrder().rangchoisi(), chosen);
}

void tst_Ordering::secondTouchOnACourseKeyOrdersNothing_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("chosen");

    QTest::newRow("second plat") << 1 << 5;
    QTest::newRow("fromage, which lets no event in") << 12 << 6;
    QTest::newRow("dessert") << 12 << 7;
}

void tst_Ordering::secondTouchOnACourseKeyOrdersNothing()
{
    QFETCH(int, k);
    QFETCH(int, chosen);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 ARTICLE 8,00~TOTAL 8,00"));
    caisse.replyBytes("1 ARTICLE 8,00~TOTAL 8,00\r\nfin\r\n");
    Terminal terminal(caisse);
    terminal.tap(k);
    RedKey* courseKey = terminal.coursePanel()->courseKey(chosen);
    QWidget* window = terminal.form.get();
    // a spot of the course key over the caption of a product key, as the screen stands once the panel is gone
    QPoint spot(-1, -1);
    terminal.coursePanel()->hide();
    const QRect courseKeyArea(courseKey->mapTo(window, QPoint()), courseKey->size());
    for (int y = courseKeyArea.top(); y <= courseKeyArea.bottom() && spot.x() < 0; y += 4) {
        for (int x = courseKeyArea.left(); x <= courseKeyArea.right() && spot.x() < 0; x += 4) {
            const auto* under = qobject_cast<CatalogueKey*>(window->childAt(x, y));
            if (under && under->captionBox().contains(under->mapFrom(window, QPoint(x, y))))
                spot = QPoint(x, y);
        }
    }
    terminal.coursePanel()->show();
    QVERIFY2(spot.x() >= 0, "no product key lies under the course key");

    // both touches of a double tap aimed at the course key: the second lands where the panel was
    FingerTouch::doubleTap(courseKey, courseKey->mapFrom(window, spot));

    QVERIFY(qobject_cast<CatalogueKey*>(window->childAt(spot)));
    QTest::qWait(200);
    QCOMPARE(caisse.requests().size(), 2);
    QCOMPARE(terminal.form->articleOrder().rangchoisi(), chosen);
    QVERIFY(!terminal.form->guard().busy());
}

void tst_Ordering::kitchenOptions_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("course"); // the course key touched first; 0: none asked
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("supplements");

    QTest::newRow("three options, the first and third ticked")
        << 6 << 0 << QStringList{"Saignant", "A point", "Bien cuit"} << QList<int>{0, 2} << "90$12$4$2$4$~1$--$1$"
        << false;
    QTest::newRow("list 5 is the recall list: no option, the article goes without flags")
        << 7 << 0 << QStringList{} << QList<int>{} << "60$12$4$2$4$" << false;
    QTest::newRow("a list number past 9 gives no option")
        << 10 << 0 << QStringList{} << QList<int>{} << "95$12$4$2$4$" << false;
    QTest::newRow("list 7 on a direct tap")
        << 8 << 0 << QStringList{"Vanille", "Chocolat"} << QList<int>{1} << "70$12$4$2$7$~--$1$" << false;
    QTest::newRow("list 7 after a course choice: the same list")
        << 9 << 5 << QStringList{"Vanille", "Chocolat"} << QList<int>{0} << "80$12$4$2$5$~1$--$" << false;
    QTest::newRow("a course, options, then the supplements")
        << 11 << 4 << QStringList{"Saignant", "A point", "Bien cuit"} << QList<int>{1} << "200$12$4$2$4$~--$1$--$"
        << true;
}

void tst_Ordering::kitchenOptions()
{
    QFETCH(int, k);
    QFETCH(int, course);
    QFETCH(QStringList, options);
    QFETCH(QList<int>, ticked);
    QFETCH(QString, request);
    QFETCH(bool, supplements);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("ignored"));
    caisse.replyBytes("1 PLAT 20,00~TOTAL 20,00\r\nfin\r\n");
    Terminal terminal(caisse);
    CheckList* list = terminal.ticket()->optionsList();

    terminal.tap(k);
    if (course)
        QTest::mouseClick(terminal.coursePanel()->courseKey(course), Qt::LeftButton);
    QVERIFY(terminal.ticket()->optionsPanel()->isVisible());
    QCOMPARE(Terminal::entries(list), options);
    QCOMPARE(caisse.connectionCount(), 0);
    Terminal::touchEntries(list, ticked);

    QTest::mouseClick(terminal.ticket()->optionsValidateButton(), Qt::LeftButton);

    QCOMPARE(caisse.received(), wire({request, QStringLiteral("ad$12$4$2$")}));
    QCOMPARE(terminal.memo(), QStringLiteral("1 PLAT 20,00\nTOTAL 20,00"));
    QVERIFY(!terminal.ticket()->optionsPanel()->isVisible());
    QVERIFY(!list->ticks().contains(true));
    QCOMPARE(terminal.panelsupp()->isVisible(), supplements);
}

void tst_Ordering::tapWithoutProductOrdersNothing_data()
{
    QTest::addColumn<int>("k");

    QTest::newRow("a product of no keyboard") << int(Products.size());
    QTest::newRow("an index past the products") << int(Products.size()) + 1;
    QTest::newRow("index 1000, past the 999 a key may carry") << 1000;
    QTest::newRow("an index past the product table") << 5000;
    QTest::newRow("a negative index") << -1;
}

void tst_Ordering::tapWithoutProductOrdersNothing()
{
    QFETCH(int, k);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 ERREUR"));
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("1 KIR"));

    Q_EMIT terminal.form->catalogueLoad().productKeys().productTapped(k);

    QCOMPARE(caisse.connectionCount(), 0);
    QCOMPARE(terminal.memo(), QStringLiteral("1 KIR"));
    QVERIFY(!terminal.coursePanel()->isVisible());
    QVERIFY(!terminal.ticket()->optionsPanel()->isVisible());
    QVERIFY(!terminal.ticket()->noteLine()->isVisible());
    QVERIFY(!terminal.form->guard().busy());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::tapsWhileAHandlerRunsOrderInTurn_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("halfInSight"); // the second key's centre is scrolled out of its box
    QTest::addColumn<QStringList>("requests");

    const QString kir = QStringLiteral("10$12$4$2$1$");
    const QString pain = QStringLiteral("40$12$4$2$0$");
    // at 0 ms the second tap comes while the first handler lets pending events run: it waits its turn
    QTest::newRow("another key, at once") << 0 << 3 << 0 << false << QStringList{kir, pain};
    QTest::newRow("another key, 100 ms later") << 0 << 3 << 100 << false << QStringList{kir, pain};
    QTest::newRow("the same key again, at once") << 3 << 3 << 0 << false << QStringList{pain, pain};
    QTest::newRow("a key touched on its part in sight, its centre scrolled out")
        << 3 << 2 << 0 << true << QStringList{pain, QStringLiteral("30$12$4$2$7$")};
}

void tst_Ordering::tapsWhileAHandlerRunsOrderInTurn()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, delayMs);
    QFETCH(bool, halfInSight);
    QFETCH(QStringList, requests);
    ScriptedRegister caisse;
    caisse.setReplyDelay(150);
    caisse.replyLine(QStringLiteral("1 KIR~TOTAL 4,00"));
    caisse.replyLine(QStringLiteral("1 KIR~1 MORE~TOTAL 5,00"));
    Terminal terminal(caisse);
    CatalogueKey* secondKey = terminal.key(second);
    int alphaWhileQueued = -1;
    QTimer::singleShot(delayMs, terminal.form.get(), [&] {
        QPoint touched = secondKey->captionBox().center();
        if (halfInSight) {
            QScrollArea* box = terminal.ticket()->keyboardScrollBox(1);
            box->widget()->setMinimumHeight(box->viewport()->height() * 3);
            QCoreApplication::processEvents();
            // the box's top edge runs just below the key's centre: the lower part of its caption is in sight
            box->verticalScrollBar()->setValue(secondKey->geometry().center().y() + 4);
            touched.setY(secondKey->mapFrom(box->viewport(), QPoint(0, 0)).y() + 8);
            QVERIFY(secondKey->captionBox().contains(touched));
            QVERIFY(!box->viewport()->rect().contains(secondKey->mapTo(box->viewport(), secondKey->rect().center())));
        }
        QTest::mouseClick(secondKey, Qt::LeftButton, {}, touched);
        alphaWhileQueued = secondKey->palette().color(QPalette::WindowText).alpha();
    });

    terminal.tap(first);
    QTRY_COMPARE(caisse.requests().size(), 2);
    QTRY_COMPARE(terminal.memo(), QStringLiteral("1 KIR\n1 MORE\nTOTAL 5,00"));

    QCOMPARE(caisse.received(), wire(requests));
    if (delayMs == 0)
        QCOMPARE(alphaWhileQueued, 0);
    QCOMPARE(terminal.key(first)->palette().color(QPalette::WindowText).alpha(), 255);
    QCOMPARE(secondKey->palette().color(QPalette::WindowText).alpha(), 255);
    QTest::qWait(300);
    QCOMPARE(caisse.requests().size(), 2);
}

void tst_Ordering::tapCoveredByThePanelTheFirstOpenedIsDropped()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    // the second tap waits while the first opens the kitchen options over the whole screen
    QTimer::singleShot(0, terminal.form.get(), [&] { terminal.tap(3); });

    terminal.tap(6);

    QVERIFY(terminal.ticket()->optionsPanel()->isVisible());
    QCOMPARE(terminal.key(3)->palette().color(QPalette::WindowText).alpha(), 255);
    QTest::qWait(100);
    QCOMPARE(caisse.connectionCount(), 0);
    QCOMPARE(terminal.form->articleOrder().artencours(), 90);
}

void tst_Ordering::tapsWaitingWhenTheRegisterIsFoundGoneAreDropped()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    const UnansweringHost gone;
    terminal.form->link().setPort(gone.port());
    terminal.form->link().setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    QTimer::singleShot(0, terminal.form.get(), [&] { terminal.tap(3); });
    QElapsedTimer clock;
    clock.start();

    terminal.tap(0);

    // each would hold the screen for a connect timeout again, to order nothing
    QCOMPARE_LT(clock.elapsed(),
                RegisterLink::ServiceConnectTimeoutMs + ArticleOrder::UnansweredNoticeRounds * 10 + 1000);
    QVERIFY(terminal.form->link().lastTapFoundRegisterGone());
    QCOMPARE(terminal.form->articleOrder().artencours(), 10);
    QCOMPARE(terminal.key(3)->palette().color(QPalette::WindowText).alpha(), 255);
}

void tst_Ordering::lostArticleReply_data()
{
    QTest::addColumn<int>("course"); // 0: the key orders at once
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("waiting"); // taps made on the frozen screen, queued behind the first
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("kept"); // the ticket on screen stays, though the register may hold more
    QTest::addColumn<bool>("notice");

    const QString before = QStringLiteral("1 PAIN\nTOTAL 1,00");
    const QString after = QStringLiteral("1 PAIN\n1 KIR\nTOTAL 5,00");
    const QString ticket = QStringLiteral("1 PAIN~1 KIR~TOTAL 5,00");
    QTest::newRow("no reply: the register's ticket")
        << 0 << QStringList{ScriptedRegister::Silent, ticket} << 0 << after << false << false;
    QTest::newRow("a garbled reply: the register's ticket")
        << 0 << QStringList{QString::fromLatin1("1 KI\0R", 6), ticket} << 0 << after << false << false;
    QTest::newRow("the connection dropped: the register's ticket")
        << 0 << QStringList{ScriptedRegister::Dropped, ticket} << 0 << after << false << false;
    QTest::newRow("no reply to the refresh either: the ticket stays, with a notice")
        << 0 << QStringList{ScriptedRegister::Silent, ScriptedRegister::Silent} << 0 << before << true << true;
    QTest::newRow("after a course choice, no reply to either: the same")
        << 2 << QStringList{ScriptedRegister::Silent, ScriptedRegister::Silent} << 0 << before << true << true;
    QTest::newRow("two taps waiting behind a lost reply: one line ordered, the taps dropped, the notice")
        << 0 << QStringList{ScriptedRegister::Silent, ticket} << 2 << after << false << true;
    QTest::newRow("after a course choice, a tap waiting behind a lost reply is dropped too")
        << 2 << QStringList{ScriptedRegister::Silent, ticket} << 1 << after << false << true;
}

void tst_Ordering::lostArticleReply()
{
    QFETCH(int, course);
    QFETCH(QStringList, script);
    QFETCH(int, waiting);
    QFETCH(QString, memo);
    QFETCH(bool, kept);
    QFETCH(bool, notice);
    ScriptedRegister caisse;
    caisse.script(script);
    // what the register would answer the dropped taps
    caisse.script({QStringLiteral("1 PAIN~2 KIR~TOTAL 9,00"), QStringLiteral("1 PAIN~2 KIR~1 PAIN~TOTAL 10,00")});
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("1 PAIN~TOTAL 1,00"));
    QString noticeSeen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const auto* textmess = terminal.form->findChild<QLabel*>(QStringLiteral("Textmess"));
        if (textmess->isVisible())
            noticeSeen = textmess->text();
    });
    watch.start(50);
    // the waiter taps again while the screen stands frozen: the touches come in once the register has been waited for
    const QList<int> again{3, 5};
    for (int i = 0; i < waiting; ++i)
        QTimer::singleShot(300 * (i + 1), terminal.form.get(), [&terminal, k = again.at(i)] { terminal.tap(k); });

    if (course == 0) {
        terminal.tap(0);
    } else {
        terminal.tap(1);
        QTest::mouseClick(terminal.coursePanel()->courseKey(course), Qt::LeftButton);
    }

    const QString article = course == 0 ? QStringLiteral("10$12$4$2$1$") : QStringLiteral("20$12$4$2$2$");
    // the ticket is asked once, whatever the first request got
    QCOMPARE(caisse.requests(), QStringList({article, QStringLiteral("ad$12$4$2$")}));
    QCOMPARE(terminal.memo(), memo);
    QCOMPARE(terminal.ticket()->ticketKept(), kept);
    QCOMPARE(noticeSeen, notice ? QStringLiteral("La caisse n'a pas répondu\nVérifiez le ticket") : QString());
    QTest::qWait(300);
    // nothing more is ordered; a link left unanswered may be tried by the link probe
    QCOMPARE(caisse.requests().filter(QRegularExpression(QStringLiteral("^(?!connect$)"))).size(), 2);
    for (const int k : again)
        QCOMPARE(terminal.key(k)->palette().color(QPalette::WindowText).alpha(), 255);
    QVERIFY(!terminal.form->guard().busy());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::kitchenOptionsFailures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("script"); // the replies to the article and to the ticket request
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("supplements");
    QTest::addColumn<QString>("memo");

    const QString article = QStringLiteral("200$12$4$2$4$~--$--$--$");
    const QString before = QStringLiteral("1 PAIN\nTOTAL 1,00");
    const QStringList dropped{ScriptedRegister::Dropped, QStringLiteral("1 ENTRECOTE~TOTAL 25,00")};
    QTest::newRow("no connection: nothing is sent, the ticket stays")
        << "refused" << dropped << QStringList{} << false << before;
    QTest::newRow("the connection drops after the article: the ticket and the supplements still come")
        << "dropped" << dropped << QStringList{article, QStringLiteral("ad$12$4$2$")} << true
        << QStringLiteral("1 ENTRECOTE\nTOTAL 25,00");
    QTest::newRow("no connection for the ticket: no supplements")
        << "dropped, then refused" << dropped << QStringList{article} << false << before;
    QTest::newRow("the connection drops on the ticket: the ticket keeps its text, the supplements come")
        << "dropped" << QStringList{QStringLiteral("OK"), ScriptedRegister::Dropped}
        << QStringList{article, QStringLiteral("ad$12$4$2$")} << true << before;
}

void tst_Ordering::kitchenOptionsFailures()
{
    QFETCH(QString, failure);
    QFETCH(QStringList, script);
    QFETCH(QStringList, requests);
    QFETCH(bool, supplements);
    QFETCH(QString, memo);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("OK"));
    caisse.script(script);
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("1 PAIN~TOTAL 1,00"));
    QCOMPARE(terminal.form->link().exchange(QStringLiteral("connect")), QStringLiteral("OK"));
    terminal.tap(11);
    QTest::mouseClick(terminal.coursePanel()->courseKey(4), Qt::LeftButton);
    QVERIFY(terminal.ticket()->optionsPanel()->isVisible());
    if (failure == QLatin1String("refused"))
        terminal.form->link().disconnect();
    if (failure != QLatin1String("dropped"))
        caisse.stopListening();

    QTest::mouseClick(terminal.ticket()->optionsValidateButton(), Qt::LeftButton);

    QCOMPARE(caisse.requests(), QStringList{QStringLiteral("connect")} + requests);
    QVERIFY(!terminal.ticket()->optionsPanel()->isVisible());
    QCOMPARE(terminal.panelsupp()->isVisible(), supplements);
    QCOMPARE(terminal.memo(), memo);
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::refreshedTicketIsPaintedBeforeTheTrailingRead()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("ignored"));
    // the sample register sends nothing after the ticket: the trailing read waits its whole timeout
    caisse.replyLine(QStringLiteral("1 SALADE~TOTAL 8,00"));
    Terminal terminal(caisse);
    terminal.tap(1);

    PaintWatch watch(terminal.ticket()->ticketMemo(), QStringLiteral("1 SALADE\nTOTAL 8,00"));
    QTest::mouseClick(terminal.coursePanel()->courseKey(2), Qt::LeftButton);
    const qint64 handledMs = watch.m_clock.elapsed();

    QVERIFY(watch.paintedAtMs >= 0);
    QCOMPARE_GE(handledMs, 50 + 100 + RegisterLink::ReadTimeoutMs);
    QCOMPARE_LT(watch.paintedAtMs, handledMs - RegisterLink::ReadTimeoutMs + 100);
}

void tst_Ordering::noteStartsWithTheTicketOnScreen_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("articleReply");

    QTest::newRow("after a course choice") << 1 << "ignored";
    QTest::newRow("after a direct tap whose reply was lost") << 0 << ScriptedRegister::Silent;
}

void tst_Ordering::noteStartsWithTheTicketOnScreen()
{
    QFETCH(int, k);
    QFETCH(QString, articleReply);
    ScriptedRegister caisse;
    caisse.script({articleReply, QStringLiteral("1 ARTICLE~TOTAL 8,00")});
    Terminal terminal(caisse);

    // the note's second is counted by the timer it starts: it must start once the waiter sees the ticket
    QLineEdit* note = terminal.ticket()->noteLine();
    PaintWatch watch(terminal.ticket()->ticketMemo(), QStringLiteral("1 ARTICLE\nTOTAL 8,00"));
    ShowWatch noteWatch(note, watch.m_clock);
    terminal.tap(k);
    if (k == 1)
        QTest::mouseClick(terminal.coursePanel()->courseKey(2), Qt::LeftButton);

    QCOMPARE(note->text(), QStringLiteral("1 * ") + QLatin1String(Products.at(k).name));
    QVERIFY(watch.paintedAtMs >= 0);
    QVERIFY(noteWatch.shownAtMs >= 0);
    QCOMPARE_GE(noteWatch.shownAtMs, watch.paintedAtMs);
    // and it is still there after the refresh has held the screen for the register's trailing line
    QVERIFY(note->isVisible());
}

void tst_Ordering::kitchenOptionsRefreshLeavesTheTrailingLineToTheNextRequest()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("ignored"));
    // no line after the ticket: a trailing read would wait its whole timeout
    caisse.replyLine(QStringLiteral("1 MAGRET~TOTAL 22,00"));
    caisse.replyLine(QStringLiteral("1 MAGRET~1 KIR~TOTAL 26,00"));
    Terminal terminal(caisse);
    terminal.tap(6);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(terminal.ticket()->optionsValidateButton(), Qt::LeftButton);
    QCOMPARE_LT(clock.elapsed(), 100 + RegisterLink::ReadTimeoutMs);
    QCOMPARE(terminal.memo(), QStringLiteral("1 MAGRET\nTOTAL 22,00"));

    // a line the register sends after the ticket is not taken for the reply to the next key
    caisse.sendNow("fin du ticket\r\n");
    QTest::qWait(50);
    terminal.tap(0);
    QCOMPARE(terminal.memo(), QStringLiteral("1 MAGRET\n1 KIR\nTOTAL 26,00"));
}

void tst_Ordering::kitchenOptionsWithoutRegisterSendNothing()
{
    ScriptedRegister caisse;
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("1 KIR"));
    // two courses, then the kitchen options, then the supplements: nothing is asked of the register on the way
    terminal.tap(11);
    QTest::mouseClick(terminal.coursePanel()->courseKey(4), Qt::LeftButton);
    Terminal::touchEntries(terminal.ticket()->optionsList(), {1});
    caisse.stopListening();

    QTest::mouseClick(terminal.ticket()->optionsValidateButton(), Qt::LeftButton);

    QCOMPARE(caisse.connectionCount(), 0);
    QVERIFY(!terminal.ticket()->optionsPanel()->isVisible());
    QVERIFY(!terminal.ticket()->optionsList()->ticks().contains(true));
    QVERIFY(!terminal.panelsupp()->isVisible());
    QCOMPARE(terminal.memo(), QStringLiteral("1 KIR"));
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::lineOperations_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("kept"); // the register's ticket, when the one on screen was kept without a reply
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QString>("memo");

    const QString changed = QStringLiteral("2 KIR\n1 PAIN\n1 TARTE offert\nTOTAL 8,00");
    QTest::newRow("Enlever 1 on the third article line")
        << "Button34" << QString() << QStringList{"moinsun$12$4$2$3$", "ad$12$4$2$"} << changed;
    QTest::newRow("Offrir cette ligne on the third article line")
        << "Button35" << QString() << QStringList{"offreligne$12$4$2$3$", "ad$12$4$2$"} << changed;
    QTest::newRow("on a kept ticket, the register's is fetched first; the line is still third")
        << "Button34"
        << "2 KIR~ sans glace~1 PAIN~1 TARTE~1 KIR~TOTAL 18,00"
        << QStringList{"ad$12$4$2$", "moinsun$12$4$2$3$", "ad$12$4$2$"} << changed;
    QTest::newRow("on a kept ticket whose line changed on the register, nothing is sent")
        << "Button35"
        << "2 KIR~ sans glace~1 PAIN~2 TARTE~TOTAL 19,00" << QStringList{"ad$12$4$2$"}
        << QStringLiteral("2 KIR\n sans glace\n1 PAIN\n2 TARTE\nTOTAL 19,00");
}

void tst_Ordering::lineOperations()
{
    QFETCH(QString, button);
    QFETCH(QString, kept);
    QFETCH(QStringList, requests);
    QFETCH(QString, memo);
    ScriptedRegister caisse;
    if (!kept.isEmpty())
        caisse.replyBytes(kept.toLatin1() + "\r\nfin\r\n");
    caisse.replyLine(QStringLiteral("OK"));
    caisse.replyBytes("2 KIR~1 PAIN~1 TARTE offert~TOTAL 8,00\r\nfin\r\n");
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("2 KIR~ sans glace~1 PAIN~1 TARTE~TOTAL 14,00"));
    if (!kept.isEmpty())
        terminal.ticket()->keepTicket();
    const int size = terminal.ticket()->ticketMemo()->font().pixelSize();
    terminal.form->ticketDisplay().pickLineAt(4 * size + size / 2);
    QCOMPARE(terminal.form->ticketDisplay().linenumber(), 3);
    LineActionPanel* panel = terminal.ticket()->lineActionPanel();
    QCOMPARE(panel->findChild<QPushButton*>(button)->text(),
             button == QLatin1String("Button34") ? QStringLiteral("Enlever 1") : QStringLiteral("Offrir cette ligne"));

    QTest::mouseClick(panel->findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(caisse.requests(), requests);
    QVERIFY(!panel->isVisible());
    QCOMPARE(terminal.memo(), memo);
    QVERIFY(!terminal.ticket()->ticketKept());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::lineOperationThatFailsKeepsTheTicket_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("no register") << false << QByteArray();
    QTest::newRow("the link dropped after the send") << true << QByteArray("moinsun$12$4$2$1$\r\n");
}

void tst_Ordering::lineOperationThatFailsKeepsTheTicket()
{
    QFETCH(bool, reachable);
    QFETCH(QByteArray, sent);

    ScriptedRegister caisse;
    if (reachable)
        caisse.closeConnection();
    else
        caisse.stopListening();
    Terminal terminal(caisse);
    terminal.ticket()->showTicket(QStringLiteral("2 KIR~1 PAIN"));
    terminal.form->ticketDisplay().pickLineAt(terminal.ticket()->ticketMemo()->font().pixelSize() * 3 / 2);

    terminal.ticket()->lineActionPanel()->removeOneButton()->click();

    // no refresh: nothing says the register changed the ticket
    QCOMPARE(caisse.received(), sent);
    QVERIFY(!terminal.ticket()->lineActionPanel()->isVisible());
    QCOMPARE(terminal.memo(), QStringLiteral("2 KIR\n1 PAIN"));
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Ordering::supplements_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QStringList>("replies"); // to the supplement requests
    QTest::addColumn<QStringList>("requests");

    QTest::newRow("the first and fourth ticked: 942 then 945, then the ticket once")
        << QList<int>{3, 0} << QStringList{"ignored", "ignored"}
        << QStringList{"942$12$4$2$" + Supplement15, "945$12$4$2$" + Supplement15, "ad$12$4$2$"};
    QTest::newRow("none ticked: the ticket only") << QList<int>{} << QStringList{} << QStringList{"ad$12$4$2$"};
    QTest::newRow("one lost in the middle: the others still go, then the ticket once")
        << QList<int>{0, 1, 3} << QStringList{"ignored", ScriptedRegister::Dropped, "ignored"}
        << QStringList{"942$12$4$2$" + Supplement15, "943$12$4$2$" + Supplement15, "945$12$4$2$" + Supplement15,
                       "ad$12$4$2$"};
}

void tst_Ordering::supplements()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, replies);
    QFETCH(QStringList, requests);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 TARTE~TOTAL 6,00"));
    caisse.script(replies);
    caisse.replyBytes("1 TARTE~1 + FRITES~1 + GLACE~TOTAL 12,00\r\nfin\r\n");
    Terminal terminal(caisse);
    terminal.tap(2);
    QVERIFY(terminal.panelsupp()->isVisible());
    QCOMPARE(terminal.parking()->leaveSupplementsButton()->text(), QStringLiteral("Quitter les suppléments"));
    Terminal::touchEntries(terminal.parking()->supplementsList(), ticked);

    QTest::mouseClick(terminal.parking()->leaveSupplementsButton(), Qt::LeftButton);

    QCOMPARE(caisse.received(), wire(QStringList{QStringLiteral("30$12$4$2$7$")} + requests));
    QVERIFY(!terminal.panelsupp()->isVisible());
    QCOMPARE(terminal.panelsupp()->parentWidget(), terminal.parking());
    QCOMPARE(terminal.memo(), QStringLiteral("1 TARTE\n1 + FRITES\n1 + GLACE\nTOTAL 12,00"));
}

void tst_Ordering::supplementsOnARegisterGoneKeepTheTicket_data()
{
    QTest::addColumn<QString>("gone");
    for (const QString& gone : GoneRegister::ways())
        QTest::newRow(qPrintable(gone)) << gone;
}

void tst_Ordering::supplementsOnARegisterGoneKeepTheTicket()
{
    QFETCH(QString, gone);
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 TARTE~TOTAL 6,00"));
    Terminal terminal(caisse);
    terminal.parking()->supplementsList()->setEntries({QStringLiteral("Frites"), QStringLiteral("Salade"),
                                                       QStringLiteral("Chantilly"), QStringLiteral("Glace"),
                                                       QStringLiteral("Fromage")});
    terminal.tap(2);
    QVERIFY(terminal.panelsupp()->isVisible());
    Terminal::touchEntries(terminal.parking()->supplementsList(), {0, 1, 2, 3, 4});
    const GoneRegister goneRegister(caisse, gone);
    terminal.form->link().setPort(goneRegister.port());
    terminal.form->link().setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    QElapsedTimer held;
    held.start();

    QTest::mouseClick(terminal.parking()->leaveSupplementsButton(), Qt::LeftButton);

    // the failed supplements are skipped, the service goes on with the ticket as it stood
    QCOMPARE_LT(held.elapsed(), ExchangePlans::TapHoldBoundMs);
    QVERIFY(!terminal.panelsupp()->isVisible());
    QCOMPARE(terminal.memo(), QStringLiteral("1 TARTE\nTOTAL 6,00"));
    QVERIFY(terminal.messages.isEmpty());
    QCOMPARE(caisse.requests().mid(0, 2),
             (QStringList{QStringLiteral("30$12$4$2$7$"), QStringLiteral("942$12$4$2$") + Supplement15}));
}

void tst_Ordering::supplementTicksStayForTheNextArticle()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("1 TARTE"));
    caisse.replyLine(QStringLiteral("ignored"));
    caisse.replyBytes("1 TARTE~1 + SALADE\r\nfin\r\n");
    caisse.replyLine(QStringLiteral("2 TARTE~1 + SALADE"));
    caisse.replyLine(QStringLiteral("ignored"));
    caisse.replyBytes("2 TARTE~2 + SALADE\r\nfin\r\n");
    Terminal terminal(caisse);
    terminal.tap(2);
    Terminal::touchEntries(terminal.parking()->supplementsList(), {1});
    QTest::mouseClick(terminal.parking()->leaveSupplementsButton(), Qt::LeftButton);

    terminal.tap(2);
    QCOMPARE(terminal.parking()->supplementTicks(), (QList<bool>{false, true, false, false}));
    QTest::mouseClick(terminal.parking()->leaveSupplementsButton(), Qt::LeftButton);

    const QString salade = "943$12$4$2$" + Supplement15;
    QCOMPARE(caisse.received(), wire({QStringLiteral("30$12$4$2$7$"), salade, QStringLiteral("ad$12$4$2$"),
                                      QStringLiteral("30$12$4$2$7$"), salade, QStringLiteral("ad$12$4$2$")}));
    QCOMPARE(terminal.memo(), QStringLiteral("2 TARTE\n2 + SALADE"));
}

QTEST_MAIN(tst_Ordering)
#include "tst_ordering.moc"
