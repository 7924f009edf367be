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
#include "tst_screensizing.moc"
