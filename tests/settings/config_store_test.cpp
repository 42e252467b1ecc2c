#include "settings/config_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include "config_samples.h"
#include "settings/config_format.h"

namespace morvello {
namespace {

class ConfigFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(programDir.isValid() && userDir.isValid()); }
    void TearDown() override { setProgramDirWritable(true); }

    void setProgramDirWritable(bool writable) const {
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(programDir.path(),
                              writable ? readable | QFileDevice::WriteOwner : readable);
    }

    QString programFile() const { return programDir.filePath("config.qvr"); }
    QString userFile() const { return userDir.filePath("Morvello/config.qvr"); }

    void put(const std::string& bytes) const {
        QFile file(programFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    static std::string bytesOf(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll().toStdString();
    }

    // What Set_Read leaves of the game it is given.
    static GameState read(const ConfigStore& from, GameState g) {
        g.noReplayDeck = false;
        from.Set_Read(g);
        return g;
    }

    QTemporaryDir programDir;
    QTemporaryDir userDir;
    ConfigStore store{programDir.path(), userDir.filePath("Morvello")};
};

// The names are written in Windows-1252 and read back as they were.
TEST_F(ConfigFile, WrittenBytesReadBackAsEveryField) {
    ASSERT_TRUE(store.Set_Write(played()));
    EXPECT_EQ(store.writePath(), programFile());
    std::string expected =
        " 3 \r\nAnna\r\nBruno Maria\r\nCarla  \r\nJos\xE9 \x80 C\x9Cur\r\n"
        " 0 \r\n 101 \r\n 2 \r\n 1 \r\n";
    for (int card = 2; card <= 40; ++card) expected += " " + std::to_string(card) + " \r\n";
    EXPECT_EQ(bytesOf(programFile()), expected + " 1 \r\n 4 \r\n");
    expectStoredFieldsEqual(read(store, GameState{}), played());
}

TEST_F(ConfigFile, MissingFileGivesDefaults) {
    expectStoredFieldsEqual(read(store, played()), GameState{});
}

TEST_F(ConfigFile, WhenNoFolderCanBeWrittenTheGameGoesOn) {
    put("a file where the user folder would be");
    const ConfigStore nowhere(programDir.filePath("missing"), programFile() + "/below-a-file");
    EXPECT_FALSE(nowhere.Set_Write(played()));
    expectStoredFieldsEqual(read(nowhere, played()), GameState{});
}

// The file beside the program is read until the game has saved in the user's folder.
TEST_F(ConfigFile, ReadOnlyProgramFolderSavesInTheUserFolder) {
    put(formatConfig(GameState{}));
    setProgramDirWritable(false);
    if (QFileInfo(programDir.path()).isWritable()) {
        GTEST_SKIP() << "the program folder stays writable (running as root?)";
    }
    expectStoredFieldsEqual(read(store, played()), GameState{});
    ASSERT_TRUE(store.Set_Write(played()));
    EXPECT_EQ(store.writePath(), userFile());
    EXPECT_EQ(bytesOf(programFile()), formatConfig(GameState{}));
    expectStoredFieldsEqual(read(store, GameState{}), played());
}

}  // namespace
}  // namespace morvello
