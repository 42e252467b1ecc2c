// A mono 16-bit PCM wave file in memory.
#pragma once

#include <cstdint>
#include <vector>

namespace morvello::soundgen {

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples, int rate);

}  // namespace morvello::soundgen
