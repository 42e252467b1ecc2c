// The SDL2_mixer device and the sound procedures over it, heard through SDL's disk
// driver (the mixed output written to a file) and its dummy driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

#include "audio_capture.h"
#include "midi_file.h"
#include "song_text.h"
#include "sound/sdl_audio.h"
#include "sound/sound_board.h"
#include "temp_folder.h"

namespace morvello {
namespace {

using namespace testing;

const std::filesystem::path kAssets = MORVELLO_SOURCE_DIR "/assets";
const std::filesystem::path kEffects = kAssets / "sounds" / "complessivo.wav";
constexpr int kRate = 44100;

std::int64_t framesOf(int ms) {
    return std::int64_t{ms} * kRate / 1000;
}

// A song of one part playing the given notes at 240 quarters a minute.
std::string songText(const std::string& notes) {
    return "tempo 240\npart Piano program 0\n" + notes + "\n";
}
const std::string kShortSong = songText("C5 e E5 e");
const std::string kLongSong = songText("|: C4 w E4 w G4 w C5 w :| |: C4 w E4 w G4 w C5 w :|");

// The lines logged, less the disk driver's own notice that it is in use.
int loggedLines(const std::string& log) {
    std::istringstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) count += line.rfind("CRITICAL:", 0) != 0;
    return count;
}

class RealAudioTest : public ::testing::Test {
  protected:
    void SetUp() override { useDiskDriver(output()); }

    std::filesystem::path output() const { return folder.path() / "output.raw"; }

    std::filesystem::path song(const std::string& name, const std::string& text) const {
        const auto bytes = songgen::encodeMidi(songgen::parseSong(text));
        return folder.write("music/" + name, std::string(bytes.begin(), bytes.end()));
    }

    SoundFolders folders() const { return {kAssets / "sounds", folder.path() / "music"}; }

    TempFolder folder;
    OwnerQueue owner;  // outlives every device of a test
};

// The loudest-matching start of source within out, near the first loud sample of each.
std::int64_t alignment(const std::vector<std::int16_t>& out, const std::vector<std::int16_t>& src) {
    const auto loud = [](std::int16_t s) { return s > 1000 || s < -1000; };
    const auto firstOut = std::find_if(out.begin(), out.end(), loud) - out.begin();
    const auto firstSrc = std::find_if(src.begin(), src.end(), loud) - src.begin();
    std::int64_t best = firstOut - firstSrc;
    long long bestError = -1;
    for (std::int64_t start = best - 2; start <= best + 2; ++start) {
        long long error = 0;
        for (std::size_t i = 0; i < src.size(); ++i) {
            const std::int64_t j = start + static_cast<std::int64_t>(i);
            const int o = j >= 0 && j < std::int64_t(out.size()) ? out[std::size_t(j)] : 0;
            error += std::abs(o - src[i]);
        }
        if (bestError < 0 || error < bestError) bestError = error, best = start;
    }
    return best;
}

TEST_F(RealAudioTest, APlayedSegmentIsHeardWholeAndNothingElse) {
    const std::vector<std::int16_t> wave = readMonoWav(kEffects);
    ASSERT_EQ(wave.size(), std::size_t(framesOf(4000)));
    for (std::size_t k = 0; k + 1 < soundMarks.size(); ++k) {
        SCOPED_TRACE("segment " + std::to_string(k));
        std::filesystem::remove(output());
        const std::vector<std::int16_t> segment(wave.begin() + framesOf(soundMarks[k]),
                                                wave.begin() + framesOf(soundMarks[k + 1]));
        {
            SdlAudio audio(owner.poster());
            ASSERT_TRUE(audio.isOpen());
            OutputMeter meter;
            meter.attach();
            ASSERT_TRUE(audio.openEffects(kEffects));
            ASSERT_TRUE(meter.waitForFrames(2048));
            audio.playEffect(soundMarks[k], soundMarks[k + 1]);
            ASSERT_TRUE(meter.waitForFrames(std::int64_t(segment.size()) + 4096));
            meter.detach();
        }
        const Frames out = readOutput(output());
        const std::int64_t start = alignment(out.left, segment);
        ASSERT_GE(start, 0);
        ASSERT_LE(start + std::int64_t(segment.size()), std::int64_t(out.left.size()));
        int differing = 0;
        int outside = 0;
        for (std::size_t j = 0; j < out.left.size(); ++j) {
            const std::int64_t i = std::int64_t(j) - start;
            if (i < 0 || i >= std::int64_t(segment.size())) {
                outside += out.left[j] != 0 || out.right[j] != 0;
            } else {
                // the mixer's conversion to stereo may round by one step
                differing += std::abs(out.left[j] - segment[std::size_t(i)]) > 2 ||
                             out.right[j] != out.left[j];
            }
        }
        EXPECT_EQ(differing, 0) << "the output is not the segment";
        EXPECT_EQ(outside, 0) << "sound outside the segment";
    }
}

TEST_F(RealAudioTest, TheProgramFindsItsSoundsAndSongsBesideIt) {
    const auto program = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const SoundFolders folders = findSoundFolders(program);
    EXPECT_EQ(folders.sounds, program / "sounds");
    EXPECT_EQ(folders.music, program / "music");

    SdlAudio audio(owner.poster());
    OutputMeter meter;
    meter.attach();
    GameState g;
    SoundBoard board(g, audio, folders, {});
    board.startUp();
    std::vector<std::string> songs;
    for (const SongItem& s : board.menu().canzoni) songs.push_back(s.caption);
    EXPECT_EQ(songs,
              (std::vector<std::string>{"Barcarola di Posillipo", "Serenata del tavolo verde",
                                        "Tarantella del mazzo"}));
    board.canzoni_Click(3);
    audio.settleSongs();
    EXPECT_TRUE(audio.songPlaying());
    board.suona(kCardSound);
    EXPECT_TRUE(meter.waitForSound());
    board.nomusic_Click();
    audio.settleSongs();
    meter.detach();
}

TEST_F(RealAudioTest, CardRustleNoKeepsTheTableSilent) {
    SdlAudio audio(owner.poster());
    OutputMeter meter;
    meter.attach();
    GameState g;
    g.rustleChoice = 0;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    for (int k = 0; k <= 4; ++k) board.suona(k);
    ASSERT_TRUE(meter.waitForFrames(framesOf(4000) + 4096));
    EXPECT_EQ(meter.loudFrames(), 0);

    board.menu_card_rustle_Click(1);
    board.suona(kTieSound);
    EXPECT_TRUE(meter.waitForSound());
    meter.detach();
}

TEST_F(RealAudioTest, TheSequenceMovesOnAtEachSongEndAndWraps) {
    song("a.mid", kShortSong);
    song("b.mid", kShortSong);
    SdlAudio audio(owner.poster());
    GameState g;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    board.canzoni_Click(2);
    board.all_Click();
    std::vector<int> playing;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(owner.runNext()) << "no song ended";
        playing.push_back(g.musicChoice);
    }
    EXPECT_EQ(playing, (std::vector<int>{1, 2, 1}));
}

TEST_F(RealAudioTest, NoneStopsTheSongAtOnceAndNoEndFollows) {
    song("long.mid", kLongSong);
    SdlAudio audio(owner.poster());
    OutputMeter meter;
    meter.attach();
    GameState g;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    board.canzoni_Click(1);
    audio.settleSongs();
    EXPECT_TRUE(audio.songPlaying());
    ASSERT_TRUE(meter.waitForSound());

    board.nomusic_Click();
    audio.settleSongs();
    EXPECT_FALSE(audio.songPlaying());
    const std::int64_t loud = meter.loudFrames();
    ASSERT_TRUE(meter.waitForFrames(framesOf(500)));
    EXPECT_EQ(meter.loudFrames(), loud) << "music after None";
    EXPECT_EQ(owner.waiting(), 0u) << "a stopped song reported an end";
    meter.detach();
}

TEST_F(RealAudioTest, ASongReplacedOrStoppedOnPurposeDoesNotEnd) {
    const auto longSong = song("long.mid", kLongSong);
    const auto shortSong = song("short.mid", kShortSong);
    SdlAudio audio(owner.poster());
    int ends = 0;
    audio.setSongEndHandler([&] { ++ends; });
    audio.playSong(longSong);
    audio.settleSongs();
    audio.playSong(longSong);
    audio.settleSongs();
    audio.stopSong();
    audio.settleSongs();
    while (owner.waiting() > 0) owner.runNext();
    EXPECT_EQ(ends, 0);

    audio.playSong(shortSong);
    ASSERT_TRUE(owner.runNext());
    EXPECT_EQ(ends, 1);
}

TEST_F(RealAudioTest, ChoosingASongLeavesTheSequence) {
    song("a.mid", kShortSong);
    song("b.mid", kShortSong);
    SdlAudio audio(owner.poster());
    GameState g;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    board.all_Click();
    board.canzoni_Click(1);
    ASSERT_TRUE(owner.runNext()) << "the chosen song never ended";
    audio.settleSongs();
    EXPECT_FALSE(audio.songPlaying()) << "a song followed the chosen one";
    EXPECT_EQ(g.musicChoice, 0);
}

TEST_F(RealAudioTest, ABrokenSongIsLoggedOnceAndTheGameGoesOn) {
    folder.write("music/broken.mid", "MThd this is not a song");
    song("good.mid", kShortSong);
    SdlAudio audio(owner.poster());
    GameState g;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    board.all_Click();

    ::testing::internal::CaptureStderr();
    board.canzoni_Click(1);
    audio.settleSongs();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_FALSE(audio.songPlaying());

    board.canzoni_Click(2);
    EXPECT_TRUE(owner.runNext()) << "the good song never ended";
}

TEST_F(RealAudioTest, AMissingEffectsFileIsLoggedOnceAndSilent) {
    SdlAudio audio(owner.poster());
    OutputMeter meter;
    meter.attach();
    GameState g;
    SoundBoard board(g, audio, {folder.path() / "sounds", folder.path() / "music"}, {});
    ::testing::internal::CaptureStderr();
    board.Apri_suono(kEffectsName);
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_NE(log.find("complessivo.wav"), std::string::npos) << log;

    board.restoreCheckMarks();
    for (int k = 0; k <= 4; ++k) board.suona(k);
    ASSERT_TRUE(meter.waitForFrames(framesOf(300)));
    EXPECT_EQ(meter.loudFrames(), 0);
    meter.detach();
}

TEST_F(RealAudioTest, WithoutASoundFontSongsAreSilentAfterOneLogLine) {
    song("good.mid", kShortSong);
    ::testing::internal::CaptureStderr();
    SdlAudio audio(owner.poster(), {.soundFonts = {folder.path() / "missing.sf2"}});
    OutputMeter meter;
    meter.attach();
    GameState g;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    board.canzoni_Click(1);
    audio.settleSongs();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_FALSE(audio.songPlaying());

    board.suona(kCardSound);  // the card sounds go on
    EXPECT_TRUE(meter.waitForSound());
    meter.detach();
}

TEST_F(RealAudioTest, WithoutAnAudioDeviceTheGamePlaysSilentlyAfterOneLogLine) {
    useDriver("no-such-driver");
    song("good.mid", kShortSong);
    ::testing::internal::CaptureStderr();
    {
        SdlAudio audio(owner.poster());
        EXPECT_FALSE(audio.isOpen());
        GameState g;
        SoundBoard board(g, audio, folders(), {});
        board.startUp();
        board.suona(kCardSound);
        board.canzoni_Click(1);
        board.all_Click();
        board.nomusic_Click();
        audio.settleSongs();
    }
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_EQ(owner.waiting(), 0u);
}

TEST_F(RealAudioTest, TheDummyDriverPlaysSoundsAndReportsASongEnd) {
    useDriver("dummy");
    song("good.mid", kShortSong);
    SdlAudio audio(owner.poster());
    ASSERT_TRUE(audio.isOpen());
    GameState g;
    SoundBoard board(g, audio, folders(), {});
    board.startUp();
    board.suona(kCardSound);
    board.canzoni_Click(1);
    board.all_Click();
    EXPECT_TRUE(owner.runNext()) << "the song never ended";
    EXPECT_EQ(g.musicChoice, 1) << "the sequence did not go on";
}

}  // namespace
}  // namespace morvello
