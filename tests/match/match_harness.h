// Runs a match headless for tests: a table that logs the intents the controller
// hands it and the events it tells, and a runner that sets the match's state up,
// runs playMatches and rethrows a failure from inside it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "card_notation.h"
#include "cards/play_signal.h"
#include "cards/shuffle.h"
#include "match/controller.h"
#include "match/headless_table.h"

namespace morvello::testing {

// "repeat draw", "must follow C".
inline std::string messageNote(const TableMessage& message) {
    if (message.kind == TableMessage::Kind::RepeatDraw) return "repeat draw";
    return std::string("must follow ") + kSuitLetters.at(message.suit - 1u);
}

inline std::string signalName(Byte signal) {
    static const std::array<std::string, 4> names{"none", "Volo", "Busso", "Striscio"};
    return names.at(signal);
}

inline std::string soundName(Sound sound) {
    static const std::array<std::string, 5> names{"Card", "Fling", "Knock", "Creep", "Tie"};
    return names.at(static_cast<std::size_t>(sound));
}

// Log lines, intents first then events:
//   "delay 0.5", "think 1", "message repeat draw", "names turn 2", "sound Knock",
//   "card to table seat 2 7C signal Busso pause", "park 7C after-trick",
//   "gather winner 3", "declare 2 napoletana D, four 2", "hide declarations",
//   "menus continue new-game replay personalize allow-declare score" (those enabled);
//   "draw seat 2 7C", "tie", "dealer 4", "deal 1 dealer 4", "replayed deal 2 dealer 1",
//   "play seat 2 7C Busso" (the seat's signal so far), "signal chosen Busso",
//   "trick winner 3", "result", "game over".
class RecordingTable : public HeadlessTable, public MatchObserver {
  public:
    std::vector<std::string> log;
    // Answers each wait of the dealer choice (counted from 1); default, a draw.
    std::function<DeckInput(int wait)> deckAnswer;
    int deckWaits = 0;

    bool logged(const std::string& line) const { return indexOf(line) != log.size(); }
    // Where the line first appears in the log; log.size() when it never does.
    std::size_t indexOf(const std::string& line, std::size_t from = 0) const {
        return static_cast<std::size_t>(
            std::find(log.begin() + static_cast<std::ptrdiff_t>(from), log.end(), line) -
            log.begin());
    }
    // Where the first line starting with the prefix is, from `from` on.
    std::size_t indexOfPrefix(const std::string& prefix, std::size_t from = 0) const {
        return static_cast<std::size_t>(
            std::find_if(log.begin() + static_cast<std::ptrdiff_t>(from), log.end(),
                         [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }) -
            log.begin());
    }
    long count(const std::string& line) const { return std::count(log.begin(), log.end(), line); }

    // ---- TableView
    Wait<> delay(double units) override { return noted("delay " + number(units)); }
    Wait<> thinkDuring(double units, std::function<void()> think) override {
        note("think " + number(units));
        think();
        return {};
    }
    Wait<> showMessage(const TableMessage& message) override {
        note("message " + messageNote(message));
        return HeadlessTable::showMessage(message);
    }
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override {
        return noted("card to table seat " + std::to_string(seat) + " " + cardName(card) +
                     " signal " + signalName(shownSignal) + (pauseAfter ? " pause" : ""));
    }
    // A computer seat's play is the card sound and the card brought to the table.
    Wait<> cardPlayed(Byte seat, Byte card, const Hand&, Byte shownSignal,
                      bool pauseAfter) override {
        playSound(Sound::Card);
        return cardToTable(seat, card, shownSignal, pauseAfter);
    }
    Wait<> gatherTrick(const GatheredTrick& trick) override {
        return noted("gather winner " + std::to_string(trick.winner));
    }
    void drawNames(const std::array<std::string, 4>&, Byte turnSeat) override {
        note("names turn " + std::to_string(turnSeat));
    }
    void parkCard(Byte card, Parking where) override {
        note("park " + cardName(card) +
             (where == Parking::AfterTrick ? " after-trick" : " for-deal"));
    }
    void showDeclaration(Byte seat, const ShownDeclarations& shown) override {
        note("declare " + std::to_string(seat) + declarationsNote(shown));
    }
    void hideDeclarations() override { note("hide declarations"); }
    void playSound(Sound sound) override { note("sound " + soundName(sound)); }
    // The enabled items of the menus that carry game state.
    void updateMenus(const MenuState& m) override {
        std::string line = "menus";
        for (const auto& [on, name] : {std::pair{m.continueEnabled, "continue"},
                                       {m.newGameEnabled, "new-game"},
                                       {m.replayEnabled, "replay"},
                                       {m.personalizeEnabled, "personalize"},
                                       {m.allowDeclareEnabled, "allow-declare"},
                                       {m.scoreEnabled, "score"}})
            if (on) line += std::string(" ") + name;
        note(line);
    }

    // ---- PlayerInput
    Wait<DeckInput> deckInput() override {
        ++deckWaits;
        return deckAnswer ? deckAnswer(deckWaits) : DeckInput::Draw;
    }

    // ---- MatchObserver
    void onDraw(const GameState&, Byte seat, Byte card) override {
        note("draw seat " + std::to_string(seat) + " " + cardName(card));
    }
    void onTie(const GameState&) override { note("tie"); }
    void onDealer(const GameState&, Byte seat) override { note("dealer " + std::to_string(seat)); }
    void onDeal(const GameState& g, bool replay) override {
        note((replay ? "replayed deal " : "deal ") + std::to_string(g.dealNumber) + " dealer " +
             std::to_string(g.dealerSeat));
    }
    // With the seat's signal when it has one as its card leaves the hand.
    void onPlay(const GameState& g, Byte seat, Byte card) override {
        const Byte signal = g.trickSignals[seat];
        note("play seat " + std::to_string(seat) + " " + cardName(card) +
             (signal != kNoSignal ? " " + signalName(signal) : ""));
    }
    void onSignalChosen(const GameState&, Byte signal) override {
        note("signal chosen " + signalName(signal));
    }
    void onTrick(const GameState&, Byte winner, int) override {
        note("trick winner " + std::to_string(winner));
    }
    void onResult(const GameState&, int) override { note("result"); }
    void onGameOver(const GameState&, int, int, int) override { note("game over"); }

  private:
    void note(std::string line) { log.push_back(std::move(line)); }
    Wait<> noted(std::string line) {
        note(std::move(line));
        return {};
    }
    static std::string number(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    }
};

// A match on a headless table: set what it starts from through setUp(), then
// run().
class MatchRun {
  public:
    MatchRun(HeadlessTable& table, MatchOptions options)
        : match_(table, table, std::move(options)) {
        table.watch(match_.state());
    }
    MatchRun(RecordingTable& table, MatchOptions options)
        : MatchRun(static_cast<HeadlessTable&>(table), std::move(options)) {
        match_.addObserver(table);
    }

    Match& match() { return match_; }
    StoredGame& setUp() { return start_; }
    const GameState& state() const { return match_.state(); }

    // Runs playMatches to its end: every wait of the headless table is over at once.
    void run() {
        match_.restore(start_);
        Task<> main = match_.playMatches();
        main.start();
        main.rethrowIfFailed();
        ASSERT_TRUE(main.done());
    }

  private:
    Match match_;
    StoredGame start_;
};

// Decks for MatchOptions::newDeck: the given ones in turn, then none.
inline std::function<bool(Deck&)> decks(std::vector<Deck> list) {
    return [list = std::move(list), next = std::size_t{0}](Deck& deck) mutable {
        if (next == list.size()) return false;
        deck = list[next++];
        return true;
    };
}

// Decks for MatchOptions::newDeck: seeded shuffles, never running out.
inline std::function<bool(Deck&)> shuffles(std::uint32_t seed) {
    return [engine = ShuffleEngine(seed)](Deck& deck) mutable {
        shuffleDeck(deck, engine);
        return true;
    };
}

inline Deck shuffledDeck(std::uint32_t seed) {
    Deck deck{};
    shuffles(seed)(deck);
    return deck;
}

// A deck that gives each seat its hand when `dealer` deals ("3D 2D AD ...", seat
// 1 first): the first packet goes to the seat after the dealer, or to seat 1.
inline Deck deckDealing(Byte dealer, const std::array<std::string, 4>& hands) {
    Deck deck{};
    Byte seat = dealer >= 1 && dealer <= 3 ? static_cast<Byte>(dealer + 1) : Byte{1};
    for (int packet = 0; packet < 4; ++packet, seat = nextSeat(seat)) {
        const std::vector<Byte> hand = cards(hands[seat - 1]);
        for (int i = 0; i < 10; ++i) deck[packet * 10 + i + 1] = hand.at(i);
    }
    return deck;
}

// A deck whose first cards are these, the rest in code order.
inline Deck deckStarting(const std::string& first) {
    Deck deck{};
    std::array<bool, kCardCount + 1> used{};
    int place = 1;
    for (const Byte c : cards(first)) {
        deck[place++] = c;
        used[c] = true;
    }
    for (int c = 1; c <= kCardCount; ++c)
        if (!used[c]) deck[place++] = c;
    return deck;
}

// Plays one deal of `deck` dealt by `dealer` on the table, then ends the run.
inline void playOneDeal(RecordingTable& table, const Deck& deck, Byte dealer,
                        const SeatKinds& players = kOnePersonAtSeatOne,
                        const std::function<void(StoredGame&)>& setUp = {}) {
    MatchRun run(table, MatchOptions{decks({deck}), dealer, players});
    if (setUp) setUp(run.setUp());
    run.run();
}

}  // namespace morvello::testing
