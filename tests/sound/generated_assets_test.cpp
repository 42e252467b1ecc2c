// The committed sound assets are what the generators make of their sources: the
// effects file, whose five sounds each lie within their own range, and the songs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

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

TEST(GeneratedAssets, TheEffectsFileIsTheGeneratorsAndEachSoundIsHeardInItsRange) {
    using namespace soundgen;
    const std::vector<std::int16_t> s = synthesiseEffects();
    const auto wav = encodeWav(s, kEffectsRate);
    EXPECT_TRUE(fileText(kSource / "assets/sounds/complessivo.wav") ==
                std::string(wav.begin(), wav.end()))
        << "regenerate it: morvello-soundgen assets/sounds/complessivo.wav";

    for (std::size_t k = 0; k + 1 < kEffectMarks.size(); ++k) {
        SCOPED_TRACE("sound " + std::to_string(k));
        const auto from = s.begin() + kEffectMarks[k] * kEffectsRate / 1000;
        const auto to = s.begin() + kEffectMarks[k + 1] * kEffectsRate / 1000;
        const auto [low, high] = std::minmax_element(from, to);
        const int peak = std::max(-*low, int(*high));
        EXPECT_TRUE(peak > 8000 && peak < 32767) << peak << ": too quiet to hear, or clipped";
        // a segment starts and ends from silence: no click at its edges
        for (int i = 0; i < 4; ++i)
            EXPECT_LT(std::max(std::abs(from[i]), std::abs(to[-1 - i])), 3277);
        EXPECT_EQ(std::pair(from[0], to[-1]), std::pair(std::int16_t{0}, std::int16_t{0}));
    }
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
