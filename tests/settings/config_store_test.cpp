// What this suite guards: config.qvr where it lives: its bytes read back as every
// field; the user's folder used when the program's cannot be read or written or is
// no regular file; an over-long line costing only itself; no folder to write.
#include "settings/config_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "config_samples.h"
#include "settings/config_format.h"
#include "settings/player_name.h"

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

    // What readConfig leaves of the game it is given.
    static Stored read(const ConfigStore& from, Stored g) {
        from.readConfig(g, g.sound);
        return g;
    }

    QTemporaryDir programDir;
    QTemporaryDir userDir;
    ConfigStore store{programDir.path(), userDir.filePath("Morvello")};
};

// The names are written in Windows-1252 and read back as they were; with no
// file yet, the defaults.
TEST_F(ConfigFile, WrittenBytesReadBackAsEveryField) {
    expectStoredFieldsEqual(read(store, played()), Stored{});
    ASSERT_TRUE(store.writeConfig(played(), played().sound));
    EXPECT_EQ(store.writePath(), programFile());
    std::string expected =
        " 3 \r\nAnna\r\nBruno Maria\r\nCarla  \r\nJos\xE9 \x80 C\x9Cur\r\n"
        " 0 \r\n 101 \r\n 2 \r\n 1 \r\n";
    for (int card = 2; card <= 40; ++card) expected += " " + std::to_string(card) + " \r\n";
    EXPECT_EQ(bytesOf(programFile()), expected + " 1 \r\n 4 \r\n");
    expectStoredFieldsEqual(read(store, Stored{}), played());
}

TEST_F(ConfigFile, WhenNoFolderCanBeWrittenTheGameGoesOn) {
    put("a file where the user folder would be");
    const ConfigStore nowhere(programDir.filePath("missing"), programFile() + "/below-a-file");
    EXPECT_FALSE(nowhere.writeConfig(played(), played().sound));
    expectStoredFieldsEqual(read(nowhere, played()), Stored{});
}

// The file beside the program is read until the game has saved in the user's folder.
TEST_F(ConfigFile, ReadOnlyProgramFolderSavesInTheUserFolder) {
    put(fileOf(Stored{}));
    setProgramDirWritable(false);
    if (QFileInfo(programDir.path()).isWritable()) {
        GTEST_SKIP() << "the program folder stays writable (running as root?)";
    }
    expectStoredFieldsEqual(read(store, played()), Stored{});
    ASSERT_TRUE(store.writeConfig(played(), played().sound));
    EXPECT_EQ(store.writePath(), userFile());
    EXPECT_EQ(bytesOf(programFile()), fileOf(Stored{}));
    expectStoredFieldsEqual(read(store, Stored{}), played());
}

// A name line far longer than any name, making the file over a megabyte, costs
// only that line: the name keeps its first characters and the fields after it
// are read.
TEST_F(ConfigFile, AnOverLongLineCostsOnlyThatLine) {
    std::string bytes = fileOf(played());
    bytes.insert(bytes.find("\r\n", bytes.find("\r\n") + 1), std::string(1200000, 'n'));
    put(bytes);
    Stored expected = played();
    expected.playerNames[0] = "Anna" + std::string(kMaxNameLength - 4, 'n');
    expectStoredFieldsEqual(read(store, Stored{}), expected);
}

// A FIFO, or links to one or to a file, named config.qvr: nothing waits on them and
// nothing is written through them; the game keeps its settings in the user's folder.
// (With no user folder, nothing is saved: kept_files_test.cpp.)
TEST_F(ConfigFile, OnlyARegularFileIsReadOrReplaced) {
    const QString fifo = programDir.filePath("fifo");
    const QString target = programDir.filePath("target");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(fileOf(played()).c_str());
    }
    for (const QString& linked : {QString(), fifo, target}) {
        SCOPED_TRACE(linked.toStdString());
        QFile::remove(programFile());
        QFile::remove(userFile());
        if (linked.isEmpty()) {
            ASSERT_EQ(mkfifo(QFile::encodeName(programFile()).constData(), 0600), 0);
        } else {
            ASSERT_TRUE(QFile::link(linked, programFile()));
        }
        expectStoredFieldsEqual(read(store, played()), Stored{});
        ASSERT_TRUE(store.writeConfig(played(), played().sound));
        EXPECT_EQ(store.writePath(), userFile());
        expectStoredFieldsEqual(read(store, Stored{}), played());
        EXPECT_EQ(QFileInfo(programFile()).isSymLink(), !linked.isEmpty());
    }
    EXPECT_EQ(bytesOf(target), fileOf(played()).c_str());
}

// A file beside the program that the game may not read, or may not write: it is
// left as it is, and the game reads and saves in the user's folder.
TEST_F(ConfigFile, UnreadableOrUnwritableFileIsLeftAndTheUserFolderUsed) {
    const std::string theirs = fileOf(played());
    for (const auto refused : {QIODevice::ReadOnly, QIODevice::WriteOnly}) {
        QFile::remove(userFile());
        put(theirs);
        const ConfigStore refusing(programDir.path(), userDir.filePath("Morvello"),
                                   [&](const QString& path, QIODevice::OpenMode mode) {
                                       return path != programFile() || mode != refused;
                                   });
        const Stored first = read(refusing, Stored{});
        if (refused == QIODevice::ReadOnly) expectStoredFieldsEqual(first, Stored{});
        if (refused == QIODevice::WriteOnly) expectStoredFieldsEqual(first, played());
        EXPECT_EQ(refusing.writePath(), userFile());
        Stored changed = Stored{};
        changed.playRate = 1;
        ASSERT_TRUE(refusing.writeConfig(changed, changed.sound));
        EXPECT_EQ(bytesOf(programFile()), theirs);
        EXPECT_EQ(refusing.readPath(), userFile());
        EXPECT_EQ(read(refusing, Stored{}).playRate, 1);
    }
}

}  // namespace
}  // namespace morvello
