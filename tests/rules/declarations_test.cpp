#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/declarations.h"
#include "table_setup.h"

namespace morvello {
namespace {

using namespace morvello::testing;

// The points of every dealt hand are checked over whole matches; here, the records
// in the slots and the caption lines they make, each padded to 34 characters.
TEST(Declarations, RecordsAndCaptionLines) {
    struct Case {
        const char* hand;
        int points;
        std::array<Byte, 5> slots;
        std::vector<std::string> lines;
    };
    constexpr Byte N = kNapoletana, F = kFourOfAKind;
    const Case cases[] = {
        {"AD 2D 3D 2C 2B 2S 5C", 7, {0, N, F, 0, 0}, {"Napoletana with Denari", "Four two"}},
        // The Napoletana in Coppe takes slot 2 from the four twos; both still score.
        {"AC 2C 3C 2D 2B 2S", 7, {0, 0, N, 0, 0}, {"Napoletana with Coppe"}},
        // The Napoletana in Spade uses slot 4, which no value record uses.
        {"AS 2S 3S 3D 3C",
         6,
         {0, 0, 0, kBastoni, N},
         {"Buongioco of three (-Bastoni)", "Napoletana with Spade"}},
        {"AS 2S 3S KC", 3, {0, 0, 0, 0, N}, {"Napoletana with Spade"}},
        {"AD AC AB AS 2D 2C 2B 2S KC", 8, {0, F, F, 0, 0}, {"Four aces", "Four two"}},
        {"AD 2D AC 3S 3B KS", 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hand);
        GameState g;
        give(g, 2, c.hand);
        recordDeclarations(g);
        EXPECT_EQ(g.declPoints[2], c.points);
        EXPECT_EQ(g.declSlots[2], c.slots);
        const DeclarationCaption caption = declarationCaption(g, 2);
        EXPECT_EQ(caption.declares, !c.lines.empty());
        std::string text;
        for (const std::string& line : c.lines) text += line + std::string(34 - line.size(), ' ');
        EXPECT_EQ(caption.text(), text);
    }
}

TEST(Declarations, TopCardsDealtAreRecordedForEverySeatAndRebuiltEachDeal) {
    GameState g;
    give(g, 1, "AB KB");
    give(g, 4, "3C 7C");
    g.topDealt = {};
    g.topDealt[2][2][kSpade] = 1;      // left from the deal before
    g.declSlots[3][1] = kFourOfAKind;  // likewise
    recordDeclarations(g);
    decltype(g.topDealt) expected{};
    expected[1][1][kBastoni] = expected[4][3][kCoppe] = 1;
    EXPECT_EQ(g.topDealt, expected);
    EXPECT_EQ(g.declSlots[3][1], 0);
}

}  // namespace
}  // namespace morvello
