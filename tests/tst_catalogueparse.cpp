#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueParse.h"
#include "catalogue/DecimalField.h"
#include "catalogue/ProductTable.h"
#include "link/FormatError.h"
#include "link/ReplyText.h"
#include "session/Limits.h"

#include <QTest>

using namespace CatalogueParse;

namespace {

const QString Hidden = QStringLiteral("<hidden>");

QString caption(const std::optional<QString>& text)
{
    return text ? *text : Hidden;
}

// One product record as the register sends it.
QString record(const QString& name, int art, const QString& couleur = QStringLiteral("$FF00FF00"))
{
    return name + QStringLiteral(";0;1;") + couleur + QLatin1Char(';') + QString::number(art) + QLatin1Char(';');
}

QString repeated(const QString& piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

QList<int> articlesOf(const std::vector<Product>& products)
{
    QList<int> result;
    for (const Product& product : products)
        result.append(product.art);
    return result;
}

} // namespace

class tst_CatalogueParse final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decimalField_data();
    void decimalField();
    void formatErrorTextShowsTheField();
    void stripLead();
    void tabsAndWaiters_data();
    void tabsAndWaiters();
    void paymentCaptions_data();
    void paymentCaptions();
    void supplements_data();
    void supplements();
    void supplementCodeMustBeDecimal();
    void suppFlags_data();
    void suppFlags();
    void keyboard_data();
    void keyboard();
    void keyboardNumberFieldsMustBeDecimal_data();
    void keyboardNumberFieldsMustBeDecimal();
    void kitchenLabelFallsBackToTheName();
    void productsNumberOnAcrossKeyboards();
    void productTableDropsWritesOutOfRange();
    void printingOptions_data();
    void printingOptions();
    void kitchenLists_data();
    void kitchenLists();
    void setMenuContents_data();
    void setMenuContents();
    void setMenuContentsCacheGivesTheSameText();
    void courseRank();
    void setMenuListCacheKeepsTwoThousandCharacters();
    void setMenuList_data();
    void setMenuList();
    void tablePlan_data();
    void tablePlan();
    void articlesIndex();
    void catalogueListsByNumber();
    void hostileRepliesStayInBounds_data();
    void hostileRepliesStayInBounds();
};

void tst_CatalogueParse::decimalField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");

    QTest::newRow("digits") << "42" << true << 42;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("leading zeros are allowed") << "007" << true << 7;
    QTest::newRow("minus sign") << "-5" << true << -5;
    QTest::newRow("largest 32-bit value") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest 32-bit value") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("trailing letter") << "12a" << false << 0;
    QTest::newRow("empty field") << "" << false << 0;
    QTest::newRow("leading blank") << " 3" << false << 0;
    QTest::newRow("trailing blank") << "3 " << false << 0;
    QTest::newRow("plus sign") << "+3" << false << 0;
    QTest::newRow("lone minus") << "-" << false << 0;
    QTest::newRow("eleven digits") << "99999999999" << false << 0;
    QTest::newRow("one past the largest value") << "2147483648" << false << 0;
    QTest::newRow("one below the smallest value") << "-2147483649" << false << 0;
    QTest::newRow("many leading zeros before a large value") << "00000000002147483647" << true << 2147483647;
    QTest::newRow("hexadecimal") << "$1A" << false << 0;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１２") << false << 0;
    QTest::newRow("byte that arrived as a replacement character") << QString::fromUtf8("1\uFFFD") << false << 0;
}

void tst_CatalogueParse::decimalField()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);

    if (valid)
        QCOMPARE(::decimalField(text), expected);
    else
        QVERIFY_THROWS_EXCEPTION(FormatError, ::decimalField(text));
}

void tst_CatalogueParse::formatErrorTextShowsTheField()
{
    QCOMPARE(FormatError(QStringLiteral("12a")).text(),
             QString::fromUtf8("Valeur non numérique reçue de la caisse : « 12a »"));

    const QString text = FormatError(QString(20000, QLatin1Char('7'))).text();
    QVERIFY(text.size() < 100);
    QVERIFY(text.contains(QString(40, QLatin1Char('7')) + QString::fromUtf8("… »")));
}

void tst_CatalogueParse::stripLead()
{
    QCOMPARE(CatalogueParse::stripLead(QStringLiteral("ABCDEFpain;0")), QStringLiteral("pain;0"));
    QCOMPARE(CatalogueParse::stripLead(QStringLiteral("ABCDE")), QString());
    QCOMPARE(CatalogueParse::stripLead(QString()), QString());
}

void tst_CatalogueParse::tabsAndWaiters_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QStringList>("serv");
    QTest::addColumn<QString>("shown");

    const QStringList allHidden(Limits::Keyboards, Hidden);
    const QStringList noName(Limits::Waiters, QString());

    QTest::newRow("names of tabs and waiters")
        << "Boissons;Entrées;Plats#Paul;Marie" << (QStringList{"Boissons", "Entrées", "Plats"} + QStringList(9, Hidden))
        << (QStringList{"Paul", "Marie"} + QStringList(6, QString())) << "11000000";
    QTest::newRow("a tab name of one or two characters hides its tab")
        << "Vin;ab;c;Bières#Paul" << QStringList{"Vin", Hidden, Hidden, "Bières"} + QStringList(8, Hidden)
        << (QStringList{"Paul"} + QStringList(7, QString())) << "10000000";
    QTest::newRow("a reply of eight characters hides all twelve tabs")
        << "Vin;Eau#" << allHidden << noName << "00000000";
    QTest::newRow("a reply of nine characters shows its tabs")
        << "Vin;Eau#P" << QStringList{"Vin", "Eau"} + QStringList(10, Hidden)
        << (QStringList{"P"} + QStringList(7, QString())) << "10000000";
    QTest::newRow("an empty reply hides every tab and waiter") << "" << allHidden << noName << "00000000";
    QTest::newRow("a reply without a hash mark has no waiter")
        << "Boissons;Entrées" << QStringList{"Boissons", "Entrées"} + QStringList(10, Hidden) << noName << "00000000";
    QTest::newRow("blanks hide waiters 2 to 8 but not waiter 1")
        << "Boissons#  ;\t; x ;;Luc;;;\x01" << QStringList{"Boissons"} + QStringList(11, Hidden)
        << QStringList{"  ", "\t", " x ", "", "Luc", "", "", "\x01"} << "10101000";
    QTest::newRow("names past the eighth are left out")
        << "Boissons#1;2;3;4;5;6;7;8;9" << QStringList{"Boissons"} + QStringList(11, Hidden)
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << "11111111";
}

void tst_CatalogueParse::tabsAndWaiters()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, tabs);
    QFETCH(QStringList, serv);
    QFETCH(QString, shown);

    const TabsAndWaiters result = parseTabsAndWaiters(reply);
    QStringList actualTabs;
    for (const auto& tab : result.tabs)
        actualTabs.append(caption(tab));
    QStringList actualServ;
    QString actualShown;
    for (size_t i = 0; i < result.serv.size(); ++i) {
        actualServ.append(result.serv[i]);
        actualShown.append(result.waiterShown[i] ? QLatin1Char('1') : QLatin1Char('0'));
    }
    QCOMPARE(actualTabs, tabs);
    QCOMPARE(actualServ, serv);
    QCOMPARE(actualShown, shown);
}

void tst_CatalogueParse::paymentCaptions_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("four captions") << "CB;Chèque;Bar;Espèces" << true << QStringList{"CB", "Chèque", "Bar", "Espèces"};
    QTest::newRow("first and third fields a hide cb and ba")
        << "a;Chèque;a;Espèces" << true << QStringList{Hidden, "Chèque", Hidden, "Espèces"};
    QTest::newRow("an empty reply changes nothing") << "" << false << QStringList{};
    QTest::newRow("only a lower-case a alone hides") << "A;a ;aa;a" << true << QStringList{"A", "a ", "aa", Hidden};
    QTest::newRow("missing fields show an empty caption") << "CB" << true << QStringList{"CB", "", "", ""};
    QTest::newRow("fields past the fourth are left out") << "1;2;3;4;a" << true << QStringList{"1", "2", "3", "4"};
}

void tst_CatalogueParse::paymentCaptions()
{
    QFETCH(QString, reply);
    QFETCH(bool, changes);
    QFETCH(QStringList, captions);

    const std::optional<PaymentCaptions> result = parsePaymentCaptions(reply);
    QCOMPARE(result.has_value(), changes);
    if (result)
        QCOMPARE((QStringList{caption(result->cb), caption(result->ch), caption(result->ba), caption(result->es)}),
                 captions);
}

void tst_CatalogueParse::supplements_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("a lone last code is ignored")
        << "3;Frites;7;Salade;9" << QList<int>{3, 7} << QStringList{"Frites", "Salade"};
    QTest::newRow("an empty reply gives no supplement") << "" << QList<int>{} << QStringList{};
    QTest::newRow("a lone code gives no supplement") << "3" << QList<int>{} << QStringList{};
    QTest::newRow("an empty name is a supplement") << "3;;4;x;" << QList<int>{3, 4} << QStringList{"", "x"};
    QTest::newRow("a name keeps its replacement characters")
        << QString::fromUtf8("5;Pur\uFFFDe") << QList<int>{5} << QStringList{QString::fromUtf8("Pur\uFFFDe")};

    QString many;
    QList<int> codes;
    QStringList names;
    for (int i = 1; i <= 60; ++i) {
        many += QStringLiteral("%1;S%1;").arg(i);
        if (i <= MaxSupplements) {
            codes.append(i);
            names.append(QStringLiteral("S%1").arg(i));
        }
    }
    QTest::newRow("only the first fifty pairs are kept") << many << codes << names;
    QTest::newRow("a bad code past the fiftieth pair is not read") << many + QStringLiteral("x;y") << codes << names;
}

void tst_CatalogueParse::supplements()
{
    QFETCH(QString, reply);
    QFETCH(QList<int>, codes);
    QFETCH(QStringList, names);

    const std::vector<Supplement> result = parseSupplements(reply);
    QList<int> actualCodes;
    QStringList actualNames;
    for (const Supplement& supplement : result) {
        actualCodes.append(supplement.code);
        actualNames.append(supplement.name);
    }
    QCOMPARE(actualCodes, codes);
    QCOMPARE(actualNames, names);

    ProductTable prod;
    prod.setSupplements(result);
    QCOMPARE(prod.textesupp(0), QString());
    for (int z = 1; z <= qsizetype(result.size()); ++z) {
        QCOMPARE(prod.tagsupp(z), codes.at(z - 1));
        QCOMPARE(prod.textesupp(z), names.at(z - 1));
    }
    QCOMPARE(prod.tagsupp(int(result.size()) + 1), 0);
    QCOMPARE(prod.textesupp(ProductTable::SupplementCount), QString());
}

void tst_CatalogueParse::supplementCodeMustBeDecimal()
{
    QVERIFY_THROWS_EXCEPTION(FormatError, parseSupplements(QStringLiteral("3;Frites;x7;Salade")));
    QVERIFY_THROWS_EXCEPTION(FormatError, parseSupplements(QStringLiteral(";Frites")));
}

void tst_CatalogueParse::suppFlags_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<int>>("set");

    QTest::newRow("an empty field sets its flag, only 0 clears") << "0;1;;0" << QList<int>{2, 3};
    QTest::newRow("any text but 0 sets the flag") << "00;x;0 ;0" << QList<int>{1, 2, 3};
    QTest::newRow("an empty reply sets no flag") << "" << QList<int>{};
    QTest::newRow("absent fields set no flag") << "1" << QList<int>{1};

    QList<int> all;
    for (int a = 1; a <= ProductTable::FlaggedArticles; ++a)
        all.append(a);
    QTest::newRow("fields past the 800th are left out") << repeated(QStringLiteral("1;"), 900) << all;
}

void tst_CatalogueParse::suppFlags()
{
    QFETCH(QString, reply);
    QFETCH(QList<int>, set);

    ProductTable prod;
    prod.setSuppFlags(parseSuppFlags(reply));
    QList<int> actual;
    for (int a = -1; a <= ProductTable::ArticleCount; ++a) {
        if (prod.supp(a))
            actual.append(a);
    }
    QCOMPARE(actual, set);
}

void tst_CatalogueParse::keyboard_data()
{
    QTest::addColumn<QString>("firstHalf");
    QTest::addColumn<QString>("secondHalf");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QStringList>("texte");
    QTest::addColumn<QStringList>("textecuis");
    QTest::addColumn<QList<int>>("art");

    QTest::newRow("records of five fields with their kitchen labels")
        << record("Café", 12) + record("Thé", 13) << ""
        << "CAFE;THE;" << QStringList{"Café", "Thé"} << QStringList{"CAFE", "THE"} << QList<int>{12, 13};
    QTest::newRow("a record with an empty field ends the keyboard")
        << record("Café", 12) + "Thé;0;0;;13;" + record("Eau", 14) << ""
        << "" << QStringList{"Café"} << QStringList{""} << QList<int>{12};
    QTest::newRow("the list may end without an empty record")
        << "Café;0;1;$FF00FF00;12"
        << ""
        << "" << QStringList{"Café"} << QStringList{""} << QList<int>{12};
    QTest::newRow("a last record cut short is left out")
        << record("Café", 12) + "Thé;0;0;x"
        << ""
        << "" << QStringList{"Café"} << QStringList{""} << QList<int>{12};
    QTest::newRow("the second half goes on inside a record")
        << "Café;0;1;$FF0"
        << "0FF00;12;" + record("Thé", 13) << "" << QStringList{"Café", "Thé"} << QStringList{"", ""}
        << QList<int>{12, 13};
    QTest::newRow("the second half alone is read")
        << "" << record("Eau", 3) << "E" << QStringList{"Eau"} << QStringList{"E"} << QList<int>{3};
    QTest::newRow("a list of eight characters gives no product")
        << "A;0;0;x;"
        << ""
        << "" << QStringList{} << QStringList{} << QList<int>{};
    QTest::newRow("an empty list gives no product") << ""
                                                    << ""
                                                    << "X;Y" << QStringList{} << QStringList{} << QList<int>{};
    QTest::newRow("products past the last label get an empty label")
        << record("A", 1) + record("B", 2) + record("C", 3) << ""
        << "LA" << QStringList{"A", "B", "C"} << QStringList{"LA", "", ""} << QList<int>{1, 2, 3};
    QTest::newRow("an empty label stays empty")
        << record("A", 1) + record("B", 2) << ""
        << ";LB" << QStringList{"A", "B"} << QStringList{"", "LB"} << QList<int>{1, 2};
    QTest::newRow("names keep their replacement characters")
        << record(QString::fromUtf8("Th\uFFFD"), 5) << "" << QString::fromUtf8("\uFFFD")
        << QStringList{QString::fromUtf8("Th\uFFFD")} << QStringList{QString::fromUtf8("\uFFFD")} << QList<int>{5};
    QTest::newRow("article numbers outside 0 to 1000 are kept as sent")
        << record("A", -4) + record("B", 5000) << ""
        << "" << QStringList{"A", "B"} << QStringList{"", ""} << QList<int>{-4, 5000};
}

void tst_CatalogueParse::keyboard()
{
    QFETCH(QString, firstHalf);
    QFETCH(QString, secondHalf);
    QFETCH(QString, labels);
    QFETCH(QStringList, texte);
    QFETCH(QStringList, textecuis);
    QFETCH(QList<int>, art);

    const std::vector<Product> products = parseKeyboard(firstHalf, secondHalf, labels, 7);
    QStringList actualTexte;
    QStringList actualTextecuis;
    for (const Product& product : products) {
        actualTexte.append(product.texte);
        actualTextecuis.append(product.textecuis);
        QCOMPARE(product.numclav, 7);
    }
    QCOMPARE(actualTexte, texte);
    QCOMPARE(actualTextecuis, textecuis);
    QCOMPARE(articlesOf(products), art);
}

void tst_CatalogueParse::keyboardNumberFieldsMustBeDecimal_data()
{
    QTest::addColumn<QString>("list");

    QTest::newRow("non-numeric article number") << record("A", 1) + "B;0;0;x;12a;";
    QTest::newRow("non-numeric kitchen flag") << "A;oui;0;x;1;";
    QTest::newRow("non-numeric kitchen option list") << "A;0; 1;x;1;";
    QTest::newRow("article number beyond 32 bits") << "A;0;0;x;99999999999;";
}

void tst_CatalogueParse::keyboardNumberFieldsMustBeDecimal()
{
    QFETCH(QString, list);

    QVERIFY_THROWS_EXCEPTION(FormatError, parseKeyboard(list, QString(), QString(), 1));
}

void tst_CatalogueParse::kitchenLabelFallsBackToTheName()
{
    // one label and 102 padded entries cover 103 products; the 104th takes its own name
    QString list;
    for (int i = 0; i < 105; ++i)
        list += record(QStringLiteral("P%1").arg(i), i);
    const std::vector<Product> products = parseKeyboard(list, QString(), QStringLiteral("L0"), 1);

    QCOMPARE(products.size(), size_t(105));
    QCOMPARE(products[0].textecuis, QStringLiteral("L0"));
    QCOMPARE(products[102].textecuis, QString());
    QCOMPARE(products[103].textecuis, QStringLiteral("P103"));
    QCOMPARE(products[104].textecuis, QStringLiteral("P104"));
}

void tst_CatalogueParse::productsNumberOnAcrossKeyboards()
{
    ProductTable prod;
    int next = prod.addKeyboard(0, parseKeyboard(record("A", 1) + record("B", 2), QString(), QString(), 1));
    next = prod.addKeyboard(next, parseKeyboard(QString(), QString(), QString(), 2));
    next = prod.addKeyboard(next, parseKeyboard(record("C", 3), QString(), QString(), 3));

    QCOMPARE(next, 3);
    QCOMPARE(prod.texte(1), QStringLiteral("B"));
    QCOMPARE(prod.numclav(1), 1);
    QCOMPARE(prod.texte(2), QStringLiteral("C"));
    QCOMPARE(prod.art(2), 3);
    QCOMPARE(prod.numclav(2), 3);
    QCOMPARE(prod.couleur(2), QStringLiteral("$FF00FF00"));
    QCOMPARE(prod.menucuis(2), 1);
    QCOMPARE(prod.texte(3), QString());
}

void tst_CatalogueParse::productTableDropsWritesOutOfRange()
{
    ProductTable prod;
    std::vector<Product> many(1500, Product{QStringLiteral("X"), QString(), 1, 2, QString(), 9, 4});
    many.back().texte = QStringLiteral("last");

    QCOMPARE(prod.addKeyboard(0, many), 1500);
    QCOMPARE(prod.texte(1000), QStringLiteral("X"));
    QCOMPARE(prod.texte(1001), QString());
    QCOMPARE(prod.art(-1), 0);
    QCOMPARE(prod.kitchenOptionFlag(5000), 0);
    QCOMPARE(prod.numclav(1001), 0);
    prod.setProduct(-1, many.back());
    QCOMPARE(prod.texte(0), QStringLiteral("X"));

    prod.clear();
    QCOMPARE(prod.texte(0), QString());
    QCOMPARE(prod.art(1000), 0);
}

void tst_CatalogueParse::printingOptions_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("options");

    QTest::newRow("three integers") << "1$0$12" << true << QList<int>{1, 0, 12};
    QTest::newRow("a trailing separator adds nothing") << "1$2$3$" << true << QList<int>{1, 2, 3};
    QTest::newRow("absent options read as 0") << "5" << true << QList<int>{5, 0, 0};
    QTest::newRow("an empty reply reads as three 0") << "" << true << QList<int>{0, 0, 0};
    QTest::newRow("options past the third are left out") << "1$2$3$x" << true << QList<int>{1, 2, 3};
    QTest::newRow("a non-numeric option stops the load") << "1$x$3" << false << QList<int>{};
    QTest::newRow("an empty option between two stops the load") << "1$$3" << false << QList<int>{};
}

void tst_CatalogueParse::printingOptions()
{
    QFETCH(QString, reply);
    QFETCH(bool, valid);
    QFETCH(QList<int>, options);

    if (!valid) {
        QVERIFY_THROWS_EXCEPTION(FormatError, parsePrintingOptions(reply));
        return;
    }
    const PrintingOptions result = parsePrintingOptions(reply);
    QCOMPARE((QList<int>{result[0], result[1], result[2]}), options);
}

void tst_CatalogueParse::kitchenLists_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<QStringList>>("cuis");
    QTest::addColumn<QStringList>("rappel");

    QTest::newRow("ten groups, the sixth the recall list")
        << "a;b#c#d#e#f#Vite;Stop#g#h#i#j;k"
        << QList<QStringList>{{"a", "b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"h"}, {"i"}, {"j", "k"}}
        << QStringList{"Vite", "Stop"};
    QTest::newRow("a reply without a hash mark fills the first list only")
        << "saignant;à point" << QList<QStringList>{{"saignant", "à point"}, {}, {}, {}, {}, {}, {}, {}, {}}
        << QStringList{};
    QTest::newRow("missing groups 6 to 9 give empty lists")
        << "a#b#c#d#e#R" << QList<QStringList>{{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {}, {}, {}, {}} << QStringList{"R"};
    QTest::newRow("an empty reply gives empty lists") << "" << QList<QStringList>(KitchenListCount) << QStringList{};
    QTest::newRow("empty groups in between stay empty")
        << "##x" << QList<QStringList>{{}, {}, {"x"}, {}, {}, {}, {}, {}, {}} << QStringList{};
}

void tst_CatalogueParse::kitchenLists()
{
    QFETCH(QString, reply);
    QFETCH(QList<QStringList>, cuis);
    QFETCH(QStringList, rappel);

    Catalogue catalogue;
    catalogue.setKitchenLists(parseKitchenLists(reply));
    QList<QStringList> actual;
    for (int n = 1; n <= KitchenListCount; ++n)
        actual.append(catalogue.kitchenOptionList(n));
    QCOMPARE(actual, cuis);
    QCOMPARE(catalogue.rappel(), rappel);
}

void tst_CatalogueParse::setMenuContents_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<QStringList>>("ctform");

    const QStringList none{""};
    QTest::newRow("groups on tilde, rows on dollar, entry 0 empty")
        << "552;553$554~560" << QList<QStringList>{{"", "552;553", "554"}, {"", "560"}} + QList<QStringList>(8, none);
    QTest::newRow("an empty reply leaves only the empty entry 0") << "" << QList<QStringList>(Limits::SetMenus, none);
    QTest::newRow("an empty group is an empty set menu")
        << "~~x" << QList<QStringList>{none, none, {"", "x"}} + QList<QStringList>(7, none);
    QTest::newRow("groups past the tenth are left out")
        << "1~2~3~4~5~6~7~8~9~10~11" << QList<QStringList>{{"", "1"}, {"", "2"}, {"", "3"}, {"", "4"}, {"", "5"},
                                                           {"", "6"}, {"", "7"}, {"", "8"}, {"", "9"}, {"", "10"}};
}

void tst_CatalogueParse::setMenuContents()
{
    QFETCH(QString, reply);
    QFETCH(QList<QStringList>, ctform);

    Catalogue catalogue;
    catalogue.setCtform(parseSetMenuContentsReply(reply).ctform);
    QList<QStringList> actual;
    for (int n = 1; n <= Limits::SetMenus; ++n)
        actual.append(catalogue.ctform(n));
    QCOMPARE(actual, ctform);
}

void tst_CatalogueParse::setMenuContentsCacheGivesTheSameText()
{
    QString reply;
    for (int n = 0; reply.size() < 2500; ++n)
        reply += QStringLiteral("%1;").arg(n) + (n % 50 == 49 ? QStringLiteral("~") : QStringLiteral("$"));
    reply.truncate(2500);

    const SetMenuContentsReply downloaded = parseSetMenuContentsReply(reply);
    QCOMPARE(downloaded.slots[0].size(), 1000);
    QCOMPARE(downloaded.slots[1].size(), 1000);
    QCOMPARE(downloaded.slots[2].size(), 501);
    QCOMPARE(downloaded.slots[0] + downloaded.slots[1] + downloaded.slots[2], QLatin1Char('~') + reply);
    QCOMPARE(parseSetMenuContentsSlots(downloaded.slots[0], downloaded.slots[1], downloaded.slots[2]),
             downloaded.ctform);

    const SetMenuContentsReply shortReply = parseSetMenuContentsReply(QStringLiteral("5"));
    QCOMPARE(shortReply.slots, (std::array<QString, 3>{QStringLiteral("~5"), QString(), QString()}));
}

void tst_CatalogueParse::courseRank()
{
    const QStringList rang4 = parseCourseRank(QStringLiteral("0;0;1"));

    QCOMPARE(field(rang4, 3 - 1), QStringLiteral("1"));
    QCOMPARE(field(rang4, 1 - 1), QStringLiteral("0"));
    QCOMPARE(field(rang4, 2 - 1), QStringLiteral("0"));
    QCOMPARE(parseCourseRank(QString()), QStringList{});
}

void tst_CatalogueParse::setMenuListCacheKeepsTwoThousandCharacters()
{
    QString reply;
    for (int row = 1; reply.size() < 2500; ++row)
        reply += QStringLiteral("Plat %1;Dessert %1:").arg(row);
    reply.truncate(2500);
    const QString text = QLatin1Char(':') + reply;

    const SetMenuListReply downloaded = parseSetMenuListReply(reply);
    QCOMPARE(downloaded.aform, Split(text, QStringLiteral(":")));
    QCOMPARE(downloaded.slots[0], text.left(1000));
    QCOMPARE(downloaded.slots[1], text.mid(1000, 1000));

    const QStringList cached = parseSetMenuListSlots(downloaded.slots[0], downloaded.slots[1]);
    QCOMPARE(cached, Split(text.left(2000), QStringLiteral(":")));
    QVERIFY(cached.size() < downloaded.aform.size());
}

void tst_CatalogueParse::setMenuList_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("aform");

    QTest::newRow("rows on colon, entry 0 empty") << "Salade;Soupe:Steak" << QStringList{"", "Salade;Soupe", "Steak"};
    QTest::newRow("an empty reply leaves only the empty entry 0") << "" << QStringList{""};
    QTest::newRow("a trailing colon adds no row") << "a:" << QStringList{"", "a"};
}

void tst_CatalogueParse::setMenuList()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, aform);

    const SetMenuListReply downloaded = parseSetMenuListReply(reply);
    QCOMPARE(downloaded.aform, aform);
    QCOMPARE(parseSetMenuListSlots(downloaded.slots[0], downloaded.slots[1]), aform);
}

void tst_CatalogueParse::tablePlan_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<QStringList>>("lists");

    QTest::newRow("six groups: left, top, height, width, plan, visibility")
        << "10;20$30;40$50;60$70;80$1;2$1;0"
        << QList<QStringList>{{"10", "20"}, {"30", "40"}, {"50", "60"}, {"70", "80"}, {"1", "2"}, {"1", "0"}};
    QTest::newRow("missing groups give empty lists") << "10$20" << QList<QStringList>{{"10"}, {"20"}, {}, {}, {}, {}};
    QTest::newRow("an empty reply gives empty lists") << "" << QList<QStringList>(6);
}

void tst_CatalogueParse::tablePlan()
{
    QFETCH(QString, reply);
    QFETCH(QList<QStringList>, lists);

    const TablePlan plan = parseTablePlan(reply);
    QCOMPARE((QList<QStringList>{plan.tableleft, plan.tabletop, plan.tableh, plan.tablew, plan.tableplan,
                                 plan.tablevisible}),
             lists);
}

void tst_CatalogueParse::articlesIndex()
{
    ProductTable prod;
    prod.addKeyboard(0, parseKeyboard(record("A", 17) + record("B", 5000) + record("C", -3) + record("D", 17),
                                      QString(), QString(), 1));
    Catalogue catalogue;
    catalogue.indexArticles(prod);

    QCOMPARE(catalogue.articles(17), 3);
    // empty product slots carry article 0, the last of them wins
    QCOMPARE(catalogue.articles(0), 1000);
    QCOMPARE(catalogue.articles(5), 0);
    QCOMPARE(catalogue.articles(5000), 0);
    QCOMPARE(catalogue.articles(-3), 0);

    // a repeated load starts from nothing: a product of the earlier catalogue takes no article
    prod.clear();
    prod.addKeyboard(0, parseKeyboard(record("E", 20) + record("F", 21), QString(), QString(), 1));
    catalogue.clear();
    catalogue.indexArticles(prod);
    QCOMPARE(catalogue.articles(21), 1);
    QCOMPARE(catalogue.articles(17), 0);
}

void tst_CatalogueParse::catalogueListsByNumber()
{
    Catalogue catalogue;
    catalogue.setTabsAndWaiters(parseTabsAndWaiters(QStringLiteral("Boissons#Paul;Marie")));
    catalogue.setRang(7, QStringList{"1"});
    catalogue.setRang(8, QStringList{"x"});
    catalogue.setAform(1, QStringList{"", "a"});
    catalogue.setAform(0, QStringList{"x"});

    QCOMPARE(catalogue.serv(1), QStringLiteral("Paul"));
    QCOMPARE(catalogue.serv(2), QStringLiteral("Marie"));
    QCOMPARE(catalogue.serv(0), QString());
    QCOMPARE(catalogue.serv(9), QString());
    QCOMPARE(catalogue.rang(7), QStringList{"1"});
    QCOMPARE(catalogue.rang(8), QStringList{});
    QCOMPARE(catalogue.aform(1), (QStringList{"", "a"}));
    QCOMPARE(catalogue.aform(0), QStringList{});
    QCOMPARE(catalogue.kitchenOptionList(10), QStringList{});
    QCOMPARE(catalogue.ctform(11), QStringList{});

    catalogue.setPaymentCaptions(parsePaymentCaptions(QStringLiteral("a;Chèque;Bar;Espèces")));
    catalogue.setPaymentCaptions(parsePaymentCaptions(QString()));
    QVERIFY(catalogue.paymentCaptions().has_value());
    QCOMPARE(catalogue.paymentCaptions()->ch, QStringLiteral("Chèque"));
}

void tst_CatalogueParse::hostileRepliesStayInBounds_data()
{
    QTest::addColumn<QString>("reply");

    QTest::newRow("20000 separators") << repeated(QStringLiteral(";$#~:"), 4000);
    QTest::newRow("20000 digits and semicolons") << repeated(QStringLiteral("7;"), 10000);
    QTest::newRow("20000 replacement characters") << QString(20000, QChar(0xFFFD));
    QTest::newRow("a hash mark alone") << "#";
    QTest::newRow("an empty reply") << "";
    QTest::newRow("thousands of product records") << repeated(record(QStringLiteral("Pain"), 999), 2000);
}

// No reply may make a parser reach past its tables, whatever it holds.
void tst_CatalogueParse::hostileRepliesStayInBounds()
{
    QFETCH(QString, reply);

    const TabsAndWaiters names = parseTabsAndWaiters(reply);
    QVERIFY(names.tabs.size() == size_t(Limits::Keyboards));
    parsePaymentCaptions(reply);
    try {
        QVERIFY(parseSupplements(reply).size() <= size_t(MaxSupplements));
    } catch (const FormatError&) {
    }
    QVERIFY(!parseSuppFlags(reply)[0]);
    QVERIFY(!parseSuppFlags(reply)[ProductTable::FlaggedArticles + 1]);
    ProductTable prod;
    try {
        int next = 0;
        for (int n = 1; n <= 12; ++n)
            next = prod.addKeyboard(next, parseKeyboard(reply, QString(), reply, n));
        Catalogue catalogue;
        catalogue.indexArticles(prod);
    } catch (const FormatError&) {
    }
    try {
        parsePrintingOptions(reply);
    } catch (const FormatError&) {
    }
    parseKitchenLists(reply);
    for (const QStringList& rows : parseSetMenuContentsReply(reply).ctform)
        QCOMPARE(rows.value(0, QStringLiteral("missing")), QString());
    QCOMPARE(parseSetMenuListReply(reply).aform.value(0, QStringLiteral("missing")), QString());
    QVERIFY(parseSetMenuListReply(reply).slots[1].size() <= 1000);
    parseTablePlan(reply);
}

QTEST_GUILESS_MAIN(tst_CatalogueParse)

#include "tst_catalogueparse.moc"
