#include "link/WireCodec.h"

#include <QTest>

class tst_WireCodec final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodeRequest_data();
    void encodeRequest();
    void takeLine_data();
    void takeLine();
    void lineEnding();
};

void tst_WireCodec::encodeRequest_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("ASCII goes out untouched with CR LF appended") << "ve01$" << QByteArray("ve01$\r\n");
    QTest::newRow("empty request is a bare CR LF") << "" << QByteArray("\r\n");
    QTest::newRow("control characters and DEL are not translated")
        << QString::fromLatin1("a\tb\x7f") << QByteArray("a\tb\x7f\r\n");
    QTest::newRow("an accented letter becomes one question mark") << "Café$" << QByteArray("Caf?$\r\n");
    QTest::newRow("U+0080 is the first character replaced") << QString(QChar(0x80)) << QByteArray("?\r\n");
    QTest::newRow("a character outside the BMP becomes one question mark") << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                                                "b")
                                                                           << QByteArray("a?b\r\n");
    QTest::newRow("a dollar inside a field is not escaped") << "adc$5$0$1$a$b$" << QByteArray("adc$5$0$1$a$b$\r\n");
}

void tst_WireCodec::encodeRequest()
{
    QFETCH(QString, request);
    QFETCH(QByteArray, expected);

    QCOMPARE(WireCodec::encodeRequest(request), expected);
}

void tst_WireCodec::takeLine_data()
{
    QTest::addColumn<QByteArrayList>("appends");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("tooLong");

    const QByteArray longest(WireCodec::MaxLineLength, 'x');
    const QString longestText(WireCodec::MaxLineLength, QLatin1Char('x'));
    const QByteArray overLong = longest + 'x';

    QTest::newRow("CR LF ends a line") << QByteArrayList{"abc\r\n"} << QStringList{"abc"} << false;
    QTest::newRow("LF alone ends a line") << QByteArrayList{"abc\n"} << QStringList{"abc"} << false;
    QTest::newRow("an empty line is read as empty") << QByteArrayList{"\r\n"} << QStringList{""} << false;
    QTest::newRow("a lone CR inside a line is kept") << QByteArrayList{"a\rb\r\n"} << QStringList{"a\rb"} << false;
    QTest::newRow("only one CR before the LF is removed") << QByteArrayList{"a\r\r\n"} << QStringList{"a\r"} << false;
    QTest::newRow("a byte above 0x7F becomes U+FFFD")
        << QByteArrayList{"Caf\xE9\x7F\r\n"} << QStringList{QStringLiteral("Caf\uFFFD\x7F")} << false;
    QTest::newRow("no LF yet gives no line") << QByteArrayList{"abc\r"} << QStringList{} << false;
    QTest::newRow("a line split across appends is taken once whole")
        << QByteArrayList{"ab", "c\r", "\nde"} << QStringList{"abc"} << false;
    QTest::newRow("two lines in one append are taken in order")
        << QByteArrayList{"a\r\nb\n"} << QStringList{"a", "b"} << false;
    QTest::newRow("16384 characters with LF are a line")
        << QByteArrayList{longest + '\n'} << QStringList{longestText} << false;
    QTest::newRow("16384 characters with CR LF are a line")
        << QByteArrayList{longest + "\r\n"} << QStringList{longestText} << false;
    QTest::newRow("16384 characters whose CR comes before its LF are a line")
        << QByteArrayList{longest + '\r', "\n"} << QStringList{longestText} << false;
    QTest::newRow("16384 characters without LF wait for more") << QByteArrayList{longest} << QStringList{} << false;
    QTest::newRow("16385 characters with LF are too long") << QByteArrayList{overLong + '\n'} << QStringList{} << true;
    QTest::newRow("16385 characters without LF are too long") << QByteArrayList{overLong} << QStringList{} << true;
    QTest::newRow("16385 characters in pieces are too long")
        << QByteArrayList{longest.left(10000), longest.mid(10000) + 'x'} << QStringList{} << true;
    QTest::newRow("a short line before an over-long one is still taken")
        << QByteArrayList{"ok\n" + overLong} << QStringList{"ok"} << true;
}

void tst_WireCodec::takeLine()
{
    QFETCH(QByteArrayList, appends);
    QFETCH(QStringList, lines);
    QFETCH(bool, tooLong);

    LineBuffer buffer;
    QStringList taken;
    bool sawTooLong = false;
    for (const QByteArray& bytes : appends) {
        buffer.append(bytes);
        QString line;
        LineBuffer::Status status;
        while ((status = buffer.takeLine(line)) == LineBuffer::Status::Line)
            taken.append(line);
        sawTooLong = status == LineBuffer::Status::TooLong;
        if (sawTooLong)
            break;
    }

    QCOMPARE(taken, lines);
    QCOMPARE(sawTooLong, tooLong);
}

// How each line ended, for a check of the register: CR LF, LF alone, an empty line, a CR kept in the line.
void tst_WireCodec::lineEnding()
{
    LineBuffer buffer;
    buffer.append("a\r\nb\n\r\nc\r\r\n\n");
    QString line;
    QList<bool> endedWithCr;
    while (buffer.takeLine(line) == LineBuffer::Status::Line)
        endedWithCr.append(buffer.lastLineEndedWithCr());
    QCOMPARE(endedWithCr, (QList<bool>{true, false, true, true, false}));
}

QTEST_GUILESS_MAIN(tst_WireCodec)

#include "tst_wirecodec.moc"
