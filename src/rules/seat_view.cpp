#include "rules/seat_view.h"

#include <algorithm>
#include <bit>

#include "cards/play_signal.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

// A seat has shown its declarations once it has played its second card.
inline constexpr int kCardsBeforeAnnouncing = 2;

// The seat's own cards, in full.
void ownCards(const GameState& g, SeatView& v) {
    const Byte seat = v.seat;
    v.hand = g.hands[seat];
    v.held = g.holdMap[seat];
    v.topDealt = g.topDealt[seat];
    v.declSlots = g.declSlots[seat];
    v.declPoints = g.declPoints[seat];
    v.returnSuit = g.returnSuit[seat];
}

// What each seat has shown: the cards it played, where they were in its hand,
// its knocks, the suits it did not follow, its shown signals and declarations.
void shownBySeats(const GameState& g, SeatView& v) {
    for (Byte s = 1; s <= 4; ++s) {
        for (int slot = 1; slot <= kTricksPerDeal; ++slot) {
            const Byte entry = g.hands[s][slot];
            if (isPlayed(entry)) v.playedFromSlots[s][slot] = entry;
        }
        v.playedCards[s] = g.playedCards[s];
        const Byte signal = g.trickSignals[s];
        v.trickSignals[s] = s == v.seat || signal == kBusso ? signal : kNoSignal;
        v.lackedSuits[s] = g.lackedSuits[s];
        v.voloSuits[s] = g.voloSuits[s];
        v.striscioSuits[s] = g.striscioSuits[s];
        if (s != v.seat && std::popcount(g.playedCards[s]) >= kCardsBeforeAnnouncing) {
            v.announced[s] = true;
            v.shownSlots[s] = g.declSlots[s];
        }
    }
    // Only cards played in this deal are on the table: a place still holding a
    // card of the deal before shows nothing.
    const CardSet played =
        g.playedCards[1] | g.playedCards[2] | g.playedCards[3] | g.playedCards[4];
    const auto playedOnly = [played](Byte card) {
        return card != 0 && (played & cardBit(card)) != 0 ? card : Byte{0};
    };
    for (Byte s = 1; s <= 4; ++s) {
        v.tableCards[s] = playedOnly(g.tableCards[s]);
        v.trickBySeat[s] = playedOnly(g.trickBySeat[s]);
    }
    v.seatOrder = g.seatOrder;
    v.cardToPlay = playedOnly(g.cardToPlay);
}

void table(const GameState& g, SeatView& v) {
    v.partnerOf = g.partnerOf;
    v.turnSeat = g.turnSeat;
    v.leaderSeat = g.leaderSeat;
    v.dealerSeat = g.dealerSeat;
    v.cardsPlayed = g.cardsPlayed;
    v.trickNumber = g.trickNumber;
    v.dealNumber = g.dealNumber;
    v.leadSuit = g.leadSuit;
    v.drawValues = g.drawValues;
    v.drawCount = g.drawCount;
    v.phase = g.phase;
    v.refusedPlay = g.refusedPlay;
    v.menus = g.menus;
}

// The settled deals' scores: this deal's column holds the declarations credited
// at its start, which the seat has not all been shown.
void scores(const GameState& g, SeatView& v) {
    const auto settled = static_cast<std::size_t>(g.dealNumber);
    v.settledScoreA.assign(g.dealScoreA.begin(),
                           g.dealScoreA.begin() + std::min(settled, g.dealScoreA.size()));
    v.settledScoreB.assign(g.dealScoreB.begin(),
                           g.dealScoreB.begin() + std::min(settled, g.dealScoreB.size()));
    v.cardPoints = g.cardPoints;
    v.matchTotal = g.matchTotal;
}

void options(const GameState& g, SeatView& v) {
    static_cast<GameOptions&>(v) = g;
    v.targetPoints = g.targetPoints;
}

}  // namespace

SeatView seatView(const GameState& g, Byte seat) {
    SeatView v;
    v.seat = seat;
    ownCards(g, v);
    shownBySeats(g, v);
    table(g, v);
    scores(g, v);
    options(g, v);
    return v;
}

GameState stateSeenBy(const SeatView& v) {
    GameState g;
    g.playerNames = {};
    for (Byte s = 1; s <= 4; ++s) {
        const Hand& cards = s == v.seat ? v.hand : v.playedFromSlots[s];
        g.hands[s] = cards;
        for (int slot = 1; slot <= kTricksPerDeal; ++slot) {
            const Byte entry = cards[slot];
            if (entry == 0) continue;
            g.slotOf[isPlayed(entry) ? entry - kPlayedMark : entry] = static_cast<Byte>(slot);
        }
        g.playedCards[s] = v.playedCards[s];
    }
    g.holdMap[v.seat] = v.held;
    g.topDealt[v.seat] = v.topDealt;
    g.declSlots[v.seat] = v.declSlots;
    g.declPoints[v.seat] = v.declPoints;
    g.returnSuit[v.seat] = v.returnSuit;
    g.tableCards = v.tableCards;
    g.trickBySeat = v.trickBySeat;
    g.seatOrder = v.seatOrder;
    g.trickSignals = v.trickSignals;
    g.lackedSuits = v.lackedSuits;
    g.voloSuits = v.voloSuits;
    g.striscioSuits = v.striscioSuits;
    g.partnerOf = v.partnerOf;
    g.turnSeat = v.turnSeat;
    g.leaderSeat = v.leaderSeat;
    g.dealerSeat = v.dealerSeat;
    g.cardToPlay = v.cardToPlay;
    g.cardsPlayed = v.cardsPlayed;
    g.trickNumber = v.trickNumber;
    g.dealNumber = 1;  // this deal's score kept in the first column
    g.dealScoreA.assign(2, 0);
    g.dealScoreB.assign(2, 0);
    g.leadSuit = v.leadSuit;
    g.drawValues = v.drawValues;
    g.drawCount = v.drawCount;
    g.phase = v.phase;
    g.refusedPlay = v.refusedPlay;
    g.menus = v.menus;
    g.cardPoints = v.cardPoints;
    g.matchTotal = v.matchTotal;
    g.playRate = v.playRate;
    g.allowAllDeclare = v.allowAllDeclare;
    g.scoreOption = v.scoreOption;
    g.targetPoints = v.targetPoints;
    return g;
}

std::array<Byte, 5> trickOnTable(const SeatView& view) {
    const auto cardsOf = [](const std::array<Byte, 5>& bySeat) {
        CardSet cards = 0;
        for (Byte seat = 1; seat <= 4; ++seat)
            if (bySeat[seat] != 0) cards |= cardBit(bySeat[seat]);
        return cards;
    };
    // Deciding a trick orders tableCards strongest first; trickBySeat keeps it by seat.
    const CardSet onTable = cardsOf(view.tableCards);
    return onTable != 0 && onTable == cardsOf(view.trickBySeat) ? view.trickBySeat
                                                                : view.tableCards;
}

bool holdsUnplayed(const SeatView& view, Byte card) {
    return card >= 1 && card <= kCardCount &&
           std::find(view.hand.begin() + 1, view.hand.end(), card) != view.hand.end();
}

bool isLegalPlay(const SeatView& view, Byte card) {
    return isLegalPlay(stateSeenBy(view), view.seat, card);
}

}  // namespace morvello
