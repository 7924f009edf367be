#include "Recording.h"
#include "Replay.h"
#include "SimTest.h"

#include <QTemporaryDir>
#include <QTest>

using namespace sim;

// The recording file of the relay: what a line holds, and how a replay takes its exchanges back.
class tst_SimRecording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineKeepsTheExchange_data();
    void lineKeepsTheExchange();
    void replayAnswersByKindInOrder();
    void relayOptionsRefused_data();
    void relayOptionsRefused();
};

void tst_SimRecording::lineKeepsTheExchange_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("written"); // the request and reply fields of the line

    QTest::newRow("plain text as it is") << "ad$12$4$1$"
                                         << "Table 12~TOTAL 43,00"
                                         << "ad$12$4$1$\tTable 12~TOTAL 43,00";
    QTest::newRow("a tab and a backslash escaped") << "adc$1$0$1$a\tb\\c$"
                                                   << "OK"
                                                   << "adc$1$0$1$a\\tb\\\\c$\tOK";
    QTest::newRow("a byte above 0x7F and a control character as \\xHH")
        << QStringLiteral("adi$1$0$1$caf\u00e9$") << QStringLiteral("\u0001") << "adi$1$0$1$caf\\xe9$\t\\x01";
    QTest::newRow("an empty reply") << "suitesss$12$1$"
                                    << ""
                                    << "suitesss$12$1$\t";
}

void tst_SimRecording::lineKeepsTheExchange()
{
    QFETCH(QString, request);
    QFETCH(QString, reply);
    QFETCH(QString, written);

    const Recording::Entry entry{Recording::Kind::Exchange, 3, 12.5, 104, request, reply};
    const QString line = Recording::line(entry);
    QCOMPARE(line, QStringLiteral("=\t3\t12.500\t104\t") + written);
    Recording::Entry read;
    QVERIFY(Recording::parse(line, read));
    QCOMPARE(read.connection, 3);
    QCOMPARE(read.ms, 104);
    QCOMPARE(read.request, request);
    QCOMPARE(read.reply, reply);
    QVERIFY(!Recording::parse(QStringLiteral("# kind\tconnection\tseconds\tms\trequest\treply"), read));
}

void tst_SimRecording::replayAnswersByKindInOrder()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("soiree.rec"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# a hand-written recording\n"
               "=\t1\t0.100\t2\tcode1$1$****$\tcode1;1;\n"
               "=\t1\t0.200\t100\tad$12$4$1$\tfirst ticket\n"
               "+\t1\t0.300\t-\t\tFIN\n"
               "=\t1\t0.400\t1\t2$12$4$1$1$\tticket with a kir\n"
               "=\t1\t0.500\t100\tad$12$4$1$\tsecond ticket\n"
               "!\t1\t0.600\t-\tntotal$12$4$1$\t\n");
    file.close();
    QStringList log;
    Replay replay([&log](const QString& line) { log.append(line); });
    QString error;
    QVERIFY2(replay.load(path, error), qPrintable(error));
    const auto plain = [] { return QStringLiteral("plain"); };

    // a masked code stands for any code; every kind keeps its own order
    QCOMPARE(replay.answer(QStringLiteral("code1$1$4826$"), plain).reply, QStringLiteral("code1;1;"));
    const Replay::Answer first = replay.answer(QStringLiteral("ad$12$4$1$"), plain);
    QCOMPARE(first.reply, QStringLiteral("first ticket"));
    QCOMPARE(first.following, QStringList{QStringLiteral("FIN")});
    QCOMPARE(replay.answer(QStringLiteral("ad$12$4$1$"), plain).reply, QStringLiteral("second ticket"));
    // every article number is one kind of request
    QCOMPARE(replay.answer(QStringLiteral("552$12$4$1$0$"), plain).reply, QStringLiteral("ticket with a kir"));
    QCOMPARE(log, QStringList{QStringLiteral("replay: differs: recorded \"2$12$4$1$1$\", received \"552$12$4$1$0$\"")});
    QVERIFY(!replay.answer(QStringLiteral("ntotal$12$4$1$"), plain).answered);
    // beyond the recording, the plain register answers
    QCOMPARE(replay.answer(QStringLiteral("ad$12$4$1$"), plain).reply, QStringLiteral("plain"));
    QCOMPARE(log.size(), 2);
    QVERIFY(log.constLast().startsWith(QStringLiteral("replay: not recorded \"ad$12$4$1$\"")));
}

void tst_SimRecording::relayOptionsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("a relay that records nothing") << QStringList{"--relay", "192.168.1.20"} << "--relay needs --record";
    QTest::newRow("a recording without a relay") << QStringList{"--record", "soiree.rec"} << "--record needs --relay";
    QTest::newRow("a register port out of range")
        << QStringList{"--relay", "192.168.1.20:70000", "--record", "soiree.rec"} << "invalid register";
    QTest::newRow("a relay that replays")
        << QStringList{"--relay", "192.168.1.20", "--record", "a.rec", "--replay", "b.rec"}
        << "--replay and --relay do not go together";
}

void tst_SimRecording::relayOptionsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    SimTest::verifyRefused(arguments, message);
}

QTEST_GUILESS_MAIN(tst_SimRecording)
#include "tst_simrecording.moc"
