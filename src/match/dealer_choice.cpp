// The dealer choice: each seat draws a card from the deck, in the order 2, 3,
// 4, 1; the single highest card deals, a tie draws four more cards.
#include "match/procedures.h"

namespace morvello {
namespace {

void startChoice(GameState& g, MatchIo& io) {
    io.view.drawNames(g.playerNames, g.turnSeat);
    io.view.showDeck(true);
    g.menus.personalizeEnabled = true;
    g.menus.newGameEnabled = false;
    g.menus.continueEnabled = false;
    io.view.updateMenus(g.menus);
    g.phase = Phase::DealerChoice;
    g.drawCount = 0;
    g.turnSeat = 2;
}

// What the choice does next, once the deck or the state has spoken.
enum class DeckEvent { Draw, Repeat, Restart };

DeckEvent deckEvent(const GameState& g) {
    if (g.menus.replayChecked) return DeckEvent::Repeat;
    if (g.phase == Phase::DealerChoiceAgain) return DeckEvent::Restart;
    return DeckEvent::Draw;
}

// onDeckClick: the next card of deck, face up on the drawing seat's side.
void drawCard(GameState& g, MatchIo& io) {
    g.cardToPlay = static_cast<Byte>(g.deck[g.drawCount]);
    io.view.showDrawnCard(g.turnSeat, g.cardToPlay);
}

Task<> repeatTie(GameState& g, MatchIo& io) {
    io.view.playSound(Sound::Tie);
    io.events.onTie(g);
    co_await io.view.showMessage({TableMessage::Kind::RepeatDraw});
    for (int i = g.drawCount - 3; i <= g.drawCount; ++i)
        io.view.parkCard(static_cast<Byte>(g.deck[i]), Parking::AfterTrick);
    g.turnSeat = 2;
}

Task<> finishChoice(GameState& g, MatchIo& io) {
    g.phase = Phase::None;
    g.turnSeat = nextSeat(g.dealerSeat);
    co_await io.view.delay(1);
    io.view.parkAllCards();
}

}  // namespace

Task<> chooseDealer(GameState& g, MatchIo& io) {
    startChoice(g, io);
    for (;;) {
        g.cardToPlay = 0;
        if (++g.drawCount > kCardCount) break;  // ten tied cycles: no dealer
        DeckEvent event = deckEvent(g);
        while (event == DeckEvent::Draw && g.cardToPlay == 0) {
            const DeckInput input = co_await io.players[g.turnSeat]->drawForDealer(g, io);
            event = deckEvent(g);
            if (event == DeckEvent::Draw && input == DeckInput::Draw) drawCard(g, io);
        }
        if (event == DeckEvent::Repeat) {
            g.turnSeat = nextSeat(g.dealerSeat);
            g.leaderSeat = g.turnSeat;
            io.view.clearDrawing();
            io.view.drawNames(g.playerNames, g.turnSeat);
            break;
        }
        if (event == DeckEvent::Restart) {
            io.view.clearDrawing();
            startChoice(g, io);
            continue;
        }
        g.menus.personalizeEnabled = false;
        io.view.updateMenus(g.menus);
        io.view.playSound(Sound::Card);
        g.drawValues[g.turnSeat] = valueOf(g.cardToPlay);
        io.events.onDraw(g, g.turnSeat, g.cardToPlay);
        if (g.turnSeat != 1) {
            g.turnSeat = nextSeat(g.turnSeat);
            continue;
        }
        decideDealer(g);
        if (g.dealerSeat != 0) break;
        co_await repeatTie(g, io);
    }
    co_await finishChoice(g, io);
}

}  // namespace morvello
