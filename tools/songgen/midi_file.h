// A song as a Standard MIDI File (format 1): a first track with the title and the
// tempo, then one track per part with its instrument, volume and notes.
#pragma once

#include <cstdint>
#include <vector>

#include "song.h"

namespace morvello::songgen {

std::vector<std::uint8_t> encodeMidi(const Song& song);

}  // namespace morvello::songgen
