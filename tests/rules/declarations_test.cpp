#include <gtest/gtest.h>

#include <string>

#include "scoring/declarations.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

std::string line(const std::string& text) {
    return text + std::string(34 - text.size(), ' ');
}

struct Declared {
    int points;
    std::array<Byte, 5> slots;
    AccusoCaption caption;
};

Declared declare(std::initializer_list<Byte> hand, Byte seat = 2) {
    GameState g;
    give(g, seat, hand);
    g.topDealt = {};
    esamino_accuso(g);
    return {g.declPoints[seat], g.declSlots[seat], accusoCaption(g, seat)};
}

TEST(Declarations, NapoletanaAndFourTwosBothScoreNapoletanaListedFirst) {
    const Declared d =
        declare({card(kAce, kDenari), card(2, kDenari), card(3, kDenari), card(2, kCoppe),
                 card(2, kBastoni), card(2, kSpade), card(5, kCoppe)});
    EXPECT_EQ(d.points, 7);
    EXPECT_EQ(d.slots, (std::array<Byte, 5>{0, kNapoletana, kFourOfAKind, 0, 0}));
    EXPECT_TRUE(d.caption.declares);
    EXPECT_EQ(d.caption.text(), line("Napoletana with Denari") + line("Four two"));
}

TEST(Declarations, ANapoletanaTakesTheSlotOfTheValueRecordButBothScore) {
    // Napoletana in Coppe (slot 2) over the four twos (slot 2).
    const Declared d = declare({card(kAce, kCoppe), card(2, kCoppe), card(3, kCoppe),
                                card(2, kDenari), card(2, kBastoni), card(2, kSpade)});
    EXPECT_EQ(d.points, 7);
    EXPECT_EQ(d.slots, (std::array<Byte, 5>{0, 0, kNapoletana, 0, 0}));
    EXPECT_EQ(d.caption.text(), line("Napoletana with Coppe"));

    // Napoletana in Spade uses slot 4, which no value record uses.
    const Declared spade = declare(
        {card(kAce, kSpade), card(2, kSpade), card(3, kSpade), card(3, kDenari), card(3, kCoppe)});
    EXPECT_EQ(spade.points, 6);
    EXPECT_EQ(spade.slots, (std::array<Byte, 5>{0, 0, 0, kBastoni, kNapoletana}));
    EXPECT_EQ(spade.caption.text(),
              line("Buongioco of three (-Bastoni)") + line("Napoletana with Spade"));
}

TEST(Declarations, FourOfAKindAndBuongioco) {
    const Declared acesAndTwos =
        declare({card(kAce, kDenari), card(kAce, kCoppe), card(kAce, kBastoni), card(kAce, kSpade),
                 card(2, kDenari), card(2, kCoppe), card(2, kBastoni), card(2, kSpade),
                 card(kKing, kCoppe)});
    EXPECT_EQ(acesAndTwos.points, 8);
    EXPECT_EQ(acesAndTwos.caption.text(), line("Four aces") + line("Four two"));

    const Declared threeThrees =
        declare({card(3, kDenari), card(3, kCoppe), card(3, kSpade), card(7, kBastoni)});
    EXPECT_EQ(threeThrees.points, 3);
    EXPECT_EQ(threeThrees.slots[3], kBastoni);
    const std::string expected = "Buongioco of three (-Bastoni)     ";
    EXPECT_EQ(threeThrees.caption.text(), expected);
    EXPECT_EQ(threeThrees.caption.text().size(), 34U);
}

TEST(Declarations, NothingToDeclare) {
    const Declared d = declare({card(kAce, kDenari), card(2, kDenari), card(kAce, kCoppe),
                                card(3, kSpade), card(3, kBastoni), card(kKing, kSpade)});
    EXPECT_EQ(d.points, 0);
    EXPECT_FALSE(d.caption.declares);
    EXPECT_TRUE(d.caption.text().empty());
}

TEST(Declarations, TopCardsDealtAreRecordedForEverySeatAndRebuiltEachDeal) {
    GameState g;
    give(g, 1, {card(kAce, kBastoni), card(kKing, kBastoni)});
    give(g, 4, {card(3, kCoppe), card(7, kCoppe)});
    g.topDealt = {};
    g.topDealt[2][2][kSpade] = 1;      // left from the deal before
    g.declSlots[3][1] = kFourOfAKind;  // likewise
    esamino_accuso(g);
    EXPECT_EQ(g.topDealt[1][1][kBastoni], 1);
    EXPECT_EQ(g.topDealt[4][3][kCoppe], 1);
    EXPECT_EQ(g.topDealt[2][2][kSpade], 0);
    EXPECT_EQ(g.declSlots[3][1], 0);
    int flags = 0;
    for (const auto& seat : g.topDealt) {
        for (const auto& value : seat) {
            for (const Byte f : value) flags += f;
        }
    }
    EXPECT_EQ(flags, 2);
}

}  // namespace
}  // namespace morvello
