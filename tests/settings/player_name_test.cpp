#include "settings/player_name.h"

#include <gtest/gtest.h>

namespace morvello {
namespace {

TEST(PlayerName, AcceptsWhatReadsBackTheSame) {
    for (const char* name : {"Anna", "Anna Maria", "Trailing  ", "", "Jos\u00E9", "\u20ACuro",
                             "C\u0153ur", "O'Brien-Smith 3rd"}) {
        EXPECT_TRUE(isStorableName(name)) << name;
    }
}

TEST(PlayerName, RefusesWhatWouldNotReadBack) {
    EXPECT_EQ(nameFault("Rossi, Mario"), NameFault::Comma);
    EXPECT_EQ(nameFault("\"Bo\""), NameFault::Quote);
    EXPECT_EQ(nameFault("Bo\"b"), NameFault::Quote);
    EXPECT_EQ(nameFault("Two\nLines"), NameFault::LineBreak);
    EXPECT_EQ(nameFault("Two\rLines"), NameFault::LineBreak);
    EXPECT_EQ(nameFault(" Anna"), NameFault::LeadingSpace);
    EXPECT_EQ(nameFault("\tAnna"), NameFault::LeadingSpace);
    EXPECT_EQ(nameFault("An\tna"), NameFault::ControlCharacter);
    EXPECT_EQ(nameFault("\u4E2D\u6587"), NameFault::OutsideCodePage);
    EXPECT_EQ(nameFault("\u0080"), NameFault::OutsideCodePage);
    EXPECT_EQ(nameFault("bad \xFF utf-8"), NameFault::OutsideCodePage);
    EXPECT_FALSE(describeNameFault(NameFault::Comma).empty());
    EXPECT_TRUE(describeNameFault(NameFault::None).empty());
}

TEST(PlayerName, StorableNameLeavesOutWhatCannotBeStored) {
    EXPECT_EQ(storableName("Rossi, Mario"), "Rossi Mario");
    EXPECT_EQ(storableName(", \"Bo\"\r\n"), "Bo");
    EXPECT_EQ(storableName("  Jos\u00E9 \u4E2D"), "Jos\u00E9 ");
    EXPECT_TRUE(isStorableName(storableName("\t ,x")));
}

}  // namespace
}  // namespace morvello
