#include "session/Session.h"

#include <QTest>

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

    QTest::newRow("the ticket carries table, covers and waiter") << "12"
                                                                 << "4" << 3 << "ticket"
                                                                 << "ad$12$4$3$";
    QTest::newRow("the ticket of a table from the plan always says 0 covers") << "12"
                                                                              << "4" << 3 << "planTicket"
                                                                              << "ad$12$0$3$";
    QTest::newRow("the covers of a table from the list carry the table alone") << "7"
                                                                               << "2" << 1 << "listCovers"
                                                                               << "couverts$7$";
    QTest::newRow("the covers of a table from the plan carry the previous count") << "7"
                                                                                  << "2" << 1 << "planCovers"
                                                                                  << "couverts$7$2$1$";
    QTest::newRow("the covers panel asks with table and waiter") << "7"
                                                                 << "2" << 5 << "coversPanel"
                                                                 << "couverts$7$5$";
    QTest::newRow("the chosen covers go out as a standard request") << "7"
                                                                    << "6" << 5 << "coversUpdate"
                                                                    << "envcouverts$7$6$5$";
    QTest::newRow("without a table the table field is 0") << "0"
                                                          << "0" << 8 << "ticket"
                                                          << "ad$0$0$8$";
    QTest::newRow("a waiter's code check carries the current waiter") << "3"
                                                                      << "2" << 4 << "codeCheck"
                                                                      << "code1$4$1234$";
    QTest::newRow("a waiter key asks for that waiter") << "3"
                                                       << "2" << 4 << "waiter7"
                                                       << "code$7$";
    QTest::newRow("an article carries its course after the waiter") << "12"
                                                                    << "4" << 2 << "article"
                                                                    << "40$12$4$2$7$";
    QTest::newRow("an article of no course on the own account") << "0"
                                                                << "0" << 2 << "articleNoCourse"
                                                                << "50$0$0$2$0$";
    QTest::newRow("kitchen options: first and third of three ticked") << "12"
                                                                      << "4" << 2 << "articleOptions"
                                                                      << "90$12$4$2$4$~1$--$1$";
    QTest::newRow("an empty option list adds no flags") << "12"
                                                        << "4" << 2 << "articleEmptyList"
                                                        << "60$12$4$2$4$";
    QTest::newRow("supplement 0 is article 942 with fifteen empty flags")
        << "12"
        << "4" << 2 << "supplement0"
        << "942$12$4$2$~--$--$--$--$--$--$--$--$--$--$--$--$--$--$--$";
    QTest::newRow("supplement 3 is article 945") << "12"
                                                 << "4" << 2 << "supplement3"
                                                 << "945$12$4$2$~--$--$--$--$--$--$--$--$--$--$--$--$--$--$--$";
    QTest::newRow("one less on the third article line") << "12"
                                                        << "4" << 2 << "lineRemoval"
                                                        << "moinsun$12$4$2$3$";
    QTest::newRow("the third article line offered") << "12"
                                                    << "4" << 2 << "lineOffer"
                                                    << "offreligne$12$4$2$3$";
    QTest::newRow("the courses waiting are asked with the standard fields") << "12"
                                                                            << "4" << 3 << "waitingCourses"
                                                                            << "demanderang$12$4$3$";
    QTest::newRow("one course goes to the kitchen by its number") << "12"
                                                                  << "4" << 3 << "dispatch5"
                                                                  << "ec$12$4$3$5$";
    QTest::newRow("everything goes to the kitchen as course 0") << "12"
                                                                << "4" << 3 << "dispatch0"
                                                                << "ec$12$4$3$0$";
    QTest::newRow("leaving the table ends with 0") << "12"
                                                   << "4" << 3 << "leaveTable"
                                                   << "retour$12$4$3$0$";
    QTest::newRow("recall messages carry the course, then a flag per message") << "12"
                                                                               << "4" << 3 << "recall"
                                                                               << "rc$12$4$3$4$~--$1$--$";
    QTest::newRow("the next course is asked without the covers") << "12"
                                                                 << "4" << 3 << "nextCourse"
                                                                 << "suitesss$12$3$";
    QTest::newRow("the next course claimed carries the course and the flags") << "12"
                                                                              << "4" << 3 << "nextCourseClaim"
                                                                              << "su$12$4$3$4$~1$1$--$";
    QTest::newRow("an empty list still sends its tilde") << "12"
                                                         << "4" << 3 << "recallOfNone"
                                                         << "rc$12$4$3$4$~";
    QTest::newRow("finalising asks for the total") << "12"
                                                   << "4" << 3 << "total"
                                                   << "ntotal$12$4$3$";
    QTest::newRow("a pro-forma is asked with the standard fields") << "12"
                                                                   << "4" << 3 << "proforma"
                                                                   << "AN$12$4$3$";
    QTest::newRow("a card payment is its command with the standard fields") << "12"
                                                                            << "4" << 3 << "card"
                                                                            << "cb$12$4$3$";
    QTest::newRow("a message to the register's screen ends with a $") << "5"
                                                                      << "2" << 3 << "screenMessage"
                                                                      << "adc$5$2$3$Client au bar$";
    QTest::newRow("a $ typed in a message goes out as it is") << "5"
                                                              << "2" << 3 << "printersMessage"
                                                              << "adi$5$2$3$10$ pour la 5$";
    QTest::newRow("the set menus of the ticket are a standard request") << "12"
                                                                        << "4" << 2 << "setMenuList"
                                                                        << "af$12$4$2$";
    QTest::newRow("a dish carries column, line, position in the row and course") << "12"
                                                                                 << "4" << 2 << "setMenuDish"
                                                                                 << "r$12$4$2$1$2$1$4$";
    QTest::newRow("a dish's options carry the course first, then the flags") << "12"
                                                                             << "4" << 2 << "setMenuDishOptions"
                                                                             << "b$12$4$2$5$3$4$~1$--$--$";
    QTest::newRow("a dish without an option list sends the flags' tilde alone") << "12"
                                                                                << "4" << 2 << "setMenuDishNoOptions"
                                                                                << "b$12$4$2$0$1$2$~";
}

void tst_Session::requests()
{
    QFETCH(QString, table);
    QFETCH(QString, covers);
    QFETCH(int, waiter);
    QFETCH(QString, request);
    QFETCH(QString, expected);

    Session session;
    session.setTable(table);
    session.setCovers(covers);
    session.setWaiter(waiter);
    // the article added last was a fourth course
    session.setCourse(4);
    const QHash<QString, QString> built{
        {QStringLiteral("ticket"), session.ticketRequest()},
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
        {QStringLiteral("card"), session.payment(QStringLiteral("cb$"))},
        {QStringLiteral("screenMessage"), session.registerScreenMessage(QStringLiteral("Client au bar"))},
        {QStringLiteral("printersMessage"), session.kitchenPrintersMessage(QStringLiteral("10$ pour la 5"))},
        {QStringLiteral("setMenuList"), session.setMenuList()},
        {QStringLiteral("setMenuDish"), session.setMenuDish(1, 2, 1, 4)},
        {QStringLiteral("setMenuDishOptions"), session.setMenuDishOptions(5, 3, 4, {true, false, false})},
        {QStringLiteral("setMenuDishNoOptions"), session.setMenuDishOptions(0, 1, 2, {})},
    };
    QCOMPARE(built.value(request), expected);
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
