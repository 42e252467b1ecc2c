#include "wav_file.h"

#include <string_view>

namespace morvello::soundgen {
namespace {

void putText(std::vector<std::uint8_t>& out, std::string_view text) {
    for (const char c : text) out.push_back(static_cast<std::uint8_t>(c));
}

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putText(out, "RIFF");
    putLittle(out, 36 + dataBytes, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLittle(out, 16, 4);  // format chunk size
    putLittle(out, 1, 2);   // PCM
    putLittle(out, 1, 2);   // mono
    putLittle(out, static_cast<std::uint32_t>(rate), 4);
    putLittle(out, static_cast<std::uint32_t>(rate) * 2, 4);  // bytes per second
    putLittle(out, 2, 2);                                     // bytes per frame
    putLittle(out, 16, 2);                                    // bits per sample
    putText(out, "data");
    putLittle(out, dataBytes, 4);
    for (std::int16_t s : samples) putLittle(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace morvello::soundgen
