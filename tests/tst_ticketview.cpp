#include "menus/SetMenuView.h"
#include "session/Limits.h"
#include "ticket/CoursePanel.h"
#include "ticket/KeyboardTabBar.h"
#include "ticket/KitchenDispatchPanel.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketView.h"
#include "widgets/CheckList.h"
#include "widgets/DesignView.h"
#include "widgets/Fonts.h"
#include "widgets/RedKey.h"

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// Where a control lies in the view, whatever panel holds it.
QRect boxIn(const QWidget* view, const QWidget* control)
{
    return {control->mapTo(view, QPoint()), control->size()};
}

// Design boxes become whole pixels: each edge may round by one.
bool withinAPixel(const QRect& actual, const QRectF& expected)
{
    return qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
           qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1;
}

QByteArray describe(const QRect& actual, const QRectF& expected)
{
    return QStringLiteral("got %1,%2 %3x%4, expected %5,%6 %7x%8")
        .arg(actual.x())
        .arg(actual.y())
        .arg(actual.width())
        .arg(actual.height())
        .arg(expected.x())
        .arg(expected.y())
        .arg(expected.width())
        .arg(expected.height())
        .toUtf8();
}

void verifyBox(const QWidget* view, const QString& name, const QRectF& expected)
{
    const auto* control = view->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(QStringLiteral("no control named ") + name));
    const QRect actual = boxIn(view, control);
    QVERIFY2(withinAPixel(actual, expected), describe(actual, expected).constData());
}

} // namespace

class tst_TicketView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scaledControls_data();
    void scaledControls();
    void sideKeysScaleWithTheWindow_data();
    void sideKeysScaleWithTheWindow();
    void keyboardTabs();
    void firstEightTabsWrapTheirCaptions();
    void memoShowsCapitalsButKeepsTheText();
    void listPanels_data();
    void listPanels();
    void floatingPanelsLayOutInTheirHost_data();
    void floatingPanelsLayOutInTheirHost();
    void formuleControls_data();
    void formuleControls();
};

void tst_TicketView::scaledControls_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("expected");

    const QSize design(403, 651);
    const QSize twice(806, 1302);
    QTest::newRow("Memo1 keeps its design box") << design << "Memo1" << QRectF(64.7, 0, 270.4, 244.4);
    QTest::newRow("Memo1 doubles on a double window") << twice << "Memo1" << QRectF(129.4, 0, 540.8, 488.8);
    QTest::newRow("Memoart lies across the middle of Memo1") << design << "Memoart" << QRectF(64.7, 109.7, 270.4, 25);
    QTest::newRow("Memoart doubles with Memo1") << twice << "Memoart" << QRectF(129.4, 219.4, 540.8, 50);
    QTest::newRow("TabControl keeps its design box") << design << "TabControl" << QRectF(0, 249, 403, 402);
    QTest::newRow("TabControl doubles") << twice << "TabControl" << QRectF(0, 498, 806, 804);
}

void tst_TicketView::scaledControls()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(QRectF, expected);

    TicketView view;
    view.resize(size);
    view.show();
    verifyBox(&view, name, expected);
}

void tst_TicketView::sideKeysScaleWithTheWindow_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("the design size") << QSize(403, 651);
    QTest::newRow("twice as wide, half as high again") << QSize(806, 977);
}

// Every side key keeps its place and size relative to the window: its box at the design size, scaled. The design
// boxes are read off a window ten times as large, where rounding to whole pixels costs a tenth of a pixel.
void tst_TicketView::sideKeysScaleWithTheWindow()
{
    QFETCH(QSize, size);

    const QSize design(403, 651);
    constexpr int Magnified = 10;
    TicketView reference;
    reference.resize(design * Magnified);
    reference.show();
    TicketView scaled;
    scaled.resize(size);
    scaled.show();
    const qreal sx = qreal(size.width()) / design.width() / Magnified;
    const qreal sy = qreal(size.height()) / design.height() / Magnified;

    for (int number = 1; number <= TicketView::SideKeys; ++number) {
        const QString name = QStringLiteral("b%1").arg(number);
        const auto* referenceKey = reference.findChild<RedKey*>(name);
        QVERIFY2(referenceKey, qPrintable(name));
        const QRect box = boxIn(&reference, referenceKey);
        verifyBox(&scaled, name, QRectF(box.x() * sx, box.y() * sy, box.width() * sx, box.height() * sy));
        QVERIFY2(scaled.rect().contains(boxIn(&scaled, scaled.findChild<RedKey*>(name))), qPrintable(name));
    }
}

void tst_TicketView::keyboardTabs()
{
    TicketView view;
    QTabWidget* tabs = view.keyboardTabs();
    QCOMPARE(tabs->count(), Limits::Keyboards);

    const QStringList items{"TabItem1", "TabItem2", "TabItem3",  "TabItem4",  "TabItem5",  "TabItem6",
                            "TabItem7", "TabItem8", "TabItem12", "TabItem13", "TabItem14", "TabItem15"};
    for (int index = 0; index < tabs->count(); ++index) {
        QWidget* page = tabs->widget(index);
        QCOMPARE(page->objectName(), items.at(index));
        // keyboard N is shown in tab N - 1, in scroll box N
        QScrollArea* box = view.keyboardScrollBox(index + 1);
        QCOMPARE(box->objectName(), QStringLiteral("VertScrollBox%1").arg(index + 1));
        QVERIFY(page->isAncestorOf(box));
        QVERIFY(box->widget());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

void tst_TicketView::firstEightTabsWrapTheirCaptions()
{
    TicketView view;
    view.resize(403, 651);
    view.show();
    QTabBar* bar = view.keyboardTabs()->tabBar();
    const QString longName = QStringLiteral("Boissons chaudes et fraîches");
    bar->setTabText(7, longName);
    bar->setTabText(8, longName);

    const QFontMetrics metrics(bar->font());
    QVERIFY(bar->tabRect(7).width() < metrics.horizontalAdvance(longName));
    QVERIFY(bar->tabRect(8).width() > metrics.horizontalAdvance(longName));
    QCOMPARE(bar->tabRect(7).height(), KeyboardTabBar::TabHeight);
    QCOMPARE(bar->tabRect(8).height(), KeyboardTabBar::TabHeight);
    // one row of tabs whatever the names: the keys below do not lose height to them
    QCOMPARE(bar->height(), KeyboardTabBar::TabHeight);
}

void tst_TicketView::memoShowsCapitalsButKeepsTheText()
{
    const QString ticket = QStringLiteral("2 café crème   5,20\n1 steak frites 14,50");
    TicketMemo memo(QStringLiteral("Memo1"));
    memo.resize(270, 120);
    memo.setPlainText(ticket);
    // the size is set at start the same way, with a font of its own
    memo.setFont(Fonts::fixedBold(12));
    QCOMPARE(memo.toPlainText(), ticket);
    QCOMPARE(memo.font().capitalization(), QFont::AllUppercase);
    QCOMPARE(memo.font().pixelSize(), 12);

    TicketMemo capitals(QStringLiteral("capitals"));
    capitals.resize(memo.size());
    capitals.setPlainText(ticket.toUpper());
    capitals.setFont(Fonts::fixedBold(12));
    QCOMPARE(memo.grab().toImage(), capitals.grab().toImage());
}

void tst_TicketView::listPanels_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("strip");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("highlights");

    QTest::newRow("kitchen options: Valider above an unhighlighted list") << "ticket"
                                                                          << "Button21"
                                                                          << "Valider" << 41 << "ListViewcuis" << false;
    QTest::newRow("recall messages: Envoyer above the list") << "ticket"
                                                             << "Button14"
                                                             << "Envoyer" << 41 << "ListViewrappel" << true;
    QTest::newRow("dish choice: Annuler above an unhighlighted list") << "formule"
                                                                      << "Button29"
                                                                      << "Annuler" << 33 << "choixform" << false;
    QTest::newRow("set-menu options: a strip of 44.1 rounds to 44") << "formule"
                                                                    << "Button32"
                                                                    << "Valider" << 44 << "ListView1" << false;
}

void tst_TicketView::listPanels()
{
    QFETCH(QString, view);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, strip);
    QFETCH(QString, list);
    QFETCH(bool, highlights);

    TicketView ticket;
    SetMenuView formule;
    DesignView* host = view == QLatin1String("ticket") ? static_cast<DesignView*>(&ticket) : &formule;
    // strips keep their height on a larger window; only the list grows
    host->resize(806, 1302);
    host->show();
    auto* top = host->findChild<QPushButton*>(button);
    auto* entries = host->findChild<CheckList*>(list);
    QVERIFY(top && entries);
    top->parentWidget()->show();
    QCOMPARE(top->text(), caption);
    QCOMPARE(boxIn(host, top), QRect(0, 0, 806, strip));
    QCOMPARE(boxIn(host, entries), QRect(0, strip, 806, 1302 - strip));
    QCOMPARE(entries->selectionMode() != QAbstractItemView::NoSelection, highlights);

    // a touch anywhere on an entry shows its check mark, a second one hides it
    entries->setEntries({QStringLiteral("saignant"), QStringLiteral("à point")});
    QCOMPARE(entries->ticks(), (QList<bool>{false, false}));
    const QRect second = entries->visualItemRect(entries->item(1));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(entries->ticks(), (QList<bool>{false, true}));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, QPoint(second.left() + 2, second.center().y()));
    QCOMPARE(entries->ticks(), (QList<bool>{false, false}));
}

void tst_TicketView::floatingPanelsLayOutInTheirHost_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("expected");

    // choixrang: 320 x 510 into 403 x 651 scales by 1.259375 across and 1.276471 down
    QTest::newRow("btnr1 on the ticket") << "choixrang"
                                         << "ticket"
                                         << "btnr1" << QRectF(28.59, 66.25, 350.36, 60.63);
    QTest::newRow("btnr7 on the ticket") << "choixrang"
                                         << "ticket"
                                         << "btnr7" << QRectF(28.59, 497.70, 350.36, 60.63);
    QTest::newRow("the course title stays a strip of 25") << "choixrang"
                                                          << "ticket"
                                                          << "Label14" << QRectF(0, 0, 403, 25);
    // panelenvoicuis: 386 x 578 into 403 x 651 scales by 1.044041 across and 1.126298 down
    QTest::newRow("button39 on the ticket") << "panelenvoicuis"
                                            << "ticket"
                                            << "button39" << QRectF(28.50, 34.92, 350.28, 60.71);
    QTest::newRow("btn_env7 on the ticket") << "panelenvoicuis"
                                            << "ticket"
                                            << "btn_env7" << QRectF(28.50, 551.55, 350.28, 60.71);
    QTest::newRow("the dispatch title stays a strip of 25") << "panelenvoicuis"
                                                            << "ticket"
                                                            << "Label15" << QRectF(0, 0, 403, 25);
    QTest::newRow("supplements on the ticket: the list under the strip") << "Panelsupp"
                                                                         << "ticket"
                                                                         << "ListViewsupp" << QRectF(0, 49, 403, 602);
    QTest::newRow("supplements on the set menus: the list under the strip")
        << "Panelsupp"
        << "formule"
        << "ListViewsupp" << QRectF(0, 49, 366, 554);
}

void tst_TicketView::floatingPanelsLayOutInTheirHost()
{
    QFETCH(QString, panel);
    QFETCH(QString, host);
    QFETCH(QString, name);
    QFETCH(QRectF, expected);

    ParkingView poubelle;
    poubelle.resize(320, 510);
    TicketView ticket;
    ticket.resize(403, 651);
    SetMenuView formule;
    formule.resize(366, 603);
    DesignView* view = host == QLatin1String("ticket") ? static_cast<DesignView*>(&ticket) : &formule;
    view->show();

    auto* floating = poubelle.findChild<DesignView*>(panel);
    QVERIFY(floating);
    view->fill(floating);
    floating->show();
    verifyBox(floating, name, expected);
}

void tst_TicketView::formuleControls_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("expected");

    const QSize design(366, 603);
    const QSize twice(732, 1206);
    QTest::newRow("the top strip is 41 high") << design << "Panel10" << QRectF(0, 0, 366, 41);
    QTest::newRow("the top strip stays 41 high") << twice << "Panel10" << QRectF(0, 0, 732, 41);
    QTest::newRow("CornerButton1 keeps its design box") << design << "CornerButton1" << QRectF(191.1, 6, 172, 31);
    QTest::newRow("CornerButton1 widens with the strip only") << twice << "CornerButton1" << QRectF(382.2, 6, 344, 31);
    QTest::newRow("Panel11 fills what the strip leaves") << twice << "Panel11" << QRectF(0, 41, 732, 1165);
    QTest::newRow("HorzScrollBox1 keeps its design box") << design << "HorzScrollBox1" << QRectF(0, 51.1, 366, 551.9);
    QTest::newRow("HorzScrollBox1 doubles") << twice << "HorzScrollBox1" << QRectF(0, 102.2, 732, 1103.8);
}

void tst_TicketView::formuleControls()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(QRectF, expected);

    SetMenuView view;
    view.resize(size);
    view.show();
    verifyBox(&view, name, expected);
}

QTEST_MAIN(tst_TicketView)
#include "tst_ticketview.moc"
