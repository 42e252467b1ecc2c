// The window as the tests open it: no delays, no sound, config.qvr in a temp
// folder, a seeded shuffle; and the deck in order, so the human deals first.
#pragma once

#include <QTemporaryDir>
#include <array>
#include <memory>

#include "app/game_window.h"
#include "cards/shuffle.h"

namespace morvello {

inline std::array<int, 41> orderedDeck() {
    std::array<int, 41> deck{};
    for (int i = 1; i <= 40; ++i) deck[i] = i;
    return deck;
}

inline WindowOptions testOptions(const QTemporaryDir& dir) {
    WindowOptions options;
    options.delayScale = 0;
    options.sound = false;
    options.store.emplace(dir.path(), dir.filePath("user"));
    auto engine = std::make_shared<ShuffleEngine>(20240611u);
    options.main.newDeck = [engine](Deck& deck) {
        Mescola(deck, *engine);
        return true;
    };
    return options;
}

}  // namespace morvello
