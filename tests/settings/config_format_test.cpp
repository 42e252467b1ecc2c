// What this suite guards: config.qvr's text: the writer stores only what reads
// back, damaged lines give their defaults (a comma shifting the later fields),
// and other line ends or a byte-order mark move nothing.
#include "settings/config_format.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "config_samples.h"

namespace morvello {
namespace {

// The stored game's file with lines replaced ("3:text" puts text on line 3) and
// cut after keptLines lines.
std::string damaged(const std::vector<std::string>& edits, std::size_t keptLines) {
    std::vector<std::string> lines;
    std::istringstream in(fileOf(played()));
    for (std::string line; std::getline(in, line);) lines.push_back(line);  // with its CR
    for (const std::string& edit : edits) {
        const std::size_t colon = edit.find(':');
        lines.at(std::stoi(edit.substr(0, colon)) - 1) = edit.substr(colon + 1) + '\r';
    }
    lines.resize(keptLines);
    std::string file;
    for (const std::string& line : lines) file += line + '\n';
    return file;
}

Stored parsed(std::string_view bytes) {
    Stored g = played();
    parseConfig(bytes, g, g.sound);
    return g;
}

TEST(ConfigFormat, WriterStoresOnlyWhatReadsBack) {
    Stored g;
    g.playRate = 7;
    g.allowAllDeclare = 0;
    g.scoreOption = 3;
    g.sound.rustleChoice = 9;
    g.dealerSeat = 6;
    g.deck[1] = 5;  // a deck that is not whole
    g.deck[2] = 70'000;
    g.playerNames = {"Rossi, Mario", "\t \"Bo\"", "Line\r\nBreak", "  Jos\u00E9 \u4E2D\u6587"};
    Stored expected;
    expected.playerNames = {"Rossi Mario", "Bo", "LineBreak", "Jos\u00E9 "};
    expected.deck[1] = 5;  // kept as it is, beyond 16 bits as 0
    const Stored back = parsed(fileOf(g));
    expectStoredFieldsEqual(back, expected);
    EXPECT_EQ(fileOf(back), fileOf(g));
    expectStoredFieldsEqual(parsed(""), Stored{});
}

// How the game read from a damaged file differs from the stored one.
TEST(ConfigFormat, DamagedLinesGiveDefaultsAndACommaShiftsLaterFields) {
    const struct {
        const char* what;
        std::vector<std::string> edits;
        std::function<void(Stored&)> differs;
        std::size_t keptLines = kConfigLines;
    } cases[] = {
        {"a comma in a name shifts every later field",
         {"3:Ro,ssi"},
         [](Stored& g) {
             g.playerNames = {"Anna", "Ro", "ssi", "Carla  "};
             g.sound.rustleChoice = 1;                        // line 5, a name: the default
             g.sound.musicChoice = 0;                         // line 6
             g.allowAllDeclare = 1;                           // line 7 holds 101: out of range
             g.scoreOption = 0;                               // line 8 holds 2: out of range
             std::iota(g.deck.begin() + 1, g.deck.end(), 1);  // line 9, then lines 10..48
             g.dealerSeat = 1;                                // line 49; line 50 is never read
         }},
        {"quoted names end at the closing quote",
         {"2:  \"Rossi, Mario\"", "3:\"Bianchi\" after the quote", "4:\"Verdi, Anna", "5:\"\""},
         [](Stored& g) {
             g.playerNames = {"Rossi, Mario", "Bianchi", "Verdi, Anna", ""};
         }},
        {"a file ending after line 9 has no deck and no dealer",
         {},
         [](Stored& g) {
             g.deck = {};
             g.dealerSeat = 0;
         },
         9},
        {"out of range: the defaults; a deck entry beyond 16 bits does not wrap to 2",
         {"1: 0 ", "6: 2 ", "7: -1 ", "8: 0 ", "9: 2 ", "10: 65538 ", "50: 5 "},
         [](Stored& g) {
             g = Stored{};
             g.playerNames = played().playerNames;
             g.deck = played().deck;
             g.deck[1] = 0;  // only the entry that cannot be read
         }},
        {"unreadable: the defaults; the rest of a number's line is ignored",
         {"1: 1 fast", "2:", "6:fast", "7:fast", "8:", "9: 99999999999999999999 ", "11:x", "50:x"},
         [](Stored& g) {
             g = Stored{};
             g.playRate = 1;
             g.playerNames = played().playerNames;
             g.playerNames[0] = "";
             g.deck = played().deck;
             g.deck[2] = 0;
         }},
        {"a repeated deck entry is kept where it stands",
         {"12: 2 "},
         [](Stored& g) { g.deck[3] = 2; }},
        {"a name keeps as many characters as the name boxes take",
         {"4:" + std::string(900'000, 'x'), "5:Bianchi Maria Grazia"},
         [](Stored& g) {
             g.playerNames[2] = std::string(16, 'x');
             g.playerNames[3] = "Bianchi Maria Gr";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Stored expected = played();
        c.differs(expected);
        expectStoredFieldsEqual(parsed(damaged(c.edits, c.keptLines)), expected);
    }
}

// Line ends other than CR LF, and a byte-order mark, do not move any field.
TEST(ConfigFormat, BareCrLinesAndAByteOrderMarkReadAsTheFile) {
    std::string crOnly = fileOf(played());
    std::erase(crOnly, '\n');
    expectStoredFieldsEqual(parsed(crOnly), played());
    expectStoredFieldsEqual(parsed("\xEF\xBB\xBF" + fileOf(played())), played());
}

}  // namespace
}  // namespace morvello
