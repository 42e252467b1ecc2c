// The sound procedures over a recording device: card sounds, the music states and
// the check marks the window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_audio_device.h"
#include "sound/sound_board.h"
#include "temp_folder.h"

namespace morvello {
namespace {

using testing::FakeAudioDevice;
using testing::TempFolder;

class SoundBoardTest : public ::testing::Test {
  protected:
    // A music folder holding songs named as given, the board started up on it.
    void startWith(const std::vector<std::string>& files) {
        for (const std::string& f : files) folder.write("music/" + f, "MThd");
        board.startUp();
        saves.clear();
        menuChanges = 0;
    }

    // The captions of the checked song items.
    std::vector<std::string> checkedSongs() const {
        std::vector<std::string> out;
        for (const SongItem& s : board.menu().canzoni) {
            if (s.checked) out.push_back(s.caption);
        }
        return out;
    }

    TempFolder folder;
    GameState g;
    FakeAudioDevice device;
    std::vector<int> saves;  // musicChoice at each save
    int menuChanges = 0;
    int infoHidden = 0;
    SoundBoard board{g, device, SoundFolders{folder.path() / "sounds", folder.path() / "music"},
                     SoundBoard::Hooks{[this] { saves.push_back(g.musicChoice); },
                                       [this] { ++menuChanges; }, [this] { ++infoHidden; }}};
};

TEST_F(SoundBoardTest, StartUpListsTheSongsByNameAndOpensTheEffects) {
    folder.write("music/readme.txt", "");
    folder.write("music/old.MID.bak", "");
    startWith({"tarantella.mid", "Barcarola.mid", "serenata.MID"});

    std::vector<std::string> captions;
    for (const SongItem& s : board.menu().canzoni) captions.push_back(s.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Barcarola", "serenata", "tarantella"}));
    EXPECT_EQ(device.effectsFile, folder.path() / "sounds" / "complessivo.wav");
    EXPECT_TRUE(device.songs.empty()) << "no music starts at start-up";
}

TEST_F(SoundBoardTest, StartUpCheckMarksFollowTheStoredChoices) {
    struct Case {
        int stored;
        bool none, sequential;
        int after;
    };
    for (const Case c : {Case{0, true, false, 0}, Case{101, false, true, 0},
                         Case{2, false, false, 2}, Case{7, false, false, 7}}) {
        SCOPED_TRACE(c.stored);
        GameState state;
        FakeAudioDevice silent;
        SoundBoard fresh(state, silent, {folder.path() / "sounds", folder.path() / "music"}, {});
        state.musicChoice = static_cast<Byte>(c.stored);
        state.rustleChoice = 0;
        fresh.restoreCheckMarks();
        EXPECT_EQ(fresh.menu().nomusic, c.none);
        EXPECT_EQ(fresh.menu().all, c.sequential);
        EXPECT_EQ(state.musicChoice, c.after);
        EXPECT_EQ(fresh.menu().menu_card_rustle, (std::array<bool, 2>{true, false}));
        EXPECT_TRUE(silent.songs.empty());
    }
}

TEST_F(SoundBoardTest, MissingOrEmptyMusicFolderGivesNoSongsAndOneLogLine) {
    ::testing::internal::CaptureStderr();
    board.buildMusicMenu();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(board.menu().songCount(), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;

    board.all_Click();
    board.MMC1_Done(kNotifySuccessful);  // nothing to play: the sequence stays silent
    board.canzoni_Click(1);              // no such item
    EXPECT_TRUE(device.songs.empty());
}

TEST_F(SoundBoardTest, EachSoundPlaysItsRangeWhileCardRustleIsOn) {
    startWith({});
    for (int k = 0; k <= 4; ++k) board.suona(k);
    EXPECT_EQ(device.effects,
              (std::vector<std::pair<int, int>>{
                  {0, 160}, {160, 2320}, {2320, 2500}, {2500, 3180}, {3180, 4000}}));
}

TEST_F(SoundBoardTest, CardRustleNoSilencesEverySoundAndIsSaved) {
    startWith({});
    board.menu_card_rustle_Click(0);
    for (int k = 0; k <= 4; ++k) board.suona(k);
    EXPECT_TRUE(device.effects.empty());
    EXPECT_EQ(g.rustleChoice, 0);
    EXPECT_EQ(board.menu().menu_card_rustle, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(saves.size(), 1u);
    EXPECT_EQ(infoHidden, 1);
    EXPECT_GT(menuChanges, 0);

    board.menu_card_rustle_Click(1);
    board.suona(kKnockSound);
    EXPECT_EQ(device.effects, (std::vector<std::pair<int, int>>{{2320, 2500}}));
    EXPECT_EQ(g.rustleChoice, 1);
    EXPECT_EQ(saves.size(), 2u);
}

TEST_F(SoundBoardTest, AChosenSongPlaysOnceAndNothingFollows) {
    startWith({"a.mid", "b.mid", "c.mid"});
    board.canzoni_Click(2);
    EXPECT_EQ(device.songs, (std::vector<std::string>{"b.mid"}));
    EXPECT_EQ(checkedSongs(), (std::vector<std::string>{"b"}));
    EXPECT_FALSE(board.menu().nomusic);
    EXPECT_FALSE(board.menu().all);
    EXPECT_EQ(saves, (std::vector<int>{0}));

    device.finishSong();
    EXPECT_EQ(device.songs.size(), 1u);
    EXPECT_EQ(checkedSongs(), (std::vector<std::string>{"b"}));
}

TEST_F(SoundBoardTest, NoneStopsTheSongAndStoresZero) {
    startWith({"a.mid", "b.mid"});
    board.canzoni_Click(1);
    board.all_Click();
    board.nomusic_Click();
    EXPECT_EQ(device.stops, 1);
    EXPECT_TRUE(board.menu().nomusic);
    EXPECT_FALSE(board.menu().all);
    EXPECT_TRUE(checkedSongs().empty());
    EXPECT_EQ(saves.back(), 0);

    board.MMC1_Done(kNotifySuccessful);  // a late end report of the stopped song
    EXPECT_EQ(device.songs.size(), 1u);
}

TEST_F(SoundBoardTest, SequentialModeIsSavedAs101AndStartsNothing) {
    startWith({"a.mid", "b.mid"});
    board.all_Click();
    EXPECT_EQ(saves, (std::vector<int>{101}));
    EXPECT_EQ(g.musicChoice, 0);
    EXPECT_TRUE(board.menu().all);
    EXPECT_FALSE(board.menu().nomusic);
    EXPECT_TRUE(device.songs.empty());
}

TEST_F(SoundBoardTest, SequenceStartsAtSongOneWhenThePlayingSongEndsAndWraps) {
    startWith({"1.mid", "2.mid", "3.mid", "4.mid", "5.mid"});
    board.canzoni_Click(3);
    board.all_Click();
    EXPECT_TRUE(checkedSongs().empty());

    std::vector<int> choices;
    for (int i = 0; i < 7; ++i) {
        device.finishSong();
        choices.push_back(g.musicChoice);
        EXPECT_EQ(checkedSongs(), std::vector<std::string>{std::to_string(g.musicChoice)});
    }
    EXPECT_EQ(choices, (std::vector<int>{1, 2, 3, 4, 5, 1, 2}));
    EXPECT_EQ(device.songs, (std::vector<std::string>{"3.mid", "1.mid", "2.mid", "3.mid", "4.mid",
                                                      "5.mid", "1.mid", "2.mid"}));
    EXPECT_EQ(saves, (std::vector<int>{0, 101})) << "the sequence saves nothing as it goes";
}

TEST_F(SoundBoardTest, ASingleSongRepeatsInSequence) {
    startWith({"only.mid"});
    board.canzoni_Click(1);
    board.all_Click();
    for (int i = 0; i < 3; ++i) {
        device.finishSong();
        EXPECT_EQ(g.musicChoice, 1);
        EXPECT_EQ(checkedSongs(), std::vector<std::string>{"only"});
    }
    EXPECT_EQ(device.songs.size(), 4u);
}

TEST_F(SoundBoardTest, ChoosingASongLeavesTheSequence) {
    startWith({"a.mid", "b.mid", "c.mid"});
    board.canzoni_Click(1);
    board.all_Click();
    device.finishSong();  // the sequence begins with song 1
    board.canzoni_Click(3);
    EXPECT_FALSE(board.menu().all);
    EXPECT_EQ(g.musicChoice, 0);
    EXPECT_EQ(checkedSongs(), std::vector<std::string>{"c"});

    device.finishSong();
    EXPECT_EQ(device.songs, (std::vector<std::string>{"a.mid", "a.mid", "c.mid"}));
}

TEST_F(SoundBoardTest, OnlyASuccessfulEndMovesTheSequence) {
    startWith({"a.mid", "b.mid"});
    board.canzoni_Click(1);
    board.all_Click();
    for (int code : {0, 2, 4, 8}) board.MMC1_Done(code);
    EXPECT_EQ(device.songs.size(), 1u);
    EXPECT_EQ(g.musicChoice, 0);
}

TEST_F(SoundBoardTest, StoredSequenceWaitsForAChosenSongWhichLeavesIt) {
    folder.write("music/a.mid", "MThd");
    folder.write("music/b.mid", "MThd");
    g.musicChoice = 101;
    board.startUp();
    EXPECT_TRUE(board.menu().all);
    EXPECT_TRUE(device.songs.empty());

    board.canzoni_Click(2);
    EXPECT_FALSE(board.menu().all);
    device.finishSong();
    EXPECT_EQ(device.songs, std::vector<std::string>{"b.mid"});
}

TEST_F(SoundBoardTest, OpeningTheMusicMenuHidesTheInformationPanel) {
    board.menu_music_Click();
    EXPECT_EQ(infoHidden, 1);
}

}  // namespace
}  // namespace morvello

namespace morvello {
namespace {

TEST(SoundFolders, BesideTheProgramFirstThenTheInstalledDataFolder) {
    testing::TempFolder folder;
    const auto program = folder.path() / "bin";
    const auto data = folder.path() / "share";
    std::filesystem::create_directories(program / "music");
    std::filesystem::create_directories(data / "sounds");
    std::filesystem::create_directories(data / "music");

    const SoundFolders found = findSoundFolders(program, data);
    EXPECT_EQ(found.sounds, data / "sounds");
    EXPECT_EQ(found.music, program / "music");

    const SoundFolders nowhere =
        findSoundFolders(folder.path() / "elsewhere", folder.path() / "none");
    EXPECT_EQ(nowhere.sounds, folder.path() / "elsewhere" / "sounds")
        << "named where a player looks";
    EXPECT_EQ(nowhere.music, folder.path() / "elsewhere" / "music");
}

}  // namespace
}  // namespace morvello
