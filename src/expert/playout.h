// Playing a sampled deal to its end: every seat by the classic strategy after
// the card tried, and the deal scored for the couple that tried it.
#pragma once

#include "cards/game_state.h"
#include "expert/deal_sampler.h"

namespace morvello {

// The seen state with the sampled hands put in the hidden seats' empty slots,
// holdMap and the dealt top cards made to match.
GameState sampledState(const SeatKnowledge& k, const SampledHands& hands);

// turnSeat gives up the card as a computer seat does: the classic strategy's
// own play when it is the card the strategy picks, else the card with the
// holding signal when it leads or follows suit, answering a partner's knock.
void giveUpCard(GameState& g, Byte card, Byte classicCard);

// Plays `card` for turnSeat and the rest of the deal by the classic strategy;
// the deal's settled card points and last trick for turnSeat's couple less the
// other couple's, in thirds.
int playOutWith(GameState g, Byte card, Byte classicCard);

}  // namespace morvello
