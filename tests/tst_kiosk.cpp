// The tablet's kiosk without a tablet: the unit's command line, cage and the terminal, run by a loop that restarts
// them as the unit does, on cage's X11 back end inside Xvfb, against the simulator. What the screen shows is read
// from cage's own screenshots, what the terminal does from its link log and from what the simulator received.

#include "SimProcess.h"

#include "widgets/Palette.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.36");
constexpr int StartMs = 30000;
const QRgb Background = Palette::Background.rgb();
const QRgb KeyRed = Palette::ActionKey.rgb();

// The unit's command line and the environment it gives it.
struct KioskUnit
{
    QStringList command;
    QStringList environment;
    int restartSeconds = 0;

    static std::optional<KioskUnit> read(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return std::nullopt;
        KioskUnit unit;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("ExecStart=")))
                unit.command = line.mid(10).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            else if (line.startsWith(QLatin1String("Environment=")))
                unit.environment.append(line.mid(12));
            else if (line.startsWith(QLatin1String("RestartSec=")))
                unit.restartSeconds = line.mid(11).toInt();
        }
        if (unit.command.isEmpty())
            return std::nullopt;
        return unit;
    }
};

// cage refuses to run as root: run as root, the test runs the kiosk as "nobody", looked up before any fork
struct KioskUser
{
    uid_t uid;
    gid_t gid;
};

std::optional<KioskUser> kioskUser()
{
    static const std::optional<KioskUser> user = []() -> std::optional<KioskUser> {
        if (::geteuid() != 0)
            return std::nullopt;
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            return std::nullopt;
        return KioskUser{nobody->pw_uid, nobody->pw_gid};
    }();
    return user;
}

// In the child, between fork and exec: only system calls.
void becomeKioskUser(const std::optional<KioskUser>& user)
{
    if (user && (::setgroups(0, nullptr) != 0 || ::setgid(user->gid) != 0 || ::setuid(user->uid) != 0))
        ::_exit(126);
}

// What a program prints, empty when it fails.
QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The centre of the first waiter's key, top left, once the waiter keys are drawn: four rows of wide red keys. The
// start view's logo is of the same red, but narrow.
std::optional<QPoint> firstWaiterKey(const QImage& screen)
{
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixel(x, y) != KeyRed)
                continue;
            int right = x;
            while (right + 1 < screen.width() && screen.pixel(right + 1, y) == KeyRed)
                ++right;
            int bottom = y;
            while (bottom + 1 < screen.height() && screen.pixel(x, bottom + 1) == KeyRed)
                ++bottom;
            const QPoint centre((x + right) / 2, (y + bottom) / 2);
            int rows = 0;
            for (int below = y; below < screen.height(); ++below)
                rows += screen.pixel(centre.x(), below) == KeyRed && screen.pixel(centre.x(), below - 1) != KeyRed;
            if (right - x < screen.width() / 4 || rows < 4)
                return std::nullopt;
            return centre;
        }
    }
    return std::nullopt;
}

// Pixels along the screen's edges that are not the view's background: a title bar, a frame, or the compositor's
// backdrop around a window smaller than the screen. At a fractional factor the window's last pixel row and column
// are the rounding's, so the bottom and right edges are read one pixel in.
int edgePixelsNotBackground(const QImage& screen)
{
    const int bottom = screen.height() - 2;
    const int right = screen.width() - 2;
    int count = 0;
    for (int x = 0; x <= right; ++x)
        count += (screen.pixel(x, 0) != Background) + (screen.pixel(x, bottom) != Background);
    for (int y = 0; y <= bottom; ++y)
        count += (screen.pixel(0, y) != Background) + (screen.pixel(right, y) != Background);
    return count;
}

// Xvfb, and the kiosk's command line under a loop that starts it again RestartSec after it ends, as the unit does.
class Kiosk final
{
public:
    Kiosk(const KioskUnit& unit, const QString& folder) : m_folder(folder)
    {
        m_xvfb.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1280x1280x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_xvfb.waitForReadyRead(10000))
            return;
        m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readLine().trimmed());

        // a tablet's screen has its size from the start; cage's X11 window is given it before the terminal starts
        const QString whenSized = QStringLiteral("while [ ! -e \"$0\" ]; do sleep 0.05; done; exec \"$@\"");
        QStringList command = unit.command;
        const int terminal = command.indexOf(QStringLiteral("/usr/bin/commande"));
        command[terminal] = terminalPath();
        command.insert(terminal, sizedFlag());
        command.insert(terminal, whenSized);
        command.insert(terminal, QStringLiteral("-c"));
        command.insert(terminal, QStringLiteral("/bin/sh"));
        const QString loop = QStringLiteral("while :; do \"$@\"; sleep %1; done").arg(unit.restartSeconds);

        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("HOME"), homePath());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimePath());
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("x11"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("commande.link.debug=true;qt.qpa.wayland.debug=true"));
        // a sanitized build's leaks are looked for by the other tests, not through a process killed on purpose
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        for (const QString& setting : unit.environment)
            environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        m_supervisor.setProcessEnvironment(environment);
        m_supervisor.setProcessChannelMode(QProcess::MergedChannels);
        m_supervisor.setStandardOutputFile(logPath());
        m_supervisor.setWorkingDirectory(homePath());
        m_supervisor.setChildProcessModifier([user = kioskUser()] {
            ::setsid();
            becomeKioskUser(user);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        });
        m_supervisor.start(QStringLiteral("/bin/sh"),
                           QStringList{QStringLiteral("-c"), loop, QStringLiteral("sh")} + command);
        m_supervisor.waitForStarted();
    }

    ~Kiosk()
    {
        // the loop leads a session of its own: cage, Xwayland, the terminal and what it launched go with it
        const pid_t session = pid_t(m_supervisor.processId());
        if (session > 0 && ::kill(-session, SIGTERM) == 0) {
            m_supervisor.waitForFinished(3000);
            ::kill(-session, SIGKILL);
        }
        m_xvfb.terminate();
        m_xvfb.waitForFinished(3000);
    }

    bool hasDisplay() const { return !m_display.isEmpty(); }
    QString homePath() const { return m_folder + QStringLiteral("/home"); }
    QString runtimePath() const { return m_folder + QStringLiteral("/run"); }
    QString terminalPath() const { return m_folder + QStringLiteral("/commande"); }
    QString sizedFlag() const { return m_folder + QStringLiteral("/sized"); }
    QString logPath() const { return m_folder + QStringLiteral("/kiosk.log"); }

    QString log() const
    {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // cage's window on the X server, if it has one
    QString cageWindow() const
    {
        const QString found = run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--maxdepth"), QStringLiteral("1"),
                                   QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QString()},
                                  x11Environment());
        // the root window is the server's own, below the first client's identifiers
        for (const QString& id : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (id.toULong() >= 0x200000)
                return id;
        }
        return QString();
    }

    // Waits for cage's window, gives it the tablet's size, waits until cage's output has it, lets the terminal start.
    bool startTerminalOn(const QSize& size)
    {
        QFile::remove(sizedFlag());
        QString window;
        if (!waitFor([&] { return !(window = cageWindow()).isEmpty(); }))
            return false;
        run(QStringLiteral("xdotool"),
            {QStringLiteral("windowsize"), window, QString::number(size.width()), QString::number(size.height())},
            x11Environment());
        if (!waitFor([&] { return screen().size() == size; }))
            return false;
        QFile flag(sizedFlag());
        return flag.open(QIODevice::WriteOnly);
    }

    // What cage shows, from its own screen copy.
    QImage screen() const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimePath());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
        QProcess grim;
        grim.setProcessEnvironment(environment);
        grim.setChildProcessModifier([user = kioskUser()] { becomeKioskUser(user); });
        grim.start(QStringLiteral("grim"), {QStringLiteral("-")});
        if (!grim.waitForFinished(10000) || grim.exitCode() != 0)
            return QImage();
        return QImage::fromData(grim.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    }

    void tap(const QPoint& point) const
    {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), cageWindow(), QString::number(point.x()),
             QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")},
            x11Environment());
    }

    // The terminal's process, as the loop started it.
    pid_t terminalProcess() const
    {
        const QDir proc(QStringLiteral("/proc"));
        for (const QString& entry : proc.entryList(QDir::Dirs)) {
            if (QFile::symLinkTarget(proc.filePath(entry + QStringLiteral("/exe"))) == terminalPath())
                return pid_t(entry.toInt());
        }
        return 0;
    }

    template <typename Condition> static bool waitFor(Condition condition, int ms = StartMs)
    {
        const QDeadlineTimer deadline(ms);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(100);
        }
        return true;
    }

private:
    QProcessEnvironment x11Environment() const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        return environment;
    }

    QString m_folder;
    QProcess m_xvfb;
    QString m_display;
    QProcess m_supervisor;
};

} // namespace

class tst_Kiosk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void tabletBootsIntoTheTerminal_data();
    void tabletBootsIntoTheTerminal();

private:
    std::optional<KioskUnit> m_unit;
};

void tst_Kiosk::initTestCase()
{
    QStringList missing;
    for (const QString& program : {QStringLiteral("cage"), QStringLiteral("Xwayland"), QStringLiteral("grim"),
                                   QStringLiteral("Xvfb"), QStringLiteral("xdotool")}) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing.append(program);
    }
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms/libqwayland-generic.so")))
        missing.append(QStringLiteral("Qt's Wayland platform (qt6-wayland)"));
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("needs %1: scripts/setup installs them").arg(missing.join(", "))));
    if (::geteuid() == 0 && !kioskUser())
        QSKIP("cage refuses to run as root, and there is no user \"nobody\" to run it as");
    m_unit = KioskUnit::read(QStringLiteral(KIOSK_UNIT));
    QVERIFY2(m_unit, KIOSK_UNIT " has no ExecStart=");
    QVERIFY(m_unit->command.contains(QStringLiteral("/usr/bin/commande")));
}

void tst_Kiosk::tabletBootsIntoTheTerminal_data()
{
    QTest::addColumn<QSize>("output");
    QTest::newRow("a portrait tablet") << QSize(800, 1280);
    QTest::newRow("a landscape tablet") << QSize(1280, 800);
}

void tst_Kiosk::tabletBootsIntoTheTerminal()
{
    QFETCH(QSize, output);
    SimProcess caisse(SimAddress);
    QVERIFY2(caisse.isListening(), qPrintable(caisse.log()));

    // the kiosk's home, with the register's address saved, and the terminal where its user can run it
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString root = folder.path();
    QVERIFY(QDir(root).mkpath(QStringLiteral("home/Documents")) && QDir(root).mkpath(QStringLiteral("run")));
    QFile settings(root + QStringLiteral("/home/Documents/Iquillobrands.dat"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[data]\n0=%1\n").arg(SimAddress).toLatin1());
    settings.close();
    QVERIFY(QFile::copy(QStringLiteral(COMMANDE_BIN), root + QStringLiteral("/commande")));
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                    QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(root + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (const std::optional<KioskUser> user = kioskUser()) {
        for (const QString& path : {QStringLiteral("/home"), QStringLiteral("/home/Documents"),
                                    QStringLiteral("/home/Documents/Iquillobrands.dat"), QStringLiteral("/run")})
            QVERIFY(::chown(qPrintable(root + path), user->uid, user->gid) == 0);
    }

    Kiosk kiosk(*m_unit, root);
    QVERIFY(kiosk.hasDisplay());
    for (int start = 1; start <= 2; ++start) {
        QVERIFY2(kiosk.startTerminalOn(output), qPrintable(kiosk.log()));

        // the catalogue is loaded and the waiter keys drawn, filling the output: no frame, no title bar, no backdrop
        QImage screen;
        QVERIFY2(Kiosk::waitFor([&] {
                     screen = kiosk.screen();
                     return firstWaiterKey(screen).has_value();
                 }),
                 qPrintable(kiosk.log()));
        QCOMPARE(screen.size(), output);
        if (start == 1 && !qEnvironmentVariableIsEmpty("KIOSK_SCREENSHOT_DIR"))
            screen.save(QStringLiteral("%1/kiosk_%2x%3.png")
                            .arg(qEnvironmentVariable("KIOSK_SCREENSHOT_DIR"))
                            .arg(output.width())
                            .arg(output.height()));

        QTRY_COMPARE_WITH_TIMEOUT(edgePixelsNotBackground(screen = kiosk.screen()), 0, 5000);
        // the terminal was told the output's whole size, maximized, and started against the register
        const QString log = kiosk.log();
        const QString configured =
            QStringLiteral("configure event: QSize(%1, %2)").arg(output.width()).arg(output.height());
        QVERIFY2(log.count(configured) >= start, qPrintable(log));
        QCOMPARE(log.count(QStringLiteral("nongletserveur -> ")), 1);
        QVERIFY2(log.count(QStringLiteral("ve01$ -> ")) >= 2 * start, qPrintable(log));

        // a tap on the first waiter's key, through the compositor, reaches the terminal, which asks for his code
        const std::optional<QPoint> key = firstWaiterKey(screen);
        QVERIFY(key);
        const qsizetype asked = caisse.log().count(QStringLiteral("<- code$1$"));
        kiosk.tap(*key);
        QTRY_COMPARE_WITH_TIMEOUT(caisse.log().count(QStringLiteral("<- code$1$")), asked + 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(kiosk.log().count(QStringLiteral("code$1$ -> ")), start, 5000);

        // killed, the terminal ends its session, and the loop starts another a second later
        if (start == 1) {
            const pid_t terminal = kiosk.terminalProcess();
            QVERIFY(terminal > 0);
            QVERIFY(::kill(terminal, SIGKILL) == 0);
            QVERIFY(Kiosk::waitFor([&] { return kiosk.cageWindow().isEmpty(); }, 10000));
        }
    }
}

QTEST_GUILESS_MAIN(tst_Kiosk)
#include "tst_kiosk.moc"
