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
    const QHash<QString, QString> built{
        {QStringLiteral("ticket"), session.ticketRequest()},
        {QStringLiteral("planTicket"), session.planTicketRequest()},
        {QStringLiteral("listCovers"), session.listCoversQuery()},
        {QStringLiteral("planCovers"), session.planCoversQuery()},
        {QStringLiteral("coversPanel"), session.coversPanelQuery()},
        {QStringLiteral("coversUpdate"), session.coversUpdate()},
        {QStringLiteral("codeCheck"), session.codeCheck(QStringLiteral("1234"))},
        {QStringLiteral("waiter7"), Session::waiterQuery(7)},
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
    session.reset();
    QCOMPARE(session.standardFields(), QStringLiteral("0$0$1$"));
}

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_session.moc"
