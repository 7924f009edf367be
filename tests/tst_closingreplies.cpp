#include "closing/ClosingReplies.h"

#include <QTest>

class tst_ClosingReplies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalisation_data();
    void normalisation();
};

void tst_ClosingReplies::normalisation_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("amountDue");
    QTest::addColumn<bool>("alreadyFinalised");
    QTest::addColumn<bool>("noTicket");

    QTest::newRow("an amount and its currency") << "43,00 EUR"
                                                << "A régler: 43,00 EUR" << false << false;
    QTest::newRow("words past the second are not shown") << "43,00 EUR TTC"
                                                         << "A régler: 43,00 EUR" << false << false;
    QTest::newRow("one word leaves the band empty") << "43,00"
                                                    << "" << false << false;
    QTest::newRow("semicolons go, blanks and line ends are trimmed") << " 4;3,00 EUR;\r\t"
                                                                     << "A régler: 43,00 EUR" << false << false;
    QTest::newRow("total;0; is a table finalised already") << "total;0;"
                                                           << "" << true << false;
    QTest::newRow("total;0; with blanks around it too") << "  total;0; "
                                                        << "" << true << false;
    QTest::newRow("a total of another amount is not") << "total;5;"
                                                      << "" << false << false;
    QTest::newRow("two blanks make an empty second word") << "43,00  EUR"
                                                          << "A régler: 43,00 " << false << false;
    QTest::newRow("an empty reply") << ""
                                    << "" << false << false;
    QTest::newRow("NOAN: no ticket for a pro-forma") << "NOAN"
                                                     << "" << false << true;
    QTest::newRow("NOAN once its semicolons are dropped") << "NO;AN; ticket"
                                                          << "A régler: NOAN ticket" << false << true;
    QTest::newRow("NOAN must be the first word") << "OK NOAN"
                                                 << "A régler: OK NOAN" << false << false;
}

void tst_ClosingReplies::normalisation()
{
    QFETCH(QString, reply);
    QFETCH(QString, amountDue);
    QFETCH(bool, alreadyFinalised);
    QFETCH(bool, noTicket);
    const ClosingReplies normalised(reply);
    QCOMPARE(normalised.amountDue(), amountDue);
    QCOMPARE(normalised.alreadyFinalised(), alreadyFinalised);
    QCOMPARE(normalised.noTicket(), noTicket);
}

QTEST_GUILESS_MAIN(tst_ClosingReplies)
#include "tst_closingreplies.moc"
