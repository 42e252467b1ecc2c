// What this suite guards: player names as config.qvr keeps them: turned to and from
// Windows-1252, malformed UTF-8 read one replacement a byte, and which names can be
// kept, and why not.
#include "settings/player_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/windows1252.h"

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
        for (const std::string& name : c.names) {
            EXPECT_EQ(nameFault(name), c.fault) << name;
            EXPECT_EQ(isStorableName(name), c.fault == NameFault::None) << name;
        }
    }
}

TEST(Windows1252, EveryDefinedByteRoundTripsAndTheHighBytesFollowTheCodePage) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t ch = unicodeFromWindows1252(static_cast<unsigned char>(byte));
        if (ch == kReplacementCharacter) continue;
        EXPECT_EQ(windows1252FromUnicode(ch), byte) << "byte " << byte;
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(one)), one) << "byte " << byte;
    }
    EXPECT_EQ(utf8FromWindows1252("\x80\x8C\x9C\x9F\xE9"
                                  "A"),
              "\u20AC\u0152\u0153\u0178\u00E9"
              "A");
    for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(unicodeFromWindows1252(undefined), kReplacementCharacter);
}

TEST(Windows1252, MalformedUtf8DecodesAsReplacementOneByteAtATime) {
    const std::string_view bad =
        "\xC3(\xE2\x82\xC0\x80\xED\xA0\x80\xE2\x82";  // cut short at the end
    std::size_t pos = 0;
    int replaced = 0;
    while (pos < bad.size()) replaced += nextUtf8Character(bad, pos) == kReplacementCharacter;
    EXPECT_EQ(pos, bad.size());
    EXPECT_EQ(replaced, 10);  // every byte but '('
}

}  // namespace
}  // namespace morvello
