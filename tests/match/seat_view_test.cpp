// What this suite guards: a seat's view, and the state made from it for the
// hint and the Expert, never hold another seat's unplayed card, at every card
// of many random matches.
#include <gtest/gtest.h>

#include "match_harness.h"
#include "rules/seat_view.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The cards the seat may not see: the other seats' unplayed cards.
CardSet hiddenFrom(const GameState& g, Byte seat) {
    CardSet hidden = 0;
    for (Byte other = 1; other <= 4; ++other) {
        if (other == seat) continue;
        for (int slot = 1; slot <= kTricksPerDeal; ++slot) {
            const Byte entry = g.hands[other][slot];
            if (entry >= 1 && entry <= kCardCount) hidden |= cardBit(entry);
        }
    }
    return hidden;
}

// Every card a view or a state names, wherever it names one.
CardSet cardsNamed(const std::array<Hand, 5>& hands, const std::array<Byte, 5>& table,
                   const std::array<Byte, 5>& trick, Byte last) {
    CardSet named = 0;
    for (const Hand& hand : hands)
        for (const Byte entry : hand)
            if (entry >= 1 && entry <= kCardCount) named |= cardBit(entry);
    for (const Byte c : table) named |= c != 0 ? cardBit(c) : 0;
    for (const Byte c : trick) named |= c != 0 ? cardBit(c) : 0;
    return named | (last != 0 ? cardBit(last) : 0);
}

class ViewsHideUnplayedCards final : public MatchObserver {
  public:
    long checked = 0;

    void onDeal(const GameState& g, bool) override { check(g); }
    void onPlay(const GameState& g, Byte, Byte) override { check(g); }
    void onTrick(const GameState& g, Byte, int) override { check(g); }

  private:
    void check(const GameState& g) {
        for (Byte seat = 1; seat <= 4; ++seat) {
            const CardSet hidden = hiddenFrom(g, seat);
            const SeatView v = seatView(g, seat);
            std::array<Hand, 5> hands = v.playedFromSlots;
            hands[seat] = v.hand;
            ASSERT_EQ(cardsNamed(hands, v.tableCards, v.trickBySeat, v.cardToPlay) & hidden, 0u);

            const GameState seen = stateSeenBy(v);
            ASSERT_EQ(
                cardsNamed(seen.hands, seen.tableCards, seen.trickBySeat, seen.cardToPlay) & hidden,
                0u);
            for (Byte other = 1; other <= 4; ++other) {
                if (other == seat) continue;
                ASSERT_EQ(seen.holdMap[other], (std::array<SuitMask, 5>{}));
                ASSERT_EQ(seen.declPoints[other], 0);
            }
            for (int card = 1; card <= kCardCount; ++card) {
                if (hidden & cardBit(card)) {
                    ASSERT_EQ(seen.slotOf[card], 0) << cardName(card);
                }
            }
            ASSERT_EQ(seen.deck, Deck{});
            ++checked;
        }
    }
};

TEST(SeatView, NoViewHoldsAnotherSeatsUnplayedCard) {
    RecordingTable table;
    int deals = 0;
    table.chooseCommand = [&](const GameState& g) {
        if (++deals == 60) return Command::Quit;
        return g.menus.continueEnabled ? Command::Continue : Command::NewGame;
    };
    ViewsHideUnplayedCards views;
    MatchRun run(table, MatchOptions{shuffles(17), std::nullopt, kFourComputers});
    run.match().addObserver(views);
    run.run();
    EXPECT_GT(views.checked, 60 * 40 * 4);
}

}  // namespace
}  // namespace morvello
