// The committed effects file is what the generator makes, and each of the five
// sounds lies within its own range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "effects_synth.h"
#include "wav_file.h"

namespace morvello::soundgen {
namespace {

const std::filesystem::path kEffectsFile = MORVELLO_SOURCE_DIR "/assets/sounds/complessivo.wav";

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + std::size_t(i)];
    return v;
}

TEST(EffectsFile, CommittedFileIsTheGeneratorsOutput) {
    const auto committed = fileBytes(kEffectsFile);
    const auto generated = encodeWav(synthesiseEffects(), kEffectsRate);
    EXPECT_TRUE(committed == generated)
        << "regenerate it: morvello-soundgen assets/sounds/complessivo.wav";
}

TEST(EffectsFile, HeaderDescribesFourSecondsOfMono16BitSound) {
    const auto b = encodeWav(synthesiseEffects(), kEffectsRate);
    ASSERT_EQ(b.size(), 44u + 4u * kEffectsRate * 2);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(little(b, 4, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(little(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(little(b, 22, 2), 1u);  // mono
    EXPECT_EQ(little(b, 24, 4), std::uint32_t(kEffectsRate));
    EXPECT_EQ(little(b, 28, 4), std::uint32_t(kEffectsRate * 2));
    EXPECT_EQ(little(b, 34, 2), 16u);
    EXPECT_EQ(little(b, 40, 4), b.size() - 44);
}

TEST(EffectsFile, EachSoundIsHeardInItsRangeAndFadesAtItsEdges) {
    const std::vector<std::int16_t> s = synthesiseEffects();
    const auto frame = [](int ms) { return std::size_t(ms) * kEffectsRate / 1000; };
    for (std::size_t k = 0; k + 1 < kEffectMarks.size(); ++k) {
        SCOPED_TRACE("sound " + std::to_string(k));
        const std::size_t from = frame(kEffectMarks[k]);
        const std::size_t to = frame(kEffectMarks[k + 1]);
        int peak = 0;
        for (std::size_t i = from; i < to; ++i) peak = std::max(peak, std::abs(int(s[i])));
        EXPECT_GT(peak, 8000) << "too quiet to hear over the music";
        EXPECT_LT(peak, 32767) << "clipped";
        // a segment starts and ends from silence: no click at its edges
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_LT(std::abs(int(s[from + i])), 3277) << "at " << i;
            EXPECT_LT(std::abs(int(s[to - 1 - i])), 3277) << "at " << i;
        }
        EXPECT_EQ(s[from], 0);
        EXPECT_EQ(s[to - 1], 0);
    }
}

}  // namespace
}  // namespace morvello::soundgen
