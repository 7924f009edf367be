#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterView.h"
#include "widgets/RedKey.h"

#include <QLabel>
#include <QTest>

// The waiter view is drawn at 386 x 578 and stretched as a whole: every box follows 403/386 and 651/578 at the
// window's design size, twice that on a window twice as large.
class tst_WaiterView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxes_data();
    void boxes();
    void codePanelShownAfterTheViewGrewTakesTheNewSize();
    void captionFonts_data();
    void captionFonts();
    void fontsComeBackWhenTheViewShrinksAgain();
    void codeBox_data();
    void codeBox();
    void returnKeyLeavesTheCodeBox();

private:
    // a view shown at the given size, its code panel visible too
    static void showAt(WaiterView& view, const QSize& size);
    static QWidget* control(const WaiterView& view, const QString& name);
};

void tst_WaiterView::showAt(WaiterView& view, const QSize& size)
{
    view.codePanel()->show();
    view.resize(size);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

QWidget* tst_WaiterView::control(const WaiterView& view, const QString& name)
{
    auto* widget = view.findChild<QWidget*>(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget;
}

void tst_WaiterView::boxes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");

    const QSize design(403, 651);
    QTest::newRow("the title strip keeps 105 of 578 at design size") << design << "Label1" << QRect(0, 0, 403, 118);
    QTest::newRow("s1 at design size") << design << "s1" << QRect(37, 145, 127, 81);
    QTest::newRow("s2 at design size") << design << "s2" << QRect(226, 145, 128, 81);
    QTest::newRow("s3 at design size") << design << "s3" << QRect(37, 268, 128, 81);
    QTest::newRow("s4 at design size") << design << "s4" << QRect(226, 268, 128, 81);
    QTest::newRow("s5 at design size") << design << "s5" << QRect(37, 390, 128, 81);
    QTest::newRow("s6 at design size") << design << "s6" << QRect(226, 390, 128, 81);
    QTest::newRow("s7 at design size") << design << "s7" << QRect(37, 512, 128, 81);
    QTest::newRow("s8 at design size") << design << "s8" << QRect(226, 512, 128, 81);
    QTest::newRow("the code panel covers the view at design size") << design << "Rectangle11" << QRect(0, 0, 403, 651);
    QTest::newRow("the code title strip keeps 49 of 578 at design size") << design << "Label71" << QRect(0, 0, 403, 55);
    QTest::newRow("the code box at design size") << design << "Edit3" << QRect(100, 144, 193, 36);
    QTest::newRow("the Valider key at design size") << design << "Rectangle13" << QRect(100, 279, 210, 55);

    const QSize doubled(806, 1302);
    QTest::newRow("the title strip grows with a doubled window") << doubled << "Label1" << QRect(0, 0, 806, 237);
    QTest::newRow("s1 on a doubled window") << doubled << "s1" << QRect(75, 291, 255, 162);
    QTest::newRow("s2 on a doubled window") << doubled << "s2" << QRect(451, 291, 256, 162);
    QTest::newRow("s3 on a doubled window") << doubled << "s3" << QRect(73, 535, 256, 162);
    QTest::newRow("s4 on a doubled window") << doubled << "s4" << QRect(451, 535, 256, 162);
    QTest::newRow("s5 on a doubled window") << doubled << "s5" << QRect(73, 780, 256, 162);
    QTest::newRow("s6 on a doubled window") << doubled << "s6" << QRect(451, 780, 256, 162);
    QTest::newRow("s7 on a doubled window") << doubled << "s7" << QRect(73, 1024, 256, 162);
    QTest::newRow("s8 on a doubled window") << doubled << "s8" << QRect(451, 1024, 256, 162);
    QTest::newRow("the code panel covers a doubled window") << doubled << "Rectangle11" << QRect(0, 0, 806, 1302);
    QTest::newRow("the code title strip grows with a doubled window") << doubled << "Label71" << QRect(0, 0, 806, 110);
    QTest::newRow("the code box on a doubled window") << doubled << "Edit3" << QRect(200, 288, 386, 72);
    QTest::newRow("the Valider key on a doubled window") << doubled << "Rectangle13" << QRect(200, 559, 420, 110);
}

// A pixel either way is rounding; more is a box that does not follow the view.
static bool near(const QRect& actual, const QRect& expected)
{
    return qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
           qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1;
}

void tst_WaiterView::boxes()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(QRect, expected);

    WaiterView view;
    showAt(view, size);
    const QRect actual = control(view, name)->geometry();
    if (!near(actual, expected))
        QCOMPARE(actual, expected);
}

void tst_WaiterView::codePanelShownAfterTheViewGrewTakesTheNewSize()
{
    // the window hides the code panel at creation; it is shown only when the register asks for a code
    WaiterView view;
    view.codePanel()->hide();
    view.resize(806, 1302);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.codePanel()->show();

    QVERIFY(near(view.codePanel()->codeEdit()->geometry(), QRect(200, 288, 386, 72)));
    QVERIFY(near(view.codePanel()->titleLabel()->geometry(), QRect(0, 0, 806, 110)));
    QCOMPARE(view.codePanel()->titleLabel()->font().pixelSize(), 81);
}

void tst_WaiterView::captionFonts_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");

    // 16 and 36 design pixels times 651/578, then times 1302/578
    QTest::newRow("a waiter caption at design size") << QSize(403, 651) << "Label23" << 18;
    QTest::newRow("a waiter caption doubles with the window") << QSize(806, 1302) << "Label23" << 36;
    QTest::newRow("the last waiter caption doubles too") << QSize(806, 1302) << "Label30" << 36;
    QTest::newRow("the title at design size") << QSize(403, 651) << "Label1" << 41;
    QTest::newRow("the title doubles with the window") << QSize(806, 1302) << "Label1" << 81;
    QTest::newRow("the code panel title doubles with the window") << QSize(806, 1302) << "Label71" << 81;
}

void tst_WaiterView::captionFonts()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(int, pixelSize);

    WaiterView view;
    showAt(view, size);
    QCOMPARE(control(view, name)->font().pixelSize(), pixelSize);
}

void tst_WaiterView::fontsComeBackWhenTheViewShrinksAgain()
{
    WaiterView view;
    showAt(view, QSize(806, 1302));
    view.resize(403, 651);
    QCoreApplication::processEvents();

    QCOMPARE(view.waiterKey(1)->caption()->font().pixelSize(), 18);
    QCOMPARE(view.codePanel()->titleLabel()->font().pixelSize(), 41);
    QVERIFY(near(view.codePanel()->validateKey()->geometry(), QRect(100, 279, 210, 55)));
}

void tst_WaiterView::codeBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a 0 alone is refused") << "0"
                                          << "";
    QTest::newRow("a 0 inside a code is dropped") << "105"
                                                  << "15";
    QTest::newRow("letters are refused") << "a1b2"
                                         << "12";
    QTest::newRow("signs and blanks are refused") << "1 -+2."
                                                  << "12";
    QTest::newRow("a fifth digit is refused") << "12345"
                                              << "1234";
    QTest::newRow("four digits 1 to 9 are taken") << "1234"
                                                  << "1234";
    QTest::newRow("9 is taken like the other digits") << "9876"
                                                      << "9876";
}

void tst_WaiterView::codeBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    WaiterView view;
    QTest::keyClicks(view.codePanel()->codeEdit(), typed);
    QCOMPARE(view.codePanel()->codeEdit()->text(), expected);
}

void tst_WaiterView::returnKeyLeavesTheCodeBox()
{
    WaiterView view;
    showAt(view, QSize(403, 651));
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.codePanel()->codeEdit()->setFocus();
    QVERIFY(view.codePanel()->codeEdit()->hasFocus());
    QCOMPARE(view.codePanel()->codeEdit()->inputMethodQuery(Qt::ImEnterKeyType).toInt(), int(Qt::EnterKeySend));

    QTest::keyClick(view.codePanel()->codeEdit(), Qt::Key_Return);
    QVERIFY(!view.codePanel()->codeEdit()->hasFocus());
}

QTEST_MAIN(tst_WaiterView)
#include "tst_waiterview.moc"
