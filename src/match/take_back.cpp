#include "match/take_back.h"

#include <algorithm>
#include <bit>

namespace morvello {
namespace {

bool playedThisDeal(const SeatView& view, int card) {
    return (view.playedCards[view.seat] & cardBit(card)) != 0;
}

}  // namespace

bool canTakeBack(const SeatView& view, const SeatKinds& players) {
    const auto people = std::count(players.begin() + 1, players.end(), PlayerKind::Person);
    const int played = std::popcount(view.playedCards[view.seat]);
    return people == 1 && players[view.seat] == PlayerKind::Person && played > 0 &&
           played < kTricksPerDeal;
}

// A card refused as not playable is a choice too; the last choice of a card the
// seat has played in this deal is the one that played it.
std::optional<std::size_t> choicesBeforeLastCard(const MatchRecord& record, const SeatView& view) {
    for (std::size_t i = record.choices.size(); i-- > 0;) {
        const Choice& c = record.choices[i];
        if (c.kind == Choice::Kind::Card && c.seat == view.seat && playedThisDeal(view, c.value))
            return i;
    }
    return std::nullopt;
}

}  // namespace morvello
