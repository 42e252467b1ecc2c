// What this suite guards: which player names config.qvr can keep, and why not.
#include "settings/player_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvello {
namespace {

TEST(PlayerName, RefusesWhatWouldNotReadBack) {
    const struct {
        NameFault fault;
        std::vector<std::string> names;
    } cases[] = {
        {NameFault::None,
         {"Anna Maria", "Trailing  ", "", "Jos\u00E9 \u20ACuro C\u0153ur", "O'Brien 3rd"}},
        {NameFault::Comma, {"Rossi, Mario"}},
        {NameFault::Quote, {"\"Bo\"", "Bo\"b"}},
        {NameFault::LineBreak, {"Two\nLines", "Two\rLines"}},
        {NameFault::LeadingSpace, {" Anna", "\tAnna"}},
        {NameFault::ControlCharacter, {"An\tna"}},
        {NameFault::OutsideCodePage, {"\u4E2D\u6587", "\u0080", "bad \xFF utf-8"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describeNameFault(c.fault).empty(), c.fault == NameFault::None);
        for (const std::string& name : c.names) {
            EXPECT_EQ(nameFault(name), c.fault) << name;
            EXPECT_EQ(isStorableName(name), c.fault == NameFault::None) << name;
        }
    }
}

}  // namespace
}  // namespace morvello
