// The dealer choice: the human clicks the deck once for each seat, in the order
// 2, 3, 4, 1; the single highest card deals, a tie draws four more cards.
#include "match/procedures.h"
#include "match/seat_geometry.h"

namespace morvello {
namespace {

void startChoice(GameState& g, Table& table) {
    table.drawNames();
    table.showDeck(true);
    g.menus.personalizeEnabled = true;
    g.menus.newGameEnabled = false;
    g.menus.continueEnabled = false;
    table.updateMenus();
    g.phase = Phase::SceltaCartaro;
    g.drawCount = 0;
    g.turnSeat = 2;
}

// What ended the wait for a deck click.
enum class DeckEvent { Draw, Repeat, Restart };

DeckEvent deckEvent(const GameState& g) {
    if (g.menus.replayChecked) return DeckEvent::Repeat;
    if (g.phase == Phase::SceltaCartaroAgain) return DeckEvent::Restart;
    return DeckEvent::Draw;
}

// dorsov_Click: the next card of deck, face up on the drawing seat's side.
void drawCard(GameState& g, Table& table) {
    g.cardToPlay = static_cast<Byte>(g.deck[g.drawCount]);
    table.placeCard(g.cardToPlay, drawPosition(g, g.turnSeat));
    table.bringToFront(g.cardToPlay);
}

Task<> repeatTie(GameState& g, Table& table) {
    table.playSound(4);
    table.onTie();
    co_await table.showMessage("Repeat, please");
    for (int i = g.drawCount - 3; i <= g.drawCount; ++i)
        table.placeCard(static_cast<Byte>(g.deck[i]), kParkedAfterTrick);
    g.turnSeat = 2;
}

Task<> finishChoice(GameState& g, Table& table) {
    g.phase = Phase::None;
    g.inputLock = 100;
    g.turnSeat = nextSeat(g.dealerSeat);
    co_await table.ritardo(1);
    table.parkAllCards(kParkedForDeal);
}

}  // namespace

Task<> Scelta_Cartaro(GameState& g, Table& table) {
    startChoice(g, table);
    for (;;) {
        g.cardToPlay = 0;
        if (++g.drawCount > kCardCount) break;  // ten tied cycles: no dealer
        DeckEvent event = deckEvent(g);
        while (event == DeckEvent::Draw && g.cardToPlay == 0) {
            co_await table.waitForDeckClick();
            event = deckEvent(g);
            if (event == DeckEvent::Draw) drawCard(g, table);
        }
        if (event == DeckEvent::Repeat) {
            g.turnSeat = nextSeat(g.dealerSeat);
            g.leaderSeat = g.turnSeat;
            table.clearDrawing();
            table.drawNames();
            break;
        }
        if (event == DeckEvent::Restart) {
            table.clearDrawing();
            startChoice(g, table);
            continue;
        }
        g.menus.personalizeEnabled = false;
        table.updateMenus();
        table.playSound(0);
        g.drawValues[g.turnSeat] = ValCarta(g.cardToPlay);
        table.onDraw(g.turnSeat, g.cardToPlay);
        if (g.turnSeat != 1) {
            g.turnSeat = nextSeat(g.turnSeat);
            continue;
        }
        ord_massimo(g);
        if (g.dealerSeat != 0) break;
        co_await repeatTie(g, table);
    }
    co_await finishChoice(g, table);
}

}  // namespace morvello
