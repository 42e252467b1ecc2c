// The player's record across runs, kept by listening to the controller: matches
// won, lost and abandoned by the human's couple, streaks, deals and their
// scores, declarations and last tricks, each match target apart.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "match/match_observer.h"

namespace morvello {

// Declarations by kind, as the statistics count them.
enum DeclarationKind { kFourKind = 0, kBuongioco = 1, kNapoletanaKind = 2, kDeclarationKinds = 3 };

// The figures of one match target. Couple 0 is the human's (seats 1 and 3).
struct TargetRecord {
    int matches = 0;  // matches that reached the end
    int won = 0;
    int lost = 0;
    int abandoned = 0;
    int withTakeBacks = 0;  // matches that reached the end with a card taken back: apart
    int currentStreak = 0;  // matches won in a row, up to the last one
    int longestStreak = 0;
    int deals = 0;
    std::array<int, 2> dealPoints{};  // the deals' scores summed, whole points
    std::array<std::array<int, kDeclarationKinds>, 2> declarations{};
    std::array<int, 2> lastTricks{};
    // Matches played to their end at a table of the network, with other people:
    // apart from the matches against the computer.
    int withPeople = 0;
    int wonWithPeople = 0;

    bool operator==(const TargetRecord&) const = default;
};

inline constexpr int kTargetCount = 2;  // 21 and 31 points

struct Statistics {
    std::array<TargetRecord, kTargetCount> byTarget;  // index: scoreOption

    bool operator==(const Statistics&) const = default;
};

// Won matches as a share of finished ones; none when no match finished.
std::optional<double> winRate(const TargetRecord& r);
// A couple's average deal score; none when no deal was played.
std::optional<double> averageDealScore(const TargetRecord& r, int couple);

// Keeps the statistics up to date from the controller's events. A deal counts
// once settled; a repeated deal takes back the deal it repeats. A match in which
// the person took back a card counts apart, out of the won, lost and streaks.
class StatisticsKeeper final : public MatchObserver {
  public:
    explicit StatisticsKeeper(Statistics& stats) : stats_(&stats), kept_(&stats) {}

    // Told after each change worth saving.
    std::function<void()> onChanged;

    // Clears every figure; a deal repeated after it takes nothing back.
    void reset();

    // A match dealt but not over when the program ends counts as abandoned.
    void abandonMatchInProgress();
    // A match left unfinished in an earlier run, given up: abandoned.
    void abandonLeftMatch(int scoreOption);
    // While a run is played again, its events were counted before: they only
    // bring the keeper to where the run stands, and the figures are untouched.
    void setReplaying(bool replaying);

    void onMatchStart(const GameState& g) override;
    void onDeal(const GameState& g, bool replay) override;
    void onResult(const GameState& g, int lastTrickCouple) override;
    void onGameOver(const GameState& g, int winnerCouple, int totalA, int totalB) override;
    void onTakeBack(const GameState& g) override;

    // A match with other people, at a table of the network, reached its end.
    void countMatchWithPeople(int scoreOption, bool won);

  private:
    TargetRecord& record() { return stats_->byTarget[matchTarget_]; }
    void changed() {
        if (onChanged && stats_ == kept_) onChanged();
    }

    Statistics* stats_;  // the kept figures, or a scratch copy while replaying
    Statistics* kept_;
    Statistics scratch_;
    bool matchInProgress_ = false;
    bool tookBack_ = false;  // a card was taken back in the match under way
    int matchTarget_ = 0;
    TargetRecord lastDeal_;  // what the last settled deal added, taken back by a replay
};

}  // namespace morvello
