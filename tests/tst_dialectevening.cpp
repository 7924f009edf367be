#include "SimProcess.h"
#include "TerminalFixture.h"
#include "TicketTouch.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProductTable.h"
#include "closing/PaymentView.h"
#include "link/RegisterLink.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "settings/SettingsStore.h"
#include "tables/CoversPanel.h"
#include "tables/TableChoiceView.h"
#include "tables/TableListPanel.h"
#include "ticket/CoursePanel.h"
#include "ticket/KitchenDispatchPanel.h"
#include "ticket/LineActionPanel.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketMemo.h"
#include "ticket/TicketText.h"
#include "ticket/TicketView.h"
#include "waiters/CodeEdit.h"
#include "waiters/CodePanel.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.1");
// the catalogue download and the version exchanges: about 65 replies, each its pace late
constexpr int StartMs = 30000;
constexpr int StartRepliesPaced = 70;

// COMMANDE_REPLY_DELAY=300 plays every dialect on a register that holds each reply that long, as a till PC on Wi-Fi:
// slow, yet within the read timeout.
int replyDelay()
{
    return qEnvironmentVariableIntValue("COMMANDE_REPLY_DELAY");
}

// Every value of every choice of the register's dialect is met in one of the seeds 0 to 6, the plain register first;
// 101, 118 and 265 meet most of them with the plain catalogue leads and ten kitchen groups.
// COMMANDE_DIALECT_SEEDS="1-20" (or "3,7") runs others, and COMMANDE_DIALECT_CHOICES="line-end=lf ..." forces
// choices over every seed's, to replay a failure choice by choice.
QList<quint64> seeds()
{
    const QString wanted = qEnvironmentVariable("COMMANDE_DIALECT_SEEDS");
    if (wanted.isEmpty())
        return {0, 1, 2, 4, 5, 6, 101, 118, 265};
    QList<quint64> list;
    for (const QString& part : wanted.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const quint64 first = part.section(QLatin1Char('-'), 0, 0).toULongLong();
        const quint64 last = part.contains(QLatin1Char('-')) ? part.section(QLatin1Char('-'), 1).toULongLong() : first;
        for (quint64 seed = first; seed <= last; ++seed)
            list.append(seed);
    }
    return list;
}

void touch(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The first of the payment keys the register left shown.
RedKey* firstShownPaymentKey(const PaymentView* view)
{
    for (RedKey* key :
         {view->paymentMode1Key(), view->paymentMode2Key(), view->paymentMode3Key(), view->paymentMode4Key()}) {
        if (key->isVisibleTo(view))
            return key;
    }
    return nullptr;
}

} // namespace

// A whole evening of one waiter against registers of every habit the protocol allows: the terminal must show what
// each register says and send what each understands, whatever its dialect.
class tst_DialectEvening : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeEvening_data();
    void wholeEvening();
    void startAtTheEdgeOfTheReadTimeout();
    void cleanup();

private:
    // The simulator of that dialect, holding each reply paceMs; its extra arguments after.
    void startSimulator(quint64 seed, int paceMs, const QStringList& extra = {});
    // A terminal on the settings folder, started against the simulator: whether it reached the waiter view.
    bool startTerminal(const QString& folder, int paceMs);

    // The ticket of the table as the register lays it out, asked on a connection of its own.
    QString registerTicket(const QString& table) const;
    // The reply the register logged to the last request that began so.
    QString loggedReply(const QString& request) const;
    // False when the catalogue has no key for the article.
    bool tapProduct(int article);

    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<TerminalFixture> m_terminal;
};

void tst_DialectEvening::wholeEvening_data()
{
    QTest::addColumn<quint64>("seed");
    for (const quint64 seed : seeds())
        QTest::newRow(qPrintable(QStringLiteral("dialect %1").arg(seed))) << seed;
}

void tst_DialectEvening::startSimulator(quint64 seed, int paceMs, const QStringList& extra)
{
    QStringList arguments{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--dialect"),
                          QString::number(seed)};
    for (const QString& choice :
         qEnvironmentVariable("COMMANDE_DIALECT_CHOICES").split(QLatin1Char(' '), Qt::SkipEmptyParts))
        arguments << QStringLiteral("--dialect-choice") << choice;
    if (paceMs > 0)
        arguments << QStringLiteral("--reply-delay") << QString::number(paceMs);
    m_sim = std::make_unique<SimProcess>(SimAddress, arguments + extra);
}

bool tst_DialectEvening::startTerminal(const QString& folder, int paceMs)
{
    m_terminal.reset();
    // the settings know the register and ask the covers of a table that has none
    m_terminal = std::make_unique<TerminalFixture>(QFile::exists(QDir(folder).filePath(SettingsStore::FileName))
                                                       ? QString()
                                                       : QStringLiteral("[data]\n0=%1\n3=1\n").arg(SimAddress),
                                                   folder);
    m_terminal->form->link().setPort(m_sim->port());
    m_terminal->form->show();
    m_terminal->form->activateWindow();
    QWidget* serveur = m_terminal->form->view(QStringLiteral("serveur"));
    return QTest::qWaitFor([&] { return m_terminal->form->frontView() == serveur; },
                           StartMs + StartRepliesPaced * paceMs);
}

void tst_DialectEvening::startAtTheEdgeOfTheReadTimeout()
{
    if (replyDelay() > 0)
        QSKIP("the paced run plays its own pace");
    // every reply 650 ms after its request: the whole download takes its time, and completes
    constexpr int PaceMs = 650;
    startSimulator(0, PaceMs);
    QVERIFY(m_sim->isListening());
    const QTemporaryDir home;
    QVERIFY(startTerminal(home.path(), PaceMs));
    QCOMPARE(m_terminal->messages, QStringList{});
    QVERIFY(m_sim->log().contains(QStringLiteral("<- tablepos$")));
    // cached under the register's stamp
    m_terminal.reset();
    QVERIFY(m_sim->log().contains(QStringLiteral("<- ve04$")));
    QVERIFY(QFile(home.filePath(SettingsStore::FileName)).size() > 1000);
}

void tst_DialectEvening::cleanup()
{
    m_terminal.reset();
    m_sim.reset();
}

QString tst_DialectEvening::registerTicket(const QString& table) const
{
    RegisterLink link;
    link.setHost(SimAddress);
    link.setPort(m_sim->port());
    return TicketText::fromReply(link.exchange(QStringLiteral("ad$%1$0$1$").arg(table)));
}

QString tst_DialectEvening::loggedReply(const QString& request) const
{
    const QStringList lines = m_sim->log().split(QLatin1Char('\n'));
    QString peer;
    for (qsizetype n = lines.size() - 1; n >= 0; --n) {
        const qsizetype arrow = lines.at(n).indexOf(QStringLiteral(" <- ") + request);
        if (arrow < 0)
            continue;
        peer = lines.at(n).left(arrow);
        for (qsizetype m = n + 1; m < lines.size(); ++m) {
            if (lines.at(m).startsWith(peer + QStringLiteral(" -> ")))
                return lines.at(m).mid(peer.size() + 4);
        }
    }
    return QString();
}

bool tst_DialectEvening::tapProduct(int article)
{
    const int k = m_terminal->form->catalogue().articles(article);
    CatalogueKey* key = m_terminal->form->catalogueLoad().productKeys().key(k);
    if (!key || m_terminal->form->products().art(k) != article)
        return false;
    auto* ticket = m_terminal->ticketView();
    ticket->keyboardTabs()->setCurrentIndex(m_terminal->form->products().numclav(k) - 1);
    QTest::mouseClick(key, Qt::LeftButton);
    return true;
}

void tst_DialectEvening::wholeEvening()
{
    QFETCH(quint64, seed);
    const int paceMs = replyDelay();
    startSimulator(seed, paceMs);
    QVERIFY(m_sim->isListening());
    const QString dialect =
        m_sim->log().section(QStringLiteral("caisse-sim: dialect "), 1).section(QLatin1Char('\n'), 0, 0);
    qInfo("register dialect %s, replies held %d ms", qPrintable(dialect), paceMs);

    // the catalogue downloaded, then read from the cache by a start on the same settings
    const QTemporaryDir home;
    QVERIFY(startTerminal(home.path(), paceMs));
    QVERIFY(startTerminal(home.path(), paceMs));
    QCOMPARE(m_sim->log().count(QStringLiteral("<- nongletserveur")), 1);
    WaiterView* serveur = qobject_cast<WaiterView*>(m_terminal->form->view(QStringLiteral("serveur")));

    // login with the code typed digit by digit
    QTest::mouseClick(serveur->waiterKey(1), Qt::LeftButton);
    QVERIFY(serveur->codePanel()->isVisible());
    QTest::keyClicks(serveur->codePanel()->codeEdit(), QStringLiteral("4826"));
    TableChoiceView* choixtable = qobject_cast<TableChoiceView*>(m_terminal->form->view(QStringLiteral("choixtable")));
    QCOMPARE(m_terminal->form->frontView(), choixtable);

    // the first free table, for two
    QTest::mouseClick(choixtable->freeTablesKey(), Qt::LeftButton);
    QListWidget* tables = choixtable->tableListPanel()->tableList();
    QVERIFY(tables->count() > 0);
    tables->setCurrentRow(0);
    const QString table = tables->item(0)->text().section(QLatin1Char(' '), 1, 1);
    QTest::mouseClick(choixtable->tableListPanel()->validateButton(), Qt::LeftButton);
    QVERIFY(choixtable->coversPanel()->isVisible());
    choixtable->coversPanel()->coversList()->setCurrentRow(2);
    QTest::mouseClick(choixtable->coversPanel()->validateButton(), Qt::LeftButton);
    TicketView* ticket = m_terminal->ticketView();
    QCOMPARE(m_terminal->form->frontView(), ticket);
    const auto shown = [ticket] { return ticket->ticketMemo()->toPlainText(); };

    // a drink, then a grilled meat served as "premier plat", cooked "Saignant", with the first supplement offered
    QVERIFY2(tapProduct(2), "no key for article 2");
    QCOMPARE(ticket->noteLine()->text(), QStringLiteral("1 * Kir royal"));
    QCOMPARE(shown(), registerTicket(table));
    QVERIFY2(tapProduct(200), "no key for article 200");
    auto* poubelle = qobject_cast<ParkingView*>(m_terminal->form->view(QStringLiteral("poubelle")));
    QVERIFY(poubelle->coursePanel()->courseKey(4)->isVisible());
    QTest::mouseClick(poubelle->coursePanel()->courseKey(4), Qt::LeftButton);
    QVERIFY(ticket->optionsPanel()->isVisible());
    QCOMPARE(ticket->optionsList()->item(1)->text(), QStringLiteral("Saignant"));
    touch(ticket->optionsList(), 1);
    QTest::mouseClick(ticket->optionsValidateButton(), Qt::LeftButton);
    QVERIFY(poubelle->supplementsPanel()->isVisible());
    CheckList* supplements = poubelle->supplementsList();
    const bool supplement = supplements->count() > 0;
    if (supplement)
        touch(supplements, 0);
    QTest::mouseClick(poubelle->leaveSupplementsButton(), Qt::LeftButton);
    QCOMPARE(shown(), registerTicket(table));
    QVERIFY2(shown().contains(QStringLiteral("Saignant")), qPrintable(shown()));
    QVERIFY2(!supplement || shown().contains(QStringLiteral("+ Frites maison")), qPrintable(shown()));

    // one less of the drink: its line goes
    touchArticleLine(m_terminal->ticketView(), QStringLiteral("Kir royal"));
    QTest::mouseClick(ticket->lineActionPanel()->removeOneButton(), Qt::LeftButton);
    QCOMPARE(shown(), registerTicket(table));
    QVERIFY2(!shown().contains(QStringLiteral("Kir royal")), qPrintable(shown()));

    // to the kitchen, through the course panel when the register offers one
    QTest::mouseClick(ticket->sendToKitchenKey(), Qt::LeftButton);
    auto* dispatch = qobject_cast<ParkingView*>(m_terminal->form->view(QStringLiteral("poubelle")))->dispatchPanel();
    if (dispatch->isVisible())
        QTest::mouseClick(dispatch->sendAllKey(), Qt::LeftButton);
    QVERIFY(!dispatch->isVisible());
    QTRY_VERIFY2(m_sim->log().contains(QStringLiteral("printer cuisine: COMMANDE Table ") + table),
                 qPrintable(m_sim->log().right(2000)));
    QVERIFY2(m_sim->log().contains(QStringLiteral("premier plat: 1 ENTRECOTE")), qPrintable(m_sim->log().right(2000)));

    // a set menu, its first course composed on the set-menu screen
    QVERIFY2(tapProduct(552), "no key for article 552");
    QTest::mouseClick(ticket->setMenusKey(), Qt::LeftButton);
    auto* formule = qobject_cast<SetMenuView*>(m_terminal->form->view(QStringLiteral("formule")));
    QCOMPARE(m_terminal->form->frontView(), formule);
    SetMenuGrid& grid = formule->grid();
    QCOMPARE(grid.cellText(0), QStringLiteral("Formule midi"));
    int cell = 1;
    while (cell < 7 && !grid.cell(cell)->isVisibleTo(formule))
        ++cell;
    QVERIFY(cell < 7);
    QTest::mouseClick(grid.cell(cell), Qt::LeftButton);
    QVERIFY(formule->dishList()->count() > 0);
    const QString dish = formule->dishList()->item(0)->text();
    touch(formule->dishList(), 0);
    if (formule->optionsPanel()->isVisible())
        QTest::mouseClick(formule->optionsValidateButton(), Qt::LeftButton);
    QCOMPARE(grid.cellText(cell), dish);
    poubelle->parkSupplements();
    QTest::mouseClick(formule->leaveButton(), Qt::LeftButton);
    QCOMPARE(m_terminal->form->frontView(), ticket);
    QTest::mouseClick(ticket->refreshKey(), Qt::LeftButton);
    QCOMPARE(shown(), registerTicket(table));
    QVERIFY2(shown().contains(QStringLiteral("- ") + dish), qPrintable(shown()));

    // finalised, the amount the register asks for, paid with the first mode it takes
    QTest::mouseClick(ticket->finaliseKey(), Qt::LeftButton);
    auto* encaissement = m_terminal->form->findChild<PaymentView*>();
    QCOMPARE(m_terminal->form->frontView(), encaissement);
    QCOMPARE(encaissement->billMemo()->toPlainText(), shown());
    const QStringList words = loggedReply(QStringLiteral("ntotal$")).simplified().split(QLatin1Char(' '));
    QVERIFY(words.size() >= 2);
    QCOMPARE(encaissement->amountLabel()->text(),
             QStringLiteral("A régler: ") + words.at(0) + QLatin1Char(' ') + words.at(1));
    RedKey* pay = firstShownPaymentKey(encaissement);
    QVERIFY(pay);
    QTest::mouseClick(pay, Qt::LeftButton);
    QCOMPARE(m_terminal->form->frontView(), choixtable);
    QTRY_VERIFY(m_sim->log().contains(QStringLiteral("printer caisse: TICKET Table ") + table));
    QCOMPARE(m_terminal->messages, QStringList{});
}

QTEST_MAIN(tst_DialectEvening)
#include "tst_dialectevening.moc"
