// How many tables one morvello-server carries. This process plays N tables of
// network play at once, four NetworkSeats a table, every seat by the hint
// (bench/load/played_table.h), against a server it starts on 127.0.0.1 (or
// one it is given), and reports:
//   --pace human  each seat answers about a second after its ask (0.5 to 1.5 s);
//                 once every table has started, for S seconds: the time from a
//                 choice sent to the moment all four seats of its table have
//                 their next view (median and 99th percentile), and the
//                 choices a second;
//   --pace 0      each seat answers at once, the server with delay scale 0,
//                 whole matches: the choices a second from the first table's
//                 start to the last table's end;
// and, for both, the server's CPU time (share of one core, and per table) and
// resident memory (in all, and per table above the idle server's).
//
//   server_load (--server PROGRAM | --connect URL --server-pid PID) --tables N
//               [--pace human|0] [--seconds S] [--delay-scale X] [--seed K]
//
// At human pace a started server runs with --delay-scale X (default 0.1): the
// table's own movements then last a tenth of the window's (a card's slide
// 30 ms, a trick gathered 0.5 s, a deal 0.3 s), short beside the seats' second
// of thought, so the table's pace is the people's. The journal is a
// temporary file; the last line of output gathers the figures for
// bench/server_load.sh.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "load/played_table.h"
#include "load/server_process.h"

namespace morvello::bench {
namespace {

constexpr int kHumanShortestMs = 500;
constexpr int kHumanLongestMs = 1500;
constexpr double kHumanDelayScale = 0.1;
constexpr double kDefaultSeconds = 60;
// Tables are hosted a few at a time, so the server's queue of connections
// waiting to be accepted never overflows.
constexpr int kTablesPerTick = 10;
constexpr int kHostingTickMs = 20;
// Every table has begun its match within this, or the run is stopped.
constexpr int kStartTimeoutMs = 180000;
constexpr double kMedian = 0.5;
constexpr double kTopPercentile = 0.99;
constexpr double kKbPerMb = 1024;
constexpr double kMsPerSecond = 1000;
constexpr double kPercent = 100;

struct Options {
    QString serverProgram;
    QUrl url;
    qint64 serverPid = 0;
    int tables = 10;
    bool humanPace = true;
    double seconds = kDefaultSeconds;
    double delayScale = kHumanDelayScale;
    std::uint32_t seed = 1;
};

std::optional<Options> parseOptions(const QStringList& arguments, QString& error) {
    Options o;
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        const QString& flag = arguments[i];
        const QString& value = arguments[i + 1];
        if (flag == QLatin1String("--server"))
            o.serverProgram = value;
        else if (flag == QLatin1String("--connect"))
            o.url = QUrl(value);
        else if (flag == QLatin1String("--server-pid"))
            o.serverPid = value.toLongLong();
        else if (flag == QLatin1String("--tables"))
            o.tables = value.toInt();
        else if (flag == QLatin1String("--pace"))
            o.humanPace = value == QLatin1String("human");
        else if (flag == QLatin1String("--seconds"))
            o.seconds = value.toDouble();
        else if (flag == QLatin1String("--delay-scale"))
            o.delayScale = value.toDouble();
        else if (flag == QLatin1String("--seed"))
            o.seed = value.toUInt();
        else
            error = QStringLiteral("unknown argument ") + flag;
    }
    if (arguments.size() % 2 != 0) error = QStringLiteral("every option takes a value");
    if (o.serverProgram.isEmpty() == o.url.isEmpty())
        error = QStringLiteral("give --server PROGRAM, or --connect URL with --server-pid PID");
    if (!o.url.isEmpty() && o.serverPid <= 0)
        error = QStringLiteral("--connect needs --server-pid");
    if (o.tables < 1 || o.seconds <= 0) error = QStringLiteral("--tables and --seconds take N > 0");
    if (!o.humanPace) o.delayScale = 0;
    if (!error.isEmpty()) return std::nullopt;
    return o;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * values.size()));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The figures of one span of the run, from its start to its end.
struct Span {
    QElapsedTimer wall;
    double serverCpu = 0;
    double ownCpu = 0;
    long choices = 0;
};

class LoadRun {
  public:
    LoadRun(const Options& options, qint64 serverPid, QUrl url, long idleKb)
        : options_(options), serverPid_(serverPid), url_(std::move(url)), idleKb_(idleKb) {}

    void begin() {
        QTimer::singleShot(kStartTimeoutMs, qApp, [this] {
            if (started_ < options_.tables) stop("not every table started in time");
        });
        hostSome();
    }

    int status() const { return status_; }

  private:
    void hostSome() {
        const AnswerPace pace =
            options_.humanPace ? AnswerPace{kHumanShortestMs, kHumanLongestMs} : AnswerPace{};
        for (int i = 0; i < kTablesPerTick && hosted_ < options_.tables; ++i, ++hosted_) {
            auto* table = new PlayedTable(pace, options_.seed + hosted_, qApp);
            table->onStarted = [this](PlayedTable&) { tableStarted(); };
            table->onOver = [this](PlayedTable&) { tableOver(); };
            table->onUpdateSeen = [this](double ms, const QString& what) {
                if (!measuring_) return;
                updateMs_.push_back(ms);
                updateMsByAsk_[what].push_back(ms);
            };
            tables_.push_back(table);
            table->host(url_);
        }
        if (hosted_ < options_.tables)
            QTimer::singleShot(kHostingTickMs, qApp, [this] { hostSome(); });
    }

    void tableStarted() {
        if (++started_ == 1 && !options_.humanPace) spanStarts();
        if (started_ < options_.tables || !options_.humanPace) return;
        spanStarts();
        measuring_ = true;
        QTimer::singleShot(static_cast<int>(options_.seconds * kMsPerSecond), qApp,
                           [this] { report(); });
    }

    void tableOver() {
        ++over_;
        if (options_.humanPace) {
            stop("a table ended before the span was over: give fewer --seconds");
            return;
        }
        if (over_ == options_.tables) report();
    }

    void spanStarts() {
        span_.wall.start();
        span_.serverCpu = cpuSeconds(serverPid_);
        span_.ownCpu = processCpuSeconds();
        span_.choices = choices();
    }

    long choices() const {
        long total = 0;
        for (const PlayedTable* table : tables_) total += table->choices();
        return total;
    }

    void report() {
        const double seconds = static_cast<double>(span_.wall.nsecsElapsed()) / 1e9;
        const double serverCpu = cpuSeconds(serverPid_) - span_.serverCpu;
        const double ownCpu = processCpuSeconds() - span_.ownCpu;
        const long made = choices() - span_.choices;
        const long rssKb = options_.humanPace ? residentKb(serverPid_) : peakResidentKb(serverPid_);
        const double n = options_.tables;
        long unseen = 0;
        int retries = 0;
        for (const PlayedTable* table : tables_) {
            unseen += table->unseenUpdates();
            retries += table->seatingRetries();
        }
        const double median = percentile(updateMs_, kMedian);
        const double top = percentile(updateMs_, kTopPercentile);
        std::printf("%d tables at pace %s, delay scale %g, over %.1f s:\n", options_.tables,
                    options_.humanPace ? "human" : "0", options_.delayScale, seconds);
        if (options_.humanPace)
            std::printf(
                "  update seen at all four seats: median %.2f ms, 99th percentile %.2f ms "
                "(%zu choices timed, %ld followed by the next choice first)\n",
                median, top, updateMs_.size(), unseen);
        for (const auto& [what, ms] : updateMsByAsk_)
            std::printf("    after a %s: median %.2f ms, 99th percentile %.2f ms (%zu)\n",
                        what.toUtf8().constData(), percentile(ms, kMedian),
                        percentile(ms, kTopPercentile), ms.size());
        std::printf("  %ld choices, %.1f choices a second\n", made, made / seconds);
        if (retries > 0)
            std::printf("  %d seats were not given within %d ms and were asked again\n", retries,
                        kSeatingRetryMs);
        std::printf("  server CPU %.1f%% of a core: %.3f ms a table-second, %.1f us a choice\n",
                    kPercent * serverCpu / seconds, kMsPerSecond * serverCpu / seconds / n,
                    1e6 * serverCpu / std::max(made, 1L));
        std::printf(
            "  server resident memory %.1f MB (%s), %.1f kB a table above the idle "
            "server's %.1f MB\n",
            rssKb / kKbPerMb, options_.humanPace ? "now" : "peak", (rssKb - idleKb_) / n,
            idleKb_ / kKbPerMb);
        std::printf("  this process (the seats) CPU %.1f%% of a core\n",
                    kPercent * ownCpu / seconds);
        std::printf(
            "result tables=%d pace=%s median_ms=%.2f p99_ms=%.2f choices_per_s=%.1f "
            "server_cpu_pct=%.1f cpu_ms_per_table_s=%.3f rss_mb=%.1f kb_per_table=%.1f "
            "seats_cpu_pct=%.1f\n",
            options_.tables, options_.humanPace ? "human" : "0", median, top, made / seconds,
            kPercent * serverCpu / seconds, kMsPerSecond * serverCpu / seconds / n,
            rssKb / kKbPerMb, (rssKb - idleKb_) / n, kPercent * ownCpu / seconds);
        std::fflush(stdout);
        qApp->quit();
    }

    void stop(const char* why) {
        std::fprintf(stderr, "server_load: %s (%d of %d tables started, %d over)\n", why, started_,
                     options_.tables, over_);
        status_ = 1;
        qApp->quit();
    }

    const Options& options_;
    qint64 serverPid_;
    QUrl url_;
    long idleKb_;
    std::vector<PlayedTable*> tables_;
    int hosted_ = 0;
    int started_ = 0;
    int over_ = 0;
    bool measuring_ = false;
    Span span_;
    std::vector<double> updateMs_;
    std::map<QString, std::vector<double>> updateMsByAsk_;
    int status_ = 0;
};

}  // namespace
}  // namespace morvello::bench

int main(int argc, char** argv) {
    using namespace morvello::bench;
    raiseFileLimit();
    qputenv("QT_NO_GLIB", "1");  // as the server: the poll loop, for thousands of sockets
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<Options> options = parseOptions(app.arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "server_load: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    QTemporaryDir folder;
    std::unique_ptr<ServerProcess> server;
    QUrl url = options->url;
    qint64 pid = options->serverPid;
    if (!options->serverProgram.isEmpty()) {
        server = std::make_unique<ServerProcess>(
            options->serverProgram,
            QStringList{QStringLiteral("--journal"),
                        folder.filePath(QStringLiteral("tables.sqlite")),
                        QStringLiteral("--delay-scale"), QString::number(options->delayScale),
                        QStringLiteral("--seed"), QString::number(options->seed)});
        if (!server->start(error)) {
            std::fprintf(stderr, "server_load: %s\n", error.toLocal8Bit().constData());
            return 1;
        }
        url = server->url();
        pid = server->pid();
    }
    LoadRun run(*options, pid, url, residentKb(pid));
    run.begin();
    app.exec();
    return run.status();
}
