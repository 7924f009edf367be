#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The catalogue load against the register simulator serving its sample brasserie.
class tst_CatalogueEnd2End : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void downloadThenCache();
};

namespace {

const QString Address = QStringLiteral("127.0.0.1");

QStringList requestsIn(const QString& log)
{
    QStringList requests;
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        const qsizetype arrow = line.indexOf(QStringLiteral(" <- "));
        if (arrow >= 0)
            requests << line.mid(arrow + 4).trimmed();
    }
    return requests;
}

// Starts a terminal on the folder, as at the restaurant, and waits for the waiter view.
QStringList startTerminal(const QString& folder, quint16 port, QStringList& waiters)
{
    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    MainWindow form(folder);
    form.link().setPort(port);
    form.show();
    form.activateWindow();
    // the start makes the waiter view on its way
    const bool opened = QTest::qWaitFor([&] { return qobject_cast<WaiterView*>(form.frontView()) != nullptr; }, 20000);
    const auto* waiterView = qobject_cast<WaiterView*>(form.view(QStringLiteral("serveur")));
    MessageBox::setHandler({});
    if (!opened)
        messages << QStringLiteral("the waiter view did not open");
    for (RedKey* key : waiterView->waiterKeys()) {
        if (!key->isHidden())
            waiters << key->caption()->text();
    }
    if (form.catalogueLoad().productCount() == 0 ||
        form.catalogueLoad().productKeys().count() != form.catalogueLoad().productCount())
        messages << QStringLiteral("no product keys");
    if (qobject_cast<TicketView*>(form.view(QStringLiteral("ticket")))->keyboardTabs()->tabText(0).isEmpty())
        messages << QStringLiteral("no keyboard name");
    return messages;
}

} // namespace

void tst_CatalogueEnd2End::downloadThenCache()
{
    SimProcess sim(Address, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                             QStringLiteral(CAISSE_SIM_DATA_DIR "/restaurant.json")});
    QVERIFY(sim.isListening());
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[data]\n0=" + Address.toLatin1() + "\n");
    file.close();

    QStringList waiters;
    QCOMPARE(startTerminal(folder.path(), sim.port(), waiters), QStringList());
    QVERIFY(waiters.size() >= 2);
    QStringList requests = requestsIn(sim.log());
    QVERIFY(requests.contains(QStringLiteral("naclav2_1")));
    QCOMPARE(requests.constLast(), QStringLiteral("tablepos$"));
    const qsizetype downloaded = requests.size();

    QStringList cachedWaiters;
    QCOMPARE(startTerminal(folder.path(), sim.port(), cachedWaiters), QStringList());
    QCOMPARE(cachedWaiters, waiters);
    QTest::qWait(200);
    requests = requestsIn(sim.log()).mid(downloaded);
    // the second start only checks the versions: its catalogue comes from the settings file
    QCOMPARE(requests, QStringList({QStringLiteral("ve01$"), QStringLiteral("ve01$"), QStringLiteral("ve04$")}));
}

QTEST_MAIN(tst_CatalogueEnd2End)
#include "tst_catalogueend2end.moc"
