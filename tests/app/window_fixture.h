// The window as the tests open it: no delays, no sound, config.qvr in a temp
// folder, a seeded shuffle; and a deck in order, so that the human deals first.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>

#include "app/game_window.h"
#include "cards/shuffle.h"
#include "qt_app.h"
#include "rules/seat_view.h"
#include "table/table_geometry.h"

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

// Sets the window up to start from a deck in order, at that match target.
inline void setUpOnOrderedDeck(GameWindow& window, int scoreOption = 0) {
    window.setUp();
    StoredGame start = window.match().stored();
    start.deck = orderedDeck();
    start.scoreOption = static_cast<Byte>(scoreOption);
    window.match().restore(start);
}

// Shows the window at that size, on the screen before the test goes on.
inline void showAt(GameWindow& window, QSize size) {
    window.resize(size);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

// What config.qvr in the folder holds now.
inline StoredGame storedIn(const QTemporaryDir& dir, SoundChoices* sound = nullptr) {
    StoredGame game;
    SoundChoices choices;
    ConfigStore(dir.path(), dir.filePath("user")).readConfig(game, sound ? *sound : choices);
    return game;
}

// Clicks the table at a point of the scene; a card on its visible left part.
inline void clickTable(GameWindow& w, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.view().viewport(), button, {}, w.view().mapFromScene(at));
}
inline void clickCard(GameWindow& w, int code, Qt::MouseButton button = Qt::LeftButton) {
    const TableGeometry& geo = w.table().geometry();
    clickTable(w, w.scene().card(code).pos() + QPointF(geo.cardWidth * 0.2, geo.cardHeight * 0.5),
               button);
}

// The first card of the person's hand, left to right, that may be played now
// (or not); 0 when there is none.
inline Byte firstHeld(GameWindow& w, bool legal = true) {
    const SeatView v = w.match().view(kOwnSeat);
    for (const Byte card : w.table().fan())
        if (holdsUnplayed(v, card) && isLegalPlay(v, card) == legal) return card;
    return 0;
}

// Whether the table's drawing (the names, the score sheet) shows the text.
inline bool drawn(GameWindow& w, const std::string& text) {
    const auto& ops = w.scene().surface().ops();
    return std::any_of(ops.begin(), ops.end(), [&](const DrawOp& op) { return op.text == text; });
}

// The first shown child of that type: a message box, a dialog.
template <class T>
T* shownChild(const QWidget& parent) {
    for (T* child : parent.findChildren<T*>())
        if (child->isVisible()) return child;
    return nullptr;
}

}  // namespace morvello
