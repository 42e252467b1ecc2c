// The SDL2_mixer device and the sound procedures over it, heard through SDL's disk
// driver (the mixed output written to a file).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
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

const std::filesystem::path kEffects = MORVELLO_SOURCE_DIR "/assets/sounds/complessivo.wav";
const std::string kShortSong = "tempo 240\npart Piano program 0\nC5 e E5 e\n";

std::int64_t framesOf(int ms) {
    return std::int64_t{ms} * 44100 / 1000;
}

// The lines logged, less the disk driver's own notice that it is in use.
int loggedLines(const std::string& log) {
    std::istringstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) count += line.rfind("CRITICAL:", 0) != 0;
    return count;
}

// The sound procedures over the real device.
struct Table {
    Table(OwnerQueue& owner, SoundFolders folders, AudioFormat format = {})
        : audio(owner.poster(), std::move(format)), board(g, audio, std::move(folders), {}) {}
    SdlAudio audio;
    GameState g;
    SoundBoard board;
};

class RealAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
        // A short pause per buffer: the output runs several times faster than real time.
        ::setenv("SDL_DISKAUDIODELAY", "2", 1);
    }

    std::filesystem::path output() const { return folder.path() / "output.raw"; }

    void song(const std::string& name, const std::string& text = kShortSong) const {
        const auto bytes = songgen::encodeMidi(songgen::parseSong(text));
        folder.write("music/" + name, std::string(bytes.begin(), bytes.end()));
    }

    SoundFolders folders() const { return {kEffects.parent_path(), folder.path() / "music"}; }

    TempFolder folder;
    OwnerQueue owner;  // outlives every device of a test
};

// How many frames of the stereo output differ from the segment placed at start
// (within the mixer's rounding to stereo) or from silence outside it, counting a
// part of the segment that was never played.
int mismatches(const std::vector<std::int16_t>& out, const std::vector<std::int16_t>& segment,
               std::int64_t start) {
    const auto frames = std::int64_t(out.size() / 2);
    const auto end = start + std::int64_t(segment.size());
    int count = 0;
    for (std::int64_t j = std::min<std::int64_t>(start, 0); j < std::max(frames, end); ++j) {
        const bool inside = j >= start && j < end;
        if (j < 0 || j >= frames) {
            count += inside;
            continue;
        }
        const int left = out[std::size_t(2 * j)];
        const int expected = inside ? segment[std::size_t(j - start)] : 0;
        count +=
            std::abs(left - expected) > (inside ? 2 : 0) || out[std::size_t(2 * j + 1)] != left;
    }
    return count;
}

TEST_F(RealAudioTest, APlayedSegmentIsHeardWholeAndNothingElse) {
    const std::vector<std::int16_t> wave = readSamples(kEffects, 44);
    ASSERT_EQ(wave.size(), std::size_t(framesOf(4000)));
    const auto loud = [](std::int16_t s) { return s > 1000 || s < -1000; };
    for (std::size_t k = 0; k + 1 < soundMarks.size(); ++k) {
        SCOPED_TRACE("segment " + std::to_string(k));
        std::filesystem::remove(output());
        const std::vector<std::int16_t> segment(wave.begin() + framesOf(soundMarks[k]),
                                                wave.begin() + framesOf(soundMarks[k + 1]));
        {
            SdlAudio audio(owner.poster());
            ASSERT_TRUE(audio.isOpen());
            OutputMeter meter;
            ASSERT_TRUE(audio.openEffects(kEffects));
            ASSERT_TRUE(meter.waitForFrames(2048));
            audio.playEffect(soundMarks[k], soundMarks[k + 1]);
            ASSERT_TRUE(meter.waitForFrames(std::int64_t(segment.size()) + 4096));
        }
        const std::vector<std::int16_t> out = readSamples(output(), 0);  // stereo frames
        std::int64_t firstLoud = 0;
        while (2 * firstLoud < std::int64_t(out.size()) && !loud(out[2 * firstLoud])) ++firstLoud;
        // the segment starts where the output first matches its first loud sample
        const std::int64_t start =
            firstLoud - (std::find_if(segment.begin(), segment.end(), loud) - segment.begin());
        int fewest = mismatches(out, segment, start);
        for (const int off : {-2, -1, 1, 2})
            fewest = std::min(fewest, mismatches(out, segment, start + off));
        EXPECT_EQ(fewest, 0) << "the output is not the segment alone";
    }
}

TEST_F(RealAudioTest, CardRustleNoKeepsTheTableSilent) {
    Table t(owner, folders());
    OutputMeter meter;
    t.g.rustleChoice = 0;
    t.board.startUp();
    for (int k = 0; k <= 4; ++k) t.board.suona(k);
    ASSERT_TRUE(meter.waitForFrames(framesOf(4000) + 4096));
    EXPECT_EQ(meter.loudFrames(), 0);

    t.board.menu_card_rustle_Click(1);
    t.board.suona(kTieSound);
    EXPECT_TRUE(meter.waitForSound());
}

TEST_F(RealAudioTest, TheSequenceMovesOnAtEachSongEndAndWraps) {
    song("a.mid");
    song("b.mid");
    Table t(owner, folders());
    t.board.startUp();
    t.board.canzoni_Click(2);
    t.board.all_Click();
    std::vector<int> playing;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(owner.runNext()) << "no song ended";
        playing.push_back(t.g.musicChoice);
    }
    EXPECT_EQ(playing, (std::vector<int>{1, 2, 1}));
}

TEST_F(RealAudioTest, ASongFromBesideTheProgramStopsAtNoneOrAnotherSongWithoutAnEnd) {
    const auto program = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const SoundFolders beside = findSoundFolders(program);
    EXPECT_EQ(beside.sounds, program / "sounds");
    EXPECT_EQ(beside.music, program / "music");
    Table t(owner, beside);
    OutputMeter meter;
    t.board.startUp();
    t.board.canzoni_Click(1);
    t.audio.settleSongs();
    t.board.canzoni_Click(2);
    t.audio.settleSongs();
    EXPECT_TRUE(t.audio.songPlaying());
    ASSERT_TRUE(meter.waitForSound());

    t.board.nomusic_Click();
    t.audio.settleSongs();
    EXPECT_FALSE(t.audio.songPlaying());
    const std::int64_t loud = meter.loudFrames();
    ASSERT_TRUE(meter.waitForFrames(framesOf(500)));
    EXPECT_EQ(meter.loudFrames(), loud) << "music after None";
    EXPECT_EQ(owner.waiting(), 0u) << "a stopped or replaced song reported an end";
}

TEST_F(RealAudioTest, AMissingEffectsFileAndABrokenSongAreLoggedOnceAndTheGameGoesOn) {
    folder.write("music/broken.mid", "MThd this is not a song");
    song("good.mid");
    Table t(owner, {folder.path() / "sounds", folder.path() / "music"});
    OutputMeter meter;
    ::testing::internal::CaptureStderr();
    t.board.startUp();
    std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_NE(log.find("complessivo.wav"), std::string::npos) << log;
    for (int k = 0; k <= 4; ++k) t.board.suona(k);
    ASSERT_TRUE(meter.waitForFrames(framesOf(300)));
    EXPECT_EQ(meter.loudFrames(), 0);

    t.board.all_Click();
    ::testing::internal::CaptureStderr();
    t.board.canzoni_Click(1);
    t.audio.settleSongs();
    log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_FALSE(t.audio.songPlaying());
    t.board.canzoni_Click(2);
    EXPECT_TRUE(owner.runNext()) << "the good song never ended";
}

TEST_F(RealAudioTest, WithoutASoundFontOrAnAudioDeviceTheGameGoesOnAfterOneLogLine) {
    song("good.mid");
    for (const bool device : {true, false}) {
        SCOPED_TRACE(device ? "no soundfont" : "no audio device");
        if (!device) ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        ::testing::internal::CaptureStderr();
        {
            Table t(owner, folders(), {.soundFonts = {folder.path() / "missing.sf2"}});
            EXPECT_EQ(t.audio.isOpen(), device);
            std::optional<OutputMeter> meter;
            if (device) meter.emplace();
            t.board.startUp();
            t.board.canzoni_Click(1);
            t.board.all_Click();
            t.audio.settleSongs();
            EXPECT_FALSE(t.audio.songPlaying());
            t.board.nomusic_Click();
            t.board.suona(kCardSound);  // the card sounds go on
            if (meter) {
                EXPECT_TRUE(meter->waitForSound());
            }
        }
        const std::string log = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(loggedLines(log), 1) << log;
        EXPECT_EQ(owner.waiting(), 0u);
    }
}

}  // namespace
}  // namespace morvello
