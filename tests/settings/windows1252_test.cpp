#include "settings/windows1252.h"

#include <gtest/gtest.h>

namespace morvello {
namespace {

TEST(Windows1252, HighBytesFollowTheCodePage) {
    EXPECT_EQ(unicodeFromWindows1252(0x80), U'\u20AC');  // euro
    EXPECT_EQ(unicodeFromWindows1252(0x8C), U'\u0152');  // OE
    EXPECT_EQ(unicodeFromWindows1252(0x9C), U'\u0153');  // oe
    EXPECT_EQ(unicodeFromWindows1252(0x9F), U'\u0178');  // Y diaeresis
    EXPECT_EQ(unicodeFromWindows1252(0xE9), U'\u00E9');  // e acute, as Latin-1
    EXPECT_EQ(unicodeFromWindows1252('A'), U'A');
    for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(unicodeFromWindows1252(undefined), kReplacementCharacter);
    }
}

TEST(Windows1252, EveryDefinedByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t ch = unicodeFromWindows1252(static_cast<unsigned char>(byte));
        if (ch == kReplacementCharacter) continue;
        EXPECT_EQ(windows1252FromUnicode(ch), byte) << "byte " << byte;
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(one)), one) << "byte " << byte;
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageAreLeftOut) {
    EXPECT_EQ(windows1252FromUnicode(U'\u0080'), std::nullopt);  // a C1 control, not the euro
    EXPECT_EQ(windows1252FromUnicode(U'\u4E2D'), std::nullopt);
    EXPECT_EQ(windows1252FromUtf8("Caf\u00E9 \u4E2D\U0001F600!"), "Caf\xE9 !");
}

TEST(Windows1252, MalformedUtf8DecodesAsReplacementOneByteAtATime) {
    const std::string_view bad = "\xC3(\xE2\x82\xC0\x80\xED\xA0\x80";
    std::size_t pos = 0;
    int replaced = 0;
    while (pos < bad.size()) replaced += nextUtf8Character(bad, pos) == kReplacementCharacter;
    EXPECT_EQ(pos, bad.size());
    EXPECT_EQ(replaced, 8);  // every byte but '('
}

}  // namespace
}  // namespace morvello
