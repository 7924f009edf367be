#include "widgets/DesignView.h"

#include <QTest>

#include <functional>

class tst_DesignView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data();
    void placement();
    void movedControlIsLaidOutByItsNewViewOnly();
    void aPanelMovedHereIsLaidOutHereOnly();
};

using Placing = std::function<void(DesignView&, QWidget*)>;
Q_DECLARE_METATYPE(Placing)

// A 100 × 200 design shown at 200 × 300.
void tst_DesignView::placement_data()
{
    QTest::addColumn<Placing>("placing");
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("a scaled control keeps its box in proportion")
        << Placing([](DesignView& view, QWidget* control) { view.place(control, QRectF(10, 20, 30, 40)); }) << false
        << QRect(20, 30, 60, 60);
    QTest::newRow("a strip docked at the top spans the width at its design height")
        << Placing([](DesignView& view, QWidget* control) { view.dockTop(control, 25); }) << false
        << QRect(0, 0, 200, 25);
    QTest::newRow("a strip docked at the bottom sits on the bottom edge")
        << Placing([](DesignView& view, QWidget* control) { view.dockBottom(control, 25); }) << false
        << QRect(0, 275, 200, 25);
    QTest::newRow("a stretched view's strip grows with its height")
        << Placing([](DesignView& view, QWidget* control) { view.dockTop(control, 20); }) << true
        << QRect(0, 0, 200, 30);
    QTest::newRow("a filling control covers the view")
        << Placing([](DesignView& view, QWidget* control) { view.fill(control); }) << false << QRect(0, 0, 200, 300);
    QTest::newRow("a pinned control keeps its actual box whatever the size")
        << Placing([](DesignView& view, QWidget* control) { view.pin(control, QRect(5, 6, 7, 8)); }) << false
        << QRect(5, 6, 7, 8);
    QTest::newRow("pinning a scaled control overrides its design box")
        << Placing([](DesignView& view, QWidget* control) {
               view.place(control, QRectF(10, 20, 30, 40));
               view.pin(control, QRect(1, 2, 3, 4));
           })
        << false << QRect(1, 2, 3, 4);
}

void tst_DesignView::placement()
{
    QFETCH(Placing, placing);
    QFETCH(bool, stretched);
    QFETCH(QRect, expected);

    DesignView view(QStringLiteral("view"), QSizeF(100, 200));
    view.resize(100, 200);
    view.setStretched(stretched);
    view.show();
    auto* control = new QWidget;
    placing(view, control);
    view.resize(200, 300);
    QCOMPARE(control->geometry(), expected);
    QCOMPARE(view.boxOf(control), expected);
}

void tst_DesignView::movedControlIsLaidOutByItsNewViewOnly()
{
    DesignView parking(QStringLiteral("parking"), QSizeF(100, 200));
    DesignView screen(QStringLiteral("screen"), QSizeF(100, 200));
    parking.show();
    screen.show();
    auto* panel = new QWidget;
    parking.fill(panel);

    screen.fill(panel);
    screen.resize(200, 300);
    parking.resize(50, 50);
    QCOMPARE(panel->parentWidget(), &screen);
    QCOMPARE(panel->geometry(), QRect(0, 0, 200, 300));

    // and back, as a floating panel goes back to where it is kept
    parking.fill(panel);
    screen.resize(400, 400);
    QCOMPARE(panel->parentWidget(), &parking);
    QCOMPARE(panel->geometry(), QRect(0, 0, 50, 50));
}

void tst_DesignView::aPanelMovedHereIsLaidOutHereOnly()
{
    DesignView parking(QStringLiteral("parking"), QSizeF(100, 200));
    DesignView view(QStringLiteral("view"), QSizeF(100, 200));
    parking.resize(50, 50);
    view.resize(200, 300);
    parking.show();
    view.show();
    auto* panel = new QWidget;
    parking.fill(panel);

    view.moveHere(panel);
    view.moveHere(panel); // brought again each time it is shown
    QCOMPARE(panel->parentWidget(), &view);
    QCOMPARE(panel->geometry(), QRect(0, 0, 200, 300));
    parking.resize(80, 80);
    QCOMPARE(panel->geometry(), QRect(0, 0, 200, 300));
    view.resize(120, 150);
    QCOMPARE(panel->geometry(), QRect(0, 0, 120, 150));
}

QTEST_MAIN(tst_DesignView)
#include "tst_designview.moc"
