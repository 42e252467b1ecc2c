// Taking back a card: the person's last card of the deal, found in the record,
// and when a take-back is possible at all.
#pragma once

#include <optional>

#include "match/match_record.h"
#include "rules/seat_view.h"

namespace morvello {

// True when the seat may take back a card: it is the only person at the table,
// and it has played a card of the deal and holds one still (once its last card
// is down the deal is as good as settled).
bool canTakeBack(const SeatView& view, const SeatKinds& players);

// The number of choices the record keeps when the seat's last card of this deal
// is taken back: those before the choice that played it. None when the seat
// has played no card of this deal.
std::optional<std::size_t> choicesBeforeLastCard(const MatchRecord& record, const SeatView& view);

}  // namespace morvello
