#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "catalogue/CatalogueGeometry.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// A terminal started against the simulator in a window of a tablet's size: every box the screen-sizing rules give
// is taken from that real size, not from the design.
class tst_ScreenSizing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabletWindow_data();
    void tabletWindow();
    void fontsFollowTheWindow_data();
    void fontsFollowTheWindow();
};

void tst_ScreenSizing::tabletWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("800 x 1280") << QSize(800, 1280);
    QTest::newRow("1080 x 1920") << QSize(1080, 1920);
}

void tst_ScreenSizing::tabletWindow()
{
    QFETCH(QSize, size);
    const QString address = QStringLiteral("127.0.0.1");
    SimProcess sim(address, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                             QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json")});
    QVERIFY(sim.isListening());
    QTemporaryDir folder;
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[data]\n0=" + address.toLatin1() + "\n");
    settings.close();

    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    MainWindow form(folder.path());
    form.link().setPort(sim.port());
    form.resize(size);
    form.show();
    form.activateWindow();
    auto* waiterView = form.findChild<WaiterView*>(QStringLiteral("serveur"));
    const bool opened = QTest::qWaitFor([&] { return form.frontView() == waiterView; }, 20000);
    MessageBox::setHandler({});
    QVERIFY(opened);
    QCOMPARE(messages, QStringList());
    QCOMPARE(form.catalogueLoad().startSize(), size);

    const auto waiterBoxes = CatalogueGeometry::waiterButtons(waiterView->width(), waiterView->height());
    for (size_t i = 0; i < waiterBoxes.size(); ++i)
        QCOMPARE(waiterView->waiterKeys().at(i)->geometry(), waiterBoxes.at(i).toRect());

    // the ticket as the rules lay it out for this window, from the tab control's designed top at this size
    TicketView design;
    design.resize(size);
    CatalogueGeometry::ScreenInput input;
    input.largeurinit = size.width();
    input.hauteurinit = size.height();
    input.formWidth = size.width();
    input.formHeight = size.height();
    input.tabTop = design.boxOf(design.TabControl()).y();
    input.displayHeight = form.screen()->geometry().height();
    const CatalogueGeometry::ScreenLayout layout = CatalogueGeometry::screenLayout(input);
    auto* ticket = form.findChild<TicketView*>(QStringLiteral("ticket"));
    QCOMPARE(ticket->Memo1()->geometry(), layout.memo1.toRect());
    QCOMPARE(ticket->TabControl()->geometry().y(), qRound(layout.tabControlY));
    QCOMPARE(ticket->TabControl()->geometry().width(), qRound(layout.tabControlWidth));

    // the first product key of keyboard 1, sized from the window's width
    QVERIFY(form.catalogueLoad().productKeys().count() > 0);
    QCOMPARE(form.catalogueLoad().productKeys().bbutton(0)->geometry(),
             CatalogueGeometry::productKey(size.width(), 0).body);
}

QTEST_MAIN(tst_ScreenSizing)
// Text no screen-sizing rule sizes grows with a window larger than the design window, by the smaller of its two
// proportions; it never shrinks below its design size, and a font a rule sets is left to the rule.
void tst_ScreenSizing::fontsFollowTheWindow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixelSize");

    const QSize design(403, 651);
    const QSize tablet(800, 1280); // 1.97 times the design height
    const QSize large(1080, 1920); // 2.68 times the design width
    const QSize small(360, 600);
    QTest::newRow("Quitter at the design size") << design << "choixtable"
                                                << "Quitter" << 14;
    QTest::newRow("Quitter on a tablet") << tablet << "choixtable"
                                         << "Quitter" << 28;
    QTest::newRow("Quitter on a large tablet") << large << "choixtable"
                                               << "Quitter" << 38;
    QTest::newRow("Quitter on a small window keeps its size") << small << "choixtable"
                                                              << "Quitter" << 14;
    QTest::newRow("the covers list on a tablet") << tablet << "Panelcouv"
                                                 << "ListBox1" << 35;
    QTest::newRow("a payment key's caption on a tablet") << tablet << "encaissement"
                                                         << "Label46" << 31;
    QTest::newRow("a course key's caption on a tablet") << tablet << "choixrang"
                                                        << "Label_btnr1" << 35;
    QTest::newRow("the line panel's question on a tablet") << tablet << "panel_annul"
                                                           << "Label16" << 35;
    QTest::newRow("a table-choice key, sized by a rule, on a tablet") << tablet << "choixtable"
                                                                      << "Label31" << 14;
}

void tst_ScreenSizing::fontsFollowTheWindow()
{
    QFETCH(QSize, window);
    QFETCH(QString, view);
    QFETCH(QString, control);
    QFETCH(int, pixelSize);

    QTemporaryDir folder;
    MainWindow form(folder.path());
    form.resize(window);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* holder = form.findChild<QWidget*>(view);
    QVERIFY(holder);
    // a panel lays its controls out when it is first shown, over its view
    for (QWidget* shown = holder; shown != &form; shown = shown->parentWidget())
        shown->show();
    auto* widget = holder->findChild<QWidget*>(control);
    QVERIFY(widget);
    QTRY_COMPARE(widget->font().pixelSize(), pixelSize);
}

#include "tst_screensizing.moc"
