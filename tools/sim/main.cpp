// morvello-sim: plays whole matches with no window, through the same match
// controller, rules, strategies and scoring as the game.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cards/shuffle.h"
#include "files/kept_file.h"
#include "match/controller.h"
#include "match/json_trace.h"
#include "match/record_replay.h"
#include "network_play.h"
#include "sim_options.h"
#include "sim_table.h"

using namespace morvello;

namespace {

// Where fresh decks come from: the deck file, line by line, or the seeded shuffle.
std::function<bool(Deck&)> deckSource(const sim::SimOptions& options, ShuffleEngine& engine) {
    if (options.decks) {
        return [&decks = *options.decks, next = std::size_t{0}](Deck& deck) mutable {
            if (next == decks.size()) {
                std::fprintf(stderr,
                             "morvello-sim: the deck file ran out after %zu decks: stopped\n",
                             decks.size());
                return false;
            }
            deck = decks[next++];
            return true;
        };
    }
    return [&engine](Deck& deck) {
        shuffleDeck(deck, engine);
        return true;
    };
}

// Runs a match to its end or to its first wait that nothing answers.
void runToEnd(Match& match) {
    Task<> run = match.playMatches();
    run.start();
    run.rethrowIfFailed();
}

// The record is written whole or not at all, as every file the game keeps.
bool writeRecord(const std::string& path, const MatchRecord& record) {
    const files::SaveResult saved = files::replaceKeptFile(path, recordText(record));
    if (saved) return true;
    const std::string why = saved.state == files::SaveState::NotRegular
                                ? "it is not a regular file"
                                : std::strerror(saved.error);
    std::fprintf(stderr, "morvello-sim: cannot write the record %s: %s\n", path.c_str(),
                 why.c_str());
    return false;
}

// --replay-record: the recorded run played again, to its end or to --to choices.
int replayRecorded(const sim::SimOptions& options) {
    const MatchRecord& record = *options.replayRecord;
    const auto start = std::chrono::steady_clock::now();
    RecordReplay table(record, options.replayTo);
    JsonTrace trace(stdout);
    Match match(table, table, replayOptions());
    table.attach(match);
    if (options.trace) match.addObserver(trace);
    try {
        runToEnd(match);
    } catch (const RecordMismatch& e) {
        std::fprintf(stderr, "morvello-sim: %s\n", e.what());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.bench)
        std::printf("%ld choices replayed in %.6f s\n", table.choicesMade(), seconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string networkError;
    if (const auto play = sim::parseNetworkPlay(args, networkError)) {
        if (!networkError.empty()) {
            std::fprintf(stderr, "morvello-sim: %s\n", networkError.c_str());
            return 2;
        }
        return sim::playAtTable(argc, argv, *play);
    }
    const sim::ParseResult parsed = sim::parseOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "morvello-sim: %s\n", parsed.error.c_str());
        return 2;
    }
    const sim::SimOptions& options = parsed.options;
    if (options.help) {
        std::fputs(sim::usage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("morvello-sim %s\n", MORVELLO_VERSION);
        return 0;
    }
    if (options.replayRecord) return replayRecorded(options);

    ShuffleEngine engine(options.seed);
    long deals = 0;
    long expertDecisions = 0;
    const auto start = std::chrono::steady_clock::now();
    {
        sim::SimTable table(options);
        JsonTrace trace(stdout);
        MatchOptions mainOptions{deckSource(options, engine), static_cast<Byte>(options.dealer),
                                 options.players};
        mainOptions.expertSamples = options.samples;
        mainOptions.expertSeed = options.seed;
        mainOptions.recorded = !options.recordFile.empty();
        Match match(table, table, std::move(mainOptions));
        StoredGame start;
        start.scoreOption = options.target == 31 ? 1 : 0;
        match.restore(start);
        table.watch(match.state());
        if (options.trace) match.addObserver(trace);
        runToEnd(match);
        deals = table.dealsDealt();
        expertDecisions = match.expertDecisions();
        if (!options.recordFile.empty() && !writeRecord(options.recordFile, match.record()))
            return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.bench) {
        std::printf("%ld deals in %.3f s: %.0f deals/s\n", deals, seconds, deals / seconds);
        if (expertDecisions > 0)
            std::printf("%ld Expert decisions at %d samples: %.1f decisions/s\n", expertDecisions,
                        options.samples, expertDecisions / seconds);
    }
    return 0;
}
