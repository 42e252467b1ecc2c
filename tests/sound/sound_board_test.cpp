// What this suite guards: the Sounds and Music procedures over a recording device
// (check marks, the sequence, what is saved) and where the sound files are found.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../common/temp_folder.h"
#include "sound/sound_board.h"

namespace morvello {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// An audio device that only records what it is asked to do. A song "ends" when the
// test calls onEnd, as the real device reports a song that played to its end.
struct FakeAudioDevice final : AudioDevice {
    bool openEffects(const std::filesystem::path&) override { return true; }
    void playEffect(int, int) override {}
    void playSong(const std::filesystem::path& path) override {
        calls.push_back(path.filename().string());
    }
    void stopSong() override { calls.emplace_back("stop"); }
    void setSongEndHandler(std::function<void()> handler) override { onEnd = std::move(handler); }

    Names calls;  // the file names of the songs started, and "stop"
    std::function<void()> onEnd;
};

// The board over a recording device, started up with the stored choices on a music
// folder holding songs named as given (none: no folder at all).
struct Board {
    explicit Board(const Names& files, int stored = 0, int rustle = 1) {
        for (const std::string& f : files) folder.write("music/" + f, "MThd");
        g.musicChoice = static_cast<Byte>(stored);
        g.rustleChoice = static_cast<Byte>(rustle);
        board.startUp();
    }

    // The Music menu's check marks ("None", "SEQUENTIAL MODE", the checked songs),
    // then "=" and musicChoice.
    std::string music() const {
        const SoundMenu& m = board.menu();
        std::string out = std::string(m.noMusic ? "None " : "") + (m.all ? "SEQUENTIAL MODE " : "");
        for (const SongItem& s : m.songItems) out += s.checked ? s.caption + " " : "";
        return out + "= " + std::to_string(g.musicChoice);
    }

    TempFolder folder;
    SoundChoices g;
    FakeAudioDevice device;
    std::vector<int> saves;  // musicChoice at each save
    SoundBoard board{g,
                     device,
                     {folder.path(), folder.path() / "music"},
                     {[this] { saves.push_back(g.musicChoice); }, {}, {}}};
};

TEST(SoundBoard, StartUpListsTheSongsByNameAndRestoresTheCheckMarks) {
    struct Case {
        Names files, captions;
        int stored, rustle;
        std::string music;
    };
    for (const Case& c : {Case{{}, {}, 0, 0, "None = 0"},
                          Case{{"x.txt", "old.MID.bak"}, {}, 101, 1, "SEQUENTIAL MODE = 0"},
                          Case{{"t.mid", "A.mid", "Z.MID", "x.txt"}, {"A", "t", "Z"}, 2, 0, "= 2"},
                          Case{{"a.mid"}, {"a"}, 7, 1, "= 7"}}) {
        SCOPED_TRACE(c.stored);
        ::testing::internal::CaptureStderr();
        Board b(c.files, c.stored, c.rustle);
        const std::string log = ::testing::internal::GetCapturedStderr();
        Names shown;
        for (const SongItem& s : b.board.menu().songItems) shown.push_back(s.caption);
        EXPECT_EQ(shown, c.captions);
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), c.captions.empty() ? 1 : 0) << log;
        EXPECT_EQ(b.music(), c.music);
        EXPECT_EQ(b.board.menu().rustleChecked, (std::array{c.rustle == 0, c.rustle == 1}));
        b.board.setCardRustle(1 - c.rustle);  // saved for the next start-up
        EXPECT_EQ(b.board.menu().rustleChecked, (std::array{c.rustle == 1, c.rustle == 0}));
        EXPECT_EQ(b.g.rustleChoice, 1 - c.rustle);
        EXPECT_EQ(b.saves.size(), 1u);

        b.board.chooseSong(b.board.menu().songCount() + 1);  // no such item
        b.board.chooseAllSongs();
        if (c.captions.empty()) b.board.songFinished();  // nothing to play
        EXPECT_TRUE(b.device.calls.empty()) << "no music starts at start-up or without a song";
    }
}

TEST(SoundBoard, TheSequenceStartsAtSongOneWhenThePlayingSongEndsAndWraps) {
    // the number of songs; the song chosen before the sequence, then those it plays
    for (const auto& [count, played] : std::vector<std::pair<int, std::vector<int>>>{
             {5, {3, 1, 2, 3, 4, 5, 1, 2}}, {1, {1, 1, 1, 1}}}) {
        SCOPED_TRACE(count);
        Names files;
        for (int i = 1; i <= count; ++i) files.push_back(std::to_string(i) + ".mid");
        Board b(files);
        b.board.chooseSong(played[0]);
        b.board.chooseAllSongs();
        EXPECT_EQ(b.music(), "SEQUENTIAL MODE = 0");
        Names songs{files[std::size_t(played[0] - 1)]};
        for (std::size_t i = 1; i < played.size(); ++i) {
            b.device.onEnd();
            const std::string n = std::to_string(played[i]);
            EXPECT_EQ(b.music(), "SEQUENTIAL MODE " + n + " = " + n);
            songs.push_back(n + ".mid");
        }
        EXPECT_EQ(b.device.calls, songs);
        EXPECT_EQ(b.saves, (std::vector<int>{0, 101})) << "the sequence saves nothing as it goes";
    }
}

TEST(SoundBoard, AChosenSongPlaysOnceAndLeavesTheSequenceAndNoneStopsIt) {
    Board b({"a.mid", "b.mid", "c.mid"}, kMusicSequenceStored);
    b.board.chooseSong(2);  // a stored sequence waits for a song: choosing one leaves it
    EXPECT_EQ(b.music(), "b = 0");
    EXPECT_EQ(b.saves, (std::vector<int>{0}));
    b.device.onEnd();
    EXPECT_EQ(b.device.calls, Names{"b.mid"}) << "a song followed the chosen one";
    EXPECT_EQ(b.music(), "b = 0");

    b.board.chooseSong(1);
    b.board.chooseAllSongs();
    b.device.onEnd();  // the sequence begins with song 1
    b.board.chooseSong(3);
    EXPECT_EQ(b.music(), "c = 0");
    b.device.onEnd();  // nothing follows

    b.board.chooseAllSongs();
    b.board.chooseNoMusic();
    EXPECT_EQ(b.music(), "None = 0");
    EXPECT_EQ(b.saves.back(), 0);
    b.device.onEnd();  // a late end report of the stopped song
    EXPECT_EQ(b.device.calls, (Names{"b.mid", "a.mid", "a.mid", "c.mid", "stop"}));
}

TEST(SoundFolders, BesideTheProgramFirstThenTheInstalledDataFolderElseBesideIt) {
    TempFolder folder;
    const std::filesystem::path& p = folder.path();
    for (const char* made : {"bin/music", "share/sounds", "share/music"}) {
        std::filesystem::create_directories(p / made);
    }
    const auto where = [](const SoundFolders& f) { return std::pair(f.sounds, f.music); };
    EXPECT_EQ(where(findSoundFolders(p / "bin", p / "share")),
              std::pair(p / "share/sounds", p / "bin/music"));
    EXPECT_EQ(where(findSoundFolders(p, p / "none")), std::pair(p / "sounds", p / "music"))
        << "named where a player looks";
}

}  // namespace
}  // namespace morvello
