#include "link/LinkError.h"
#include "link/RegisterLink.h"

#include "ScriptedRegister.h"
#include "UnansweringHost.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class tst_RegisterLink final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void requestBytesOnTheWire_data();
    void requestBytesOnTheWire();
    void replyLine_data();
    void replyLine();
    void silentRegisterGivesEmptyReply();
    void secondRead_data();
    void secondRead();
    void silentRegisterWithSecondReadCostsTwoTimeouts();
    void secondReadPauseIsWaited();
    void pauseIsWaitedBetweenSendingAndReading_data();
    void pauseIsWaitedBetweenSendingAndReading();
    void staleReadDropsPendingLine();
    void staleReadWithNothingPendingCostsReadTimeout();
    void overLongLineFailsAndNextExchangeReconnects();
    void registerClosingMidExchangeFails();
    void exchangeReconnectsAfterRegisterRestarted();
    void refusedConnectionFails();
    void emptyHostFails();
    void connectionIsReusedUnlessFresh();
    void failureFollowsOnError_data();
    void failureFollowsOnError();
    void trailingRead_data();
    void trailingRead();
    void replyIsGivenBeforeTheTrailingRead();
    void quietFailureGivesTheEmptyReply();
    void slowLineIsReadWhileItsBytesKeepComing();
    void lineCutShortFailsAndNextExchangeReconnects();
    void whatCameBeforeTheRequestNeverAnswersIt_data();
    void whatCameBeforeTheRequestNeverAnswersIt();
    void lineComingBeforeTheRequestIsDroppedWhole();
    void lateReplyIsNotTakenForTheNextOne();
    void lateReplyArrivingDuringTheNextExchangeIsNotItsReply();
    void linkLogShowsEachExchange();
    void connectingToAnUnansweringHostEndsAtTheConnectTimeout();
    void onlyNulMakesALineGarbage_data();
    void onlyNulMakesALineGarbage();
    void tapGivesUpOnceTheRegisterIsUnreachable();
    void silentRegisterEndsTheTapAfterRequestsInARow();
    void slowRegisterIsNeverCutShort();
    void pauseWorkRunsOnceInTheFirstWaitWhileItLives();

private:
    std::unique_ptr<ScriptedRegister> m_register;
    std::unique_ptr<RegisterLink> m_link;
};

void tst_RegisterLink::init()
{
    m_register = std::make_unique<ScriptedRegister>();
    QVERIFY(m_register->isListening());
    m_link = std::make_unique<RegisterLink>();
    m_link->setHost(m_register->address());
    m_link->setPort(m_register->port());
}

void tst_RegisterLink::cleanup()
{
    m_link.reset();
    m_register.reset();
}

void tst_RegisterLink::requestBytesOnTheWire_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("a request is its text and CR LF") << "ve01$" << QByteArray("ve01$\r\n");
    QTest::newRow("an accented letter goes out as a question mark")
        << "adc$5$0$1$Café prêt$" << QByteArray("adc$5$0$1$Caf? pr?t$\r\n");
}

void tst_RegisterLink::requestBytesOnTheWire()
{
    QFETCH(QString, request);
    QFETCH(QByteArray, bytes);
    m_register->replyLine(QStringLiteral("OK"));

    QCOMPARE(m_link->exchange(request), QStringLiteral("OK"));

    QVERIFY(m_register->waitForRequests(1));
    QCOMPARE(m_register->received(), bytes);
}

void tst_RegisterLink::replyLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reply");

    QTest::newRow("a line ended by CR LF") << QByteArray("abc\r\n") << "abc";
    QTest::newRow("a line ended by LF alone") << QByteArray("abc\n") << "abc";
    QTest::newRow("an empty line is an empty reply") << QByteArray("\r\n") << "";
    QTest::newRow("a byte above 0x7F is read as U+FFFD") << QByteArray("Caf\xE9~\r\n") << QStringLiteral("Caf\uFFFD~");
}

void tst_RegisterLink::replyLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reply);
    m_register->replyBytes(bytes);

    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), reply);
}

void tst_RegisterLink::silentRegisterGivesEmptyReply()
{
    m_register->ignore();
    m_register->replyLine(QStringLiteral("next"));
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QString());

    QCOMPARE_GE(clock.elapsed(), 650);
    QCOMPARE_LT(clock.elapsed(), 1500);
    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QStringLiteral("next"));
    // the reply still owed could come in the middle of the next exchange: that one connects anew
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::secondRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("secondRead");
    QTest::addColumn<QString>("reply");

    QTest::newRow("an empty line is followed by the real reply") << QByteArray("\r\nabc\r\n") << 0 << true << "abc";
    QTest::newRow("a reply later than the read timeout is caught") << QByteArray("abc\r\n") << 1000 << true << "abc";
    QTest::newRow("a reply that is not empty is not replaced") << QByteArray("abc\r\nxyz\r\n") << 0 << true << "abc";
    QTest::newRow("without a second read the empty line is the reply") << QByteArray("\r\nabc\r\n") << 0 << false << "";
}

void tst_RegisterLink::secondRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, delayMs);
    QFETCH(bool, secondRead);
    QFETCH(QString, reply);
    m_register->replyBytes(bytes);
    m_register->setReplyDelay(delayMs);
    ExchangePlan options;
    options.secondRead = secondRead;

    QCOMPARE(m_link->exchange(QStringLiteral("ntotal$5$0$1$"), options), reply);
}

void tst_RegisterLink::silentRegisterWithSecondReadCostsTwoTimeouts()
{
    m_register->ignore();
    ExchangePlan options;
    options.secondRead = true;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->exchange(QStringLiteral("code$1$"), options), QString());

    QCOMPARE_GE(clock.elapsed(), 1300);
    QCOMPARE_LT(clock.elapsed(), 2500);
}

void tst_RegisterLink::secondReadPauseIsWaited()
{
    m_register->replyBytes("\r\n12,50\r\n");
    ExchangePlan options;
    options.secondRead = true;
    options.secondReadPauseMs = 300;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->exchange(QStringLiteral("ntotal$5$0$1$"), options), QStringLiteral("12,50"));

    QCOMPARE_GE(clock.elapsed(), 300);
    QCOMPARE_LT(clock.elapsed(), 650);
}

void tst_RegisterLink::pauseIsWaitedBetweenSendingAndReading_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("workMs"); // pause work given to the link; none when 0
    QTest::addColumn<int>("atLeastMs");
    QTest::addColumn<int>("belowMs");

    QTest::newRow("an immediate reply is read after the pause") << 0 << 0 << 300 << 550;
    // a pause taken before sending would add up with the register's answer time
    QTest::newRow("the register answers during the pause") << 500 << 0 << 450 << 750;
    QTest::newRow("work shorter than the pause costs nothing") << 0 << 100 << 300 << 380;
    QTest::newRow("work longer than the pause is not followed by it") << 0 << 400 << 400 << 580;
}

void tst_RegisterLink::pauseIsWaitedBetweenSendingAndReading()
{
    QFETCH(int, delayMs);
    QFETCH(int, workMs);
    QFETCH(int, atLeastMs);
    QFETCH(int, belowMs);
    // connected beforehand, so that only the pause and the answer are timed
    m_register->replyLine(QStringLiteral("OK"));
    QCOMPARE(m_link->exchange(QStringLiteral("connect")), QStringLiteral("OK"));
    m_register->replyLine(QStringLiteral("OK"));
    m_register->setReplyDelay(delayMs);
    bool sentBeforeWork = workMs == 0;
    std::optional<RegisterLink::PauseWork> work;
    if (workMs > 0) {
        work.emplace(*m_link, [&] {
            sentBeforeWork = m_register->waitForRequests(2, 1000);
            QThread::msleep(static_cast<unsigned long>(workMs));
        });
    }
    ExchangePlan options;
    options.pauseMs = 300;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->exchange(QStringLiteral("ec$5$0$1$0$"), options), QStringLiteral("OK"));

    QVERIFY(sentBeforeWork);
    QCOMPARE_GE(clock.elapsed(), atLeastMs);
    QCOMPARE_LT(clock.elapsed(), belowMs);
}

void tst_RegisterLink::staleReadDropsPendingLine()
{
    m_register->replyLine(QStringLiteral("first"));
    m_register->replyLine(QStringLiteral("second"));
    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QStringLiteral("first"));
    m_register->sendNow("left over\r\n");
    ExchangePlan options;
    options.staleRead = true;

    QCOMPARE(m_link->exchange(QStringLiteral("demanderang$5$0$1$"), options), QStringLiteral("second"));
    QCOMPARE(m_register->requests(), (QStringList{"ad$5$0$1$", "demanderang$5$0$1$"}));
}

void tst_RegisterLink::staleReadWithNothingPendingCostsReadTimeout()
{
    m_register->replyLine(QStringLiteral("OK"));
    ExchangePlan options;
    options.staleRead = true;
    QElapsedTimer clock;
    clock.start();

    // the stale read is over before the request goes out, so it cannot take the reply
    QCOMPARE(m_link->exchange(QStringLiteral("tableocc"), options), QStringLiteral("OK"));

    QCOMPARE_GE(clock.elapsed(), 650);
    QCOMPARE_LT(clock.elapsed(), 1500);
}

void tst_RegisterLink::overLongLineFailsAndNextExchangeReconnects()
{
    m_register->replyBytes(QByteArray(WireCodec::MaxLineLength + 1, 'x'));
    m_register->replyLine(QStringLiteral("OK"));

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->exchange(QStringLiteral("aform1")));

    QCOMPARE(m_link->exchange(QStringLiteral("rang1")), QStringLiteral("OK"));
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::registerClosingMidExchangeFails()
{
    m_register->closeConnection();
    m_register->replyLine(QStringLiteral("OK"));

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->exchange(QStringLiteral("ad$5$0$1$")));

    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QStringLiteral("OK"));
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::exchangeReconnectsAfterRegisterRestarted()
{
    m_register->replyLine(QStringLiteral("first"));
    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QStringLiteral("first"));
    const quint16 port = m_register->port();
    m_register.reset();
    m_register = std::make_unique<ScriptedRegister>(m_link->host(), port);
    QVERIFY(m_register->isListening());
    m_register->replyLine(QStringLiteral("second"));

    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QStringLiteral("second"));
    QCOMPARE(m_register->connectionCount(), 1);
}

void tst_RegisterLink::refusedConnectionFails()
{
    m_register->stopListening();
    m_link->setConnectTimeout(500);
    QElapsedTimer clock;
    clock.start();

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->exchange(QStringLiteral("ve01$")));

    QCOMPARE_LT(clock.elapsed(), 1000);
    QVERIFY(!m_link->connected());
    QCOMPARE(m_register->connectionCount(), 0);
}

void tst_RegisterLink::emptyHostFails()
{
    m_link->setHost(QString());

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->exchange(QStringLiteral("ve01$")));
    QCOMPARE(m_register->connectionCount(), 0);
}

void tst_RegisterLink::connectionIsReusedUnlessFresh()
{
    m_register->replyLine(QStringLiteral("a"));
    m_register->replyLine(QStringLiteral("b"));
    m_register->replyLine(QStringLiteral("c"));

    QCOMPARE(m_link->exchange(QStringLiteral("1$")), QStringLiteral("a"));
    QCOMPARE(m_link->exchange(QStringLiteral("2$")), QStringLiteral("b"));
    QCOMPARE(m_register->connectionCount(), 1);

    ExchangePlan options;
    options.fresh = true;
    QCOMPARE(m_link->exchange(QStringLiteral("ve01$"), options), QStringLiteral("c"));
    QCOMPARE(m_register->connectionCount(), 2);
    QVERIFY(m_link->connected());
}

void tst_RegisterLink::failureFollowsOnError_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("onError");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<QStringList>("requests");

    const int quiet = static_cast<int>(OnError::Quiet);
    const int raiseUnsent = static_cast<int>(OnError::RaiseUnsent);
    const QStringList sent{QStringLiteral("ad$5$0$1$")};
    QTest::newRow("quiet: a refused connection is an empty reply") << "refused" << quiet << false << QStringList();
    QTest::newRow("quiet: an empty host is an empty reply") << "empty host" << quiet << false << QStringList();
    QTest::newRow("quiet: a close after the request is an empty reply") << "close" << quiet << false << sent;
    QTest::newRow("quiet: a too long reply is an empty reply") << "too long" << quiet << false << sent;
    QTest::newRow("unsent: a refused connection raises") << "refused" << raiseUnsent << true << QStringList();
    QTest::newRow("unsent: an empty host raises") << "empty host" << raiseUnsent << true << QStringList();
    QTest::newRow("unsent: a close once the request is out is an empty reply")
        << "close" << raiseUnsent << false << sent;
    QTest::newRow("unsent: a too long reply once the request is out is an empty reply")
        << "too long" << raiseUnsent << false << sent;
}

void tst_RegisterLink::failureFollowsOnError()
{
    QFETCH(QString, failure);
    QFETCH(int, onError);
    QFETCH(bool, raised);
    QFETCH(QStringList, requests);
    if (failure == QLatin1String("refused"))
        m_register->stopListening();
    else if (failure == QLatin1String("empty host"))
        m_link->setHost(QString());
    else if (failure == QLatin1String("close"))
        m_register->closeConnection();
    else
        m_register->replyBytes(QByteArray(WireCodec::MaxLineLength + 1, 'x'));
    m_register->replyLine(QStringLiteral("OK"));
    ExchangePlan options;
    options.onError = static_cast<OnError>(onError);

    bool threw = false;
    Exchange done;
    done.reply = QStringLiteral("<none>");
    try {
        done = m_link->exchange(Request{QStringLiteral("ad$5$0$1$"), options});
    } catch (const LinkError&) {
        threw = true;
    }

    QCOMPARE(threw, raised);
    if (!raised) {
        // the result says how far the exchange went
        QCOMPARE(done.reply, QString());
        QVERIFY(done.failed);
        QVERIFY(!done.error.isEmpty());
        QCOMPARE(done.sent, !requests.isEmpty());
        QCOMPARE(done.connected, !requests.isEmpty());
        QVERIFY(!done.answered);
    }
    if (!requests.isEmpty())
        QVERIFY(m_register->waitForRequests(requests.size()));
    QCOMPARE(m_register->requests(), requests);
    // a failure kept quiet leaves no half-read line behind: the next exchange starts clean
    if (m_register->isListening() && !m_link->host().isEmpty())
        QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), QStringLiteral("OK"));
}

void tst_RegisterLink::trailingRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("closeAfter");
    QTest::addColumn<bool>("secondRead");
    QTest::addColumn<bool>("trailingRead");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("nextReply");
    QTest::addColumn<int>("atLeastMs");

    QTest::newRow("the line after the reply is dropped")
        << QByteArray("ticket\r\nextra\r\n") << false << false << true << "ticket"
        << "next" << 0;
    QTest::newRow("without a trailing read that line is dropped before the next request")
        << QByteArray("ticket\r\nextra\r\n") << false << false << false << "ticket"
        << "next" << 0;
    QTest::newRow("after a second read the line after the reply is dropped")
        << QByteArray("\r\nticket\r\nextra\r\n") << false << true << true << "ticket"
        << "next" << 0;
    QTest::newRow("nothing after the reply costs a read timeout")
        << QByteArray("ticket\r\n") << false << false << true << "ticket"
        << "next" << 650;
    // the lost link is for the next exchange to find, which reconnects
    QTest::newRow("a register closing after the reply keeps the reply")
        << QByteArray("ticket\r\n") << true << false << true << "ticket"
        << "next" << 0;
}

void tst_RegisterLink::trailingRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, closeAfter);
    QFETCH(bool, secondRead);
    QFETCH(bool, trailingRead);
    QFETCH(QString, reply);
    QFETCH(QString, nextReply);
    QFETCH(int, atLeastMs);
    if (closeAfter)
        m_register->replyThenClose(bytes);
    else
        m_register->replyBytes(bytes);
    m_register->replyLine(QStringLiteral("next"));
    ExchangePlan options;
    options.secondRead = secondRead;
    options.trailingRead = trailingRead;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$"), options), reply);

    QCOMPARE_GE(clock.elapsed(), atLeastMs);
    QCOMPARE_LT(clock.elapsed(), atLeastMs + 650);
    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$0$1$")), nextReply);
    QCOMPARE(m_register->connectionCount(), closeAfter ? 2 : 1);
}

void tst_RegisterLink::replyIsGivenBeforeTheTrailingRead()
{
    m_register->replyLine(QStringLiteral("ticket"));
    ExchangePlan options;
    options.trailingRead = true;
    QElapsedTimer clock;
    clock.start();
    qint64 givenAtMs = -1;
    QString given;
    const auto shown = [&](const Exchange& done) {
        givenAtMs = clock.elapsed();
        given = done.reply;
    };

    QCOMPARE(m_link->exchange(Request{QStringLiteral("ad$5$0$1$"), options}, shown).reply, QStringLiteral("ticket"));

    QCOMPARE(given, QStringLiteral("ticket"));
    QCOMPARE_LT(givenAtMs, 300);
    // the trailing read still waited its timeout after the reply was given
    QCOMPARE_GE(clock.elapsed(), givenAtMs + 650);
}

void tst_RegisterLink::quietFailureGivesTheEmptyReply()
{
    m_register->closeConnection();
    ExchangePlan options;
    options.onError = OnError::Quiet;
    int given = 0;
    const auto shown = [&](const Exchange& done) {
        QCOMPARE(done.reply, QString());
        ++given;
    };
    QCOMPARE(m_link->exchange(Request{QStringLiteral("10$12$4$2$1$"), options}, shown).reply, QString());
    QCOMPARE(given, 1);

    // a failure that is raised gives nothing
    m_link->setHost(QString());
    m_link->disconnect();
    options.onError = OnError::Raise;
    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->exchange(Request{QStringLiteral("10$12$4$2$1$"), options}, shown));
    QCOMPARE(given, 1);
}

void tst_RegisterLink::slowLineIsReadWhileItsBytesKeepComing()
{
    m_register->ignore();
    // one byte every 100 ms, the line ending after 4 s: each wait gets something, so the read goes on
    const QByteArray line = QByteArray(40, 'x');
    std::thread trickle([&] {
        // what came before the request would be dropped as no answer to it
        m_register->waitForRequests(1);
        for (const char byte : line) {
            m_register->sendNow(QByteArray(1, byte));
            QThread::msleep(100);
        }
        m_register->sendNow("\r\n");
    });
    QElapsedTimer elapsed;
    elapsed.start();
    const QString reply = m_link->exchange(QStringLiteral("tablepos$"));
    trickle.join();
    QCOMPARE(reply, QString::fromLatin1(line));
    QCOMPARE_GE(elapsed.elapsed(), 3900);
    QCOMPARE(m_register->connectionCount(), 1);
}

void tst_RegisterLink::lineCutShortFailsAndNextExchangeReconnects()
{
    m_register->replyBytes("numversion~2~2~3");
    m_register->replyLine(QStringLiteral("OK"));
    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->exchange(QStringLiteral("ve04$")));
    QCOMPARE(m_link->exchange(QStringLiteral("rang1")), QStringLiteral("OK"));
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::whatCameBeforeTheRequestNeverAnswersIt_data()
{
    QTest::addColumn<bool>("staleRead");
    QTest::newRow("a plain exchange") << false;
    // the line is the stale one: no read timeout is waited for another
    QTest::newRow("an exchange with a stale-line read") << true;
}

void tst_RegisterLink::whatCameBeforeTheRequestNeverAnswersIt()
{
    QFETCH(bool, staleRead);
    // the first reply sent twice, as a register on a bad link may
    m_register->replyBytes("caisse~1~57\r\ncaisse~1~57\r\n");
    m_register->replyLine(QStringLiteral("numversion~2~2~3"));
    QCOMPARE(m_link->exchange(QStringLiteral("ve01$")), QStringLiteral("caisse~1~57"));
    ExchangePlan options;
    options.staleRead = staleRead;
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(m_link->exchange(QStringLiteral("ve04$"), options), QStringLiteral("numversion~2~2~3"));
    QVERIFY(elapsed.elapsed() < RegisterLink::ReadTimeoutMs);
}

void tst_RegisterLink::lineComingBeforeTheRequestIsDroppedWhole()
{
    // a trailing line the register is still sending when the next request is due
    m_register->replyBytes("caisse~1~57\r\nO");
    m_register->replyLine(QStringLiteral("numversion~2~2~3"));
    QCOMPARE(m_link->exchange(QStringLiteral("ve01$")), QStringLiteral("caisse~1~57"));
    std::thread rest([&] {
        QThread::msleep(100);
        m_register->sendNow("K\r\n");
    });
    const QString reply = m_link->exchange(QStringLiteral("ve04$"));
    rest.join();
    QCOMPARE(reply, QStringLiteral("numversion~2~2~3"));
    QCOMPARE(m_register->connectionCount(), 1);
}

void tst_RegisterLink::lateReplyIsNotTakenForTheNextOne()
{
    // the ticket comes after the read gave up; the next request must get its own reply, not that ticket
    m_register->setReplyDelay(RegisterLink::ReadTimeoutMs + 200);
    m_register->replyLine(QStringLiteral("1 CAFE TABLE 12"));
    QCOMPARE(m_link->exchange(QStringLiteral("ad$12$4$1$")), QString());
    QTest::qWait(400);
    m_register->setReplyDelay(0);
    m_register->replyLine(QStringLiteral("1 EAU TABLE 5"));
    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$2$1$")), QStringLiteral("1 EAU TABLE 5"));
}

void tst_RegisterLink::lateReplyArrivingDuringTheNextExchangeIsNotItsReply()
{
    // the ticket of table 12 comes while the next request waits for its own reply: on the same connection it would
    // be read as the ticket of table 5
    m_register->setReplyDelay(RegisterLink::ReadTimeoutMs + 200);
    m_register->replyLine(QStringLiteral("1 CAFE TABLE 12"));
    QCOMPARE(m_link->exchange(QStringLiteral("ad$12$4$1$")), QString());
    m_register->setReplyDelay(300);
    m_register->replyLine(QStringLiteral("1 EAU TABLE 5"));
    QCOMPARE(m_link->exchange(QStringLiteral("ad$5$2$1$")), QStringLiteral("1 EAU TABLE 5"));
    QCOMPARE(m_register->connectionCount(), 2);
    // answered in time, the connection is kept
    m_register->setReplyDelay(0);
    m_register->replyLine(QStringLiteral("OK"));
    QCOMPARE(m_link->exchange(QStringLiteral("connect")), QStringLiteral("OK"));
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::connectingToAnUnansweringHostEndsAtTheConnectTimeout()
{
    const UnansweringHost gone;
    m_link->setPort(gone.port());
    m_link->setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    QElapsedTimer elapsed;
    elapsed.start();
    ExchangePlan options;
    options.onError = OnError::Quiet;
    QCOMPARE(m_link->exchange(QStringLiteral("connect"), options), QString());
    const qint64 waited = elapsed.elapsed();
    QVERIFY2(waited >= RegisterLink::ServiceConnectTimeoutMs - 100 &&
                 waited < RegisterLink::ServiceConnectTimeoutMs + 1000,
             qPrintable(QString::number(waited)));
    QVERIFY(m_link->connectFailed());
}

void tst_RegisterLink::onlyNulMakesALineGarbage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reply");

    // a garbled identification must never let a waiter in
    QTest::newRow("a NUL inside is no reply") << QByteArray("code;\0"
                                                            "1;\r\n",
                                                            10)
                                              << "";
    QTest::newRow("a second read takes the clean line after it") << QByteArray("\0\r\nOK\r\n", 7) << "OK";
    // the register's texts may hold them: they are text, trimmed where a reply is shown
    QTest::newRow("a tab") << QByteArray("Paul\t;Marie;\r\n") << "Paul\t;Marie;";
    QTest::newRow("a CR inside") << QByteArray("4\r7\r\n") << "4\r7";
    QTest::newRow("an escape") << QByteArray("\x1b[2J\r\n") << "\x1b[2J";
    QTest::newRow("a DEL") << QByteArray("12\x7f\r\n") << "12\x7f";
}

void tst_RegisterLink::onlyNulMakesALineGarbage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reply);
    m_register->replyBytes(bytes);
    ExchangePlan options;
    options.secondRead = true;

    QCOMPARE(m_link->exchange(QStringLiteral("code$1$"), options), reply);
    QCOMPARE(m_link->lastExchangeUnanswered(), reply.isEmpty());
}

void tst_RegisterLink::tapGivesUpOnceTheRegisterIsUnreachable()
{
    // the register vanishes after one exchange: its open connection stays silent, new connections go unanswered
    m_register->replyLine(QStringLiteral("OK"));
    QCOMPARE(m_link->exchange(QStringLiteral("connect")), QStringLiteral("OK"));
    const UnansweringHost gone;
    m_link->setPort(gone.port());
    m_link->setConnectTimeout(RegisterLink::ServiceConnectTimeoutMs);
    ExchangePlan options;
    options.secondRead = true;
    options.onError = OnError::Quiet;
    QElapsedTimer clock;
    clock.start();
    {
        const RegisterLink::Tap tap(*m_link);
        // two silent reads, the connection closed for the reply owed, a connect anew that times out; the others
        // fail at once
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m_link->exchange(QStringLiteral("ad$12$4$1$"), options), QString());
        QVERIFY(!m_link->connected());
    }
    const qint64 expected = 2 * RegisterLink::ReadTimeoutMs + RegisterLink::ServiceConnectTimeoutMs;
    QCOMPARE_GE(clock.elapsed(), expected - 100);
    QCOMPARE_LT(clock.elapsed(), expected + 400);
    QVERIFY(m_link->connectFailed());
    QVERIFY(m_link->lastTapFoundRegisterGone());
    QCOMPARE(m_register->requests(), QStringList({QStringLiteral("connect"), QStringLiteral("ad$12$4$1$")}));

    // the next tap tries again, and a register back clears the failure
    m_link->setPort(m_register->port());
    m_register->replyLine(QStringLiteral("1 CAFE"));
    const RegisterLink::Tap tap(*m_link);
    QCOMPARE(m_link->exchange(QStringLiteral("ad$12$4$1$"), options), QStringLiteral("1 CAFE"));
    QVERIFY(!m_link->connectFailed());
}

void tst_RegisterLink::silentRegisterEndsTheTapAfterRequestsInARow()
{
    // a register that takes every connection and never answers
    ExchangePlan options;
    options.pauseMs = 100;
    options.secondRead = true;
    QElapsedTimer clock;
    clock.start();
    int exchanged = 0;
    bool failed = false;
    {
        const RegisterLink::Tap tap(*m_link);
        try {
            for (; exchanged < 10; ++exchanged)
                m_link->exchange(QStringLiteral("ad$12$4$1$"), options);
        } catch (const LinkError&) {
            failed = true;
        }
    }
    QVERIFY(failed);
    QCOMPARE(exchanged, RegisterLink::SilentRequestsInRow);
    QCOMPARE(m_register->requests().size(), RegisterLink::SilentRequestsInRow);
    QCOMPARE_LT(clock.elapsed(), RegisterLink::SilentRequestsInRow * (100 + 2 * RegisterLink::ReadTimeoutMs) + 300);
    // the register was reached each time: the link probe tries it again
    QVERIFY(!m_link->connectFailed());
    QVERIFY(m_link->lastTapFoundRegisterGone());
    // outside a tap nothing is given up
    m_register->replyLine(QStringLiteral("OK"));
    QCOMPARE(m_link->exchange(QStringLiteral("connect")), QStringLiteral("OK"));
}

void tst_RegisterLink::slowRegisterIsNeverCutShort()
{
    // each reply comes 650 ms after its request, within the read timeout: a tap of many exchanges takes its time
    constexpr int Exchanges = 8;
    m_register->setReplyDelay(650);
    for (int i = 0; i < Exchanges; ++i)
        m_register->replyLine(QStringLiteral("r%1").arg(i));
    ExchangePlan options;
    options.onError = OnError::Quiet;
    QElapsedTimer clock;
    clock.start();
    {
        const RegisterLink::Tap tap(*m_link);
        for (int i = 0; i < Exchanges; ++i)
            QCOMPARE(m_link->exchange(QStringLiteral("rang%1").arg(i), options), QStringLiteral("r%1").arg(i));
    }
    QCOMPARE_GE(clock.elapsed(), Exchanges * 650);
    QVERIFY(!m_link->lastTapFoundRegisterGone());
    QCOMPARE(m_register->connectionCount(), 1);
}

void tst_RegisterLink::linkLogShowsEachExchange()
{
    static QStringList logged;
    logged.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("commande.link.debug=true"));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
            if (QLatin1String(context.category) == QLatin1String("commande.link"))
                logged << text;
        });
    m_register->replyLine(QStringLiteral("1 CAFE~") + QString(300, QLatin1Char('x')));
    m_link->exchange(QStringLiteral("ad$12$4$1$"));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());

    QVERIFY2(logged.size() >= 2, qPrintable(logged.join(QLatin1Char('\n'))));
    QVERIFY(logged.first().startsWith(QStringLiteral("connect to ")));
    // the request, then the reply cut to its first 200 characters
    QVERIFY(logged.last().startsWith(QStringLiteral("ad$12$4$1$ -> 1 CAFE~xxx")));
    QVERIFY(logged.last().contains(QString(RegisterLink::LoggedReplyLength - 7, QLatin1Char('x')) +
                                   QStringLiteral(" (pause 0 ms")));
}

void tst_RegisterLink::pauseWorkRunsOnceInTheFirstWaitWhileItLives()
{
    m_register->script({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    ExchangePlan waiting;
    waiting.pauseMs = 20;
    QStringList ranDuring;
    QString exchanging;
    const auto exchange = [&](const QString& request, const ExchangePlan& plan) {
        exchanging = request;
        m_link->exchange(request, plan);
    };
    {
        const RegisterLink::PauseWork work(*m_link, [&] { ranDuring << exchanging; });
        exchange(QStringLiteral("no wait"), ExchangePlan());
        exchange(QStringLiteral("first wait"), waiting);
        exchange(QStringLiteral("second wait"), waiting);
    }
    {
        const RegisterLink::PauseWork work(*m_link, [&] { ranDuring << exchanging; });
    }
    exchange(QStringLiteral("after its scope"), waiting);

    QCOMPARE(ranDuring, QStringList{QStringLiteral("first wait")});
}

QTEST_GUILESS_MAIN(tst_RegisterLink)

#include "tst_registerlink.moc"
