// One terminal of the soak: a real window against the register simulator, driven for a given time by taps on its
// controls, found by their names, in a service chosen from a seed: waiters log in, take tables from the lists and
// the plan, give covers, order with courses, options and supplements, change lines, send to the kitchen, compose
// set menus, finalise, pay and write to the register. Every message box is dismissed as a waiter would, and the
// service goes on from whatever screen the terminal shows. At the end it prints its figures on one line.
// Usage: soak_terminal --port P --data restaurant.json --seed S --terminal I --seconds T --folder DIR --log FILE
//        soak_terminal --prepare --port P --folder DIR --log FILE   (downloads the catalogue into DIR, then ends)

#include "app/MainWindow.h"
#include "link/RegisterLink.h"
#include "session/ExchangePlans.h"
#include "session/Session.h"
#include "settings/SettingsSlots.h"
#include "widgets/CatalogueKey.h"
#include "widgets/HandlerGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator64>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const QString Address = QStringLiteral("127.0.0.1");

constexpr int HoldBoundMs = ExchangePlans::TapHoldBoundMs;
constexpr int BeatMs = 20;
constexpr int RestartPauseMs = 20000;
constexpr int StartRetryMinMs = 1000;
constexpr int StartRetryMaxMs = 3000;
constexpr int PrepareMs = 120000;

QFile* logFile = nullptr;
qint64 exchangesEnded = 0;
QElapsedTimer runClock;

void writeLog(const QString& line)
{
    if (!logFile)
        return;
    logFile->write(QStringLiteral("%1 %2\n").arg(double(runClock.elapsed()) / 1000.0, 0, 'f', 3).arg(line).toUtf8());
}

// The link logs one line at the end of each exchange, in full or failed.
void logMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (context.category && std::strcmp(context.category, "commande.link") == 0) {
        if (text.endsWith(QLatin1String(" ms in all)")) || text.contains(QLatin1String(" failed ")))
            ++exchangesEnded;
        writeLog(QStringLiteral("link: ") + text);
        return;
    }
    writeLog(QStringLiteral("qt: ") + text);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}

struct Waiter
{
    int number = 0;
    QString code;
};

std::vector<Waiter> readWaiters(const QString& path)
{
    QFile file(path);
    std::vector<Waiter> waiters;
    if (!file.open(QIODevice::ReadOnly))
        return waiters;
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("waiters")).toArray();
    for (const QJsonValue& entry : list) {
        const QJsonObject waiter = entry.toObject();
        waiters.push_back(
            {waiter.value(QStringLiteral("number")).toInt(), waiter.value(QStringLiteral("code")).toString()});
    }
    return waiters;
}

class SoakDriver final : public QObject
{
public:
    SoakDriver(const QString& folder, quint16 port, std::vector<Waiter> waiters, quint64 seed, qint64 seconds)
        : m_folder(folder), m_port(port), m_waiters(std::move(waiters)), m_random(seed), m_endMs(seconds * 1000)
    {
        m_beat.setTimerType(Qt::PreciseTimer);
        m_beat.setInterval(BeatMs);
        connect(&m_beat, &QTimer::timeout, this, [this] { beat(); });
        m_tick.setSingleShot(true);
        connect(&m_tick, &QTimer::timeout, this, [this] { tick(); });
        openTerminal();
    }

    void start()
    {
        m_lastBeatMs = runClock.elapsed();
        m_beat.start();
        m_tick.start(200);
    }

    void printFigures(int terminal) const
    {
        std::printf("soak-terminal %d: actions=%lld messages=%lld held=%lld wrong-header=%lld longest-hold-ms=%lld "
                    "exchanges=%lld restarts=%lld bound-ms=%d\n",
                    terminal, m_actions, m_messages, m_held, m_wrongHeaders, m_longestGapMs, exchangesEnded, m_restarts,
                    HoldBoundMs);
        std::fflush(stdout);
    }

private:
    void openTerminal()
    {
        m_form = std::make_unique<MainWindow>(m_folder);
        m_form->link().setPort(m_port);
        m_form->show();
        m_form->activateWindow();
    }

    // A terminal left without product keys by a catalogue load the register broke off can take no order: the waiter
    // starts it again, as he would on the tablet.
    bool restartWithoutKeys()
    {
        if (!m_form->findChildren<CatalogueKey*>(QRegularExpression(QStringLiteral("^bbutton"))).isEmpty() ||
            runClock.elapsed() - m_lastRestartMs < RestartPauseMs)
            return false;
        m_lastRestartMs = runClock.elapsed();
        ++m_restarts;
        act(QStringLiteral("terminal started again: no product keys"));
        m_form.reset();
        openTerminal();
        return true;
    }

    // The screen cannot be drawn nor touched between two beats: a gap longer than the bound is a screen held past
    // it.
    void beat()
    {
        const qint64 now = runClock.elapsed();
        const qint64 gap = now - m_lastBeatMs;
        const qint64 exchanges = exchangesEnded - m_exchangesAtBeat;
        m_lastBeatMs = now;
        m_exchangesAtBeat = exchangesEnded;
        m_longestGapMs = std::max(m_longestGapMs, gap);
        if (gap > HoldBoundMs) {
            ++m_held;
            writeLog(
                QStringLiteral("HELD: %1 ms with %2 exchanges, during %3").arg(gap).arg(exchanges).arg(m_lastAction));
        }
    }

    void tick()
    {
        // armed first: a handler that runs a message box or pumps events meets the next tick inside it
        m_tick.start(int(m_random.bounded(30, 120)));
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dismiss(modal);
            return;
        }
        if (m_form->guard().busy()) {
            // an impatient waiter: the guard drops these
            if (!m_inStep && m_random.bounded(10) == 0)
                tapAnyKey();
            return;
        }
        if (m_inStep)
            return;
        if (runClock.elapsed() >= m_endMs) {
            m_tick.stop();
            m_beat.stop();
            QCoreApplication::exit(0);
            return;
        }
        m_inStep = true;
        step();
        m_inStep = false;
        if (!m_form->guard().busy() && !QApplication::activeModalWidget())
            checkHeader();
    }

    void dismiss(QWidget* modal)
    {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QAbstractButton* ok = box && !box->buttons().isEmpty() ? box->buttons().first() : nullptr;
        ++m_messages;
        writeLog(QStringLiteral("message: ") + (box ? box->text() : modal->objectName()));
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            modal->close();
    }

    // The ticket on screen must be the one of the session's table, or of the waiter's account when it has none.
    void checkHeader()
    {
        auto* ticket = find<QWidget>(QStringLiteral("ticket"));
        if (m_form->frontView() != ticket)
            return;
        const QString text = find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText();
        static const QRegularExpression tableLine(QStringLiteral("^Table (\\d+)\\b"));
        // a register may put lines of its own above the one that names the table
        QString header;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (tableLine.match(line).hasMatch() || line.startsWith(QLatin1String("Compte "))) {
                header = line;
                break;
            }
        }
        const QRegularExpressionMatch table = tableLine.match(header);
        const QString sessionTable = m_form->session().table();
        bool wrong = false;
        if (table.hasMatch())
            wrong = table.captured(1) != sessionTable;
        else if (header.startsWith(QLatin1String("Compte ")))
            wrong = sessionTable != QLatin1String("0");
        const QString seen = sessionTable + QLatin1Char('|') + text;
        if (wrong && seen != m_lastWrong) {
            ++m_wrongHeaders;
            writeLog(
                QStringLiteral("WRONG HEADER: table %1 shows \"%2\" after %3").arg(sessionTable, header, m_lastAction));
        }
        m_lastWrong = wrong ? seen : QString();
    }

    template <typename T> T* find(const QString& name) const { return m_form->findChild<T*>(name); }

    bool shown(const QString& name) const
    {
        const QWidget* widget = find<QWidget>(name);
        return widget && widget->isVisible();
    }

    int pick(int bound) { return int(m_random.bounded(bound)); }

    bool chance(int percent) { return pick(100) < percent; }

    void tap(const QString& name)
    {
        auto* widget = find<QWidget>(name);
        if (!widget || !widget->isVisible() || !widget->isEnabled())
            return;
        act(name);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    void tap(QWidget* widget)
    {
        act(widget->objectName());
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // Each touch, key typed into a box or start of the terminal is one action.
    void act(const QString& what)
    {
        ++m_actions;
        m_lastAction = what;
        writeLog(QStringLiteral("tap ") + what);
    }

    void touchEntry(QListWidget* list, int row)
    {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        act(QStringLiteral("%1 row %2").arg(list->objectName()).arg(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

    // Touches some entries of a check-mark list, then its button.
    void tickAndValidate(const QString& listName, const QString& buttonName, int percent)
    {
        auto* list = find<QListWidget>(listName);
        for (int row = 0; list && row < list->count(); ++row) {
            if (chance(percent))
                touchEntry(list, row);
        }
        tap(buttonName);
    }

    // One touch where the screen on show lets one go.
    void step()
    {
        if (shown(QStringLiteral("Panel16")))
            return tickAndValidate(QStringLiteral("ListView1"), QStringLiteral("Button32"), 30);
        if (shown(QStringLiteral("Panelsupp")))
            return tickAndValidate(QStringLiteral("ListViewsupp"), QStringLiteral("Button23"), 15);
        if (shown(QStringLiteral("choixrang")))
            return tapVisible(QStringLiteral("btnr"), 7);
        if (shown(QStringLiteral("panel_env_cuis")))
            return tickAndValidate(QStringLiteral("ListViewcuis"), QStringLiteral("Button21"), 40);
        if (shown(QStringLiteral("panelenvoicuis"))) {
            if (chance(20))
                return tap(QStringLiteral("button39"));
            return tapVisible(QStringLiteral("btn_env"), 7);
        }
        if (shown(QStringLiteral("Panel2")))
            return tickAndValidate(QStringLiteral("ListViewrappel"), QStringLiteral("Button14"), 30);
        if (shown(QStringLiteral("Panel12")))
            return chooseFromList(QStringLiteral("choixform"), QString(), QStringLiteral("Button29"));
        if (shown(QStringLiteral("panel_annul"))) {
            static const QStringList keys{QStringLiteral("Button34"), QStringLiteral("Button35"),
                                          QStringLiteral("Button36"), QStringLiteral("Button37"),
                                          QStringLiteral("Button33")};
            return tap(keys.at(pick(int(keys.size()))));
        }
        if (shown(QStringLiteral("Panelcouv")))
            return chooseFromList(QStringLiteral("ListBox1"), QStringLiteral("Button15"), QStringLiteral("Button31"));
        if (shown(QStringLiteral("Panel9")))
            return chooseFromList(QStringLiteral("ListViewtable"), QStringLiteral("Button26"),
                                  QStringLiteral("Button30"));
        if (shown(QStringLiteral("Rectangle11")))
            return typeCode();

        QWidget* front = m_form->frontView();
        const QString view = front ? front->objectName() : QString();
        if (view == QLatin1String("init"))
            return startService();
        if (view == QLatin1String("serveur"))
            return tap(QStringLiteral("s%1").arg(1 + pick(8)));
        if (view == QLatin1String("choixtable"))
            return chooseTable();
        if (view == QLatin1String("plan"))
            return touchPlan();
        if (view == QLatin1String("ticket"))
            return order();
        if (view == QLatin1String("encaissement")) {
            static const QStringList modes{QStringLiteral("cb"), QStringLiteral("ch"), QStringLiteral("ba"),
                                           QStringLiteral("es")};
            return tap(modes.at(pick(int(modes.size()))));
        }
        if (view == QLatin1String("messages"))
            return writeMessage();
        if (view == QLatin1String("formule"))
            return composeSetMenu();
        writeLog(QStringLiteral("no touch for the view \"%1\"").arg(view));
    }

    void tapVisible(const QString& prefix, int count)
    {
        std::vector<QWidget*> keys;
        for (int n = 1; n <= count; ++n) {
            if (auto* key = find<QWidget>(prefix + QString::number(n)); key && key->isVisible())
                keys.push_back(key);
        }
        if (!keys.empty())
            tap(keys.at(size_t(pick(int(keys.size())))));
    }

    void chooseFromList(const QString& listName, const QString& validate, const QString& leave = QString())
    {
        auto* list = find<QListWidget>(listName);
        if (!leave.isEmpty() && (chance(10) || !list || list->count() == 0))
            return tap(leave);
        if (list && list->count() > 0)
            touchEntry(list, pick(list->count()));
        // a dish is chosen by its touch alone
        if (!validate.isEmpty())
            tap(validate);
    }

    void startService()
    {
        // a waiter whose start failed waits a moment before he tries again
        if (runClock.elapsed() < m_nextStartMs)
            return;
        m_nextStartMs = runClock.elapsed() + m_random.bounded(StartRetryMinMs, StartRetryMaxMs);
        auto* address = find<QLineEdit>(QStringLiteral("Edit1"));
        if (address && address->text().isEmpty()) {
            act(QStringLiteral("Edit1 typed"));
            QTest::keyClicks(address, Address);
        }
        tap(QStringLiteral("button4"));
    }

    void typeCode()
    {
        auto* box = find<QLineEdit>(QStringLiteral("Edit3"));
        const int number = m_form->session().waiterNumber();
        QString code;
        for (const Waiter& waiter : m_waiters) {
            if (waiter.number == number)
                code = waiter.code;
        }
        if (chance(10)) {
            // a slip: a wrong code, or none
            if (chance(50)) {
                act(QStringLiteral("Edit3 wrong code"));
                QTest::keyClicks(box, QStringLiteral("1111"));
            }
            return tap(QStringLiteral("Rectangle13"));
        }
        act(QStringLiteral("Edit3 code"));
        // digit by digit: each one completing the code logs the waiter in
        for (const QChar digit : code) {
            if (!box->isVisible())
                break;
            QTest::keyClick(box, digit.toLatin1());
        }
        if (box->isVisible() && chance(50))
            tap(QStringLiteral("Rectangle13"));
    }

    void chooseTable()
    {
        const int r = pick(100);
        if (r < 25)
            return tap(QStringLiteral("button24"));
        if (r < 45)
            return tap(QStringLiteral("button25"));
        if (r < 80)
            return tap(QStringLiteral("button20"));
        if (r < 88)
            return tap(QStringLiteral("button5"));
        if (r < 95)
            return tap(QStringLiteral("button19"));
        tap(QStringLiteral("Button17"));
    }

    void touchPlan()
    {
        if (chance(5))
            return tap(QStringLiteral("Button16"));
        auto* rooms = find<QTabWidget>(QStringLiteral("TabControl1"));
        if (rooms && chance(40))
            rooms->setCurrentIndex(pick(rooms->count()));
        std::vector<QWidget*> tables;
        for (int z = 0; z < 100; ++z) {
            if (auto* table = find<QWidget>(QStringLiteral("btable%1").arg(z)); table && table->isVisible())
                tables.push_back(table);
        }
        if (tables.empty())
            return tap(QStringLiteral("Button16"));
        tap(tables.at(size_t(pick(int(tables.size())))));
    }

    void order()
    {
        if (restartWithoutKeys())
            return;
        const int r = pick(100);
        if (r < 40)
            return tapProduct();
        if (r < 50)
            return touchTicketLine();
        static const std::vector<std::pair<int, QString>> sideKeys{
            {8, QStringLiteral("b4")}, {5, QStringLiteral("b6")}, {4, QStringLiteral("b5")}, {4, QStringLiteral("b12")},
            {4, QStringLiteral("b7")}, {7, QStringLiteral("b8")}, {7, QStringLiteral("b9")}, {3, QStringLiteral("b11")},
            {4, QStringLiteral("b3")}, {3, QStringLiteral("b2")}, {1, QStringLiteral("b10")}};
        int left = r - 50;
        for (const auto& [weight, name] : sideKeys) {
            if (left < weight)
                return tap(name);
            left -= weight;
        }
        tapProduct();
    }

    void tapProduct()
    {
        auto* tabs = find<QTabWidget>(QStringLiteral("TabControl"));
        const int keyboard = 1 + pick(12);
        tabs->setCurrentIndex(keyboard - 1);
        auto* box = find<QScrollArea>(QStringLiteral("VertScrollBox%1").arg(keyboard));
        std::vector<QWidget*> keys;
        for (CatalogueKey* key : box->widget()->findChildren<CatalogueKey*>()) {
            if (key->objectName().startsWith(QLatin1String("bbutton")) && !key->isHidden())
                keys.push_back(key);
        }
        if (keys.empty())
            return;
        QWidget* key = keys.at(size_t(pick(int(keys.size()))));
        box->ensureWidgetVisible(key);
        tap(key);
    }

    void touchTicketLine()
    {
        auto* memo = find<QPlainTextEdit>(QStringLiteral("Memo1"));
        QWidget* viewport = memo->viewport();
        act(QStringLiteral("Memo1 line"));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, pick(std::max(1, viewport->height()))));
    }

    void writeMessage()
    {
        const int r = pick(100);
        if (r < 10)
            return tap(QStringLiteral("CornerButton4"));
        auto* text = find<QLineEdit>(QStringLiteral("Edit4"));
        if (text->text().isEmpty()) {
            act(QStringLiteral("Edit4 typed"));
            QTest::keyClicks(text, chance(50) ? QStringLiteral("Sans oignons") : QStringLiteral("Client presse"));
        }
        tap(r < 55 ? QStringLiteral("cornerbutton2") : QStringLiteral("cornerbutton3"));
    }

    void composeSetMenu()
    {
        if (chance(15))
            return tap(QStringLiteral("CornerButton1"));
        auto* box = find<QScrollArea>(QStringLiteral("HorzScrollBox1"));
        std::vector<QWidget*> cells;
        for (CatalogueKey* cell : box->widget()->findChildren<CatalogueKey*>()) {
            if (cell->objectName().startsWith(QLatin1String("bbbutton")) && cell->isVisible())
                cells.push_back(cell);
        }
        if (cells.empty())
            return tap(QStringLiteral("CornerButton1"));
        QWidget* cell = cells.at(size_t(pick(int(cells.size()))));
        box->ensureWidgetVisible(cell);
        tap(cell);
    }

    void tapAnyKey()
    {
        QWidget* front = m_form->frontView();
        if (!front)
            return;
        std::vector<QWidget*> keys;
        for (QWidget* key : front->findChildren<QWidget*>()) {
            const QString name = key->objectName();
            // the keys that end the terminal or leave the service are not for an impatient waiter
            if (name.isEmpty() || name == QLatin1String("Quitter") || name == QLatin1String("Button28") ||
                name == QLatin1String("Button1") || !key->isVisible())
                continue;
            if (key->inherits("RedKey") || qobject_cast<QPushButton*>(key))
                keys.push_back(key);
        }
        if (!keys.empty()) {
            QWidget* key = keys.at(size_t(pick(int(keys.size()))));
            writeLog(QStringLiteral("impatient tap ") + key->objectName());
            QTest::mouseClick(key, Qt::LeftButton, {}, key->rect().center());
        }
    }

    QString m_folder;
    quint16 m_port;
    std::unique_ptr<MainWindow> m_form;
    std::vector<Waiter> m_waiters;
    QRandomGenerator64 m_random;
    qint64 m_endMs;
    QTimer m_beat;
    QTimer m_tick;
    bool m_inStep = false;
    QString m_lastAction;
    QString m_lastWrong;
    qint64 m_lastBeatMs = 0;
    qint64 m_exchangesAtBeat = 0;
    qint64 m_actions = 0;
    qint64 m_messages = 0;
    qint64 m_held = 0;
    qint64 m_wrongHeaders = 0;
    qint64 m_longestGapMs = 0;
    qint64 m_restarts = 0;
    qint64 m_nextStartMs = 0;
    qint64 m_lastRestartMs = 0;
};

// Starts the terminal on a register without faults until its catalogue is downloaded and saved: the soak's terminals
// start from that file, as tablets already in service do, and download again only when the register's data change.
int prepare(const QString& folder, quint16 port)
{
    MainWindow form(folder);
    form.link().setPort(port);
    form.show();
    form.activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < PrepareMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (form.frontView() && form.frontView()->objectName() == QLatin1String("serveur") &&
            !form.settings()[SettingsSlots::DataStamp].isEmpty())
            return 0;
    }
    std::fprintf(stderr, "soak_terminal: the catalogue was not downloaded\n");
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    runClock.start();
    QCommandLineParser parser;
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("simulator port"), QStringLiteral("P"));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("restaurant data"), QStringLiteral("F"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("seed"), QStringLiteral("S"));
    const QCommandLineOption terminalOption(QStringLiteral("terminal"), QStringLiteral("number"), QStringLiteral("I"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("duration"), QStringLiteral("T"));
    const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("settings"), QStringLiteral("D"));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("log file"), QStringLiteral("F"));
    const QCommandLineOption prepareOption(QStringLiteral("prepare"), QStringLiteral("download the catalogue, stop"));
    parser.addOptions(
        {portOption, dataOption, seedOption, terminalOption, secondsOption, folderOption, logOption, prepareOption});
    parser.process(app);
    const int terminal = parser.value(terminalOption).toInt();
    const QString folder = parser.value(folderOption);

    QFile log(parser.value(logOption));
    if (log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        logFile = &log;
    qInstallMessageHandler(logMessage);
    QLoggingCategory::setFilterRules(QStringLiteral("commande.link.debug=true"));

    if (!QFile::exists(folder + QStringLiteral("/Iquillobrands.dat"))) {
        QFile settings(folder + QStringLiteral("/Iquillobrands.dat"));
        if (!settings.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "soak_terminal: cannot write the settings in %s\n", qPrintable(folder));
            return 2;
        }
        // the address known, so the terminal starts by itself; the plan offered and covers asked; single taps
        settings.write("[data]\n0=" + Address.toLatin1() + "\n1=1\n2=1\n3=1\n4=0\n");
    }
    const quint16 port = quint16(parser.value(portOption).toUInt());
    if (parser.isSet(prepareOption))
        return prepare(folder, port);

    const quint64 seed = parser.value(seedOption).toULongLong() * 1000003ULL + quint64(terminal);
    const qint64 seconds = parser.value(secondsOption).toLongLong();
    int status = 0;
    {
        SoakDriver driver(folder, port, readWaiters(parser.value(dataOption)), seed, seconds);
        driver.start();
        status = QApplication::exec();
        driver.printFigures(terminal);
    }
    writeLog(QStringLiteral("ended"));
    return status;
}
