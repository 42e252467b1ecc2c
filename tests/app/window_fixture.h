// The window as the tests open it: no delays, no sound, config.qvr in a temp
// folder, a seeded shuffle; and the deck in order, so the human deals first.
// The fixture shows it with its match started.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "app/game_window.h"
#include "cards/shuffle.h"
#include "qt_app.h"
#include "rules/play_rules.h"

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

// What config.qvr in the folder holds now.
inline GameState storedGame(const QTemporaryDir& dir) {
    GameState game;
    SoundChoices sound;
    ConfigStore(dir.path(), dir.filePath("user")).readConfig(game, sound);
    return game;
}

class WindowTest : public ::testing::Test {
  protected:
    explicit WindowTest(Byte scoreOption) : window_(testOptions(dir_)) {
        window_.setUp();
        window_.match().stateBeforeStart().deck = orderedDeck();  // ace, 2, 3, 4: the human deals
        window_.match().stateBeforeStart().scoreOption = scoreOption;
        window_.resize(1024, 800);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window_.matchRunning(); }));
    }

    const GameState& g() { return window_.state(); }
    QtTable& table() { return window_.table(); }
    TableScene& scene() { return window_.scene(); }
    const GameMenus& menus() { return window_.menus(); }
    const ViewActions& view() { return window_.viewItems().actions(); }
    std::string status() { return window_.statusLabel().text().toStdString(); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(&window_.view(), k, m);
    }

    // The cards still held, left to right.
    std::vector<int> heldCards() {
        std::vector<int> held;
        for (int slot = 1; slot <= 10; ++slot) {
            const Byte card = table().fan()[slot];
            if (card != 0 && holdsUnplayed(g(), 1, card)) held.push_back(card);
        }
        return held;
    }
    // The first card of the hand that is legal, or not.
    int firstCard(bool legal) {
        for (int card : heldCards())
            if (isLegalPlay(g(), kOwnSeat, static_cast<Byte>(card)) == legal) return card;
        return 0;
    }
    void drawByKeys() {
        for (int draw = 1; draw <= 4; ++draw) {
            ASSERT_TRUE(table().waitingForDeck());
            key(Qt::Key_Space);
        }
    }

    QApplication& app_ = testing::qtApp();
    QTemporaryDir dir_;
    GameWindow window_;
};

}  // namespace morvello
