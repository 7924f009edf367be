// One terminal of the soak: a real window against the register simulator, driven for a given time by taps on its
// controls, found by their names, in a service chosen from a seed: waiters log in, take tables from the lists and
// the plan, give covers, order with courses, options and supplements, change lines, send to the kitchen, compose
// set menus, finalise, pay and write to the register. Every message box is dismissed as a waiter would, and the
// service goes on from whatever screen the terminal shows. At the end it prints its figures on one line.
// Each time the screen is held through exchanges (a tap, or one stretch of a handler that lets events through) it is
// held to its own bound. The simulator's log tells the pace of each connection and the faults: a tap that met a
// paced register and no fault is held to the waits the plans of its requests give plus the pace, and must show no
// message of the link nor the start view; a tap where the register was found gone frees the screen within
// HoldBoundMs of it; any other within HoldBoundMs, or the waits its requests were given when longer.
// Usage: soak_terminal --port P --data restaurant.json --seed S --terminal I --seconds T --folder DIR --log FILE
//                      [--sim-log FILE]
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
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
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
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

const QString Address = QStringLiteral("127.0.0.1");

constexpr int HoldBoundMs = ExchangePlans::TapHoldBoundMs;
constexpr int BeatMs = 20;
constexpr int RestartPauseMs = 20000;
constexpr int StartRetryMinMs = 1000;
constexpr int StartRetryMaxMs = 3000;
constexpr int PrepareMs = 120000;
// What a tap at a paced register may take besides the waits of its exchanges: drawing, the handlers' own work, and
// the loaded machine (twenty terminals and the simulator on two cores).
constexpr int PacedSlackMs = 1000;
constexpr int PacedSlackPerExchangeMs = 20;

QFile* logFile = nullptr;
qint64 exchangesEnded = 0;
QElapsedTimer runClock;

// One exchange as the link logged it at its end.
struct EndedExchange
{
    QString request;
    QString reply;
    int pauseMs = 0;
    int totalMs = 0;
    bool failed = false;
    qint64 endMs = 0;           // on runClock
    quint16 localPort = 0;      // of the connection it ended on; 0 when not known
    bool registerFault = false; // failed on a connection the register closed or refused, or on a line too long
    ExchangePlan plan;          // as the link was given it with the request
};

std::vector<EndedExchange> exchangesSinceBeat;
bool connectLogged = false;
quint16 registerPort = 0;
quint16 currentLocalPort = 0;

// The local port of this process's connection to the register, 0 when it has none: the link keeps its socket to
// itself, and the simulator's log names each connection by the terminal's end of it.
quint16 linkLocalPort()
{
    QSet<QByteArray> inodes;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[64];
        const ssize_t size = ::readlink(qPrintable(fds.filePath(fd)), target, sizeof target - 1);
        const QByteArray link(target, size > 0 ? size : 0);
        if (link.startsWith("socket:[") && link.endsWith(']'))
            inodes.insert(link.mid(8, link.size() - 9));
    }
    QFile table(QStringLiteral("/proc/self/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray remote = ':' + QByteArray::number(registerPort, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // established, to the register's port, and ours
        if (fields.size() > 9 && fields.at(2).endsWith(remote) && fields.at(3) == "01" && inodes.contains(fields.at(9)))
            return quint16(fields.at(1).mid(fields.at(1).indexOf(':') + 1).toUInt(nullptr, 16));
    }
    return 0;
}

// "REQUEST -> REPLY (pause P ms, T ms in all)" or "REQUEST failed ...": one exchange ended.
void noteExchange(const QString& text)
{
    static const QRegularExpression answered(QStringLiteral("^(.*?) -> (.*) \\(pause (\\d+) ms, (\\d+) ms in all\\)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    EndedExchange ended;
    ended.endMs = runClock.elapsed();
    if (const QRegularExpressionMatch match = answered.match(text); match.hasMatch()) {
        ended.request = match.captured(1);
        ended.reply = match.captured(2);
        ended.pauseMs = match.captured(3).toInt();
        ended.totalMs = match.captured(4).toInt();
    } else {
        ended.request = text.left(text.indexOf(QLatin1String(" failed ")));
        ended.failed = true;
        // a register in health keeps its connection open and its lines short: the rest is a fault even where the
        // simulator's log cannot name the connection (gone before its port was known)
        ended.registerFault = text.contains(QStringLiteral("Connexion fermée par la caisse")) ||
                              text.contains(QStringLiteral("Connexion refusée par la caisse")) ||
                              text.contains(QStringLiteral("Ligne trop longue reçue de la caisse"));
    }
    // looked up once a connection is made: it lasts until the link connects again
    if (connectLogged || currentLocalPort == 0) {
        currentLocalPort = linkLocalPort();
        connectLogged = false;
    }
    // a failed one on the connection it was sent on, when that lasted until the end of an exchange before
    ended.localPort = currentLocalPort;
    if (ended.failed)
        currentLocalPort = 0;
    exchangesSinceBeat.push_back(ended);
}

// The link tells each exchange's request with its plan right after logging its end.
void notePlan(const Request& request, const Exchange&)
{
    if (!exchangesSinceBeat.empty() && exchangesSinceBeat.back().request == request.text)
        exchangesSinceBeat.back().plan = request.plan;
}

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
        writeLog(QStringLiteral("link: ") + text);
        if (text.endsWith(QLatin1String(" ms in all)")) || text.contains(QLatin1String(" failed "))) {
            ++exchangesEnded;
            noteExchange(text);
        } else if (text.startsWith(QLatin1String("connect to "))) {
            connectLogged = true;
        }
        return;
    }
    writeLog(QStringLiteral("qt: ") + text);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}

// What the protocol lets an exchange take at a register that answers each request paceMs after it came: the plan's
// settling, stale-line read, pause and trailing read, the pace beyond the pause, and for an empty reply the whole
// read time-out and the second read.
int allowedMs(const EndedExchange& exchange, int paceMs)
{
    constexpr int ReadMs = RegisterLink::ReadTimeoutMs;
    const ExchangePlan& plan = exchange.plan;
    int ms = plan.settleMs * (plan.fresh ? 2 : 1) + exchange.pauseMs + (plan.staleRead ? ReadMs : 0) +
             (plan.trailingRead ? ReadMs : 0);
    if (exchange.reply.isEmpty())
        ms += ReadMs + (plan.secondRead ? plan.secondReadPauseMs + ReadMs : 0);
    else
        ms += std::max(0, paceMs - exchange.pauseMs);
    return ms;
}

// Every read of the exchange timed out: an empty line comes at the register's pace, within the first of them.
bool silent(const EndedExchange& exchange)
{
    const ExchangePlan& plan = exchange.plan;
    const int reads = 1 + (plan.staleRead ? 1 : 0) + (plan.secondRead ? 1 : 0);
    return exchange.reply.isEmpty() && exchange.totalMs >= exchange.pauseMs + RegisterLink::ReadTimeoutMs * reads;
}

// The simulator's log as it grows: each connection's pace, and the faults not yet matched to a tap.
class SimLog final
{
public:
    void open(const QString& path)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            std::fprintf(stderr, "soak_terminal: cannot read the simulator's log %s\n", qPrintable(path));
    }

    // Takes in the lines written since the last call.
    void read()
    {
        if (!m_file.isOpen())
            return;
        m_partial += m_file.readAll();
        const qsizetype end = m_partial.lastIndexOf('\n');
        if (end < 0)
            return;
        for (const QByteArray& line : m_partial.left(end).split('\n'))
            take(line);
        m_partial.remove(0, end + 1);
    }

    // 0 for a connection that answers at once, or one the log does not name.
    int pace(quint16 localPort)
    {
        if (!m_paces.contains(localPort))
            read();
        return m_paces.value(localPort);
    }

    // Whether a fault the log gave since the last call hit one of these connections, or every one.
    bool takeFaults(const QSet<quint16>& localPorts)
    {
        read();
        const bool hit = m_everyConnection || localPorts.intersects(m_faulted);
        m_everyConnection = false;
        m_faulted.clear();
        return hit;
    }

private:
    void take(const QByteArray& line)
    {
        const qsizetype colon = line.indexOf(':');
        if (line.endsWith(" ms") && line.contains(" pace ")) {
            // "127.0.0.1:40512 pace 245 ms"; a port used again takes the pace of its new connection
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 4)
                m_paces.insert(quint16(words.at(0).mid(colon + 1).toUInt()), words.at(2).toInt());
        } else if (line.startsWith("chaos: ") && !line.startsWith("chaos: summary")) {
            // a refusal or a restart turns every terminal away; the others hit the connection named last
            if (line.startsWith("chaos: refuse") || line.startsWith("chaos: restart"))
                m_everyConnection = true;
            m_faulted.insert(quint16(line.mid(line.lastIndexOf(':') + 1).toUInt()));
        }
    }

    QFile m_file;
    QByteArray m_partial;
    QHash<quint16, int> m_paces;
    QSet<quint16> m_faulted;
    bool m_everyConnection = false;
};

// Messages a waiter's own touches bring, or the register's plain answers, at any pace.
bool waitersMessage(const QString& text)
{
    static const QStringList texts{
        QStringLiteral("Mauvais code!!"),
        QStringLiteral("Vous devez entrer votre code d'identification"),
        QStringLiteral("Ce serveur doit pointer avant d'utiliser la caisse"),
        QStringLiteral("Aucune formule n'a été entrée"),
        QStringLiteral("La tablette ne peut gérer plus de 30 menus"),
        QStringLiteral("Cet article est à modifier sur la caisse centrale"),
        QStringLiteral("Aucune suite à réclamer"),
        QStringLiteral("Aucune imprimante déportée!"),
    };
    return texts.contains(text);
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
    SoakDriver(const QString& folder, quint16 port, std::vector<Waiter> waiters, quint64 seed, qint64 seconds,
               const QString& simLog)
        : m_folder(folder), m_port(port), m_waiters(std::move(waiters)), m_random(seed), m_endMs(seconds * 1000)
    {
        if (!simLog.isEmpty())
            m_simLog.open(simLog);
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
                    "exchanges=%lld restarts=%lld bound-ms=%d paced-taps=%lld paced-shown=%lld "
                    "paced-longest-ms=%lld paced-longest-bound-ms=%lld paced-closest-ms=%lld "
                    "paced-closest-bound-ms=%lld vanished-taps=%lld vanished-longest-ms=%lld\n",
                    terminal, m_actions, m_messages, m_held, m_wrongHeaders, m_longestGapMs, exchangesEnded, m_restarts,
                    HoldBoundMs, m_pacedTaps, m_pacedShown, m_pacedLongest.ms, m_pacedLongest.boundMs,
                    m_pacedClosest.ms, m_pacedClosest.boundMs, m_vanishedTaps, m_vanishedLongestMs);
        std::fflush(stdout);
    }

private:
    void openTerminal()
    {
        m_form = std::make_unique<MainWindow>(m_folder);
        m_form->link().setPort(m_port);
        m_form->link().setWatcher(notePlan);
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
        m_atStart = true; // the waiter's doing, not the link's
        return true;
    }

    // The screen cannot be drawn nor touched between two beats: a gap longer than its bound is a screen held past
    // it.
    void beat()
    {
        const qint64 now = runClock.elapsed();
        const qint64 gap = now - m_lastBeatMs;
        const qint64 held = m_lastBeatMs;
        const qint64 exchanges = exchangesEnded - m_exchangesAtBeat;
        m_lastBeatMs = now;
        m_exchangesAtBeat = exchangesEnded;
        m_longestGapMs = std::max(m_longestGapMs, gap);
        const std::vector<EndedExchange> ended = std::exchange(exchangesSinceBeat, {});
        const int bound = ended.empty() ? HoldBoundMs : judgeTap(ended, held, now);
        if (gap > HoldBoundMs && gap <= bound)
            writeLog(QStringLiteral("long tap: %1 ms within its bound of %2 ms with %3 exchanges, during %4")
                         .arg(gap)
                         .arg(bound)
                         .arg(exchanges)
                         .arg(m_lastAction));
        if (gap > bound) {
            ++m_held;
            writeLog(QStringLiteral("HELD: %1 ms (bound %2 ms) with %3 exchanges, during %4")
                         .arg(gap)
                         .arg(bound)
                         .arg(exchanges)
                         .arg(m_lastAction));
        } else if (ended.empty()) {
            m_simLog.read(); // keeps up with the log between taps
        }
    }

    // A tap held the screen from heldMs to nowMs through these exchanges: sorts it by what the register did and
    // gives its bound.
    int judgeTap(const std::vector<EndedExchange>& ended, qint64 heldMs, qint64 nowMs)
    {
        QSet<quint16> ports;
        bool paced = false;
        int allowed = 0;
        qint64 vanishedFromMs = heldMs;
        bool vanished = false; // failed since the last line: the register did not come back within the tap
        bool failed = false;
        bool closed = false;
        for (const EndedExchange& exchange : ended) {
            closed = closed || exchange.registerFault;
            const int pace = exchange.localPort ? m_simLog.pace(exchange.localPort) : 0;
            ports.insert(exchange.localPort);
            paced = paced || pace > 0;
            allowed += allowedMs(exchange, pace);
            // the register was there while lines came: gone after its last line when only failures follow it (a
            // register gone silent is found so after requests that got none); one that comes back was not gone
            if (exchange.failed) {
                vanished = true;
                failed = true;
            } else if (!silent(exchange)) {
                vanishedFromMs = exchange.endMs;
                vanished = false;
            }
        }
        ports.remove(0);
        if (currentLocalPort)
            ports.insert(currentLocalPort);
        const bool faulted = m_simLog.takeFaults(ports) || closed;
        const qint64 gap = nowMs - heldMs;
        const int pacedBound = allowed + PacedSlackMs + PacedSlackPerExchangeMs * int(ended.size());
        // the link probe's round is no waiter's tap: a message that a tap before it shows stays that tap's
        const bool probeOnly = std::all_of(ended.cbegin(), ended.cend(), [](const EndedExchange& exchange) {
            return exchange.request == QLatin1String("connect");
        });
        m_lastTapHealthy = paced && !faulted && (!probeOnly || m_lastTapHealthy);
        m_noFaultSinceStart = m_noFaultSinceStart && !faulted && !failed;
        if (!probeOnly)
            m_lastTapAction = m_lastAction;
        if (m_lastTapHealthy) {
            ++m_pacedTaps;
            if (gap >= m_pacedLongest.ms)
                m_pacedLongest = {gap, pacedBound};
            if (gap * m_pacedClosest.boundMs >= m_pacedClosest.ms * pacedBound)
                m_pacedClosest = {gap, pacedBound};
        }
        if (failed && m_lastTapHealthy) {
            pacedShown(QStringLiteral("an exchange failed"));
            m_lastTapHealthy = false; // one sign per tap
        }
        if (vanished) {
            // a register found gone: the screen is free within the bound of it, whatever came before
            ++m_vanishedTaps;
            m_vanishedLongestMs = std::max(m_vanishedLongestMs, nowMs - vanishedFromMs);
            return int(vanishedFromMs - heldMs) + HoldBoundMs;
        }
        return m_lastTapHealthy ? pacedBound : std::max(HoldBoundMs, pacedBound);
    }

    // A paced register that made no fault left the waiter a sign of a link failure.
    void pacedShown(const QString& what)
    {
        ++m_pacedShown;
        writeLog(QStringLiteral("PACED TAP SHOWED: %1 after %2").arg(what, m_lastTapAction));
    }

    void tick()
    {
        // armed first: a handler that runs a message box or pumps events meets the next tick inside it
        m_tick.start(int(m_random.bounded(30, 120)));
        // a tap that just ended is judged before what it shows is laid at its door, though the tick came first
        if (!exchangesSinceBeat.empty())
            beat();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dismiss(modal);
            return;
        }
        // the start view may come back long after what lost the register (a probe that finds it gone, an address
        // emptied by a failed start): only a service where no fault came since the last start shows a link failure
        const bool atStart = m_form->frontView() && m_form->frontView()->objectName() == QLatin1String("init");
        if (atStart && !m_atStart && m_lastTapHealthy && m_noFaultSinceStart)
            pacedShown(QStringLiteral("the start view"));
        if (!atStart && m_atStart)
            m_noFaultSinceStart = true;
        m_atStart = atStart;
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
        const QString text = box ? box->text() : modal->objectName();
        writeLog(QStringLiteral("message: ") + text);
        if (m_lastTapHealthy && !waitersMessage(text))
            pacedShown(QStringLiteral("the message \"%1\"").arg(text));
        m_lastTapHealthy = false; // one sign per tap
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

    // a tap's hold and its own bound
    struct Hold
    {
        qint64 ms = 0;
        qint64 boundMs = 1;
    };

    QString m_folder;
    quint16 m_port;
    SimLog m_simLog;
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
    bool m_atStart = true;
    bool m_lastTapHealthy = false; // the last tap met a paced register and no fault
    bool m_noFaultSinceStart = false;
    QString m_lastTapAction;
    qint64 m_pacedTaps = 0;
    qint64 m_pacedShown = 0;
    Hold m_pacedLongest;
    Hold m_pacedClosest; // the nearest to its bound
    qint64 m_vanishedTaps = 0;
    qint64 m_vanishedLongestMs = 0;
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
    const QCommandLineOption simLogOption(QStringLiteral("sim-log"), QStringLiteral("simulator's log"),
                                          QStringLiteral("F"));
    parser.addOptions({portOption, dataOption, seedOption, terminalOption, secondsOption, folderOption, logOption,
                       prepareOption, simLogOption});
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
    registerPort = port;
    if (parser.isSet(prepareOption))
        return prepare(folder, port);

    const quint64 seed = parser.value(seedOption).toULongLong() * 1000003ULL + quint64(terminal);
    const qint64 seconds = parser.value(secondsOption).toLongLong();
    int status = 0;
    {
        SoakDriver driver(folder, port, readWaiters(parser.value(dataOption)), seed, seconds,
                          parser.value(simLogOption));
        driver.start();
        status = QApplication::exec();
        driver.printFigures(terminal);
    }
    writeLog(QStringLiteral("ended"));
    return status;
}
