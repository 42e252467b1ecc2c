// A game as stored after a shuffle, for the tests that write and read it.
#pragma once

#include <gtest/gtest.h>

#include "cards/game_state.h"

namespace morvello {

// Every stored field differs from its default, the last name holds letters of
// Windows-1252 beyond ASCII; noReplayDeck as a read sets it.
inline GameState played() {
    GameState g;
    g.playRate = 3;
    g.playerNames = {"Anna", "Bruno Maria", "Carla  ", "Jos\u00E9 \u20AC C\u0153ur"};
    g.rustleChoice = 0;
    g.musicChoice = 101;
    g.allowAllDeclare = 2;
    g.scoreOption = 1;
    for (int i = 1; i <= 40; ++i) g.deck[i] = i % 40 + 1;  // 2, 3, ..., 40, 1
    g.dealerSeat = 4;
    return g;
}

inline void expectStoredFieldsEqual(const GameState& a, const GameState& b) {
    EXPECT_EQ(a.playRate, b.playRate);
    EXPECT_EQ(a.playerNames, b.playerNames);
    EXPECT_EQ(a.rustleChoice, b.rustleChoice);
    EXPECT_EQ(a.musicChoice, b.musicChoice);
    EXPECT_EQ(a.allowAllDeclare, b.allowAllDeclare);
    EXPECT_EQ(a.scoreOption, b.scoreOption);
    EXPECT_EQ(a.deck, b.deck);
    EXPECT_EQ(a.dealerSeat, b.dealerSeat);
    EXPECT_EQ(a.noReplayDeck, b.noReplayDeck);
}

}  // namespace morvello
