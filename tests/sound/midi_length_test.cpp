// What this suite guards: the length of a MIDI file (by which a sequence moves on).
// That the shipped songs are the generator's, of half a minute or so, is the
// generated assets' test.
#include "sound/midi_length.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace morvello
