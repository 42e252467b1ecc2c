// What this suite guards: names turned to and from Windows-1252, and malformed
// UTF-8 read one replacement a byte.
#include "settings/windows1252.h"

#include <gtest/gtest.h>

namespace morvello {
namespace {

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
