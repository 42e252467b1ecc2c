// What this suite guards: the real SDL2_mixer device plays each effect whole and
// alone, survives missing and broken files, moves a sequence on at each song's end,
// rests when quiet and plays silently without a device; a MIDI file's length.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "../common/temp_folder.h"
#include "midi_file.h"
#include "song_text.h"
#include "sound/midi_length.h"
#include "sound/sdl_audio.h"
#include "sound/sound_board.h"

namespace morvello {
namespace {

using namespace std::chrono_literals;
using testing::TempFolder;

const std::filesystem::path kEffects = MORVELLO_SOURCE_DIR "/assets/sounds/complessivo.wav";
// A song as the song generator writes it from its note list.
std::string midiOf(const std::string& notes) {
    const auto midi = songgen::encodeMidi(songgen::parseSong(notes));
    return std::string(midi.begin(), midi.end());
}
// A song of a quarter of a second.
const std::string kSong = midiOf("tempo 240\npart P program 0\nC5 e E5 e\n");
// A generous bound for every wait; reaching it fails the test.
constexpr std::chrono::seconds kCap{60};

const auto framesOf = [](int ms) { return std::int64_t{ms} * 44100 / 1000; };

// The 16-bit samples of a file after its header: a wave file as the sound generator
// writes it has 44 bytes of header, the disk driver's stereo output none.
std::vector<std::int16_t> readSamples(const std::filesystem::path& file, std::size_t header) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(b.size() > header ? (b.size() - header) / 2 : 0);
    if (!samples.empty()) std::memcpy(samples.data(), &b[header], samples.size() * 2);
    return samples;
}

// The lines logged, less the disk driver's own notice that it is in use.
int loggedLines(const std::string& log) {
    std::istringstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) count += line.rfind("CRITICAL:", 0) != 0;
    return count;
}

// The device and the sound procedures over it are heard through SDL's disk driver:
// it writes the mixed output to a file, a post-mix hook counts it as it is
// produced, and the "owner's thread" is the test's own, draining what the audio
// layer posts to it.
// What the test learns from the device: the frames the mixer produced and the loud
// ones, and the functions posted to the owner's thread, which the test runs.
class Heard {
  public:
    PostToOwner poster() {
        return [this](std::function<void()> f) {
            std::lock_guard lock(mutex_);
            posted_.push_back(std::move(f));
            changed_.notify_all();
        };
    }
    static void postMix(void* self, Uint8* stream, int len) {
        auto* heard = static_cast<Heard*>(self);
        std::lock_guard lock(heard->mutex_);
        for (int i = 0; i + 1 < len; i += 4) {
            std::int16_t left = 0;
            std::memcpy(&left, stream + i, 2);
            heard->loud_ += left > 64 || left < -64;
        }
        heard->frames_ += len / 4;
        heard->changed_.notify_all();
    }

    // Waits for the next posted function and runs it; false if none came.
    bool runNext(std::chrono::seconds cap = kCap) {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, cap, [&] { return !posted_.empty(); })) return false;
        const std::function<void()> next = std::move(posted_.front());
        posted_.pop_front();
        lock.unlock();
        next();
        return true;
    }
    // Waits until the mixer has produced count more frames than now.
    bool waitForFrames(std::int64_t count) {
        std::unique_lock lock(mutex_);
        const std::int64_t target = frames_ + count;
        return changed_.wait_for(lock, kCap, [&] { return frames_ >= target; });
    }
    std::int64_t loudFrames() {
        std::lock_guard lock(mutex_);
        return loud_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> posted_;
    std::int64_t frames_ = 0;
    std::int64_t loud_ = 0;
};

// The sound procedures over the real device, and what is heard of it.
// The output kept open throughout, so that every frame it mixes can be counted.
AudioFormat keptOpen() {
    AudioFormat format;
    format.restAfter = SdlDevice::kNeverRest;
    return format;
}

struct Table {
    explicit Table(SoundFolders folders, AudioFormat format = keptOpen())
        : audio(heard.poster(), std::move(format)), board(g, audio, std::move(folders), {}) {
        Mix_SetPostMix(&Heard::postMix, &heard);
    }
    ~Table() { Mix_SetPostMix(nullptr, nullptr); }  // before the mixer closes

    Heard heard;  // outlives the device, which may post to it
    SdlAudio audio;
    SoundChoices g;
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

    void song(const std::string& name) const { folder.write("music/" + name, kSong); }

    SoundFolders folders() const { return {kEffects.parent_path(), folder.path() / "music"}; }

    TempFolder folder;
};

// How many frames of the stereo output differ from the segment placed at start
// (within the mixer's rounding to stereo) or from silence outside it; all of the
// segment's if it was not wholly played.
int mismatches(const std::vector<std::int16_t>& out, const std::vector<std::int16_t>& segment,
               std::int64_t start) {
    const auto frames = std::int64_t(out.size() / 2);
    const auto end = start + std::int64_t(segment.size());
    if (start < 0 || end > frames) return int(segment.size());
    int count = 0;
    for (std::int64_t j = 0; j < frames; ++j) {
        const bool inside = j >= start && j < end;
        const int left = out[std::size_t(2 * j)];
        const int expected = inside ? segment[std::size_t(j - start)] : 0;
        count +=
            std::abs(left - expected) > (inside ? 2 : 0) || out[std::size_t(2 * j + 1)] != left;
    }
    return count;
}

TEST_F(RealAudioTest, CardRustleNoSilencesEachSoundAndAfterYesItIsHeardWholeAndAlone) {
    song("a.mid");
    const std::vector<std::int16_t> wave = readSamples(kEffects, 44);
    ASSERT_EQ(wave.size(), std::size_t(framesOf(4000)));
    const auto loud = [](std::int16_t s) { return s > 1000 || s < -1000; };
    for (int k = kCardSound; k <= kTieSound; ++k) {
        SCOPED_TRACE("sound " + std::to_string(k));
        std::filesystem::remove(output());
        const std::vector<std::int16_t> segment(wave.begin() + framesOf(soundMarks[k]),
                                                wave.begin() + framesOf(soundMarks[k + 1]));
        ASSERT_NE(std::find_if(segment.begin(), segment.end(), loud), segment.end()) << "silent";
        {
            Table t(folders());
            ASSERT_TRUE(t.audio.isOpen());
            t.g.rustleChoice = 0;
            t.board.startUp();
            ASSERT_TRUE(t.heard.waitForFrames(2048));
            t.board.playSegment(k);  // not heard
            ASSERT_TRUE(t.heard.waitForFrames(std::int64_t(segment.size()) + 4096));
            t.board.setCardRustle(1);
            t.board.playSegment(k);
            ASSERT_TRUE(t.heard.waitForFrames(std::int64_t(segment.size()) + 4096));
        }
        const std::vector<std::int16_t> out = readSamples(output(), 0);  // stereo frames
        std::int64_t firstLoud = 0;
        while (2 * firstLoud < std::int64_t(out.size()) && !loud(out[2 * firstLoud])) ++firstLoud;
        // the segment starts where the output first matches its first loud sample
        const std::int64_t start =
            firstLoud - (std::find_if(segment.begin(), segment.end(), loud) - segment.begin());
        int fewest = int(segment.size());
        for (int off = -2; off <= 2; ++off)
            fewest = std::min(fewest, mismatches(out, segment, start + off));
        EXPECT_EQ(fewest, 0) << "the output is not the sound alone";
    }
}

TEST_F(RealAudioTest, AMissingEffectsFileAndBrokenSongsAreLoggedOnceAndTheSequenceGoesOn) {
    song("a.mid");
    song("b.mid");
    std::string noTracks = kSong.substr(0, 14);
    noTracks[10] = noTracks[11] = 0;
    const std::vector<std::string> broken{"just some words, not a song", "MThd this is not a song",
                                          kSong.substr(0, kSong.size() - 5), noTracks};
    for (std::size_t i = 0; i < broken.size(); ++i)
        folder.write("music/broken-" + std::to_string(i) + ".mid", broken[i]);
    Table t({folder.path(), folder.path() / "music"});  // no effects file there
    ::testing::internal::CaptureStderr();
    t.board.startUp();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_NE(log.find("complessivo.wav"), std::string::npos) << log;
    for (int k = 0; k <= 4; ++k) t.board.playSegment(k);
    ASSERT_TRUE(t.heard.waitForFrames(framesOf(4000) + 4096));
    EXPECT_EQ(t.heard.loudFrames(), 0);

    t.board.chooseSong(2);
    t.board.chooseAllSongs();
    t.audio.settleSongs();  // the next song is opened while this one plays
    EXPECT_EQ(t.audio.preparedSong(), folder.path() / "music" / "a.mid");
    for (int next = 1; next <= 2; ++next) {
        ASSERT_TRUE(t.heard.runNext()) << "no song ended";
        EXPECT_EQ(t.g.musicChoice, next);
    }
    for (int k = 3; k <= 6; ++k) {
        SCOPED_TRACE(k);
        ::testing::internal::CaptureStderr();
        t.board.chooseSong(k);
        t.audio.settleSongs();
        const std::string songLog = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(loggedLines(songLog), 1) << songLog;
        EXPECT_FALSE(t.audio.songPlaying());
    }
    EXPECT_FALSE(t.heard.runNext(0s)) << "a broken song ended";
    t.board.chooseSong(2);
    t.audio.settleSongs();
    EXPECT_TRUE(t.audio.songPlaying());
    t.board.chooseNoMusic();
    t.audio.settleSongs();
    EXPECT_FALSE(t.audio.songPlaying());
    EXPECT_FALSE(t.heard.runNext(0s)) << "a stopped song reported an end";
}

// Once nothing sounds the output rests (it mixes nothing); a card sound or a song
// opens it again and is heard, and a song's end is still reported.
TEST_F(RealAudioTest, OutputRestsWhileQuietAndWakesForTheNextSound) {
    song("a.mid");
    AudioFormat format;
    format.restAfter = 20ms;
    Table t(folders(), format);
    t.board.startUp();
    ASSERT_TRUE(t.audio.waitUntilResting(kCap));
    EXPECT_FALSE(t.audio.deviceOpen());

    t.board.playSegment(kCardSound);
    EXPECT_TRUE(t.audio.deviceOpen());
    ASSERT_TRUE(t.audio.waitUntilResting(kCap));
    EXPECT_GT(t.heard.loudFrames(), 0) << "the card was not heard before the rest";

    const std::int64_t loud = t.heard.loudFrames();
    t.board.chooseSong(1);
    ASSERT_TRUE(t.heard.runNext()) << "the song never ended";
    EXPECT_GT(t.heard.loudFrames(), loud);
    EXPECT_TRUE(t.audio.waitUntilResting(kCap));
}

TEST_F(RealAudioTest, WithoutAnAudioDeviceTheGamePlaysSilentlyAfterOneLogLine) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    song("good.mid");
    ::testing::internal::CaptureStderr();
    Table t(folders());
    t.board.startUp();
    t.board.playSegment(kCardSound);
    t.board.chooseSong(1);
    t.board.chooseNoMusic();
    t.audio.settleSongs();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(t.audio.isOpen());
    EXPECT_EQ(loggedLines(log), 1) << log;
    EXPECT_FALSE(t.heard.runNext(0s));
}

TEST(MidiLength, TheLastEventThroughTheTempo) {
    using std::chrono::microseconds;
    // Three quarter notes at 240 a minute, then at 120.
    EXPECT_EQ(midiLength(midiOf("tempo 240\npart P program 0\nC5 q E5 q G5 q\n")),
              microseconds(750'000));
    EXPECT_EQ(midiLength(midiOf("tempo 120\npart P program 0\nC5 q E5 q G5 q\n")),
              microseconds(1'500'000));
    const std::string whole = midiOf("tempo 240\npart P program 0\nC5 q\n");
    EXPECT_EQ(midiLength(whole.substr(0, whole.size() - 3)), std::nullopt);
    EXPECT_EQ(midiLength(std::string("not a song")), std::nullopt);
}

}  // namespace
}  // namespace morvello
