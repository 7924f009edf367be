#include "catalogue/Catalogue.h"
#include "link/FormatError.h"
#include "menus/SetMenuReplies.h"

#include <QTest>

using SetMenuReplies::DishReply;
using SetMenuReplies::SetMenuList;

Q_DECLARE_METATYPE(SetMenuList::Kind)
Q_DECLARE_METATYPE(DishReply::Kind)

namespace {

// Seven cells of a column: the title and its article, then six courses.
QString column(const QString& title, const QString& article, const QStringList& courses)
{
    QString text = title + QLatin1Char(';') + article + QLatin1Char(';');
    for (int row = 0; row < 6; ++row)
        text += courses.value(row, QStringLiteral("Aucun choix")) + QStringLiteral(";0;");
    return text;
}

} // namespace

class tst_SetMenuReplies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setMenuList_data();
    void setMenuList();
    void unreadableSetMenuList_data();
    void unreadableSetMenuList();
    void rowDishes_data();
    void rowDishes();
    void chosenDish();
    void dishCourse_data();
    void dishCourse();
    void dishReply_data();
    void dishReply();
};

void tst_SetMenuReplies::setMenuList_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<SetMenuList::Kind>("kind");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QList<int>>("setMenus");

    const QString midi =
        column(QStringLiteral("Formule midi"), QStringLiteral("552"),
               {QStringLiteral("Terrine"), QStringLiteral("premier plat ?"), QStringLiteral("dessert ?")});
    const QStringList midiCells{QStringLiteral("Formule midi"),   QStringLiteral("Terrine"),
                                QStringLiteral("premier plat ?"), QStringLiteral("dessert ?"),
                                QStringLiteral("Aucun choix"),    QStringLiteral("Aucun choix"),
                                QStringLiteral("Aucun choix")};
    const QString enfant = column(QStringLiteral("Menu enfant"), QStringLiteral("561"), {QStringLiteral("boisson ?")});

    QTest::newRow("f;0; says no set menu runs")
        << "f;0;" << SetMenuList::Kind::NoneRunning << QStringList{} << QList<int>{};
    QTest::newRow("a count of 0 in another reply says none was entered")
        << "f;0;x;" << SetMenuList::Kind::NoneEntered << QStringList{} << QList<int>{};
    QTest::newRow("a count of 0 without its final separator")
        << "f;0" << SetMenuList::Kind::NoneEntered << QStringList{} << QList<int>{};
    QTest::newRow("31 set menus are more than the screen shows")
        << "f;31;" << SetMenuList::Kind::TooMany << QStringList{} << QList<int>{};
    QTest::newRow("a count past what a number holds is too many as well")
        << "f;99999999999;" << SetMenuList::Kind::TooMany << QStringList{} << QList<int>{};
    QTest::newRow("one set menu gives its seven cells")
        << "f;1;" + midi << SetMenuList::Kind::Menus << midiCells << QList<int>{1};
    QTest::newRow("two set menus, the first and the tenth")
        << "f;2;" + midi + enfant << SetMenuList::Kind::Menus
        << midiCells + QStringList{QStringLiteral("Menu enfant"), QStringLiteral("boisson ?"),
                                   QStringLiteral("Aucun choix"), QStringLiteral("Aucun choix"),
                                   QStringLiteral("Aucun choix"), QStringLiteral("Aucun choix"),
                                   QStringLiteral("Aucun choix")}
        << QList<int>{1, 10};
    QTest::newRow("an article outside 552 to 561 is no set menu of the catalogue")
        << "f;1;" + column(QStringLiteral("Menu"), QStringLiteral("562"), {}) << SetMenuList::Kind::Menus
        << QStringList{QStringLiteral("Menu")} + QStringList(6, QStringLiteral("Aucun choix")) << QList<int>{0};
    QTest::newRow("an article that is no number is no set menu either")
        << "f;1;" + column(QStringLiteral("Menu"), QStringLiteral("x552"), {}) << SetMenuList::Kind::Menus
        << QStringList{QStringLiteral("Menu")} + QStringList(6, QStringLiteral("Aucun choix")) << QList<int>{0};
    QTest::newRow("the value of the last cell may be missing")
        << "f;1;Menu;551;a;0;b;0;c;0;d;0;e;0;f" << SetMenuList::Kind::Menus
        << QStringList{"Menu", "a", "b", "c", "d", "e", "f"} << QList<int>{0};
}

void tst_SetMenuReplies::setMenuList()
{
    QFETCH(QString, reply);
    QFETCH(SetMenuList::Kind, kind);
    QFETCH(QStringList, cells);
    QFETCH(QList<int>, setMenus);

    const SetMenuList list = SetMenuReplies::setMenuList(reply);
    QCOMPARE(list.kind, kind);
    QCOMPARE(list.cells, cells);
    QCOMPARE(list.setMenus, setMenus);
}

void tst_SetMenuReplies::unreadableSetMenuList_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("message");

    const QString incomplete = QStringLiteral("Réponse incomplète reçue de la caisse");
    QTest::newRow("an empty reply") << "" << incomplete;
    QTest::newRow("no count") << "f;" << incomplete;
    QTest::newRow("an empty count") << "f;;" << incomplete;
    QTest::newRow("a count that is no number") << "f;deux;"
                                               << "Valeur non numérique reçue de la caisse : « deux »";
    QTest::newRow("a negative count") << "f;-1;"
                                      << "Valeur non numérique reçue de la caisse : « -1 »";
    QTest::newRow("one cell short of the seven announced") << "f;1;Menu;552;a;0;b;0;c;0;d;0;e;0;" << incomplete;
    QTest::newRow("a second set menu announced and missing") << "f;2;" + column("Menu", "552", {}) << incomplete;
}

void tst_SetMenuReplies::unreadableSetMenuList()
{
    QFETCH(QString, reply);
    QFETCH(QString, message);
    try {
        SetMenuReplies::setMenuList(reply);
        QFAIL("no FormatError");
    } catch (const FormatError& error) {
        QCOMPARE(error.text(), message);
    }
}

void tst_SetMenuReplies::rowDishes_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("articles");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("dishArticles");

    QTest::newRow("every dish of the row, in order")
        << "Soupe;Terrine;Oeufs;"
        << "100;104;103;" << QList<int>{0, 1, 2} << QStringList{"Soupe", "Terrine", "Oeufs"}
        << QList<int>{100, 104, 103};
    QTest::newRow("an empty article entry is left out, the dishes after it keep their place")
        << "Soupe;Terrine;Oeufs;"
        << "100;;103;" << QList<int>{0, 2} << QStringList{"Soupe", "Oeufs"} << QList<int>{100, 103};
    QTest::newRow("a missing name reads as empty")
        << "Soupe"
        << "100;104" << QList<int>{0, 1} << QStringList{"Soupe", ""} << QList<int>{100, 104};
    QTest::newRow("an article that is no number is still offered, as article 0")
        << "Soupe;Plat"
        << "100;x" << QList<int>{0, 1} << QStringList{"Soupe", "Plat"} << QList<int>{100, 0};
    QTest::newRow("a row the catalogue lacks offers nothing") << ""
                                                              << "" << QList<int>{} << QStringList{} << QList<int>{};
}

void tst_SetMenuReplies::rowDishes()
{
    QFETCH(QString, names);
    QFETCH(QString, articles);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, dishArticles);

    const QList<SetMenuReplies::Dish> dishes = SetMenuReplies::rowDishes(names, articles);
    QList<int> gotPositions;
    QStringList gotNames;
    QList<int> gotArticles;
    for (const SetMenuReplies::Dish& dish : dishes) {
        gotPositions.append(dish.position);
        gotNames.append(dish.name);
        gotArticles.append(dish.article);
    }
    QCOMPARE(gotPositions, positions);
    QCOMPARE(gotNames, shown);
    QCOMPARE(gotArticles, dishArticles);
}

void tst_SetMenuReplies::chosenDish()
{
    QVERIFY(SetMenuReplies::isChosenDish(QStringLiteral("Terrine"), QStringLiteral("Soupe;Terrine;")));
    QVERIFY(!SetMenuReplies::isChosenDish(QStringLiteral("premier plat ?"), QStringLiteral("Soupe;Terrine;")));
    QVERIFY(!SetMenuReplies::isChosenDish(QStringLiteral("Terr"), QStringLiteral("Soupe;Terrine;")));
}

void tst_SetMenuReplies::dishCourse_data()
{
    QTest::addColumn<int>("article");
    QTest::addColumn<int>("course");

    QTest::newRow("a dish of one course is sent as that course") << 3 << 7;
    QTest::newRow("a dish of no course is sent as course 0") << 2 << 0;
    QTest::newRow("a dish of courses 4 and 5 is sent as the first, 4") << 1 << 4;
    QTest::newRow("an article past the course lists has none") << 40 << 0;
    QTest::newRow("article 0 has none") << 0 << 0;
}

void tst_SetMenuReplies::dishCourse()
{
    QFETCH(int, article);
    QFETCH(int, course);

    Catalogue catalogue;
    catalogue.setRang(4, {"1", "0", "0"});
    catalogue.setRang(5, {"1", "0", "0"});
    catalogue.setRang(7, {"0", "0", "1"});
    QCOMPARE(SetMenuReplies::dishCourse(catalogue, article), course);
}

void tst_SetMenuReplies::dishReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<DishReply::Kind>("kind");
    QTest::addColumn<int>("list");

    QTest::newRow("ru;0: no option") << "ru;0" << DishReply::Kind::Chosen << 0;
    QTest::newRow("no reply: no option") << "" << DishReply::Kind::Chosen << 0;
    QTest::newRow("a reply without a list number: no option") << "ru" << DishReply::Kind::Chosen << 0;
    QTest::newRow("list 0 followed by a separator: no option, no supplements")
        << "ru;0;" << DishReply::Kind::ChosenWithoutSupplements << 0;
    QTest::newRow("list 0 followed by more fields: no option, no supplements")
        << "ru;0;x" << DishReply::Kind::ChosenWithoutSupplements << 0;
    QTest::newRow("ru;1; is cuis1") << "ru;1;" << DishReply::Kind::KitchenOptions << 1;
    QTest::newRow("ru;3; is cuis3") << "ru;3;" << DishReply::Kind::KitchenOptions << 3;
    QTest::newRow("ru;5; is cuis5") << "ru;5;" << DishReply::Kind::KitchenOptions << 5;
    QTest::newRow("ru;6; names the recall list: an empty panel") << "ru;6;" << DishReply::Kind::KitchenOptions << 0;
    QTest::newRow("ru;7; is cuis6") << "ru;7;" << DishReply::Kind::KitchenOptions << 6;
    QTest::newRow("ru;9; is cuis8") << "ru;9;" << DishReply::Kind::KitchenOptions << 8;
    QTest::newRow("ru;10; is cuis9, not cuis1") << "ru;10;" << DishReply::Kind::KitchenOptions << 9;
    // from the fourth character on, by position: "1;", "10", or one digit
    QTest::newRow("ru;1 without its separator names no list") << "ru;1" << DishReply::Kind::KitchenOptions << 0;
    QTest::newRow("ru;11; names no list: an empty panel") << "ru;11;" << DishReply::Kind::KitchenOptions << 0;
    QTest::newRow("ru;100; is cuis9") << "ru;100;" << DishReply::Kind::KitchenOptions << 9;
    QTest::newRow("ru;25; is read by its fourth character, cuis2") << "ru;25;" << DishReply::Kind::KitchenOptions << 2;
    QTest::newRow("ru;8x; is read by its fourth character, cuis7") << "ru;8x;" << DishReply::Kind::KitchenOptions << 7;
    QTest::newRow("another first field: the second field's number, cuis3")
        << "rux;3;" << DishReply::Kind::KitchenOptions << 3;
    QTest::newRow("another first field: a number with more after it names no list")
        << "r;25;" << DishReply::Kind::KitchenOptions << 0;
}

void tst_SetMenuReplies::dishReply()
{
    QFETCH(QString, reply);
    QFETCH(DishReply::Kind, kind);
    QFETCH(int, list);

    const DishReply dish = SetMenuReplies::dishReply(reply);
    QCOMPARE(dish.kind, kind);
    QCOMPARE(dish.kitchenList, list);
}

QTEST_GUILESS_MAIN(tst_SetMenuReplies)
#include "tst_setmenureplies.moc"
