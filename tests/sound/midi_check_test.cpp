// Damaged MIDI files are told apart from good ones before they reach the synthesiser.
#include <gtest/gtest.h>

#include "midi_file.h"
#include "song_text.h"
#include "sound/midi_check.h"
#include "temp_folder.h"

namespace morvello {
namespace {

TEST(MidiCheck, AGoodSongPassesAndDamagedOnesAreNamed) {
    testing::TempFolder folder;
    const auto good = songgen::encodeMidi(
        songgen::parseSong("tempo 120\npart A program 0\nC4 q\npart B program 1\nE4 q\n"));
    const std::string bytes(good.begin(), good.end());
    EXPECT_EQ(midiFileProblem(folder.write("good.mid", bytes)), "");
    EXPECT_EQ(midiFileProblem(folder.write("text.mid", "just some words, not a song")),
              "not a MIDI file");
    EXPECT_EQ(midiFileProblem(folder.write("head.mid", "MThd this is not a song")),
              "a MIDI file cut short");
    EXPECT_EQ(midiFileProblem(folder.write("cut.mid", bytes.substr(0, bytes.size() - 5))),
              "a MIDI file cut short");
    std::string noTracks = bytes.substr(0, 14);
    noTracks[10] = noTracks[11] = 0;
    EXPECT_EQ(midiFileProblem(folder.write("empty.mid", noTracks)), "a MIDI file without tracks");
    EXPECT_EQ(midiFileProblem(folder.path() / "missing.mid"), "cannot be read");
}

}  // namespace
}  // namespace morvello
