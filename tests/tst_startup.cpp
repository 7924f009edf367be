#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/CatalogueLoad.h"
#include "app/LinkProbe.h"
#include "app/MainWindow.h"
#include "app/NoticeView.h"
#include "app/ServiceStart.h"
#include "app/StartView.h"
#include "settings/SaveSettings.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "tables/PlanView.h"
#include "waiters/WaiterView.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString Refused = QStringLiteral("Vérifiez votre l'adresse de la caisse");
const QString Version = QStringLiteral("Vérification de la version");

// A window on a settings folder of its own, its modal messages collected instead of shown.
struct Terminal : TerminalFixture
{
    // The saved catalogue stamp matches the scripted registers' "57", so a start reads the catalogue cache.
    explicit Terminal(const QString& savedAddress = QString())
        : TerminalFixture(cachedCatalogue(QStringLiteral("57"), savedAddress))
    {
        form->serviceStart().setNoticeMs(300);
    }

    // The link goes to that register's port; before activate() when the activation is to reach it.
    void useRegister(const ScriptedRegister& caisse) const { form->link().setPort(caisse.port()); }

    // "Utilisation en local" touched, with the address typed in the box.
    void startOn(const QString& address) const
    {
        addressBox()->setText(address);
        QTest::mouseClick(find<RedKey>(QStringLiteral("button4")), Qt::LeftButton);
    }
    void startOn(const ScriptedRegister& caisse) const
    {
        useRegister(caisse);
        startOn(caisse.address());
    }

    QLineEdit* addressBox() const { return find<QLineEdit>(QStringLiteral("Edit1")); }
    QString status() const { return find<QLabel>(QStringLiteral("text1"))->text(); }
    StartView* startView() const { return find<StartView>(QStringLiteral("init")); }
    WaiterView* waiterView() const { return find<WaiterView>(QStringLiteral("serveur")); }
    PlanView* planView() const { return qobject_cast<PlanView*>(form->view(QStringLiteral("plan"))); }
    NoticeView* outdatedNotice() const { return find<NoticeView>(QStringLiteral("Rectangle12")); }
};

// Both version exchanges answered: the catalogue stamp, then the register's version.
void scriptVersions(ScriptedRegister& caisse, const QString& versionReply, const QString& stamp = QStringLiteral("57"))
{
    caisse.replyLine(QStringLiteral("caisse~1~") + stamp);
    caisse.replyLine(versionReply);
}

void scriptCompatible(ScriptedRegister& caisse, const QString& stamp = QStringLiteral("57"))
{
    scriptVersions(caisse, QStringLiteral("numversion~2~2~3"), stamp);
}

// What an on-screen keyboard sends when it types the text.
void typeByInputMethod(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void activationWithoutAddressMakesNoConnection();
    void activationWithAddressStartsAutomatically();
    void secondActivationChangesNothing();
    void failedStart_data();
    void failedStart();
    void firstReplySentTwiceIsNotTakenForTheVersion();
    void typingDuringTheLoadChangesNothing();
    void emptyAddressAsksForOne();
    void dataStampDecidesReload_data();
    void dataStampDecidesReload();
    void secondRequestFollowsDate_data();
    void secondRequestFollowsDate();
    void outdatedRegisterShowsNoticeThenEnds();
    void outdatedRegisterWithPlanOnlyHidesPlan();
    void probeBringsStartViewBackWhenRegisterIsGone();
    void probeLeavesScreenWhenRegisterAnswers();
    void probeWaitsForTheHandlerThatRuns();
    void quitterHidesPlanFirst();
    void quitterDuringTheAutomaticStartEndsOnceTheExchangeIsOver();
    void saveFailureIsReported();
    void viewsMadeLateTakeTheirPlaceInTheStack();
    void waiterKeysAreMadeWhileTheRegisterPreparesItsVersion();
};

void tst_Startup::activationWithoutAddressMakesNoConnection()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QCOMPARE(terminal.addressBox()->text(), QString());
    QCOMPARE(form.settings()[SettingsSlots::Address], QString());
    QCOMPARE(form.settings()[SettingsSlots::AutoStart], QStringLiteral("1"));
    QCOMPARE(form.settings()[SettingsSlots::DoubleTap], QStringLiteral("4"));
    QCOMPARE(form.session().waiter(), QStringLiteral("1"));
    QCOMPARE(form.session().table(), QStringLiteral("0"));
    QCOMPARE(form.frontView(), terminal.startView());
    QVERIFY(!form.link().connected());
    QCOMPARE(form.catalogueLoad().startSize(), QSize(403, 651));
    // the ticket and payment views, made after the activation, take the sizes the activation set
    QWidget* ticket = form.view(QStringLiteral("ticket"));
    QCOMPARE(ticket->findChild<QWidget*>(QStringLiteral("Memo1"))->font().pixelSize(), 11);
    QWidget* payment = form.view(QStringLiteral("encaissement"));
    QCOMPARE(payment->findChild<QWidget*>(QStringLiteral("Memo3"))->font().pixelSize(), 13);
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::activationWithAddressStartsAutomatically()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    scriptCompatible(caisse);
    Terminal terminal(caisse.address());
    terminal.useRegister(caisse);
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;

    // the same stamp as the cache: no catalogue request follows
    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve01$\r\nve04$\r\n"));
    QCOMPARE(caisse.connectionCount(), 2);
    QCOMPARE(form.frontView(), terminal.waiterView());
    QVERIFY(!terminal.startView()->isVisible());
    QVERIFY(form.serviceStart().nextCourseSupported());
    QCOMPARE(form.settings()[SettingsSlots::DataStamp], QStringLiteral("57"));
    QCOMPARE(form.settings()[SettingsSlots::Address], caisse.address());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::secondActivationChangesNothing()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    form.session().setTable(QStringLiteral("12"));
    terminal.startView()->hide();
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activation);
    QTest::qWait(50);
    QCOMPARE(form.session().table(), QStringLiteral("12"));
    QVERIFY(!terminal.startView()->isVisible());
}

void tst_Startup::failedStart_data()
{
    // "line:<text>", "bytes:<text>", "leave:<text>" (replies then is gone), "ignore", "close", "stop listening"
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("addressKept");

    QTest::newRow("a closed register stops before the stamp")
        << QStringList{QStringLiteral("line:clot")} << QByteArray("ve01$\r\n")
        << QStringLiteral("La caisse est cloturée") << Version << true;
    QTest::newRow("a refused terminal is told to update")
        << QStringList{QStringLiteral("line:x~0~57")} << QByteArray("ve01$\r\n")
        << QStringLiteral("Votre version de Quillobrand doit être mis à jour") << Version << true;
    QTest::newRow("a silent register is a wrong address")
        << QStringList{QStringLiteral("ignore")} << QByteArray("ve01$\r\n") << Refused << QString() << false;
    QTest::newRow("a version reply without a stamp is a wrong address")
        << QStringList{QStringLiteral("line:caisse~1")} << QByteArray("ve01$\r\n") << Refused << QString() << false;
    QTest::newRow("a register closing during the first exchange is a wrong address")
        << QStringList{QStringLiteral("close")} << QByteArray("ve01$\r\n") << Refused << QString() << false;
    QTest::newRow("a register closing during the second exchange is a wrong IP")
        << QStringList{QStringLiteral("line:caisse~1~57"), QStringLiteral("close")} << QByteArray("ve01$\r\nve04$\r\n")
        << QStringLiteral("Vérifiez votre adresse IP") << QString() << false;
    // the second exchange could not even connect: the status line keeps its text
    QTest::newRow("a register gone before the second exchange is a wrong IP")
        << QStringList{QStringLiteral("leave:caisse~1~57")} << QByteArray("ve01$\r\n")
        << QStringLiteral("Vérifiez votre adresse IP") << Version << false;
    // an empty version reply says nothing of the register's version: the link failed
    QTest::newRow("a version reply that never comes is a wrong IP")
        << QStringList{QStringLiteral("line:caisse~1~57"), QStringLiteral("ignore")} << QByteArray("ve01$\r\nve04$\r\n")
        << QStringLiteral("Vérifiez votre adresse IP") << QString() << false;
    QTest::newRow("a version reply without its LF is a wrong IP")
        << QStringList{QStringLiteral("line:caisse~1~57"), QStringLiteral("bytes:numversion~2~2~3")}
        << QByteArray("ve01$\r\nve04$\r\n") << QStringLiteral("Vérifiez votre adresse IP") << QString() << false;
    QTest::newRow("an unreachable register is a wrong address")
        << QStringList{QStringLiteral("stop listening")} << QByteArray() << Refused << QString() << false;
}

void tst_Startup::failedStart()
{
    QFETCH(QStringList, script);
    QFETCH(QByteArray, sent);
    QFETCH(QString, message);
    QFETCH(QString, status);
    QFETCH(bool, addressKept);

    ScriptedRegister caisse;
    for (const QString& step : script) {
        if (step.startsWith(QStringLiteral("line:")))
            caisse.replyLine(step.mid(5));
        else if (step.startsWith(QStringLiteral("bytes:")))
            caisse.replyBytes(step.mid(6).toLatin1());
        else if (step.startsWith(QStringLiteral("leave:")))
            caisse.replyThenLeave(step.mid(6).toLatin1() + "\n");
        else if (step == QStringLiteral("ignore"))
            caisse.ignore();
        else if (step == QStringLiteral("close"))
            caisse.closeConnection();
        else
            caisse.stopListening();
    }
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.startOn(caisse);
    MainWindow& form = *terminal.form;

    const QString addressAfter = addressKept ? caisse.address() : QString();
    QCOMPARE(caisse.received(), sent);
    QCOMPARE(terminal.messages, QStringList{message});
    QCOMPARE(terminal.status(), status);
    QCOMPARE(terminal.addressBox()->text(), addressAfter);
    QCOMPARE(form.settings()[SettingsSlots::Address], addressAfter);
    QCOMPARE(form.frontView(), terminal.startView());
    QVERIFY(!terminal.outdatedNotice()->isVisible());
}

void tst_Startup::firstReplySentTwiceIsNotTakenForTheVersion()
{
    ScriptedRegister caisse;
    caisse.replyBytes("caisse~1~57\r\ncaisse~1~57\r\n");
    caisse.replyLine(QStringLiteral("numversion~2~2~3"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    QSignalSpy ended(terminal.form.get(), &MainWindow::applicationEnded);
    terminal.startOn(caisse);
    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve04$\r\n"));
    QVERIFY(terminal.messages.isEmpty());
    QCOMPARE(ended.count(), 0);
    QCOMPARE(terminal.form->frontView(), terminal.waiterView());
}

void tst_Startup::typingDuringTheLoadChangesNothing()
{
    ScriptedRegister caisse;
    scriptCompatible(caisse);
    Terminal terminal;
    QVERIFY(terminal.activate());
    QLineEdit* address = terminal.addressBox();
    // the load shows its progress with the screen live: the waiter types into the box meanwhile
    connect(&terminal.form->catalogueLoad(), &CatalogueLoad::progressShown, this, [&] {
        address->setFocus();
        QTest::keyClicks(address, QStringLiteral("9"));
        typeByInputMethod(address, QStringLiteral("8"));
    });
    terminal.startOn(caisse);
    QCOMPARE(terminal.form->frontView(), terminal.waiterView());
    QCOMPARE(terminal.form->settings()[SettingsSlots::Address], caisse.address());
    SettingsStore saved(terminal.folderPath);
    QVERIFY(saved.read());
    QCOMPARE(saved[SettingsSlots::Address], caisse.address());
    QTest::keyClicks(address, QStringLiteral("9"));
    QCOMPARE(address->text(), caisse.address() + QStringLiteral("9"));
}

void tst_Startup::emptyAddressAsksForOne()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.startOn(QString());
    QCOMPARE(terminal.messages, QStringList{QStringLiteral("Saisissez l'adresse de la caisse")});
    QCOMPARE(terminal.status(), Version);
}

void tst_Startup::dataStampDecidesReload_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("stampAfter");
    QTest::newRow("same stamp reads the cache")
        << QStringLiteral("57") << QByteArray("ve01$\r\nve04$\r\n") << QStringList() << QStringLiteral("57");
    // the register closes at the first catalogue request: the download is abandoned at once, and the stamp is
    // stored only with the catalogue it names
    QTest::newRow("another stamp downloads")
        << QStringLiteral("56") << QByteArray("ve01$\r\nve04$\r\nnongletserveur\r\n")
        << QStringList{QStringLiteral("Vérifiez votre adresse IP")} << QStringLiteral("56");
}

void tst_Startup::dataStampDecidesReload()
{
    QFETCH(QString, saved);
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, messages);
    QFETCH(QString, stampAfter);
    ScriptedRegister caisse;
    scriptCompatible(caisse, QStringLiteral("57"));
    caisse.closeConnection();
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.form->settings()[SettingsSlots::DataStamp] = saved;
    terminal.startOn(caisse);
    QCOMPARE(caisse.received(), sent);
    QCOMPARE(terminal.messages, messages);
    QCOMPARE(terminal.form->settings()[SettingsSlots::DataStamp], stampAfter);
    QCOMPARE(terminal.form->frontView(), terminal.waiterView());
}

void tst_Startup::secondRequestFollowsDate_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("the last minute before 18 February 2021")
        << QDateTime(QDate(2021, 2, 17), QTime(23, 59)) << QByteArray("ve01$\r\nve02$\r\n");
    QTest::newRow("18 February 2021 at midnight")
        << QDateTime(QDate(2021, 2, 18), QTime(0, 0)) << QByteArray("ve01$\r\nve04$\r\n");
}

void tst_Startup::secondRequestFollowsDate()
{
    QFETCH(QDateTime, now);
    QFETCH(QByteArray, sent);
    ScriptedRegister caisse;
    scriptCompatible(caisse);
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.form->serviceStart().setClock([now] { return now; });
    terminal.startOn(caisse);
    QCOMPARE(caisse.received(), sent);
}

void tst_Startup::outdatedRegisterShowsNoticeThenEnds()
{
    ScriptedRegister caisse;
    scriptVersions(caisse, QStringLiteral("numversion~2~2~4"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    form.serviceStart().setNoticeMs(1000);
    QLineEdit* address = terminal.addressBox();

    // the notice goes up once both exchanges are done, about 200 ms after the start; a tap and an on-screen
    // keyboard's text arrive while it is up
    bool noticeInFront = false;
    bool tapTaken = false;
    QTimer::singleShot(600, &form, [&] {
        noticeInFront = form.frontView() == terminal.outdatedNotice();
        auto* start = terminal.find<RedKey>(QStringLiteral("button4"));
        QObject::connect(start, &RedKey::clicked, &form, [&] { tapTaken = true; });
        QTest::mouseClick(start, Qt::LeftButton);
        typeByInputMethod(address, QStringLiteral("9"));
    });
    terminal.startOn(caisse);

    QVERIFY(noticeInFront);
    QVERIFY(!tapTaken);
    QCOMPARE(address->text(), caisse.address());
    QVERIFY(terminal.find<QLabel>(QStringLiteral("Labelmess"))
                ->text()
                .startsWith(QStringLiteral("Votre version de Quillobrand Premium est ancienne\r\net\r\n")));
    QVERIFY(!terminal.outdatedNotice()->isVisible());
    QVERIFY(!form.serviceStart().nextCourseSupported());
    QCOMPARE(ended.count(), 1);
    // the same text once the notice is down reaches the box: above, it was the notice that dropped it
    typeByInputMethod(address, QStringLiteral("9"));
    QCOMPARE(address->text(), caisse.address() + QStringLiteral("9"));
}

void tst_Startup::outdatedRegisterWithPlanOnlyHidesPlan()
{
    ScriptedRegister caisse;
    scriptVersions(caisse, QStringLiteral("numversion~2~2~2"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    terminal.planView()->show();
    terminal.startOn(caisse);
    QVERIFY(!terminal.planView()->isVisible());
    QCOMPARE(ended.count(), 0);
    QCOMPARE(form.frontView(), terminal.startView());
}

void tst_Startup::probeBringsStartViewBackWhenRegisterIsGone()
{
    auto caisse = std::make_unique<ScriptedRegister>();
    scriptCompatible(*caisse);
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    terminal.startOn(*caisse);
    QCOMPARE(form.frontView(), terminal.waiterView());

    // the catalogue load set the probe going: its next tick finds no register
    caisse.reset();
    QTRY_COMPARE_WITH_TIMEOUT(form.frontView(), terminal.startView(), 3000);
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::probeWaitsForTheHandlerThatRuns()
{
    ScriptedRegister caisse;
    scriptCompatible(caisse);
    caisse.replyLine(QStringLiteral("OK"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    terminal.startOn(caisse);
    QCOMPARE(form.frontView(), terminal.waiterView());

    // a handler that lets events run past two ticks, as a notice's rounds do: its exchanges are never cut into
    qsizetype requestsMeanwhile = -1;
    form.guard().run([&] {
        QTest::qWait(2 * LinkProbe::IntervalMs + 300);
        requestsMeanwhile = caisse.requests().size();
    });
    QCOMPARE(requestsMeanwhile, 2);
    QTRY_COMPARE_WITH_TIMEOUT(caisse.requests().size(), 3, 3000);
    QCOMPARE(caisse.requests().last(), QStringLiteral("connect"));
}

void tst_Startup::probeLeavesScreenWhenRegisterAnswers()
{
    ScriptedRegister caisse;
    scriptCompatible(caisse);
    caisse.replyLine(QStringLiteral("OK"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    terminal.startOn(caisse);

    QTRY_COMPARE_WITH_TIMEOUT(caisse.requests().size(), 3, 3000);
    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve04$\r\nconnect\r\n"));
    QCOMPARE(form.frontView(), terminal.waiterView());
    // the connection is open now: the next ticks send nothing
    QTest::qWait(1500);
    QCOMPARE(caisse.requests().size(), 3);
    QCOMPARE(form.frontView(), terminal.waiterView());
}

void tst_Startup::quitterHidesPlanFirst()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    auto* quit = terminal.find<QPushButton>(QStringLiteral("Button28"));
    terminal.planView()->show();
    QTest::mouseClick(quit, Qt::LeftButton);
    QVERIFY(!terminal.planView()->isVisible());
    QCOMPARE(ended.count(), 0);
    QTest::mouseClick(quit, Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
}

void tst_Startup::quitterDuringTheAutomaticStartEndsOnceTheExchangeIsOver()
{
    ScriptedRegister caisse;
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    scriptCompatible(caisse);
    Terminal terminal(caisse.address());
    terminal.useRegister(caisse);
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    // the waiter taps "Quitter" as soon as the start lets the screen be drawn
    QTimer finger;
    finger.setInterval(1);
    connect(&finger, &QTimer::timeout, this, [&] {
        if (!form.guard().busy())
            return;
        finger.stop();
        QTest::mouseClick(terminal.find<QPushButton>(QStringLiteral("Button28")), Qt::LeftButton);
    });
    finger.start();
    QVERIFY(terminal.activate());

    QCOMPARE(ended.count(), 1);
    // the probe of the address was over: nothing was sent after it, and no service opened
    QCOMPARE(caisse.received(), QByteArray("ve01$\r\n"));
    QCOMPARE(form.frontView(), terminal.startView());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::saveFailureIsReported()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    // a folder in place of the file makes the write fail
    QVERIFY(QFile::remove(terminal.folder.filePath(QStringLiteral("Iquillobrands.dat"))));
    QVERIFY(QDir(terminal.folder.path()).mkdir(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(!saveSettings(form.settings(), &form));
    QCOMPARE(terminal.messages, QStringList{QStringLiteral("Impossible d'écrire dans ") + terminal.folder.path() +
                                            QStringLiteral("/Iquillobrands.dat")});
}

void tst_Startup::viewsMadeLateTakeTheirPlaceInTheStack()
{
    TerminalFixture terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    const QStringList late{QStringLiteral("choixtable"), QStringLiteral("config"),   QStringLiteral("encaissement"),
                           QStringLiteral("formule"),    QStringLiteral("messages"), QStringLiteral("plan"),
                           QStringLiteral("ticket"),     QStringLiteral("serveur"),  QStringLiteral("poubelle")};
    for (const QString& name : late)
        QVERIFY2(!form.findChild<QWidget*>(name), qPrintable(name));

    // made in another order than they stand
    for (const QString& name :
         {late.at(4), late.at(6), late.at(1), late.at(8), late.at(7), late.at(3), late.at(5), late.at(0), late.at(2)}) {
        QWidget* view = form.view(name);
        QVERIFY2(view && !view->isVisible(), qPrintable(name));
        QCOMPARE(view->geometry(), form.rect());
        QCOMPARE(form.view(name), view);
    }
    QStringList stack;
    for (const QObject* child : form.children()) {
        if (child->isWidgetType())
            stack.append(child->objectName());
    }
    const QStringList backToFront{QStringLiteral("choixtable"),   QStringLiteral("config"),
                                  QStringLiteral("encaissement"), QStringLiteral("formule"),
                                  QStringLiteral("init"),         QStringLiteral("messages"),
                                  QStringLiteral("plan"),         QStringLiteral("poubelle"),
                                  QStringLiteral("serveur"),      QStringLiteral("ticket")};
    QVERIFY2(stack.contains(backToFront.constFirst()), qPrintable(stack.join(QLatin1Char(' '))));
    for (qsizetype i = 1; i < backToFront.size(); ++i)
        QVERIFY2(stack.indexOf(backToFront.at(i - 1)) < stack.indexOf(backToFront.at(i)),
                 qPrintable(stack.join(QLatin1Char(' '))));
}

void tst_Startup::waiterKeysAreMadeWhileTheRegisterPreparesItsVersion()
{
    ScriptedRegister caisse;
    scriptCompatible(caisse);
    Terminal terminal;
    QVERIFY(terminal.activate());
    QVERIFY(!terminal.form->findChild<WaiterView*>());
    bool madeBeforeTheLoad = false;
    connect(&terminal.form->catalogueLoad(), &CatalogueLoad::progressShown, this,
            [&] { madeBeforeTheLoad = madeBeforeTheLoad || terminal.form->findChild<WaiterView*>(); });

    terminal.startOn(caisse);

    QVERIFY(madeBeforeTheLoad);
    QCOMPARE(terminal.form->frontView(), terminal.waiterView());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
