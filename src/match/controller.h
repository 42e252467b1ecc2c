// The match controller: the life of the game as one script with waits.
#pragma once

#include <functional>
#include <optional>

#include "cards/game_state.h"
#include "match/table.h"

namespace morvello {

struct MainOptions {
    // Fills deck with the next fresh deck; returns false when there is none, which
    // ends Main (the headless runner's deck file ran out). Default: Mescola seeded
    // from the time of day.
    std::function<bool(GameState&)> newDeck;
    // The dealer of the first match, skipping its dealer choice (headless runner).
    std::optional<Byte> firstDealer;
};

// Form_Activate: the table geometry, before Main starts.
void Form_Activate(GameState& g);

// Runs matches until quitRequested is set after a command, or newDeck runs out.
// The window never sets quitRequested: it destroys the task to quit.
Task<> Main(GameState& g, Table& table, MainOptions options = {});

}  // namespace morvello
