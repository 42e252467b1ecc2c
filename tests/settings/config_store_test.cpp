#include "settings/config_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>
#include <numeric>

#include "config_lines.h"
#include "settings/config_format.h"

namespace morvello {
namespace {

class ConfigFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(programDir.isValid() && userDir.isValid()); }

    QString programFile() const { return programDir.filePath("config.qvr"); }
    QString userFolder() const { return userDir.filePath("Morvello"); }

    void put(const std::string& bytes) const {
        QFile file(programFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string bytesOf(const QString& path) const {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll().toStdString();
    }

    GameState load() const {
        GameState g;
        store.Set_Read(g);
        return g;
    }

    // A file as the game writes it after a shuffle: every field distinct from its default.
    static GameState played() {
        GameState g;
        g.playRate = 3;
        g.playerNames = {"Anna", "Bruno Maria", "Carla  ", "Dario"};
        g.rustleChoice = 0;
        g.musicChoice = 101;
        g.allowAllDeclare = 2;
        g.scoreOption = 1;
        for (int i = 1; i <= 40; ++i) g.deck[i] = i % 40 + 1;  // 2, 3, ..., 40, 1
        g.dealerSeat = 4;
        return g;
    }

    static void expectStoredFieldsEqual(const GameState& a, const GameState& b) {
        EXPECT_EQ(a.playRate, b.playRate);
        EXPECT_EQ(a.playerNames, b.playerNames);
        EXPECT_EQ(a.rustleChoice, b.rustleChoice);
        EXPECT_EQ(a.musicChoice, b.musicChoice);
        EXPECT_EQ(a.allowAllDeclare, b.allowAllDeclare);
        EXPECT_EQ(a.scoreOption, b.scoreOption);
        EXPECT_EQ(a.deck, b.deck);
        EXPECT_EQ(a.dealerSeat, b.dealerSeat);
    }

    QTemporaryDir programDir;
    QTemporaryDir userDir;
    ConfigStore store{programDir.path(), userFolder()};
};

TEST_F(ConfigFile, WriteThenReadGivesBackEveryField) {
    ASSERT_TRUE(store.Set_Write(played()));
    EXPECT_EQ(store.writePath(), programFile());
    const GameState g = load();
    expectStoredFieldsEqual(g, played());
    EXPECT_EQ(g.rateFactor, 30);
    EXPECT_TRUE(g.noReplayDeck);
    EXPECT_TRUE(hasStoredDeck(g));
}

TEST_F(ConfigFile, WrittenBytesFollowTheFileFormat) {
    ASSERT_TRUE(store.Set_Write(GameState{}));
    std::string expected = " 2 \r\nYou\r\nRight\r\nPartner\r\nLeft\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n";
    for (int line = 10; line <= 50; ++line) expected += " 0 \r\n";
    EXPECT_EQ(bytesOf(programFile()), expected);

    ASSERT_TRUE(store.Set_Write(played()));
    const std::vector<std::string> lines = splitLines(bytesOf(programFile()));
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[0], " 3 ");
    EXPECT_EQ(lines[2], "Bruno Maria");
    EXPECT_EQ(lines[3], "Carla  ");
    EXPECT_EQ(lines[6], " 101 ");
    EXPECT_EQ(lines[9], " 2 ");
    EXPECT_EQ(lines[48], " 1 ");
    EXPECT_EQ(lines[49], " 4 ");
}

TEST_F(ConfigFile, Choosing31PointsRewritesOnlyLine9) {
    GameState g = played();
    g.scoreOption = 0;
    ASSERT_TRUE(store.Set_Write(g));
    const std::vector<std::string> before = splitLines(bytesOf(programFile()));
    g.scoreOption = 1;
    ASSERT_TRUE(store.Set_Write(g));
    const std::vector<std::string> after = splitLines(bytesOf(programFile()));
    ASSERT_EQ(after.size(), 50u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i != 8) {
            EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
        }
    }
    EXPECT_EQ(after[8], " 1 ");
}

TEST_F(ConfigFile, CommaInANameShiftsEveryLaterField) {
    std::vector<std::string> lines = splitLines(formatConfig(played()));
    lines[2] = "Ro,ssi";
    put(joinLines(lines));
    const GameState g = load();
    EXPECT_EQ(g.playRate, 3);
    EXPECT_EQ(g.playerNames, (std::array<std::string, 4>{"Anna", "Ro", "ssi", "Carla  "}));
    EXPECT_EQ(g.rustleChoice, 1);     // "Dario" is no number: the default
    EXPECT_EQ(g.musicChoice, 0);      // line 6
    EXPECT_EQ(g.allowAllDeclare, 1);  // line 7 holds 101: out of range
    EXPECT_EQ(g.scoreOption, 0);      // line 8 holds 2: out of range
    std::array<int, 41> deck{};       // line 9, then lines 10..48
    std::iota(deck.begin() + 1, deck.end(), 1);
    EXPECT_EQ(g.deck, deck);
    EXPECT_EQ(g.dealerSeat, 1);  // line 49; line 50 is never read
}

TEST_F(ConfigFile, QuotedNamesAreReadUpToTheClosingQuote) {
    std::vector<std::string> lines = splitLines(formatConfig(played()));
    lines[1] = "  \"Rossi, Mario\"";
    lines[2] = "\"Bianchi\" after the quote";
    lines[3] = "\"Verdi";
    lines[4] = "\"\"";
    put(joinLines(lines));
    GameState g = load();
    EXPECT_EQ(g.playerNames, (std::array<std::string, 4>{"Rossi, Mario", "Bianchi", "Verdi", ""}));
    g.playerNames = played().playerNames;
    expectStoredFieldsEqual(g, played());
}

TEST_F(ConfigFile, FileThatStopsAfterLine9HasNoDeckAndNoDealer) {
    std::vector<std::string> lines = splitLines(formatConfig(played()));
    lines.resize(9);
    put(joinLines(lines));
    const GameState g = load();
    EXPECT_FALSE(hasStoredDeck(g));
    EXPECT_EQ(g.deck, GameState{}.deck);
    EXPECT_EQ(g.dealerSeat, 0);
    EXPECT_EQ(g.scoreOption, 1);
    EXPECT_EQ(g.musicChoice, 101);
}

TEST_F(ConfigFile, MissingOrEmptyFileGivesDefaults) {
    for (const bool empty : {false, true}) {
        if (empty) put("");
        GameState g = played();
        store.Set_Read(g);
        expectStoredFieldsEqual(g, GameState{});
        EXPECT_EQ(g.rateFactor, 20);
        EXPECT_TRUE(g.noReplayDeck);
    }
}

TEST_F(ConfigFile, UnreadableOrOutOfRangeValuesGiveTheirDefaults) {
    std::vector<std::string> lines = splitLines(formatConfig(played()));
    lines[0] = "fast";
    lines[5] = " 2 ";
    lines[6] = " 256 ";
    lines[7] = " 0 ";
    lines[8] = " 99999999999999999999 ";
    lines[49] = " 5 ";
    put(joinLines(lines));
    const GameState g = load();
    EXPECT_EQ(g.playRate, 2);
    EXPECT_EQ(g.rateFactor, 20);
    EXPECT_EQ(g.rustleChoice, 1);
    EXPECT_EQ(g.musicChoice, 0);
    EXPECT_EQ(g.allowAllDeclare, 1);
    EXPECT_EQ(g.scoreOption, 0);
    EXPECT_EQ(g.dealerSeat, 0);
    EXPECT_EQ(g.playerNames, played().playerNames);
    EXPECT_EQ(g.deck, played().deck);

    lines[0] = " 1 fast";  // the rest of a number's line is ignored
    lines[1] = "";         // an empty line is an empty name
    lines[10] = "x";       // a deck entry that cannot be read stays 0
    put(joinLines(lines));
    const GameState h = load();
    EXPECT_EQ(h.playRate, 1);
    EXPECT_EQ(h.playerNames[0], "");
    EXPECT_FALSE(hasStoredDeck(h));
}

TEST_F(ConfigFile, WesternEuropeanNamesAreStoredInWindows1252) {
    GameState g = played();
    g.playerNames = {"Jos\u00E9", "\u20ACuro", "C\u0153ur", "Ma\u00F1ana"};
    ASSERT_TRUE(store.Set_Write(g));
    const std::vector<std::string> lines = splitLines(bytesOf(programFile()));
    EXPECT_EQ(lines[1], "Jos\xE9");
    EXPECT_EQ(lines[2], "\x80uro");
    EXPECT_EQ(lines[3],
              "C\x9C"
              "ur");
    EXPECT_EQ(load().playerNames, g.playerNames);
}

TEST_F(ConfigFile, WriteLeavesNoTemporaryFiles) {
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(store.Set_Write(played()));
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"config.qvr"});
}

TEST_F(ConfigFile, FailedWriteKeepsTheGameGoing) {
    put("a file where the user folder would be");
    const ConfigStore nowhere(programDir.filePath("missing"), programFile() + "/below-a-file");
    EXPECT_FALSE(nowhere.Set_Write(played()));
    GameState g;
    nowhere.Set_Read(g);
    expectStoredFieldsEqual(g, GameState{});
}

class ReadOnlyProgramFolder : public ConfigFile {
  protected:
    void SetUp() override {
        ConfigFile::SetUp();
        setWritable(false);
        if (QFileInfo(programDir.path()).isWritable()) {
            GTEST_SKIP() << "the program folder stays writable (running as root?)";
        }
    }
    void TearDown() override { setWritable(true); }

    void setWritable(bool writable) const {
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(programDir.path(),
                              writable ? readable | QFileDevice::WriteOwner : readable);
    }
};

TEST_F(ReadOnlyProgramFolder, SavesInTheUserFolderInstead) {
    ASSERT_TRUE(store.Set_Write(played()));
    EXPECT_EQ(store.writePath(), QDir(userFolder()).filePath("config.qvr"));
    EXPECT_FALSE(QFileInfo::exists(programFile()));
    expectStoredFieldsEqual(load(), played());
}

TEST_F(ReadOnlyProgramFolder, ReadsTheFileBesideTheProgramUntilTheUserHasSaved) {
    setWritable(true);
    put(formatConfig(GameState{}));
    setWritable(false);
    expectStoredFieldsEqual(load(), GameState{});
    ASSERT_TRUE(store.Set_Write(played()));
    expectStoredFieldsEqual(load(), played());
}

}  // namespace
}  // namespace morvello
