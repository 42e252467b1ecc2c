// What this suite guards: every file the game and its tools keep, on a full disk,
// behind links, FIFOs and devices, or damaged: what was there stays, the store still
// loads, and nothing outside the test's folder is touched.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTemporaryDir>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "app/statistics_store.h"
#include "app/window_place.h"
#include "files/kept_file.h"
#include "qt_app.h"
#include "settings/config_store.h"
#include "settings/settings_file.h"
#include "sim_options.h"
#include "stats/deal_record.h"

namespace morvello {
namespace {

namespace fs = std::filesystem;

// A disk that fills up during a save: the file-size limit makes the write fail
// part way, as a full disk does, also for root.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
};

// One kept file: its name, how its store saves known values into a folder, and
// whether loading the folder gives those values back.
struct KeptFile {
    std::string name;
    std::function<bool(const QString& folder)> save;
    std::function<bool(const QString& folder)> loadsSaved;
    std::function<std::string(const std::string& saved)> newer;  // none: no versions
    bool cleansAtStart = true;
};

void PrintTo(const KeptFile& file, std::ostream* out) {
    *out << file.name;
}

QString fileIn(const QString& folder, const std::string& name) {
    return folder + "/" + QString::fromStdString(name);
}

KeptFile settingsFile(const std::string& name, const QString& key) {
    return {name,
            [=](const QString& folder) {
                return SettingsFile(fileIn(folder, name)).setValue(key, "expert");
            },
            [=](const QString& folder) {
                return SettingsFile(fileIn(folder, name)).value(key) == "expert";
            },
            [](const std::string& saved) { return saved + "\n[future]\nkey=1\n"; }};
}

std::vector<KeptFile> keptFiles() {
    constexpr QRect kPlace{60, 40, 520, 410};
    return {{"config.qvr",
             [](const QString& folder) {
                 StoredGame g;
                 g.playRate = 3;
                 return ConfigStore(folder, {}).writeConfig(g, SoundChoices{});
             },
             [](const QString& folder) {
                 StoredGame g;
                 SoundChoices sound;
                 ConfigStore(folder, {}).readConfig(g, sound);
                 return g.playRate == 3;
             },
             {}},
            {"statistics.json",
             [](const QString& folder) {
                 StatisticsStore store(folder);  // as the game does: loaded at start
                 Statistics stats = store.load();
                 stats.byTarget[0].matches = 7;
                 return store.save(stats);
             },
             [](const QString& folder) {
                 return StatisticsStore(folder).load().byTarget[0].matches == 7;
             },
             [](const std::string& saved) {
                 std::string newer = saved;
                 const std::string version = "\"version\": 2";
                 return newer.replace(newer.find(version), version.size(),
                                      "\"version\": 99, \"future\": {\"key\": 1}");
             }},
            {"window.ini",
             [=](const QString& folder) {
                 QMainWindow window;
                 window.setGeometry(kPlace);
                 return WindowPlace(fileIn(folder, "window.ini")).save(window);
             },
             [](const QString& folder) {
                 QMainWindow window;
                 return WindowPlace(fileIn(folder, "window.ini")).restore(window);
             },
             [](const std::string& saved) { return saved + "\n[future]\nkey=1\n"; }},
            settingsFile("players.ini", "players/partner"),
            settingsFile("view.ini", "view/showPlayableCards"),
            // The review's exports are written as the deck file Save deck... writes
            // and the runner reads.
            {"deal-1.txt",
             [](const QString& folder) {
                 Deck deck{};
                 for (int card = 1; card <= kCardCount; ++card) deck[card] = card;
                 return bool(files::replaceKeptFile(fileIn(folder, "deal-1.txt").toStdString(),
                                                    deckFileText(deck, 3)));
             },
             [](const QString& folder) {
                 const auto parsed =
                     sim::parseOptions({"--decks", fileIn(folder, "deal-1.txt").toStdString()});
                 return parsed.error.empty();
             },
             {},
             false},
            // A match record as morvello-sim --record writes it and --replay-record reads it.
            {"match.rec",
             [](const QString& folder) {
                 MatchRecord record;
                 Deck deck{};
                 for (int card = 1; card <= kCardCount; ++card) deck[card] = card;
                 record.decks.push_back(deck);
                 return bool(files::replaceKeptFile(fileIn(folder, "match.rec").toStdString(),
                                                    recordText(record)));
             },
             [](const QString& folder) {
                 const auto parsed = sim::parseOptions(
                     {"--replay-record", fileIn(folder, "match.rec").toStdString()});
                 return parsed.error.empty() && parsed.options.replayRecord->decks.size() == 1;
             },
             {},
             false}};
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a folder holds: each entry's name, kind and bytes (a link's target).
std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto status = entry.symlink_status();
        const std::string name = fs::relative(entry.path(), folder).string();
        if (fs::is_symlink(status))
            contents[name] = "link to " + fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            contents[name] = bytesOf(entry.path());
        else
            contents[name] = "kind " + std::to_string(static_cast<int>(status.type()));
    }
    return contents;
}

class KeptFiles : public ::testing::TestWithParam<KeptFile> {
  protected:
    void SetUp() override {
        morvello::testing::qtApp();
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(GetParam().save(saved_.path()));
        saved_bytes_ = bytesOf(savedFile());
    }
    QString folder() const { return dir_.path(); }
    fs::path file() const { return fs::path(dir_.path().toStdString()) / GetParam().name; }
    fs::path savedFile() const { return fs::path(saved_.path().toStdString()) / GetParam().name; }
    void put(const std::string& bytes) const { std::ofstream(file(), std::ios::binary) << bytes; }

    // The store loads and saves without touching what stands in the file's place.
    void expectLeftAlone() const {
        const auto before = contentsOf(dir_.path().toStdString());
        EXPECT_FALSE(GetParam().loadsSaved(folder()));
        EXPECT_FALSE(GetParam().save(folder()));
        EXPECT_EQ(contentsOf(dir_.path().toStdString()), before);
    }

    QTemporaryDir dir_;
    QTemporaryDir saved_;
    std::string saved_bytes_;
};

TEST_P(KeptFiles, AFifoADeviceALinkOrAFolderInItsPlaceIsLeftAlone) {
    const fs::path elsewhere = fs::path(folder().toStdString()) / "elsewhere";
    const std::vector<std::function<void()>> places{
        [&] { ASSERT_EQ(mkfifo(file().c_str(), 0600), 0); }, [&] { fs::create_directory(file()); },
        [&] {
            std::ofstream(elsewhere) << saved_bytes_;
            fs::create_symlink(elsewhere, file());
        },
        // A device node where root may make one, else a FIFO, behind a link.
        [&] {
            if (geteuid() != 0 || mknod(elsewhere.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
                ASSERT_EQ(mkfifo(elsewhere.c_str(), 0600), 0);
            }
            fs::create_symlink(elsewhere, file());
        }};
    for (const auto& place : places) {
        fs::remove_all(file());
        fs::remove(elsewhere);
        place();
        expectLeftAlone();
    }
}

TEST_P(KeptFiles, AFileThatMayNotBeReadIsLeftAlone) {
    put(saved_bytes_);
    fs::permissions(file(), fs::perms::none);
    if (access(file().c_str(), R_OK) == 0) GTEST_SKIP() << "permissions do not stop root";
    expectLeftAlone();
}

// A full disk: the save fails, the old file stays whole and no temporary file is
// left; with room again the save succeeds.
TEST_P(KeptFiles, ASaveThatCannotBeWrittenWholeKeepsTheOldFile) {
    put(saved_bytes_ + "\n");
    {
        const FileSizeLimit full(saved_bytes_.size() / 2);
        EXPECT_FALSE(GetParam().save(folder()));
    }
    EXPECT_EQ(contentsOf(folder().toStdString()),
              (std::map<std::string, std::string>{{GetParam().name, saved_bytes_ + "\n"}}));
    EXPECT_TRUE(GetParam().save(folder()));
    EXPECT_TRUE(GetParam().loadsSaved(folder()));
}

// Damaged files: the store loads (what it can, else its defaults) and keeps the
// bytes, in place or set aside; then it saves and loads again.
TEST_P(KeptFiles, ADamagedFileIsKeptAndTheStoreGoesOn) {
    const std::string damaged[] = {"", std::string("\0\xff\x01binary\r\x80", 10),
                                   std::string(3 << 20, 'x') + "\n",
                                   saved_bytes_.substr(0, saved_bytes_.size() / 2)};
    for (const std::string& bytes : damaged) {
        fs::remove_all(folder().toStdString());
        fs::create_directories(folder().toStdString());
        put(bytes);
        GetParam().loadsSaved(folder());
        std::string kept;
        for (const auto& [name, content] : contentsOf(folder().toStdString())) kept += content;
        EXPECT_EQ(kept, bytes);
        EXPECT_TRUE(GetParam().save(folder()));
        EXPECT_TRUE(GetParam().loadsSaved(folder()));
    }
}

// A file of a newer version is read for what this one knows, and what it holds
// beyond stays on disk.
TEST_P(KeptFiles, ANewerVersionIsReadAndWhatItAddsIsKept) {
    if (!GetParam().newer) GTEST_SKIP() << "the file has no versions";
    const std::string newer = GetParam().newer(saved_bytes_);
    put(newer);
    EXPECT_TRUE(GetParam().loadsSaved(folder()));
    GetParam().save(folder());
    EXPECT_NE(bytesOf(file()).find("future"), std::string::npos) << bytesOf(file());
    EXPECT_TRUE(GetParam().loadsSaved(folder()));
}

TEST_P(KeptFiles, WhatInterruptedSavesLeftIsRemovedAtStart) {
    if (!GetParam().cleansAtStart) GTEST_SKIP() << "read by no start";
    put(saved_bytes_);
    const std::string& name = GetParam().name;
    const std::vector<std::string> stale{name + ".Ab12Cd", name + ".lock",
                                         name + ".lock.rmlock.rmlock"};
    const std::vector<std::string> kept{name + ".keep", name + ".Ab12Cd7", "other.Ab12Cd"};
    for (const auto& leftover : stale) std::ofstream(file().parent_path() / leftover);
    for (const auto& other : kept) std::ofstream(file().parent_path() / other);
    fs::create_symlink(kept.front(), file().parent_path() / (name + ".LinkAb"));
    EXPECT_TRUE(GetParam().loadsSaved(folder()));
    for (const auto& leftover : stale) EXPECT_FALSE(fs::exists(file().parent_path() / leftover));
    for (const auto& other : kept) EXPECT_TRUE(fs::exists(file().parent_path() / other));
    EXPECT_TRUE(fs::is_symlink(file().parent_path() / (name + ".LinkAb")));
}

INSTANTIATE_TEST_SUITE_P(EveryFile, KeptFiles, ::testing::ValuesIn(keptFiles()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace morvello
