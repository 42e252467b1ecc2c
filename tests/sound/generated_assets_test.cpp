// What this suite guards: the committed effects file and songs are what the
// generators make of their sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "effects_synth.h"
#include "midi_file.h"
#include "song_text.h"
#include "wav_file.h"

namespace morvello {
namespace {

const std::filesystem::path kSource = MORVELLO_SOURCE_DIR;

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GeneratedAssets, TheEffectsFileIsTheGenerators) {
    const auto wav = soundgen::encodeWav(soundgen::synthesiseEffects(), soundgen::kEffectsRate);
    EXPECT_TRUE(fileText(kSource / "assets/sounds/complessivo.wav") ==
                std::string(wav.begin(), wav.end()))
        << "regenerate it: morvello-soundgen assets/sounds/complessivo.wav";
}

TEST(GeneratedAssets, TheSongsAreTheGeneratorsAndLastHalfAMinuteOrSo) {
    using namespace songgen;
    const std::filesystem::path sources = kSource / "tools/songgen/songs";
    const std::filesystem::path music = kSource / "assets/music";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(sources)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        ++count;
        const Song song = parseSong(fileText(entry.path()));
        EXPECT_GE(song.seconds(), 30);
        EXPECT_LE(song.seconds(), 60);
        EXPECT_GE(song.parts.size(), 2u) << "a melody and an accompaniment";
        const auto bytes = encodeMidi(song);
        EXPECT_EQ(fileText(music / (name + ".mid")), std::string(bytes.begin(), bytes.end()))
            << "regenerate: morvello-songgen tools/songgen/songs/*.txt assets/music";
    }
    EXPECT_GE(count, 3);
    for (const auto& entry : std::filesystem::directory_iterator(music)) {
        EXPECT_TRUE(std::filesystem::exists(sources / (entry.path().stem().string() + ".txt")))
            << entry.path() << " has no note list";
    }
}

}  // namespace
}  // namespace morvello
