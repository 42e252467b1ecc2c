// Settling a deal: card points with the fractions dropped, the point for the
// last trick, the declarations, and the running match totals.
#pragma once

#include <array>
#include <string>

#include "cards/game_state.h"

namespace morvello {

// The point of the last trick, in thirds.
inline constexpr int kLastTrickThirds = 3;

// Card points in thirds with the fractions of a point dropped, as a deal settles them.
inline int wholeThirds(int thirds) {
    return thirds - thirds % 3;
}

// Adds the last trick's point to the couple of turnSeat (the winner of the tenth
// trick), drops the fractions and adds the deal to the match totals.
void settleDeal(GameState& g);

// The match is over when a couple has reached the target and the totals differ.
bool isMatchOver(const GameState& g);

// The couple with the higher total: 0 for seats 1 and 3, 1 for seats 2 and 4.
int leadingCouple(const GameState& g);

// How many earlier deals the score sheet lists at most; a longer match lists its latest.
inline constexpr int kSheetHistoryRows = 9;

// A settled deal as the score sheet shows it to every seat.
struct ScoreSheet {
    std::array<std::string, 4> names{};
    int dealNumber = 1;  // the deal just settled
    // The thirds of the earlier deals listed, from deal firstListed on.
    int firstListed = 1;
    std::array<int, kSheetHistoryRows> earlierA{}, earlierB{};
    bool lastTrickA = false;          // couple A took the last trick
    std::array<int, 2> cardPoints{};  // thirds taken in the deal
    std::array<int, 2> declPoints{};  // each couple's declarations
    std::array<int, 2> matchTotal{};
    bool gameOver = false;
};

// The sheet of the deal finishDeal has just settled.
ScoreSheet scoreSheetOf(const GameState& g, bool gameOver);

}  // namespace morvello
