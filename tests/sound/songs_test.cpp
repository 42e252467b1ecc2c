// The song note lists: how they read, how they are written as MIDI, and that the
// committed songs are what the generator makes of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "midi_file.h"
#include "song_text.h"

namespace morvello::songgen {
namespace {

const std::filesystem::path kSources = MORVELLO_SOURCE_DIR "/tools/songgen/songs";
const std::filesystem::path kMusic = MORVELLO_SOURCE_DIR "/assets/music";

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string errorOf(const std::string& text) {
    try {
        parseSong(text);
    } catch (const SongError& e) {
        return e.what();
    }
    return "";
}

TEST(SongText, PitchesAndDurations) {
    EXPECT_EQ(parsePitch("C4"), 60);
    EXPECT_EQ(parsePitch("A4"), 69);
    EXPECT_EQ(parsePitch("F#3"), 54);
    EXPECT_EQ(parsePitch("Bb2"), 46);
    EXPECT_EQ(parsePitch("C-1"), 0);
    EXPECT_EQ(parsePitch("G9"), 127);
    for (const char* bad : {"H4", "C", "C#", "Cx4", "c4", "G#9", "C10"}) {
        EXPECT_THROW(parsePitch(bad), SongError) << bad;
    }
    EXPECT_EQ(parseDuration("w"), 1920);
    EXPECT_EQ(parseDuration("h"), 960);
    EXPECT_EQ(parseDuration("q"), 480);
    EXPECT_EQ(parseDuration("e."), 360);
    EXPECT_EQ(parseDuration("e3"), 160);
    EXPECT_EQ(parseDuration("s"), 120);
    for (const char* bad : {"", "x", "q..", "q4"})
        EXPECT_THROW(parseDuration(bad), SongError) << bad;
}

TEST(SongText, NotesChordsRestsAndRepeatsLineUpInTime) {
    const Song song = parseSong(
        "# a comment\n"
        "title Two parts  \n"
        "tempo 120\n"
        "part Tune program 21 volume 90 velocity 80  # the melody\n"
        "|: C4 q R e F#4+A4 e :| | G4 h\n"
        "part Low program 32\n"
        "C2 w C2 h\n");
    EXPECT_EQ(song.title, "Two parts");
    EXPECT_EQ(song.tempo, 120);
    ASSERT_EQ(song.parts.size(), 2u);
    const Part& tune = song.parts[0];
    EXPECT_EQ(tune.program, 21);
    EXPECT_EQ(tune.volume, 90);
    EXPECT_EQ(tune.velocity, 80);
    EXPECT_EQ(tune.channel, 0);
    EXPECT_EQ(song.parts[1].channel, 1);
    std::vector<std::tuple<int, int, int>> notes;
    for (const Note& n : tune.notes) notes.emplace_back(n.start, n.length, n.pitch);
    EXPECT_EQ(notes, (std::vector<std::tuple<int, int, int>>{{0, 480, 60},
                                                             {720, 240, 66},
                                                             {720, 240, 69},
                                                             {960, 480, 60},
                                                             {1680, 240, 66},
                                                             {1680, 240, 69},
                                                             {1920, 960, 67}}));
    EXPECT_EQ(song.lengthTicks(), 2880);
    EXPECT_DOUBLE_EQ(song.seconds(), 3.0);
}

TEST(SongText, PartsSkipThePercussionChannelUnlessTheyNameIt) {
    std::string text = "tempo 100\n";
    for (int i = 0; i < 10; ++i) text += "part P" + std::to_string(i) + " program 0\nC4 q\n";
    text += "part Drums program 0 channel 9\nF#3 q\n";
    const Song song = parseSong(text);
    EXPECT_EQ(song.parts[8].channel, 8);
    EXPECT_EQ(song.parts[9].channel, 10);
    EXPECT_EQ(song.parts[10].channel, 9);
}

TEST(SongText, MistakesNameTheirLine) {
    EXPECT_EQ(errorOf("tempo 100\npart A program 0\nC4 q D4\n"), "line 3: \"D4\" has no duration");
    EXPECT_EQ(errorOf("tempo 100\npart A program 0\nC4 q\nH4 q\n"), "line 4: bad pitch \"H4\"");
    EXPECT_EQ(errorOf("tempo 100\nC4 q\n"), "line 2: notes before the first part");
    EXPECT_EQ(errorOf("tempo 100\npart A program 200\n"),
              "line 2: program must be a number from 0 to 127, not \"200\"");
    EXPECT_EQ(errorOf("part A program 0\nC4 q\n"), "line 2: the song has no tempo");
    EXPECT_EQ(errorOf("tempo 100\npart A program 0\nC4 q\npart B program 0\nC4 h\n"),
              "line 5: part B lasts 960 ticks but part A lasts 480");
}

// Reads a big-endian number from the MIDI bytes.
std::uint32_t big(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | b[at + std::size_t(i)];
    return v;
}

TEST(MidiFile, HeaderTempoAndNoteEvents) {
    const Song song = parseSong("title T\ntempo 100\npart A program 5 volume 70\nC4 w D4 q\n");
    const std::vector<std::uint8_t> b = encodeMidi(song);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
    EXPECT_EQ(big(b, 8, 2), 1u);   // format 1
    EXPECT_EQ(big(b, 10, 2), 2u);  // conductor and one part
    EXPECT_EQ(big(b, 12, 2), 480u);

    // conductor: title "T", tempo 600000 us a quarter, end at the song's end (2400 ticks)
    const std::vector<std::uint8_t> conductor{'M',  'T',  'r',  'k',  0,    0,    0,    17, 0,
                                              0xff, 0x03, 1,    'T',  0,    0xff, 0x51, 3,  0x09,
                                              0x27, 0xc0, 0x92, 0x60, 0xff, 0x2f, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 14, b.begin() + 14 + 25), conductor);

    // the part: name, program, volume, C4 for 1920 ticks, then D4 at once after it
    const std::vector<std::uint8_t> part{
        0,    0xff, 0x03, 1, 'A', 0,    0xc0, 5,  0,    0xb0, 7,    70, 0, 0x90, 60,   90,   0x8f,
        0x00, 0x80, 60,   0, 0,   0x90, 62,   90, 0x83, 0x60, 0x80, 62, 0, 0,    0xff, 0x2f, 0};
    const std::size_t at = 14 + 25;
    EXPECT_EQ(std::string(b.begin() + at, b.begin() + at + 4), "MTrk");
    EXPECT_EQ(big(b, at + 4, 4), part.size());
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + at + 8, b.end()), part);
}

TEST(Songs, CommittedSongsAreTheGeneratorsOutputAndLastHalfAMinuteOrSo) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSources)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        ++count;
        const Song song = parseSong(fileText(entry.path()));
        EXPECT_GE(song.seconds(), 30);
        EXPECT_LE(song.seconds(), 60);
        EXPECT_GE(song.parts.size(), 2u) << "a melody and an accompaniment";
        const auto bytes = encodeMidi(song);
        EXPECT_EQ(fileText(kMusic / (name + ".mid")), std::string(bytes.begin(), bytes.end()))
            << "regenerate: morvello-songgen tools/songgen/songs/*.txt assets/music";
    }
    EXPECT_GE(count, 3);
    for (const auto& entry : std::filesystem::directory_iterator(kMusic)) {
        EXPECT_TRUE(std::filesystem::exists(kSources / (entry.path().stem().string() + ".txt")))
            << entry.path() << " has no note list";
    }
}

}  // namespace
}  // namespace morvello::songgen
