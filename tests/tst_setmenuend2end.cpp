#include "SimProcess.h"

#include "app/CatalogueLoad.h"
#include "app/MainWindow.h"
#include "menus/SetMenuGrid.h"
#include "menus/SetMenuView.h"
#include "menus/SetMenus.h"
#include "ticket/ParkingView.h"
#include "ticket/TicketDisplay.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/CatalogueKey.h"
#include "widgets/CheckList.h"
#include "widgets/ListPanel.h"
#include "widgets/MessageBox.h"
#include "widgets/RedKey.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int StartMs = 20000;

void touchEntry(CheckList* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all.append(list->item(i)->text());
    QVERIFY2(found.size() == 1, qPrintable(text + QStringLiteral(" among ") + all.join(QLatin1Char(','))));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

} // namespace

// A set menu composed on a table against the register simulator, on its sample restaurant.
class tst_SetMenuEnd2End : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setMenuAddedThenComposedCourseByCourse();
};

void tst_SetMenuEnd2End::setMenuAddedThenComposedCourseByCourse()
{
    SimProcess sim(QStringLiteral("127.0.0.1"), {QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(sim.isListening());
    QTemporaryDir folder;
    QStringList messages;
    MessageBox::setHandler([&messages](const QString& text) { messages.append(text); });
    auto form = std::make_unique<MainWindow>(folder.path());
    form->link().setPort(sim.port());
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return form->activated(); }));
    // the catalogue comes from the simulator, as at a start
    form->link().setHost(QStringLiteral("127.0.0.1"));
    form->catalogueLoad().setStartSize(QSize(MainWindow::DesignWidth, MainWindow::DesignHeight));
    QVERIFY(form->catalogueLoad().load(true, QStringLiteral("1")));

    // Camille takes free table 3 for 2 and adds a "Formule midi" from its key
    form->session().setWaiter(1);
    form->session().setTable(QStringLiteral("3"));
    form->session().setCovers(QStringLiteral("2"));
    auto* ticket = qobject_cast<TicketView*>(form->view(QStringLiteral("ticket")));
    form->findChild<WaiterView*>()->hide();
    ticket->show();
    QVERIFY(!form->link().exchange(QStringLiteral("552$3$2$1$0$")).isEmpty());
    form->ticketDisplay().refresh();

    auto* formule = qobject_cast<SetMenuView*>(form->view(QStringLiteral("formule")));
    SetMenuGrid& grid = formule->grid();
    QTest::mouseClick(ticket->setMenusKey(), Qt::LeftButton);
    QCOMPARE(form->frontView(), formule);
    QCOMPARE(grid.cellText(0), QStringLiteral("Formule midi"));
    QCOMPARE(grid.cellText(1), QStringLiteral("premiere entree ?"));
    QVERIFY(!grid.cell(4)->isVisibleTo(formule));

    // the starter: no options
    QTest::mouseClick(grid.cell(1), Qt::LeftButton);
    touchEntry(formule->dishList(), QStringLiteral("Terrine de campagne maison"));
    QCOMPARE(grid.cellText(1), QStringLiteral("Terrine de campagne maison"));

    // the main: its cooking, then its supplements over the set menus
    QTest::mouseClick(grid.cell(2), Qt::LeftButton);
    touchEntry(formule->dishList(), QStringLiteral("Pave de saumon"));
    QVERIFY(formule->optionsPanel()->isVisible());
    QCOMPARE(formule->optionsList()->count(), 3);
    touchEntry(formule->optionsList(), QStringLiteral("Nacre"));
    QTest::mouseClick(formule->optionsValidateButton(), Qt::LeftButton);
    QVERIFY(!formule->optionsPanel()->isVisible());
    ListPanel* supplements = qobject_cast<ParkingView*>(form->view(QStringLiteral("poubelle")))->supplementsPanel();
    QVERIFY(supplements->isVisible());
    QCOMPARE(supplements->parentWidget(), formule);
    QCOMPARE(grid.cellText(2), QStringLiteral("Pave de saumon"));
    // no supplement: the panel leaves the grid as "Quitter les suppléments" does
    qobject_cast<ParkingView*>(form->view(QStringLiteral("poubelle")))->parkSupplements();

    // the dessert
    QTest::mouseClick(grid.cell(3), Qt::LeftButton);
    touchEntry(formule->dishList(), QStringLiteral("Ile flottante"));
    QCOMPARE(grid.cellText(3), QStringLiteral("Ile flottante"));

    // a chosen course is changed on the register only
    QTest::mouseClick(grid.cell(1), Qt::LeftButton);
    QCOMPARE(messages, QStringList{QStringLiteral("Cet article est à modifier sur la caisse centrale")});

    QTest::mouseClick(formule->leaveButton(), Qt::LeftButton);
    QCOMPARE(form->frontView(), ticket);
    form->ticketDisplay().refresh();
    const QString shown = ticket->ticketMemo()->toPlainText();
    for (const QString& line : {QStringLiteral("- Terrine de campagne maison"), QStringLiteral("- Pave de saumon"),
                                QStringLiteral("Nacre"), QStringLiteral("- Ile flottante")})
        QVERIFY2(shown.contains(line), qPrintable(shown));

    const QString log = sim.log();
    QVERIFY2(log.contains(QStringLiteral("<- r$3$2$1$1$2$2$2$")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("<- r$3$2$1$1$3$3$4$")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("-> ru;5;")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("<- b$3$2$1$4$1$3$~1$--$--$")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("<- r$3$2$1$1$4$2$7$")), qPrintable(log));
    QCOMPARE(messages.size(), 1);

    form.reset();
    MessageBox::setHandler({});
}

QTEST_MAIN(tst_SetMenuEnd2End)
#include "tst_setmenuend2end.moc"
