// A headless match of computer players whose events also go to the statistics
// and the deal recorder; the commands after each deal come from a script.
#pragma once

#include <functional>

#include "match_harness.h"
#include "stats/deal_record.h"
#include "stats/statistics.h"

namespace morvello::testing {

// The hands of a deal with known declarations: seat 1 four aces and the
// Napoletana of Denari, seat 2 a Buongioco of twos, seats 3 and 4 none.
inline const std::array<std::string, 4> kDeclaringHands{
    "AD AC AB AS 2D 3D 4D 5D 6D 7D", "2C 2B 2S JD HD KD 4C 5C 6C 7C",
    "3C JC HC KC 4B 5B 6B 7B JB HB", "3B 3S KB 4S 5S 6S 7S JS HS KS"};

struct StatsRun {
    Statistics stats;
    StatisticsKeeper keeper{stats};
    DealRecorder recorder;
    RecordingTable table;
    MatchRun run;
    std::vector<int> winners;        // each game over's winning couple
    std::vector<GameState> results;  // the state at each settled deal

    explicit StatsRun(MatchOptions options) : run(table, std::move(options)) {
        run.match().addObserver(keeper);
        run.match().addObserver(recorder);
        run.match().addObserver(watcher_);
    }

    // next(asked, state): the command after each deal, asked counting from 1.
    void play(const std::function<Command(int, const GameState&)>& next) {
        int asked = 0;
        table.chooseCommand = [&](const GameState& g) { return next(++asked, g); };
        run.run();
    }

  private:
    struct Watcher : MatchObserver {
        StatsRun& owner;
        explicit Watcher(StatsRun& o) : owner(o) {}
        void onResult(const GameState& g, int) override { owner.results.push_back(g); }
        void onGameOver(const GameState&, int winner, int, int) override {
            owner.winners.push_back(winner);
        }
    } watcher_{*this};
};

}  // namespace morvello::testing
