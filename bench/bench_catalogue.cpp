// Times the terminal's start with the limits catalogue, from process start to the waiter view painted, in cache
// and in download mode, and its peak memory, each against a bare Qt program that creates as many plain widgets
// and paints once (baseline_widgets), run in turn with the terminal. The start view alone (start_view_only) runs in
// the same rounds: the floor under any start, which the cache-mode start is set against. The baseline holds as many
// widgets as the terminal once every view is made, so it stands for the whole terminal however late views are made.
// Then the first opening of each view the start leaves hidden, from its showing to its first paint, against the
// cache-mode start. Last, the download-mode start at a register that takes 100 ms over each reply, against that
// pace for each request plus the waits the requests' plans give.
// Usage: bench_catalogue CAISSE_SIM DATA_FILE BENCH_START BASELINE_WIDGETS START_VIEW_ONLY [ROUNDS]

#include "MonotonicNow.h"
#include "SimProcess.h"
#include "link/RegisterLink.h"
#include "session/Session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

const QString SimAddress = QStringLiteral("127.0.0.130");
// a register slow to answer, but in time
const QString PacedSimAddress = QStringLiteral("127.0.0.132");
constexpr int PaceMs = 100;
constexpr int PacedRounds = 3;
constexpr double PacedGoal = 1.05;
constexpr int DefaultRounds = 31;
constexpr int RoundTrips = 200;
constexpr int RoundTripBatches = 7;
// 801 product keys, 251 set-menu cells and 100 table buttons, one widget each
constexpr int CatalogueControls = 801 + 251 + 100;

// The waits the start sleeps through whatever the machine's speed, summed from the pauses in the code.
// Three version exchanges (the automatic start's "ve01$", then the local start's "ve01$" and "ve04$"):
// 20 ms before connecting, 20 ms after and 120 ms before reading, twice; 20 ms after connecting and 20 ms
// before reading, once. The load's 1 ms breath before starting Timer3 comes in both modes.
constexpr double HandshakeWaitsMs = 2 * (20 + 20 + 120) + (20 + 20);
constexpr double CacheWaitsMs = HandshakeWaitsMs + 1;
// Only a download asks for "limp" and "nacuistot", each 20 ms after connecting.
constexpr double DownloadWaitsMs = CacheWaitsMs + 2 * 20;

constexpr double CacheGoal = 1.3; // to the start view alone
constexpr int DownloadRoundTrips = 60;
constexpr double DownloadMargin = 1.1;
constexpr double MemoryGoal = 1.35;
constexpr double OpeningGoal = 0.5; // the slowest first opening, to the cache-mode start's net time
constexpr int OpeningRounds = 11;

enum class Kind
{
    Baseline,
    StartViewOnly,
    Cache,
    Download
};

struct Run
{
    double ms = 0;      // to the paint
    double wholeMs = 0; // to the end of the process
    long rssKb = 0;
    int widgets = 0;
    std::vector<std::pair<QString, double>> openings; // each view's first opening, in ms
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A bare blocking client of the simulator: one request line, one reply line.
class BareClient
{
public:
    BareClient()
    {
        m_socket.connectToHost(QHostAddress(SimAddress), RegisterLink::Port);
        if (!m_socket.waitForConnected(2000))
            throw std::runtime_error("bare socket cannot connect to the simulator");
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }

    void roundTrip(const QByteArray& request)
    {
        m_socket.write(request + "\r\n");
        m_socket.flush();
        qsizetype lf;
        while ((lf = m_pending.indexOf('\n')) < 0) {
            if (!m_socket.waitForReadyRead(1000))
                throw std::runtime_error("no reply on the bare socket");
            m_pending += m_socket.readAll();
        }
        m_pending.remove(0, lf + 1);
    }

private:
    QTcpSocket m_socket;
    QByteArray m_pending;
};

// Microseconds per "connect" round trip on a bare socket to the simulator.
double roundTripUs()
{
    BareClient client;
    client.roundTrip("connect");
    std::vector<double> batches;
    for (int batch = 0; batch < RoundTripBatches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < RoundTrips; ++i)
            client.roundTrip("connect");
        batches.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0 / RoundTrips);
    }
    return median(batches);
}

// Milliseconds a bare client takes to ask for the requests one after the other: what the simulator and the
// loopback cost a download, whatever the terminal does.
double replayMs(const QList<QByteArray>& requests)
{
    BareClient client;
    std::vector<double> replays;
    for (int replay = 0; replay < RoundTripBatches; ++replay) {
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray& request : requests)
            client.roundTrip(request);
        replays.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(replays);
}

// The requests in the simulator's log, without the link probes.
QList<QByteArray> loggedRequests(const QString& log)
{
    QList<QByteArray> requests;
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        const qsizetype arrow = line.indexOf(QStringLiteral(" <- "));
        const QString request = line.mid(arrow + 4).trimmed();
        if (arrow >= 0 && request != QLatin1String("connect"))
            requests << request.toLatin1();
    }
    return requests;
}

// The catalogue requests in the simulator's log, without the version exchanges and the link probes.
QList<QByteArray> catalogueRequests(const QString& log)
{
    QList<QByteArray> requests = loggedRequests(log);
    requests.removeIf([](const QByteArray& request) { return request.startsWith("ve0"); });
    return requests;
}

// The waits the plans of a start's requests give them, as Session pairs each with its plan: the settling (before
// and after connecting on a fresh connection), the pause, the stale-line read with nothing pending.
double plannedWaitsMs(const QList<QByteArray>& requests)
{
    double ms = 0;
    bool probed = false;
    for (const QByteArray& bytes : requests) {
        const QString request = QString::fromLatin1(bytes);
        ExchangePlan plan;
        if (request.startsWith(QLatin1String("ve01$"))) {
            // the automatic start's probe, then the local start's query
            plan = probed ? Session::versionQuery().plan : Session::versionProbe().plan;
            probed = true;
        } else if (request.startsWith(QLatin1String("ve0"))) {
            plan = Session::versionDateQuery(QDateTime::currentDateTime()).plan;
        } else if (request == QLatin1String("limp") || request == QLatin1String("nacuistot")) {
            plan = Session::catalogueListSettled(request).plan;
        } else {
            plan = Session::catalogueList(request).plan;
        }
        ms += plan.settleMs * (plan.fresh ? 2 : 1) + plan.pauseMs + (plan.staleRead ? RegisterLink::ReadTimeoutMs : 0);
    }
    return ms;
}

class Bench
{
public:
    Bench(const QStringList& args, const QString& root)
        : m_startProgram(args.at(3)), m_baselineProgram(args.at(4)), m_startViewProgram(args.at(5)),
          m_documents(QDir(root).filePath(QStringLiteral("home/Documents")))
    {
        QDir().mkpath(m_documents);
        const QString runtime = QDir(root).filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("HOME"), QDir(root).filePath(QStringLiteral("home")));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
            m_environment.remove(QString::fromLatin1(name));
        m_fresh = freshSettings(SimAddress);
    }

    // The settings of a terminal that knows only the register's address: its start downloads the catalogue.
    static QByteArray freshSettings(const QString& address) { return "[data]\n0=" + address.toLatin1() + "\n"; }
    // The register the download-mode runs start from.
    void setDownloadRegister(const QString& address) { m_fresh = freshSettings(address); }

    // A terminal run leaves its settings saved: the one after a download is the cache of the next runs.
    void keepCache() { m_cache = readSettings(); }

    // extra: the start program's mode, see bench_start
    Run run(Kind kind, int widgets, const QString& extra = QString())
    {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setStandardErrorFile(QProcess::nullDevice());
        QString program = m_startProgram;
        QStringList arguments;
        if (kind == Kind::Baseline) {
            program = m_baselineProgram;
            arguments << QString::number(widgets);
        } else {
            if (kind == Kind::StartViewOnly)
                program = m_startViewProgram;
            writeSettings(kind == Kind::Download ? m_fresh : m_cache);
            if (!extra.isEmpty())
                arguments << extra;
        }
        const long long started = monotonicNowNs();
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            throw std::runtime_error(program.toStdString() + " did not finish cleanly");
        const long long ended = monotonicNowNs();
        QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
        const QList<QByteArray> fields = lines.takeLast().split(' ');
        if (fields.size() != 4 || fields.at(0) != "painted")
            throw std::runtime_error(program.toStdString() + " did not report its paint");
        Run run{static_cast<double>(fields.at(1).toLongLong() - started) / 1e6,
                static_cast<double>(ended - started) / 1e6,
                fields.at(2).toLong(),
                fields.at(3).toInt(),
                {}};
        for (const QByteArray& line : lines) {
            const QList<QByteArray> opened = line.split(' ');
            if (opened.size() != 3 || opened.at(0) != "opened")
                throw std::runtime_error(program.toStdString() + " printed an unknown line");
            run.openings.emplace_back(QString::fromLatin1(opened.at(1)), opened.at(2).toDouble());
        }
        return run;
    }

private:
    QByteArray readSettings() const
    {
        QFile file(QDir(m_documents).filePath(QStringLiteral("Iquillobrands.dat")));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("the terminal saved no settings");
        return file.readAll();
    }

    void writeSettings(const QByteArray& content) const
    {
        QFile file(QDir(m_documents).filePath(QStringLiteral("Iquillobrands.dat")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            throw std::runtime_error("cannot write the settings");
    }

    QString m_startProgram;
    QString m_baselineProgram;
    QString m_startViewProgram;
    QString m_documents;
    QProcessEnvironment m_environment;
    QByteArray m_fresh;
    QByteArray m_cache;
};

qsizetype requestCount(const QString& log, const QString& request)
{
    return log.count(QStringLiteral(" <- ") + request + QLatin1Char('\n'));
}

// The download-mode start at a register that answers each request PaceMs after it came, against PaceMs for each
// request plus the waits their plans give: what the start cannot go below but for the replies that come within a
// pause. Its figure line, or why there is none.
QString pacedDownload(const QStringList& args, Bench& bench)
{
    SimProcess::Options options;
    options.program = args.at(1);
    const SimProcess sim(
        PacedSimAddress,
        {QStringLiteral("--data"), args.at(2), QStringLiteral("--reply-delay"), QString::number(PaceMs)}, options);
    if (!sim.isListening())
        throw std::runtime_error("the paced caisse-sim did not listen: " + sim.log().toStdString());
    bench.setDownloadRegister(PacedSimAddress);
    std::vector<double> ratios;
    std::vector<double> times;
    qsizetype requestsPerStart = 0;
    double waits = 0;
    for (int round = 0; round < PacedRounds; ++round) {
        const qsizetype logged = sim.log().size();
        const Run run = [&bench] {
            try {
                return bench.run(Kind::Download, 0);
            } catch (const std::runtime_error&) {
                return Run{-1, 0, 0, 0, {}};
            }
        }();
        const QString log = sim.log().mid(logged);
        if (run.ms < 0 || requestCount(log, QStringLiteral("tablepos$")) != 1) {
            bench.setDownloadRegister(SimAddress);
            return QStringLiteral("download-mode start at a register paced %1 ms: the catalogue was not downloaded "
                                  "whole (%2 requests reached the register)")
                .arg(PaceMs)
                .arg(loggedRequests(log).size());
        }
        const QList<QByteArray> requests = loggedRequests(log);
        requestsPerStart = requests.size();
        waits = plannedWaitsMs(requests);
        times.push_back(run.ms);
        ratios.push_back(run.ms / (double(requests.size()) * PaceMs + waits));
    }
    bench.setDownloadRegister(SimAddress);
    return QStringLiteral("download-mode start at a register paced %1 ms: %2 ms, ratio %3 to %4 requests x %1 ms "
                          "plus %5 ms of waits their plans give (goal <= %6); medians of %7 rounds")
        .arg(PaceMs)
        .arg(median(times), 0, 'f', 1)
        .arg(median(ratios), 0, 'f', 3)
        .arg(requestsPerStart)
        .arg(waits, 0, 'f', 0)
        .arg(PacedGoal, 0, 'f', 2)
        .arg(PacedRounds);
}

int run(const QStringList& args)
{
    const int rounds = args.size() > 6 ? std::max(1, args.at(6).toInt()) : DefaultRounds;
    QTemporaryDir root;
    if (!root.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    SimProcess::Options simOptions;
    simOptions.program = args.at(1);
    simOptions.logPath = root.filePath(QStringLiteral("caisse-sim.log"));
    const SimProcess sim(SimAddress, {QStringLiteral("--data"), args.at(2)}, simOptions);
    if (!sim.isListening())
        throw std::runtime_error("caisse-sim did not listen: " + sim.log().toStdString());
    const double roundTrip = roundTripUs();
    Bench bench(args, root.path());

    // warm-up, and the cache and the widget count the counted runs need: that of the whole terminal
    const Run first = bench.run(Kind::Download, 0, QStringLiteral("--all-views"));
    bench.keepCache();
    const int widgets = first.widgets;
    const qsizetype downloads = requestCount(sim.log(), QStringLiteral("tablepos$"));
    const QList<QByteArray> requests = catalogueRequests(sim.log());
    bench.run(Kind::Cache, 0);
    if (downloads != 1 || requestCount(sim.log(), QStringLiteral("tablepos$")) != downloads)
        throw std::runtime_error("the warm-up did not download once then start from the cache");
    bench.run(Kind::Baseline, widgets);

    std::vector<double> baselineMs;
    std::vector<double> baselineWholeMs;
    std::vector<double> startViewRatios;
    std::vector<double> floorRatios;
    std::vector<double> cacheMs;
    std::vector<double> downloadMs;
    std::vector<double> cacheRatios;
    std::vector<double> downloadRatios;
    std::vector<double> baselineRss;
    std::vector<double> cacheRss;
    std::vector<double> downloadRss;
    std::array<Kind, 4> order{Kind::Baseline, Kind::StartViewOnly, Kind::Cache, Kind::Download};
    for (int round = 0; round < rounds; ++round) {
        std::array<Run, 4> runs;
        for (const Kind kind : order)
            runs.at(static_cast<size_t>(kind)) = bench.run(kind, widgets);
        const Run& baseline = runs.at(static_cast<size_t>(Kind::Baseline));
        const Run& cache = runs.at(static_cast<size_t>(Kind::Cache));
        const Run& download = runs.at(static_cast<size_t>(Kind::Download));
        // each kind goes first in turn, so a slow spell of the machine weighs on all alike
        std::rotate(order.begin(), order.begin() + 1, order.end());
        baselineMs.push_back(baseline.ms);
        baselineWholeMs.push_back(baseline.wholeMs);
        cacheMs.push_back(cache.ms - CacheWaitsMs);
        downloadMs.push_back(download.ms - DownloadWaitsMs);
        const Run& startView = runs.at(static_cast<size_t>(Kind::StartViewOnly));
        startViewRatios.push_back(startView.ms / baseline.ms);
        floorRatios.push_back(cacheMs.back() / startView.ms);
        cacheRatios.push_back(cacheMs.back() / baseline.ms);
        downloadRatios.push_back(downloadMs.back() / baseline.ms);
        baselineRss.push_back(static_cast<double>(baseline.rssKb) / 1024);
        cacheRss.push_back(static_cast<double>(cache.rssKb) / 1024);
        downloadRss.push_back(static_cast<double>(download.rssKb) / 1024);
    }
    if (requestCount(sim.log(), QStringLiteral("tablepos$")) != downloads + rounds)
        throw std::runtime_error("a counted run did not start in the mode it was given");
    const double replay = replayMs(requests);
    const QString paced = pacedDownload(args, bench);

    std::map<QString, std::vector<double>> openings;
    for (int round = 0; round < std::min(rounds, OpeningRounds); ++round) {
        for (const auto& [view, ms] : bench.run(Kind::Cache, 0, QStringLiteral("--open-views")).openings)
            openings[view].push_back(ms);
    }

    const double base = median(baselineMs);
    const double cache = median(cacheMs);
    const double download = median(downloadMs);
    const double cacheRatio = median(cacheRatios);
    const double downloadRatio = median(downloadRatios);
    const double downloadGoal = (cache + DownloadRoundTrips * roundTrip / 1000) * DownloadMargin / base;
    std::printf("cache-mode start: %.1f ms to the waiter view painted, net of %.0f ms of fixed waits, ratio %.2f "
                "to the start view alone (goal <= %.1f), %.2f to the baseline\n",
                cache, CacheWaitsMs, median(floorRatios), CacheGoal, cacheRatio);
    std::printf(
        "download-mode start: %.1f ms, net of %.0f ms of fixed waits, ratio %.2f to the baseline (goal <= "
        "%.2f: cache mode plus %d round trips of %.0f us, plus 10 %%); a bare client asks for its %lld requests "
        "in %.1f ms\n",
        download, DownloadWaitsMs, downloadRatio, downloadGoal, DownloadRoundTrips, roundTrip,
        static_cast<long long>(requests.size()), replay);
    std::printf("start view alone: ratio %.2f to the baseline, the floor under the cache-mode start: the settings "
                "read and the start view painted, which comes before any exchange\n",
                median(startViewRatios));
    const double baseRss = median(baselineRss);
    const double downloadPeak = median(downloadRss);
    std::printf("memory: %.1f MB peak RSS after a download, %.1f MB from the cache, ratio %.2f to the baseline's "
                "%.1f MB (goal <= %.2f)\n",
                downloadPeak, median(cacheRss), downloadPeak / baseRss, baseRss, MemoryGoal);
    std::printf("start baseline: %.1f ms to %d plain widgets painted, as many as the terminal holds once every view "
                "is made (%d catalogue controls and %d of the views), %.1f ms to its end; medians of %d rounds\n",
                base, widgets, CatalogueControls, widgets - CatalogueControls, median(baselineWholeMs), rounds);
    QString slowest;
    double slowestMs = 0;
    QStringList each;
    for (const auto& [view, times] : openings) {
        const double ms = median(times);
        each << QStringLiteral("%1 %2").arg(view).arg(ms, 0, 'f', 1);
        if (ms >= slowestMs) {
            slowest = view;
            slowestMs = ms;
        }
    }
    std::printf("first opening of a view, from its showing to its first paint: slowest %s, %.1f ms, ratio %.2f to the "
                "cache-mode start's net time (goal <= %.1f); %s ms; medians of %d rounds\n",
                qPrintable(slowest), slowestMs, slowestMs / cache, OpeningGoal,
                qPrintable(each.join(QStringLiteral(", "))), std::min(rounds, OpeningRounds));
    std::printf("%s\n", qPrintable(paced));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 6) {
        std::fprintf(
            stderr,
            "usage: bench_catalogue CAISSE_SIM DATA_FILE BENCH_START BASELINE_WIDGETS START_VIEW_ONLY [ROUNDS]\n");
        return 2;
    }
    try {
        return run(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_catalogue: %s\n", error.what());
        return 1;
    }
}
