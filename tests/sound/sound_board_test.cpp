// The sound procedures over a recording device: card sounds, the music states and
// the check marks the window shows; and where the sound files are found.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "sound/sound_board.h"
#include "temp_folder.h"

namespace morvello {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// An audio device that only records what it is asked to do. A song "ends" when the
// test calls onEnd, as the real device reports a song that played to its end.
struct FakeAudioDevice final : AudioDevice {
    bool openEffects(const std::filesystem::path&) override { return true; }
    void playEffect(int fromMs, int toMs) override { effects.emplace_back(fromMs, toMs); }
    void playSong(const std::filesystem::path& path) override {
        songs.push_back(path.filename().string());
    }
    void stopSong() override { ++stops; }
    void setSongEndHandler(std::function<void()> handler) override { onEnd = std::move(handler); }

    std::vector<std::pair<int, int>> effects;
    Names songs;  // file names, in the order they were started
    int stops = 0;
    std::function<void()> onEnd;
};

class SoundBoardTest : public ::testing::Test {
  protected:
    // A new board started up with the stored choices on a music folder of its own
    // holding songs named as given.
    SoundBoard& startWith(const Names& files, int stored = 0, int rustle = 1) {
        board.reset();
        const std::string music = "music" + std::to_string(++boards);
        for (const std::string& f : files) folder.write(music + "/" + f, "MThd");
        g = GameState{};
        g.musicChoice = static_cast<Byte>(stored);
        g.rustleChoice = static_cast<Byte>(rustle);
        device = FakeAudioDevice{};
        board.emplace(g, device, SoundFolders{folder.path() / "sounds", folder.path() / music},
                      SoundBoard::Hooks{[this] { saves.push_back(g.musicChoice); },
                                        [this] { ++menuChanges; }, [this] { ++infoHidden; }});
        board->startUp();
        saves.clear();
        menuChanges = 0;
        return *board;
    }

    // The Music menu's check marks ("None", "SEQUENTIAL MODE", the checked songs),
    // then "=" and musicChoice.
    std::string music() const {
        const SoundMenu& m = board->menu();
        std::string out = std::string(m.nomusic ? "None " : "") + (m.all ? "SEQUENTIAL MODE " : "");
        for (const SongItem& s : m.canzoni) out += s.checked ? s.caption + " " : "";
        return out + "= " + std::to_string(g.musicChoice);
    }

    TempFolder folder;
    int boards = 0;
    GameState g;
    FakeAudioDevice device;
    std::vector<int> saves;  // musicChoice at each save
    int menuChanges = 0;
    int infoHidden = 0;
    std::optional<SoundBoard> board;
};

TEST_F(SoundBoardTest, TheMusicMenuListsTheMidiFilesByNameOrLogsThatThereAreNone) {
    struct Case {
        std::string folder;
        Names files, captions;
    };
    for (const Case& c :
         {Case{"missing", {}, {}}, Case{"empty", {}, {}},
          Case{"songs",
               {"tarantella.mid", "Barcarola.mid", "serenata.MID", "readme.txt", "old.MID.bak"},
               {"Barcarola", "serenata", "tarantella"}}}) {
        SCOPED_TRACE(c.folder);
        if (c.folder != "missing") std::filesystem::create_directories(folder.path() / c.folder);
        for (const std::string& f : c.files) folder.write(c.folder + "/" + f, "MThd");
        FakeAudioDevice quiet;
        SoundBoard fresh(g, quiet, {folder.path(), folder.path() / c.folder}, {});
        ::testing::internal::CaptureStderr();
        fresh.buildMusicMenu();
        const std::string log = ::testing::internal::GetCapturedStderr();
        Names captions;
        for (const SongItem& s : fresh.menu().canzoni) captions.push_back(s.caption);
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), c.captions.empty() ? 1 : 0) << log;

        fresh.canzoni_Click(fresh.menu().songCount() + 1);  // no such item
        fresh.all_Click();
        if (c.captions.empty()) fresh.MMC1_Done(kNotifySuccessful);  // nothing to play
        EXPECT_TRUE(quiet.songs.empty());
    }
}

TEST_F(SoundBoardTest, StartUpCheckMarksFollowTheStoredChoices) {
    struct Case {
        int stored, rustle;
        std::string music;
    };
    for (const Case& c : {Case{0, 0, "None = 0"}, Case{101, 1, "SEQUENTIAL MODE = 0"},
                          Case{2, 0, "= 2"}, Case{7, 1, "= 7"}}) {
        SCOPED_TRACE(c.stored);
        startWith({"a.mid", "b.mid"}, c.stored, c.rustle);
        EXPECT_EQ(music(), c.music);
        EXPECT_EQ(board->menu().menu_card_rustle, (std::array{c.rustle == 0, c.rustle == 1}));
        EXPECT_TRUE(device.songs.empty()) << "no music starts at start-up";
    }
}

TEST_F(SoundBoardTest, CardRustleNoSilencesEverySoundAndIsSaved) {
    SoundBoard& b = startWith({});
    for (const int choice : {0, 1}) {
        b.menu_card_rustle_Click(choice);
        for (int k = 0; k <= 4; ++k) b.suona(k);
        EXPECT_EQ(g.rustleChoice, choice);
        EXPECT_EQ(b.menu().menu_card_rustle, (std::array{choice == 0, choice == 1}));
    }
    EXPECT_EQ(device.effects, (std::vector<std::pair<int, int>>{
                                  {0, 160}, {160, 2320}, {2320, 2500}, {2500, 3180}, {3180, 4000}}))
        << "each sound in its range, and only after Yes";
    EXPECT_EQ(saves.size(), 2u);
    EXPECT_EQ(infoHidden, 2);
    EXPECT_GT(menuChanges, 0);
}

TEST_F(SoundBoardTest, TheSequenceStartsAtSongOneWhenThePlayingSongEndsAndWraps) {
    struct Case {
        int songs;
        std::vector<int> played;  // the chosen song, then the sequence
    };
    for (const Case& c : {Case{5, {3, 1, 2, 3, 4, 5, 1, 2}}, Case{1, {1, 1, 1, 1}}}) {
        SCOPED_TRACE(c.songs);
        Names files;
        for (int i = 1; i <= c.songs; ++i) files.push_back(std::to_string(i) + ".mid");
        SoundBoard& b = startWith(files);
        b.canzoni_Click(c.played[0]);
        b.all_Click();
        EXPECT_EQ(music(), "SEQUENTIAL MODE = 0");
        Names played{files[std::size_t(c.played[0] - 1)]};
        for (std::size_t i = 1; i < c.played.size(); ++i) {
            device.onEnd();
            const std::string n = std::to_string(c.played[i]);
            EXPECT_EQ(music(), "SEQUENTIAL MODE " + n + " = " + n);
            played.push_back(n + ".mid");
        }
        EXPECT_EQ(device.songs, played);
        EXPECT_EQ(saves, (std::vector<int>{0, 101})) << "the sequence saves nothing as it goes";
    }
}

TEST_F(SoundBoardTest, AChosenSongPlaysOnceAndLeavesTheSequence) {
    SoundBoard& b = startWith({"a.mid", "b.mid", "c.mid"}, kMusicSequenceStored);
    b.canzoni_Click(2);  // a stored sequence waits for a song: choosing one leaves it
    EXPECT_EQ(music(), "b = 0");
    EXPECT_EQ(saves, (std::vector<int>{0}));
    device.onEnd();
    EXPECT_EQ(device.songs, Names{"b.mid"}) << "a song followed the chosen one";
    EXPECT_EQ(music(), "b = 0");

    b.canzoni_Click(1);
    b.all_Click();
    device.onEnd();  // the sequence begins with song 1
    b.canzoni_Click(3);
    EXPECT_EQ(music(), "c = 0");
    device.onEnd();
    EXPECT_EQ(device.songs, (Names{"b.mid", "a.mid", "a.mid", "c.mid"}));
}

TEST_F(SoundBoardTest, OnlyASuccessfulEndMovesTheSequenceAndNoneStopsIt) {
    SoundBoard& b = startWith({"a.mid", "b.mid"});
    b.canzoni_Click(1);
    b.all_Click();
    for (int code : {0, 2, 4, 8}) b.MMC1_Done(code);
    EXPECT_EQ(music(), "SEQUENTIAL MODE = 0");

    b.nomusic_Click();
    EXPECT_EQ(device.stops, 1);
    EXPECT_EQ(music(), "None = 0");
    EXPECT_EQ(saves.back(), 0);
    b.MMC1_Done(kNotifySuccessful);  // a late end report of the stopped song
    EXPECT_EQ(device.songs, Names{"a.mid"});
}

TEST(SoundFolders, BesideTheProgramFirstThenTheInstalledDataFolderElseBesideIt) {
    TempFolder folder;
    const auto bin = folder.path() / "bin";
    const auto share = folder.path() / "share";
    for (const auto& made : {bin / "music", share / "sounds", share / "music"}) {
        std::filesystem::create_directories(made);
    }
    const SoundFolders found = findSoundFolders(bin, share);
    EXPECT_EQ(std::pair(found.sounds, found.music), std::pair(share / "sounds", bin / "music"));
    const SoundFolders nowhere = findSoundFolders(folder.path() / "elsewhere", share / "none");
    EXPECT_EQ(std::pair(nowhere.sounds, nowhere.music),
              std::pair(folder.path() / "elsewhere/sounds", folder.path() / "elsewhere/music"))
        << "named where a player looks";
}

}  // namespace
}  // namespace morvello
