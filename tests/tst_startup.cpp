#include "ScriptedRegister.h"
#include "TerminalFixture.h"

#include "app/MainWindow.h"
#include "app/NoticeView.h"
#include "app/ServiceStart.h"
#include "app/StartView.h"
#include "closing/PaymentView.h"
#include "link/VersionCheck.h"
#include "tables/PlanView.h"
#include "ticket/TicketView.h"
#include "waiters/WaiterView.h"
#include "widgets/RedKey.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
        : TerminalFixture(QStringLiteral("[data]\n0=") + savedAddress + QStringLiteral("\n10=57\n"))
    {
        form->serviceStart().setNoticeMs(300);
    }

    // The local start as "Utilisation en local" runs it, with the address typed in the box.
    void startOn(const QString& address)
    {
        form->init()->Edit1()->setText(address);
        form->guarded([this] { form->serviceStart().lanceappli(); });
    }
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
    void emptyAddressAsksForOne();
    void dataStampDecidesReload_data();
    void dataStampDecidesReload();
    void secondRequestFollowsDate_data();
    void secondRequestFollowsDate();
    void outdatedRegisterShowsNoticeThenEnds();
    void outdatedRegisterWithPlanOnlyHidesPlan();
    void probeBringsStartViewBackWhenRegisterIsGone();
    void probeLeavesScreenWhenRegisterAnswers();
    void quitterHidesPlanFirst();
    void saveFailureIsReported();
};

void tst_Startup::activationWithoutAddressMakesNoConnection()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QCOMPARE(form.init()->Edit1()->text(), QString());
    QCOMPARE(form.settings()[0], QString());
    QCOMPARE(form.settings()[1], QStringLiteral("1"));
    QCOMPARE(form.settings()[4], QStringLiteral("4"));
    QCOMPARE(form.numserveur, QStringLiteral("1"));
    QCOMPARE(form.numtable, QStringLiteral("0"));
    QCOMPARE(form.frontView(), form.init());
    QVERIFY(!form.tCPClient().connected());
    QCOMPARE(form.largeurinit, 403);
    QCOMPARE(form.hauteurinit, 651);
    QCOMPARE(form.ticket()->Memo1()->font().pixelSize(), 11);
    QCOMPARE(form.encaissement()->Memo3()->font().pixelSize(), 13);
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::activationWithAddressStartsAutomatically()
{
    ScriptedRegister caisse(QStringLiteral("127.0.0.3"));
    caisse.replyLine(QStringLiteral("caisse~1~57"));
    scriptCompatible(caisse);
    Terminal terminal(QStringLiteral("127.0.0.3"));
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;

    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve01$\r\nve04$\r\n"));
    QCOMPARE(caisse.connectionCount(), 2);
    QCOMPARE(form.frontView(), form.serveur());
    QVERIFY(!form.init()->isVisible());
    QVERIFY(form.suiteok);
    QVERIFY(!form.reload);
    QCOMPARE(form.settings()[10], QStringLiteral("57"));
    QCOMPARE(form.settings()[0], QStringLiteral("127.0.0.3"));
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::secondActivationChangesNothing()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    form.numtable = QStringLiteral("12");
    form.init()->hide();
    form.FormActivate();
    QCOMPARE(form.numtable, QStringLiteral("12"));
    QVERIFY(!form.init()->isVisible());
}

void tst_Startup::failedStart_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("script"); // "line:<text>", "ignore", "close"
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("addressAfter");

    const QString a = QStringLiteral("127.0.0.4");
    QTest::newRow("a closed register stops before the stamp")
        << a << QStringList{QStringLiteral("line:clot")} << QByteArray("ve01$\r\n")
        << QStringLiteral("La caisse est cloturée") << Version << a;
    QTest::newRow("a refused terminal is told to update")
        << QStringLiteral("127.0.0.5") << QStringList{QStringLiteral("line:x~0~57")} << QByteArray("ve01$\r\n")
        << QStringLiteral("Votre version de Quillobrand doit être mis à jour") << Version
        << QStringLiteral("127.0.0.5");
    QTest::newRow("a silent register is a wrong address")
        << QStringLiteral("127.0.0.6") << QStringList{QStringLiteral("ignore")} << QByteArray("ve01$\r\n") << Refused
        << QString() << QString();
    QTest::newRow("a version reply without a stamp is a wrong address")
        << QStringLiteral("127.0.0.7") << QStringList{QStringLiteral("line:caisse~1")} << QByteArray("ve01$\r\n")
        << Refused << QString() << QString();
    QTest::newRow("a register closing during the first exchange is a wrong address")
        << QStringLiteral("127.0.0.8") << QStringList{QStringLiteral("close")} << QByteArray("ve01$\r\n") << Refused
        << QString() << QString();
    QTest::newRow("a register closing during the second exchange is a wrong IP")
        << QStringLiteral("127.0.0.9") << QStringList{QStringLiteral("line:caisse~1~57"), QStringLiteral("close")}
        << QByteArray("ve01$\r\nve04$\r\n") << QStringLiteral("Vérifiez votre adresse IP") << QString() << QString();
    QTest::newRow("an unreachable register is a wrong address")
        << QStringLiteral("127.0.0.10") << QStringList{QStringLiteral("nothing listens")} << QByteArray() << Refused
        << QString() << QString();
}

void tst_Startup::failedStart()
{
    QFETCH(QString, address);
    QFETCH(QStringList, script);
    QFETCH(QByteArray, sent);
    QFETCH(QString, message);
    QFETCH(QString, status);
    QFETCH(QString, addressAfter);

    ScriptedRegister caisse(address);
    for (const QString& step : script) {
        if (step.startsWith(QStringLiteral("line:")))
            caisse.replyLine(step.mid(5));
        else if (step == QStringLiteral("ignore"))
            caisse.ignore();
        else if (step == QStringLiteral("close"))
            caisse.closeConnection();
        else
            caisse.stopListening();
    }
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.startOn(address);
    MainWindow& form = *terminal.form;

    QCOMPARE(caisse.received(), sent);
    QCOMPARE(terminal.messages, QStringList{message});
    QCOMPARE(form.init()->text1()->text(), status);
    QCOMPARE(form.init()->Edit1()->text(), addressAfter);
    QCOMPARE(form.settings()[0], addressAfter);
    QCOMPARE(form.frontView(), form.init());
}

void tst_Startup::emptyAddressAsksForOne()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.startOn(QString());
    QCOMPARE(terminal.messages, QStringList{QStringLiteral("Saisissez l'adresse de la caisse")});
    QCOMPARE(terminal.form->init()->text1()->text(), Version);
}

void tst_Startup::dataStampDecidesReload_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("reload");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("same stamp reads the cache") << QStringLiteral("57") << false << QStringList();
    // the register closes at the first catalogue request: the download is abandoned at once
    QTest::newRow("another stamp downloads")
        << QStringLiteral("56") << true << QStringList{QStringLiteral("Vérifiez votre adresse IP")};
}

void tst_Startup::dataStampDecidesReload()
{
    QFETCH(QString, saved);
    QFETCH(bool, reload);
    QFETCH(QStringList, messages);
    ScriptedRegister caisse(QStringLiteral("127.0.0.11"));
    scriptCompatible(caisse, QStringLiteral("57"));
    caisse.closeConnection();
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.form->settings()[10] = saved;
    terminal.startOn(QStringLiteral("127.0.0.11"));
    QCOMPARE(terminal.form->reload, reload);
    QCOMPARE(terminal.messages, messages);
    QCOMPARE(terminal.form->settings()[10], QStringLiteral("57"));
    QCOMPARE(terminal.form->frontView(), terminal.form->serveur());
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
    ScriptedRegister caisse(QStringLiteral("127.0.0.12"));
    scriptCompatible(caisse);
    Terminal terminal;
    QVERIFY(terminal.activate());
    terminal.form->serviceStart().setClock([now] { return now; });
    terminal.startOn(QStringLiteral("127.0.0.12"));
    QCOMPARE(caisse.received(), sent);
}

void tst_Startup::outdatedRegisterShowsNoticeThenEnds()
{
    ScriptedRegister caisse(QStringLiteral("127.0.0.13"));
    scriptVersions(caisse, QStringLiteral("numversion~2~2~4"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    form.serviceStart().setNoticeMs(1000);

    // the notice goes up once both exchanges are done, about 200 ms after the start
    bool noticeInFront = false;
    bool tapTaken = false;
    QTimer::singleShot(600, &form, [&] {
        noticeInFront = form.frontView() == form.Rectangle12();
        QObject::connect(form.init()->button4(), &RedKey::clicked, &form, [&] { tapTaken = true; });
        QTest::mouseClick(form.init()->button4(), Qt::LeftButton);
    });
    terminal.startOn(QStringLiteral("127.0.0.13"));

    QVERIFY(noticeInFront);
    QVERIFY(!tapTaken);
    QVERIFY(form.Rectangle12()->Labelmess()->text().startsWith(
        QStringLiteral("Votre version de Quillobrand Premium est ancienne\r\net\r\n")));
    QVERIFY(!form.Rectangle12()->isVisible());
    QVERIFY(!form.suiteok);
    QCOMPARE(ended.count(), 1);
}

void tst_Startup::outdatedRegisterWithPlanOnlyHidesPlan()
{
    ScriptedRegister caisse(QStringLiteral("127.0.0.14"));
    scriptVersions(caisse, QStringLiteral("numversion~2~2~2"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    form.plan()->show();
    terminal.startOn(QStringLiteral("127.0.0.14"));
    QVERIFY(!form.plan()->isVisible());
    QCOMPARE(ended.count(), 0);
    QCOMPARE(form.frontView(), form.init());
}

void tst_Startup::probeBringsStartViewBackWhenRegisterIsGone()
{
    auto caisse = std::make_unique<ScriptedRegister>(QStringLiteral("127.0.0.15"));
    scriptCompatible(*caisse);
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    terminal.startOn(QStringLiteral("127.0.0.15"));
    QCOMPARE(form.frontView(), form.serveur());

    caisse.reset();
    form.Timer3Timer();
    QCOMPARE(form.frontView(), form.init());
    QVERIFY(terminal.messages.isEmpty());
}

void tst_Startup::probeLeavesScreenWhenRegisterAnswers()
{
    ScriptedRegister caisse(QStringLiteral("127.0.0.16"));
    scriptCompatible(caisse);
    caisse.replyLine(QStringLiteral("OK"));
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    terminal.startOn(QStringLiteral("127.0.0.16"));

    form.Timer3Timer();
    QCOMPARE(caisse.received(), QByteArray("ve01$\r\nve04$\r\nconnect\r\n"));
    QCOMPARE(form.frontView(), form.serveur());
    form.Timer3Timer(); // the connection is open now: nothing is sent
    QCOMPARE(caisse.requests().size(), 3);
}

void tst_Startup::quitterHidesPlanFirst()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    QSignalSpy ended(&form, &MainWindow::applicationEnded);
    form.plan()->show();
    QTest::mouseClick(form.init()->Button28(), Qt::LeftButton);
    QVERIFY(!form.plan()->isVisible());
    QCOMPARE(ended.count(), 0);
    QTest::mouseClick(form.init()->Button28(), Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
}

void tst_Startup::saveFailureIsReported()
{
    Terminal terminal;
    QVERIFY(terminal.activate());
    MainWindow& form = *terminal.form;
    // a folder in place of the file makes the write fail
    QVERIFY(QFile::remove(terminal.folder.filePath(QStringLiteral("Iquillobrands.dat"))));
    QVERIFY(QDir(terminal.folder.path()).mkdir(QStringLiteral("Iquillobrands.dat")));
    QVERIFY(!form.sauvesettings());
    QCOMPARE(terminal.messages, QStringList{QStringLiteral("Impossible d'écrire dans ") + terminal.folder.path() +
                                            QStringLiteral("/Iquillobrands.dat")});
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
