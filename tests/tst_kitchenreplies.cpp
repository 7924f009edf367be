#include "ticket/KitchenReplies.h"

#include <QTest>

#include <optional>

namespace {

// Article 200 is a steak, 150 a confit; 0 is nobody's article.
std::optional<QString> kitchenLabel(int article)
{
    if (article == 200)
        return QStringLiteral("ENTRECOTE");
    if (article == 150)
        return QStringLiteral("CONFIT");
    return std::nullopt;
}

} // namespace

class tst_KitchenReplies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coursesToChoose_data();
    void coursesToChoose();
    void nextCourseEntries_data();
    void nextCourseEntries();
    void noPrinter_data();
    void noPrinter();
};

void tst_KitchenReplies::coursesToChoose_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<QList<int>>("courses");

    QTest::newRow("three courses open the panel with their keys") << "1$4$5$" << true << QList<int>{1, 4, 5};
    QTest::newRow("the leading 0 counts as a field") << "0$4$7$" << true << QList<int>{4, 7};
    QTest::newRow("two fields send everything at once") << "0$4$" << false << QList<int>{};
    QTest::newRow("one field sends everything at once") << "0$" << false << QList<int>{};
    QTest::newRow("an empty reply sends everything at once") << "" << false << QList<int>{};
    QTest::newRow("fields that are no course open the panel with its first key only")
        << "0$9$x$" << true << QList<int>{};
    QTest::newRow("a course given twice has one key") << "0$2$2$" << true << QList<int>{2};
}

void tst_KitchenReplies::coursesToChoose()
{
    QFETCH(QString, reply);
    QFETCH(bool, panel);
    QFETCH(QList<int>, courses);
    const std::optional<QList<int>> chosen = KitchenReplies::coursesToChoose(reply);
    QCOMPARE(chosen.has_value(), panel);
    if (chosen)
        QCOMPARE(*chosen, courses);
}

void tst_KitchenReplies::nextCourseEntries_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("quantity, kitchen label and the note in brackets")
        << "1;200;Saignant;~2;150;;" << QStringList{"1 ENTRECOTE (Saignant)", "2 CONFIT"};
    QTest::newRow("an entry without its note field shows no brackets") << "3;150" << QStringList{"3 CONFIT"};
    // the register numbers the entries it is asked for by their order: each keeps its row
    QTest::newRow("an entry of one field is shown as it came")
        << "1;200;;~Vite~2;150;;" << QStringList{"1 ENTRECOTE", "Vite", "2 CONFIT"};
    QTest::newRow("an article that is not a number is shown as it came")
        << "1;2x0;Saignant;~2;150;;" << QStringList{"1 2x0 Saignant", "2 CONFIT"};
    QTest::newRow("an article the catalogue lacks is shown as it came, not as another dish")
        << "1;999;;~1;0;;" << QStringList{"1 999", "1 0"};
    QTest::newRow("an empty entry keeps its place") << "1;200;;~~2;150;;" << QStringList{"1 ENTRECOTE", "", "2 CONFIT"};
}

void tst_KitchenReplies::nextCourseEntries()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, rows);
    QCOMPARE(KitchenReplies::nextCourseEntries(reply, kitchenLabel), rows);
}

void tst_KitchenReplies::noPrinter_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("noPrinter");

    QTest::newRow("nook") << "nook" << true;
    QTest::newRow("nook with blanks around it") << " nook \t" << true;
    QTest::newRow("a word holding nook is an entry") << "nooks" << false;
    QTest::newRow("entries") << "1;200;;" << false;
}

void tst_KitchenReplies::noPrinter()
{
    QFETCH(QString, reply);
    QFETCH(bool, noPrinter);
    QCOMPARE(KitchenReplies::isNoPrinter(reply), noPrinter);
}

QTEST_GUILESS_MAIN(tst_KitchenReplies)
#include "tst_kitchenreplies.moc"
