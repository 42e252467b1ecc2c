// The deal: packets of ten consecutive cards of deck, shown arriving one by one.
#include "cards/hand_order.h"
#include "match/procedures.h"

namespace morvello {
namespace {

// The deal's pauses fall around the first seat's packet, whoever plays it:
// one before it when it is dealt first, one once it is sorted.
constexpr Byte kPausedSeat = 1;

// The first packet goes to the seat after the dealer; with no dealer, to seat 1.
Byte firstPacketSeat(Byte dealer) {
    return dealer >= 1 && dealer <= 3 ? dealer + 1 : 1;
}

// The seat's hand takes the ten cards of deck from place `first` on.
void takePacket(GameState& g, Byte seat, int first) {
    for (int slot = 1; slot <= 10; ++slot) {
        const auto card = static_cast<Byte>(g.deck[first + slot - 1]);
        g.hands[seat][slot] = card;
        markHeld(g, seat, card);
    }
}

}  // namespace

Task<> dealCards(GameState& g, MatchIo& io) {
    g.menus.allowDeclareEnabled = false;
    g.menus.scoreEnabled = false;
    io.view.updateMenus(g.menus);
    g.playedCards = {};
    Byte seat = firstPacketSeat(g.dealerSeat);
    if (seat == kPausedSeat) co_await io.view.delay(1);
    for (int k = 1; k <= kCardCount; k += 10) {
        if (k > 1) co_await io.view.delay(1);
        takePacket(g, seat, k);
        co_await io.view.dealPacket(seat, g.hands[seat]);
        co_await sortDealtHand(g, io, seat);  // sorted, each card's slot known
        seat = nextSeat(seat);
    }
    io.view.showDeck(false);
    co_await io.view.delay(2);
    g.menus.playRateEnabled = true;
    io.view.updateMenus(g.menus);
}

// The hand is sorted and laid out; the deal pauses once the first seat's is.
Wait<> sortDealtHand(GameState& g, MatchIo& io, Byte seat) {
    sortHand(g, seat);
    io.view.layOutHand(seat, g.hands[seat]);
    if (seat != kPausedSeat) return {};
    return io.view.delay(1);
}

}  // namespace morvello
