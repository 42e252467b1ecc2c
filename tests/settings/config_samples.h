// A game as stored after a shuffle, for the tests that write and read it.
#pragma once

#include <gtest/gtest.h>

#include "cards/game_state.h"
#include "settings/config_format.h"
#include "settings/sound_choices.h"

namespace morvello {

// What config.qvr holds: the game's stored fields and the Sounds menu's choices.
struct Stored : StoredGame {
    SoundChoices sound;
};

// Every stored field differs from its default, the last name holds letters of
// Windows-1252 beyond ASCII.
inline Stored played() {
    Stored g;
    g.playRate = 3;
    g.playerNames = {"Anna", "Bruno Maria", "Carla  ", "Jos\u00E9 \u20AC C\u0153ur"};
    g.sound.rustleChoice = 0;
    g.sound.musicChoice = 101;
    g.allowAllDeclare = 2;
    g.scoreOption = 1;
    for (int i = 1; i <= 40; ++i) g.deck[i] = i % 40 + 1;  // 2, 3, ..., 40, 1
    g.dealerSeat = 4;
    return g;
}

// The file's bytes for what is stored.
inline std::string fileOf(const Stored& s) {
    return formatConfig(s, s.sound);
}

inline void expectStoredFieldsEqual(const Stored& a, const Stored& b) {
    EXPECT_EQ(a.playRate, b.playRate);
    EXPECT_EQ(a.playerNames, b.playerNames);
    EXPECT_EQ(a.sound.rustleChoice, b.sound.rustleChoice);
    EXPECT_EQ(a.sound.musicChoice, b.sound.musicChoice);
    EXPECT_EQ(a.allowAllDeclare, b.allowAllDeclare);
    EXPECT_EQ(a.scoreOption, b.scoreOption);
    EXPECT_EQ(a.deck, b.deck);
    EXPECT_EQ(a.dealerSeat, b.dealerSeat);
}

}  // namespace morvello
