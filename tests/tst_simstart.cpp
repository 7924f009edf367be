#include "SimProcess.h"

#include "app/MainWindow.h"
#include "app/ServiceStart.h"
#include "app/StartView.h"
#include "waiters/WaiterView.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The terminal against the register simulator, started as a restaurant starts them.
namespace {

const QString Address = QStringLiteral("127.0.0.1");

} // namespace

class tst_SimStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void activationOpensTheWaiterView();
    void simulatorSwitchesGiveEachMessage_data();
    void simulatorSwitchesGiveEachMessage();
};

void tst_SimStart::activationOpensTheWaiterView()
{
    SimProcess sim(Address, {QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(sim.isListening());
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[data]\n0=" + Address.toLatin1() + "\n");
    file.close();

    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    MainWindow form(folder.path());
    form.link().setPort(sim.port());
    form.show();
    form.activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(form.frontView(), form.findChild<WaiterView*>(QStringLiteral("serveur")), 10000);
    MessageBox::setHandler({});

    QVERIFY(messages.isEmpty());
    QTRY_VERIFY(sim.log().contains(QStringLiteral("<- ve04$")));
    // the automatic start's exchange, then the local start's two on a connection of their own, then the
    // catalogue download of a terminal that has none cached
    const QStringList requests = sim.log().split(QLatin1Char('\n')).filter(QStringLiteral(" <- "));
    QVERIFY(requests.size() > 4);
    QVERIFY(requests.at(3).endsWith(QStringLiteral("<- nongletserveur")));
    QVERIFY(requests.at(0).endsWith(QStringLiteral("<- ve01$")));
    QVERIFY(requests.at(1).endsWith(QStringLiteral("<- ve01$")));
    QVERIFY(requests.at(2).endsWith(QStringLiteral("<- ve04$")));
    QVERIFY(requests.at(0).section(QLatin1Char(' '), 0, 0) != requests.at(1).section(QLatin1Char(' '), 0, 0));
    QCOMPARE(requests.at(1).section(QLatin1Char(' '), 0, 0), requests.at(2).section(QLatin1Char(' '), 0, 0));
}

void tst_SimStart::simulatorSwitchesGiveEachMessage_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("ended");

    QTest::newRow("a closed register") << QStringLiteral("--clot") << QStringLiteral("La caisse est cloturée") << false;
    QTest::newRow("a refused terminal") << QStringLiteral("--refuse")
                                        << QStringLiteral("Votre version de Quillobrand doit être mis à jour") << false;
    QTest::newRow("a silent register") << QStringLiteral("--silent")
                                       << QStringLiteral("Vérifiez votre l'adresse de la caisse") << false;
    QTest::newRow("a register dropping the line")
        << QStringLiteral("--drop") << QStringLiteral("Vérifiez votre l'adresse de la caisse") << false;
    QTest::newRow("an outdated register") << QStringLiteral("--outdated") << QString() << true;
}

void tst_SimStart::simulatorSwitchesGiveEachMessage()
{
    QFETCH(QString, option);
    QFETCH(QString, message);
    QFETCH(bool, ended);

    SimProcess sim(Address, {QStringLiteral("--port"), QStringLiteral("0"), option});
    QVERIFY(sim.isListening());
    QTemporaryDir folder;
    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    MainWindow form(folder.path());
    form.link().setPort(sim.port());
    form.serviceStart().setNoticeMs(100);
    QSignalSpy applicationEnded(&form, &MainWindow::applicationEnded);
    form.show();
    form.activateWindow();
    auto* start = form.findChild<RedKey*>(QStringLiteral("button4"));
    QTRY_VERIFY(form.activated() && start->isEnabled());
    // "Utilisation en local" touched with the simulator's address typed in the box
    form.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(Address);
    QTest::mouseClick(start, Qt::LeftButton);
    MessageBox::setHandler({});

    QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(applicationEnded.count(), ended ? 1 : 0);
    QCOMPARE(form.frontView(), form.findChild<StartView*>(QStringLiteral("init")));
}

QTEST_MAIN(tst_SimStart)
#include "tst_simstart.moc"
