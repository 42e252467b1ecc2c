// Whether a morvello-server loses nothing when it is killed. T tables of four
// network seats play at once, every seat by the hint (bench/load/played_table.h),
// each table hosted again by a new one as it ends, while the server is killed
// with SIGKILL at K random instants and started again each time on the same
// journal and port; the seats come back by themselves with their tokens. Once
// the kills are done the tables play on to their end, and the run fails when
// one of them stops moving. It writes each table's code, and whether its match
// began, to FILE; bench/server_restart.sh checks those tables against the
// journal and their traces.
//
//   server_restart --server PROGRAM --journal FILE --trace-dir DIR --codes FILE
//                  [--tables T] [--kills K] [--answer-ms A] [--rejoin-grace MS] [--seed S]
//
// T defaults to 20, K to 100; each seat answers after 0 to A ms (default 0).
// The server runs with delay scale 0 and a rejoin grace of MS (default 2000):
// a seat is back long before the classic strategy would play it.
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "load/played_table.h"
#include "load/server_process.h"

namespace morvello::bench {
namespace {

// A kill falls this long after the server listens again, drawn evenly.
constexpr int kShortestLifeMs = 200;
constexpr int kLongestLifeMs = 2000;
// A table whose match has not begun by then lost its seating to a kill (a seat
// seated by the server but killed before it heard its token cannot come back).
constexpr int kSeatingTimeoutMs = 20000;
// After the kills, some table must end within this, or the run has stalled.
constexpr int kStallTimeoutMs = 60000;
// The last tables' traces are closed as they go; the server is stopped after.
constexpr int kSettleMs = 500;

struct Options {
    QString serverProgram;
    QString journal;
    QString traceFolder;
    QString codesPath;
    int tables = 20;
    int kills = 100;
    int answerMs = 0;
    int rejoinGraceMs = 2000;
    std::uint32_t seed = 1;
};

std::optional<Options> parseOptions(const QStringList& arguments, QString& error) {
    Options o;
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        const QString& flag = arguments[i];
        const QString& value = arguments[i + 1];
        if (flag == QLatin1String("--server"))
            o.serverProgram = value;
        else if (flag == QLatin1String("--journal"))
            o.journal = value;
        else if (flag == QLatin1String("--trace-dir"))
            o.traceFolder = value;
        else if (flag == QLatin1String("--codes"))
            o.codesPath = value;
        else if (flag == QLatin1String("--tables"))
            o.tables = value.toInt();
        else if (flag == QLatin1String("--kills"))
            o.kills = value.toInt();
        else if (flag == QLatin1String("--answer-ms"))
            o.answerMs = value.toInt();
        else if (flag == QLatin1String("--rejoin-grace"))
            o.rejoinGraceMs = value.toInt();
        else if (flag == QLatin1String("--seed"))
            o.seed = value.toUInt();
        else
            error = QStringLiteral("unknown argument ") + flag;
    }
    if (arguments.size() % 2 != 0) error = QStringLiteral("every option takes a value");
    if (o.serverProgram.isEmpty() || o.journal.isEmpty() || o.traceFolder.isEmpty() ||
        o.codesPath.isEmpty())
        error = QStringLiteral("--server, --journal, --trace-dir and --codes are needed");
    if (o.tables < 1 || o.kills < 0) error = QStringLiteral("--tables takes N > 0");
    if (!error.isEmpty()) return std::nullopt;
    return o;
}

class RestartRun {
  public:
    explicit RestartRun(const Options& options)
        : options_(options),
          random_(options.seed),
          server_(options.serverProgram,
                  {QStringLiteral("--journal"), options.journal, QStringLiteral("--trace-dir"),
                   options.traceFolder, QStringLiteral("--delay-scale"), QStringLiteral("0"),
                   QStringLiteral("--rejoin-grace"), QString::number(options.rejoinGraceMs)}) {
        stall_.setSingleShot(true);
        QObject::connect(&stall_, &QTimer::timeout, qApp, [this] { stalled(); });
    }

    bool begin(QString& error) {
        if (!server_.start(error)) return false;
        for (int i = 0; i < options_.tables; ++i) hostTable();
        if (options_.kills > 0) scheduleKill();
        return true;
    }

    int status() const { return status_; }

  private:
    void hostTable() {
        const AnswerPace pace{0, options_.answerMs};
        auto* table =
            new PlayedTable(pace, options_.seed + static_cast<std::uint32_t>(tables_.size()), qApp);
        table->onOver = [this](PlayedTable&) { tableOver(); };
        tables_.push_back(table);
        table->host(server_.url());
        QTimer::singleShot(kSeatingTimeoutMs, table, [this, table] {
            if (table->started() || table->over()) return;
            ++abandoned_;
            tableOver();
        });
    }

    void scheduleKill() {
        std::uniform_int_distribution<int> life(kShortestLifeMs, kLongestLifeMs);
        QTimer::singleShot(life(random_), qApp, [this] { killAndRestart(); });
    }

    void killAndRestart() {
        server_.kill();
        ++kills_;
        QString error;
        if (!server_.start(error)) {
            fail(QStringLiteral("the server did not start again: ") + error);
            return;
        }
        broughtBack_ += server_.tablesBroughtBack();
        if (kills_ < options_.kills) {
            scheduleKill();
            return;
        }
        std::printf("%d kills done; the tables play on to their end\n", kills_);
        std::fflush(stdout);
        stall_.start(kStallTimeoutMs);
        finishIfAllOver();
    }

    void tableOver() {
        if (kills_ < options_.kills) {
            hostTable();
            return;
        }
        stall_.start(kStallTimeoutMs);
        finishIfAllOver();
    }

    int openTables() const {
        int open = 0;
        for (const PlayedTable* table : tables_) open += !table->over() && table->started();
        return open;
    }

    int unseated() const {
        int waiting = 0;
        for (const PlayedTable* table : tables_) waiting += !table->over() && !table->started();
        return waiting - abandoned_;
    }

    void finishIfAllOver() {
        if (openTables() > 0 || unseated() > 0) return;
        stall_.stop();
        QTimer::singleShot(kSettleMs, qApp, [this] { finish(); });
    }

    void finish() {
        server_.stop();
        if (!writeCodes()) return;
        long choices = 0;
        int started = 0, stranded = 0;
        std::map<QString, long> refusals;
        for (const PlayedTable* table : tables_) {
            choices += table->choices();
            started += table->started();
            stranded += table->strandedSeats();
            for (const auto& [what, count] : table->refusals()) refusals[what] += count;
        }
        std::printf(
            "%d kills, %d tables hosted, %d began their match, %d lost their seating "
            "to a kill; %ld choices; %d tables brought back over the restarts\n",
            kills_, static_cast<int>(tables_.size()), started, abandoned_, choices, broughtBack_);
        std::printf("seats the server would not take back: %d\n", stranded);
        for (const auto& [what, count] : refusals)
            std::printf("  refused %s: %ld\n", what.toUtf8().constData(), count);
        std::fflush(stdout);
        qApp->quit();
    }

    // "CODE started" for a table whose match began, "CODE unstarted" otherwise.
    bool writeCodes() {
        QFile codes(options_.codesPath);
        if (!codes.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            fail(QStringLiteral("cannot write ") + options_.codesPath);
            return false;
        }
        for (const PlayedTable* table : tables_)
            if (!table->code().isEmpty())
                codes.write((table->code() + (table->started() ? QStringLiteral(" started\n")
                                                               : QStringLiteral(" unstarted\n")))
                                .toUtf8());
        return true;
    }

    void stalled() {
        for (const PlayedTable* table : tables_) {
            if (table->over() || !table->started()) continue;
            std::fprintf(stderr,
                         "server_restart: table %s stalled after %ld choices, %d seats "
                         "refused\n",
                         table->code().toUtf8().constData(), table->choices(),
                         table->strandedSeats());
        }
        status_ = 1;
        finish();
    }

    void fail(const QString& why) {
        std::fprintf(stderr, "server_restart: %s\n", why.toLocal8Bit().constData());
        status_ = 1;
        qApp->quit();
    }

    const Options& options_;
    std::mt19937 random_;
    ServerProcess server_;
    std::vector<PlayedTable*> tables_;
    QTimer stall_;
    int kills_ = 0;
    int abandoned_ = 0;
    int broughtBack_ = 0;
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
        std::fprintf(stderr, "server_restart: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    RestartRun run(*options);
    if (!run.begin(error)) {
        std::fprintf(stderr, "server_restart: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    app.exec();
    return run.status();
}
