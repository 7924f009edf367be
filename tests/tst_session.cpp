#include "session/Session.h"

#include <QTest>

namespace {

// a plan in a few words, zero waits and false flags left out: "stale pause=150 quiet"
QString planText(const ExchangePlan& plan)
{
    QStringList words;
    const auto flag = [&](bool on, const char* word) {
        if (on)
            words.append(QLatin1String(word));
    };
    const auto wait = [&](int ms, const char* word) {
        if (ms > 0)
            words.append(QStringLiteral("%1=%2").arg(QLatin1String(word)).arg(ms));
    };
    flag(plan.fresh, "fresh");
    wait(plan.settleMs, "settle");
    flag(plan.staleRead, "stale");
    wait(plan.pauseMs, "pause");
    flag(plan.secondRead, "second");
    wait(plan.secondReadPauseMs, "secondPause");
    flag(plan.trailingRead, "trailing");
    switch (plan.onError) {
    case OnError::Raise:
        words.append(QStringLiteral("raise"));
        break;
    case OnError::Quiet:
        words.append(QStringLiteral("quiet"));
        break;
    case OnError::RaiseUnsent:
        words.append(QStringLiteral("unsent"));
        break;
    }
    return words.join(QLatin1Char(' '));
}

} // namespace

class tst_Session : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void requests_data();
    void requests();
    void resetStartsANewService();
};

void tst_Session::requests_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("covers");
    QTest::addColumn<int>("waiter");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("plan");

    QTest::newRow("the ticket carries table, covers and waiter") << "12"
                                                                 << "4" << 3 << "ticket"
                                                                 << "ad$12$4$3$"
                                                                 << "pause=100 second trailing quiet";
    QTest::newRow("the ticket of a table from the plan always says 0 covers") << "12"
                                                                              << "4" << 3 << "planTicket"
                                                                              << "ad$12$0$3$"
                                                                              << "pause=100 quiet";
    QTest::newRow("the covers of a table from the list carry the table alone") << "7"
                                                                               << "2" << 1 << "listCovers"
                                                                               << "couverts$7$"
                                                                               << "stale pause=150 quiet";
    QTest::newRow("the covers of a table from the plan carry the previous count") << "7"
                                                                                  << "2" << 1 << "planCovers"
                                                                                  << "couverts$7$2$1$"
                                                                                  << "stale pause=150 quiet";
    QTest::newRow("the covers panel asks with table and waiter") << "7"
                                                                 << "2" << 5 << "coversPanel"
                                                                 << "couverts$7$5$"
                                                                 << "stale quiet";
    QTest::newRow("the chosen covers go out as a standard request") << "7"
                                                                    << "6" << 5 << "coversUpdate"
                                                                    << "envcouverts$7$6$5$"
                                                                    << "stale quiet";
    QTest::newRow("without a table the table field is 0") << "0"
                                                          << "0" << 8 << "ticket"
                                                          << "ad$0$0$8$"
                                                          << "pause=100 second trailing quiet";
    QTest::newRow("a waiter's code check carries the current waiter") << "3"
                                                                      << "2" << 4 << "codeCheck"
                                                                      << "code1$4$1234$"
                                                                      << "pause=100 second unsent";
    QTest::newRow("a waiter key asks for that waiter") << "3"
                                                       << "2" << 4 << "waiter7"
                                                       << "code$7$"
                                                       << "pause=10 second unsent";
    QTest::newRow("an article carries its course after the waiter") << "12"
                                                                    << "4" << 2 << "article"
                                                                    << "40$12$4$2$7$"
                                                                    << "second quiet";
    QTest::newRow("an article of no course on the own account") << "0"
                                                                << "0" << 2 << "articleNoCourse"
                                                                << "50$0$0$2$0$"
                                                                << "second quiet";
    QTest::newRow("kitchen options: first and third of three ticked") << "12"
                                                                      << "4" << 2 << "articleOptions"
                                                                      << "90$12$4$2$4$~1$--$1$"
                                                                      << "quiet";
    QTest::newRow("an empty option list adds no flags") << "12"
                                                        << "4" << 2 << "articleEmptyList"
                                                        << "60$12$4$2$4$"
                                                        << "quiet";
    QTest::newRow("supplement 0 is article 942 with fifteen empty flags")
        << "12"
        << "4" << 2 << "supplement0"
        << "942$12$4$2$~--$--$--$--$--$--$--$--$--$--$--$--$--$--$--$"
        << "pause=100 second quiet";
    QTest::newRow("supplement 3 is article 945") << "12"
                                                 << "4" << 2 << "supplement3"
                                                 << "945$12$4$2$~--$--$--$--$--$--$--$--$--$--$--$--$--$--$--$"
                                                 << "pause=100 second quiet";
    QTest::newRow("one less on the third article line") << "12"
                                                        << "4" << 2 << "lineRemoval"
                                                        << "moinsun$12$4$2$3$"
                                                        << "pause=50 quiet";
    QTest::newRow("the third article line offered") << "12"
                                                    << "4" << 2 << "lineOffer"
                                                    << "offreligne$12$4$2$3$"
                                                    << "pause=50 quiet";
    QTest::newRow("the courses waiting are asked with the standard fields") << "12"
                                                                            << "4" << 3 << "waitingCourses"
                                                                            << "demanderang$12$4$3$"
                                                                            << "stale raise";
    QTest::newRow("one course goes to the kitchen by its number") << "12"
                                                                  << "4" << 3 << "dispatch5"
                                                                  << "ec$12$4$3$5$"
                                                                  << "pause=150 quiet";
    QTest::newRow("everything goes to the kitchen as course 0") << "12"
                                                                << "4" << 3 << "dispatch0"
                                                                << "ec$12$4$3$0$"
                                                                << "pause=150 quiet";
    QTest::newRow("leaving the table ends with 0") << "12"
                                                   << "4" << 3 << "leaveTable"
                                                   << "retour$12$4$3$0$"
                                                   << "pause=150 quiet";
    QTest::newRow("recall messages carry the course, then a flag per message") << "12"
                                                                               << "4" << 3 << "recall"
                                                                               << "rc$12$4$3$4$~--$1$--$"
                                                                               << "quiet";
    QTest::newRow("the next course is asked without the covers") << "12"
                                                                 << "4" << 3 << "nextCourse"
                                                                 << "suitesss$12$3$"
                                                                 << "stale quiet";
    QTest::newRow("the next course claimed carries the course and the flags") << "12"
                                                                              << "4" << 3 << "nextCourseClaim"
                                                                              << "su$12$4$3$4$~1$1$--$"
                                                                              << "quiet";
    QTest::newRow("an empty list still sends its tilde") << "12"
                                                         << "4" << 3 << "recallOfNone"
                                                         << "rc$12$4$3$4$~"
                                                         << "quiet";
    QTest::newRow("finalising asks for the total") << "12"
                                                   << "4" << 3 << "total"
                                                   << "ntotal$12$4$3$"
                                                   << "stale pause=300 second secondPause=100 quiet";
    QTest::newRow("a pro-forma is asked with the standard fields") << "12"
                                                                   << "4" << 3 << "proforma"
                                                                   << "AN$12$4$3$"
                                                                   << "stale pause=300 second quiet";
    QTest::newRow("a card payment is its command with the standard fields") << "12"
                                                                            << "4" << 3 << "card"
                                                                            << "cb$12$4$3$"
                                                                            << "pause=100 quiet";
    QTest::newRow("a message to the register's screen ends with a $") << "5"
                                                                      << "2" << 3 << "screenMessage"
                                                                      << "adc$5$2$3$Client au bar$"
                                                                      << "second quiet";
    QTest::newRow("a $ typed in a message goes out as it is") << "5"
                                                              << "2" << 3 << "printersMessage"
                                                              << "adi$5$2$3$10$ pour la 5$"
                                                              << "second quiet";
    QTest::newRow("the set menus of the ticket are a standard request") << "12"
                                                                        << "4" << 2 << "setMenuList"
                                                                        << "af$12$4$2$"
                                                                        << "settle=20 pause=150 second raise";
    QTest::newRow("a dish carries column, line, position in the row and course") << "12"
                                                                                 << "4" << 2 << "setMenuDish"
                                                                                 << "r$12$4$2$1$2$1$4$"
                                                                                 << "second quiet";
    QTest::newRow("a dish's options carry the course first, then the flags") << "12"
                                                                             << "4" << 2 << "setMenuDishOptions"
                                                                             << "b$12$4$2$5$3$4$~1$--$--$"
                                                                             << "pause=100 second quiet";
    QTest::newRow("a dish without an option list sends the flags' tilde alone") << "12"
                                                                                << "4" << 2 << "setMenuDishNoOptions"
                                                                                << "b$12$4$2$0$1$2$~"
                                                                                << "pause=100 second quiet";
    QTest::newRow("the ticket after the kitchen options leaves its trailing line")
        << "12"
        << "4" << 3 << "ticketLeavingTrailingLine"
        << "ad$12$4$3$"
        << "pause=100 second quiet";
    QTest::newRow("an article after a course choice is read after a pause, once") << "12"
                                                                                  << "4" << 2 << "articleAfterCourse"
                                                                                  << "40$12$4$2$7$"
                                                                                  << "pause=50 quiet";
    QTest::newRow("a code checked as it is typed is read at once") << "3"
                                                                   << "2" << 4 << "codeWhileTyping"
                                                                   << "code1$4$12$"
                                                                   << "unsent";
    QTest::newRow("the free tables drop a stale line") << "0"
                                                       << "0" << 1 << "freeTables"
                                                       << "ademandelibre$"
                                                       << "stale pause=150 quiet";
    QTest::newRow("the busy tables do not") << "0"
                                            << "0" << 1 << "busyTables"
                                            << "ademande$"
                                            << "pause=150 quiet";
    QTest::newRow("the table states carry no separator") << "0"
                                                         << "0" << 1 << "tableStates"
                                                         << "tableocc"
                                                         << "stale pause=150 quiet";
    QTest::newRow("the link probe") << "0"
                                    << "0" << 1 << "linkProbe"
                                    << "connect"
                                    << "quiet";
    QTest::newRow("the version at activation opens its own connection") << "0"
                                                                        << "0" << 1 << "versionProbe"
                                                                        << "ve01$"
                                                                        << "fresh settle=20 pause=120 quiet";
    QTest::newRow("the version at a local start reads twice") << "0"
                                                              << "0" << 1 << "versionQuery"
                                                              << "ve01$"
                                                              << "fresh settle=20 pause=120 second quiet";
    QTest::newRow("the dated version exchange of a recent register") << "0"
                                                                     << "0" << 1 << "versionDate"
                                                                     << "ve04$"
                                                                     << "settle=20 pause=20 quiet";
    QTest::newRow("a catalogue list is raised on failure") << "0"
                                                           << "0" << 1 << "catalogueList"
                                                           << "naclav2_1"
                                                           << "raise";
    QTest::newRow("the printing options wait for the link to settle") << "0"
                                                                      << "0" << 1 << "catalogueSettled"
                                                                      << "limp"
                                                                      << "settle=20 raise";
    QTest::newRow("a cheque payment") << "12"
                                      << "4" << 3 << "payment2"
                                      << "ch$12$4$3$"
                                      << "pause=100 quiet";
    QTest::newRow("payment mode 3 may be answered late") << "12"
                                                         << "4" << 3 << "payment3"
                                                         << "ba$12$4$3$"
                                                         << "pause=100 second quiet";
    QTest::newRow("a cash payment may be answered late") << "12"
                                                         << "4" << 3 << "payment4"
                                                         << "es$12$4$3$"
                                                         << "pause=100 second quiet";
}

void tst_Session::requests()
{
    QFETCH(QString, table);
    QFETCH(QString, covers);
    QFETCH(int, waiter);
    QFETCH(QString, request);
    QFETCH(QString, expected);
    QFETCH(QString, plan);

    Session session;
    session.setTable(table);
    session.setCovers(covers);
    session.setWaiter(waiter);
    // the article added last was a fourth course
    session.setCourse(4);
    const QHash<QString, Request> built{
        {QStringLiteral("ticket"), session.ticketRefresh()},
        {QStringLiteral("planTicket"), session.planTicketRequest()},
        {QStringLiteral("listCovers"), session.listCoversQuery()},
        {QStringLiteral("planCovers"), session.planCoversQuery()},
        {QStringLiteral("coversPanel"), session.coversPanelQuery()},
        {QStringLiteral("coversUpdate"), session.coversUpdate()},
        {QStringLiteral("codeCheck"), session.codeCheck(QStringLiteral("1234"))},
        {QStringLiteral("waiter7"), Session::waiterQuery(7)},
        {QStringLiteral("article"), session.articleRequest(40, 7)},
        {QStringLiteral("articleNoCourse"), session.articleRequest(50, 0)},
        {QStringLiteral("articleOptions"), session.articleRequest(90, 4, {true, false, true})},
        {QStringLiteral("articleEmptyList"), session.articleRequest(60, 4, {})},
        {QStringLiteral("supplement0"), session.supplementRequest(0)},
        {QStringLiteral("supplement3"), session.supplementRequest(3)},
        {QStringLiteral("lineRemoval"), session.lineRemoval(3)},
        {QStringLiteral("lineOffer"), session.lineOffer(3)},
        {QStringLiteral("waitingCourses"), session.waitingCoursesQuery()},
        {QStringLiteral("dispatch5"), session.kitchenDispatch(5)},
        {QStringLiteral("dispatch0"), session.kitchenDispatch(0)},
        {QStringLiteral("leaveTable"), session.leaveTableNotice()},
        {QStringLiteral("recall"), session.recallMessages({false, true, false})},
        {QStringLiteral("recallOfNone"), session.recallMessages({})},
        {QStringLiteral("nextCourse"), session.nextCourseQuery()},
        {QStringLiteral("nextCourseClaim"), session.nextCourseClaim({true, true, false})},
        {QStringLiteral("total"), session.totalQuery()},
        {QStringLiteral("proforma"), session.proformaRequest()},
        {QStringLiteral("card"), session.payment(1)},
        {QStringLiteral("screenMessage"), session.registerScreenMessage(QStringLiteral("Client au bar"))},
        {QStringLiteral("printersMessage"), session.kitchenPrintersMessage(QStringLiteral("10$ pour la 5"))},
        {QStringLiteral("setMenuList"), session.setMenuList()},
        {QStringLiteral("setMenuDish"), session.setMenuDish(1, 2, 1, 4)},
        {QStringLiteral("setMenuDishOptions"), session.setMenuDishOptions(5, 3, 4, {true, false, false})},
        {QStringLiteral("setMenuDishNoOptions"), session.setMenuDishOptions(0, 1, 2, {})},
        {QStringLiteral("ticketLeavingTrailingLine"), session.ticketRefreshLeavingTrailingLine()},
        {QStringLiteral("articleAfterCourse"), session.articleRequestAfterCourse(40, 7)},
        {QStringLiteral("codeWhileTyping"), session.codeCheckWhileTyping(QStringLiteral("12"))},
        {QStringLiteral("freeTables"), Session::freeTablesQuery()},
        {QStringLiteral("busyTables"), Session::busyTablesQuery()},
        {QStringLiteral("tableStates"), Session::tableStatesQuery()},
        {QStringLiteral("linkProbe"), Session::linkProbe()},
        {QStringLiteral("versionProbe"), Session::versionProbe()},
        {QStringLiteral("versionQuery"), Session::versionQuery()},
        {QStringLiteral("versionDate"), Session::versionDateQuery(QDateTime(QDate(2026, 3, 1), QTime(12, 0)))},
        {QStringLiteral("catalogueList"), Session::catalogueList(QStringLiteral("naclav2_1"))},
        {QStringLiteral("catalogueSettled"), Session::catalogueListSettled(QStringLiteral("limp"))},
        {QStringLiteral("payment2"), session.payment(2)},
        {QStringLiteral("payment3"), session.payment(3)},
        {QStringLiteral("payment4"), session.payment(4)},
    };
    QVERIFY(built.contains(request));
    QCOMPARE(built.value(request).text, expected);
    QCOMPARE(planText(built.value(request).plan), plan);
}

void tst_Session::resetStartsANewService()
{
    Session session;
    session.setWaiter(6);
    session.setTable(QStringLiteral("40"));
    session.setCovers(QStringLiteral("3"));
    session.setCourse(6);
    session.reset();
    QCOMPARE(session.standardFields(), QStringLiteral("0$0$1$"));
    QCOMPARE(session.course(), 0);
}

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_session.moc"
