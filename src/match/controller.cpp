// Main: the life of the game. The dealer choice, the shuffle and the deal, the
// ten tricks, the settling, and the wait for Continue, Repeat the last hand or
// New Game, over and over.
#include "match/controller.h"

#include "cards/shuffle.h"
#include "match/procedures.h"
#include "match/seat_geometry.h"

namespace morvello {
namespace {

enum class Next { NewMatch, Replay, NextDeal };

bool shuffleFromTimeOfDay(GameState& g) {
    ShuffleEngine engine = timeOfDayEngine();
    Mescola(g, engine);
    return true;
}

// The dealer choice draws from the stored deck. A deck that is not a permutation
// of 1..40 (a first start, or a file with an entry missing, unreadable, out of
// range or repeated) cannot be drawn from: it becomes a fresh shuffle, so every
// deal is dealt from a whole deck.
void ensureDrawableDeck(GameState& g) {
    if (!isFullDeck(g.deck)) shuffleFromTimeOfDay(g);
}

Task<> startUpPause(GameState& g, Table& table) {
    g.menus.personalizeEnabled = false;
    g.dealNumber = 1;
    g.menus.continueEnabled = false;
    table.updateMenus();
    table.showTitle(true);
    co_await table.ritardo(2);
    table.showTitle(false);
    g.menus.personalizeEnabled = true;
    table.updateMenus();
}

bool commandGiven(const GameState& g) {
    return g.menus.replayChecked || g.newGameRequested || g.continueRequested || g.quitRequested;
}

// Takes the deal just played back out of the totals, to be played again.
void takeBackDeal(GameState& g) {
    int& scoreA = dealScore(g, 0);
    int& scoreB = dealScore(g, 1);
    g.matchTotal[0] -= scoreA / 3;
    g.matchTotal[1] -= scoreB / 3;
    scoreA = 0;
    scoreB = 0;
}

}  // namespace

void Form_Activate(GameState& g) {
    g.centerX = 400;
    g.centerY = 300;
    g.cardWidth = 60;
    g.cardHeight = 94.25;
}

void gioco_imposta(GameState& g, Table& table) {
    g.holdMap = {};
    table.clearDrawing();
    g.partnerOf = {0, 3, 4, 1, 2};
    table.drawNames();
    g.jolly = {};
    table.parkAllCards(kParkedForDeal);
    table.showDeck(true);
}

Task<> Main(GameState& g, Table& table, MainOptions options) {
    if (!options.newDeck) options.newDeck = shuffleFromTimeOfDay;
    co_await startUpPause(g, table);
    Next next = Next::NewMatch;
    bool firstMatch = true;
    for (;;) {
        if (next != Next::NextDeal) {
            const bool newMatch = next == Next::NewMatch;
            if (newMatch) table.onMatchStart();
            gioco_imposta(g, table);
            if (newMatch && firstMatch && options.firstDealer) {
                g.dealerSeat = *options.firstDealer;
                g.turnSeat = nextSeat(g.dealerSeat);
            } else {
                if (!g.menus.replayChecked) ensureDrawableDeck(g);
                co_await Scelta_Cartaro(g, table);
            }
            if (newMatch) table.onDealer(g.dealerSeat);
            firstMatch = false;
        }
        const bool replay = g.menus.replayChecked;
        if (!replay) {
            g.turnSeat = nextSeat(g.dealerSeat);
            g.leaderSeat = g.turnSeat;
            if (!options.newDeck(g)) co_return;
            table.saveConfig();
        }
        g.menus.replayEnabled = false;
        g.menus.replayChecked = false;
        table.updateMenus();
        co_await daicarte(g, table);
        rebuildHoldMap(g);
        g.noReplayDeck = false;
        table.onDeal(replay);
        co_await gioco(g, table);
        risultato(g, table);
        g.menus.newGameEnabled = true;
        table.updateMenus();
        while (!commandGiven(g)) co_await table.waitForCommand();
        if (g.quitRequested) co_return;
        if (g.menus.replayEnabled && g.menus.replayChecked) {
            table.clearDrawing();
            takeBackDeal(g);
            next = Next::Replay;
        } else if (g.continueRequested) {
            table.clearDrawing();
            g.dealerSeat = nextSeat(g.dealerSeat);
            ++g.dealNumber;
            next = Next::NextDeal;
        } else {
            Azzera(g);
            next = Next::NewMatch;
        }
    }
}

}  // namespace morvello
