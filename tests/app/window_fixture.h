// The window as the tests open it: no delays, no sound, config.qvr in a temp
// folder, a seeded shuffle; and a deck in order, so that the human deals first.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

#include "app/game_window.h"
#include "cards/shuffle.h"
#include "qt_app.h"

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
    options.viewSettings = dir.filePath("view.ini");
    auto engine = std::make_shared<ShuffleEngine>(20240611u);
    options.match.newDeck = [engine](Deck& deck) {
        shuffleDeck(deck, *engine);
        return true;
    };
    return options;
}

// The first shown child of that type: a message box, a dialog.
template <class T>
T* shownChild(const QWidget& parent) {
    for (T* child : parent.findChildren<T*>())
        if (child->isVisible()) return child;
    return nullptr;
}

}  // namespace morvello
