// The settings file against kill -9: a child saves the settings again and again through the terminal's own save and
// is killed with SIGKILL at a random moment, many times over. After each kill the file must read back whole as the
// last save the child finished or the one it had under way. Prints its figures on one line; exits 1 on a bad file.
// Usage: soak_settings --kills N --seed S --folder DIR
//        soak_settings --save-loop DIR --from V   (the child: saves versions V+1, V+2, ... until killed)

#include "settings/SaveSettings.h"
#include "settings/SettingsFormat.h"
#include "settings/SettingsStore.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator64>
#include <QThread>

#include <cstdio>
#include <optional>

namespace {

// a child that is never killed stops by itself
constexpr int MaxSaves = 100000;
constexpr int StartMs = 10000;
// The kill lands anywhere in the first few saves, each of which takes some milliseconds.
constexpr int LongestKillDelayMs = 50;

// Version v of the settings: every slot says v, at lengths that change with it, so that a file cut short or mixed from
// two saves never reads as one of them.
QStringList versionSlots(qint64 version)
{
    QStringList values;
    for (int slot = 0; slot < SettingsFormat::SlotCount; ++slot) {
        const QString mark = QStringLiteral("v%1s%2;").arg(version).arg(slot);
        values.append(mark.repeated(1 + int((version * 7 + slot) % 97)));
    }
    return values;
}

int saveLoop(const QString& folder, qint64 from)
{
    SettingsStore store(folder);
    MessageBox::setHandler([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    std::printf("ready\n");
    std::fflush(stdout);
    for (qint64 version = from + 1; version <= from + MaxSaves; ++version) {
        const QStringList values = versionSlots(version);
        for (int slot = 0; slot < SettingsFormat::SlotCount; ++slot)
            store[slot] = values.at(slot);
        if (!saveSettings(store, nullptr))
            return 1;
        std::printf("saved %lld\n", version);
        std::fflush(stdout);
    }
    return 0;
}

// The version the file holds, when it is whole: the one finished last or the one under way.
std::optional<qint64> versionHeld(const QString& folder, qint64 finished)
{
    SettingsStore store(folder);
    if (!store.read())
        return std::nullopt;
    QFile file(store.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    for (const qint64 version : {finished, finished + 1}) {
        const QStringList values = versionSlots(version);
        if (store.slots() == values && bytes == SettingsFormat::writeSlots(values))
            return version;
    }
    return std::nullopt;
}

int killRepeatedly(const QString& program, const QString& folder, int kills, quint64 seed)
{
    QRandomGenerator64 random(seed);
    SettingsStore first(folder);
    const QStringList values = versionSlots(0);
    for (int slot = 0; slot < SettingsFormat::SlotCount; ++slot)
        first[slot] = values.at(slot);
    if (!first.save().ok) {
        std::fprintf(stderr, "soak_settings: cannot save in %s\n", qPrintable(folder));
        return 2;
    }
    qint64 held = 0;
    int bad = 0;
    int interrupted = 0;
    qint64 saves = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {QStringLiteral("--save-loop"), folder, QStringLiteral("--from"), QString::number(held)});
        if (!child.waitForStarted(StartMs) || !child.waitForReadyRead(StartMs)) {
            std::fprintf(stderr, "soak_settings: the saving child did not start\n");
            return 2;
        }
        QThread::usleep(random.bounded(LongestKillDelayMs * 1000));
        child.kill();
        child.waitForFinished(StartMs);
        qint64 finished = held;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("saved "))
                finished = line.mid(6).toLongLong();
        }
        saves += finished - held;
        const std::optional<qint64> version = versionHeld(folder, finished);
        if (!version) {
            ++bad;
            std::fprintf(stderr, "soak_settings: after kill %d the settings file is neither save %lld nor %lld\n",
                         kill + 1, finished, finished + 1);
            // start the next round from a whole file
            SettingsStore store(folder);
            const QStringList whole = versionSlots(finished);
            for (int slot = 0; slot < SettingsFormat::SlotCount; ++slot)
                store[slot] = whole.at(slot);
            store.save();
            held = finished;
            continue;
        }
        if (*version != finished)
            ++interrupted;
        held = *version;
    }
    const int leftovers = int(QDir(folder).entryList(QDir::Files).size()) - 2;
    std::printf("settings kill -9: kills=%d saves=%lld cut-short=%d bad-files=%d leftover-files=%d\n", kills, saves,
                interrupted, bad, leftovers);
    return bad == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption loopOption(QStringLiteral("save-loop"), QStringLiteral("save until killed"),
                                        QStringLiteral("folder"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("last version"), QStringLiteral("V"));
    const QCommandLineOption killsOption(QStringLiteral("kills"), QStringLiteral("how many kills"),
                                         QStringLiteral("N"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("seed"), QStringLiteral("S"));
    const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("settings"), QStringLiteral("D"));
    parser.addOptions({loopOption, fromOption, killsOption, seedOption, folderOption});
    parser.process(app);
    if (parser.isSet(loopOption))
        return saveLoop(parser.value(loopOption), parser.value(fromOption).toLongLong());
    return killRepeatedly(QCoreApplication::applicationFilePath(), parser.value(folderOption),
                          parser.value(killsOption).toInt(), parser.value(seedOption).toULongLong());
}
