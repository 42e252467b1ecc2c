#include "stats/deal_review.h"

namespace morvello {
namespace {

void addResult(DealReview& review, const DealEvent& e) {
    const GameState& g = e.state;
    for (int couple = 0; couple <= 1; ++couple) {
        const int first = couple == 0 ? 1 : 2;
        review.cardPoints[couple] = g.cardPoints[couple] / 3;
        review.declPoints[couple] = g.declPoints[first] + g.declPoints[first + 2];
    }
    review.lastTrickCouple = e.value;
    review.dealScore = {g.dealScoreA[g.dealNumber] / 3, g.dealScoreB[g.dealNumber] / 3};
    review.matchTotal = g.matchTotal;
}

}  // namespace

DealReview reviewOf(const DealEvents& deal) {
    DealReview review;
    ReviewTrick trick;
    for (const DealEvent& e : deal) {
        const GameState& g = e.state;
        switch (e.kind) {
            case DealEvent::Kind::Deal:
                review.dealNumber = g.dealNumber;
                review.dealer = g.dealerSeat;
                review.replay = e.replay;
                review.names = g.playerNames;
                review.hands = g.hands;
                break;
            case DealEvent::Kind::Declarations:
                for (Byte seat = 1; seat <= 4; ++seat)
                    review.declarations[seat] = shownDeclarations(g, seat);
                break;
            case DealEvent::Kind::Play:
                if (trick.leader == 0) trick.leader = e.seat;
                trick.cards[e.seat] = e.card;
                trick.seatSignals[e.seat] = g.trickSignals[e.seat];
                break;
            case DealEvent::Kind::SignalChosen:
                trick.seatSignals[1] = e.seat;
                break;
            case DealEvent::Kind::Trick:
                trick.winner = e.seat;
                trick.thirds = e.value;
                trick.runningThirds = g.cardPoints;
                review.tricks.push_back(trick);
                trick = {};
                break;
            case DealEvent::Kind::Result:
                addResult(review, e);
                break;
        }
    }
    return review;
}

}  // namespace morvello
