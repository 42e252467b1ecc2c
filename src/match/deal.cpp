// The deal: packets of ten consecutive cards of deck, shown arriving one by one.
#include "cards/hand_order.h"
#include "match/procedures.h"
#include "match/seat_geometry.h"

namespace morvello {
namespace {

// The first packet goes to the seat after the dealer; with no dealer, to seat 1.
Byte firstPacketSeat(Byte dealer) {
    return dealer >= 1 && dealer <= 3 ? dealer + 1 : 1;
}

void showDealtCard(GameState& g, Table& table, Byte seat, int slot, Byte card) {
    if (seat != 1) {
        table.paintBack(seat, slot);
        return;
    }
    table.placeCard(card, humanSlot(g, slot));
    g.jolly[card] = true;
    table.bringToFront(card);
}

}  // namespace

Task<> daicarte(GameState& g, Table& table) {
    g.menus.allowDeclareEnabled = false;
    g.menus.scoreEnabled = false;
    table.updateMenus();
    g.inputLock = 100;
    Byte seat = firstPacketSeat(g.dealerSeat);
    if (seat == 1) co_await table.ritardo(1);
    for (int k = 1; k <= kCardCount; k += 10) {
        if (k > 1) co_await table.ritardo(1);
        for (int slot = 1; slot <= 10; ++slot) {
            const Byte card = static_cast<Byte>(g.deck[k + slot - 1]);
            showDealtCard(g, table, seat, slot, card);
            g.hands[seat][slot] = card;
            g.holdMap[seat][Seme(card)][ValCarta(card)] = '*';
            table.playSound(0);
            co_await table.ritardo(0.2);
        }
        co_await OrdMieCarte(g, table, seat);
        seat = nextSeat(seat);
    }
    table.showDeck(false);
    co_await table.ritardo(2);
    g.menus.playRateEnabled = true;
    table.updateMenus();
}

void layOutHumanHand(GameState& g, Table& table) {
    for (int slot = 1; slot <= 10; ++slot) {
        const int card = g.hands[1][slot];
        if (isPlayed(card) || card == 0) continue;
        table.bringToFront(static_cast<Byte>(card));
        table.placeCard(static_cast<Byte>(card), humanSlot(g, slot));
    }
}

Task<> OrdMieCarte(GameState& g, Table& table, Byte seat) {
    g.inputLock = 100;
    if (g.rightPressedCard == 0) sortHand(g, seat);
    if (seat != 1) co_return;
    layOutHumanHand(g, table);
    co_await table.ritardo(1);
}

}  // namespace morvello
