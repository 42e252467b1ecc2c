#include "stats/statistics.h"

#include <algorithm>

namespace morvello {
namespace {

void addTo(TargetRecord& into, const TargetRecord& deal, int sign) {
    into.deals += sign * deal.deals;
    for (int couple = 0; couple <= 1; ++couple) {
        into.dealPoints[couple] += sign * deal.dealPoints[couple];
        into.lastTricks[couple] += sign * deal.lastTricks[couple];
        for (int kind = 0; kind < kDeclarationKinds; ++kind)
            into.declarations[couple][kind] += sign * deal.declarations[couple][kind];
    }
}

// Every combination the seat was dealt, from its aces, twos and threes: a
// Napoletana and four of a kind sharing an ace both count.
void countDeclarations(const GameState& g, int seat, std::array<int, kDeclarationKinds>& kinds) {
    const auto& top = g.topDealt[seat];
    for (int value = 1; value <= 3; ++value) {
        const int held = top[value][1] + top[value][2] + top[value][3] + top[value][4];
        if (held == 4) ++kinds[kFourKind];
        if (held == 3) ++kinds[kBuongioco];
    }
    for (int suit = 1; suit <= 4; ++suit)
        if (top[1][suit] && top[2][suit] && top[3][suit]) ++kinds[kNapoletanaKind];
}

// What a settled deal adds: one deal, its scores, its declarations and last trick.
TargetRecord dealFigures(const GameState& g, int lastTrickCouple) {
    TargetRecord deal;
    deal.deals = 1;
    deal.dealPoints = {g.dealScoreA[g.dealNumber] / 3, g.dealScoreB[g.dealNumber] / 3};
    deal.lastTricks[lastTrickCouple] = 1;
    for (int seat = 1; seat <= 4; ++seat)
        countDeclarations(g, seat, deal.declarations[coupleOf(seat)]);
    return deal;
}

}  // namespace

std::optional<double> winRate(const TargetRecord& r) {
    if (r.matches == 0) return std::nullopt;
    return static_cast<double>(r.won) / r.matches;
}

std::optional<double> averageDealScore(const TargetRecord& r, int couple) {
    if (r.deals == 0) return std::nullopt;
    return static_cast<double>(r.dealPoints[couple]) / r.deals;
}

void StatisticsKeeper::reset() {
    *stats_ = {};
    lastDeal_ = {};
    changed();
}

void StatisticsKeeper::abandonMatchInProgress() {
    if (!matchInProgress_) return;
    matchInProgress_ = false;
    ++stats_->byTarget[matchTarget_].abandoned;
    changed();
}

void StatisticsKeeper::abandonLeftMatch(int scoreOption) {
    ++stats_->byTarget[scoreOption % kTargetCount].abandoned;
    changed();
}

void StatisticsKeeper::setReplaying(bool replaying) {
    scratch_ = *kept_;
    stats_ = replaying ? &scratch_ : kept_;
}

// A new match while another was dealt and not over: New Game abandoned it.
void StatisticsKeeper::onMatchStart(const GameState&) {
    abandonMatchInProgress();
    tookBack_ = false;
}

void StatisticsKeeper::onTakeBack(const GameState&) {
    tookBack_ = true;
}

void StatisticsKeeper::countMatchWithPeople(int scoreOption, bool won) {
    TargetRecord& r = stats_->byTarget[scoreOption % kTargetCount];
    ++r.withPeople;
    if (won) ++r.wonWithPeople;
    changed();
}

void StatisticsKeeper::onDeal(const GameState& g, bool replay) {
    if (!matchInProgress_) {
        matchInProgress_ = true;
        matchTarget_ = g.scoreOption % kTargetCount;
    }
    if (replay) {
        addTo(record(), lastDeal_, -1);
        lastDeal_ = {};
        changed();
    }
}

void StatisticsKeeper::onResult(const GameState& g, int lastTrickCouple) {
    lastDeal_ = dealFigures(g, lastTrickCouple);
    addTo(record(), lastDeal_, 1);
    changed();
}

void StatisticsKeeper::onGameOver(const GameState&, int winnerCouple, int, int) {
    TargetRecord& r = record();
    matchInProgress_ = false;
    if (tookBack_) {
        ++r.withTakeBacks;
        changed();
        return;
    }
    ++r.matches;
    if (winnerCouple == 0) {
        ++r.won;
        r.longestStreak = std::max(r.longestStreak, ++r.currentStreak);
    } else {
        ++r.lost;
        r.currentStreak = 0;
    }
    changed();
}

}  // namespace morvello
