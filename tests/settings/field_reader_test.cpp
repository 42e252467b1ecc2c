#include "settings/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvello {
namespace {

std::vector<std::string> strings(std::string_view text) {
    FieldReader in(text);
    std::vector<std::string> fields;
    while (const auto field = in.stringField()) fields.emplace_back(*field);
    return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldReader, LinesEndWithCrLfBareLfOrNothing) {
    EXPECT_EQ(strings("Anna\r\nBruno\nCarla"), (Fields{"Anna", "Bruno", "Carla"}));
    EXPECT_EQ(strings("Anna\r\n\r\n"), (Fields{"Anna", ""}));
    EXPECT_EQ(strings(""), Fields{});
}

TEST(FieldReader, StringSkipsLeadingSpacesKeepsTrailingOnes) {
    EXPECT_EQ(strings("   Anna Maria  \r\n"), Fields{"Anna Maria  "});
}

TEST(FieldReader, CommaEndsAStringAndStartsTheNextField) {
    EXPECT_EQ(strings("Rossi, Mario\r\nBruno"), (Fields{"Rossi", "Mario", "Bruno"}));
    EXPECT_EQ(strings("a,,b,\r\nc"), (Fields{"a", "", "b", "", "c"}));
}

TEST(FieldReader, QuotedStringEndsAtTheClosingQuote) {
    EXPECT_EQ(strings("  \"Rossi, Mario\"\r\nB"), (Fields{"Rossi, Mario", "B"}));
    // What follows the closing quote is passed over up to the comma or line end.
    EXPECT_EQ(strings("\"Ada\" junk, Bea\r\n"), (Fields{"Ada", "Bea"}));
    EXPECT_EQ(strings("\"open, never closed\r\nB"), (Fields{"open, never closed", "B"}));
    EXPECT_EQ(strings("\"\"\r\n"), Fields{""});
    EXPECT_EQ(strings("Mid\"quote\r\n"), Fields{"Mid\"quote"});
}

TEST(FieldReader, NumberTakesTheLeadingNumberAndPassesTheLine) {
    FieldReader in(" 2 \r\n-5 \r\n  +7 points, 8\r\n12abc\n 40");
    EXPECT_EQ(in.numberField(), 2);
    EXPECT_EQ(in.numberField(), -5);
    EXPECT_EQ(in.numberField(), 7);
    EXPECT_EQ(in.numberField(), 12);
    EXPECT_EQ(in.numberField(), 40);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.numberField(), std::nullopt);
}

TEST(FieldReader, NumberThatIsNotANumberIsConsumedAndFails) {
    FieldReader in("fast\r\n\r\n- 3\r\n\"3\"\r\n 1 ");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(in.numberField(), std::nullopt) << "line " << i + 1;
    EXPECT_EQ(in.numberField(), 1);
}

TEST(FieldReader, NumberAfterACommaReadsTheRestOfThatLine) {
    FieldReader in("Ro,3 x\r\n 4 ");
    EXPECT_EQ(in.stringField(), "Ro");
    EXPECT_EQ(in.numberField(), 3);
    EXPECT_EQ(in.numberField(), 4);
}

TEST(FieldReader, HugeNumbersSaturateInsteadOfOverflowing) {
    FieldReader in("99999999999999999999999999\r\n-99999999999999999999999999");
    EXPECT_GT(*in.numberField(), 1'000'000'000);
    EXPECT_LT(*in.numberField(), -1'000'000'000);
}

}  // namespace
}  // namespace morvello
