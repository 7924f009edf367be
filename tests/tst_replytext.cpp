#include "link/ReplyText.h"

#include <QTest>

class tst_ReplyText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void strReplace_data();
    void strReplace();
    void field();
};

void tst_ReplyText::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty text gives no element") << ""
                                                 << "$" << QStringList{};
    QTest::newRow("text without separator is one element") << "a"
                                                           << "$" << QStringList{"a"};
    QTest::newRow("two fields") << "a$b"
                                << "$" << QStringList{"a", "b"};
    QTest::newRow("trailing separator adds nothing") << "a$b$"
                                                     << "$" << QStringList{"a", "b"};
    QTest::newRow("double separator keeps an empty field") << "a$$b"
                                                           << "$" << QStringList{"a", "", "b"};
    QTest::newRow("leading separator keeps an empty first field") << "$a"
                                                                  << "$" << QStringList{"", "a"};
    QTest::newRow("separator alone is one empty field") << "$"
                                                        << "$" << QStringList{""};
    QTest::newRow("double trailing separator keeps one empty field") << "a$$"
                                                                     << "$" << QStringList{"a", ""};
    QTest::newRow("list with a trailing semicolon has two elements") << "a;b;"
                                                                     << ";" << QStringList{"a", "b"};
    QTest::newRow("list with an empty middle element has three") << "a;;b"
                                                                 << ";" << QStringList{"a", "", "b"};
    QTest::newRow("absent separator gives the whole text") << "a;b"
                                                           << "~" << QStringList{"a;b"};
    QTest::newRow("empty separator gives the whole text") << "a$b"
                                                          << "" << QStringList{"a$b"};
    QTest::newRow("empty text with empty separator gives no element") << ""
                                                                      << "" << QStringList{};
    QTest::newRow("several-character separator is matched whole") << "a$b$$c"
                                                                  << "$$" << QStringList{"a$b", "c"};
    QTest::newRow("a lone character of a longer separator does not split") << "aUbU"
                                                                           << "UU" << QStringList{"aUbU"};
    QTest::newRow("separators are matched left to right without overlap") << "a$$$b"
                                                                          << "$$" << QStringList{"a", "$b"};
    QTest::newRow("match is case-sensitive") << "aUbuc"
                                             << "U" << QStringList{"a", "buc"};
    QTest::newRow("space separator") << " x  y"
                                     << " " << QStringList{"", "x", "", "y"};
}

void tst_ReplyText::split()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, expected);

    QCOMPARE(Split(text, separator), expected);
}

void tst_ReplyText::strReplace_data()
{
    QTest::addColumn<QString>("substring");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tildes become line feeds") << "~"
                                              << "\n"
                                              << "1 Café~2 Eau~"
                                              << "1 Café\n2 Eau\n";
    QTest::newRow("empty replacement deletes every occurrence") << ";"
                                                                << ""
                                                                << "x;y;"
                                                                << "xy";
    QTest::newRow("occurrences do not overlap") << "aa"
                                                << "b"
                                                << "aaa"
                                                << "ba";
    QTest::newRow("empty substring leaves the text unchanged") << ""
                                                               << "x"
                                                               << "abc"
                                                               << "abc";
    QTest::newRow("absent substring leaves the text unchanged") << "~"
                                                                << "\n"
                                                                << "abc"
                                                                << "abc";
    QTest::newRow("inserted replacement is not searched again") << "a"
                                                                << "aa"
                                                                << "aba"
                                                                << "aabaa";
    QTest::newRow("replacement that forms a new occurrence is kept") << "ab"
                                                                     << "a"
                                                                     << "aabb"
                                                                     << "aab";
    QTest::newRow("match is case-sensitive") << "a"
                                             << "x"
                                             << "aA"
                                             << "xA";
    QTest::newRow("empty text stays empty") << "~"
                                            << "\n"
                                            << ""
                                            << "";
}

void tst_ReplyText::strReplace()
{
    QFETCH(QString, substring);
    QFETCH(QString, replacement);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(StrReplace(substring, replacement, text), expected);
}

void tst_ReplyText::field()
{
    const QStringList fields = Split(QStringLiteral("a$b"), QStringLiteral("$"));

    QCOMPARE(::field(fields, 1), QStringLiteral("b"));
    QCOMPARE(::field(fields, 2), QString());
    QCOMPARE(::field(fields, -1), QString());
}

QTEST_GUILESS_MAIN(tst_ReplyText)

#include "tst_replytext.moc"
