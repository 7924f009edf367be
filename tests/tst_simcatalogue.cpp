#include "AsciiText.h"
#include "CatalogueReplies.h"
#include "Restaurant.h"
#include "SimTest.h"
#include "SimTickets.h"

#include "link/WireCodec.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRectF>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace sim;
using namespace SimTest;
using namespace SimTickets;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The terminal's splitter: a separator that ends the text adds no empty entry, an empty text gives none.
QStringList terminalSplit(const QString& text, QChar separator)
{
    if (text.isEmpty())
        return {};
    QStringList parts = text.split(separator);
    if (text.endsWith(separator))
        parts.removeLast();
    return parts;
}

// one group of the table plan: the entries of table 1 and table 100, "0" for the 98 tables between
QByteArray tableGroup(const QByteArray& table1, const QByteArray& table100)
{
    QByteArrayList entries(100, "0");
    entries.first() = table1;
    entries.last() = table100;
    return entries.join(';');
}

// A data file with that many products, shared out between the first keyboards.
QByteArray withProducts(int count, int keyboards, const QString& name)
{
    QJsonArray keyboardList;
    for (int keyboard = 1; keyboard <= keyboards; ++keyboard) {
        QJsonArray products;
        for (int article = keyboard; article <= count; article += keyboards) {
            products.append(QJsonObject{{"article", article},
                                        {"name", QStringLiteral("%1 %2").arg(name).arg(article)},
                                        {"colour", "xFF000000"}});
        }
        keyboardList.append(QJsonObject{{"number", keyboard}, {"name", "Tout"}, {"products", products}});
    }
    return QJsonDocument(QJsonObject{{"restaurant", "Chez Paul"}, {"keyboards", keyboardList}}).toJson();
}

// The rectangle the terminal draws a table in, on the 600 x 800 plan seen from the top: 1.2 times the table's
// size, its left edge at left + width, its top edge at 800 - top - height.
QRectF drawn(int left, int top, int width, int height)
{
    return QRectF(left + width, 800 - top - height, 1.2 * width, 1.2 * height);
}

} // namespace

// caisse-sim's restaurant data: the catalogue replies built from it, what it refuses, and its stamp.
class tst_SimCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void stampFollowsTheDataFile();
    void catalogueReplies_data();
    void catalogueReplies();
    void dataFilesServeTheWholeCatalogue_data();
    void dataFilesServeTheWholeCatalogue();
    void loadRejects_data();
    void loadRejects();
    void asciiText_data();
    void asciiText();

private:
    // A small restaurant with the awkward cases: keyboards and waiters missing, an empty kitchen label, an article
    // beyond 800, option lists past the recall group, set menus 1 and 10 only, tables 1 and 100.
    QString m_fixture;
};

void tst_SimCatalogue::initTestCase()
{
    m_fixture = QFINDTESTDATA("data/sim-small.json");
    QVERIFY(!m_fixture.isEmpty());
}

void tst_SimCatalogue::stampFollowsTheDataFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString data = dir.filePath(QStringLiteral("restaurant.json"));
    const QByteArray original = readFile(SimOptions::sampleDataPath());
    QVERIFY(!original.isEmpty());
    QVERIFY(writeFile(data, original));

    const auto server = startServer(optionsFor({QStringLiteral("--data"), data}));
    QVERIFY(server);
    QSignalSpy log(server.get(), &SimServer::logged);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());

    terminal.send("ve01$\r\n");
    const QString first = stampIn(terminal.lines(1));
    QVERIFY(!first.isEmpty());

    QByteArray edited = original;
    edited.replace("Crème brûlée\", \"price\": 800", "Crème brûlée\", \"price\": 850");
    QVERIFY(edited != original);
    QVERIFY(writeFile(data, edited));
    terminal.send("ve01$\r\n");
    const QString second = stampIn(terminal.lines(1));
    QVERIFY(!second.isEmpty());
    QVERIFY(second != first);

    // a file broken while the simulator runs is reported and the last good data stays in service
    QVERIFY(writeFile(data, "{ \"restaurant\": "));
    terminal.send("ve01$\r\n");
    QCOMPARE(stampIn(terminal.lines(1)), second);
    QVERIFY(std::any_of(log.cbegin(), log.cend(), [](const QList<QVariant>& line) {
        return line.at(0).toString().contains(QLatin1String("keeping the previous data"));
    }));

    QVERIFY(writeFile(data, original));
    terminal.send("ve01$\r\n");
    QCOMPARE(stampIn(terminal.lines(1)), first);
}

void tst_SimCatalogue::catalogueReplies_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("expected"); // without the line's CR LF

    QTest::newRow("nongletserveur: twelve tabs, eight waiters, absent ones empty")
        << QByteArray("nongletserveur") << QByteArray("Aperos;Plats;;;;;;;;;;Menus;#Zoe;;Marc;;;;;;");
    QTest::newRow("enc$: cb, ch, ba, es in that order, a for a mode not taken")
        << QByteArray("enc$") << QByteArray("Carte;a;a;Especes");
    QTest::newRow("listesupp: code and name pairs") << QByteArray("listesupp") << QByteArray("4;Frites;9;Creme");
    QTest::newRow("supplement: 800 flags") << QByteArray("supplement") << flags(800, {800});
    QTest::newRow("keyboard 1 is naclav2, cut inside a record")
        << QByteArray("naclav2_1") << QByteArray("PRIX01Kir;0;0;xFFF8BBD0;3;Bie");
    QTest::newRow("keyboard 1 second half ends with the empty record")
        << QByteArray("naclav2_2") << QByteArray("re;0;0;xFFFFE082;1;;;;;;");
    QTest::newRow("keyboard 2 is naclav1, with its option list groups")
        << QByteArray("naclav1_1") << QByteArray("PRIX02Entrecote;1;0;xFF8D6E63;800;");
    QTest::newRow("keyboard 2 second half") << QByteArray("naclav1_2") << QByteArray("Glace;1;6;x00FFFFFF;801;;;;;;");
    QTest::newRow("keyboard 12 first half")
        << QByteArray("naclav12_1") << QByteArray("PRIX12Menu du jour;0;0;xFF80CBC4;552;Me");
    QTest::newRow("keyboard 12 second half")
        << QByteArray("naclav12_2") << QByteArray("nu enfant;0;0;xFF80CBC4;561;;;;;;");
    QTest::newRow("a keyboard the restaurant lacks: the empty record alone")
        << QByteArray("naclav5_1\r\nnaclav5_2") << QByteArray("PRIX05;;\r\n;;;");
    QTest::newRow("there is no keyboard 13") << QByteArray("naclav13_1") << QByteArray();
    QTest::newRow("stgcuis1 keeps an empty label in its place") << QByteArray("stgcuis1") << QByteArray("CUIS01KIR;");
    QTest::newRow("stgcuis2 is keyboard 2") << QByteArray("stgcuis2") << QByteArray("CUIS02ENTRECOTE;GLACE");
    QTest::newRow("stgcuis of a keyboard the restaurant lacks") << QByteArray("stgcuis5") << QByteArray("CUIS05");
    QTest::newRow("limp") << QByteArray("limp") << QByteArray("1$0$2");
    // the terminal shows every recall entry but the last, so the list ends with an empty one
    QTest::newRow("nacuistot: ten groups, the recall messages in group 5 closed by an empty entry")
        << QByteArray("nacuistot") << QByteArray("Saignant;A point#####Suite;Vite;;#Vanille###Oui;Non#");
    QTest::newRow("ctnform: ten groups, rows of article numbers")
        << QByteArray("ctnform") << QByteArray("800;3$801~~~~~~~~~1~");
    QTest::newRow("rang1 covers up to the highest article") << QByteArray("rang1") << flags(801, {1, 3});
    QTest::newRow("rang4") << QByteArray("rang4") << flags(801, {800});
    QTest::newRow("rang6 marks nothing") << QByteArray("rang6") << flags(801, {});
    QTest::newRow("rang7 marks article 801") << QByteArray("rang7") << flags(801, {801});
    QTest::newRow("aform1: rows of dish names") << QByteArray("aform1") << QByteArray("Entrecote;Kir:Glace");
    QTest::newRow("aform2: no such set menu") << QByteArray("aform2") << QByteArray();
    QTest::newRow("aform10 is article 561") << QByteArray("aform10") << QByteArray("Biere");
    QTest::newRow("tablepos$: left, top, height, width, plan, visibility for 100 tables")
        << QByteArray("tablepos$")
        << tableGroup("10", "500") + '$' + tableGroup("20", "700") + '$' + tableGroup("40", "60") + '$' +
               tableGroup("30", "50") + '$' + tableGroup("2", "3") + '$' + tableGroup("1", "1");
}

void tst_SimCatalogue::catalogueReplies()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, expected);

    const auto server = startServer(optionsFor({QStringLiteral("--data"), m_fixture}));
    QVERIFY(server);
    Terminal terminal(server->port());
    QVERIFY(terminal.waitConnected());
    terminal.send(request + "\r\n");
    QCOMPARE(terminal.lines(int(request.count('\n')) + 1), expected + "\r\n");
}

void tst_SimCatalogue::dataFilesServeTheWholeCatalogue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("products");
    QTest::addColumn<int>("tables");

    QTest::newRow("sample") << SimOptions::sampleDataPath() << 151 << 40;
    QTest::newRow("limits") << QStringLiteral(CAISSE_SIM_DATA_DIR "/limits.json") << 801 << 100;
}

// Reads every reply back the way the terminal does.
void tst_SimCatalogue::dataFilesServeTheWholeCatalogue()
{
    QFETCH(QString, path);
    QFETCH(int, products);
    QFETCH(int, tables);

    Restaurant restaurant;
    QString error;
    QVERIFY2(restaurant.load(path, error), qPrintable(error));
    const RestaurantCatalogue& catalogue = restaurant.catalogue();

    QHash<QString, QString> replies;
    for (const auto& [request, builder] : CatalogueReplies::all()) {
        const QString reply = builder(catalogue, Dialect());
        QVERIFY2(reply.size() < WireCodec::MaxLineLength, qPrintable(request));
        QVERIFY2(std::all_of(reply.cbegin(), reply.cend(), [](QChar c) { return c.unicode() <= 0x7F; }),
                 qPrintable(request));
        replies.insert(request, reply);
    }
    // the terminal caches ":" + reply in 2000 characters and reads the cache at its next start
    for (int menu = 1; menu <= RestaurantCatalogue::SetMenus; ++menu)
        QVERIFY(replies.value(QStringLiteral("aform%1").arg(menu)).size() < 2000);

    const QStringList tabs = terminalSplit(replies.value(QStringLiteral("nongletserveur")), QLatin1Char('#'));
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(terminalSplit(tabs.at(0), QLatin1Char(';')).size(), 12);
    QCOMPARE(terminalSplit(tabs.at(1), QLatin1Char(';')).size(), 8);
    QCOMPARE(terminalSplit(replies.value(QStringLiteral("nacuistot")), QLatin1Char('#')).size(), 10);
    QCOMPARE(terminalSplit(QLatin1Char('~') + replies.value(QStringLiteral("ctnform")), QLatin1Char('~')).size(), 11);

    // both halves together, the first without its header, read record by record to the empty one
    int read = 0;
    for (int keyboard = 1; keyboard <= RestaurantCatalogue::Keyboards; ++keyboard) {
        const QString q = QString::number(keyboard == 1 ? 2 : keyboard == 2 ? 1 : keyboard);
        const QString list = replies.value(QStringLiteral("naclav%1_1").arg(q)).mid(6) +
                             replies.value(QStringLiteral("naclav%1_2").arg(q));
        const QStringList fields = terminalSplit(list, QLatin1Char(';'));
        const RestaurantCatalogue::Keyboard* data = catalogue.keyboard(keyboard);
        QVERIFY(data);
        qsizetype i = 0;
        for (const RestaurantCatalogue::Product& product : data->products) {
            QVERIFY(i + 4 < fields.size());
            QCOMPARE(fields.at(i), sim::asciiText(product.name));
            QCOMPARE(fields.at(i + 4).toInt(), product.article);
            i += 5;
        }
        QCOMPARE(fields.mid(i), QStringList(5, QString()));
        const QString labels = replies.value(QStringLiteral("stgcuis%1").arg(keyboard));
        QCOMPARE(terminalSplit(labels.mid(6) + QString(103, QLatin1Char(';')), QLatin1Char(';')).size(),
                 data->products.size() + 102);
        read += int(data->products.size());
    }
    QCOMPARE(read, products);

    const QStringList groups = terminalSplit(replies.value(QStringLiteral("tablepos$")), QLatin1Char('$'));
    QCOMPARE(groups.size(), 6);
    QList<QStringList> entries;
    for (const QString& group : groups) {
        entries.append(terminalSplit(group, QLatin1Char(';')));
        QCOMPARE(entries.constLast().size(), 100);
    }
    QCOMPARE(entries.at(5).count(QStringLiteral("1")), tables);
    // as the terminal draws them, the tables of one room stay on the plan and apart
    const QRectF plan(0, 0, 600, 800);
    for (int a = 0; a < 100; ++a) {
        if (entries.at(5).at(a) != QLatin1String("1"))
            continue;
        const QRectF table =
            drawn(entries[0][a].toInt(), entries[1][a].toInt(), entries[3][a].toInt(), entries[2][a].toInt());
        QVERIFY2(plan.contains(table), qPrintable(QStringLiteral("table %1").arg(a + 1)));
        for (int b = a + 1; b < 100; ++b) {
            if (entries.at(5).at(b) != QLatin1String("1") || entries[4][a] != entries[4][b])
                continue;
            const QRectF other =
                drawn(entries[0][b].toInt(), entries[1][b].toInt(), entries[3][b].toInt(), entries[2][b].toInt());
            QVERIFY2(!table.intersects(other), qPrintable(QStringLiteral("tables %1 and %2").arg(a + 1).arg(b + 1)));
        }
    }
}

void tst_SimCatalogue::loadRejects_data()
{
    QTest::addColumn<QByteArray>("content"); // no content: the file does not exist
    QTest::addColumn<QString>("reason");

    QTest::newRow("a missing file") << QByteArray() << QStringLiteral("cannot read");
    QTest::newRow("broken JSON") << QByteArray("{\"restaurant\": \"Chez Paul\",") << QStringLiteral("not valid JSON");
    QTest::newRow("an array at the top") << QByteArray("[{\"restaurant\": \"Chez Paul\"}]")
                                         << QStringLiteral("no \"restaurant\" name");
    QTest::newRow("no restaurant name") << QByteArray("{\"waiters\": []}") << QStringLiteral("no \"restaurant\" name");
    QTest::newRow("an empty restaurant name")
        << QByteArray("{\"restaurant\": \"\"}") << QStringLiteral("no \"restaurant\" name");

    // what the terminal could not read, each named by where it is in the file
    const auto fixtureWith = [this](const char* from, const char* to) {
        QByteArray changed = readFile(m_fixture);
        return changed.replace(from, to);
    };
    QTest::newRow("an article used twice") << fixtureWith("\"article\": 1,", "\"article\": 3,")
                                           << QStringLiteral("keyboards[0].products[1].article: 3 is used twice");
    QTest::newRow("an article in the supplements' range")
        << fixtureWith("\"article\": 1,", "\"article\": 942,") << QStringLiteral("keyboards[0].products[1].article");
    QTest::newRow("a colour without its alpha")
        << fixtureWith("xFFF8BBD0", "xF8BBD0") << QStringLiteral("keyboards[0].products[0].colour");
    QTest::newRow("a separator in a name")
        << fixtureWith("\"Kir\"", "\"Kir; royal\"") << QStringLiteral("products[0].name: \"Kir; royal\" holds \";\"");
    QTest::newRow("a product naming an option list that does not exist")
        << fixtureWith("\"kitchenOptions\": 6", "\"kitchenOptions\": 7") << QStringLiteral("no option list 7");
    QTest::newRow("supplements past article 800")
        << fixtureWith("\"kitchenOptions\": 6", "\"kitchenOptions\": 6, \"supplements\": true")
        << QStringLiteral("keyboards[1].products[1].supplements");
    QTest::newRow("a set menu outside 552-561")
        << fixtureWith("{\"article\": 561, \"name\": \"Menu enfant\", \"steps\"",
                       "{\"article\": 562, \"name\": \"Menu enfant\", \"steps\"")
        << QStringLiteral("setMenus[1].article");
    QTest::newRow("a set menu that is on no keyboard")
        << fixtureWith("\"article\": 561, \"name\": \"Menu enfant\", \"colour\"",
                       "\"article\": 560, \"name\": \"Menu enfant\", \"colour\"")
        << QStringLiteral("setMenus[1].article: 561 is on no keyboard");
    QTest::newRow("a dish that is on no keyboard")
        << fixtureWith("[800, 3]", "[800, 4]") << QStringLiteral("setMenus[0].steps[0].articles[1]");
    QTest::newRow("a table past 100") << fixtureWith("\"number\": 100", "\"number\": 101")
                                      << QStringLiteral("rooms[1].tables[0].number");
    QTest::newRow("a table past the plan's edge")
        << fixtureWith("\"left\": 500", "\"left\": 560") << QStringLiteral("rooms[1].tables[0].width");
    QTest::newRow("a waiter code holding a 0")
        << fixtureWith("\"code\": \"1234\"", "\"code\": \"1204\"") << QStringLiteral("waiters[0].code");
    QTest::newRow("a waiter code of three digits")
        << fixtureWith("\"code\": \"1234\"", "\"code\": \"123\"") << QStringLiteral("waiters[0].code");
    QTest::newRow("a ticket line of an article on no keyboard")
        << fixtureWith("\"width\": 30, \"height\": 40}",
                       "\"width\": 30, \"height\": 40, \"ticket\": {\"waiter\": 1, \"lines\": [{\"article\": 2}]}}")
        << QStringLiteral("rooms[0].tables[0].ticket.lines[0].article: 2 is on no keyboard");
    QTest::newRow("a ticket without its waiter")
        << fixtureWith("\"width\": 30, \"height\": 40}", "\"width\": 30, \"height\": 40, \"ticket\": {}}")
        << QStringLiteral("rooms[0].tables[0].ticket.waiter");
    QTest::newRow("802 products") << withProducts(802, 2, QStringLiteral("Plat"))
                                  << QStringLiteral("keyboards[1].products: more than 801 products in all");
    QTest::newRow("a product list too long for one line")
        << withProducts(801, 1, QStringLiteral("Plat du jour avec un nom assez long pour tout remplir"))
        << QStringLiteral("the reply to \"naclav2_1\" would be");
}

void tst_SimCatalogue::loadRejects()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("restaurant.json"));
    if (!content.isEmpty())
        QVERIFY(writeFile(path, content));

    Restaurant restaurant;
    QString error;
    QVERIFY(!restaurant.load(path, error));
    QVERIFY2(error.contains(reason) && error.contains(path), qPrintable(error));
}

void tst_SimCatalogue::asciiText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("accents are dropped") << QStringLiteral("Crème brûlée, café, Île flottante, Noël")
                                         << QStringLiteral("Creme brulee, cafe, Ile flottante, Noel");
    QTest::newRow("c cedilla") << QStringLiteral("Façon garçon") << QStringLiteral("Facon garcon");
    QTest::newRow("ligatures are spelt out")
        << QStringLiteral("Bœuf, Œufs, ex æquo") << QStringLiteral("Boeuf, OEufs, ex aequo");
    QTest::newRow("French quotes and no-break spaces")
        << QStringLiteral("«\u00A0Menu\u00A0» à 29\u202F€") << QStringLiteral("\" Menu \" a 29 EUR");
    QTest::newRow("typographic apostrophe and dash")
        << QStringLiteral("Jus d’orange – pressé") << QStringLiteral("Jus d'orange - presse");
    QTest::newRow("ASCII and the separators pass unchanged")
        << QStringLiteral("1 Cafe~2 Eau;$#:U 12.50") << QStringLiteral("1 Cafe~2 Eau;$#:U 12.50");
    QTest::newRow("what has no ASCII form becomes ?") << QStringLiteral("寿司 \uFFFD") << QStringLiteral("?? ?");
    QTest::newRow("empty") << QString() << QString();
}

void tst_SimCatalogue::asciiText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(sim::asciiText(text), expected);
}

QTEST_GUILESS_MAIN(tst_SimCatalogue)
#include "tst_simcatalogue.moc"
