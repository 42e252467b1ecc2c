// What the review of a finished deal shows, worked out from its recorded events:
// the hands as dealt, each seat's declarations, the ten tricks and the result.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "rules/declarations.h"
#include "stats/deal_record.h"

namespace morvello {

struct ReviewTrick {
    Byte leader = 0;
    std::array<Byte, 5> cards{};        // by seat
    std::array<Byte, 5> seatSignals{};  // by seat, as the trick ended
    Byte winner = 0;
    int thirds = 0;
    std::array<int, 2> runningThirds{};  // card points of each couple after the trick
};

struct DealReview {
    int dealNumber = 0;
    Byte dealer = 0;
    bool replay = false;
    std::array<std::string, 4> names;
    std::array<Hand, 5> hands{};                      // as dealt, in the hand order of the game
    std::array<ShownDeclarations, 5> declarations{};  // each seat's
    std::vector<ReviewTrick> tricks;
    // Each couple's result as the score sheet shows it: the card points with the
    // fractions dropped, the last trick, the declarations.
    std::array<int, 2> cardPoints{};
    int lastTrickCouple = 0;
    std::array<int, 2> declPoints{};
    std::array<int, 2> dealScore{};
    std::array<int, 2> matchTotal{};
};

// The review of a settled deal; an empty review (no tricks) for no events.
DealReview reviewOf(const DealEvents& deal);

}  // namespace morvello
