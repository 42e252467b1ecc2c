// What this suite guards: the length of a MIDI file (by which a sequence moves on),
// and that every shipped song has one.
#include "sound/midi_length.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "midi_file.h"
#include "song_text.h"

namespace morvello {
namespace {

std::string song(const std::string& text) {
    const auto midi = songgen::encodeMidi(songgen::parseSong(text));
    return std::string(midi.begin(), midi.end());
}

TEST(MidiLength, TheLastEventThroughTheTempo) {
    using std::chrono::microseconds;
    // Three quarter notes at 240 a minute, then at 120.
    EXPECT_EQ(midiLength(song("tempo 240\npart P program 0\nC5 q E5 q G5 q\n")),
              microseconds(750'000));
    EXPECT_EQ(midiLength(song("tempo 120\npart P program 0\nC5 q E5 q G5 q\n")),
              microseconds(1'500'000));
    const std::string whole = song("tempo 240\npart P program 0\nC5 q\n");
    EXPECT_EQ(midiLength(whole.substr(0, whole.size() - 3)), std::nullopt);
    EXPECT_EQ(midiLength(std::string("not a song")), std::nullopt);
}

TEST(MidiLength, TheShippedSongsLastMoreThanTenSeconds) {
    const std::filesystem::path music = MORVELLO_SOURCE_DIR "/assets/music";
    int songs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(music)) {
        const auto length = midiFileLength(entry.path());
        ASSERT_TRUE(length.has_value()) << entry.path();
        EXPECT_GT(*length, std::chrono::seconds(10)) << entry.path();
        ++songs;
    }
    EXPECT_GE(songs, 1);
}

}  // namespace
}  // namespace morvello
