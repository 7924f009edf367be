#include "catalogue/CatalogueGeometry.h"
#include "catalogue/CatalogueParse.h"
#include "catalogue/ProductTable.h"
#include "link/FormatError.h"

#include <QTest>

using namespace CatalogueGeometry;

namespace {

// The controls keep single-precision values: expected reals are written as floats too.
QRectF rect(float x, float y, float width, float height)
{
    return QRectF(x, y, width, height);
}

const SideButton& sideButton(const ScreenLayout& layout, const QString& name)
{
    for (const SideButton& button : layout.sideButtons) {
        if (button.name == name)
            return button;
    }
    qFatal("no side button %s", qPrintable(name));
}

} // namespace

class tst_CatalogueGeometry final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void productKey_data();
    void productKey();
    void keyPositionsRestartWithEachKeyboard();
    void keyColour_data();
    void keyColour();
    void setMenuCell_data();
    void setMenuCell();
    void tableButton_data();
    void tableButton();
    void tableEntryMustBeDecimal();
    void waiterButtons();
    void screenLayout_data();
    void screenLayout();
    void paymentButtonsReadTheValuesSetBefore();
    void sideButtonRows();
    void sideCaptionFontSize();
};

void tst_CatalogueGeometry::productKey_data()
{
    QTest::addColumn<int>("largeurinit");
    QTest::addColumn<int>("p");
    QTest::addColumn<QRect>("body");
    QTest::addColumn<int>("fontSize");

    QTest::newRow("first key of a keyboard at column 0, row 0") << 405 << 0 << QRect(0, 0, 100, 60) << 13;
    QTest::newRow("fourth column at 3W") << 405 << 3 << QRect(300, 0, 100, 60) << 13;
    QTest::newRow("second row at 3W/5") << 405 << 5 << QRect(100, 60, 100, 60) << 13;
    QTest::newRow("W of 98 gives keys 58 high") << 400 << 4 << QRect(0, 58, 98, 58) << 13;
    QTest::newRow("third row rounds 3W*2/5 down") << 400 << 8 << QRect(0, 117, 98, 58) << 13;
    QTest::newRow("64th key ends the sixteenth row") << 405 << 63 << QRect(300, 900, 100, 60) << 13;
    QTest::newRow("65th key lies on the sixteenth row") << 405 << 64 << QRect(0, 900, 100, 60) << 13;
    QTest::newRow("later keys keep the sixteenth row and their column") << 405 << 202 << QRect(200, 900, 100, 60) << 13;
    QTest::newRow("narrow window") << 200 << 1 << QRect(48, 0, 48, 28) << 6;
}

void tst_CatalogueGeometry::productKey()
{
    QFETCH(int, largeurinit);
    QFETCH(int, p);
    QFETCH(QRect, body);
    QFETCH(int, fontSize);

    const KeyBox key = CatalogueGeometry::productKey(largeurinit, p);
    QCOMPARE(key.body, body);
    QCOMPARE(key.caption, body.adjusted(2, 2, -2, -2));
    QCOMPARE(key.fontSize, fontSize);
}

void tst_CatalogueGeometry::keyPositionsRestartWithEachKeyboard()
{
    ProductTable prod;
    const int keyboards[] = {1, 1, 1, 3, 3, 4};
    int k = 0;
    for (const int numclav : keyboards) {
        prod.setProduct(k, Product{QString(), QString(), 0, 0, QString(), k + 1, numclav});
        ++k;
    }

    QCOMPARE(keyPositions(prod, 6), (std::vector<int>{0, 1, 2, 0, 1, 0}));

    // keyboard 1 empty: the first product starts its own keyboard at position 0
    ProductTable second;
    second.setProduct(0, Product{QString(), QString(), 0, 0, QString(), 1, 2});
    second.setProduct(1, Product{QString(), QString(), 0, 0, QString(), 2, 2});
    QCOMPARE(keyPositions(second, 2), (std::vector<int>{0, 1}));

    QCOMPARE(keyPositions(ProductTable(), 1001).size(), size_t(KeyCount));
    QCOMPARE(keyPositions(ProductTable(), 0).size(), size_t(0));
}

void tst_CatalogueGeometry::keyColour_data()
{
    QTest::addColumn<QString>("couleur");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<uint>("argb");

    QTest::newRow("eight digits give an opaque green") << "$FF00FF00" << true << 0xFF00FF00u;
    QTest::newRow("six digits give alpha 0") << "#00FF00" << true << 0x0000FF00u;
    QTest::newRow("lower-case digits") << "xff8800aa" << true << 0xFF8800AAu;
    QTest::newRow("leading zeros beyond eight digits") << "$00FF00FF00" << true << 0xFF00FF00u;
    QTest::newRow("empty text gives no colour") << "" << false << 0u;
    QTest::newRow("leading character alone gives no colour") << "$" << false << 0u;
    QTest::newRow("non-hexadecimal digit") << "$FF00GG00" << false << 0u;
    QTest::newRow("more than 32 bits") << "$1FFFFFFFF" << false << 0u;
    QTest::newRow("blank inside") << "$FF 00" << false << 0u;
    QTest::newRow("replacement character") << QString::fromUtf8("$FF\uFFFD") << false << 0u;
}

void tst_CatalogueGeometry::keyColour()
{
    QFETCH(QString, couleur);
    QFETCH(bool, valid);
    QFETCH(uint, argb);

    const std::optional<quint32> colour = CatalogueGeometry::keyColour(couleur);
    QCOMPARE(colour.has_value(), valid);
    if (colour)
        QCOMPARE(*colour, argb);
}

void tst_CatalogueGeometry::setMenuCell_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QRect>("body");
    QTest::addColumn<uint>("colour");

    QTest::newRow("cell 0 at the origin") << 0 << QRect(0, 0, 100, 80) << 0xFFAAAAFFu;
    QTest::newRow("cell 1 on the second row") << 1 << QRect(0, 85, 100, 80) << 0xFFFFFF00u;
    QTest::newRow("cell 6 on the last row") << 6 << QRect(0, 510, 100, 80) << 0xFFFFAAAAu;
    QTest::newRow("cell 7 starts the second column") << 7 << QRect(105, 0, 100, 80) << 0xFFAAAAFFu;
    QTest::newRow("cell 8 shares row 1's colour") << 8 << QRect(105, 85, 100, 80) << 0xFFFFFF00u;
    QTest::newRow("cell 14 shares row 0's colour") << 14 << QRect(210, 0, 100, 80) << 0xFFAAAAFFu;
    QTest::newRow("cell 250 is row 5 of column 35") << 250 << QRect(3675, 425, 100, 80) << 0xFF00FFFFu;
}

void tst_CatalogueGeometry::setMenuCell()
{
    QFETCH(int, z);
    QFETCH(QRect, body);
    QFETCH(uint, colour);

    const CellBox cell = CatalogueGeometry::setMenuCell(410, 660, z);
    QCOMPARE(cell.body, body);
    QCOMPARE(cell.caption, body.adjusted(5, 5, -5, -5));
    QCOMPARE(cell.colour, colour);
    QCOMPARE(cell.fontSize, 13);
}

void tst_CatalogueGeometry::tableButton_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("z");
    QTest::addColumn<QRectF>("body");
    QTest::addColumn<QSizeF>("caption");
    QTest::addColumn<int>("planTab");
    QTest::addColumn<bool>("shown");

    QTest::newRow("table on plan 1, shown")
        << "100$200$100$50$1$1" << 0 << QRectF(150, 420.375, 60, 120) << QSizeF(60, 120) << 0 << true;
    QTest::newRow("second table on plan 3")
        << "0;0$0;0$0;80$0;300$1;3$1;1" << 1 << QRectF(300, 751 - 80.0 * 751 / 800 - 49, 360, 96) << QSizeF(360, 96)
        << 2 << true;
    QTest::newRow("visibility 0 hides the table")
        << "100$200$100$50$2$0" << 0 << QRectF(150, 420.375, 60, 120) << QSizeF(60, 120) << 1 << false;
    QTest::newRow("an empty visibility flag hides the table")
        << "100$200$100$50$2$;1" << 0 << QRectF(150, 420.375, 60, 120) << QSizeF(60, 120) << 1 << false;
    QTest::newRow("a plan number other than 1 to 3 gives no tab")
        << "100$200$100$50$4$1" << 0 << QRectF(150, 420.375, 60, 120) << QSizeF(60, 120) << -1 << true;
    QTest::newRow("the plan number is compared as text")
        << "100$200$100$50$01$1" << 0 << QRectF(150, 420.375, 60, 120) << QSizeF(60, 120) << -1 << true;
    QTest::newRow("the left edge is taken with its width, as an absolute value")
        << "-300$200$100$50$1$1" << 0 << QRectF(250, 420.375, 60, 120) << QSizeF(60, 120) << 0 << true;
    QTest::newRow("absent entries give an empty table without a tab")
        << "1;2$3;4$5;6$7;8$1;1$1;1" << 99 << QRectF(0, 702, 0, 0) << QSizeF(0, 0) << -1 << false;
    QTest::newRow("an empty reply gives empty tables")
        << "" << 0 << QRectF(0, 702, 0, 0) << QSizeF(0, 0) << -1 << false;
    // a box bounded to the plan's span converts to a control's whole units
    QTest::newRow("the largest numbers are bounded to the plan")
        << "2147483647$0$0$2147483647$1$1" << 0 << QRectF(1200, 702, 720, 0) << QSizeF(720, 0) << 0 << true;
    QTest::newRow("the smallest numbers are bounded to the plan")
        << "-2147483648$-2147483648$-2147483648$-2147483648$1$1" << 0 << QRectF(600, 702 + 751, 0, 0) << QSizeF(0, 0)
        << 0 << true;
}

void tst_CatalogueGeometry::tableButton()
{
    QFETCH(QString, reply);
    QFETCH(int, z);
    QFETCH(QRectF, body);
    QFETCH(QSizeF, caption);
    QFETCH(int, planTab);
    QFETCH(bool, shown);

    const TableButton button = CatalogueGeometry::tableButton(CatalogueParse::parseTablePlan(reply), z, 600, 800, 49);
    QCOMPARE(button.body, body);
    QCOMPARE(button.caption, QRectF(QPointF(0, 0), caption));
    QCOMPARE(button.planTab.value_or(-1), planTab);
    QCOMPARE(button.shown, shown);
    QCOMPARE(button.text, QStringLiteral("T%1").arg(z + 1));
    QCOMPARE(button.fontSize, 16);
}

void tst_CatalogueGeometry::tableEntryMustBeDecimal()
{
    const CatalogueParse::TablePlan plan = CatalogueParse::parseTablePlan(QStringLiteral("1;x$1;1$1;1$1;1$1;1$1;1"));

    CatalogueGeometry::tableButton(plan, 0, 600, 800, 49);
    QVERIFY_THROWS_EXCEPTION(FormatError, CatalogueGeometry::tableButton(plan, 1, 600, 800, 49));
    const CatalogueParse::TablePlan emptyHeight = CatalogueParse::parseTablePlan(QStringLiteral("1$1$;1$1$1$1"));
    QVERIFY_THROWS_EXCEPTION(FormatError, CatalogueGeometry::tableButton(emptyHeight, 0, 600, 800, 49));
}

void tst_CatalogueGeometry::waiterButtons()
{
    const auto buttons = CatalogueGeometry::waiterButtons(400, 600);

    QCOMPARE(buttons[0], QRectF(20, 120, 170, 80));
    QCOMPARE(buttons[1], QRectF(210, 120, 170, 80));
    QCOMPARE(buttons[2], QRectF(20, 240, 170, 80));
    QCOMPARE(buttons[7], QRectF(210, 480, 170, 80));
    // single-precision values: the optimiser may fold the expected side differently, so compare to a float's grain
    const QRectF odd = CatalogueGeometry::waiterButtons(333, 100)[1];
    const QRectF expected(174.825, 20, 141.525, 13.3333);
    QVERIFY(qAbs(odd.x() - expected.x()) < 1e-3 && qAbs(odd.y() - expected.y()) < 1e-3);
    QVERIFY(qAbs(odd.width() - expected.width()) < 1e-3 && qAbs(odd.height() - expected.height()) < 1e-3);
}

void tst_CatalogueGeometry::screenLayout_data()
{
    QTest::addColumn<int>("formWidth");
    QTest::addColumn<QRectF>("memo1");
    QTest::addColumn<double>("sideWidth");
    QTest::addColumn<double>("rightColumn");
    QTest::addColumn<QRectF>("cb");
    QTest::addColumn<QRectF>("ch");
    QTest::addColumn<QRectF>("ba");
    QTest::addColumn<QRectF>("esBox");

    // window 720 high, start view 700 high, display 800 high, tab control at Y 250
    QTest::newRow("form width 400") << 400 << QRectF(64, 0, 272, 250) << 64.0 << 336.0 << rect(20, 370, 106.64f, 80)
                                    << rect(273.28f, 371, 106.64f, 80) << rect(146.64f, 371, 106.64f, 80)
                                    << rect(20, 486, 360, 80);
    QTest::newRow("form width 399 truncates where div is written")
        << 399 << QRectF(63, 0, 271, 250) << 63.0 << 335.0 << rect(19, 370, 399 * 26.66 / 100, 79)
        << rect(399 * 68.32 / 100, 371, 399 * 26.66 / 100, 79) << rect(399 * 36.66 / 100, 371, 399 * 26.66 / 100, 79)
        << rect(19.95f, 485, 359.1f, 79);
}

void tst_CatalogueGeometry::screenLayout()
{
    QFETCH(int, formWidth);
    QFETCH(QRectF, memo1);
    QFETCH(double, sideWidth);
    QFETCH(double, rightColumn);
    QFETCH(QRectF, cb);
    QFETCH(QRectF, ch);
    QFETCH(QRectF, ba);
    QFETCH(QRectF, esBox);

    const ScreenLayout layout = CatalogueGeometry::screenLayout({410, 700, formWidth, 720, 250, 800});
    QCOMPARE(layout.ticket, QRectF(0, 0, 410, 700));
    QCOMPARE(layout.encaissement, QRectF(0, 0, 410, 700));
    QCOMPARE(layout.tabControlY, 250.0);
    QCOMPARE(layout.tabControlWidth, 410.0);
    QCOMPARE(layout.tabControlHeight, 450.0);
    QCOMPARE(layout.memo1, memo1);
    QCOMPARE(layout.memo3, QRectF(0, 0, formWidth, 250));
    QCOMPARE(layout.rectangle1, QRectF(0, 255, formWidth, 80));
    QCOMPARE(layout.cb, cb);
    QCOMPARE(layout.ch, ch);
    QCOMPARE(layout.ba, ba);
    QCOMPARE(layout.es, esBox);
    QCOMPARE(sideButton(layout, "b3").box.width(), sideWidth);
    QCOMPARE(sideButton(layout, "b6").box.x(), rightColumn);
    QCOMPARE(sideButton(layout, "b5").box.x(), 0.0);
}

// cb's Y follows the start view's height, ch's and ba's the window's; es sits under ba's height from cb
void tst_CatalogueGeometry::paymentButtonsReadTheValuesSetBefore()
{
    const ScreenLayout layout = CatalogueGeometry::screenLayout({410, 1000, 400, 600, 100, 500});
    const double b1 = 105 + 50;

    QCOMPARE(layout.cb.y(), b1 + 50);
    QCOMPARE(layout.ch.y(), b1 + 30);
    QCOMPARE(layout.ba.y(), b1 + 30);
    QCOMPARE(layout.es.y(), 80 + 30 + b1 + 50);
}

void tst_CatalogueGeometry::sideButtonRows()
{
    const ScreenLayout layout = CatalogueGeometry::screenLayout({405, 700, 400, 720, 250, 800});
    QStringList order;
    for (const SideButton& button : layout.sideButtons) {
        order.append(button.name);
        QCOMPARE(button.box.height(), 50.0);
    }
    QCOMPARE(order, (QStringList{"b3", "b2", "b4", "b12", "b5", "b1", "b6", "b7", "b8", "b11", "b9", "b10"}));

    const QList<double> leftRows{sideButton(layout, "b3").box.y(), sideButton(layout, "b2").box.y(),
                                 sideButton(layout, "b4").box.y(), sideButton(layout, "b12").box.y(),
                                 sideButton(layout, "b5").box.y()};
    QCOMPARE(leftRows, (QList<double>{0, 50, 100, 150, 200}));
    QCOMPARE(sideButton(layout, "b11").box.y(), 150.0);
    QCOMPARE(sideButton(layout, "b9").box, sideButton(layout, "b10").box);
    QVERIFY(!sideButton(layout, "b1").shown);
    QVERIFY(!sideButton(layout, "b10").shown);
    QVERIFY(sideButton(layout, "b9").shown);

    // a designed Y that is not a whole number keeps single precision all the way
    const ScreenLayout odd = CatalogueGeometry::screenLayout({405, 700, 400, 720, 251.3, 800});
    QCOMPARE(sideButton(odd, "b5").box.y(), double(float(float(251.3) / 5) * 4));
}

void tst_CatalogueGeometry::sideCaptionFontSize()
{
    QCOMPARE(CatalogueGeometry::sideCaptionFontSize(405), 12);
    QCOMPARE(CatalogueGeometry::sideCaptionFontSize(400), 12);
    QCOMPARE(CatalogueGeometry::sideCaptionFontSize(805), 25);
}

QTEST_GUILESS_MAIN(tst_CatalogueGeometry)

#include "tst_cataloguegeometry.moc"
