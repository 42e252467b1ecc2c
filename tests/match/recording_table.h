// A headless table that writes down what the controller asks of it, for tests.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "cards/shuffle.h"
#include "match/controller.h"
#include "match/headless_table.h"

namespace morvello::testing {

class RecordingTable : public HeadlessTable {
  public:
    using HeadlessTable::HeadlessTable;

    std::vector<std::string> log;  // "ritardo 1", "step 12 4,0 x8 4ms", "sound 0", ...
    std::function<void(GameState&)> onDeckClick;  // runs at each deck click wait
    int deckClicks = 0;
    int deals = 0;

    Wait<> ritardo(double units) override {
        note("ritardo " + trim(units));
        return {};
    }
    Wait<> stepCard(Byte card, double dx, double dy, int steps, int ms) override {
        note("step " + std::to_string(card) + " " + trim(dx) + "," + trim(dy) + " x" +
             std::to_string(steps) + " " + std::to_string(ms) + "ms");
        return {};
    }
    Wait<> waitForDeckClick() override {
        ++deckClicks;
        if (onDeckClick) onDeckClick(g_);
        return {};
    }
    void playSound(int segment) override { note("sound " + std::to_string(segment)); }
    void placeCard(Byte card, Point p) override {
        note("place " + std::to_string(card) + " " + trim(p.x) + "," + trim(p.y));
    }
    void showDeclaration(Byte seat, const std::string& caption) override {
        note("declare " + std::to_string(seat) + " " + caption);
    }
    void hideDeclarations() override { note("hide declarations"); }
    void drawNames() override { note("names " + std::to_string(g_.turnSeat)); }
    void onDeal(bool) override { ++deals; }

    void note(std::string line) { log.push_back(std::move(line)); }
    bool logged(const std::string& line) const {
        return std::find(log.begin(), log.end(), line) != log.end();
    }

    static std::string trim(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    }
};

// A deck that deals `hands[seat - 1]` to each seat when `dealer` deals: the
// first packet goes to the seat after the dealer.
inline std::array<int, 41> deckDealing(int dealer,
                                       const std::array<std::array<int, 10>, 4>& hands) {
    std::array<int, 41> deck{};
    int seat = dealer >= 1 && dealer <= 3 ? dealer + 1 : 1;
    for (int packet = 0; packet < 4; ++packet, seat = nextSeat(seat)) {
        for (int i = 0; i < 10; ++i) deck[packet * 10 + i + 1] = hands[seat - 1][i];
    }
    return deck;
}

// Plays one deal from `deck` with `dealer`, then ends the run.
inline void playOneDeal(GameState& g, HeadlessTable& table, const std::array<int, 41>& deck,
                        Byte dealer) {
    Form_Activate(g);
    bool dealt = false;
    MainOptions options{[&](GameState& s) {
                            if (dealt) return false;
                            s.deck = deck;
                            dealt = true;
                            return true;
                        },
                        dealer};
    if (!table.command) table.command = [](GameState&) {};  // end after the deal
    Task<> run = Main(g, table, std::move(options));
    run.start();
    run.rethrowIfFailed();
}

}  // namespace morvello::testing
