#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "tables/CoversPanel.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.1");
constexpr int StartMs = 30000;

// The requests of a simulator's log, in the order they came.
QStringList requestsLogged(const QString& log)
{
    QStringList requests;
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        const qsizetype arrow = line.indexOf(QStringLiteral(" <- "));
        if (arrow > 0 && !line.contains(QStringLiteral(" interleaved <- ")))
            requests.append(line.mid(arrow + 4));
    }
    return requests;
}

// The requests with the code typed by waiter 1, digit by digit, masked as a recording has it.
QStringList masked(QStringList requests)
{
    for (QString& request : requests) {
        if (request.startsWith(QLatin1String("code1$1$")))
            request = QStringLiteral("code1$1$****$");
    }
    return requests;
}

// The requests of a recording, in the order they were answered.
QStringList requestsRecorded(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList requests;
    for (const QString& line : QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 6 && (fields.at(0) == QLatin1String("=") || fields.at(0) == QLatin1String("!")))
            requests.append(fields.at(4));
    }
    return requests;
}

} // namespace

// A short service captured through the relay in front of a register, then served again from the capture: the
// terminal sends the same requests and shows the same tickets.
class tst_RelayReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void serviceRecordedThenReplayed();

private:
    // Start, login, a free table for two, a kir, a refresh: the tickets shown after the kir and after the refresh.
    QStringList shortService(quint16 port);
};

QStringList tst_RelayReplay::shortService(quint16 port)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("Iquillobrands.dat")));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("[data]\n0=" + SimAddress.toLatin1() + "\n3=1\n");
    file.close();
    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    auto form = std::make_unique<MainWindow>(folder.path());
    form->link().setPort(port);
    form->show();
    form->activateWindow();
    auto* serveur = qobject_cast<WaiterView*>(form->view(QStringLiteral("serveur")));
    if (!QTest::qWaitFor([&] { return form->frontView() == serveur; }, StartMs))
        return {QStringLiteral("no start")};

    QTest::mouseClick(serveur->waiterKey(1), Qt::LeftButton);
    QTest::keyClicks(serveur->codePanel()->codeEdit(), QStringLiteral("4826"));
    auto* choixtable = qobject_cast<TableChoiceView*>(form->view(QStringLiteral("choixtable")));
    QTest::mouseClick(choixtable->freeTablesKey(), Qt::LeftButton);
    QListWidget* tables = choixtable->tableListPanel()->tableList();
    if (tables->count() == 0)
        return {QStringLiteral("no free table")};
    tables->setCurrentRow(0);
    QTest::mouseClick(choixtable->tableListPanel()->validateButton(), Qt::LeftButton);
    choixtable->coversPanel()->coversList()->setCurrentRow(2);
    QTest::mouseClick(choixtable->coversPanel()->validateButton(), Qt::LeftButton);
    auto* ticket = qobject_cast<TicketView*>(form->view(QStringLiteral("ticket")));
    const int k = form->catalogue().articles(2);
    ticket->keyboardTabs()->setCurrentIndex(form->products().numclav(k) - 1);
    QTest::mouseClick(form->catalogueLoad().productKeys().key(k), Qt::LeftButton);
    QStringList shown{ticket->ticketMemo()->toPlainText()};
    QTest::mouseClick(ticket->refreshKey(), Qt::LeftButton);
    shown.append(ticket->ticketMemo()->toPlainText());
    shown.append(messages);
    form.reset();
    MessageBox::setHandler({});
    return shown;
}

void tst_RelayReplay::serviceRecordedThenReplayed()
{
    QTemporaryDir folder;
    const QString recording = folder.filePath(QStringLiteral("soiree.rec"));
    QStringList recordedTickets;
    QStringList sent;
    {
        SimProcess registerSim(SimAddress, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--dialect"),
                                            QStringLiteral("101")});
        QVERIFY(registerSim.isListening());
        SimProcess relay(SimAddress, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--relay"),
                                      SimAddress + QLatin1Char(':') + QString::number(registerSim.port()),
                                      QStringLiteral("--record"), recording});
        QVERIFY(relay.isListening());
        recordedTickets = shortService(relay.port());
        QCOMPARE(recordedTickets.size(), 2);
        QVERIFY2(recordedTickets.at(0).contains(QStringLiteral("Kir royal")), qPrintable(recordedTickets.at(0)));
        // the terminal behind the relay sent what the register received
        sent = requestsLogged(registerSim.log());
    }
    QStringList recorded = requestsRecorded(recording);
    QVERIFY(recorded.size() > 40);
    QVERIFY(recorded.contains(QStringLiteral("code1$1$****$")));
    QFile written(recording);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(!written.readAll().contains("4826"));
    QCOMPARE(recorded, masked(sent));

    SimProcess replay(SimAddress,
                      {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--replay"), recording});
    QVERIFY(replay.isListening());
    QCOMPARE(shortService(replay.port()), recordedTickets);
    const QString log = replay.log();
    QVERIFY2(!log.contains(QStringLiteral("replay: ")), qPrintable(log.right(3000)));
    QCOMPARE(masked(requestsLogged(log)), recorded);
}

QTEST_MAIN(tst_RelayReplay)
#include "tst_relayreplay.moc"
