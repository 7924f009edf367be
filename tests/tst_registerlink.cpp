#include "link/LinkError.h"
#include "link/RegisterLink.h"

#include "ScriptedRegister.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

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

private:
    void startRegister();

    QString m_address;
    std::unique_ptr<ScriptedRegister> m_register;
    std::unique_ptr<RegisterLink> m_link;
};

// Takes the first free address of 127.0.0.20 to 127.0.0.29, so that two runs side by side do not collide.
void tst_RegisterLink::startRegister()
{
    for (int last = 20; last <= 29; ++last) {
        m_address = QStringLiteral("127.0.0.%1").arg(last);
        m_register = std::make_unique<ScriptedRegister>(m_address);
        if (m_register->isListening())
            return;
    }
    QFAIL("no free address between 127.0.0.20 and 127.0.0.29");
}

void tst_RegisterLink::init()
{
    startRegister();
    m_link = std::make_unique<RegisterLink>();
    m_link->setHost(m_address);
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

    QCOMPARE(m_link->echange(request), QStringLiteral("OK"));

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

    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), reply);
}

void tst_RegisterLink::silentRegisterGivesEmptyReply()
{
    m_register->ignore();
    m_register->replyLine(QStringLiteral("next"));
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), QString());

    QCOMPARE_GE(clock.elapsed(), 650);
    QCOMPARE_LT(clock.elapsed(), 1500);
    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), QStringLiteral("next"));
    QCOMPARE(m_register->connectionCount(), 1);
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
    ExchangeOptions options;
    options.secondRead = secondRead;

    QCOMPARE(m_link->echange(QStringLiteral("ntotal$5$0$1$"), options), reply);
}

void tst_RegisterLink::silentRegisterWithSecondReadCostsTwoTimeouts()
{
    m_register->ignore();
    ExchangeOptions options;
    options.secondRead = true;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->echange(QStringLiteral("code$1$"), options), QString());

    QCOMPARE_GE(clock.elapsed(), 1300);
    QCOMPARE_LT(clock.elapsed(), 2500);
}

void tst_RegisterLink::secondReadPauseIsWaited()
{
    m_register->replyBytes("\r\n12,50\r\n");
    ExchangeOptions options;
    options.secondRead = true;
    options.secondReadPauseMs = 300;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->echange(QStringLiteral("ntotal$5$0$1$"), options), QStringLiteral("12,50"));

    QCOMPARE_GE(clock.elapsed(), 300);
    QCOMPARE_LT(clock.elapsed(), 650);
}

void tst_RegisterLink::pauseIsWaitedBetweenSendingAndReading_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("atLeastMs");
    QTest::addColumn<int>("belowMs");

    QTest::newRow("an immediate reply is read after the pause") << 0 << 300 << 550;
    // a pause taken before sending would add up with the register's answer time
    QTest::newRow("the register answers during the pause") << 500 << 450 << 750;
}

void tst_RegisterLink::pauseIsWaitedBetweenSendingAndReading()
{
    QFETCH(int, delayMs);
    QFETCH(int, atLeastMs);
    QFETCH(int, belowMs);
    m_link->connectToRegister();
    m_register->replyLine(QStringLiteral("OK"));
    m_register->setReplyDelay(delayMs);
    ExchangeOptions options;
    options.pauseMs = 300;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(m_link->echange(QStringLiteral("ec$5$0$1$0$"), options), QStringLiteral("OK"));

    QCOMPARE_GE(clock.elapsed(), atLeastMs);
    QCOMPARE_LT(clock.elapsed(), belowMs);
}

void tst_RegisterLink::staleReadDropsPendingLine()
{
    m_register->replyLine(QStringLiteral("first"));
    m_register->replyLine(QStringLiteral("second"));
    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), QStringLiteral("first"));
    m_register->sendNow("left over\r\n");
    ExchangeOptions options;
    options.staleRead = true;

    QCOMPARE(m_link->echange(QStringLiteral("demanderang$5$0$1$"), options), QStringLiteral("second"));
    QCOMPARE(m_register->requests(), (QStringList{"ad$5$0$1$", "demanderang$5$0$1$"}));
}

void tst_RegisterLink::staleReadWithNothingPendingCostsReadTimeout()
{
    m_register->replyLine(QStringLiteral("OK"));
    ExchangeOptions options;
    options.staleRead = true;
    QElapsedTimer clock;
    clock.start();

    // the stale read is over before the request goes out, so it cannot take the reply
    QCOMPARE(m_link->echange(QStringLiteral("tableocc"), options), QStringLiteral("OK"));

    QCOMPARE_GE(clock.elapsed(), 650);
    QCOMPARE_LT(clock.elapsed(), 1500);
}

void tst_RegisterLink::overLongLineFailsAndNextExchangeReconnects()
{
    m_register->replyBytes(QByteArray(WireCodec::MaxLineLength + 1, 'x'));
    m_register->replyLine(QStringLiteral("OK"));

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->echange(QStringLiteral("aform1")));

    QCOMPARE(m_link->echange(QStringLiteral("rang1")), QStringLiteral("OK"));
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::registerClosingMidExchangeFails()
{
    m_register->closeConnection();
    m_register->replyLine(QStringLiteral("OK"));

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->echange(QStringLiteral("ad$5$0$1$")));

    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), QStringLiteral("OK"));
    QCOMPARE(m_register->connectionCount(), 2);
}

void tst_RegisterLink::exchangeReconnectsAfterRegisterRestarted()
{
    m_register->replyLine(QStringLiteral("first"));
    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), QStringLiteral("first"));
    m_register.reset();
    m_register = std::make_unique<ScriptedRegister>(m_address);
    QVERIFY(m_register->isListening());
    m_register->replyLine(QStringLiteral("second"));

    QCOMPARE(m_link->echange(QStringLiteral("ad$5$0$1$")), QStringLiteral("second"));
    QCOMPARE(m_register->connectionCount(), 1);
}

void tst_RegisterLink::refusedConnectionFails()
{
    m_register->stopListening();
    m_link->setConnectTimeout(500);
    QElapsedTimer clock;
    clock.start();

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->echange(QStringLiteral("ve01$")));

    QCOMPARE_LT(clock.elapsed(), 1000);
    QVERIFY(!m_link->connected());
    QCOMPARE(m_register->connectionCount(), 0);
}

void tst_RegisterLink::emptyHostFails()
{
    m_link->setHost(QString());

    QVERIFY_THROWS_EXCEPTION(LinkError, m_link->echange(QStringLiteral("ve01$")));
    QCOMPARE(m_register->connectionCount(), 0);
}

void tst_RegisterLink::connectionIsReusedUnlessFresh()
{
    m_register->replyLine(QStringLiteral("a"));
    m_register->replyLine(QStringLiteral("b"));
    m_register->replyLine(QStringLiteral("c"));

    QCOMPARE(m_link->echange(QStringLiteral("1$")), QStringLiteral("a"));
    QCOMPARE(m_link->echange(QStringLiteral("2$")), QStringLiteral("b"));
    QCOMPARE(m_register->connectionCount(), 1);

    ExchangeOptions options;
    options.fresh = true;
    QCOMPARE(m_link->echange(QStringLiteral("ve01$"), options), QStringLiteral("c"));
    QCOMPARE(m_register->connectionCount(), 2);
    QVERIFY(m_link->connected());
}

QTEST_GUILESS_MAIN(tst_RegisterLink)

#include "tst_registerlink.moc"
