// What this suite guards: the text the settings are kept in: config.qvr's string
// and number fields (spaces, empty fields, leading numbers, saturation), and the
// INI files read under their sections and written back with what is not known.
#include "settings/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ini_text.h"

namespace morvello {
namespace {

// Commas and quotes in names are tested further with the whole file.
TEST(FieldReader, StringFields) {
    const struct {
        const char* text;
        std::vector<std::string> fields;
    } cases[] = {
        {"Anna\r\nBruno\nCarla", {"Anna", "Bruno", "Carla"}},  // CR LF, bare LF or nothing
        {"Anna\r\n\r\n", {"Anna", ""}},
        {"", {}},
        {"   Anna Maria  \r\n", {"Anna Maria  "}},  // leading spaces skipped, trailing kept
        {"a,,b,\r\nc", {"a", "", "b", "", "c"}},
        {"Mid\"quote\r\n", {"Mid\"quote"}},
    };
    for (const auto& c : cases) {
        FieldReader in(c.text);
        std::vector<std::string> fields;
        while (const auto field = in.stringField()) fields.emplace_back(*field);
        EXPECT_EQ(fields, c.fields) << c.text;
    }
}

TEST(FieldReader, NumberFieldsTakeTheLeadingNumberAndPassTheLine) {
    FieldReader in(" 2 \r\n-5 \r\n  +7 points, 8\r\n12abc\nfast\r\n\r\n- 3\r\n\"3\"\r\n 40");
    const std::optional<std::int64_t> none;
    for (const auto expected :
         {std::optional<std::int64_t>(2), {-5}, {7}, {12}, none, none, none, none, {40}})
        EXPECT_EQ(in.numberField(), expected);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.numberField(), std::nullopt);

    FieldReader mixed("Ro,3 x\r\n 4 \r\n99999999999999999999999999\r\n-99999999999999999999999999");
    EXPECT_EQ(mixed.stringField(), "Ro");
    EXPECT_EQ(mixed.numberField(), 3);  // the rest of the line after the comma
    EXPECT_EQ(mixed.numberField(), 4);
    EXPECT_GT(*mixed.numberField(), 1'000'000'000);  // saturated, not overflowed
    EXPECT_LT(*mixed.numberField(), -1'000'000'000);
}

// Keys are read under their sections, spaces and comments aside; a changed value
// is written in its place and keys this program does not know are kept.
TEST(IniText, ReadsSectionsAndWritesBackWhatItDoesNotKnow) {
    IniText ini(
        " top = 1 \r\n; a comment\n[view]\nshowPlayableCards=true\nnot a setting\n"
        "[future]\nkey = a=b\n");
    EXPECT_EQ(ini.value("top"), "1");
    EXPECT_EQ(ini.value("view/showPlayableCards"), "true");
    EXPECT_EQ(ini.value("future/key"), "a=b");
    EXPECT_EQ(ini.value("view/missing"), std::nullopt);
    ini.setValue("view/showPlayableCards", "false");
    ini.setValue("players/partner", "expert");
    EXPECT_EQ(ini.text(),
              "top=1\n\n[view]\nshowPlayableCards=false\n\n[future]\nkey=a=b\n\n"
              "[players]\npartner=expert\n");
    EXPECT_EQ(IniText(ini.text()).text(), ini.text());
}

}  // namespace
}  // namespace morvello
